#include "workspace/IconFiles.h"

#include "model/Node.h"
#include "workspace/IconImage.h"
#include "workspace/PreviewFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>

#include <algorithm>

namespace brindle {

// This file's messages, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(IconFiles)
};

namespace {

using PicturesByName = QHash<QString, QList<QImage>>;

void addPicture(PicturesByName& pictures, const QString& name, const QImage& image) {
    if (name.isEmpty() || image.isNull())
        return;
    QList<QImage>& list = pictures[name];
    const bool known = std::any_of(list.cbegin(), list.cend(), [&](const QImage& other) {
        return other.cacheKey() == image.cacheKey();
    });
    if (!known)
        list.append(image);
}

void collectPictures(const Node& node, PicturesByName& pictures) {
    addPicture(pictures, node.imageFileName(), node.image());
    addPicture(pictures, node.retinaImageFileName(), node.retinaImage());
    for (int i = 0; i < node.childCount(); ++i)
        collectPictures(*node.childAt(i), pictures);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool samePictures(const QList<QImage>& a, const QList<QImage>& b) {
    return std::equal(
        a.cbegin(), a.cend(), b.cbegin(), b.cend(),
        [](const QImage& x, const QImage& y) { return x.cacheKey() == y.cacheKey(); });
}

// The SVG documents of the tree, by file name.
void collectSvgIcons(const Node& node, QHash<QString, QByteArray>& documents) {
    if (node.hasSvgIcon())
        documents.insert(node.svgIcon().fileName, node.svgIcon().text);
    for (int i = 0; i < node.childCount(); ++i)
        collectSvgIcons(*node.childAt(i), documents);
}

} // namespace

QStringList restoreIconFiles(const Node& before, const Node& after, const QString& folder) {
    PicturesByName previous;
    collectPictures(before, previous);
    PicturesByName pictures;
    collectPictures(after, pictures);
    QStringList failures;
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it) {
        const QString& name = it.key();
        // The one picture the name had and has: its file is in place already.
        if (it.value().size() == 1 && samePictures(previous.value(name), it.value()))
            continue;
        const QByteArray held = fileBytes(QDir(folder).filePath(name));
        QByteArray wanted;
        bool inPlace = false;
        for (const QImage& picture : it.value()) {
            wanted = encodeIconForFileName(picture, name);
            if (!wanted.isEmpty() && wanted == held) {
                inPlace = true;
                break;
            }
        }
        if (inPlace)
            continue;
        const WriteResult written =
            wanted.isEmpty() ? WriteResult{false, Texts::tr("the picture cannot be encoded")}
                             : PreviewFolder::writeFile(folder, name, wanted);
        if (!written)
            failures.append(QStringLiteral("“%1”: %2").arg(name, written.error));
    }
    QHash<QString, QByteArray> documents;
    collectSvgIcons(after, documents);
    for (auto it = documents.cbegin(); it != documents.cend(); ++it) {
        if (const WriteResult written =
                PreviewFolder::writeFileUnlessSame(folder, it.key(), it.value());
            !written)
            failures.append(QStringLiteral("“%1”: %2").arg(it.key(), written.error));
    }
    return failures;
}

} // namespace brindle
