#include "widgets/AppInfo.h"

#include "platform/Version.h"

namespace brindle::AppInfo {

QString applicationName() {
    return QStringLiteral("Brindle");
}

QString version() {
    return QString::fromLatin1(kVersion);
}

QString copyrightLine() {
    return QStringLiteral("Copyright \u00a9 2026 The Brindle developers");
}

QString licenceLine() {
    return QStringLiteral("Released under the MIT License.");
}

} // namespace brindle::AppInfo
