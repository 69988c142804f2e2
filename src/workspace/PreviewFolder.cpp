#include "workspace/PreviewFolder.h"

#include "model/IconFileName.h"
#include "platform/Log.h"
#include "workspace/LeftBehind.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSysInfo>

#include <cerrno>
#include <sys/stat.h>

namespace brindle {

// This file's messages, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PreviewFolder)
};

namespace {

// Brindle's own bookkeeping inside the folder. Both start with a dot, so they stay out of
// the way, and no icon may take their names.
constexpr auto kOwnerFileName = ".brindle-owner";
constexpr auto kWrittenListName = ".brindle-written";

bool isBookkeepingName(const QString& name) {
    return name == QLatin1String(kOwnerFileName) || name == QLatin1String(kWrittenListName);
}

QStringList writtenNames(const QDir& folder) {
    QFile list(folder.filePath(QLatin1String(kWrittenListName)));
    if (!list.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QByteArray& line : list.readAll().split('\n')) {
        const QString name = QString::fromUtf8(line);
        // Only plain names inside the folder, whatever the list says.
        if (isSafeIconFileName(name) && !isBookkeepingName(name) && !names.contains(name))
            names.append(name);
    }
    return names;
}

bool noteWrittenName(const QDir& folder, const QString& name) {
    if (writtenNames(folder).contains(name))
        return true;
    QFile list(folder.filePath(QLatin1String(kWrittenListName)));
    const QByteArray line = name.toUtf8() + '\n';
    return list.open(QIODevice::Append | QIODevice::Unbuffered) && list.write(line) == line.size();
}

// The generated files and the noted ones, then the list itself. Anything else stays.
void removeWrittenFiles(const QDir& folder) {
    QStringList names = {QStringLiteral("index.html"), QStringLiteral("styles.css"),
                         QLatin1String(kArrowFileName),
                         QLatin1String(PreviewFolder::kScriptFileName)};
    names += writtenNames(folder);
    // A write cut short leaves its scratch file; only this folder's owner writes here.
    names += folder.entryList({QLatin1String(kScratchFilePrefix) + u'*'},
                              QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QFileInfo file(folder.filePath(name));
        if (file.isFile() || file.isSymLink())
            QFile::remove(file.filePath());
    }
    QFile::remove(folder.filePath(QLatin1String(kWrittenListName)));
}

// True only when the owner mark names, for certain, a process of this machine that has
// ended. An unreadable or half-written mark counts as a living owner.
bool ownerHasEnded(const QString& ownerPath) {
    const QLockFile mark(ownerPath);
    qint64 pid = 0;
    QString hostName;
    QString appName;
    if (!mark.getLockInfo(&pid, &hostName, &appName) || pid <= 0)
        return false;
    return hostName == QSysInfo::machineHostName() && processHasEnded(pid);
}

} // namespace

std::optional<PreviewFolder> PreviewFolder::create(const QString& baseDir) {
    const QDir base(baseDir);
    QString path;
    // Creating the folder is the test of whether its name is free: two runs starting together
    // can never both take one name.
    for (int n = 0;; ++n) {
        path = base.filePath(QStringLiteral("WebFolder%1").arg(n));
        if (::mkdir(QFile::encodeName(path).constData(), S_IRWXU) == 0)
            break;
        if (errno != EEXIST)
            return std::nullopt;
    }
    qCInfo(lcBrindle) << "folderPath:" << path;
    const QString created = QFileInfo(path).canonicalFilePath();
    qCInfo(lcBrindle) << "folderPath:" << created;
    PreviewFolder folder(created);
    auto owner = std::make_shared<QLockFile>(QDir(created).filePath(QLatin1String(kOwnerFileName)));
    // Held for the whole run: only the owner's end makes it stale, never its age.
    owner->setStaleLockTime(0);
    if (owner->tryLock(0))
        folder.m_owner = std::move(owner);
    return folder;
}

PreviewFolder::PreviewFolder(const QString& folderPath) : m_folderPath(folderPath) {}

QString PreviewFolder::htmlPath() const {
    return QDir(m_folderPath).filePath(QStringLiteral("index.html"));
}

QString PreviewFolder::cssPath() const {
    return QDir(m_folderPath).filePath(QStringLiteral("styles.css"));
}

QString PreviewFolder::arrowPath() const {
    return QDir(m_folderPath).filePath(QLatin1String(kArrowFileName));
}

WriteResult PreviewFolder::writeHTML(const QString& text) const {
    return writeTextFileAtomically(htmlPath(), text, Durability::Scratch);
}

WriteResult PreviewFolder::writeCSS(const QString& text) const {
    return writeTextFileAtomically(cssPath(), text, Durability::Scratch);
}

WriteResult PreviewFolder::writeScript(const QString& text) const {
    const QString path = QDir(m_folderPath).filePath(QLatin1String(kScriptFileName));
    if (text.isEmpty())
        return QFile::exists(path) && !QFile::remove(path)
                   ? WriteResult{false, Texts::tr("the old script cannot be removed")}
                   : WriteResult{};
    return writeTextFileAtomically(path, text, Durability::Scratch);
}

WriteResult PreviewFolder::writeArrow() const {
    return writeFileAtomically(arrowPath(), arrowImagePng(), Durability::Scratch);
}

WriteResult PreviewFolder::writeFile(const QString& folderPath, const QString& fileName,
                                     const QByteArray& bytes) {
    if (!isSafeIconFileName(fileName) || isBookkeepingName(fileName))
        return {false, QCoreApplication::translate("PreviewFolder",
                                                   "the name is reserved for Brindle's own use")};
    const QDir folder(folderPath);
    // Noted before it exists: a run that ends in between leaves a name without a file, never
    // a file nobody knows Brindle wrote.
    if (!noteWrittenName(folder, fileName))
        return {false, QCoreApplication::translate("PreviewFolder",
                                                   "the preview folder's file list cannot be "
                                                   "written")};
    return writeFileAtomically(folder.filePath(fileName), bytes, Durability::Scratch);
}

bool PreviewFolder::fileHolds(const QString& path, const QByteArray& bytes) {
    QFile existing(path);
    return existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() &&
           existing.readAll() == bytes;
}

WriteResult PreviewFolder::writeFileUnlessSame(const QString& folderPath, const QString& fileName,
                                               const QByteArray& bytes) {
    if (fileHolds(QDir(folderPath).filePath(fileName), bytes))
        return {};
    return writeFile(folderPath, fileName, bytes);
}

void PreviewFolder::remove() {
    const QDir folder(m_folderPath);
    removeWrittenFiles(folder);
    if (m_owner)
        m_owner->unlock();
    m_owner.reset();
    // Fails, harmlessly, when something else is still inside.
    QDir().rmdir(m_folderPath);
}

int PreviewFolder::removeAbandoned(const QString& baseDir) {
    static const QRegularExpression ours(QStringLiteral("^WebFolder[0-9]+$"));
    const QDir base(baseDir);
    int removed = 0;
    const QFileInfoList entries = base.entryInfoList(
        {QStringLiteral("WebFolder*")}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        if (!ours.match(entry.fileName()).hasMatch())
            continue;
        const QDir folder(entry.absoluteFilePath());
        const QString ownerPath = folder.filePath(QLatin1String(kOwnerFileName));
        if (!ownerHasEnded(ownerPath))
            continue;
        removeWrittenFiles(folder);
        QFile::remove(ownerPath);
        if (base.rmdir(entry.fileName()))
            ++removed;
    }
    return removed;
}

} // namespace brindle
