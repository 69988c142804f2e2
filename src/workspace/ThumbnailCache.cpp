#include "workspace/ThumbnailCache.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace brindle {

// This file's messages, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ThumbnailCache)
};

namespace {

bool isKey(const QString& key) {
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{1,64}$"));
    return hex.match(key).hasMatch();
}

} // namespace

QString ThumbnailCache::pathOf(const QString& key) const {
    return QDir(m_folder).filePath(key + QStringLiteral(".png"));
}

QImage ThumbnailCache::find(const QString& key) const {
    if (!isKey(key) || m_folder.isEmpty())
        return {};
    return QImage(pathOf(key), "PNG");
}

WriteResult ThumbnailCache::store(const QString& key, const QImage& image) const {
    if (!isKey(key) || image.isNull())
        return {false, Texts::tr("nothing to keep")};
    if (!QDir().mkpath(m_folder))
        return {false,
                Texts::tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(m_folder))};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {false, Texts::tr("the picture cannot be encoded")};
    // A cache is rebuilt when lost: no need to wait for the disk.
    return writeFileAtomically(pathOf(key), png, Durability::Scratch);
}

} // namespace brindle
