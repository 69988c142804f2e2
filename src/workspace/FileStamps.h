#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <sys/types.h>

namespace brindle {

// What each file of a folder is on the disk, to tell which files were replaced since an
// earlier look. Every atomic write renames a new file into place, so a rewritten file has a
// new inode even when its size and time look the same.
class FileStamps {
public:
    FileStamps() = default;
    // The plain files directly in `folder`, except those named in `skipped`.
    static FileStamps of(const QString& folder, const QStringList& skipped);

    // True when a file seen in both looks is no longer the same file.
    bool anyReplacedSince(const FileStamps& earlier) const;

private:
    struct Stamp {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        qint64 modifiedNs = 0;
        bool operator==(const Stamp&) const = default;
    };
    QHash<QString, Stamp> m_stamps;
};

} // namespace brindle
