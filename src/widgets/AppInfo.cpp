#include "widgets/AppInfo.h"

#include "platform/Version.h"

#include <QCoreApplication>

namespace brindle::AppInfo {

QString applicationName() {
    return QStringLiteral("Brindle");
}

QString version() {
    const QString set = QCoreApplication::applicationVersion();
    return set.isEmpty() ? QString::fromLatin1(kVersion) : set;
}

QString copyrightLine() {
    return QStringLiteral("Copyright \u00a9 2026 The Brindle developers");
}

QString licenceLine() {
    return QStringLiteral("Released under the MIT License.");
}

} // namespace brindle::AppInfo
