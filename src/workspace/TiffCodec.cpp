#include "workspace/TiffCodec.h"

#include <QBuffer>

#include <cmath>
#include <memory>
#include <tiffio.h>

namespace brindle {

namespace {

// libtiff reads and writes through these, on a QBuffer.
QIODevice* deviceOf(thandle_t handle) {
    return static_cast<QIODevice*>(handle);
}

tmsize_t readBytes(thandle_t handle, void* buffer, tmsize_t size) {
    return deviceOf(handle)->read(static_cast<char*>(buffer), size);
}

tmsize_t writeBytes(thandle_t handle, void* buffer, tmsize_t size) {
    return deviceOf(handle)->write(static_cast<const char*>(buffer), size);
}

toff_t seekTo(thandle_t handle, toff_t offset, int whence) {
    QIODevice* device = deviceOf(handle);
    qint64 base = 0;
    if (whence == SEEK_CUR)
        base = device->pos();
    else if (whence == SEEK_END)
        base = device->size();
    if (!device->seek(base + qint64(offset)))
        return toff_t(-1);
    return toff_t(device->pos());
}

int closeNothing(thandle_t) {
    return 0;
}

toff_t sizeOf(thandle_t handle) {
    return toff_t(deviceOf(handle)->size());
}

int mapNothing(thandle_t, void**, toff_t*) {
    return 0;
}

void unmapNothing(thandle_t, void*, toff_t) {}

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

TiffHandle open(QBuffer& buffer, const char* mode) {
    return TiffHandle(TIFFClientOpen("icon", mode, &buffer, readBytes, writeBytes, seekTo,
                                     closeNothing, sizeOf, mapNothing, unmapNothing));
}

// libtiff's warnings about tags it does not know are no concern of the user's.
void quietly(const char*, const char*, va_list) {}

} // namespace

std::optional<QImage> decodeTiffWithAlpha(const QByteArray& bytes, int largestSide,
                                          qint64 largestPixelCount) {
    TIFFSetWarningHandler(quietly);
    TIFFSetErrorHandler(quietly);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const TiffHandle tiff = open(buffer, "rm");
    if (!tiff)
        return std::nullopt;
    uint32_t width = 0, height = 0;
    uint16_t bits = 0, samples = 0, photometric = 0, planar = 0, sampleFormat = 0, orientation = 0,
             extraCount = 0;
    uint16_t* extraKinds = nullptr;
    if (!TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width) ||
        !TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height) ||
        !TIFFGetField(tiff.get(), TIFFTAG_PHOTOMETRIC, &photometric) ||
        !TIFFGetField(tiff.get(), TIFFTAG_EXTRASAMPLES, &extraCount, &extraKinds))
        return std::nullopt;
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_SAMPLEFORMAT, &sampleFormat);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_ORIENTATION, &orientation);
    const bool ourForm = photometric == PHOTOMETRIC_RGB && samples == 4 && extraCount == 1 &&
                         (bits == 8 || bits == 16) && planar == PLANARCONFIG_CONTIG &&
                         sampleFormat == SAMPLEFORMAT_UINT && orientation == ORIENTATION_TOPLEFT &&
                         !TIFFIsTiled(tiff.get());
    if (!ourForm)
        return std::nullopt;
    if (width == 0 || height == 0 || width > uint32_t(largestSide) ||
        height > uint32_t(largestSide) || qint64(width) * height > largestPixelCount)
        return QImage();
    // Unspecified extra samples are taken as straight alpha, as browsers and most tools do.
    const bool premultiplied = extraKinds[0] == EXTRASAMPLE_ASSOCALPHA;
    const QImage::Format format =
        bits == 8
            ? (premultiplied ? QImage::Format_RGBA8888_Premultiplied : QImage::Format_RGBA8888)
            : (premultiplied ? QImage::Format_RGBA64_Premultiplied : QImage::Format_RGBA64);
    QImage image(int(width), int(height), format);
    if (image.isNull() || TIFFScanlineSize(tiff.get()) > image.bytesPerLine())
        return QImage();
    // 16-bit samples come in this machine's byte order, as QImage keeps them.
    for (uint32_t y = 0; y < height; ++y) {
        if (TIFFReadScanline(tiff.get(), image.scanLine(int(y)), y) < 0)
            return QImage();
    }
    float xResolution = 0, yResolution = 0;
    uint16_t unit = RESUNIT_INCH;
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_RESOLUTIONUNIT, &unit);
    if (TIFFGetField(tiff.get(), TIFFTAG_XRESOLUTION, &xResolution) &&
        TIFFGetField(tiff.get(), TIFFTAG_YRESOLUTION, &yResolution) && unit != RESUNIT_NONE) {
        const double perMeter = unit == RESUNIT_CENTIMETER ? 100.0 : 100.0 / 2.54;
        image.setDotsPerMeterX(int(std::lround(xResolution * perMeter)));
        image.setDotsPerMeterY(int(std::lround(yResolution * perMeter)));
    }
    return image;
}

QByteArray encodeTiffWithAlpha(const QImage& image) {
    if (image.isNull())
        return {};
    TIFFSetWarningHandler(quietly);
    TIFFSetErrorHandler(quietly);
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadWrite);
        const TiffHandle tiff = open(buffer, "w");
        if (!tiff)
            return {};
        const uint16_t straightAlpha = EXTRASAMPLE_UNASSALPHA;
        const float dpi = float(rgba.dotsPerMeterX() * 2.54 / 100.0);
        const float dpiY = float(rgba.dotsPerMeterY() * 2.54 / 100.0);
        bool ok =
            TIFFSetField(tiff.get(), TIFFTAG_IMAGEWIDTH, uint32_t(rgba.width())) &&
            TIFFSetField(tiff.get(), TIFFTAG_IMAGELENGTH, uint32_t(rgba.height())) &&
            TIFFSetField(tiff.get(), TIFFTAG_BITSPERSAMPLE, uint16_t(8)) &&
            TIFFSetField(tiff.get(), TIFFTAG_SAMPLESPERPIXEL, uint16_t(4)) &&
            TIFFSetField(tiff.get(), TIFFTAG_EXTRASAMPLES, uint16_t(1), &straightAlpha) &&
            TIFFSetField(tiff.get(), TIFFTAG_PHOTOMETRIC, uint16_t(PHOTOMETRIC_RGB)) &&
            TIFFSetField(tiff.get(), TIFFTAG_PLANARCONFIG, uint16_t(PLANARCONFIG_CONTIG)) &&
            TIFFSetField(tiff.get(), TIFFTAG_COMPRESSION, uint16_t(COMPRESSION_NONE)) &&
            TIFFSetField(tiff.get(), TIFFTAG_ORIENTATION, uint16_t(ORIENTATION_TOPLEFT)) &&
            TIFFSetField(tiff.get(), TIFFTAG_RESOLUTIONUNIT, uint16_t(RESUNIT_INCH)) &&
            TIFFSetField(tiff.get(), TIFFTAG_XRESOLUTION, dpi) &&
            TIFFSetField(tiff.get(), TIFFTAG_YRESOLUTION, dpiY) &&
            TIFFSetField(tiff.get(), TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff.get(), 0));
        for (int y = 0; ok && y < rgba.height(); ++y) {
            ok = TIFFWriteScanline(tiff.get(), const_cast<uchar*>(rgba.constScanLine(y)),
                                   uint32_t(y)) == 1;
        }
        if (!ok || !TIFFFlush(tiff.get()))
            return {};
    }
    return bytes;
}

} // namespace brindle
