#include "editor/IconImporter.h"

#include "model/IconFileName.h"
#include "model/Node.h"
#include "platform/Log.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>

namespace brindle {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("IconImporter", text);
}

ImportedIcon failure(const QString& reason) {
    ImportedIcon result;
    result.error = reason;
    return result;
}

} // namespace

IconImporter::IconImporter(QString previewFolder) : m_folder(std::move(previewFolder)) {}

QImage IconImporter::decode(const QByteArray& bytes, QString* error) {
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return QImage();
    };
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg" && format != "gif")
        return fail(tr("It is not a PNG, JPEG or GIF picture."));
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return fail(tr("Its picture size cannot be read."));
    if (size.width() > kMaxSide || size.height() > kMaxSide)
        return fail(tr("The picture is larger than %1 × %1 pixels.").arg(kMaxSide));
    QImage image = reader.read();
    if (image.isNull())
        return fail(tr("The picture cannot be decoded (%1).").arg(reader.errorString()));
    return image;
}

ImportedIcon IconImporter::import(const QString& sourcePath) const {
    if (m_folder.isEmpty() || !QFileInfo(m_folder).isDir())
        return failure(tr("The preview folder is not available."));
    const QFileInfo source(sourcePath);
    if (!source.isFile() || !source.isReadable())
        return failure(tr("The file cannot be read."));
    if (source.size() > kMaxFileBytes)
        return failure(tr("The file is larger than %1 MB.").arg(kMaxFileBytes / (1024 * 1024)));

    QFile in(sourcePath);
    if (!in.open(QIODevice::ReadOnly))
        return failure(tr("The file cannot be read (%1).").arg(in.errorString()));
    const QByteArray bytes = in.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return failure(tr("The file is larger than %1 MB.").arg(kMaxFileBytes / (1024 * 1024)));

    ImportedIcon result;
    result.image = decode(bytes, &result.error);
    if (result.image.isNull())
        return result;

    result.fileName = safeIconFileName(source.fileName());
    const QString destination = QDir(m_folder).filePath(result.fileName);
    qCInfo(lcBrindle).noquote() << "destination:" << destination;
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return failure(
            tr("It cannot be copied into the preview folder (%1).").arg(out.errorString()));
    result.ok = true;
    return result;
}

void applyNormalIcon(Node& node, const ImportedIcon& icon) {
    node.setImageFileName(icon.fileName);
    node.setImage(icon.image);
    node.setImageWidth(icon.image.width());
    node.setImageHeight(icon.image.height());
    qCInfo(lcBrindle, "imageSize: %f, %f", double(icon.image.width()), double(icon.image.height()));
}

void applyRetinaIcon(Node& node, const ImportedIcon& icon) {
    // Integer division truncates: a 33-pixel-wide picture is shown 16 CSS pixels wide.
    const int width = icon.image.width() / 2;
    const int height = icon.image.height() / 2;
    node.setRetinaImageFileName(icon.fileName);
    node.setRetinaImage(icon.image);
    node.setRetinaImageWidth(width);
    node.setRetinaImageHeight(height);
    QImage scaled;
    if (width > 0 && height > 0) {
        scaled = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
        scaled.fill(Qt::transparent);
        QPainter painter(&scaled);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(0, 0, width, height), icon.image);
    }
    node.setScaledImage(scaled);
    qCInfo(lcBrindle).noquote() << "retinaFileName:" << icon.fileName;
}

// A cleared icon drops its picture and sizes too, so the outline and a saved project never
// show or keep an icon the item no longer has.
void clearNormalIcon(Node& node) {
    node.setImageFileName(QLatin1String(""));
    node.setImage(QImage());
    node.setImageWidth(0);
    node.setImageHeight(0);
}

void clearRetinaIcon(Node& node) {
    node.setRetinaImageFileName(QLatin1String(""));
    node.setRetinaImage(QImage());
    node.setRetinaImageWidth(0);
    node.setRetinaImageHeight(0);
    node.setScaledImage(QImage());
}

} // namespace brindle
