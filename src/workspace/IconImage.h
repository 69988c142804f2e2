#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace brindle {

class Node;

// Icon images come from files the user picked and from project files, so they are decoded
// only in the formats an icon may have and only up to a size that is safe to allocate.
inline constexpr int kLargestIconSide = 8192;
inline constexpr qint64 kLargestIconPixelCount = 16 * 1024 * 1024;

// The picture format of the bytes as decided by their content alone ("png", "jpeg", …);
// empty when they are no picture Qt can read.
QByteArray pictureFormat(const QByteArray& bytes);

// The decoded image, or a null image when the bytes are not a PNG, JPEG, GIF or TIFF image
// of an acceptable size.
QImage decodeIconImage(const QByteArray& bytes);
QImage loadIconImage(const QString& path);

// The image as 32-bit ARGB at 72 dots per inch. Every encoder gets this form: palette and
// 1-bit images keep their colours and transparency, and the bytes do not depend on the
// process (the default resolution follows the screen). Icons are shown at their pixel size.
QImage normalizedIconImage(const QImage& image);

// The image encoded as TIFF, as project files keep icons; empty on failure.
QByteArray encodeTiffImage(const QImage& image);

// The image encoded for a browser in the format its file name names: PNG for ".png", JPEG
// (quality 95, transparency on white) for ".jpg" and ".jpeg", TIFF for ".tif" and ".tiff";
// PNG for ".gif" (there is no GIF writer; browsers go by the content) and for any other
// name. PNG and TIFF keep every pixel. Empty on failure.
QByteArray encodeIconForFileName(const QImage& image, const QString& fileName);

// Give a node its normal icon: file name, image and pixel size.
void setNodeImage(Node& node, const QString& fileName, const QImage& image);
// Give a node its double-resolution icon: file name, image, half the pixel size (truncated)
// and the image redrawn at that half size for the outline.
void setNodeRetinaImage(Node& node, const QString& fileName, const QImage& image);

} // namespace brindle
