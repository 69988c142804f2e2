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
    QString menuPath;    // a page, sitemap or outline whose menu replaces the design's
    QString outputDirectory;
    std::optional<OutputStyle> outputStyle = std::nullopt; // absent: the design's own style
    std::optional<QString> className = std::nullopt;       // absent: the design's own name
    std::optional<MenuDirection> direction = std::nullopt; // absent: the design's own
    bool snippet = false; // the menu alone: NAME.html, .css, .js and the pictures
    bool force = false;   // replace files of the folder that the export did not write
};

struct ParsedCommandLine {
    std::optional<ExportRequest> request; // absent: help or version asked for, or a usage error
    bool helpRequested = false;
    bool versionRequested = false;
    QString error; // one line, for a usage error
};

// `arguments` without the program name. Accepted forms:
//   [OPTIONS] --defaults OUTDIR        the default design
//   [OPTIONS] PROJECT OUTDIR           a saved project
// --menu FILE takes the menu of a site's page, sitemap or outline instead of the design's.
//   --help, -h
//   --version, -v
// OPTIONS, in any order, each at most once: --output-style classic|modern, --class-name NAME
// (also written --option=VALUE), --snippet and --force.
ParsedCommandLine parseCommandLine(const QStringList& arguments);

QString usageText();
// "brindle-export VERSION", one line.
QString versionText();

} // namespace brindle::cli
