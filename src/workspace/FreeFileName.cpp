#include "workspace/FreeFileName.h"

#include "model/IconFileName.h"
#include "workspace/PreviewFolder.h"

#include <QDir>
#include <QFileInfo>

namespace brindle {

QString freeFileNameInFolder(const QString& folder, const QString& wanted,
                             const QByteArray& bytes) {
    const QDir dir(folder);
    return firstFreeIconFileName(wanted, [&dir, &bytes](const QString& name) {
        const QString path = dir.filePath(name);
        return !QFileInfo::exists(path) || PreviewFolder::fileHolds(path, bytes);
    });
}

QString freeFileNameAmong(const QHash<QString, QByteArray>& given, const QString& wanted,
                          const QByteArray& bytes) {
    return firstFreeIconFileName(wanted, [&given, &bytes](const QString& name) {
        const auto taken = given.constFind(name);
        return taken == given.cend() || taken.value() == bytes;
    });
}

} // namespace brindle
