#include "platform/Bookmark.h"

#include <QDataStream>
#include <QFileInfo>
#include <QIODevice>

namespace brindle {

namespace {
constexpr quint32 kMagic = 0x42524b31; // "BRK1"
}

QByteArray Bookmark::fromPath(const QString& path) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << QFileInfo(path).absoluteFilePath();
    return bytes;
}

std::optional<QString> Bookmark::resolve(const QByteArray& bookmark) {
    QDataStream in(bookmark);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    QString path;
    in >> magic >> path;
    if (in.status() != QDataStream::Ok || magic != kMagic || path.isEmpty())
        return std::nullopt;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return std::nullopt;
    return info.absoluteFilePath();
}

} // namespace brindle
