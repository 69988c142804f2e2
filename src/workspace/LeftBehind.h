#pragma once

#include <QString>
#include <QStringList>

namespace brindle {

// What earlier runs left in Brindle's own data folder. Cleaned when a run starts, so that
// a crash never leaves anything for good and the folder stays bounded.

// True only when `pid` names, for certain, a process of this machine that has ended.
bool processHasEnded(qint64 pid);

// The name template of a folder a gallery card is drawn in: it carries this process's id,
// so a later run can tell that the folder's owner has ended.
QString drawingFolderTemplate();

// Removes the card-drawing folders whose process has ended (and unmarked ones from older
// versions, once they are an hour old). Returns how many went.
int removeAbandonedDrawingFolders(const QString& thumbnailFolder);

// Removes the cached cards that no design of the gallery uses any more (an edited or removed
// design, an earlier version's drawing), and scratch files an hour old. Returns how many went.
int pruneThumbnails(const QString& thumbnailFolder, const QStringList& keptKeys);

// Keeps only the `kept` newest recovery copies that were set aside as unreadable.
int pruneSetAsideCopies(const QString& recoveryFolder, int kept);

} // namespace brindle
