#include "model/OutputOptions.h"

namespace brindle {

QString outputStyleName(OutputStyle style) {
    return style == OutputStyle::Modern ? QStringLiteral("modern") : QStringLiteral("classic");
}

std::optional<OutputStyle> outputStyleOfName(const QString& name) {
    if (name == QLatin1String("classic"))
        return OutputStyle::Classic;
    if (name == QLatin1String("modern"))
        return OutputStyle::Modern;
    return std::nullopt;
}

} // namespace brindle
