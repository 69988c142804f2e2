#include "widgets/AppInfo.h"

#include "platform/Version.h"

#include <QCoreApplication>

namespace brindle::AppInfo {

// This file's messages, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(AppInfo)
};

QString applicationName() {
    return QStringLiteral("Brindle");
}

QString version() {
    const QString set = QCoreApplication::applicationVersion();
    return set.isEmpty() ? QString::fromLatin1(kVersion) : set;
}

QString copyrightLine() {
    return Texts::tr("Copyright \u00a9 2026 The Brindle developers");
}

QString licenceLine() {
    return Texts::tr("Released under the MIT License.");
}

} // namespace brindle::AppInfo
