#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace brindle::cli {

enum ExitCode { kExitSuccess = 0, kExitFailure = 1, kExitUsage = 2 };

// What to export and where.
struct ExportRequest {
    QString projectPath; // empty: the default design
    QString outputDirectory;
};

struct ParsedCommandLine {
    std::optional<ExportRequest> request; // absent: help or version asked for, or a usage error
    bool helpRequested = false;
    bool versionRequested = false;
    QString error; // one line, for a usage error
};

// `arguments` without the program name. Accepted forms:
//   --defaults OUTDIR        the default design
//   PROJECT OUTDIR           a saved project
//   --help, -h
//   --version, -v
ParsedCommandLine parseCommandLine(const QStringList& arguments);

QString usageText();
// "brindle-export VERSION", one line.
QString versionText();

} // namespace brindle::cli
