#include "project/ProjectFile.h"

#include "model/GlobalData.h"
#include "platform/Log.h"
#include "project/DesignApplier.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "project/PropertyList.h"

#include <QCoreApplication>
#include <QFile>

namespace brindle {

// This file's messages, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ProjectFile)
};

namespace {

struct FileBytes {
    QByteArray bytes;
    QString error;
};

FileBytes readProjectBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, Texts::tr("the file cannot be read: ") + file.errorString()};
    if (file.size() > kLargestProjectFileSize)
        return {{}, Texts::tr("the file is too large to be a project file")};
    FileBytes result{file.readAll(), {}};
    if (file.error() != QFileDevice::NoError)
        return {{}, Texts::tr("the file cannot be read: ") + file.errorString()};
    return result;
}

OpenResult refused(const QString& reason) {
    return OpenResult::refused(reason);
}

} // namespace

QString checkProjectDataVersion(const QByteArray& bytes) {
    return projectVersionOf(readPlistArray(bytes));
}

QString checkProjectFileVersion(const QString& path) {
    qCInfo(lcBrindle) << "checkProjectFileVersion";
    const FileBytes file = readProjectBytes(path);
    if (!file.error.isEmpty())
        return QLatin1String(kProjectVersion1);
    return checkProjectDataVersion(file.bytes);
}

QByteArray projectData(const GlobalData& data) {
    return writePlistArray(projectElements(data));
}

WriteResult saveProjectToFile(const GlobalData& data, const QString& path) {
    const WriteResult result = writeFileAtomically(path, projectData(data));
    qCInfo(lcBrindle).noquote() << "Path:" << path;
    qCInfo(lcBrindle) << "Result:" << (result.ok ? 1 : 0);
    return result;
}

OpenResult openProjectData(GlobalData& data, const QByteArray& bytes,
                           const QString& previewFolder) {
    const PlistArrayReadResult read = readPlistArray(bytes);
    switch (read.status) {
    case PlistArrayReadResult::Status::NotAPropertyList:
        return refused(Texts::tr("the file is not a property list"));
    case PlistArrayReadResult::Status::NotAnArray:
        return refused(Texts::tr("the file is a property list but not an array"));
    case PlistArrayReadResult::Status::Ok:
        break;
    }
    auto design = readProjectDesign(read.elements);
    if (const QString* reason = std::get_if<QString>(&design))
        return refused(*reason);
    AppliedDesign applied =
        applyProjectDesign(data, std::get<ProjectDesign>(design), previewFolder);
    return {true,
            {},
            std::move(applied.warnings),
            std::move(applied.renamed),
            std::move(applied.untitled)};
}

OpenResult openProjectFile(GlobalData& data, const QString& path) {
    const FileBytes file = readProjectBytes(path);
    if (!file.error.isEmpty())
        return refused(file.error);
    return openProjectData(data, file.bytes, data.tempFolderPath());
}

std::optional<ProjectSummary> summarizeProjectFile(const QString& path, int titleCount) {
    const FileBytes file = readProjectBytes(path);
    if (!file.error.isEmpty())
        return std::nullopt;
    const PlistArrayReadResult read = readPlistArray(file.bytes);
    if (read.status != PlistArrayReadResult::Status::Ok)
        return std::nullopt;
    const auto design = readProjectDesign(read.elements);
    const ProjectDesign* valid = std::get_if<ProjectDesign>(&design);
    if (valid == nullptr)
        return std::nullopt;
    ProjectSummary summary;
    for (const ProjectItem& item : valid->items) {
        summary.itemCount += 1 + int(item.children.size());
        for (const ProjectItem& child : item.children)
            summary.itemCount += int(child.children.size());
        if (summary.firstTitles.size() < titleCount)
            summary.firstTitles.append(item.name);
    }
    return summary;
}

} // namespace brindle
