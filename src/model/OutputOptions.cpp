#include "model/OutputOptions.h"

#include <algorithm>

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

bool isValidClassName(const QString& name) {
    if (name.isEmpty() || name.size() > OutputOptions::kLongestClassName)
        return false;
    const auto letter = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
    };
    const qsizetype first = name.startsWith(u'-') ? 1 : 0;
    if (first >= name.size() || !letter(name.at(first)))
        return false;
    return std::all_of(name.cbegin(), name.cend(), [&letter](QChar c) {
        return letter(c) || (c >= u'0' && c <= u'9') || c == u'-';
    });
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

QString menuDirectionName(MenuDirection direction) {
    switch (direction) {
    case MenuDirection::LeftToRight:
        return QStringLiteral("ltr");
    case MenuDirection::RightToLeft:
        return QStringLiteral("rtl");
    case MenuDirection::Page:
        break;
    }
    return QStringLiteral("page");
}

QString currentPageLookName(CurrentPageLook look) {
    switch (look) {
    case CurrentPageLook::Hover:
        return QStringLiteral("hover");
    case CurrentPageLook::Plain:
        return QStringLiteral("plain");
    case CurrentPageLook::Active:
        break;
    }
    return QStringLiteral("active");
}

std::optional<CurrentPageLook> currentPageLookOfName(const QString& name) {
    for (const CurrentPageLook look :
         {CurrentPageLook::Active, CurrentPageLook::Hover, CurrentPageLook::Plain}) {
        if (name == currentPageLookName(look))
            return look;
    }
    return std::nullopt;
}

std::optional<MenuDirection> menuDirectionOfName(const QString& name) {
    for (const MenuDirection direction :
         {MenuDirection::Page, MenuDirection::LeftToRight, MenuDirection::RightToLeft}) {
        if (name == menuDirectionName(direction))
            return direction;
    }
    return std::nullopt;
}

} // namespace brindle
