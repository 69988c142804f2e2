#include "controller/MainWindow.h"
#include "controller/ProjectActions.h"
#include "controller/RecentMenuController.h"
#include "editor/MenuStructureView.h"
#include "model/GlobalData.h"
#include "platform/NotificationCenter.h"
#include "widgets/AboutSheet.h"
#include "widgets/AppInfo.h"
#include "widgets/RelatedAppsSheet.h"
#include "widgets/SideBarContainer.h"
#include "widgets/SourceCodeArea.h"
#include "widgets/WorkspaceModes.h"

#include <QActionGroup>
#include <QDesktopServices>
#include <QFile>
#include <QLayout>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace brindle;

namespace {

// Opens nothing; remembers what it was asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

// A colour no default uses, and whether the stylesheet shows it in either text form.
bool showsColour(const QString& css, int r, int g, int b) {
    return css.contains(QStringLiteral("#%1%2%3")
                            .arg(r, 2, 16, QLatin1Char('0'))
                            .arg(g, 2, 16, QLatin1Char('0'))
                            .arg(b, 2, 16, QLatin1Char('0'))) ||
           css.contains(QStringLiteral("%1, %2, %3").arg(r).arg(g).arg(b));
}

struct Window {
    GlobalData data;
    NotificationCenter center;
    QTemporaryDir base;
    MainWindow window{data, center};

    Window() {
        window.setUp({}, base.path());
        window.resize(1200, 800);
    }
    QAction* action(const char* name) const {
        return window.findChild<QAction*>(QLatin1StringView(name));
    }
    QStringList shownModeViews() const {
        QStringList shown;
        for (QWidget* view : {static_cast<QWidget*>(window.menuStructureView()),
                              static_cast<QWidget*>(window.quickSideBarView()),
                              static_cast<QWidget*>(window.sideBarView()),
                              static_cast<QWidget*>(window.subMenuSideBarView())}) {
            if (view->isVisibleTo(&window))
                shown.append(view->objectName());
        }
        return shown;
    }
    QString css() const { return window.controller()->documents().cssText(); }
};

} // namespace

class TestShell : public QObject {
    Q_OBJECT

public:
    // Before the application object exists, as the web engine needs.
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    void initTestCase();
    void startUp_menuStructureModeWithStylesheetShown();
    void modeSwitch_data();
    void modeSwitch();
    void mainMenuMode_returnsToNormalWithStoreValues();
    void subMenuMode_refreshesOnlyItsNormalBackground();
    void sourceSwitch_data();
    void sourceSwitch();
    void openRecent_listsSavedProjectsNewestFirst();
    void openRecent_goneEntryIsDroppedAndTold();
    void helpActions_openSheetsAndHomepage();
};

void TestShell::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QLoggingCategory::setFilterRules(QStringLiteral("brindle.info=false"));
}

void TestShell::startUp_menuStructureModeWithStylesheetShown() {
    Window w;
    QCOMPARE(w.window.modes()->currentModeView(), w.window.menuStructureView());
    QCOMPARE(w.shownModeViews(), QStringList{"menuStructureView"});
    QVERIFY(w.action("menuStructure")->isChecked());
    QVERIFY(w.window.mainToolbar()->actions().contains(w.action("menuStructure")));
    QCOMPARE(w.window.mainTabView()->selectIndex(), 0);
    QCOMPARE(w.window.sourceArea()->shownSourceView(), w.window.css3TextView());
    QCOMPARE(w.window.css3TextView()->toPlainText(), w.css());
    QVERIFY(w.window.css3TextView()->verticalRuler() != nullptr);
    QVERIFY(w.window.htmlTextView()->verticalRuler() != nullptr);
}

void TestShell::modeSwitch_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("shown");
    QTest::newRow("quick") << QStringList{"quickMode"} << "quickSideBarView";
    QTest::newRow("main menu twice") << QStringList{"mainMenu", "mainMenu"} << "sideBarView";
    QTest::newRow("sub-menu twice") << QStringList{"subMenu", "subMenu"} << "subMenuSideBarView";
    QTest::newRow("all and back") << QStringList{"quickMode", "mainMenu", "subMenu",
                                                 "menuStructure"}
                                  << "menuStructureView";
}

void TestShell::modeSwitch() {
    QFETCH(QStringList, actions);
    QFETCH(QString, shown);
    Window w;
    for (const QString& name : actions)
        w.action(qPrintable(name))->trigger();
    QCOMPARE(w.window.sideBarViewContainer()->layout()->count(), 1);
    QCOMPARE(w.shownModeViews(), QStringList{shown});
    QCOMPARE(w.window.modes()->currentModeView()->objectName(), shown);
    QVERIFY(w.action(qPrintable(actions.last()))->isChecked());
}

void TestShell::mainMenuMode_returnsToNormalWithStoreValues() {
    Window w;
    w.action("mainMenu")->trigger();
    TabStripView* strip = w.window.sideBarView()->tabStrip();
    strip->setSelectIndex(1);
    QCOMPARE(w.window.sideBarView()->container()->currentPage(), 1);
    w.action("menuStructure")->trigger();

    // Changed behind the panels' back: only a reload brings them into the stylesheet.
    w.data.setStartBackgroundColor(Color::fromBytes(10, 11, 12));
    w.data.setStartBackgroundColorHover(Color::fromBytes(13, 14, 15));
    QVERIFY(!showsColour(w.css(), 10, 11, 12));
    w.action("mainMenu")->trigger();
    QCOMPARE(strip->selectIndex(), 0);
    QCOMPARE(w.window.sideBarView()->container()->currentPage(), 0);
    QCOMPARE(w.window.sideBarView()->container()->shownPanels().size(), 8);
    QVERIFY(showsColour(w.css(), 10, 11, 12));
    QVERIFY(showsColour(w.css(), 13, 14, 15));
}

void TestShell::subMenuMode_refreshesOnlyItsNormalBackground() {
    Window w;
    w.action("subMenu")->trigger();
    TabStripView* strip = w.window.subMenuSideBarView()->tabStrip();
    strip->setSelectIndex(2);
    w.action("quickMode")->trigger();

    w.data.setSubMenuStartBackgroundColor(Color::fromBytes(20, 21, 22));
    w.data.setSubMenuStartBackgroundColorHover(Color::fromBytes(23, 24, 25));
    w.data.setStartBackgroundColor(Color::fromBytes(26, 27, 28));
    w.action("subMenu")->trigger();
    QCOMPARE(strip->selectIndex(), 0);
    QCOMPARE(w.window.subMenuSideBarView()->container()->currentPage(), 0);
    QVERIFY(showsColour(w.css(), 20, 21, 22));
    QVERIFY(!showsColour(w.css(), 23, 24, 25));
    QVERIFY(!showsColour(w.css(), 26, 27, 28));
}

void TestShell::sourceSwitch_data() {
    QTest::addColumn<QString>("strip");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");
    QTest::newRow("HTML") << "main" << 1 << "htmlTextView";
    QTest::newRow("CSS") << "main" << 0 << "css3TextView";
    QTest::newRow("any other index") << "main" << 3 << "htmlTextView";
    QTest::newRow("main side bar's strip") << "side" << 1 << "css3TextView";
    QTest::newRow("sub-menu side bar's strip") << "subSide" << 2 << "css3TextView";
}

void TestShell::sourceSwitch() {
    QFETCH(QString, strip);
    QFETCH(int, index);
    QFETCH(QString, shown);
    Window w;
    if (strip == QLatin1StringView("main"))
        w.window.mainTabView()->setSelectIndex(index);
    else if (strip == QLatin1StringView("side"))
        w.window.sideBarView()->tabStrip()->setSelectIndex(index);
    else
        w.window.subMenuSideBarView()->tabStrip()->setSelectIndex(index);
    QCOMPARE(w.window.sourceArea()->shownSourceView()->objectName(), shown);
}

void TestShell::openRecent_listsSavedProjectsNewestFirst() {
    Window w;
    QMenu* submenu = w.window.findChild<QMenu*>(QStringLiteral("recentProjectMenu"));
    QVERIFY(submenu);
    QVERIFY(submenu->actions().isEmpty());
    QVERIFY(!submenu->menuAction()->isEnabled());

    QTemporaryDir folder;
    for (const char* name : {"one", "two", "three", "four", "five"})
        QVERIFY(w.window.projectActions()->saveProjectToFile(
            folder.filePath(QString::fromLatin1(name) + QStringLiteral(".brindleprj"))));
    QStringList titles;
    for (QAction* action : submenu->actions())
        titles.append(action->text());
    QCOMPARE(titles, (QStringList{"five.brindleprj", "four.brindleprj", "three.brindleprj",
                                  "two.brindleprj"}));

    // A failed save is not listed.
    QVERIFY(!w.window.projectActions()->saveProjectToFile(
        folder.filePath(QStringLiteral("missing/six.brindleprj"))));
    QCOMPARE(submenu->actions().size(), 4);

    // Choosing an entry opens it, and it becomes the newest.
    submenu->actions().last()->trigger();
    QCOMPARE(submenu->actions().size(), 4);
    QCOMPARE(submenu->actions().first()->text(), QStringLiteral("two.brindleprj"));
    QCOMPARE(w.data.recentProjectList().size(), 4);
}

void TestShell::openRecent_goneEntryIsDroppedAndTold() {
    Window w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QMenu* submenu = w.window.findChild<QMenu*>(QStringLiteral("recentProjectMenu"));
    QTemporaryDir folder;
    const QString kept = folder.filePath(QStringLiteral("kept.brindleprj"));
    const QString gone = folder.filePath(QStringLiteral("gone.brindleprj"));
    QVERIFY(w.window.projectActions()->saveProjectToFile(gone));
    QVERIFY(w.window.projectActions()->saveProjectToFile(kept));
    QCOMPARE(submenu->actions().size(), 2);
    QVERIFY(QFile::remove(gone));

    submenu->actions().last()->trigger();
    auto* message = w.window.findChild<QMessageBox*>(QStringLiteral("recentProjectMissing"));
    QVERIFY(message);
    QVERIFY(message->isVisible());
    QCOMPARE(message->windowModality(), Qt::WindowModal);
    QVERIFY(message->text().contains(QStringLiteral("gone.brindleprj")));
    QCOMPARE(submenu->actions().size(), 1);
    QCOMPARE(submenu->actions().first()->text(), QStringLiteral("kept.brindleprj"));
    QCOMPARE(w.data.recentProjectList().size(), 1);
    message->close();
}

void TestShell::helpActions_openSheetsAndHomepage() {
    Window w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.action("showAbout")->trigger();
    auto* about = w.window.findChild<AboutSheet*>();
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->windowModality(), Qt::WindowModal);
    about->closeWindow();

    w.action("showRelatedApps")->trigger();
    auto* related = w.window.findChild<RelatedAppsSheet*>();
    QVERIFY(related && related->isVisible());
    QCOMPARE(related->shownCategory(), RelatedApplication::Category::DeveloperTools);
    related->closeWindow();

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    w.action("showHomepage")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl(QString::fromLatin1(AppInfo::kHomepageAddress))});
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
