#include "model/NumberText.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace brindle {

QString fixedDecimalsText(double value, int decimals) {
    // Room for the largest finite double written out in full, its sign, "." and decimals.
    constexpr int kIntegerDigits = std::numeric_limits<double>::max_exponent10 + 1;
    constexpr int kMostDecimals = 64;
    char buffer[kIntegerDigits + 2 + kMostDecimals];
    decimals = std::clamp(decimals, 0, kMostDecimals);
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (error != std::errc())
        return QString();
    return QString::fromLatin1(buffer, end - buffer);
}

} // namespace brindle
