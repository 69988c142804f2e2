#include "PageSupport.h"
#include "TestFiles.h"
#include "controller/CSSNavMenu.h"
#include "controller/Document.h"
#include "controller/MainWindow.h"
#include "controller/PreviewArea.h"
#include "controller/PreviewView.h"
#include "controller/ProjectActions.h"
#include "editor/MenuStructureView.h"
#include "editor/MenuTreeModel.h"
#include "generator/CodeDocuments.h"
#include "generator/Snippet.h"
#include "model/GlobalData.h"
#include "model/Node.h"
#include "panels/OutputView.h"
#include "panels/StylePanels.h"
#include "platform/NotificationCenter.h"
#include "project/ProjectFile.h"
#include "widgets/CustomTextView.h"
#include "widgets/SideBarContainer.h"
#include "widgets/TabStripView.h"
#include "widgets/WorkspaceModes.h"
#include "workspace/FileWriter.h"
#include "workspace/IconImage.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineScript>

#include <memory>
#include <optional>

using namespace brindle;

namespace {

// A stand-in for a panel: only its identity matters to the routing.
struct Senders {
    QObject sizeView, subMenuSizeView, menuStructureView, quickModeNormalView, backgroundView,
        quickModeView, stranger;
    CSSNavMenu::SenderDirectory directory() const {
        return {{QStringLiteral("sizeViewContainer"), &sizeView},
                {QStringLiteral("subMenuSizeViewContainer"), &subMenuSizeView},
                {QStringLiteral("menuStructureView"), &menuStructureView},
                {QStringLiteral("quickModeNormalView"), &quickModeNormalView},
                {QStringLiteral("backgroundViewContainer"), &backgroundView},
                {QStringLiteral("quickModeView"), &quickModeView}};
    }
};

// Marks a file as old so that a rewrite is visible without waiting for the clock.
void ageFile(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime(QDate(2001, 1, 1), QTime(0, 0)),
                             QFileDevice::FileModificationTime));
}

QDateTime modified(const QString& path) {
    return QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
}

// A controller on a store of its own, registered for the stand-in senders, with both texts
// built and, when asked, a preview folder.
struct Harness {
    GlobalData data;
    NotificationCenter center;
    Senders senders;
    QTemporaryDir base;
    CSSNavMenu controller{data, center};

    explicit Harness(bool withPreviewFolder = true) {
        controller.registerUpdateHandlers(senders.directory());
        controller.generateTexts();
        if (withPreviewFolder && !controller.createHTMLIndexFile(base.path()))
            qFatal("no preview folder");
    }
    const PreviewFolder& folder() const { return *controller.previewFolder(); }
    void post(const char* name, const QObject& sender) {
        center.post(QLatin1String(name), &sender);
    }
};

void compareWithFreshBuild(const GlobalData& data, const CodeDocuments& documents) {
    CodeDocuments fresh(data);
    fresh.insertHTML5Code();
    fresh.insertCSS3Code();
    QCOMPARE(documents.cssText(), fresh.cssText());
    QCOMPARE(documents.htmlText(), fresh.htmlText());
    for (int i = 0; i <= kStylesheetFragmentCount; ++i) {
        const auto fragment = static_cast<Fragment>(i);
        QCOMPARE(documents.fragmentIndex(fragment), fresh.fragmentIndex(fragment));
        QCOMPARE(documents.fragmentText(fragment), fresh.fragmentText(fragment));
    }
}

} // namespace

class ControllerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void registeredSender_splicesAndRewritesOnlyTheStylesheet();
    void otherSender_changesNothing();
    void borderSizeChange_leavesFragmentsWhereAFreshBuildPutsThem();
    void menuChange_writesStylesheetThriceThenPage();
    void sameValue_stillRewrites();
    void quickBackground_matchesDetailedBackground();
    void quickColour_regeneratesEverythingItChanged();
    void reloadData_afterReplacingTheStore_equalsFreshBuild();
    void previewFolder_skipsTakenNames();
    void routingTable_hasOneRowPerNameAndSender();
    void sourceViews_mirrorSplicesAndRefuseTyping();
    void outputPanel_rebuildsSourceViewsAndPreviewFiles();
    void sourceViews_showTheFilesExactly_data();
    void sourceViews_showTheFilesExactly();
    void savedProject_opensAgainWithSourcesAndPreviewFollowing();
    void refusedOrFailedFiles_areToldAndChangeNothing();
    void iconsLeftOutOfAnOpenedProject_areNamed();
    void saveDialog_givesTheProjectExtension_data();
    void saveDialog_givesTheProjectExtension();
    void preview_showsTheChange();
    void preview_clickedLinkHoldsBackNoChange_data();
    void preview_clickedLinkHoldsBackNoChange();

private:
    QTemporaryDir m_temp;
};

void ControllerTest::initTestCase() {
    QLoggingCategory::setFilterRules(QStringLiteral("brindle.info=false"));
    QVERIFY(m_temp.isValid());
}

void ControllerTest::registeredSender_splicesAndRewritesOnlyTheStylesheet() {
    Harness h;
    GlobalData& data = h.data;
    const PreviewFolder& folder = h.folder();
    QCOMPARE(QDir(folder.folderPath()).entryList(QDir::Files | QDir::NoDotAndDotDot),
             (QStringList{QStringLiteral("bottom.png"), QStringLiteral("index.html"),
                          QStringLiteral("styles.css")}));
    QCOMPARE(data.tempFolderPath(), folder.folderPath());
    ageFile(folder.htmlPath());
    ageFile(folder.cssPath());
    const QDateTime htmlTime = modified(folder.htmlPath());

    data.setBorderRadius(7);
    h.post("BorderRadiusDataUpdated", h.senders.sizeView);

    const QString css = testsupport::readText(folder.cssPath());
    QVERIFY(css.contains(QStringLiteral("\t-moz-border-radius: 7px;\n\t-webkit-border-radius: "
                                        "7px;\n\tborder-radius: 7px;\n")));
    QCOMPARE(css, h.controller.documents().cssText());
    QVERIFY(modified(folder.cssPath()) > htmlTime);
    QCOMPARE(modified(folder.htmlPath()), htmlTime);
    // The stylesheet it replaced is gone: no scratch file is left beside the files.
    QCOMPARE(QDir(folder.folderPath())
                 .entryList({QLatin1String(kScratchFilePrefix) + u'*'}, QDir::Files | QDir::Hidden),
             QStringList());
}

void ControllerTest::otherSender_changesNothing() {
    Harness h;
    const QString before = h.controller.documents().cssText();
    QSignalSpy writes(&h.controller, &CSSNavMenu::cssFileWritten);

    h.data.setBorderRadius(9);
    h.post("BorderRadiusDataUpdated", h.senders.subMenuSizeView);
    h.post("BorderRadiusDataUpdated", h.senders.stranger);
    QCOMPARE(h.controller.documents().cssText(), before);
    QCOMPARE(writes.count(), 0);
    QCOMPARE(testsupport::readText(h.folder().cssPath()), before);
}

void ControllerTest::borderSizeChange_leavesFragmentsWhereAFreshBuildPutsThem() {
    Harness h(false);
    h.data.setBorderSize(1234);
    h.post("BorderSizeDataUpdated", h.senders.sizeView);
    compareWithFreshBuild(h.data, h.controller.documents());
    h.data.setBorderSize(0);
    h.data.setBorderColor(Color::fromBytes(1, 2, 3));
    h.post("BorderColorDataUpdated", h.senders.sizeView);
    compareWithFreshBuild(h.data, h.controller.documents());
}

void ControllerTest::menuChange_writesStylesheetThriceThenPage() {
    Harness h;
    GlobalData& data = h.data;
    CSSNavMenu& controller = h.controller;
    QStringList writes;
    connect(&controller, &CSSNavMenu::cssFileWritten, this, [&](bool ok) {
        writes << (ok ? QStringLiteral("css") : QStringLiteral("css failed"));
    });
    connect(&controller, &CSSNavMenu::htmlFileWritten, this, [&](bool ok) {
        writes << (ok ? QStringLiteral("html") : QStringLiteral("html failed"));
    });
    // Only the menu's markup changed: the page can be updated in place.
    connect(&controller, &CSSNavMenu::menuMarkupRewritten, this, [&] { writes.last() += " menu"; });
    connect(&controller, &CSSNavMenu::previewReloadRequested, this,
            [&] { writes.last() += " reload"; });

    Node* root = data.getMenuRootNode();
    Node* added =
        data.addMenuRootNodeChild(Node::make(QStringLiteral("Contact"), QStringLiteral("icon6")));
    added->setParent(root);
    h.post("MenuStructureDataUpdated", h.senders.menuStructureView);

    QCOMPARE(writes, (QStringList{QStringLiteral("css"), QStringLiteral("css"),
                                  QStringLiteral("css"), QStringLiteral("html menu")}));
    const QString html = testsupport::readText(controller.previewFolder()->htmlPath());
    QVERIFY(html.contains(QStringLiteral(
        "\t<li><a class=\"mainmenuicondata\" href=\"#\">Contact</a></li>\n</ul>\n")));
    compareWithFreshBuild(data, controller.documents());

    // A page that cannot be written is not shown: the preview shows what the files hold.
    const QString htmlPath = controller.previewFolder()->htmlPath();
    QVERIFY(QFile::remove(htmlPath));
    QVERIFY(QDir().mkdir(htmlPath));
    writes.clear();
    added->setName(QStringLiteral("Write to us"));
    h.post("MenuStructureDataUpdated", h.senders.menuStructureView);
    QCOMPARE(writes.last(), QStringLiteral("html failed"));
    QVERIFY(!writes.contains(QStringLiteral("css menu")));
    // Once it can be written again, it is shown.
    QVERIFY(QDir().rmdir(htmlPath));
    h.post("MenuStructureDataUpdated", h.senders.menuStructureView);
    QCOMPARE(writes.last(), QStringLiteral("html menu"));
}

void ControllerTest::sameValue_stillRewrites() {
    Harness h;
    ageFile(h.folder().cssPath());
    const QDateTime old = modified(h.folder().cssPath());
    QSignalSpy writes(&h.controller, &CSSNavMenu::cssFileWritten);
    QSignalSpy rewritten(&h.controller, &CSSNavMenu::stylesheetRewritten);
    QSignalSpy reloads(&h.controller, &CSSNavMenu::previewReloadRequested);

    h.post("WidthDataUpdated", h.senders.sizeView); // width unchanged
    QCOMPARE(writes.count(), 1);
    QCOMPARE(writes.at(0).at(0).toBool(), true);
    QCOMPARE(rewritten.count(), 1);
    QCOMPARE(reloads.count(), 0); // a style change is shown in place
    QVERIFY(modified(h.folder().cssPath()) > old);

    // A stylesheet that cannot be written is not shown in place either.
    QVERIFY(QFile::remove(h.folder().cssPath()));
    QVERIFY(QDir().mkdir(h.folder().cssPath()));
    h.post("WidthDataUpdated", h.senders.sizeView);
    QCOMPARE(writes.count(), 2);
    QCOMPARE(writes.at(1).at(0).toBool(), false);
    QCOMPARE(rewritten.count(), 1);
}

void ControllerTest::quickBackground_matchesDetailedBackground() {
    Harness h(false);
    h.data.setStartBackgroundColor(Color::fromBytes(10, 20, 30));
    h.data.setEnableSecondQuarterBackgroundColor(false);

    h.post("QuickModeBackgroundNormalDataUpdated", h.senders.quickModeNormalView);
    const QString viaQuick = h.controller.documents().cssText();
    h.post("BackgroundColorDataUpdated", h.senders.backgroundView);
    QCOMPARE(h.controller.documents().cssText(), viaQuick);
    compareWithFreshBuild(h.data, h.controller.documents());
}

void ControllerTest::quickColour_regeneratesEverythingItChanged() {
    Harness h(false);
    // What the one-well quick colour writes: text colours, border colour, main gradient.
    const Color dark = Color::fromBytes(40, 10, 90);
    h.data.setMainMenufontColor(dark);
    h.data.setMainMenufontColorHover(dark);
    h.data.setMainMenufontColorActive(dark);
    h.data.setBorderColor(dark);
    h.data.setStartBackgroundColor(Color::fromBytes(200, 180, 250));
    h.post("QuickModeDataUpdated", h.senders.quickModeView);
    compareWithFreshBuild(h.data, h.controller.documents());
    QVERIFY(h.controller.documents().cssText().contains(QStringLiteral("\tcolor: #280a5a;\n")));
    QVERIFY(h.controller.documents().cssText().contains(
        QStringLiteral("\tborder: 1px solid #280a5a;\n")));
}

void ControllerTest::reloadData_afterReplacingTheStore_equalsFreshBuild() {
    GlobalData data;
    NotificationCenter center;
    QTemporaryDir base;
    CSSNavMenu controller(data, center);
    controller.generateTexts();
    QVERIFY(controller.createHTMLIndexFile(base.path()));

    // What opening a project does: every setting and the tree replaced, nothing posted.
    data.setBorderRadius(0);
    data.setWidth(55);
    data.setPaddingTop(4);
    data.setMainMenufontFamily(QStringLiteral("Georgia, serif"));
    data.setMainMenufontSize(22);
    data.setSubMenuBorderRadius(12);
    data.setEnableEndBackgroundColorHover(true);
    data.setColorTransparencyActive(55);
    data.setDropShadowOpacity(0.25);
    data.setMainMenuTextShadow2Size(7);
    data.setSubMenufontColorHover(Color::fromBytes(200, 100, 50));
    Node* root = data.getMenuRootNode();
    root->clearChildren();
    Node* only =
        data.addMenuRootNodeChild(Node::make(QStringLiteral("Only"), QStringLiteral("icon9")));
    only->setParent(root);
    Node* sub = data.insertMenuRootNodeChild(
        Node::make(QStringLiteral("Sub é"), QStringLiteral("icon10")), only, -1);
    sub->setParent(only);

    controller.reloadData();
    compareWithFreshBuild(data, controller.documents());
    QCOMPARE(testsupport::readText(controller.previewFolder()->cssPath()),
             controller.documents().cssText());
    QCOMPARE(testsupport::readText(controller.previewFolder()->htmlPath()),
             controller.documents().htmlText());
}

void ControllerTest::previewFolder_skipsTakenNames() {
    QTemporaryDir base;
    QVERIFY(QDir(base.path()).mkdir(QStringLiteral("WebFolder0")));
    QFile taken(QDir(base.path()).filePath(QStringLiteral("WebFolder1")));
    QVERIFY(taken.open(QIODevice::WriteOnly));
    taken.close();

    const auto folder = PreviewFolder::create(base.path());
    QVERIFY(folder.has_value());
    QCOMPARE(QFileInfo(folder->folderPath()).fileName(), QStringLiteral("WebFolder2"));
    QCOMPARE(QFileInfo(folder->folderPath()).permissions() &
                 (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteOther),
             QFileDevice::Permissions());
    const auto next = PreviewFolder::create(base.path());
    QVERIFY(next.has_value());
    QCOMPARE(QFileInfo(next->folderPath()).fileName(), QStringLiteral("WebFolder3"));

    QVERIFY(!PreviewFolder::create(QDir(base.path()).filePath(QStringLiteral("missing/deeper"))));
}

void ControllerTest::routingTable_hasOneRowPerNameAndSender() {
    QCOMPARE(static_cast<int>(routingTable().size()), 51);
    QSet<QString> pairs;
    for (const Registration& row : routingTable())
        pairs.insert(QLatin1String(row.notification) + QLatin1Char('/') +
                     QLatin1String(row.senderOutlet));
    QCOMPARE(pairs.size(), 51);
    QCOMPARE(static_cast<int>(reloadOrder().size()), 35);
    // An opened design may bring another frame: the rebuild comes before every splice.
    QCOMPARE(reloadOrder().front(), UpdateHandler::OutputOptions);
    QVERIFY(!reloadOrder().empty());
    QCOMPARE(handlerIndexOfName("updateMenuStructureDataUpdatedNotification"),
             static_cast<int>(UpdateHandler::MenuStructure));
    QCOMPARE(handlerIndexOfName("updateShowSeparator"), -1);
}

void ControllerTest::sourceViews_mirrorSplicesAndRefuseTyping() {
    GlobalData data;
    NotificationCenter center;
    Senders senders;
    QTemporaryDir base;
    MainWindow window(data, center);
    window.setUp(senders.directory(), base.path());
    QPlainTextEdit* css = window.css3TextView();
    QCOMPARE(css->toPlainText(), window.controller()->documents().cssText());

    css->verticalScrollBar()->setValue(0);
    data.setSubMenuWidth(222);
    center.post(QStringLiteral("SubMenuWidthDataUpdated"), &senders.subMenuSizeView);
    data.setBorderRadius(123456);
    center.post(QStringLiteral("BorderRadiusDataUpdated"), &senders.sizeView);
    // The views follow once the change's fragments are all spliced, in the same pass of the
    // event loop.
    QCoreApplication::processEvents();
    QCOMPARE(css->toPlainText(), window.controller()->documents().cssText());
    QCOMPARE(window.htmlTextView()->toPlainText(), window.controller()->documents().htmlText());

    const QString before = css->toPlainText();
    css->setFocus();
    QTest::keyClicks(css, QStringLiteral("typed"));
    QTest::keyClick(css, Qt::Key_Delete);
    QTest::keyClick(css, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(css->toPlainText(), before);

    window.showSourceView(1);
    QVERIFY(window.htmlTextView()->isVisibleTo(&window) || !window.isVisible());
}

void ControllerTest::outputPanel_rebuildsSourceViewsAndPreviewFiles() {
    GlobalData data;
    NotificationCenter center;
    Senders senders;
    QTemporaryDir base;
    MainWindow window(data, center);
    window.setUp(senders.directory(), base.path());
    OutputView* panel = window.stylePanels().outputViewContainer;
    QVERIFY(panel);
    const CodeDocuments& documents = window.controller()->documents();
    const QString folder = window.controller()->previewFolder()->folderPath();
    const auto file = [&folder](const char* name) {
        return testsupport::readText(QDir(folder).filePath(QLatin1String(name)));
    };
    // Every view and file shows the current texts; the page's script is there for Modern.
    const auto verifyShown = [&](bool modern) {
        QCoreApplication::processEvents(); // the views follow in the same pass of the loop
        QCOMPARE(window.css3TextView()->toPlainText(), documents.cssText());
        QCOMPARE(window.htmlTextView()->toPlainText(), documents.htmlText());
        QCOMPARE(file("styles.css"), documents.cssText());
        QCOMPARE(file("index.html"), documents.htmlText());
        QCOMPARE(QFile::exists(QDir(folder).filePath(QStringLiteral("menu.js"))), modern);
        compareWithFreshBuild(data, documents);
    };
    QVERIFY(!panel->navLabelField()->isEnabled());
    QVERIFY(!panel->directionComboBox()->isEnabled());
    // A Classic design says that its page shows two levels while the menu has a third.
    QVERIFY(panel->levelNote()->isHidden());
    MenuTreeModel* model = window.menuStructureView()->treeModel();
    Node* firstSubItem = model->rootNode()->childAt(1)->childAt(0);
    const QModelIndex deep = model->appendItem(
        Node::make(QStringLiteral("Deep"), QStringLiteral("icon9")), firstSubItem);
    QVERIFY(!panel->levelNote()->isHidden());
    QVERIFY(!documents.htmlText().contains(QStringLiteral("Deep")));
    model->removeItem(deep);
    QVERIFY(panel->levelNote()->isHidden());
    model->appendItem(Node::make(QStringLiteral("Deep"), QStringLiteral("icon9")), firstSubItem);
    // The page's frame changes with every option below: the preview must load it afresh.
    QSignalSpy reloads(window.controller(), &CSSNavMenu::previewReloadRequested);
    QSignalSpy inPlace(window.controller(), &CSSNavMenu::menuMarkupRewritten);

    panel->styleComboBox()->setCurrentIndex(1);
    emit panel->styleComboBox()->activated(1);
    QCOMPARE(data.outputOptions().style, OutputStyle::Modern);
    QVERIFY(panel->levelNote()->isHidden());
    QVERIFY(documents.htmlText().contains(QStringLiteral("<bdi>Deep</bdi>")));
    QVERIFY(panel->navLabelField()->isEnabled());
    QVERIFY(documents.htmlText().contains(
        QStringLiteral("<nav class=\"brindlenav-nav\" aria-label=\"Main\">")));
    QVERIFY(!documents.cssText().contains(QStringLiteral("-webkit-")));
    verifyShown(true);
    QCOMPARE(file("menu.js"), documents.scriptText());

    // A setting still travels by splice inside the Modern frame.
    data.setBorderRadius(7);
    center.post(QStringLiteral("BorderRadiusDataUpdated"), &senders.sizeView);
    QVERIFY(documents.cssText().contains(QStringLiteral("\tborder-radius: 7px;\n")));
    verifyShown(true);

    // An emptied name gives the landmark its default name back; a typed one is used.
    panel->navLabelField()->setText(QStringLiteral("  Shop   menu "));
    emit panel->navLabelField()->editingFinished();
    QCOMPARE(data.outputOptions().navLabel, QStringLiteral("Shop menu"));
    QVERIFY(documents.htmlText().contains(QStringLiteral("aria-label=\"Shop menu\"")));
    panel->navLabelField()->clear();
    emit panel->navLabelField()->editingFinished();
    QCOMPARE(data.outputOptions().navLabel, QStringLiteral("Main"));
    panel->breakpointField()->setValue(900);
    QVERIFY(documents.cssText().contains(QStringLiteral("@media (max-width: 899.98px) {")));
    verifyShown(true);

    // The direction is written on the menu, and taken back with "From the page".
    QVERIFY(panel->directionComboBox()->isEnabled());
    panel->directionComboBox()->setCurrentIndex(2);
    emit panel->directionComboBox()->activated(2);
    QCOMPARE(data.outputOptions().direction, MenuDirection::RightToLeft);
    QVERIFY(documents.htmlText().contains(QStringLiteral("aria-label=\"Main\" dir=\"rtl\">")));
    verifyShown(true);
    panel->directionComboBox()->setCurrentIndex(0);
    emit panel->directionComboBox()->activated(0);
    QCOMPARE(data.outputOptions().direction, MenuDirection::Page);
    QVERIFY(documents.htmlText().contains(QStringLiteral("aria-label=\"Main\">")));

    // The current page's look, chosen in the Main Menu and Sub-Menu modes, survives the
    // Output panel's own changes; Classic has none to choose.
    CurrentPageView* bar = window.stylePanels().currentPageViewContainer;
    CurrentPageView* dropDowns = window.stylePanels().subMenuCurrentPageViewContainer;
    QVERIFY(bar->lookComboBox()->isEnabled());
    bar->lookComboBox()->setCurrentIndex(1);
    emit bar->lookComboBox()->activated(1);
    dropDowns->lookComboBox()->setCurrentIndex(2);
    emit dropDowns->lookComboBox()->activated(2);
    QCOMPARE(data.outputOptions().currentPageLook, CurrentPageLook::Hover);
    QCOMPARE(data.outputOptions().subMenuCurrentPageLook, CurrentPageLook::Plain);
    QVERIFY(documents.cssText().contains(
        QStringLiteral("li:hover,\n.brindlenav-nav .brindlenav > li.brindlenav-current,\n")));
    QVERIFY(!documents.cssText().contains(QStringLiteral("ul li.brindlenav-current")));
    verifyShown(true);
    panel->breakpointField()->setValue(901);
    QCOMPARE(data.outputOptions().currentPageLook, CurrentPageLook::Hover);
    QCOMPARE(data.outputOptions().subMenuCurrentPageLook, CurrentPageLook::Plain);
    panel->styleComboBox()->setCurrentIndex(0);
    emit panel->styleComboBox()->activated(0);
    QVERIFY(!bar->lookComboBox()->isEnabled());
    QVERIFY(!dropDowns->lookComboBox()->isEnabled());
    QCOMPARE(bar->lookComboBox()->currentIndex(), 1);
    panel->styleComboBox()->setCurrentIndex(1);
    emit panel->styleComboBox()->activated(1);
    QVERIFY(bar->lookComboBox()->isEnabled());

    // A class name of one's own names every class and id; one that is not a class name is
    // refused with a word, and the menu keeps its name.
    QSignalSpy said(panel, &OutputView::statusMessage);
    panel->classNameField()->setText(QStringLiteral("site"));
    emit panel->classNameField()->editingFinished();
    QCOMPARE(data.outputOptions().className, QStringLiteral("site"));
    QVERIFY(documents.htmlText().contains(QStringLiteral("<nav class=\"site-nav\"")));
    verifyShown(true);
    for (const QString& refused : {QStringLiteral("2nav"), QStringLiteral("-"), QString()}) {
        panel->classNameField()->setText(refused);
        emit panel->classNameField()->editingFinished();
        QCOMPARE(data.outputOptions().className, QStringLiteral("site"));
        QCOMPARE(panel->classNameField()->text(), QStringLiteral("site"));
    }
    QCOMPARE(said.count(), 3);
    // A space typed into the name is refused there and then, with a word.
    panel->classNameField()->setText(QStringLiteral("site"));
    panel->classNameField()->setCursorPosition(4);
    QTest::keyClick(panel->classNameField(), Qt::Key_Space);
    QCOMPARE(panel->classNameField()->text(), QStringLiteral("site"));
    QCOMPARE(said.count(), 4);
    QVERIFY(said.last().first().toString().contains(QStringLiteral("“site-nav”")));

    // The menu alone, as Export Snippet writes it, from Edit → Copy HTML and Copy CSS.
    const Snippet snippet = buildSnippet(data);
    window.findChild<QAction*>(QStringLiteral("copySnippetHTML"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), snippet.html);
    QVERIFY(snippet.html.contains(QStringLiteral("<nav class=\"site-nav\"")));
    window.findChild<QAction*>(QStringLiteral("copySnippetCSS"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), snippet.css);
    QTemporaryDir snippetFolder;
    QVERIFY(window.projectActions()->exportSnippetTo(snippetFolder.path()));
    QCOMPARE(testsupport::readText(snippetFolder.filePath(QStringLiteral("site.html"))),
             snippet.html);
    QCOMPARE(testsupport::readText(snippetFolder.filePath(QStringLiteral("site.css"))),
             snippet.css);
    QCOMPARE(testsupport::readText(snippetFolder.filePath(QStringLiteral("site.js"))),
             snippet.script);

    // The folder is a site's: a file of its own under a snippet's name is replaced only when
    // the user says so; the question lists it.
    QVERIFY(QFile::remove(snippetFolder.filePath(QStringLiteral("site.css"))));
    QVERIFY(QFile::copy(snippetFolder.filePath(QStringLiteral("site.js")),
                        snippetFolder.filePath(QStringLiteral("site.css"))));
    for (const bool replace : {false, true}) {
        QVERIFY(!window.projectActions()->exportSnippetTo(snippetFolder.path()));
        QMessageBox* question = nullptr;
        QTRY_VERIFY((question = window.findChild<QMessageBox*>(
                         QStringLiteral("replaceFilesQuestion"))) != nullptr);
        QCOMPARE(question->informativeText(), QStringLiteral("site.css"));
        QAbstractButton* answer = question->button(QMessageBox::Cancel);
        for (QAbstractButton* button : question->buttons()) {
            if (replace && button->text() == QStringLiteral("&Replace"))
                answer = button;
        }
        answer->click();
        QTRY_VERIFY(window.findChild<QMessageBox*>(QStringLiteral("replaceFilesQuestion")) ==
                    nullptr);
        QCOMPARE(testsupport::readText(snippetFolder.filePath(QStringLiteral("site.css"))) ==
                     snippet.css,
                 replace);
    }

    panel->styleComboBox()->setCurrentIndex(0);
    emit panel->styleComboBox()->activated(0);
    QCOMPARE(data.outputOptions().style, OutputStyle::Classic);
    QVERIFY(documents.cssText().contains(QStringLiteral("\t-moz-border-radius: 7px;\n")));
    QVERIFY(!documents.htmlText().contains(QStringLiteral("<nav")));
    verifyShown(false);
    // Style, name twice, direction twice, style twice more, class name and style again; the
    // breakpoint and the current page's looks leave the page as it was.
    QCOMPARE(reloads.count(), 9);
    QCOMPARE(inPlace.count(), 4);
}

void ControllerTest::sourceViews_showTheFilesExactly_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown"); // the title as the source view shows it

    QTest::newRow("CRLF") << QStringLiteral("Two\r\nlines") << QStringLiteral("Two\u23CE\nlines");
    QTest::newRow("lone CR") << QStringLiteral("\rA\rB") << QStringLiteral("\u23CEA\u23CEB");
    QTest::newRow("LF and tabs") << QStringLiteral("\tA\nB\t") << QStringLiteral("\tA\nB\t");
    QTest::newRow("Unicode separators")
        << QStringLiteral("A\u2028B\u2029C") << QStringLiteral("A\u21B5B\u00B6C");
    QTest::newRow("text-frame marks")
        << QStringLiteral("A\uFDD0B\uFDD1") << QStringLiteral("A\uFFFDB\uFFFD");
    QTest::newRow("no-break space") << QStringLiteral("A\u00A0B") << QStringLiteral("A\u00A0B");
}

// Titles and links read from a project file may hold line breaks of any kind; the files keep
// them, and after any number of splices the HTML view shows the file character for
// character (breaks other than LF as visible stand-ins) and copies exactly the file's text.
void ControllerTest::sourceViews_showTheFilesExactly() {
    QFETCH(QString, title);
    QFETCH(QString, shown);

    QTemporaryDir base;
    const QString project = base.filePath(QStringLiteral("Breaks.brindleprj"));
    {
        GlobalData design;
        design.setTempFolderPath(base.path());
        Node* root = design.getMenuRootNode();
        root->clearChildren();
        Node* first = design.addMenuRootNodeChild(Node::make(title, QStringLiteral("icon1")));
        first->setParent(root);
        first->setLink(title + QStringLiteral(".html"));
        Node* sub = design.insertMenuRootNodeChild(
            Node::make(QStringLiteral("Sub"), QStringLiteral("icon2")), first, -1);
        sub->setParent(first);
        Node* last = design.addMenuRootNodeChild(Node::make(title, QStringLiteral("icon3")));
        last->setParent(root);
        QVERIFY(saveProjectToFile(design, project));
    }

    GlobalData data;
    NotificationCenter center;
    MainWindow window(data, center);
    window.setUp({}, base.path());
    QVERIFY(window.document()->replaceNow(DesignSource::project(project)));
    QCOMPARE(data.getMenuRootNode()->childAt(0)->name(), title); // kept as read

    CustomTextView* view = window.htmlTextView();
    const QString htmlPath = window.controller()->previewFolder()->htmlPath();
    MenuTreeModel* model = window.menuStructureView()->treeModel();
    const auto check = [&](const char* after) {
        QCoreApplication::processEvents(); // the view follows in the same pass of the loop
        const QString file = testsupport::readText(htmlPath);
        QVERIFY2(file.contains(title), after);
        QVERIFY2(view->text() == file, after);
        QString displayed = file;
        displayed.replace(title, shown);
        // Every block of the document is one LF-ended line of the file.
        QString blocks = view->document()->toRawText();
        blocks.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        QVERIFY2(blocks == displayed, after);
        QVERIFY2(view->document()->blockCount() == file.count(QLatin1Char('\n')) + 1, after);
        QVERIFY2(view->toPlainText().size() == file.size(), after);
        view->selectAll();
        view->copy();
        QVERIFY2(QGuiApplication::clipboard()->text() == file, after);
    };
    check("opening");
    if (QTest::currentTestFailed())
        return;

    // Menu edits through the editor's model: each splices the list markup again.
    model->setData(model->index(1, 0), QStringLiteral("Renamed"), Qt::EditRole);
    check("a rename");
    model->appendItem(Node::make(title + title, QStringLiteral("icon4")), model->rootNode());
    check("an added item");
    std::unique_ptr<QMimeData> dragged(model->mimeData({model->index(2, 0)}));
    QVERIFY(model->canDropMimeData(dragged.get(), Qt::MoveAction, 0, 0, model->index(0, 0)));
    model->dropMimeData(dragged.get(), Qt::MoveAction, 0, 0, model->index(0, 0));
    QCOMPARE(model->rowCount(model->index(0, 0)), 2);
    check("a move");
    model->removeItem(model->index(1, 0));
    check("a removal");
    model->setData(model->index(0, 0), title, Qt::EditRole);
    check("a second rename");
}

// Asks the loaded preview page, from the application's script world, for a value.
QVariant askPage(PreviewView* view, const QString& script) {
    // Shared with the callback, which may come after a timeout.
    auto answer = std::make_shared<std::optional<QVariant>>();
    view->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                [answer](const QVariant& value) { *answer = value; });
    for (int waited = 0; !answer->has_value() && waited < 10000; waited += 10)
        QTest::qWait(10);
    return answer->value_or(QVariant());
}

// The pure blue pixels of a picture, every second one across and down.
int bluePixels(const QImage& image) {
    int blue = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 240 && c.red() < 15 && c.green() < 15)
                ++blue;
        }
    return blue;
}

void ControllerTest::preview_showsTheChange() {
    GlobalData data;
    NotificationCenter center;
    Senders senders;
    QTemporaryDir base;
    MainWindow window(data, center);
    QSignalSpy loaded(window.previewView(), &QWebEngineView::loadFinished);
    window.setUp(senders.directory(), base.path());
    window.resize(1000, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(loaded.wait(20000));
    QVERIFY(loaded.last().at(0).toBool());
    PreviewView* view = window.previewView();

    const auto countBlue = [&] { return bluePixels(view->grab().toImage()); };
    QCOMPARE(countBlue(), 0);
    // A page taller than the view, scrolled down: a style change must keep the place.
    askPage(view, QStringLiteral("document.body.style.minHeight = '3000px'; "
                                 "window.scrollTo(0, 400); window.scrollY"));
    QCOMPARE(askPage(view, QStringLiteral("window.scrollY")).toInt(), 400);

    // A plain blue bar: no stop enabled beyond the start.
    QSignalSpy started(view, &QWebEngineView::loadStarted);
    QSignalSpy painted(view, &PreviewView::changePainted);
    data.setStartBackgroundColor(Color::fromBytes(0, 0, 255));
    data.setEnableFirstQuarterBackgroundColor(false);
    data.setEnableSecondQuarterBackgroundColor(false);
    data.setEnableThirdQuarterBackgroundColor(false);
    data.setEnableEndBackgroundColor(false);
    center.post(QStringLiteral("BackgroundColorDataUpdated"), &senders.backgroundView);
    QVERIFY(painted.wait(10000));
    QCOMPARE(started.count(), 0);
    QCOMPARE(askPage(view, QStringLiteral("window.scrollY")).toInt(), 400);
    askPage(view, QStringLiteral("window.scrollTo(0, 0); 0"));
    QTRY_VERIFY_WITH_TIMEOUT(countBlue() > 100, 10000);

    // Sub-menu mode opens the first sub-menu, its Hover tab pins a sub-item's hover look.
    const QString subMenuShown =
        QStringLiteral("getComputedStyle(document.querySelector('li li').parentElement).display");
    QCOMPARE(askPage(view, subMenuShown).toString(), QStringLiteral("none"));
    window.modes()->showSubMenuMode();
    QTRY_COMPARE(askPage(view, subMenuShown).toString(), QStringLiteral("block"));
    const QString subItemBackground =
        QStringLiteral("getComputedStyle(document.querySelector('li li')).backgroundColor");
    const QString normalLook = askPage(view, subItemBackground).toString();
    window.subMenuSideBarView()->tabStrip()->selectTab(1);
    QTRY_VERIFY(askPage(view, subItemBackground).toString() != normalLook);
    // A menu change is shown in place: no load, the scroll position and the pinned state stay.
    askPage(view, QStringLiteral("window.scrollTo(0, 300); 0"));
    const QString firstTitle = QStringLiteral("document.querySelector('ul a').textContent");
    const QString folderPath = data.tempFolderPath();
    const auto postMenuChange = [&] {
        center.post(QStringLiteral("MenuStructureDataUpdated"), &senders.menuStructureView);
    };
    Node* first = data.getMenuRootNode()->childAt(0);
    first->setName(QStringLiteral("Start <here>"));
    painted.clear();
    postMenuChange();
    QVERIFY(painted.wait(10000));
    QCOMPARE(askPage(view, firstTitle).toString(), QStringLiteral("Start <here>"));
    QCOMPARE(askPage(view, subMenuShown).toString(), QStringLiteral("block"));
    QCOMPARE(askPage(view, QStringLiteral("window.scrollY")).toInt(), 300);
    // A new picture is a new file: still in place.
    const auto givePicture = [&](QRgb colour) {
        QImage picture(12, 12, QImage::Format_ARGB32);
        picture.fill(colour);
        setNodeImage(*first, QStringLiteral("dot.png"), picture);
        QVERIFY(PreviewFolder::writeFile(folderPath, QStringLiteral("dot.png"),
                                         encodeIconForFileName(picture, QStringLiteral("dot.png")))
                    .ok);
    };
    givePicture(qRgb(255, 0, 0));
    painted.clear();
    postMenuChange();
    QVERIFY(painted.wait(10000));
    QCOMPARE(started.count(), 0);
    // The same file name with another picture: the engine keeps pictures by address, so only
    // a reload shows it; the pins come back.
    givePicture(qRgb(0, 0, 255));
    postMenuChange();
    QVERIFY(loaded.wait(20000));
    QCOMPARE(started.count(), 1);
    QTRY_COMPARE(askPage(view, subMenuShown).toString(), QStringLiteral("block"));
    QCOMPARE(askPage(view, firstTitle).toString(), QStringLiteral("Start <here>"));
    window.modes()->showMenuStructureMode();
    QTRY_COMPARE(askPage(view, subMenuShown).toString(), QStringLiteral("none"));

    // In a Modern design the Current tab marks the sub-item as the page being shown, its
    // owner as the section, in their current look; the Normal tab takes the marks away.
    OutputView* output = window.stylePanels().outputViewContainer;
    output->styleComboBox()->setCurrentIndex(1);
    emit output->styleComboBox()->activated(1);
    QVERIFY(loaded.wait(20000));
    window.modes()->showSubMenuMode();
    QTRY_COMPARE(askPage(view, subMenuShown).toString(), QStringLiteral("block"));
    const QString marks =
        QStringLiteral("[document.querySelector('li li > a').getAttribute('aria-current'), "
                       "document.querySelector('li li').className, "
                       "document.querySelector('li li').parentElement.parentElement.classList"
                       ".contains('brindlenav-section')].join('|')");
    const QString plainLook = askPage(view, subItemBackground).toString();
    window.subMenuSideBarView()->tabStrip()->selectTab(3);
    QTRY_COMPARE(askPage(view, marks).toString(), QStringLiteral("page|brindlenav-current|true"));
    QVERIFY(askPage(view, subItemBackground).toString() != plainLook);
    window.subMenuSideBarView()->tabStrip()->selectTab(0);
    QTRY_COMPARE(askPage(view, marks).toString(), QStringLiteral("||false"));
    window.modes()->showMenuStructureMode();
    QTRY_COMPARE(askPage(view, subMenuShown).toString(), QStringLiteral("none"));

    // Tablet width in an area narrower than a tablet: the window keeps its size, the page is
    // laid out 768 px wide and shown smaller.
    const int windowWidth = window.width();
    QVERIFY(view->width() < PreviewArea::kTabletWidth);
    window.previewArea()->setDevice(PreviewArea::Device::Tablet);
    QTRY_COMPARE(askPage(view, QStringLiteral("window.innerWidth")).toInt(),
                 PreviewArea::kTabletWidth);
    QCOMPARE(window.width(), windowWidth);
    QVERIFY(window.minimumSizeHint().width() < windowWidth);
    // Phone width: the page is laid out 375 px wide; the choice is kept for the next run.
    window.previewArea()->setDevice(PreviewArea::Device::Phone);
    QTRY_COMPARE(askPage(view, QStringLiteral("window.innerWidth")).toInt(),
                 PreviewArea::kPhoneWidth);
    QCOMPARE(PreviewArea().device(), PreviewArea::Device::Phone);
    // What a tap opened at phone width belongs to it: a sub-menu opened there is closed at
    // another width.
    askPage(view, QStringLiteral("document.querySelector('li > ul').parentNode.classList"
                                 ".add('brindlenav-open'); true"));
    window.previewArea()->setDevice(PreviewArea::Device::Desktop);
    QTRY_COMPARE(askPage(view, QStringLiteral("window.innerWidth")).toInt(), view->width());
    QTRY_COMPARE(
        askPage(view, QStringLiteral("document.querySelectorAll('.brindlenav-open').length"))
            .toInt(),
        0);
    QVERIFY(view->width() > PreviewArea::kPhoneWidth);

    // Preview aids never reach the files.
    const QString folder = data.tempFolderPath();
    for (const QString& name : {QStringLiteral("styles.css"), QStringLiteral("index.html")}) {
        const QString text = testsupport::readText(QDir(folder).filePath(name));
        QVERIFY(!text.contains(QStringLiteral("brindle-preview")));
    }
    QVERIFY(
        !window.controller()->documents().cssText().contains(QStringLiteral("brindle-preview")));
}

// Receives the addresses that would go to the user's browser.
class BrowserStandIn : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

void ControllerTest::preview_clickedLinkHoldsBackNoChange_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("toBrowser");
    QTest::newRow("relative page") << "about.html" << false;
    QTest::newRow("the page itself") << "index.html" << false;
    QTest::newRow("fragment") << "#top" << false;
    QTest::newRow("outside address") << "https://example.com/shop" << true;
}

// Designers click their links in the preview: nothing is followed there, and every later
// change still reaches the painted page.
void ControllerTest::preview_clickedLinkHoldsBackNoChange() {
    QFETCH(QString, link);
    QFETCH(bool, toBrowser);
    BrowserStandIn browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    const auto dropHandler =
        qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); });
    GlobalData data;
    NotificationCenter center;
    Senders senders;
    QTemporaryDir base;
    data.getMenuRootNode()->childAt(0)->setLink(link);
    MainWindow window(data, center);
    QSignalSpy loaded(window.previewView(), &QWebEngineView::loadFinished);
    window.setUp(senders.directory(), base.path());
    window.resize(1000, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(loaded.wait(20000));
    PreviewView* view = window.previewView();
    QSignalSpy painted(view, &PreviewView::changePainted);

    QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {},
                      testsupport::centreOf(view->page(), QStringLiteral("ul a")));
    QTRY_VERIFY_WITH_TIMEOUT(browser.opened.size() == (toBrowser ? 1 : 0), 5000);
    QTest::qWait(300); // the engine's report of the refused navigation
    QTRY_VERIFY_WITH_TIMEOUT(view->isShowingLatest(), 5000);
    QCOMPARE(view->url().adjusted(QUrl::RemoveFragment), view->previewUrl());

    Node* second = data.getMenuRootNode()->childAt(1);
    second->setName(QStringLiteral("Renamed"));
    center.post(QStringLiteral("MenuStructureDataUpdated"), &senders.menuStructureView);
    QVERIFY(painted.wait(10000));
    QCOMPARE(askPage(view, QStringLiteral("document.querySelectorAll('ul a')[1].textContent"))
                 .toString(),
             QStringLiteral("Renamed"));
    data.setStartBackgroundColor(Color::fromBytes(0, 0, 255));
    data.setEnableFirstQuarterBackgroundColor(false);
    data.setEnableSecondQuarterBackgroundColor(false);
    data.setEnableThirdQuarterBackgroundColor(false);
    data.setEnableEndBackgroundColor(false);
    painted.clear();
    center.post(QStringLiteral("BackgroundColorDataUpdated"), &senders.backgroundView);
    QVERIFY(painted.wait(10000));
    QTRY_VERIFY_WITH_TIMEOUT(bluePixels(view->grab().toImage()) > 100, 10000);
}

void ControllerTest::savedProject_opensAgainWithSourcesAndPreviewFollowing() {
    GlobalData data;
    NotificationCenter center;
    QTemporaryDir base;
    MainWindow window(data, center);
    window.setUp({}, base.path());
    QStringList recorded;
    connect(window.projectActions(), &ProjectActions::projectRecorded, this,
            [&](const QString& path) { recorded << path; });

    // A design of its own: settings and a tree that differ from the defaults.
    data.setBorderRadius(3);
    data.setSubMenuWidth(240);
    data.setMainMenufontFamily(QStringLiteral("Georgia, serif"));
    data.setEndBackgroundColorHover(Color::fromBytes(1, 2, 3));
    data.setEnableEndBackgroundColorHover(true);
    Node* root = data.getMenuRootNode();
    Node* extra = data.addMenuRootNodeChild(
        Node::make(QStringLiteral("Café & Bar"), QStringLiteral("icon7")));
    extra->setParent(root);
    extra->setLink(QStringLiteral("https://example.org/?a=1&b=2"));
    window.controller()->reloadData();
    const QString savedCss = window.controller()->documents().cssText();
    const QString savedHtml = window.controller()->documents().htmlText();

    const QString path = base.filePath(QStringLiteral("Design.brindleprj"));
    QVERIFY(window.projectActions()->saveProjectToFile(path));

    // Change everything again, through the same roads the panels and the editor take.
    data.setBorderRadius(40);
    data.setSubMenuWidth(100);
    root->takeChild(extra);
    window.controller()->reloadData();
    QVERIFY(window.controller()->documents().cssText() != savedCss);

    QVERIFY(window.document()->replaceNow(DesignSource::project(path)));
    QCOMPARE(recorded, (QStringList{path, path}));
    QCOMPARE(window.controller()->documents().cssText(), savedCss);
    QCOMPARE(window.controller()->documents().htmlText(), savedHtml);
    compareWithFreshBuild(data, window.controller()->documents());
    QCOMPARE(window.css3TextView()->toPlainText(), savedCss);
    QCOMPARE(window.htmlTextView()->toPlainText(), savedHtml);
    const PreviewFolder& folder = *window.controller()->previewFolder();
    QCOMPARE(testsupport::readText(folder.cssPath()), savedCss);
    QCOMPARE(testsupport::readText(folder.htmlPath()), savedHtml);
    QVERIFY(savedHtml.contains(QStringLiteral(
        "<a class=\"mainmenuicondata\" href=\"https://example.org/?a=1&amp;b=2\">Café &amp; "
        "Bar</a>")));
}

void ControllerTest::refusedOrFailedFiles_areToldAndChangeNothing() {
    GlobalData data;
    NotificationCenter center;
    QTemporaryDir base;
    MainWindow window(data, center);
    window.setUp({}, base.path());
    window.show();
    QStringList recorded;
    connect(window.projectActions(), &ProjectActions::projectRecorded, this,
            [&](const QString& path) { recorded << path; });
    const QString css = window.controller()->documents().cssText();
    const QString html = window.controller()->documents().htmlText();
    const auto takeMessage = [&window]() -> QString {
        auto* box = window.findChild<QMessageBox*>();
        if (box == nullptr)
            return QString();
        const QString text = box->text();
        if (box->windowModality() != Qt::WindowModal)
            return QStringLiteral("not window-modal: ") + text;
        box->close();
        delete box;
        return text;
    };

    // Not a project at all.
    const QString junk = base.filePath(QStringLiteral("junk.brindleprj"));
    QFile file(junk);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<plist><array><string>Version 3.0</string><integer>1</integer></array></plist>");
    file.close();
    QVERIFY(!window.document()->replaceNow(DesignSource::project(junk)));
    QString message = takeMessage();
    QVERIFY2(message.contains(QStringLiteral("junk.brindleprj")), qPrintable(message));
    QCOMPARE(window.controller()->documents().cssText(), css);
    QCOMPARE(window.controller()->documents().htmlText(), html);

    // A folder that does not exist: the save fails and is told.
    const QString nowhere = base.filePath(QStringLiteral("missing/Design.brindleprj"));
    QVERIFY(!window.projectActions()->saveProjectToFile(nowhere));
    message = takeMessage();
    QVERIFY2(message.contains(QStringLiteral("Design.brindleprj")), qPrintable(message));
    QVERIFY(!QFile::exists(nowhere));

    // Exports into a folder that cannot be written.
    QVERIFY(!window.projectActions()->exportAllTo(nowhere));
    QVERIFY(!takeMessage().isEmpty());
    QVERIFY(!window.projectActions()->exportCSSTo(nowhere));
    QVERIFY(!takeMessage().isEmpty());

    QVERIFY(recorded.isEmpty());
    QCOMPARE(window.projectActions()->lastErrorMessage().isEmpty(), false);
}

void ControllerTest::iconsLeftOutOfAnOpenedProject_areNamed() {
    GlobalData data;
    NotificationCenter center;
    QTemporaryDir base;
    MainWindow window(data, center);
    window.setUp({}, base.path());
    window.show();
    QSignalSpy status(window.projectActions(), &ProjectActions::statusMessage);
    const auto alert = [&window] {
        return window.findChild<QMessageBox*>(QStringLiteral("openWarningsAlert"));
    };

    // Two items with icons; the first icon's picture is spoilt in the saved file.
    const QDir preview(data.tempFolderPath());
    QImage red(4, 4, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(preview.filePath(QStringLiteral("home.png"))));
    QVERIFY(red.save(preview.filePath(QStringLiteral("shop.png"))));
    Node* root = data.getMenuRootNode();
    root->childAt(0)->setImageFileName(QStringLiteral("home.png"));
    root->childAt(1)->setImageFileName(QStringLiteral("shop.png"));
    const QString path = base.filePath(QStringLiteral("Icons.brindleprj"));
    QVERIFY(window.projectActions()->saveProjectToFile(path));
    QString xml = testsupport::readText(path);
    const QRegularExpressionMatch picture =
        QRegularExpression(QStringLiteral("<data>[^<]*</data>")).match(xml);
    QVERIFY(picture.hasMatch());
    xml.replace(picture.capturedStart(), picture.capturedLength(),
                QStringLiteral("<data>AAAA</data>"));
    QVERIFY(writeTextFileAtomically(path, xml));

    // It opens, and a message that does not block names the icon left out.
    QVERIFY(window.document()->replaceNow(DesignSource::project(path)));
    QMessageBox* box = alert();
    QVERIFY(box != nullptr);
    QVERIFY(box->isVisible());
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QVERIFY2(box->informativeText().contains(QStringLiteral("“home.png”")),
             qPrintable(box->informativeText()));
    QVERIFY(!box->informativeText().contains(QStringLiteral("shop.png")));
    QCOMPARE(status.last().at(0).toString(),
             QStringLiteral("Opened Icons.brindleprj without one of its icons"));
    QCOMPARE(root->childAt(0)->imageFileName(), QString());
    QCOMPARE(root->childAt(1)->imageFileName(), QStringLiteral("shop.png"));
    delete box;

    // A project whose icons all load opens without a message.
    QVERIFY(window.projectActions()->saveProjectToFile(path));
    QVERIFY(window.document()->replaceNow(DesignSource::project(path)));
    QCOMPARE(alert(), nullptr);
    QCOMPARE(status.last().at(0).toString(), QStringLiteral("Opened Icons.brindleprj"));
}

void ControllerTest::saveDialog_givesTheProjectExtension_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no extension") << "Design"
                                  << "Design.brindleprj";
    QTest::newRow("project extension") << "Design.brindleprj"
                                       << "Design.brindleprj";
    QTest::newRow("another extension kept") << "Design.v2"
                                            << "Design.v2";
}

void ControllerTest::saveDialog_givesTheProjectExtension() {
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QTemporaryDir folder;
    const QDir dir(folder.path());
    // Also where a platform dialog hands back the name as typed.
    QCOMPARE(ProjectActions::projectSavePath(dir.filePath(typed)), dir.filePath(saved));

    GlobalData data;
    QWidget window;
    ProjectActions actions(data, nullptr, &window);
    QSignalSpy recorded(&actions, &ProjectActions::projectRecorded);
    actions.saveProject();
    auto* dialog = window.findChild<QFileDialog*>();
    QVERIFY(dialog != nullptr);
    dialog->selectFile(dir.filePath(typed));
    QVERIFY(QMetaObject::invokeMethod(dialog, "accept"));
    QCOMPARE(recorded.size(), 1);
    QCOMPARE(recorded.at(0).at(0).toString(), dir.filePath(saved));
    QCOMPARE(dir.entryList(QDir::Files), QStringList{saved});
}

QTEST_MAIN(ControllerTest)
#include "tst_controller.moc"
