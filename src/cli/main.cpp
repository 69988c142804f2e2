// brindle-export: the generated files of a design, written without starting the application.

#include "cli/CommandLine.h"
#include "model/GlobalData.h"
#include "model/Node.h"
#include "project/MenuImport.h"
#include "project/ProjectFile.h"
#include "workspace/Export.h"
#include "workspace/PreviewFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTextStream>

#include <clocale>

using namespace brindle;
using namespace brindle::cli;

namespace {

void printError(const QString& message) {
    QTextStream(stderr) << "brindle-export: " << message << '\n';
}

void printWarning(const QString& message) {
    QTextStream(stderr) << "brindle-export: warning: " << message << '\n';
}

int runExport(const ExportRequest& request) {
    // A freshly started application: the default design, separator lines on. An opened
    // project's icons go into a private preview folder that is removed afterwards, as the
    // application removes its own; one that a killed run left is removed by a later run.
    GlobalData data;
    std::optional<PreviewFolder> previewFolder;
    const auto removeFolder = qScopeGuard([&previewFolder] {
        if (previewFolder)
            previewFolder->remove();
    });
    if (!request.projectPath.isEmpty()) {
        PreviewFolder::removeAbandoned(QDir::tempPath());
        previewFolder = PreviewFolder::create(QDir::tempPath());
        if (!previewFolder) {
            printError(QStringLiteral("cannot create a preview folder in %1")
                           .arg(QDir::toNativeSeparators(QDir::tempPath())));
            return kExitFailure;
        }
        data.setTempFolderPath(previewFolder->folderPath());
        const OpenResult opened = openProjectFile(data, request.projectPath);
        data.setDocumentName(QFileInfo(request.projectPath).completeBaseName());
        if (!opened) {
            printError(QStringLiteral("cannot open %1: %2")
                           .arg(QDir::toNativeSeparators(request.projectPath), opened.error));
            return kExitFailure;
        }
        for (const QString& warning : opened.warnings)
            printWarning(warning);
    }
    if (!request.menuPath.isEmpty()) {
        const MenuImport imported = importMenuFile(request.menuPath);
        if (!imported) {
            printError(QStringLiteral("cannot take a menu from %1: %2")
                           .arg(QDir::toNativeSeparators(request.menuPath), imported.error));
            return kExitFailure;
        }
        for (const QString& line : imported.notTaken)
            printWarning(line);
        data.replaceMenu(menuTreeOf(imported.items));
    }
    OutputOptions options = data.outputOptions();
    if (request.outputStyle)
        options.style = *request.outputStyle;
    if (request.className)
        options.className = *request.className;
    if (request.direction)
        options.direction = *request.direction;
    data.setOutputOptions(options);
    const QString shownOutput = QDir::toNativeSeparators(request.outputDirectory);
    if (const QFileInfo folder(request.outputDirectory); folder.exists() && !folder.isDir()) {
        printError(QStringLiteral("%1 exists and is not a folder").arg(shownOutput));
        return kExitFailure;
    }
    if (!QDir().mkpath(request.outputDirectory)) {
        printError(QStringLiteral("cannot create folder %1").arg(shownOutput));
        return kExitFailure;
    }
    const ExportResult written = exportDesign(
        data, data.tempFolderPath(), request.outputDirectory,
        request.snippet ? ExportForm::Snippet : ExportForm::Page,
        request.snippet && !request.force ? ExistingFiles::Keep : ExistingFiles::Replace);
    if (!written.clashes.isEmpty()) {
        printError(QStringLiteral("%1 holds files of the same name, left as they are: %2 "
                                  "(--force replaces them)")
                       .arg(shownOutput, written.clashes.join(QStringLiteral(", "))));
        return kExitFailure;
    }
    if (!written) {
        // The export names every file it could not write; the first says enough here.
        printError(QStringLiteral("cannot export into %1: %2")
                       .arg(shownOutput, written.error.section(QLatin1Char('\n'), 0, 0)));
        return kExitFailure;
    }
    if (!written.note.isEmpty())
        printWarning(written.note);
    return kExitSuccess;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Qt has just set the locale from the environment; the files written must not depend on
    // it, also where a library prints or reads numbers with the C functions.
    std::setlocale(LC_NUMERIC, "C");

    const ParsedCommandLine parsed = parseCommandLine(app.arguments().mid(1));
    if (parsed.helpRequested) {
        QTextStream(stdout) << usageText();
        return kExitSuccess;
    }
    if (parsed.versionRequested) {
        QTextStream(stdout) << versionText();
        return kExitSuccess;
    }
    if (!parsed.request) {
        printError(parsed.error + QStringLiteral(" (see brindle-export --help)"));
        return kExitUsage;
    }
    return runExport(*parsed.request);
}
