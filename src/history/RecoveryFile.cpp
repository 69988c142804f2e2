#include "history/RecoveryFile.h"

#include "project/ProjectFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace brindle {

namespace {

constexpr QLatin1StringView kPrefix("recovery-");
constexpr QLatin1StringView kProjectSuffix(".brindleprj");
constexpr QLatin1StringView kLockSuffix(".lock");
constexpr QLatin1StringView kOriginSuffix(".origin");

QString withSuffix(const QString& projectPath, QLatin1StringView suffix) {
    return projectPath.left(projectPath.size() - kProjectSuffix.size()) + suffix;
}

} // namespace

void LeftWork::remove() const {
    QFile::remove(projectPath);
    QFile::remove(withSuffix(projectPath, kOriginSuffix));
    if (lock)
        lock->unlock(); // removes the lock file
}

QString LeftWork::setAside() const {
    const QString aside = withSuffix(projectPath, QLatin1StringView(".damaged"));
    QFile::remove(aside);
    QFile::rename(projectPath, aside);
    QFile::remove(withSuffix(projectPath, kOriginSuffix));
    if (lock)
        lock->unlock();
    return aside;
}

RecoveryFile::RecoveryFile(const GlobalData& data, const QString& folder, QObject* parent)
    : QObject(parent), m_data(data), m_folder(folder) {
    m_baseName = kPrefix + QString::number(QCoreApplication::applicationPid()) + u'-' +
                 QString::number(QDateTime::currentMSecsSinceEpoch());
    m_timer.setSingleShot(true);
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_modified)
            writeNow();
    });
}

RecoveryFile::~RecoveryFile() = default;

QString RecoveryFile::projectPath() const {
    return QDir(m_folder).filePath(m_baseName + kProjectSuffix);
}

void RecoveryFile::documentChanged(bool modified) {
    m_modified = modified;
    if (!modified) {
        discard();
        return;
    }
    // At most one write per interval, however fast the edits come.
    if (!m_timer.isActive())
        m_timer.start();
}

WriteResult RecoveryFile::writeCopy() {
    if (!m_lock) {
        if (!QDir().mkpath(m_folder))
            return {false, tr("The folder “%1” cannot be made.").arg(m_folder)};
        m_lock = std::make_unique<QLockFile>(withSuffix(projectPath(), kLockSuffix));
        m_lock->setStaleLockTime(0);
        if (!m_lock->tryLock(0)) {
            m_lock.reset();
            return {false, tr("The recovery file is in use.")};
        }
    }
    WriteResult result =
        writeTextFileAtomically(withSuffix(projectPath(), kOriginSuffix), m_originalPath);
    if (result.ok)
        result = saveProjectToFile(m_data, projectPath());
    return result;
}

WriteResult RecoveryFile::writeNow() {
    const WriteResult result = writeCopy();
    if (!result.ok) {
        // Tried again after the interval, however long no edit comes.
        if (m_modified)
            m_timer.start();
        if (!m_failing) {
            m_failing = true;
            emit writeFailed(result.error);
        }
    } else if (m_failing) {
        m_failing = false;
        emit writeRecovered();
    }
    return result;
}

bool RecoveryFile::writeAndVerify() {
    return writeNow().ok && copyHoldsDesign();
}

bool RecoveryFile::copyHoldsDesign() const {
    QFile written(projectPath());
    return written.open(QIODevice::ReadOnly) && written.readAll() == projectData(m_data);
}

void RecoveryFile::discard() {
    m_timer.stop();
    QFile::remove(projectPath());
    QFile::remove(withSuffix(projectPath(), kOriginSuffix));
    if (m_lock) {
        m_lock->unlock();
        m_lock.reset();
    }
}

QList<LeftWork> RecoveryFile::findLeftWork(const QString& folder) {
    const QDir dir(folder);
    const QFileInfoList candidates =
        dir.entryInfoList({kPrefix + u'*' + kProjectSuffix}, QDir::Files, QDir::Time);
    QList<LeftWork> found;
    for (const QFileInfo& info : candidates) {
        LeftWork work;
        work.projectPath = info.absoluteFilePath();
        // A lock that its owner still holds belongs to a running Brindle; a lock whose
        // owner has died is stale and taken over.
        work.lock = std::make_shared<QLockFile>(withSuffix(work.projectPath, kLockSuffix));
        work.lock->setStaleLockTime(0);
        if (!work.lock->tryLock(0))
            continue;
        QFile origin(withSuffix(work.projectPath, kOriginSuffix));
        if (origin.open(QIODevice::ReadOnly))
            work.originalPath = QString::fromUtf8(origin.read(64 * 1024));
        work.written = info.lastModified();
        if (const std::optional<ProjectSummary> summary = summarizeProjectFile(work.projectPath)) {
            work.itemCount = summary->itemCount;
            work.firstTitles = summary->firstTitles;
        }
        found.append(work);
    }
    return found;
}

} // namespace brindle
