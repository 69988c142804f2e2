#include "workspace/LeftBehind.h"

#include "workspace/FileWriter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QRegularExpression>

#include <cerrno>
#include <signal.h>

namespace brindle {

namespace {

constexpr auto kDrawingPrefix = "drawing-";
// Old enough that no running process still writes it.
constexpr qint64 kAbandonedAfterSeconds = 3600;

bool isOld(const QFileInfo& entry) {
    return entry.lastModified().secsTo(QDateTime::currentDateTime()) > kAbandonedAfterSeconds;
}

} // namespace

bool processHasEnded(qint64 pid) {
    if (pid <= 0 || pid == QCoreApplication::applicationPid())
        return false;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

QString drawingFolderTemplate() {
    return QLatin1String(kDrawingPrefix) + QString::number(QCoreApplication::applicationPid()) +
           QStringLiteral("-XXXXXX");
}

int removeAbandonedDrawingFolders(const QString& thumbnailFolder) {
    static const QRegularExpression marked(QStringLiteral("^drawing-([0-9]+)-[A-Za-z0-9]{6}$"));
    static const QRegularExpression unmarked(QStringLiteral("^drawing-[A-Za-z0-9]{6}$"));
    int removed = 0;
    const QFileInfoList entries =
        QDir(thumbnailFolder)
            .entryInfoList({QLatin1String(kDrawingPrefix) + u'*'},
                           QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        const QRegularExpressionMatch match = marked.match(entry.fileName());
        const bool abandoned = match.hasMatch()
                                   ? processHasEnded(match.captured(1).toLongLong())
                                   : unmarked.match(entry.fileName()).hasMatch() && isOld(entry);
        if (abandoned && QDir(entry.absoluteFilePath()).removeRecursively())
            ++removed;
    }
    return removed;
}

int pruneThumbnails(const QString& thumbnailFolder, const QStringList& keptKeys) {
    static const QRegularExpression card(QStringLiteral("^([0-9a-f]{1,64})\\.png$"));
    int removed = 0;
    const QFileInfoList entries =
        QDir(thumbnailFolder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        const QRegularExpressionMatch match = card.match(name);
        const bool unused = match.hasMatch() && !keptKeys.contains(match.captured(1));
        const bool leftScratch = name.startsWith(QLatin1String(kScratchFilePrefix)) && isOld(entry);
        if ((unused || leftScratch) && QFile::remove(entry.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

int pruneSetAsideCopies(const QString& recoveryFolder, int kept) {
    QFileInfoList copies = QDir(recoveryFolder)
                               .entryInfoList({QStringLiteral("recovery-*.damaged")},
                                              QDir::Files | QDir::NoSymLinks, QDir::Time);
    int removed = 0;
    // Newest first: what is past the kept ones goes.
    for (qsizetype i = kept; i < copies.size(); ++i) {
        if (QFile::remove(copies.at(i).absoluteFilePath()))
            ++removed;
    }
    return removed;
}

} // namespace brindle
