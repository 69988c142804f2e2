#pragma once

#include "workspace/FileWriter.h"

#include <QImage>
#include <QString>

namespace brindle {

// Pictures kept between runs under a key (hexadecimal digits), as PNG files in one folder of
// Brindle's data folder. Anything unreadable counts as not cached.
class ThumbnailCache {
public:
    explicit ThumbnailCache(QString folder) : m_folder(std::move(folder)) {}

    QImage find(const QString& key) const;
    WriteResult store(const QString& key, const QImage& image) const;
    const QString& folder() const { return m_folder; }

private:
    QString pathOf(const QString& key) const;

    QString m_folder;
};

} // namespace brindle
