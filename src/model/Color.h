#pragma once

#include <QString>

namespace brindle {

// An RGBA colour, each component a double in 0–1.
struct Color {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    double alpha = 1.0;

    // n/255 computed in single precision and widened, as the stored defaults are.
    static Color fromBytes(int red, int green, int blue);
    Color withAlpha(double newAlpha) const { return {red, green, blue, newAlpha}; }

    friend bool operator==(const Color&, const Color&) = default;
};

// Byte scaling of the text forms: c × 255.99998474121094, truncated toward zero.
int byteScaled(double component);

// "#rrggbb", lower case, alpha dropped.
QString hexadecimalValueOfAnNSColor(const Color& color);
// "rgba(r, g, b, a.aa)": byte-scaled channels, alpha itself with two decimals.
QString rgbaValueOfAnNSColor(const Color& color);
// Parses the hex form: the first character is dropped, then an unsigned 32-bit hexadecimal
// number is read (optional 0x, up to the first non-digit, saturating at 0xFFFFFFFF); the
// top byte is ignored. A null text gives opaque black.
Color nscolorValueOfAnHexadecimal(const QString& text);

} // namespace brindle
