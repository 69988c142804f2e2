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

} // namespace

bool isSafeIconFileName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || isControl(c))
            return false;
    }
    return !isGeneratedFileName(name);
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
    return name;
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

} // namespace brindle
