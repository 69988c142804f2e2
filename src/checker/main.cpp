// brindle-check: measures an exported Modern menu as visitors see it and lists what a
// finished menu must not have. Exit status 0: nothing found; 1: findings; 2: not checked.
#include "checker/MenuChecker.h"
#include "platform/Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <QWebEngineView>

#include <unistd.h>

using namespace brindle;

int main(int argc, char* argv[]) {
    // Nothing is shown: the pages are measured off screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The engine's notes on its (absent) graphics context say nothing about the menu.
    if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "qt.webenginecontext.debug=false");
    // The web engine refuses its sandbox as root.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brindle-check"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(QApplication::translate(
        "main", "Measures an exported Modern menu in the web engine at desktop, tablet and "
                "phone widths: the contrast of every title in every state, of icons, arrows "
                "and the phone toggle, icons on their title's line and the phone menu's "
                "columns."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QApplication::translate("main", "An exported page's folder."));
    const QCommandLineOption widthOption(
        {QStringLiteral("w"), QStringLiteral("width")},
        QApplication::translate("main", "Check at this window width only (repeatable)."),
        QStringLiteral("PX"));
    parser.addOption(widthOption);
    parser.process(app);
    QTextStream out(stdout), err(stderr);
    if (parser.positionalArguments().size() != 1) {
        err << QApplication::translate("main", "brindle-check: name one exported folder\n");
        return 2;
    }
    QList<int> widths;
    for (const QString& text : parser.values(widthOption)) {
        bool ok = false;
        const int width = text.toInt(&ok);
        if (!ok || width < 200 || width > 4000) {
            err << QApplication::translate("main",
                                           "brindle-check: a width is 200 to 4000 px, not %1\n")
                       .arg(text);
            return 2;
        }
        widths.append(width);
    }
    if (widths.isEmpty())
        widths = MenuChecker::defaultWidths();

    QWebEngineView view;
    view.show();
    const MenuCheckReport report =
        MenuChecker(view).check(parser.positionalArguments().first(), widths);
    if (!report.error.isEmpty()) {
        err << "brindle-check: " << report.error << '\n';
        return 2;
    }
    // A fault seen at several widths is listed once, with its widths.
    QList<std::pair<QString, QStringList>> lines;
    for (const MenuFinding& finding : report.findings) {
        const QString what =
            (finding.state.isEmpty() ? QString() : finding.state + u": ") + finding.text;
        auto line = std::find_if(lines.begin(), lines.end(),
                                 [&what](const auto& known) { return known.first == what; });
        if (line == lines.end())
            line = lines.insert(lines.end(), {what, {}});
        line->second << QString::number(finding.width);
    }
    for (const auto& [what, at] : lines)
        out << at.join(u", ") << " px, " << what << '\n';
    out << QApplication::translate("main", "%1 titles in their states and %2 icons, arrows and "
                                           "toggles measured; %3 findings.\n")
               .arg(report.titles)
               .arg(report.graphics)
               .arg(report.findings.size());
    return report.passes() ? 0 : 1;
}
