#include "workspace/StartFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace brindle {

namespace {

// The application's user defaults, shared with the recent list and the window state.
QSettings userDefaults() {
    return QSettings(QStringLiteral("Brindle"), QStringLiteral("Brindle"));
}

bool isExistingFolder(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

StartFolder::StartFolder(Kind kind)
    : StartFolder(kind, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                  QDir::homePath()) {}

StartFolder::StartFolder(Kind kind, QString documentsFolder, QString homeFolder)
    : m_kind(kind), m_documents(std::move(documentsFolder)), m_home(std::move(homeFolder)) {}

QString StartFolder::settingsKey() const {
    switch (m_kind) {
    case Kind::Projects:
        return QStringLiteral("startFolders/projects");
    case Kind::Exports:
        return QStringLiteral("startFolders/exports");
    case Kind::Icons:
        return QStringLiteral("startFolders/icons");
    }
    return {};
}

QString StartFolder::folder() const {
    const QString remembered = userDefaults().value(settingsKey()).toString();
    for (const QString& candidate : {remembered, m_documents, m_home}) {
        if (isExistingFolder(candidate))
            return QDir::cleanPath(candidate);
    }
    return QDir::rootPath();
}

void StartFolder::rememberFile(const QString& filePath) const {
    if (!filePath.isEmpty())
        rememberFolder(QFileInfo(filePath).absolutePath());
}

void StartFolder::rememberFolder(const QString& folderPath) const {
    if (folderPath.isEmpty())
        return;
    userDefaults().setValue(settingsKey(), QFileInfo(folderPath).absoluteFilePath());
}

} // namespace brindle
