#include "workspace/IconImage.h"

#include "model/Node.h"
#include "workspace/TiffCodec.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <cstring>

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

struct BrowserFormat {
    const char* suffix;
    const char* format;
    int quality; // -1: the writer's default
};

constexpr int kJpegQuality = 95;

constexpr BrowserFormat kBrowserFormats[] = {
    {"png", "png", -1},
    {"gif", "png", -1},
    {"jpg", "jpeg", kJpegQuality},
    {"jpeg", "jpeg", kJpegQuality},
    {"tif", "tiff", -1},
    {"tiff", "tiff", -1},
};

// JPEG has no transparency: what is transparent shows as the white of a page, not as the
// black that dropping the alpha channel would give.
QImage flattenedOnWhite(const QImage& image) {
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.setDotsPerMeterX(image.dotsPerMeterX());
    flat.setDotsPerMeterY(image.dotsPerMeterY());
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

bool isOpaque(const QImage& argb) {
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}

// What the writer of the format is given.
QImage preparedFor(const char* format, const QImage& argb) {
    if (qstrcmp(format, "jpeg") == 0)
        return flattenedOnWhite(argb);
    return argb;
}

QByteArray encodeImage(const QImage& image, const char* format, int quality = -1) {
    if (image.isNull())
        return {};
    // Qt's 8-bit TIFF writer stores premultiplied colours, which loses the colour of
    // translucent pixels: those are written 8-bit with straight alpha, as other tools do.
    if (qstrcmp(format, "tiff") == 0) {
        const QImage argb = normalizedIconImage(image);
        if (!isOpaque(argb))
            return encodeTiffWithAlpha(argb);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(preparedFor(format, normalizedIconImage(image))))
        return {};
    return bytes;
}

} // namespace

QByteArray pictureFormat(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.format();
}

QImage decodeIconImage(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return {};
    // Qt's reader premultiplies straight alpha: those files are read by libtiff.
    if (pictureFormat(bytes) == "tiff") {
        if (std::optional<QImage> exact =
                decodeTiffWithAlpha(bytes, kLargestIconSide, kLargestIconPixelCount))
            return *exact;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return decode(reader);
}

QImage loadIconImage(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (reader.format() == "tiff") {
        // An icon file is small; its bytes go through the one decoder.
        QFile file(path);
        constexpr qint64 kLargestIconFileBytes = 64 * 1024 * 1024;
        if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestIconFileBytes)
            return {};
        return decodeIconImage(file.readAll());
    }
    return decode(reader);
}

QImage normalizedIconImage(const QImage& image) {
    constexpr int kDotsPerMeterAt72Dpi = 2835;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    // Pixels only: text a picture brought along (an image tool's name, dates) would be
    // written again, and a file made from a saved project, which keeps none, would differ.
    QImage normalized(argb.size(), QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        std::memcpy(normalized.scanLine(y), argb.constScanLine(y), size_t(argb.width()) * 4);
    normalized.setDotsPerMeterX(kDotsPerMeterAt72Dpi);
    normalized.setDotsPerMeterY(kDotsPerMeterAt72Dpi);
    return normalized;
}

QByteArray encodeTiffImage(const QImage& image) {
    return encodeImage(image, "tiff");
}

QByteArray encodeIconForFileName(const QImage& image, const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (const BrowserFormat& known : kBrowserFormats) {
        if (suffix == QLatin1String(known.suffix))
            return encodeImage(image, known.format, known.quality);
    }
    return encodeImage(image, "png");
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
