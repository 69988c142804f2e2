#include "cli/CommandLine.h"

#include "platform/Version.h"

namespace brindle::cli {

namespace {

ParsedCommandLine usageError(const QString& message) {
    ParsedCommandLine parsed;
    parsed.error = message;
    return parsed;
}

ParsedCommandLine parseExportArguments(const QStringList& arguments);

bool looksLikeOption(const QString& argument) {
    return argument.startsWith(QLatin1Char('-')) && argument.size() > 1;
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
        "  --snippet                      the menu alone, to put into a page of your own:\n"
        "                                 NAME.html, NAME.css, NAME.js and the images,\n"
        "                                 always in the Modern style\n");
}

QString versionText() {
    return QStringLiteral("brindle-export %1\n").arg(QLatin1String(kVersion));
}

ParsedCommandLine parseCommandLine(const QStringList& givenArguments) {
    QStringList arguments = givenArguments;
    std::optional<OutputStyle> style;
    std::optional<QString> className;
    bool snippet = false;
    // Options with a value take it from the next argument or after "=".
    const auto valueOf = [&arguments](const QString& option) -> std::optional<QString> {
        const QString first = arguments.takeFirst();
        if (first.startsWith(option + QLatin1Char('=')))
            return first.mid(option.size() + 1);
        if (arguments.isEmpty())
            return std::nullopt;
        return arguments.takeFirst();
    };
    const auto is = [&arguments](const char* option) {
        const QString& first = arguments.first();
        return first == QLatin1String(option) ||
               first.startsWith(QLatin1String(option) + QLatin1Char('='));
    };
    while (!arguments.isEmpty()) {
        if (is("--output-style")) {
            if (style)
                return usageError(QStringLiteral("--output-style is given twice"));
            const std::optional<QString> name = valueOf(QStringLiteral("--output-style"));
            if (!name)
                return usageError(
                    QStringLiteral("--output-style needs a style: classic or modern"));
            style = outputStyleOfName(*name);
            if (!style)
                return usageError(
                    QStringLiteral("unknown output style %1 (classic or modern)").arg(*name));
        } else if (is("--class-name")) {
            if (className)
                return usageError(QStringLiteral("--class-name is given twice"));
            className = valueOf(QStringLiteral("--class-name"));
            if (!className)
                return usageError(QStringLiteral("--class-name needs a name"));
            if (!isValidClassName(*className))
                return usageError(QStringLiteral("%1 is not a class name: letters, digits, “-” "
                                                 "and “_”, beginning with a letter, at most %2")
                                      .arg(*className)
                                      .arg(OutputOptions::kLongestClassName));
        } else if (arguments.first() == QLatin1String("--snippet")) {
            if (snippet)
                return usageError(QStringLiteral("--snippet is given twice"));
            arguments.removeFirst();
            snippet = true;
        } else {
            break;
        }
        if (arguments.isEmpty())
            return usageError(QStringLiteral("missing arguments"));
    }
    ParsedCommandLine parsed = parseExportArguments(arguments);
    if (parsed.request) {
        parsed.request->outputStyle = style;
        parsed.request->className = className;
        parsed.request->snippet = snippet;
    }
    return parsed;
}

namespace {

ParsedCommandLine parseExportArguments(const QStringList& arguments) {
    if (arguments.size() == 1 && (arguments.first() == QLatin1String("--help") ||
                                  arguments.first() == QLatin1String("-h"))) {
        ParsedCommandLine parsed;
        parsed.helpRequested = true;
        return parsed;
    }
    if (arguments.size() == 1 && (arguments.first() == QLatin1String("--version") ||
                                  arguments.first() == QLatin1String("-v"))) {
        ParsedCommandLine parsed;
        parsed.versionRequested = true;
        return parsed;
    }
    if (arguments.isEmpty())
        return usageError(QStringLiteral("missing arguments"));

    const QString& first = arguments.first();
    if (first == QLatin1String("--defaults")) {
        if (arguments.size() != 2)
            return usageError(QStringLiteral("--defaults takes exactly one output folder"));
        if (arguments.at(1).isEmpty())
            return usageError(QStringLiteral("the output folder name is empty"));
        ParsedCommandLine parsed;
        parsed.request = ExportRequest{QString(), arguments.at(1)};
        return parsed;
    }
    if (looksLikeOption(first))
        return usageError(QStringLiteral("unknown option %1").arg(first));
    if (arguments.size() != 2)
        return usageError(QStringLiteral("expected a project file and an output folder"));
    if (first.isEmpty() || arguments.at(1).isEmpty())
        return usageError(QStringLiteral("the project or output folder name is empty"));
    ParsedCommandLine parsed;
    parsed.request = ExportRequest{first, arguments.at(1)};
    return parsed;
}

} // namespace

} // namespace brindle::cli
