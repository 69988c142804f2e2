// brindle-export: the generated files of a design, written without starting the application.

#include "cli/CommandLine.h"
#include "cli/DesignExport.h"
#include "model/GlobalData.h"
#include "project/ProjectFile.h"
#include "workspace/PreviewFolder.h"

#include <QCoreApplication>
#include <QDir>
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
        if (!opened) {
            printError(QStringLiteral("cannot open %1: %2")
                           .arg(QDir::toNativeSeparators(request.projectPath), opened.error));
            return kExitFailure;
        }
        for (const QString& warning : opened.warnings)
            printWarning(warning);
    }
    OutputOptions options = data.outputOptions();
    if (request.outputStyle)
        options.style = *request.outputStyle;
    if (request.className)
        options.className = *request.className;
    data.setOutputOptions(options);
    const auto write = request.snippet ? exportSnippet : exportDesign;
    if (const WriteResult written = write(data, request.outputDirectory, data.tempFolderPath());
        !written) {
        printError(written.error);
        return kExitFailure;
    }
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
