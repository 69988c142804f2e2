#pragma once

#include "model/OutputOptions.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace brindle::cli {

enum ExitCode { kExitSuccess = 0, kExitFailure = 1, kExitUsage = 2 };

// What to export and where.
struct ExportRequest {
    QString projectPath; // empty: the default design
    QString outputDirectory;
    std::optional<OutputStyle> outputStyle = std::nullopt; // absent: the design's own style
};

struct ParsedCommandLine {
    std::optional<ExportRequest> request; // absent: help or version asked for, or a usage error
    bool helpRequested = false;
    bool versionRequested = false;
    QString error; // one line, for a usage error
};

// `arguments` without the program name. Accepted forms:
//   [--output-style classic|modern] --defaults OUTDIR        the default design
//   [--output-style classic|modern] PROJECT OUTDIR           a saved project
//   --help, -h
//   --version, -v
// The style option may also be written --output-style=STYLE.
ParsedCommandLine parseCommandLine(const QStringList& arguments);

QString usageText();
// "brindle-export VERSION", one line.
QString versionText();

} // namespace brindle::cli
