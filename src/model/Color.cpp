#include "model/Color.h"

#include "model/NumberText.h"

namespace brindle {

Color Color::fromBytes(int r, int g, int b) {
    const auto scale = [](int n) { return static_cast<double>(static_cast<float>(n) / 255.0f); };
    return {scale(r), scale(g), scale(b), 1.0};
}

int byteScaled(double component) {
    return static_cast<int>(component * 255.99998474121094);
}

QString hexadecimalValueOfAnNSColor(const Color& color) {
    const auto hex = [](double c) {
        return QString::number(byteScaled(c), 16).rightJustified(2, QLatin1Char('0'));
    };
    return QLatin1Char('#') + hex(color.red) + hex(color.green) + hex(color.blue);
}

QString rgbaValueOfAnNSColor(const Color& color) {
    const auto channel = [](double c) { return QString::number(byteScaled(c)); };
    return QLatin1String("rgba(") + channel(color.red) + QLatin1String(", ") +
           channel(color.green) + QLatin1String(", ") + channel(color.blue) + QLatin1String(", ") +
           fixedDecimalsText(color.alpha, 2) + QLatin1Char(')');
}

namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

quint32 scanHexInt(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    if (i + 1 < text.size() && text[i] == QLatin1Char('0') &&
        (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X')))
        i += 2;
    quint64 value = 0;
    bool overflow = false;
    for (; i < text.size(); ++i) {
        const int digit = hexDigit(text[i]);
        if (digit < 0)
            break;
        value = value * 16 + static_cast<quint64>(digit);
        if (value > 0xFFFFFFFFull) {
            overflow = true;
            value = 0; // keep scanning digits; the result saturates below
        }
    }
    return overflow ? 0xFFFFFFFFu : static_cast<quint32>(value);
}

} // namespace

Color nscolorValueOfAnHexadecimal(const QString& text) {
    if (text.isNull())
        return {0.0, 0.0, 0.0, 1.0};
    const QStringView rest = QStringView(text).mid(text.isEmpty() ? 0 : 1);
    const quint32 number = scanHexInt(rest);
    return {((number >> 16) & 0xFF) / 255.0, ((number >> 8) & 0xFF) / 255.0,
            (number & 0xFF) / 255.0, 1.0};
}

} // namespace brindle
