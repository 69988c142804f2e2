// brindle-export: the generated files of a design, written without starting the application.

#include "cli/CommandLine.h"
#include "cli/DesignExport.h"
#include "model/GlobalData.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>

using namespace brindle;
using namespace brindle::cli;

namespace {

void printError(const QString& message) {
    QTextStream(stderr) << "brindle-export: " << message << '\n';
}

// Opens or makes the design the request names into `data`; false with a message on failure.
bool loadDesign(const ExportRequest& request, GlobalData& data, QString* error) {
    Q_UNUSED(data);
    if (request.projectPath.isEmpty())
        return true; // a fresh store holds the default design
    *error = QStringLiteral("cannot open %1: project files are not supported by this build")
                 .arg(request.projectPath);
    return false;
}

int runExport(const ExportRequest& request) {
    GlobalData data;
    QString error;
    if (!loadDesign(request, data, &error)) {
        printError(error);
        return kExitFailure;
    }
    if (const WriteResult written = exportDesign(data, request.outputDirectory); !written) {
        printError(written.error);
        return kExitFailure;
    }
    return kExitSuccess;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The generators' diagnostic lines are for the application's console, not for this tool.
    QLoggingCategory::setFilterRules(QStringLiteral("brindle.info=false"));

    const ParsedCommandLine parsed = parseCommandLine(app.arguments().mid(1));
    if (parsed.helpRequested) {
        QTextStream(stdout) << usageText();
        return kExitSuccess;
    }
    if (!parsed.request) {
        printError(parsed.error + QStringLiteral(" (see brindle-export --help)"));
        return kExitUsage;
    }
    return runExport(*parsed.request);
}
