#include "app/Screenshots.h"
#include "controller/Document.h"
#include "controller/GalleryActions.h"
#include "controller/MainWindow.h"
#include "controller/PreviewView.h"
#include "controller/ProjectActions.h"
#include "model/GlobalData.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "platform/Version.h"
#include "project/RecentProjects.h"
#include "resources/Resources.h"
#include "translations/Translations.h"
#include "widgets/WindowStateKeeper.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLoggingCategory>
#include <QTimer>

#include <clocale>

namespace {

// --lang's language, else the first of the desktop's languages that is shipped (English ends
// the search: a desktop that prefers it gets it).
QString chosenLanguage(const QString& asked) {
    if (!asked.isEmpty()) {
        if (asked == u"en" || asked.startsWith(u"en_"))
            return {};
        const QString shipped = brindle::languageFor(QLocale(asked));
        if (shipped.isEmpty())
            qWarning("brindle: the window does not speak \"%s\"; it speaks en, %s",
                     qPrintable(asked), qPrintable(brindle::shippedLanguages().join(u", ")));
        return shipped;
    }
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English)
            return {};
        const QString shipped = brindle::languageFor(locale);
        if (!shipped.isEmpty())
            return shipped;
    }
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    // A quiet console: the web engine's start-up report is for its developers. QT_LOGGING_RULES
    // still turns it on, like Brindle's own lines.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    QCoreApplication::setOrganizationName(QStringLiteral("Brindle"));
    QCoreApplication::setApplicationName(QStringLiteral("Brindle"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(brindle::kVersion));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Designs navigation bars with drop-down menus for web pages."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("project"),
                                 QStringLiteral("A .brindleprj project to open at start-up."),
                                 QStringLiteral("[project]"));
    // Writes a picture of the window in each editing mode into the folder, then quits.
    QCommandLineOption screenshots(QStringLiteral("screenshots"), QString(),
                                   QStringLiteral("folder"));
    screenshots.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(screenshots);
    const QCommandLineOption language(
        QStringLiteral("lang"),
        QStringLiteral("The window's language (en, de, fr, es, pt_BR, ja, ar, he) instead of "
                       "the one of the desktop."),
        QStringLiteral("language"));
    parser.addOption(language);
    // --version answers before the GUI starts, so it works without a display too.
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments.append(QString::fromLocal8Bit(argv[i]));
    parser.parse(rawArguments);
    if (parser.isSet(version))
        parser.showVersion();

    QApplication app(argc, argv);
    // Qt has just set the locale from the environment; libraries that print or read numbers
    // with the C functions (the property-list library among them) must not write "0,5".
    std::setlocale(LC_NUMERIC, "C");
    // The desktop entry's name: the window is matched with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BRINDLE_DESKTOP_ID));
    brindle::initResources();
    app.setWindowIcon(QIcon(QStringLiteral(":/images/brindle.png")));
    // Again without Qt's own options (-platform, -style…), which the application took.
    // Options meant for the web engine pass through untouched.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help))
        parser.showHelp(0);
    brindle::useLanguage(app, chosenLanguage(parser.value(language)));

    brindle::GlobalData& data = brindle::GlobalData::sharedData();
    data.setRecentProjectList(brindle::RecentProjects::readUserDefaults());

    brindle::MainWindow window(data, brindle::NotificationCenter::defaultCenter());
    // For the start-up benchmark: quit as soon as the first preview load has finished.
    if (qEnvironmentVariableIsSet("BRINDLE_EXIT_AFTER_FIRST_LOAD"))
        QObject::connect(window.previewView(), &QWebEngineView::loadFinished, &app,
                         &QCoreApplication::quit, Qt::QueuedConnection);
    window.setUp({}, QDir::tempPath());
    if (!parser.isSet(screenshots))
        new brindle::WindowStateKeeper(&window, {window.mainSplitter(), window.contentSplitter()});
    window.show();

    if (!parser.positionalArguments().isEmpty()) {
        const QString project =
            QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
        // Once the window is on screen, so a failure message has a window to sit on.
        QTimer::singleShot(0, window.document(),
                           [&window, project] { window.document()->openProjectFile(project); });
    }
    // A clean quit takes the preview folder along; a crashed run's is removed at a later start.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, window.controller(),
                     [&window] { window.controller()->removePreviewFolder(); });
    if (!parser.isSet(screenshots) && !qEnvironmentVariableIsSet("BRINDLE_EXIT_AFTER_FIRST_LOAD"))
        QTimer::singleShot(0, window.document(), [&window, &parser] {
            // Left-over work comes first; a start with nothing to open offers the gallery.
            if (!window.document()->offerLeftWork() && parser.positionalArguments().isEmpty())
                window.gallery()->offerAtStart();
        });
    if (parser.isSet(screenshots)) {
        brindle::takeScreenshotsWhenLoaded(window, parser.value(screenshots));
    } else {
        // The recent projects are kept for the next run only through a normal quit.
        QObject::connect(&app, &QCoreApplication::aboutToQuit, [&data] {
            brindle::RecentProjects::writeUserDefaults(data.recentProjectList());
            qCInfo(lcBrindle) << "dealloc";
        });
    }
    return app.exec();
}
