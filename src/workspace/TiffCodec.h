#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

namespace brindle {

// TIFF pictures with an alpha channel, read and written by libtiff so that every channel of
// every pixel is kept. Most tools store straight (unassociated) alpha; Qt's TIFF plugin makes
// such colours premultiplied, which moves translucent pixels by a level, and writes 8-bit
// alpha premultiplied.

// The picture, for RGB images with one alpha sample, 8 or 16 bits, in strips (any
// compression libtiff reads), straight or premultiplied as the file says; a null image when
// such a file is damaged or larger than `largestSide` or `largestPixelCount`. Nothing when
// the file is of another form: Qt's reader keeps those exactly.
std::optional<QImage> decodeTiffWithAlpha(const QByteArray& bytes, int largestSide,
                                          qint64 largestPixelCount);

// The image as an 8-bit RGBA TIFF with straight alpha, uncompressed, at the image's
// resolution. Empty on failure.
QByteArray encodeTiffWithAlpha(const QImage& image);

} // namespace brindle
