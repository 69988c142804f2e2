#pragma once

#include "workspace/FileWriter.h"

#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace brindle {

class GlobalData;

// Work that a run which is no longer running left behind. Holding it holds the file's lock,
// so no other Brindle offers the same work.
struct LeftWork {
    QString projectPath;  // the recovery project file
    QString originalPath; // the document's own file, empty for an untitled one
    QDateTime written;    // when the copy was last written
    int itemCount = -1;   // -1: the copy cannot be read
    QStringList firstTitles;
    std::shared_ptr<QLockFile> lock;
    // Deletes the recovery files and lets go of them.
    void remove() const;
    // Renames the project file so it is no longer offered, e.g. when it cannot be read.
    QString setAside() const;
};

// While the design has unsaved changes, keeps a copy of it — settings, menu and icons, as a
// project file — in Brindle's data folder, written atomically and at most once per interval,
// outside the edit itself. Each run has its own file, locked while the run lives.
class RecoveryFile : public QObject {
    Q_OBJECT

public:
    static constexpr int kIntervalMs = 3000;

    RecoveryFile(const GlobalData& data, const QString& folder, QObject* parent = nullptr);
    ~RecoveryFile() override;

    // The file the document belongs to, offered again with the work.
    void setOriginalPath(const QString& path) { m_originalPath = path; }
    // The design changed: a modified design is written soon, a clean one needs no copy.
    void documentChanged(bool modified);
    // Writes the copy now (also what the timer does). While writes fail, the timer tries
    // again every interval; writeFailed is emitted for the first failure after a success.
    WriteResult writeNow();
    // Writes the copy now and reads it back: true only when the file holds the design.
    bool writeAndVerify();
    // Reads the copy back: true only when the file holds the design as it is now.
    bool copyHoldsDesign() const;
    // Removes this run's copy: after a save, a discard or a clean quit.
    void discard();

    QString projectPath() const;
    void setIntervalMs(int ms) { m_timer.setInterval(ms); }

    // The work of runs that have ended without removing theirs, newest first.
    static QList<LeftWork> findLeftWork(const QString& folder);

signals:
    void writeFailed(const QString& reason);
    // A write succeeded after failures.
    void writeRecovered();

private:
    WriteResult writeCopy();

    const GlobalData& m_data;
    QString m_folder;
    QString m_baseName;
    QString m_originalPath;
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_timer;
    bool m_modified = false;
    bool m_failing = false;
};

} // namespace brindle
