#include "workspace/PreviewFolder.h"

#include "platform/Log.h"

#include <QDir>
#include <QFileInfo>

namespace brindle {

std::optional<PreviewFolder> PreviewFolder::create(const QString& baseDir) {
    const QDir base(baseDir);
    QString path;
    for (int n = 0;; ++n) {
        path = base.filePath(QStringLiteral("WebFolder%1").arg(n));
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            break;
    }
    qCInfo(lcBrindle) << "folderPath:" << path;
    if (!base.mkdir(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
        return std::nullopt;
    const QString created = QFileInfo(path).canonicalFilePath();
    qCInfo(lcBrindle) << "folderPath:" << created;
    return PreviewFolder(created);
}

PreviewFolder::PreviewFolder(const QString& folderPath) : m_folderPath(folderPath) {}

QString PreviewFolder::htmlPath() const {
    return QDir(m_folderPath).filePath(QStringLiteral("index.html"));
}

QString PreviewFolder::cssPath() const {
    return QDir(m_folderPath).filePath(QStringLiteral("styles.css"));
}

QString PreviewFolder::arrowPath() const {
    return QDir(m_folderPath).filePath(QLatin1String(kArrowFileName));
}

WriteResult PreviewFolder::writeHTML(const QString& text) const {
    return writeTextFileAtomically(htmlPath(), text);
}

WriteResult PreviewFolder::writeCSS(const QString& text) const {
    return writeTextFileAtomically(cssPath(), text);
}

WriteResult PreviewFolder::writeArrow() const {
    return writeFileAtomically(arrowPath(), arrowImagePng());
}

} // namespace brindle
