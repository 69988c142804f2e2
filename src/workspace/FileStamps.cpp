#include "workspace/FileStamps.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace brindle {

FileStamps FileStamps::of(const QString& folder, const QStringList& skipped) {
    FileStamps stamps;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (dir == nullptr)
        return stamps;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        // ".", "..", Brindle's bookkeeping and half-written files; an icon may start with a dot.
        if (name == QLatin1String(".") || name == QLatin1String("..") ||
            name.startsWith(QLatin1String(".brindle-")))
            continue;
        if (skipped.contains(name))
            continue;
        struct stat info {};
        if (::fstatat(dirFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode))
            continue;
        stamps.m_stamps.insert(name,
                               {info.st_dev, info.st_ino, info.st_size,
                                qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec});
    }
    ::closedir(dir);
    return stamps;
}

bool FileStamps::anyReplacedSince(const FileStamps& earlier) const {
    for (auto it = m_stamps.cbegin(); it != m_stamps.cend(); ++it) {
        const auto before = earlier.m_stamps.constFind(it.key());
        if (before != earlier.m_stamps.cend() && !(before.value() == it.value()))
            return true;
    }
    return false;
}

} // namespace brindle
