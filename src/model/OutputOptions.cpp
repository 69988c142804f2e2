#include "model/OutputOptions.h"

namespace brindle {

std::optional<QString> sanitizedNavLabel(const QString& typed) {
    QString kept;
    kept.reserve(typed.size());
    for (const QChar c : typed) {
        // C0 and C1 controls and DEL; a line break or tab becomes the space it looked like.
        const char16_t u = c.unicode();
        if (u == u'\t' || u == u'\n' || u == u'\r')
            kept.append(u' ');
        else if (u >= 0x20 && !(u >= 0x7F && u <= 0x9F))
            kept.append(c);
    }
    QString name = kept.simplified();
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

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
