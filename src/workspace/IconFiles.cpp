#include "workspace/IconFiles.h"

#include "model/Node.h"
#include "workspace/IconImage.h"
#include "workspace/PreviewFolder.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>

namespace brindle {

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

} // namespace

QStringList restoreIconFiles(const Node& menuRoot, const QString& folder) {
    PicturesByName pictures;
    collectPictures(menuRoot, pictures);
    QStringList failures;
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it) {
        const QString& name = it.key();
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
            wanted.isEmpty() ? WriteResult{false, QStringLiteral("the picture cannot be encoded")}
                             : PreviewFolder::writeFile(folder, name, wanted);
        if (!written)
            failures.append(QStringLiteral("“%1”: %2").arg(name, written.error));
    }
    return failures;
}

} // namespace brindle
