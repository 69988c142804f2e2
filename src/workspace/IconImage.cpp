#include "workspace/IconImage.h"

#include "model/Node.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

namespace brindle {

namespace {

bool isIconFormat(const QByteArray& format) {
    return format == "png" || format == "jpeg" || format == "jpg" || format == "gif" ||
           format == "tiff" || format == "tif";
}

bool isAcceptableSize(const QSize& size) {
    return size.isValid() && size.width() <= kLargestIconSide &&
           size.height() <= kLargestIconSide &&
           qint64(size.width()) * size.height() <= kLargestIconPixelCount;
}

QImage decode(QImageReader& reader) {
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead() || !isIconFormat(reader.format().toLower()))
        return {};
    // The size is known from the header; refuse before anything large is allocated.
    if (!isAcceptableSize(reader.size()))
        return {};
    QImage image;
    if (!reader.read(&image) || !isAcceptableSize(image.size()))
        return {};
    return image;
}

} // namespace

QImage decodeIconImage(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return decode(reader);
}

QImage loadIconImage(const QString& path) {
    QImageReader reader(path);
    return decode(reader);
}

QByteArray encodeTiffImage(const QImage& image) {
    if (image.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "tiff");
    if (!writer.write(image))
        return {};
    return bytes;
}

void setNodeImage(Node& node, const QString& fileName, const QImage& image) {
    node.setImageFileName(fileName);
    node.setImage(image);
    node.setImageWidth(image.width());
    node.setImageHeight(image.height());
}

void setNodeRetinaImage(Node& node, const QString& fileName, const QImage& image) {
    const int halfWidth = image.width() / 2;
    const int halfHeight = image.height() / 2;
    node.setRetinaImageFileName(fileName);
    node.setRetinaImage(image);
    node.setRetinaImageWidth(halfWidth);
    node.setRetinaImageHeight(halfHeight);
    // Drawing the whole image into a transparent half-size picture, source over, is a
    // smooth scale.
    node.setScaledImage(
        halfWidth > 0 && halfHeight > 0
            ? image.scaled(halfWidth, halfHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            : QImage());
}

} // namespace brindle
