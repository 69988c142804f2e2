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
    std::optional<ExportRequest> request; // absent: help asked for, or a usage error
    bool helpRequested = false;
    QString error; // one line, for a usage error
};

// `arguments` without the program name. Accepted forms:
//   [--output-style classic|modern] --defaults OUTDIR        the default design
//   [--output-style classic|modern] PROJECT OUTDIR           a saved project
//   --help, -h
// The style option may also be written --output-style=STYLE.
ParsedCommandLine parseCommandLine(const QStringList& arguments);

QString usageText();

} // namespace brindle::cli
