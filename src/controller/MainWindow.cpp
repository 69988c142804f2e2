#include "controller/MainWindow.h"

#include "controller/ContrastWindow.h"
#include "controller/Document.h"
#include "controller/GalleryActions.h"
#include "controller/MenuImportActions.h"
#include "controller/PreviewArea.h"
#include "controller/PreviewView.h"
#include "controller/ProjectActions.h"
#include "controller/RecentMenuController.h"
#include "editor/MenuStructureView.h"
#include "panels/BackgroundView.h"
#include "panels/ContrastBadge.h"
#include "panels/OutputView.h"
#include "panels/QuickModeView.h"
#include "panels/ShadowView.h"
#include "panels/SizeView.h"
#include "panels/TextView.h"
#include "resources/Resources.h"
#include "widgets/AboutSheet.h"
#include "widgets/AppInfo.h"
#include "widgets/FieldCommit.h"
#include "widgets/PageOpener.h"
#include "widgets/RelatedAppsSheet.h"
#include "widgets/SideBarContainer.h"
#include "widgets/SourceCodeArea.h"
#include "widgets/WorkspaceModes.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDropEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace brindle {

MainWindow::MainWindow(GlobalData& data, NotificationCenter& center, QWidget* parent)
    : QMainWindow(parent), m_data(data), m_center(center),
      m_controller(new CSSNavMenu(data, center, this)),
      m_projectActions(new ProjectActions(data, m_controller, this)) {
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    m_document = new Document(data, center, m_controller, m_projectActions, this, dataFolder);
    m_gallery = new GalleryActions(data, m_document, this, dataFolder,
                                   QLatin1String(kBuiltInDesignsFolder));
    buildLayout();
    buildModeViews();
    m_menuImport = new MenuImportActions(m_menuStructureView, m_projectActions, this);
    buildFileMenu();
    buildHelpMenu();
    statusBar();

    CodeDocuments& documents = m_controller->documents();
    // The source views follow a change once its fragments are all spliced.
    connect(&documents, &CodeDocuments::cssSpliced, this, &MainWindow::scheduleFollowUp);
    connect(&documents, &CodeDocuments::htmlSpliced, this, &MainWindow::scheduleFollowUp);
    connect(&documents, &CodeDocuments::textsRebuilt, this, [this] {
        css3TextView()->setText(m_controller->documents().cssText());
        htmlTextView()->setText(m_controller->documents().htmlText());
    });
    connect(m_controller, &CSSNavMenu::previewFolderCreated, m_preview, &PreviewView::loadPreview);
    m_preview->setStylesheetSource([this] { return m_controller->documents().stylesheetParts(); });
    m_preview->setMenuMarkupSource([this] { return m_controller->documents().menuListContent(); });
    connect(m_controller, &CSSNavMenu::stylesheetRewritten, m_preview,
            &PreviewView::stylesheetChanged);
    connect(m_controller, &CSSNavMenu::menuMarkupRewritten, m_preview,
            &PreviewView::menuMarkupChanged);
    // Every style change, undo included, rewrites the stylesheet: the contrast follows.
    connect(m_controller, &CSSNavMenu::cssFileWritten, this, &MainWindow::scheduleFollowUp);
    // A menu change may add an icon or the first sub-menu, and with it the arrow.
    connect(m_controller, &CSSNavMenu::htmlFileWritten, this, &MainWindow::scheduleFollowUp);
    connect(m_modes, &WorkspaceModes::modeChanged, this, &MainWindow::updatePreviewPins);
    for (SideBarView* sideBar : {m_sideBarView, m_subMenuSideBarView}) {
        // The strips announce on the process-wide centre.
        NotificationCenter::defaultCenter().addObserver(
            this, QStringLiteral("SelectIndexChanged"), sideBar->tabStrip(),
            [this](const Notification&) { updatePreviewPins(); });
    }
    connect(m_controller, &CSSNavMenu::previewReloadRequested, m_preview,
            &PreviewView::requestReload);
    const auto showStatus = [this](const QString& message) {
        statusBar()->showMessage(message, 5000);
    };
    connect(m_projectActions, &ProjectActions::statusMessage, this, showStatus);
    connect(m_panels.sizeViewContainer, &SizeView::statusMessage, this, showStatus);
    connect(m_panels.outputViewContainer, &OutputView::statusMessage, this, showStatus);
    connect(m_panels.quickModeView, &QuickModeView::statusMessage, this, showStatus);
    for (QuickBackgroundPanel* quick :
         {static_cast<QuickBackgroundPanel*>(m_panels.quickModeNormalView),
          static_cast<QuickBackgroundPanel*>(m_panels.quickModeHoverView),
          static_cast<QuickBackgroundPanel*>(m_panels.quickModeActiveView)})
        connect(quick, &QuickBackgroundPanel::statusMessage, this, showStatus);
    connect(m_menuStructureView, &MenuStructureView::statusMessage, this, showStatus);
    connect(m_gallery, &GalleryActions::statusMessage, this, showStatus);
    connect(m_menuImport, &MenuImportActions::statusMessage, this, showStatus);
    m_panels.sizeViewContainer->setPreviewAddress([this] { return m_preview->previewUrl(); });
    connect(m_document, &Document::designReplaced, this, [this] { reloadFromStore(true); });
    connect(m_document, &Document::designRestored, this, &MainWindow::reloadFromStore);
    connect(m_modes, &WorkspaceModes::modeChanged, this, &MainWindow::reloadStaleSideBarsInView);
    // The menu colour rewrites text colours and the normal gradient shown by the other quick
    // panels.
    connect(m_panels.quickModeView, &QuickModeView::menuColourApplied,
            m_quickSideBarView->container(), &SideBarContainer::reloadData);
}

// A new design, or an undone change: the editor and the side bars refill themselves from the
// store. Refilling the outline loses its selection, so only a changed menu refills it. Each
// colour well announces what it is given and every announcement rewrites the stylesheet, so
// side bars out of view refill when they come into view.
void MainWindow::reloadFromStore(bool menuChanged) {
    if (menuChanged)
        m_menuStructureView->reloadData();
    m_staleSideBars = {m_sideBarView->container(), m_subMenuSideBarView->container(),
                       m_quickSideBarView->container()};
    reloadStaleSideBarsInView();
}

void MainWindow::reloadStaleSideBarsInView() {
    for (qsizetype i = m_staleSideBars.size() - 1; i >= 0; --i) {
        SideBarContainer* container = m_staleSideBars.at(i);
        if (container->isVisibleTo(this)) {
            m_staleSideBars.removeAt(i);
            container->reloadData();
        }
    }
}

// While a Hover or Active tab or the sub-menu panels are shown, the preview shows that look on
// a representative item without the mouse.
void MainWindow::updatePreviewPins() {
    const auto tabState = [](const SideBarView* sideBar) {
        switch (sideBar->tabStrip()->selectIndex()) {
        case 1:
            return PinnedState::Hover;
        case 2:
            return PinnedState::Active;
        case 3:
            return PinnedState::Current;
        default:
            return PinnedState::None;
        }
    };
    PreviewPins pins;
    QWidget* shown = m_modes->currentModeView();
    if (shown == m_sideBarView) {
        pins.topLevel = tabState(m_sideBarView);
    } else if (shown == m_subMenuSideBarView) {
        pins.openFirstSubMenu = true;
        pins.subItem = tabState(m_subMenuSideBarView);
    }
    m_preview->setPins(pins);
}

// A project file dropped on the window opens as Open would open it.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedProject(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedProject(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // After the drop has ended: the unsaved-changes question must not run inside it.
    QTimer::singleShot(0, m_document,
                       [document = m_document, path] { document->openProjectFile(path); });
}

QString MainWindow::droppedProject(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(QLatin1String(".brindleprj")))
        return {};
    return url.toLocalFile();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_document->mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    // The colour window belongs to this window and goes with it.
    for (QColorDialog* colours : findChildren<QColorDialog*>(Qt::FindDirectChildrenOnly))
        colours->close();
}

MainWindow::~MainWindow() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

CustomTextView* MainWindow::css3TextView() const {
    return m_sourceArea->css3TextView();
}

CustomTextView* MainWindow::htmlTextView() const {
    return m_sourceArea->htmlTextView();
}

TabStripView* MainWindow::mainTabView() const {
    return m_sourceArea->mainTabView();
}

void MainWindow::buildLayout() {
    m_toolbar = addToolBar(tr("Modes"));
    m_toolbar->setObjectName(QStringLiteral("mainToolbar"));
    m_toolbar->setMovable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setIconSize(QSize(32, 32));

    m_mainSplitter = new QSplitter(Qt::Horizontal, this);
    m_mainSplitter->setObjectName(QStringLiteral("mainSplitter"));
    m_mainSplitter->setChildrenCollapsible(false);
    m_sideBarViewContainer = new QWidget(m_mainSplitter);
    m_sideBarViewContainer->setObjectName(QStringLiteral("sideBarViewContainer"));
    auto* sideLayout = new QVBoxLayout(m_sideBarViewContainer);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->setSpacing(0);
    m_sideBarViewContainer->setMinimumWidth(280);

    m_contentSplitter = new QSplitter(Qt::Vertical, m_mainSplitter);
    m_contentSplitter->setObjectName(QStringLiteral("contentSplitter"));
    m_contentSplitter->setChildrenCollapsible(false);
    m_previewArea = new PreviewArea(m_contentSplitter);
    m_previewArea->setObjectName(QStringLiteral("previewArea"));
    m_preview = m_previewArea->view();
    m_preview->setObjectName(QStringLiteral("webPreviewView"));
    m_preview->setAccessibleName(tr("Menu preview"));
    m_preview->setMinimumHeight(160);
    m_sourceArea = new SourceCodeArea(m_contentSplitter);
    m_sourceArea->setMinimumHeight(120);

    m_contentSplitter->setStretchFactor(0, 3);
    m_contentSplitter->setStretchFactor(1, 2);
    m_mainSplitter->setStretchFactor(0, 0);
    m_mainSplitter->setStretchFactor(1, 1);
    setCentralWidget(m_mainSplitter);
    resize(1280, 860);
    setAcceptDrops(true);
}

void MainWindow::buildModeViews() {
    // Panels are set up in setUp(), once the controller listens to them.
    m_panels = createStylePanels(this, m_data, m_center, PanelSetUp::Defer);
    const StylePanels& p = m_panels;
    m_menuStructureView = new MenuStructureView(m_data, m_center);
    m_menuStructureView->setObjectName(QStringLiteral("menuStructureView"));
    m_sideBarView = new SideBarView(sideBarLayout(MainMenuPanels{
        p.sizeViewContainer, p.backgroundViewContainer, p.backgroundHoverViewContainer,
        p.backgroundActiveViewContainer, p.separatorViewContainer, p.dropShadowViewContainer,
        p.innerShadowViewContainer, p.textViewContainer, p.textHoverViewContainer,
        p.textActiveViewContainer, p.textShadow1ViewContainer, p.textShadow2ViewContainer,
        p.outputViewContainer, p.currentPageViewContainer}));
    m_sideBarView->setObjectName(QStringLiteral("sideBarView"));
    m_subMenuSideBarView = new SideBarView(subMenuSideBarLayout(
        SubMenuPanels{p.subMenuSizeViewContainer, p.subMenuBackgroundViewContainer,
                      p.subMenuBackgroundHoverViewContainer, p.subMenuBackgroundActiveViewContainer,
                      p.subMenuTextViewContainer, p.subMenuTextHoverViewContainer,
                      p.subMenuTextActiveViewContainer, p.subMenuCurrentPageViewContainer}));
    m_subMenuSideBarView->setObjectName(QStringLiteral("subMenuSideBarView"));
    m_quickSideBarView = new SideBarView(quickSideBarLayout(
        QuickPanels{p.quickModeGeneralView, p.quickModeNormalView, p.quickModeHoverView,
                    p.quickModeActiveView, p.quickModeView}));
    m_quickSideBarView->setObjectName(QStringLiteral("quickSideBarView"));

    m_modes = new WorkspaceModes(m_sideBarViewContainer, this);
    using Mode = WorkspaceModes::Mode;
    m_modes->setModeView(Mode::MenuStructure, m_menuStructureView);
    m_modes->setModeView(
        Mode::Quick, m_quickSideBarView,
        [container = m_quickSideBarView->container()] { container->reloadData(); });
    m_modes->setModeView(Mode::MainMenu, m_sideBarView,
                         mainMenuModeRefresh(m_sideBarView->container()));
    m_modes->setModeView(
        Mode::SubMenu, m_subMenuSideBarView,
        subMenuModeRefresh(m_subMenuSideBarView->container(), p.subMenuBackgroundViewContainer));
    m_toolbar->addActions(m_modes->actionGroup()->actions());
    placeSourceLastInTabChain();
}

// Tab reads the window as it is laid out: the side bar on the left first, then the source
// views. The mode views join the chain after the source area was made, so it moves behind
// them.
void MainWindow::placeSourceLastInTabChain() {
    QList<QWidget*> source;
    QWidget* last = nullptr;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (w->focusPolicy() == Qt::NoFocus) // setTabOrder() ignores those
            continue;
        if (m_sourceArea->isAncestorOf(w))
            source.append(w);
        else
            last = w;
    }
    for (QWidget* w : std::as_const(source)) {
        if (last != nullptr)
            setTabOrder(last, w);
        last = w;
    }
}

void MainWindow::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(m_document->newAction());
    file->addAction(m_gallery->newFromDesignAction());
    file->addAction(m_document->openAction());
    QMenu* recent = file->addMenu(tr("Open &Recent"));
    recent->setObjectName(QStringLiteral("recentProjectMenu"));
    m_recentProjects = new RecentMenuController(m_data, m_projectActions, recent, this);
    connect(m_recentProjects, &RecentMenuController::projectChosen, m_document,
            &Document::openProjectFile);
    file->addAction(m_document->saveAction());
    file->addAction(m_document->saveAsAction());
    file->addAction(m_gallery->saveDesignAction());
    file->addSeparator();
    file->addAction(m_menuImport->importAction());
    file->addSeparator();
    file->addAction(tr("Export &HTML…"), m_projectActions, &ProjectActions::exportHTMLFile);
    file->addAction(tr("Export &CSS…"), m_projectActions, &ProjectActions::exportCSSFile);
    QAction* exportAll =
        file->addAction(tr("Export &All…"), m_projectActions, &ProjectActions::exportAllFiles);
    exportAll->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    QAction* exportSnippet =
        file->addAction(tr("Export Sn&ippet…"), m_projectActions, &ProjectActions::exportSnippet);
    exportSnippet->setObjectName(QStringLiteral("exportSnippet"));
    file->addSeparator();
    file->addAction(m_document->recoverAction());
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), qApp, &QApplication::closeAllWindows);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    buildEditMenu();
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addActions(m_modes->actionGroup()->actions());
    view->addSeparator();
    view->addActions(m_previewArea->deviceActions()->actions());
    view->addSeparator();
    QAction* openInBrowser = view->addAction(tr("Open in &Browser"), this, [this] {
        // The page shows what the fields show.
        commitFieldBeingEdited(this);
        if (m_preview->previewUrl().isEmpty())
            statusBar()->showMessage(tr("The preview is not ready yet."), 5000);
        else
            openPageInDefaultBrowser(m_preview->previewUrl(), this);
    });
    openInBrowser->setObjectName(QStringLiteral("openInBrowser"));
    openInBrowser->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_B));
    QAction* contrast = view->addAction(tr("Check &Contrast…"), this, [this] {
        if (!m_contrastWindow) {
            m_contrastWindow = new ContrastWindow(this);
            const QList<StateContrast> checks = checkContrast(m_data);
            m_contrastWindow->showContrast(checks, graphicChecks(checks));
            connect(m_contrastWindow, &ContrastWindow::fixRequested, this,
                    &MainWindow::showTextColourControl);
        }
        m_contrastWindow->show();
        m_contrastWindow->raise();
        m_contrastWindow->activateWindow();
    });
    contrast->setObjectName(QStringLiteral("checkContrast"));
    m_contrastWarning = new QPushButton(this);
    m_contrastWarning->setObjectName(QStringLiteral("contrastWarning"));
    m_contrastWarning->setFlat(true);
    m_contrastWarning->setToolTip(tr("Open Check Contrast"));
    m_contrastWarning->hide();
    connect(m_contrastWarning, &QPushButton::clicked, contrast, &QAction::trigger);
    statusBar()->addPermanentWidget(m_contrastWarning);
}

void MainWindow::buildEditMenu() {
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(m_document->undoAction());
    edit->addAction(m_document->redoAction());
    edit->addSeparator();
    // The menu alone, as Export Snippet writes it, for pasting into a page of one's own.
    QAction* copyHTML =
        edit->addAction(tr("Copy &HTML"), m_projectActions, &ProjectActions::copySnippetHTML);
    copyHTML->setObjectName(QStringLiteral("copySnippetHTML"));
    QAction* copyCSS =
        edit->addAction(tr("Copy C&SS"), m_projectActions, &ProjectActions::copySnippetCSS);
    copyCSS->setObjectName(QStringLiteral("copySnippetCSS"));
}

void MainWindow::buildHelpMenu() {
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* homepage = help->addAction(tr("Brindle &Home Page"), this, &MainWindow::showHomepage);
    homepage->setObjectName(QStringLiteral("showHomepage"));
    QAction* related =
        help->addAction(tr("&Related Applications…"), this, &MainWindow::showRelatedApps);
    related->setObjectName(QStringLiteral("showRelatedApps"));
    help->addSeparator();
    QAction* about = help->addAction(tr("&About Brindle"), this, &MainWindow::showAbout);
    about->setObjectName(QStringLiteral("showAbout"));
    about->setMenuRole(QAction::AboutRole);
}

void MainWindow::showAbout() {
    if (!m_about)
        m_about = new AboutSheet(this);
    m_about->open();
}

void MainWindow::showRelatedApps() {
    if (!m_relatedApps)
        m_relatedApps = new RelatedAppsSheet(this);
    m_relatedApps->open();
}

void MainWindow::showHomepage() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(AppInfo::kHomepageAddress)));
}

CSSNavMenu::SenderDirectory
MainWindow::withOwnSenders(const CSSNavMenu::SenderDirectory& senders) const {
    CSSNavMenu::SenderDirectory all = senders;
    for (const auto& [name, panel] : m_panels.namedPanels()) {
        if (!all.contains(name))
            all.insert(name, panel);
    }
    const QString editor = QStringLiteral("menuStructureView");
    if (!all.contains(editor))
        all.insert(editor, m_menuStructureView);
    return all;
}

void MainWindow::setUp(const CSSNavMenu::SenderDirectory& senders, const QString& previewBaseDir) {
    m_controller->registerUpdateHandlers(withOwnSenders(senders));
    m_controller->generateTexts();
    css3TextView()->setText(m_controller->documents().cssText());
    htmlTextView()->setText(m_controller->documents().htmlText());
    if (!m_controller->createHTMLIndexFile(previewBaseDir))
        statusBar()->showMessage(tr("The preview folder could not be created in %1; the preview "
                                    "stays empty.")
                                     .arg(previewBaseDir));
    m_panels.setUpAll();
    showContrast();
    // Announces index 0, which shows the stylesheet.
    mainTabView()->setSelectIndex(0);
    m_modes->showMenuStructureMode();
    // What start-up wrote is the untouched design, not a change.
    m_document->history().reset();
}

void MainWindow::scheduleFollowUp() {
    // A menu change splices four fragments and writes four files, an undo may write many:
    // what follows them is done once, when they are all written.
    if (m_followUpScheduled)
        return;
    m_followUpScheduled = true;
    QTimer::singleShot(0, this, &MainWindow::followTextChanges);
}

void MainWindow::followTextChanges() {
    m_followUpScheduled = false;
    // The preview first: the page's engine draws the change on the other core while the rest
    // is done here.
    m_preview->showPendingChanges();
    css3TextView()->updateText(m_controller->documents().cssText());
    htmlTextView()->updateText(m_controller->documents().htmlText());
    showContrast();
}

void MainWindow::showContrast() {
    const QList<StateContrast> checks = checkContrast(m_data);
    for (ContrastBadge* badge : findChildren<ContrastBadge*>())
        badge->showContrast(checks);
    const QList<GraphicContrast> graphics = graphicChecks(checks);
    if (m_contrastWindow)
        m_contrastWindow->showContrast(checks, graphics);
    // Flagged in every mode, not only beside the wells of the mode that owns them.
    const auto failing = std::count_if(checks.cbegin(), checks.cend(),
                                       [](const StateContrast& check) { return !check.passes(); });
    const auto unseen = std::count_if(graphics.cbegin(), graphics.cend(),
                                      [](const GraphicContrast& check) { return !check.passes(); });
    if (m_contrastWarning == nullptr)
        return;
    m_contrastWarning->setVisible(failing + unseen > 0);
    QStringList problems;
    if (failing > 0)
        problems << (failing == 1 ? tr("1 text colour hard to read")
                                  : tr("%1 text colours hard to read").arg(failing));
    if (unseen > 0)
        problems << (unseen == 1 ? tr("1 icon or arrow hard to see")
                                 : tr("%1 icons or arrows hard to see").arg(unseen));
    m_contrastWarning->setText(QStringLiteral("⚠ ") + problems.join(QStringLiteral(", ")));
}

QList<GraphicContrast> MainWindow::graphicChecks(const QList<StateContrast>& checks) const {
    // Classic draws the arrow from its picture; Modern in the text's colour.
    static const QImage classicArrow(QStringLiteral(":/images/Bottom.png"));
    return checkGraphicContrast(m_data, checks,
                                m_data.outputOptions().style == OutputStyle::Classic ? classicArrow
                                                                                     : QImage());
}

void MainWindow::showTextColourControl(MenuLevel level, MenuState state) {
    SideBarView* side = level == MenuLevel::Main ? m_sideBarView : m_subMenuSideBarView;
    m_modes->showMode(level == MenuLevel::Main ? WorkspaceModes::Mode::MainMenu
                                               : WorkspaceModes::Mode::SubMenu);
    side->tabStrip()->setSelectIndex(int(state));
    const StylePanels& p = m_panels;
    const std::array<StylePanel*, 3> main = {p.textViewContainer, p.textHoverViewContainer,
                                             p.textActiveViewContainer};
    const std::array<StylePanel*, 3> sub = {p.subMenuTextViewContainer,
                                            p.subMenuTextHoverViewContainer,
                                            p.subMenuTextActiveViewContainer};
    StylePanel* panel = (level == MenuLevel::Main ? main : sub).at(size_t(state));
    if (auto* well = panel->findChild<QWidget*>(QStringLiteral("textColorImage"))) {
        side->scrollArea()->ensureWidgetVisible(well);
        activateWindow();
        well->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::showSourceView(int index) {
    m_sourceArea->showSourceView(index);
}

} // namespace brindle
