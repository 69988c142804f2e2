#include "project/DesignGallery.h"

#include "model/GlobalData.h"
#include "platform/Version.h"
#include "project/DesignApplier.h"
#include "project/ProjectReader.h"
#include "project/PropertyList.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <variant>

namespace brindle {

// This file's messages, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DesignGallery)
};

namespace {

const QString kSuffix = QStringLiteral(".brindleprj");
constexpr int kLongestName = 80;

QByteArray readDesignBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestProjectFileSize)
        return {};
    return file.readAll();
}

std::variant<ProjectDesign, QString> designOf(const QByteArray& bytes) {
    const PlistArrayReadResult read = readPlistArray(bytes);
    if (read.status != PlistArrayReadResult::Status::Ok)
        return Texts::tr("the design is not a project file");
    return readProjectDesign(read.elements);
}

QList<GalleryDesign> designsIn(const QString& folder, bool builtIn) {
    QList<GalleryDesign> designs;
    if (folder.isEmpty())
        return designs;
    const QFileInfoList files = QDir(folder).entryInfoList(
        {QLatin1Char('*') + kSuffix}, QDir::Files | QDir::Readable, QDir::Name);
    static const QRegularExpression number(QStringLiteral("^\\d+ "));
    for (const QFileInfo& file : files) {
        QString name = file.completeBaseName();
        if (builtIn)
            name.remove(number);
        else if (!DesignGallery::nameProblem(name).isEmpty())
            continue; // not a name the gallery gives: not one of its designs
        QByteArray bytes = readDesignBytes(file.filePath());
        if (bytes.isEmpty())
            continue;
        designs.append({name, file.filePath(), builtIn, std::move(bytes)});
    }
    if (!builtIn) {
        std::sort(designs.begin(), designs.end(), [](const auto& a, const auto& b) {
            return QString::localeAwareCompare(a.name, b.name) < 0;
        });
    }
    return designs;
}

} // namespace

QString GalleryDesign::thumbnailKey() const {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(bytes);
    hash.addData(QByteArrayView("\n"));
    hash.addData(QByteArrayView(kVersion));
    // How cards are drawn: a change of it draws every card again.
    hash.addData(QByteArrayView("\ncards laid out at 4/3"));
    return QString::fromLatin1(hash.result().toHex().left(32));
}

DesignGallery::DesignGallery(QString builtInFolder, QString userFolder)
    : m_builtInFolder(std::move(builtInFolder)), m_userFolder(std::move(userFolder)) {}

QList<GalleryDesign> DesignGallery::designs() const {
    return designsIn(m_builtInFolder, true) + designsIn(m_userFolder, false);
}

QString DesignGallery::nameProblem(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return Texts::tr("a design needs a name");
    if (trimmed != name)
        return Texts::tr("a name cannot begin or end with a space");
    if (name.size() > kLongestName)
        return Texts::tr("a name may have at most %1 characters").arg(kLongestName);
    if (name.startsWith(QLatin1Char('.')))
        return Texts::tr("a name cannot begin with a full stop");
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || c == QLatin1Char('/') ||
            c == QLatin1Char('\\') || QStringLiteral(":*?\"<>|").contains(c))
            return Texts::tr("a name cannot hold “%1”")
                .arg(c.isPrint() ? QString(c) : QStringLiteral("?"));
    }
    return {};
}

QString DesignGallery::userPath(const QString& name) const {
    return QDir(m_userFolder).filePath(name + kSuffix);
}

bool DesignGallery::userDesignExists(const QString& name) const {
    return QFileInfo::exists(userPath(name));
}

WriteResult DesignGallery::save(const GlobalData& data, const QString& name) const {
    if (const QString problem = nameProblem(name); !problem.isEmpty())
        return {false, problem};
    if (!QDir().mkpath(m_userFolder))
        return {
            false,
            Texts::tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(m_userFolder))};
    return writeFileAtomically(userPath(name), projectData(data));
}

WriteResult DesignGallery::rename(const GalleryDesign& design, const QString& newName) const {
    if (design.builtIn)
        return {false, Texts::tr("built-in designs cannot be renamed")};
    if (const QString problem = nameProblem(newName); !problem.isEmpty())
        return {false, problem};
    if (newName == design.name)
        return {};
    if (userDesignExists(newName))
        return {false, Texts::tr("a design called “%1” exists").arg(newName)};
    if (!QFile::rename(design.path, userPath(newName)))
        return {false, Texts::tr("the design file cannot be renamed")};
    return {};
}

WriteResult DesignGallery::remove(const GalleryDesign& design) const {
    if (design.builtIn)
        return {false, Texts::tr("built-in designs cannot be removed")};
    if (!QFile::remove(design.path))
        return {false, Texts::tr("the design file cannot be removed")};
    return {};
}

OpenResult openGalleryDesign(GlobalData& data, const QByteArray& designBytes, bool keepMenu) {
    auto chosen = designOf(designBytes);
    if (const QString* reason = std::get_if<QString>(&chosen))
        return OpenResult::refused(*reason);
    ProjectDesign design = std::get<ProjectDesign>(std::move(chosen));
    if (keepMenu) {
        // The store's own menu, as a project would keep it, icons included.
        auto current = designOf(projectData(data));
        if (const QString* reason = std::get_if<QString>(&current))
            return OpenResult::refused(*reason);
        const ProjectDesign& own = std::get<ProjectDesign>(current);
        design.items = own.items;
        design.outputOptions = own.outputOptions;
    }
    AppliedDesign applied = applyProjectDesign(data, design, data.tempFolderPath());
    return {true,
            {},
            std::move(applied.warnings),
            std::move(applied.renamed),
            std::move(applied.untitled)};
}

} // namespace brindle
