#include "TestFiles.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <zlib.h>

namespace testsupport {

QByteArray straightAlphaTiff(const QImage& image, int bitsPerSample, bool bigEndian) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const quint32 width = quint32(argb.width()), height = quint32(argb.height());
    const quint32 dataSize = width * height * 4 * quint32(bitsPerSample / 8);
    constexpr quint32 kDataOffset = 8;
    const quint32 directoryOffset = kDataOffset + dataSize + (dataSize % 2);
    constexpr quint16 kEntries = 11;
    const quint32 bitsOffset = directoryOffset + 2 + kEntries * 12 + 4;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(bigEndian ? QDataStream::BigEndian : QDataStream::LittleEndian);
    out.writeRawData(bigEndian ? "MM" : "II", 2);
    out << quint16(42) << directoryOffset;
    for (quint32 y = 0; y < height; ++y) {
        for (quint32 x = 0; x < width; ++x) {
            const QRgb p = argb.pixel(int(x), int(y));
            for (const int v : {qRed(p), qGreen(p), qBlue(p), qAlpha(p)}) {
                if (bitsPerSample == 8)
                    out << quint8(v);
                else
                    out << quint16(v * 257);
            }
        }
    }
    if (dataSize % 2)
        out << quint8(0);
    // Tag, type (3 SHORT, 4 LONG), count, value; a SHORT value stands in the field's first half.
    const auto shortEntry = [&out](quint16 tag, quint16 value) {
        out << tag << quint16(3) << quint32(1) << value << quint16(0);
    };
    const auto longEntry = [&out](quint16 tag, quint32 value) {
        out << tag << quint16(4) << quint32(1) << value;
    };
    out << kEntries;
    longEntry(256, width);
    longEntry(257, height);
    out << quint16(258) << quint16(3) << quint32(4) << bitsOffset; // BitsPerSample, four
    shortEntry(259, 1);                                            // no compression
    shortEntry(262, 2);                                            // RGB
    longEntry(273, kDataOffset);
    shortEntry(277, 4);
    longEntry(278, height);
    longEntry(279, dataSize);
    shortEntry(284, 1); // contiguous
    shortEntry(338, 2); // the extra sample is straight alpha
    out << quint32(0);
    for (int i = 0; i < 4; ++i)
        out << quint16(bitsPerSample);
    return bytes;
}

QByteArray gzipped(const QByteArray& bytes) {
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&stream, uLong(bytes.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QByteArray encodedImage(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

ToolRun runTool(const QString& program, const QStringList& arguments,
                const QString& temporaryDirectory) {
    QProcess process;
    if (!temporaryDirectory.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), temporaryDirectory);
        process.setProcessEnvironment(environment);
    }
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.standardError = process.readAllStandardError();
    return run;
}

} // namespace testsupport
