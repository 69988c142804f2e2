#include "model/IconFileName.h"

#include <QStringList>

namespace brindle {

namespace {

bool isControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

bool isGeneratedFileName(const QString& name) {
    static const QStringList generated = {QStringLiteral("index.html"),
                                          QStringLiteral("styles.css"),
                                          QStringLiteral("bottom.png"), QStringLiteral("menu.js")};
    return generated.contains(name);
}

qsizetype utf8Length(QStringView text) {
    return text.toUtf8().size();
}

// Drops whole characters before the extension (from the last ".", when that is not the
// first character) until the name fits; without a usable extension, from the end.
QString fittedToLongestName(const QString& name) {
    if (utf8Length(name) <= kLongestIconFileNameBytes)
        return name;
    qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0 && utf8Length(QStringView(name).mid(dot)) >= kLongestIconFileNameBytes)
        dot = -1;
    QString base = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    const qsizetype room = kLongestIconFileNameBytes - utf8Length(extension);
    while (!base.isEmpty() && utf8Length(base) > room)
        base.chop(base.size() >= 2 && base.back().isLowSurrogate() ? 2 : 1);
    return base + extension;
}

} // namespace

bool isSafeIconFileName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || isControl(c))
            return false;
    }
    return utf8Length(name) <= kLongestIconFileNameBytes && !isGeneratedFileName(name);
}

QString safeIconFileName(const QString& lastPathComponent) {
    QString name = lastPathComponent;
    for (QChar& c : name) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('/') || isControl(c))
            c = QLatin1Char('_');
    }
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("icon-") + name;
    if (isGeneratedFileName(name))
        name = QStringLiteral("icon-") + name;
    return fittedToLongestName(name);
}

qint64 iconClassNumber(const QString& iconID) {
    if (!iconID.startsWith(QLatin1String("icon")))
        return -1;
    const QStringView digits = QStringView(iconID).mid(4);
    if (digits.isEmpty() || digits.size() > 9)
        return -1;
    qint64 number = 0;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        number = number * 10 + (c.unicode() - '0');
    }
    return number;
}

QString firstFreeIconFileName(const QString& wanted,
                              const std::function<bool(const QString&)>& isFree) {
    if (isFree(wanted))
        return wanted;
    const qsizetype dot = wanted.lastIndexOf(u'.');
    const bool hasSuffix = dot > 0;
    const QString stem = hasSuffix ? wanted.left(dot) : wanted;
    const QString suffix = hasSuffix ? wanted.mid(dot) : QString();
    for (int n = 2;; ++n) {
        // A name at the length limit gives up characters of its stem for the number, then of
        // its suffix when the stem has none left.
        QString kept = stem;
        QString keptSuffix = suffix;
        const auto numbered = [&]() -> QString {
            return kept + u'-' + QString::number(n) + keptSuffix;
        };
        while (numbered().toUtf8().size() > kLongestIconFileNameBytes) {
            QString& shortened = kept.isEmpty() ? keptSuffix : kept;
            // A letter outside the basic plane is two code units: never keep half of it.
            const qsizetype cut =
                shortened.size() >= 2 && shortened.at(shortened.size() - 1).isLowSurrogate() ? 2
                                                                                             : 1;
            shortened.chop(cut);
        }
        const QString candidate = numbered();
        if (isSafeIconFileName(candidate) && isFree(candidate))
            return candidate;
    }
}

} // namespace brindle
