#include "TestFiles.h"
#include "controller/ContrastWindow.h"
#include "controller/DesignGalleryDialog.h"
#include "controller/Document.h"
#include "controller/LeftWorkDialog.h"
#include "controller/MainWindow.h"
#include "controller/ProjectActions.h"
#include "controller/RecentMenuController.h"
#include "editor/MenuStructureView.h"
#include "generator/CodeDocuments.h"
#include "history/RecoveryFile.h"
#include "model/GlobalData.h"
#include "panels/ContrastBadge.h"
#include "panels/OutputView.h"
#include "panels/SizeView.h"
#include "panels/StylePanels.h"
#include "panels/TextView.h"
#include "platform/NotificationCenter.h"
#include "project/ProjectFile.h"
#include "project/RecentProjects.h"
#include "widgets/AboutSheet.h"
#include "widgets/AppInfo.h"
#include "widgets/ColorPickerImageView.h"
#include "widgets/RelatedAppsSheet.h"
#include "widgets/SideBarContainer.h"
#include "widgets/SourceCodeArea.h"
#include "widgets/WorkspaceModes.h"

#include <QActionGroup>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>

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
    QString html() const { return window.controller()->documents().htmlText(); }
    QString topLevelTitles() const {
        QStringList titles;
        const Node* root = data.getMenuRootNode();
        for (int i = 0; i < root->childCount(); ++i)
            titles.append(root->childAt(i)->name() + QLatin1Char('/') +
                          QString::number(root->childAt(i)->childCount()));
        return titles.join(QLatin1Char(','));
    }
    // The texts, the source views and the preview folder all show what the store says.
    void verifyEveryViewFollowsTheStore() const {
        QCoreApplication::processEvents(); // the views follow in the same pass of the loop
        CodeDocuments fresh(data);
        fresh.insertHTML5Code();
        fresh.insertCSS3Code();
        QCOMPARE(css(), fresh.cssText());
        QCOMPARE(html(), fresh.htmlText());
        QCOMPARE(window.css3TextView()->toPlainText(), css());
        QCOMPARE(window.htmlTextView()->toPlainText(), html());
        QCOMPARE(testsupport::readText(window.controller()->previewFolder()->cssPath()), css());
        QCOMPARE(testsupport::readText(window.controller()->previewFolder()->htmlPath()), html());
        QCOMPARE(window.menuStructureView()->outLineView()->model()->rowCount(),
                 data.getMenuRootNode()->childCount());
    }
    QMessageBox* alert(const char* name) const {
        return window.findChild<QMessageBox*>(QLatin1StringView(name));
    }
};

void answerWith(QMessageBox* box, QMessageBox::StandardButton button) {
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    box->button(button)->click();
}

void typeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

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
    void document_undoAndRedoFollowedByEveryView();
    void unsavedChanges_askBeforeTheyAreLost_data();
    void unsavedChanges_askBeforeTheyAreLost();
    void leftWork_isOfferedAndComesBackUnsaved();
    void uncommittedWork_isNeverLost_data();
    void uncommittedWork_isNeverLost();
    void outputPanel_undoesLikeEveryField();
    void colourWindow_staysWithTheWindowAndPassesShortcuts();
    void contrast_followsEveryEditBesideTheWellsAndInItsWindow();
    void openInBrowser_failureIsTold_data();
    void openInBrowser_failureIsTold();
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
    // The eight style panels and the output panel.
    QCOMPARE(w.window.sideBarView()->container()->shownPanels().size(), 9);
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
    // Kept in the settings at once: a run that crashes now still lists them at the next start.
    QCOMPARE(RecentProjects::readUserDefaults(), w.data.recentProjectList());

    // The gallery leads back to them too, newest first; one opens with a click.
    w.action("newFromDesign")->trigger();
    auto* gallery = w.window.findChild<DesignGalleryDialog*>();
    QVERIFY(gallery);
    QStringList shown;
    QList<QPushButton*> buttons;
    for (QPushButton* button :
         gallery->findChildren<QPushButton*>(QStringLiteral("recentProjectButton"))) {
        shown.append(button->text());
        buttons.append(button);
    }
    QCOMPARE(shown, (QStringList{"two.brindleprj", "five.brindleprj", "four.brindleprj",
                                 "three.brindleprj"}));
    buttons.last()->click();
    QTRY_VERIFY(w.window.findChild<DesignGalleryDialog*>() == nullptr);
    QVERIFY(w.window.document()->filePath().endsWith(QStringLiteral("three.brindleprj")));
    // Its name is the likely name of its design in the gallery.
    w.action("saveDesignToGallery")->trigger();
    auto* ask = w.window.findChild<QInputDialog*>(QStringLiteral("designNameQuestion"));
    QVERIFY(ask);
    QCOMPARE(ask->textValue(), QStringLiteral("three"));
    ask->reject();
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

void TestShell::document_undoAndRedoFollowedByEveryView() {
    Window w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    const QString css = w.css();
    const QString html = w.html();
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Untitled[*] — Brindle"));
    QVERIFY(!w.window.isWindowModified());
    QVERIFY(!w.window.document()->undoAction()->isEnabled());

    // Delete an item with sub-items, from the keyboard.
    QTreeView* outline = w.window.menuStructureView()->outLineView();
    outline->setFocus();
    outline->setCurrentIndex(outline->model()->index(1, 0));
    QTest::keyClick(outline, Qt::Key_Delete);
    QMessageBox* confirm = w.alert("deleteAlert");
    QVERIFY(confirm);
    const auto buttons = confirm->buttons();
    const auto deleteButton = std::find_if(buttons.begin(), buttons.end(), [](auto* b) {
        return b->text().remove(QLatin1Char('&')) == QLatin1String("Delete");
    });
    QVERIFY(deleteButton != buttons.end());
    (*deleteButton)->click();
    QTRY_COMPARE(w.topLevelTitles(), QStringLiteral("Home/0,Forums/0"));
    QTRY_VERIFY(w.window.isWindowModified());
    QCOMPARE(w.window.document()->undoAction()->text(), QStringLiteral("&Undo Delete “Products”"));
    // The closed alert leaves no active window on the offscreen platform.
    w.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.verifyEveryViewFollowsTheStore();

    // A panel commit is a step of its own.
    w.action("mainMenu")->trigger();
    auto* radius = w.window.stylePanels().sizeViewContainer->findChild<QLineEdit*>(
        QStringLiteral("borderRadiusTextField"));
    typeInto(radius, QStringLiteral("33"));
    QTRY_COMPARE(w.data.borderRadius(), 33);
    QTRY_COMPARE(w.window.document()->history().stack().count(), 2);

    QTest::keyClick(&w.window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.data.borderRadius(), 25);
    QCOMPARE(radius->text(), QStringLiteral("25"));
    QTest::keyClick(&w.window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.topLevelTitles(), QStringLiteral("Home/0,Products/2,Forums/0"));
    QVERIFY(!w.window.isWindowModified());
    QCOMPARE(w.css(), css);
    QCOMPARE(w.html(), html);
    w.verifyEveryViewFollowsTheStore();

    QTest::keyClick(&w.window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.topLevelTitles(), QStringLiteral("Home/0,Forums/0"));
    QTest::keyClick(&w.window, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(radius->text(), QStringLiteral("33"));
    QVERIFY(w.window.isWindowModified());
    w.verifyEveryViewFollowsTheStore();
}

void TestShell::unsavedChanges_askBeforeTheyAreLost_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<bool>("replaced");
    using B = QMessageBox::StandardButton;
    QTest::newRow("new, cancel") << "new" << int(B::Cancel) << false << false;
    QTest::newRow("new, discard") << "new" << int(B::Discard) << false << true;
    QTest::newRow("new, save") << "new" << int(B::Save) << false << true;
    QTest::newRow("new, save fails") << "new" << int(B::Save) << true << false;
    QTest::newRow("close, cancel") << "close" << int(B::Cancel) << false << false;
    QTest::newRow("close, save fails") << "close" << int(B::Save) << true << false;
    QTest::newRow("close, discard") << "close" << int(B::Discard) << false << true;
    QTest::newRow("recent, cancel") << "recent" << int(B::Cancel) << false << false;
    QTest::newRow("recent, save") << "recent" << int(B::Save) << false << true;
}

void TestShell::unsavedChanges_askBeforeTheyAreLost() {
    QFETCH(QString, action);
    QFETCH(int, answer);
    QFETCH(bool, saveFails);
    QFETCH(bool, replaced);
    Window w;
    w.window.show();
    const QString path = QDir(w.base.path()).filePath(QStringLiteral("menu.brindleprj"));
    QVERIFY(w.window.projectActions()->saveProjectToFile(path));
    QCOMPARE(w.window.windowTitle(), QStringLiteral("menu[*] — Brindle"));
    const QString otherPath = QDir(w.base.path()).filePath(QStringLiteral("other.brindleprj"));
    GlobalData other;
    other.getMenuRootNode()->childAt(0)->setName(QStringLiteral("Other"));
    QVERIFY(saveProjectToFile(other, otherPath).ok);
    QVERIFY(!w.window.isWindowModified());

    w.data.getMenuRootNode()->childAt(0)->setName(QStringLiteral("Changed"));
    w.center.post(QStringLiteral("MenuStructureDataUpdated"), w.window.menuStructureView());
    w.window.document()->history().commitPending();
    QVERIFY(w.window.isWindowModified());
    if (saveFails) {
        // The file's place is taken by a folder: the save cannot replace it.
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
    }

    if (action == QLatin1String("new"))
        w.window.document()->newAction()->trigger();
    else if (action == QLatin1String("close"))
        QVERIFY(!w.window.close());
    else
        w.window.document()->openProjectFile(otherPath);
    QMessageBox* prompt = w.alert("unsavedChangesAlert");
    QVERIFY(prompt);
    QCOMPARE(prompt->defaultButton(), prompt->button(QMessageBox::Save));
    answerWith(prompt, QMessageBox::StandardButton(answer));
    QCoreApplication::processEvents();

    const QString first = w.data.getMenuRootNode()->childAt(0)->name();
    if (action == QLatin1String("close")) {
        QCOMPARE(!w.window.isVisible(), replaced);
    } else {
        QCOMPARE(first != QLatin1String("Changed"), replaced);
        QCOMPARE(w.window.isWindowModified(), !replaced);
    }
    if (saveFails)
        QVERIFY(w.window.findChild<QMessageBox*>(QString(), Qt::FindDirectChildrenOnly));
    if (answer == QMessageBox::Save && !saveFails) {
        GlobalData saved;
        openProjectFile(saved, path);
        QCOMPARE(saved.getMenuRootNode()->childAt(0)->name(), QStringLiteral("Changed"));
    }
    w.verifyEveryViewFollowsTheStore();
}

// What a run killed with unsaved changes leaves: its copy, where its document came from, and
// the lock of a process that has ended.
void leaveWork(const QString& folder, const QString& name, const GlobalData& design,
               const QString& origin) {
    const QString base = QDir(folder).filePath(name);
    QVERIFY(saveProjectToFile(design, base + QStringLiteral(".brindleprj")).ok);
    QFile originFile(base + QStringLiteral(".origin"));
    QVERIFY(originFile.open(QIODevice::WriteOnly));
    originFile.write(origin.toUtf8());
    originFile.close();
    QFile lock(base + QStringLiteral(".lock"));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write("4194305\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
               QSysInfo::machineHostName().toUtf8() + "\n");
}

// Two runs were killed with unsaved work. Both copies are listed, told apart; each is restored
// in turn, the second through the unsaved-changes question, and nothing is lost.
void TestShell::leftWork_isOfferedAndComesBackUnsaved() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    Window w;
    const QString shop = QDir(w.base.path()).filePath(QStringLiteral("shop.brindleprj"));
    GlobalData first;
    first.setSubMenuWidth(321);
    first.getMenuRootNode()->childAt(2)->setName(QStringLiteral("Board"));
    leaveWork(folder, QStringLiteral("recovery-1-1"), first, shop);
    GlobalData second;
    second.getMenuRootNode()->childAt(0)->setName(QStringLiteral("Second"));
    leaveWork(folder, QStringLiteral("recovery-2-2"), second, QString());
    const QString firstCopy = QDir(folder).filePath(QStringLiteral("recovery-1-1.brindleprj"));
    const QString secondCopy = QDir(folder).filePath(QStringLiteral("recovery-2-2.brindleprj"));

    w.window.show();
    const auto offered = [&w] {
        w.window.document()->offerLeftWork();
        return w.window.findChild<LeftWorkDialog*>(QStringLiteral("leftWorkDialog"));
    };
    const auto restoreRow = [](LeftWorkDialog* list, const QString& named) {
        auto* rows = list->findChild<QListWidget*>(QStringLiteral("leftWorkList"));
        const QList<QListWidgetItem*> found = rows->findItems(named, Qt::MatchStartsWith);
        QCOMPARE(found.size(), 1);
        rows->setCurrentItem(found.first());
        QTest::keyClick(rows, Qt::Key_Return);
    };
    LeftWorkDialog* list = offered();
    QVERIFY(list);
    QCOMPARE(list->windowTitle(), QStringLiteral("Recover Unsaved Work"));
    auto* rows = list->findChild<QListWidget*>(QStringLiteral("leftWorkList"));
    QCOMPARE(rows->count(), 2);
    // Told apart by name, size and first titles.
    QStringList texts;
    for (int i = 0; i < rows->count(); ++i)
        texts << rows->item(i)->text();
    texts.sort();
    QVERIFY2(texts.at(0).startsWith(QStringLiteral("Untitled\nkept ")) &&
                 texts.at(0).endsWith(QStringLiteral("5 items: Second, Products, Forums, …")),
             qPrintable(texts.at(0)));
    QVERIFY2(texts.at(1).startsWith(QStringLiteral("shop\nkept ")) &&
                 texts.at(1).endsWith(QStringLiteral("5 items: Home, Products, Board, …")),
             qPrintable(texts.at(1)));

    restoreRow(list, QStringLiteral("shop"));
    QTRY_COMPARE(w.data.subMenuWidth(), 321);
    QCOMPARE(w.topLevelTitles(), QStringLiteral("Home/0,Products/2,Board/0"));
    QCOMPARE(w.window.windowTitle(), QStringLiteral("shop[*] — Brindle"));
    QVERIFY(w.window.isWindowModified());
    w.verifyEveryViewFollowsTheStore();
    // Its own copy took the place of the one it restored; the other is still there.
    QVERIFY(!QFile::exists(firstCopy));
    QVERIFY(QFile::exists(secondCopy));
    const QString ownCopy = w.window.document()->recovery().projectPath();
    QVERIFY(QFile::exists(ownCopy));

    // The second copy: the restored work is modified, so the user is asked first.
    list = offered();
    QVERIFY(list);
    QCOMPARE(list->findChild<QListWidget*>(QStringLiteral("leftWorkList"))->count(), 1);
    restoreRow(list, QStringLiteral("Untitled"));
    QMessageBox* prompt = nullptr;
    QTRY_VERIFY((prompt = w.alert("unsavedChangesAlert")) != nullptr);
    QVERIFY(prompt->text().contains(QStringLiteral("“shop”")));
    answerWith(prompt, QMessageBox::Save);
    QTRY_COMPARE(w.topLevelTitles(), QStringLiteral("Second/0,Products/2,Forums/0"));
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Untitled[*] — Brindle"));
    QVERIFY(w.window.isWindowModified());
    GlobalData saved;
    QVERIFY(openProjectFile(saved, shop).ok);
    QCOMPARE(saved.subMenuWidth(), 321);
    QVERIFY(!QFile::exists(secondCopy));
    GlobalData kept;
    QVERIFY(openProjectFile(kept, ownCopy).ok);
    QCOMPARE(kept.getMenuRootNode()->childAt(0)->name(), QStringLiteral("Second"));
    w.window.document()->recovery().discard();
}

void TestShell::uncommittedWork_isNeverLost_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("typed, save") << "save";
    QTest::newRow("typed, new") << "new";
    QTest::newRow("typed, close") << "close";
    QTest::newRow("typed, export") << "export";
    QTest::newRow("change and save in one pass") << "same pass";
    QTest::newRow("discard, then the open dialog cancelled") << "cancelled open";
    QTest::newRow("renamed in place, save") << "rename";
}

// Typing not yet committed, a change still waiting for the event loop and a discarded design
// whose replacement never came are all kept, saved or asked about.
void TestShell::uncommittedWork_isNeverLost() {
    QFETCH(QString, action);
    Window w;
    const QString path = QDir(w.base.path()).filePath(QStringLiteral("radius.brindleprj"));
    GlobalData twelve;
    twelve.setBorderRadius(12);
    QVERIFY(saveProjectToFile(twelve, path).ok);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QVERIFY(w.window.document()->replaceNow(DesignSource::project(path)));
    w.action("mainMenu")->trigger();
    auto* radius = w.window.stylePanels().sizeViewContainer->findChild<QLineEdit*>(
        QStringLiteral("borderRadiusTextField"));
    const auto savedRadius = [&path] {
        GlobalData saved;
        return openProjectFile(saved, path).ok ? saved.borderRadius() : -1;
    };

    if (action == QLatin1String("same pass")) {
        w.data.setBorderRadius(50);
        w.center.post(QStringLiteral("BorderRadiusDataUpdated"),
                      w.window.stylePanels().sizeViewContainer);
        w.window.document()->save();
        QCOMPARE(savedRadius(), 50);
        QVERIFY(!w.window.isWindowModified());
        QTest::keyClick(&w.window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.data.borderRadius(), 12);
        QVERIFY(w.window.isWindowModified());
        return;
    }
    if (action == QLatin1String("rename")) {
        // A title typed into the outline's in-place editor, no Return: Ctrl+S saves it.
        w.action("menuStructure")->trigger();
        QTreeView* outline = w.window.menuStructureView()->outLineView();
        outline->setCurrentIndex(outline->model()->index(0, 0));
        outline->edit(outline->currentIndex());
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Start"));
        QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier);
        GlobalData saved;
        QVERIFY(openProjectFile(saved, path).ok);
        QCOMPARE(saved.getMenuRootNode()->childAt(0)->name(), QStringLiteral("Start"));
        QVERIFY(!w.window.isWindowModified());
        return;
    }
    if (action == QLatin1String("cancelled open")) {
        typeInto(radius, QStringLiteral("33"));
        QTRY_VERIFY(w.window.isWindowModified());
        RecoveryFile& recovery = w.window.document()->recovery();
        QVERIFY(recovery.writeNow().ok);
        w.window.document()->openAction()->trigger();
        answerWith(w.alert("unsavedChangesAlert"), QMessageBox::Discard);
        QFileDialog* chooser = nullptr;
        QTRY_VERIFY((chooser = w.window.findChild<QFileDialog*>()) != nullptr);
        chooser->reject();
        QCoreApplication::processEvents();
        QCOMPARE(w.data.borderRadius(), 33);
        QVERIFY(w.window.isWindowModified());
        QVERIFY(QFile::exists(recovery.projectPath()));
        recovery.discard();
        return;
    }

    radius->setFocus();
    radius->selectAll();
    QTest::keyClicks(radius, QStringLiteral("40"));
    QCOMPARE(w.data.borderRadius(), 12);
    if (action == QLatin1String("save")) {
        QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(savedRadius(), 40);
        QVERIFY(!w.window.isWindowModified());
        QCOMPARE(w.window.windowTitle(), QStringLiteral("radius[*] — Brindle"));
        return;
    }
    if (action == QLatin1String("export")) {
        const QString folder = QDir(w.base.path()).filePath(QStringLiteral("exported"));
        QVERIFY(QDir().mkpath(folder));
        QTest::keyClick(&w.window, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.data.borderRadius(), 40);
        auto* chooser = w.window.findChild<QFileDialog*>();
        QVERIFY(chooser);
        chooser->reject();
        return;
    }
    if (action == QLatin1String("new"))
        w.window.document()->newAction()->trigger();
    else
        QVERIFY(!w.window.close());
    QMessageBox* prompt = w.alert("unsavedChangesAlert");
    QVERIFY(prompt);
    QVERIFY(prompt->text().contains(QStringLiteral("“radius”")));
    answerWith(prompt, QMessageBox::Cancel);
    QCOMPARE(w.data.borderRadius(), 40);
    QVERIFY(w.window.isWindowModified());
    QVERIFY(w.window.isVisible());
}

// The menu name and the phone breakpoint: Ctrl+Z in the field undoes the design's step once
// the field is committed, and redo brings it back.
void TestShell::outputPanel_undoesLikeEveryField() {
    Window w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.action("mainMenu")->trigger();
    OutputView* panel = w.window.stylePanels().outputViewContainer;
    panel->styleComboBox()->setCurrentIndex(1);
    emit panel->styleComboBox()->activated(1);
    QCOMPARE(w.data.outputOptions().style, OutputStyle::Modern);
    w.window.document()->history().commitPending();

    QLineEdit* name = panel->navLabelField();
    typeInto(name, QStringLiteral("Shop"));
    QCOMPARE(w.data.outputOptions().navLabel, QStringLiteral("Shop"));
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.data.outputOptions().navLabel, QStringLiteral("Main"));
    QCOMPARE(name->text(), QStringLiteral("Main"));
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.data.outputOptions().navLabel, QStringLiteral("Shop"));
    // Leaving the field adds no step of its own.
    const int steps = w.window.document()->history().stack().count();
    w.window.menuStructureView()->setFocus();
    QCoreApplication::processEvents();
    QCOMPARE(w.window.document()->history().stack().count(), steps);

    QSpinBox* breakpoint = panel->breakpointField();
    breakpoint->setFocus();
    breakpoint->selectAll();
    QTest::keyClicks(breakpoint, QStringLiteral("900"));
    QTest::keyClick(breakpoint, Qt::Key_Return);
    QCOMPARE(w.data.outputOptions().breakpoint, 900);
    QTest::keyClick(breakpoint, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.data.outputOptions().breakpoint, 640);
    QCOMPARE(breakpoint->value(), 640);
}

void TestShell::colourWindow_staysWithTheWindowAndPassesShortcuts() {
    Window w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.action("mainMenu")->trigger();
    auto* radius = w.window.stylePanels().sizeViewContainer->findChild<QLineEdit*>(
        QStringLiteral("borderRadiusTextField"));
    typeInto(radius, QStringLiteral("33"));
    QTRY_COMPARE(w.window.document()->history().stack().count(), 1);
    auto* well = w.window.stylePanels().sizeViewContainer->findChild<ColorPickerImageView*>(
        QStringLiteral("borderColorImage"));
    QVERIFY(well);
    QTest::keyClick(well, Qt::Key_Space);
    QColorDialog* colours = ColorPickerImageView::sharedColorDialog();
    QTRY_VERIFY(colours->isVisible());
    // A tool window of Brindle's window: kept above it, not behind it after a click there.
    QCOMPARE(colours->parentWidget(), &w.window);
    QVERIFY(colours->windowFlags().testFlag(Qt::Tool));
    colours->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(colours));
    // The window's shortcuts work from the colour window, once each.
    QTest::keyClick(colours, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.data.borderRadius(), 25);
    QTest::keyClick(colours, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.data.borderRadius(), 33);
    // It closes with the window.
    w.window.document()->history().stack().setClean();
    QVERIFY(w.window.close());
    QVERIFY(!colours->isVisible());
}

// The worst contrast shows beside each text colour well and in the Check Contrast window,
// marked and explained when too low, and follows edits and undo.
void TestShell::contrast_followsEveryEditBesideTheWellsAndInItsWindow() {
    Window w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    const QList<ContrastBadge*> badges = w.window.findChildren<ContrastBadge*>();
    // Beside the text wells of the Main Menu and Sub-Menu modes, and in Quick Mode.
    QCOMPARE(badges.size(), 12);
    ContrastBadge* hover = nullptr;
    for (ContrastBadge* badge : badges) {
        if (badge->level() == MenuLevel::Main && badge->state() == MenuState::Hover)
            hover = badge;
    }
    QVERIFY(hover);
    const QString before = hover->text();
    // The default hover text over the default bar's dark end is already below 4.5 : 1.
    QCOMPARE(before, QStringLiteral("⚠ 3.7 : 1"));

    w.data.setMainMenufontColorHover(Color::fromBytes(62, 72, 0));
    w.center.post(QStringLiteral("MainMenuFontColorHoverDataUpdated"),
                  w.window.stylePanels().textHoverViewContainer);
    w.data.setStartBackgroundColorHover(Color::fromBytes(0, 0, 0));
    w.data.setColorTransparencyHover(50);
    w.center.post(QStringLiteral("BackgroundColorHoverDataUpdated"),
                  w.window.stylePanels().backgroundHoverViewContainer);
    // Worked out once the change's files are all written, in the same pass of the event loop.
    QTRY_COMPARE(hover->text(), QStringLiteral("⚠ 1.1 : 1"));
    QVERIFY(hover->toolTip().contains(QStringLiteral("below 4.5 : 1")));
    QCOMPARE(hover->accessibleDescription(), hover->toolTip());

    w.window.findChild<QAction*>(QStringLiteral("checkContrast"))->trigger();
    auto* window = w.window.findChild<ContrastWindow*>();
    QVERIFY(window && window->isVisible());
    QTreeWidgetItem* barHover = window->list()->topLevelItem(1);
    QCOMPARE(barHover->text(1), hover->text());
    QCOMPARE(barHover->text(3), ContrastWindow::placeToFix(MenuLevel::Main, MenuState::Hover));

    w.window.document()->history().commitPending();
    w.window.document()->undoAction()->trigger();
    w.window.document()->undoAction()->trigger();
    QTRY_COMPARE(hover->text(), before);
    QCOMPARE(window->list()->topLevelItem(1)->text(1), before);

    // The status bar flags hard-to-read text in every mode.
    auto* warning = w.window.findChild<QPushButton*>(QStringLiteral("contrastWarning"));
    QVERIFY(warning && warning->isVisible());
    QVERIFY(warning->text().contains(QStringLiteral("hard to read")));
    // "Fix in" goes there: the sub-menu's Active row opens the Sub-Menu mode on its Active
    // tab with the text colour well in the keyboard.
    QTreeWidgetItem* subActive = window->list()->topLevelItem(5);
    QCOMPARE(subActive->text(3), ContrastWindow::placeToFix(MenuLevel::SubMenu, MenuState::Active));
    emit window->list()->itemActivated(subActive->child(0), 0);
    QCOMPARE(w.window.modes()->currentModeView(), w.window.subMenuSideBarView());
    QCOMPARE(w.window.subMenuSideBarView()->tabStrip()->selectIndex(), 2);
    QTRY_COMPARE(QApplication::focusWidget(),
                 w.window.stylePanels().subMenuTextActiveViewContainer->findChild<QWidget*>(
                     QStringLiteral("textColorImage")));

    // An icon in the bar's own colour is flagged too, and leads to the bar's backgrounds.
    Node* home = w.data.getMenuRootNode()->childAt(0);
    QImage olive(12, 12, QImage::Format_ARGB32);
    olive.fill(QColor(109, 128, 0));
    home->setImageFileName(QStringLiteral("olive.png"));
    home->setImage(olive);
    w.center.post(QStringLiteral("BackgroundColorHoverDataUpdated"),
                  w.window.stylePanels().backgroundHoverViewContainer);
    QTRY_VERIFY(warning->text().contains(QStringLiteral("1 icon or arrow hard to see")));
    QTreeWidgetItem* icon = nullptr;
    for (int i = 0; i < window->list()->topLevelItemCount(); ++i) {
        if (window->list()->topLevelItem(i)->text(0).startsWith(QStringLiteral("Icon of “Home”")))
            icon = window->list()->topLevelItem(i);
    }
    QVERIFY(icon);
    QCOMPARE(icon->text(1), QStringLiteral("⚠ 1.0 : 1"));
    QCOMPARE(icon->text(2), QStringLiteral("3.0 : 1"));
    emit window->list()->itemActivated(icon, 0);
    QCOMPARE(w.window.modes()->currentModeView(), w.window.sideBarView());
    QCOMPARE(w.window.sideBarView()->tabStrip()->selectIndex(), 0);
}

void TestShell::openInBrowser_failureIsTold_data() {
    QTest::addColumn<QByteArray>("opener"); // the script standing in for xdg-open; none: missing
    QTest::addColumn<bool>("told");
    QTest::newRow("no opener") << QByteArray() << true;
    QTest::newRow("opener fails") << QByteArray("#!/bin/sh\nexit 3\n") << true;
    QTest::newRow("opener works") << QByteArray(
                                         "#!/bin/sh\necho \"$1\" > \"${0%/*}/opened\"\nexit 0\n")
                                  << false;
}

// Open in Browser that cannot open the page says so and names the page's file.
void TestShell::openInBrowser_failureIsTold() {
    QFETCH(QByteArray, opener);
    QFETCH(bool, told);
    QTemporaryDir bin;
    if (!opener.isEmpty()) {
        QFile script(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(opener);
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8());
    const auto restorePath = qScopeGuard([&path] { qputenv("PATH", path); });
    Window w;
    w.window.show();
    QAction* open = w.window.findChild<QAction*>(QStringLiteral("openInBrowser"));
    QVERIFY(open);
    open->trigger();
    const auto alert = [&w] { return w.alert("pageNotOpenedAlert"); };
    if (told) {
        QTRY_VERIFY(alert() != nullptr);
        QVERIFY(alert()->informativeText().contains(
            w.window.controller()->previewFolder()->htmlPath()));
    } else {
        // The page was handed to the opener, and nobody was told of a failure. The opener's
        // shell makes its file before it writes the line: wait for the line.
        QTRY_VERIFY(testsupport::readText(bin.filePath(QStringLiteral("opened")))
                        .contains(w.window.controller()->previewFolder()->htmlPath()));
        QCoreApplication::processEvents();
        QVERIFY(alert() == nullptr);
    }
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
