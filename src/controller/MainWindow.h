#pragma once

#include "controller/CSSNavMenu.h"

#include <QMainWindow>

class QPlainTextEdit;
class QStackedWidget;
class QTabBar;
class QToolBar;
class QSplitter;

namespace brindle {

class GlobalData;
class NotificationCenter;
class PreviewView;
class ProjectActions;

// The main window: side-bar area, live preview and the two source views, with the File
// menu. The window owns the controller; `setUp()` runs the start-up sequence.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: registrations for the given senders, both texts, the preview folder in
    // previewBaseDir and the first load of the preview.
    void setUp(const CSSNavMenu::SenderDirectory& senders, const QString& previewBaseDir);

    // The side-bar area shows one widget at a time (an editing mode).
    QWidget* sideBarViewContainer() const { return m_sideBarViewContainer; }
    void setSideBarWidget(QWidget* widget);

    CSSNavMenu* controller() const { return m_controller; }
    PreviewView* previewView() const { return m_preview; }
    QPlainTextEdit* css3TextView() const { return m_css3TextView; }
    QPlainTextEdit* htmlTextView() const { return m_htmlTextView; }
    ProjectActions* projectActions() const { return m_projectActions; }
    QToolBar* mainToolbar() const { return m_toolbar; }
    QSplitter* mainSplitter() const { return m_mainSplitter; }
    QSplitter* contentSplitter() const { return m_contentSplitter; }

public slots:
    // 0 shows the CSS source, any other index the HTML source.
    void showSourceView(int index);

private:
    void buildLayout();
    void buildFileMenu();

    GlobalData& m_data;
    CSSNavMenu* m_controller;
    ProjectActions* m_projectActions;
    QToolBar* m_toolbar = nullptr;
    QSplitter* m_mainSplitter = nullptr;
    QSplitter* m_contentSplitter = nullptr;
    QWidget* m_sideBarViewContainer = nullptr;
    PreviewView* m_preview = nullptr;
    QTabBar* m_sourceTabs = nullptr;
    QStackedWidget* m_sourceCodeView = nullptr;
    QPlainTextEdit* m_css3TextView = nullptr;
    QPlainTextEdit* m_htmlTextView = nullptr;
};

} // namespace brindle
