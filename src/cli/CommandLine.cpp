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
        "usage: brindle-export [--output-style classic|modern] --defaults OUTDIR\n"
        "       brindle-export [--output-style classic|modern] PROJECT OUTDIR\n"
        "       brindle-export --version\n"
        "Writes styles.css, index.html and the images the page needs into "
        "OUTDIR (created if missing); a Modern page also gets menu.js.\n"
        "Without --output-style the design's own style is used.\n");
}

QString versionText() {
    return QStringLiteral("brindle-export %1\n").arg(QLatin1String(kVersion));
}

ParsedCommandLine parseCommandLine(const QStringList& givenArguments) {
    QStringList arguments = givenArguments;
    std::optional<OutputStyle> style;
    if (!arguments.isEmpty() && (arguments.first() == QLatin1String("--output-style") ||
                                 arguments.first().startsWith(QLatin1String("--output-style=")))) {
        QString name;
        if (arguments.first().contains(QLatin1Char('='))) {
            name = arguments.takeFirst().section(QLatin1Char('='), 1);
        } else {
            arguments.removeFirst();
            if (arguments.isEmpty())
                return usageError(
                    QStringLiteral("--output-style needs a style: classic or modern"));
            name = arguments.takeFirst();
        }
        style = outputStyleOfName(name);
        if (!style)
            return usageError(
                QStringLiteral("unknown output style %1 (classic or modern)").arg(name));
        if (arguments.isEmpty())
            return usageError(QStringLiteral("missing arguments"));
    }
    ParsedCommandLine parsed = parseExportArguments(arguments);
    if (parsed.request)
        parsed.request->outputStyle = style;
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
