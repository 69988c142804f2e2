#include "workspace/SvgIcon.h"

#include <QCoreApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <zlib.h>

namespace brindle {

// This file's messages, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SvgIcon)
};

std::variant<QByteArray, QString> inflateSvgz(const QByteArray& compressed) {
    z_stream stream{};
    // 16 + window bits: a gzip stream, as .svgz files are.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return Texts::tr("it cannot be decompressed");
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    QByteArray result;
    char chunk[16384];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END)
            break;
        result.append(chunk, static_cast<qsizetype>(sizeof chunk - stream.avail_out));
        if (result.size() > kLargestSvgBytes) {
            inflateEnd(&stream);
            return Texts::tr("it is larger than %1 KB once decompressed")
                .arg(kLargestSvgBytes / 1024);
        }
        if (stream.avail_in == 0 && status == Z_OK && stream.avail_out != 0)
            break; // the input ended before the stream did
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return Texts::tr("it is not a complete gzip stream");
    return result;
}

QImage renderSvgIcon(const QByteArray& cleanText, QSize size, int scale) {
    QSvgRenderer renderer(cleanText);
    if (!renderer.isValid() || size.isEmpty() || scale < 1 || size.width() > 8192 / scale ||
        size.height() > 8192 / scale)
        return {};
    QImage picture(size * scale, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    painter.end();
    return picture;
}

bool isSvgFileName(const QString& name) {
    return name.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) ||
           isCompressedSvgFileName(name);
}

bool isCompressedSvgFileName(const QString& name) {
    return name.endsWith(QLatin1String(".svgz"), Qt::CaseInsensitive);
}

} // namespace brindle
