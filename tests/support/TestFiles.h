#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace testsupport {

// The file's bytes; empty when it cannot be read.
QByteArray readBytes(const QString& path);
// The file as UTF-8 text; a null string when it cannot be read.
QString readText(const QString& path);

// The image encoded in the format ("PNG", "JPEG", …), as a file of that kind holds it.
QByteArray encodedImage(const QImage& image, const char* format);

// The bytes compressed as a gzip stream, as .svgz files hold them.
QByteArray gzipped(const QByteArray& bytes);

// A TIFF file as tools other than Qt write it (written here by hand, not by Qt or libtiff):
// RGBA with straight alpha (ExtraSamples 2), uncompressed, one strip, in either byte order.
// With 16 bits a sample each 8-bit sample v is stored as v * 257.
QByteArray straightAlphaTiff(const QImage& image, int bitsPerSample, bool bigEndian);

struct ToolRun {
    int exitCode = -1; // -1: did not finish normally within a minute
    QByteArray standardError;
};
// Runs a program to its end; with a folder given, it is the program's TMPDIR, so that what
// the program leaves in its temporary directory shows.
ToolRun runTool(const QString& program, const QStringList& arguments,
                const QString& temporaryDirectory = QString());

} // namespace testsupport
