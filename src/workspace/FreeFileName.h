#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace brindle {

// Where a file goes when its name may be taken: the wanted name, else the first free
// numbered one ("icon-2.png"). A name is free for some bytes when nothing is kept under it
// yet, or exactly these bytes are, so the same picture chosen twice shares one file.

// Free among the files of a folder.
QString freeFileNameInFolder(const QString& folder, const QString& wanted, const QByteArray& bytes);
// Free among the names given out so far (name → bytes).
QString freeFileNameAmong(const QHash<QString, QByteArray>& given, const QString& wanted,
                          const QByteArray& bytes);

} // namespace brindle
