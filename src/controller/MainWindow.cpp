#include "controller/MainWindow.h"

#include "controller/PreviewView.h"
#include "controller/ProjectActions.h"
#include "controller/SourceMirror.h"

#include <QApplication>
#include <QKeySequence>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace brindle {

MainWindow::MainWindow(GlobalData& data, NotificationCenter& center, QWidget* parent)
    : QMainWindow(parent), m_data(data), m_controller(new CSSNavMenu(data, center, this)),
      m_projectActions(new ProjectActions(data, m_controller, this)) {
    setWindowTitle(QStringLiteral("Brindle"));
    buildLayout();
    buildFileMenu();
    statusBar();

    CodeDocuments& documents = m_controller->documents();
    connect(&documents, &CodeDocuments::cssSpliced, this,
            [this](qint64 position, qint64 oldLength, const QString& text) {
                applySplice(m_css3TextView, position, oldLength, text);
            });
    connect(&documents, &CodeDocuments::htmlSpliced, this,
            [this](qint64 position, qint64 oldLength, const QString& text) {
                applySplice(m_htmlTextView, position, oldLength, text);
            });
    connect(m_controller, &CSSNavMenu::previewFolderCreated, m_preview,
            &PreviewView::loadPreview);
    connect(m_controller, &CSSNavMenu::previewReloadRequested, m_preview,
            &PreviewView::requestReload);
    connect(m_projectActions, &ProjectActions::statusMessage, this,
            [this](const QString& message) { statusBar()->showMessage(message, 5000); });
}

MainWindow::~MainWindow() = default;

void MainWindow::buildLayout() {
    m_toolbar = addToolBar(QStringLiteral("Modes"));
    m_toolbar->setObjectName(QStringLiteral("mainToolbar"));
    m_toolbar->setMovable(false);

    m_mainSplitter = new QSplitter(Qt::Horizontal, this);
    m_mainSplitter->setObjectName(QStringLiteral("mainSplitter"));
    m_sideBarViewContainer = new QWidget(m_mainSplitter);
    m_sideBarViewContainer->setObjectName(QStringLiteral("sideBarViewContainer"));
    auto* sideLayout = new QVBoxLayout(m_sideBarViewContainer);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    m_sideBarViewContainer->setMinimumWidth(280);

    m_contentSplitter = new QSplitter(Qt::Vertical, m_mainSplitter);
    m_contentSplitter->setObjectName(QStringLiteral("contentSplitter"));
    m_preview = new PreviewView(m_contentSplitter);
    m_preview->setMinimumHeight(160);

    auto* textEditorView = new QWidget(m_contentSplitter);
    auto* sourceLayout = new QVBoxLayout(textEditorView);
    sourceLayout->setContentsMargins(0, 0, 0, 0);
    sourceLayout->setSpacing(0);
    m_sourceTabs = new QTabBar(textEditorView);
    m_sourceTabs->addTab(QStringLiteral("CSS 3"));
    m_sourceTabs->addTab(QStringLiteral("HTML"));
    m_sourceTabs->setExpanding(false);
    m_sourceCodeView = new QStackedWidget(textEditorView);
    m_css3TextView = new QPlainTextEdit(m_sourceCodeView);
    m_css3TextView->setObjectName(QStringLiteral("css3TextView"));
    m_htmlTextView = new QPlainTextEdit(m_sourceCodeView);
    m_htmlTextView->setObjectName(QStringLiteral("htmlTextView"));
    prepareSourceView(m_css3TextView);
    prepareSourceView(m_htmlTextView);
    m_sourceCodeView->addWidget(m_css3TextView);
    m_sourceCodeView->addWidget(m_htmlTextView);
    sourceLayout->addWidget(m_sourceTabs);
    sourceLayout->addWidget(m_sourceCodeView);
    connect(m_sourceTabs, &QTabBar::currentChanged, this, &MainWindow::showSourceView);

    m_contentSplitter->setStretchFactor(0, 3);
    m_contentSplitter->setStretchFactor(1, 2);
    m_mainSplitter->setStretchFactor(0, 0);
    m_mainSplitter->setStretchFactor(1, 1);
    setCentralWidget(m_mainSplitter);
    resize(1280, 860);
}

void MainWindow::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("&Open…"), m_projectActions, &ProjectActions::openProject);
    open->setShortcut(QKeySequence::Open);
    QAction* save = file->addAction(tr("&Save…"), m_projectActions, &ProjectActions::saveProject);
    save->setShortcut(QKeySequence::Save);
    file->addSeparator();
    file->addAction(tr("Export &HTML…"), m_projectActions, &ProjectActions::exportHTMLFile);
    file->addAction(tr("Export &CSS…"), m_projectActions, &ProjectActions::exportCSSFile);
    QAction* exportAll =
        file->addAction(tr("Export &All…"), m_projectActions, &ProjectActions::exportAllFiles);
    exportAll->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), qApp, &QApplication::closeAllWindows);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
}

void MainWindow::setUp(const CSSNavMenu::SenderDirectory& senders, const QString& previewBaseDir) {
    m_controller->registerUpdateHandlers(senders);
    m_controller->generateTexts();
    m_css3TextView->setPlainText(m_controller->documents().cssText());
    m_htmlTextView->setPlainText(m_controller->documents().htmlText());
    if (!m_controller->createHTMLIndexFile(previewBaseDir))
        statusBar()->showMessage(tr("The preview folder could not be created in %1; the preview "
                                    "stays empty.")
                                     .arg(previewBaseDir));
    showSourceView(0);
}

void MainWindow::setSideBarWidget(QWidget* widget) {
    QLayout* layout = m_sideBarViewContainer->layout();
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QWidget* shown = item->widget())
            shown->hide();
        delete item;
    }
    if (widget != nullptr) {
        widget->setParent(m_sideBarViewContainer);
        layout->addWidget(widget);
        widget->show();
    }
}

void MainWindow::showSourceView(int index) {
    m_sourceCodeView->setCurrentWidget(index == 0 ? m_css3TextView : m_htmlTextView);
    const QSignalBlocker blocker(m_sourceTabs);
    m_sourceTabs->setCurrentIndex(index == 0 ? 0 : 1);
}

} // namespace brindle
