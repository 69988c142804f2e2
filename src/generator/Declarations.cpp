#include "generator/Declarations.h"

#include "model/NumberText.h"

#include <QStringList>

#include <algorithm>

namespace brindle {

QString decimal(qint64 value) {
    return QString::number(value);
}

QString pixels(qint64 value) {
    return QString::number(value) + QLatin1String("px");
}

QString fixedDecimals(double value, int decimals) {
    // printf's own rounding (half to even on the exact binary value), as the formats promise,
    // but never the locale's decimal comma: "0,25" is not CSS.
    return fixedDecimalsText(value, decimals);
}

QString borderRadiusDeclarations(const QString& value, bool vendorForms) {
    if (!vendorForms)
        return QLatin1String("\tborder-radius: ") + value + QLatin1String(";\n");
    return QLatin1String("\t-moz-border-radius: ") + value +
           QLatin1String(";\n\t-webkit-border-radius: ") + value +
           QLatin1String(";\n\tborder-radius: ") + value + QLatin1String(";\n");
}

QString cornerRadiusDeclarations(qint64 radius, bool vendorForms) {
    return borderRadiusDeclarations(pixels(radius), vendorForms);
}

QString bottomCornerRadiusDeclarations(qint64 radius, bool vendorForms) {
    const QString r = pixels(radius);
    return borderRadiusDeclarations(QLatin1String("0 0 ") + r + QLatin1Char(' ') + r, vendorForms);
}

QString borderDeclaration(qint64 size, const Color& color) {
    return QLatin1String("\tborder: ") + pixels(size) + QLatin1String(" solid ") +
           hexadecimalValueOfAnNSColor(color) + QLatin1String(";\n");
}

QString separatorDeclarations(bool showSeparator, qint64 size, const Color& color,
                              bool logicalSides) {
    if (!showSeparator)
        return QString(QLatin1String(""));
    // The left line is always 1 px of opaque white, whatever the bar's border is. With
    // logical sides, "left" is the line's start.
    return QLatin1String(logicalSides ? "\tborder-inline-end: " : "\tborder-right: ") +
           pixels(size) + QLatin1String(" solid ") + hexadecimalValueOfAnNSColor(color) +
           QLatin1String(logicalSides ? ";\n\tborder-inline-start: " : ";\n\tborder-left: ") +
           QLatin1String("1px solid rgba(255,255,255,1);\n");
}

QString percentWidthDeclaration(qint64 percent) {
    return QLatin1String("\twidth: ") + decimal(percent) + QLatin1String("%;\n");
}

QString pixelWidthDeclaration(qint64 width) {
    return QLatin1String("\twidth: ") + pixels(width) + QLatin1String(";\n");
}

QString paddingDeclaration(qint64 top, qint64 right, qint64 bottom, qint64 left,
                           bool logicalSides) {
    const auto length = [](qint64 value) {
        return value == 0 ? QString(QLatin1String("0")) : pixels(value);
    };
    if (logicalSides)
        return QLatin1String("\tpadding-block: ") + length(top) + QLatin1Char(' ') +
               length(bottom) + QLatin1String(";\n\tpadding-inline: ") + length(left) +
               QLatin1Char(' ') + length(right) + QLatin1String(";\n");
    return QLatin1String("\tpadding: ") + length(top) + QLatin1Char(' ') + length(right) +
           QLatin1Char(' ') + length(bottom) + QLatin1Char(' ') + length(left) +
           QLatin1String(";\n");
}

QString fontFamilyDeclaration(const QString& family) {
    return QLatin1String("\tfont-family: ") + family + QLatin1String(";\n");
}

QString stackForEveryScript(const QString& family) {
    QStringList families = family.split(QLatin1Char(','));
    for (QString& name : families)
        name = name.trimmed();
    families.removeAll(QString());
    // After the designer's families: the glyphs they lack come from the system's interface
    // font, while the text they have keeps its look.
    const QLatin1String systemUi("system-ui");
    if (!families.contains(systemUi))
        families << systemUi;
    static const QStringList generic = {QStringLiteral("serif"), QStringLiteral("sans-serif"),
                                        QStringLiteral("monospace"), QStringLiteral("cursive"),
                                        QStringLiteral("fantasy")};
    if (std::none_of(families.cbegin(), families.cend(),
                     [](const QString& name) { return generic.contains(name); }))
        families << QStringLiteral("sans-serif");
    return families.join(QLatin1String(", "));
}

QString colorDeclaration(const Color& color) {
    return QLatin1String("\tcolor: ") + hexadecimalValueOfAnNSColor(color) + QLatin1String(";\n");
}

QString fontSizeDeclaration(qint64 size) {
    return QLatin1String("\tfont-size: ") + pixels(size) + QLatin1String(";\n");
}

} // namespace brindle
