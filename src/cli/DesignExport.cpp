#include "cli/DesignExport.h"

#include "generator/CodeDocuments.h"
#include "model/GlobalData.h"

#include <QDir>
#include <QFileInfo>

namespace brindle::cli {

namespace {

WriteResult failure(const QString& path, const QString& reason) {
    return {false,
            QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), reason)};
}

} // namespace

bool needsArrowImage(const GlobalData& data) {
    const Node& root = *data.getMenuRootNode();
    for (int i = 0; i < root.childCount(); ++i) {
        if (root.childAt(i)->childCount() > 0)
            return true;
    }
    return false;
}

WriteResult exportDesign(const GlobalData& data, const QString& outputDirectory) {
    const QFileInfo folder(outputDirectory);
    if (folder.exists() && !folder.isDir())
        return {false, QStringLiteral("%1 exists and is not a folder")
                           .arg(QDir::toNativeSeparators(outputDirectory))};
    if (!QDir().mkpath(outputDirectory))
        return {false, QStringLiteral("cannot create folder %1")
                           .arg(QDir::toNativeSeparators(outputDirectory))};

    CodeDocuments documents(data);
    documents.insertHTML5Code();
    documents.insertCSS3Code();

    const QDir dir(outputDirectory);
    const struct {
        QString name;
        QByteArray bytes;
    } files[] = {
        {QStringLiteral("styles.css"), documents.cssText().toUtf8()},
        {QStringLiteral("index.html"), documents.htmlText().toUtf8()},
    };
    for (const auto& file : files) {
        const QString path = dir.filePath(file.name);
        if (const WriteResult written = writeFileAtomically(path, file.bytes); !written)
            return failure(path, written.error);
    }
    if (needsArrowImage(data)) {
        const QString path = dir.filePath(QLatin1String(kArrowFileName));
        if (const WriteResult written = writeFileAtomically(path, arrowImagePng()); !written)
            return failure(path, written.error);
    }
    return {};
}

} // namespace brindle::cli
