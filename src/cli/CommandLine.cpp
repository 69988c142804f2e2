#include "cli/CommandLine.h"

#include "platform/Version.h"

#include <QCommandLineParser>

namespace brindle::cli {

namespace {

ParsedCommandLine usageError(const QString& message) {
    ParsedCommandLine parsed;
    parsed.error = message;
    return parsed;
}

} // namespace

QString usageText() {
    return QStringLiteral(
        "usage: brindle-export [OPTIONS] --defaults OUTDIR\n"
        "       brindle-export [OPTIONS] PROJECT OUTDIR\n"
        "       brindle-export --version\n"
        "Writes styles.css, index.html and the images the page needs into "
        "OUTDIR (created if missing); a Modern page also gets menu.js.\n"
        "Options:\n"
        "  --output-style classic|modern  the style to write (default: the design's own)\n"
        "  --class-name NAME              the class every class and id of a Modern page\n"
        "                                 starts with (default: the design's own)\n"
        "  --direction page|ltr|rtl       which way a Modern menu reads: as its page does,\n"
        "                                 or always left or right to left (default: the\n"
        "                                 design's own)\n"
        "  --menu FILE                    the menu of a site's page, sitemap or outline\n"
        "                                 (HTML, sitemap XML, Markdown or indented text)\n"
        "                                 instead of the design's own\n"
        "  --snippet                      the menu alone, to put into a page of your own:\n"
        "                                 NAME.html, NAME.css, NAME.js and the images,\n"
        "                                 always in the Modern style; files of the folder\n"
        "                                 that hold something else are never replaced\n"
        "  --force                        replace them all the same\n");
}

QString versionText() {
    return QStringLiteral("brindle-export %1\n").arg(QLatin1String(kVersion));
}

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption defaults(QStringLiteral("defaults"), QString(),
                                      QStringLiteral("OUTDIR"));
    const QCommandLineOption style(QStringLiteral("output-style"), QString(),
                                   QStringLiteral("STYLE"));
    const QCommandLineOption className(QStringLiteral("class-name"), QString(),
                                       QStringLiteral("NAME"));
    const QCommandLineOption direction(QStringLiteral("direction"), QString(),
                                       QStringLiteral("DIRECTION"));
    const QCommandLineOption snippet(QStringLiteral("snippet"));
    const QCommandLineOption menu(QStringLiteral("menu"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption force(QStringLiteral("force"));
    parser.addOptions({help, version, defaults, style, className, direction, snippet, force, menu});
    // The program name goes first for the parser.
    if (!parser.parse(QStringList{QStringLiteral("brindle-export")} + arguments))
        return usageError(parser.errorText().remove(QLatin1Char('\n')));

    ParsedCommandLine parsed;
    const QStringList given = parser.optionNames();
    if (parser.isSet(help) || parser.isSet(version)) {
        // Alone, or it is a mistake.
        if (given.size() != 1 || !parser.positionalArguments().isEmpty())
            return usageError(QStringLiteral("--help and --version take nothing else"));
        parsed.helpRequested = parser.isSet(help);
        parsed.versionRequested = parser.isSet(version);
        return parsed;
    }
    for (const QString& name : given) {
        if (given.count(name) > 1)
            return usageError(QStringLiteral("--%1 is given twice").arg(name));
    }

    ExportRequest request;
    if (parser.isSet(style)) {
        const QString name = parser.value(style);
        request.outputStyle = outputStyleOfName(name);
        if (!request.outputStyle)
            return usageError(
                QStringLiteral("unknown output style %1 (classic or modern)").arg(name));
    }
    if (parser.isSet(className)) {
        request.className = parser.value(className);
        if (!isValidClassName(*request.className))
            return usageError(QStringLiteral("%1 is not a class name: letters, digits, “-” "
                                             "and “_”, beginning with a letter, at most %2")
                                  .arg(*request.className)
                                  .arg(OutputOptions::kLongestClassName));
    }
    if (parser.isSet(direction)) {
        const QString name = parser.value(direction);
        request.direction = menuDirectionOfName(name);
        if (!request.direction)
            return usageError(QStringLiteral("unknown direction %1 (page, ltr or rtl)").arg(name));
    }
    if (parser.isSet(menu)) {
        request.menuPath = parser.value(menu);
        if (request.menuPath.isEmpty())
            return usageError(QStringLiteral("the menu file name is empty"));
    }
    request.snippet = parser.isSet(snippet);
    request.force = parser.isSet(force);

    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(defaults)) {
        if (!positional.isEmpty())
            return usageError(QStringLiteral("--defaults takes exactly one output folder"));
        request.outputDirectory = parser.value(defaults);
        if (request.outputDirectory.isEmpty())
            return usageError(QStringLiteral("the output folder name is empty"));
    } else {
        if (positional.isEmpty())
            return usageError(QStringLiteral("missing arguments"));
        if (positional.size() != 2)
            return usageError(QStringLiteral("expected a project file and an output folder"));
        if (positional.at(0).isEmpty() || positional.at(1).isEmpty())
            return usageError(QStringLiteral("the project or output folder name is empty"));
        request.projectPath = positional.at(0);
        request.outputDirectory = positional.at(1);
    }
    parsed.request = request;
    return parsed;
}

} // namespace brindle::cli
