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

// The decoded image, or a null image when the bytes are not a PNG, JPEG, GIF or TIFF image
// of an acceptable size.
QImage decodeIconImage(const QByteArray& bytes);
QImage loadIconImage(const QString& path);

// The image encoded as TIFF, as project files keep icons; empty on failure.
QByteArray encodeTiffImage(const QImage& image);

// Give a node its normal icon: file name, image and pixel size.
void setNodeImage(Node& node, const QString& fileName, const QImage& image);
// Give a node its double-resolution icon: file name, image, half the pixel size (truncated)
// and the image redrawn at that half size for the outline.
void setNodeRetinaImage(Node& node, const QString& fileName, const QImage& image);

} // namespace brindle
