#include "workspace/FileWriter.h"

#include "resources/Resources.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindle {

namespace {

// Puts the file `from` in the place of `to`, at once for any reader. ext4 allocates the blocks
// of a file that a rename puts in the place of another (so that the new one survives a crash),
// which costs ten times the rename; scratch files are rebuilt at every start and need no such
// care, so a regular file's place is taken by swapping the two names and removing the old one.
// A first write, anything but a regular file in the way, or a file system that cannot swap
// takes a plain rename, which fails as it always did.
bool replaceScratch(const QByteArray& from, const QByteArray& to) {
#ifdef RENAME_EXCHANGE
    struct stat target;
    if (::lstat(to.constData(), &target) == 0 && S_ISREG(target.st_mode) &&
        ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0) {
        ::unlink(from.constData()); // the old file; one left behind is removed later
        return true;
    }
#endif
    return ::rename(from.constData(), to.constData()) == 0;
}

// A temporary file beside the target, written and checked, then renamed over it; no sync.
WriteResult writeScratchFile(const QString& path, const QByteArray& bytes) {
    // A short name of its own: the target's name may already be as long as names can be.
    QTemporaryFile file(QFileInfo(path).dir().filePath(QLatin1String(kScratchFilePrefix) +
                                                       QStringLiteral("XXXXXX")));
    if (!file.open())
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size() || !file.flush())
        return {false, file.errorString()};
    file.close();
    if (!replaceScratch(QFile::encodeName(file.fileName()), QFile::encodeName(path)))
        return {false, QString::fromLocal8Bit(std::strerror(errno))};
    file.setAutoRemove(false); // it is the target now
    return {};
}

} // namespace

WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes,
                                Durability durability) {
    if (durability == Durability::Scratch)
        return writeScratchFile(path, bytes);
    QSaveFile file(path);
    // Unbuffered, so a failed write (a full disk) shows in write()'s result: commit() can
    // report success after a buffered flush failed, and would then rename a short file over
    // the previous one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {};
}

WriteResult writeTextFileAtomically(const QString& path, const QString& text,
                                    Durability durability) {
    return writeFileAtomically(path, text.toUtf8(), durability);
}

QByteArray arrowImagePng() {
    initResources();
    QImage arrow(QStringLiteral(":/images/Bottom.png"));
    if (arrow.size() != QSize(16, 16))
        arrow = arrow.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Logical size 16 × 16 points: 72 dots per inch. Set explicitly, because the default
    // resolution depends on the process and the bytes must not.
    constexpr int kDotsPerMeterAt72Dpi = 2835;
    arrow.setDotsPerMeterX(kDotsPerMeterAt72Dpi);
    arrow.setDotsPerMeterY(kDotsPerMeterAt72Dpi);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    arrow.save(&buffer, "PNG");
    return bytes;
}

} // namespace brindle
