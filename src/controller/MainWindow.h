#pragma once

#include "controller/CSSNavMenu.h"
#include "model/Contrast.h"
#include "model/SettingGroups.h"
#include "panels/StylePanels.h"
#include "widgets/CustomTextView.h"

#include <QMainWindow>

class QDragEnterEvent;
class QDropEvent;
class QMimeData;
class QToolBar;
class QSplitter;

class QPushButton;

namespace brindle {

class AboutSheet;
class ContrastWindow;
class Document;
class GalleryActions;
class MenuImportActions;
class GlobalData;
class MenuStructureView;
class NotificationCenter;
class PreviewArea;
class PreviewView;
class ProjectActions;
class RecentMenuController;
class RelatedAppsSheet;
class SideBarContainer;
class SideBarView;
class SourceCodeArea;
class TabStripView;
class WorkspaceModes;

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

    // The side-bar area shows one editing mode at a time, chosen from the toolbar.
    QWidget* sideBarViewContainer() const { return m_sideBarViewContainer; }
    WorkspaceModes* modes() const { return m_modes; }

    CSSNavMenu* controller() const { return m_controller; }
    PreviewView* previewView() const { return m_preview; }
    PreviewArea* previewArea() const { return m_previewArea; }
    SourceCodeArea* sourceArea() const { return m_sourceArea; }
    CustomTextView* css3TextView() const;
    CustomTextView* htmlTextView() const;
    TabStripView* mainTabView() const;
    ProjectActions* projectActions() const { return m_projectActions; }
    Document* document() const { return m_document; }
    GalleryActions* gallery() const { return m_gallery; }
    MenuImportActions* menuImport() const { return m_menuImport; }
    RecentMenuController* recentProjects() const { return m_recentProjects; }
    QToolBar* mainToolbar() const { return m_toolbar; }
    QSplitter* mainSplitter() const { return m_mainSplitter; }
    QSplitter* contentSplitter() const { return m_contentSplitter; }

    const StylePanels& stylePanels() const { return m_panels; }
    MenuStructureView* menuStructureView() const { return m_menuStructureView; }
    SideBarView* sideBarView() const { return m_sideBarView; }
    SideBarView* subMenuSideBarView() const { return m_subMenuSideBarView; }
    SideBarView* quickSideBarView() const { return m_quickSideBarView; }

public slots:
    // 0 shows the CSS source, any other index the HTML source.
    void showSourceView(int index);
    void showAbout();
    void showRelatedApps();
    void showHomepage();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The project file a drag carries (one local .brindleprj file), or nothing.
    static QString droppedProject(const QMimeData* data);
    void buildLayout();
    void buildEditMenu();
    // The editor and the side bars show the store again (a project opened, an undo that
    // changed the menu when menuChanged).
    void reloadFromStore(bool menuChanged = true);
    // Refills the side bars marked stale that are in view now.
    void reloadStaleSideBarsInView();
    void updatePreviewPins();
    // The text contrast beside each text colour well and in the Check Contrast window.
    void showContrast();
    // Once the texts of a change are all spliced and written, in the same pass of the event
    // loop: the preview, the source views and the contrast show it.
    void scheduleFollowUp();
    void followTextChanges();
    QList<GraphicContrast> graphicChecks(const QList<StateContrast>& checks) const;
    // The mode, tab and text colour well where the level's and state's text is set.
    void showTextColourControl(MenuLevel level, MenuState state);
    void buildModeViews();
    void placeSourceLastInTabChain();
    void buildFileMenu();
    void buildHelpMenu();
    // The window's own panels and editor, added where the caller named no sender of its own.
    CSSNavMenu::SenderDirectory withOwnSenders(const CSSNavMenu::SenderDirectory& senders) const;

    GlobalData& m_data;
    NotificationCenter& m_center;
    CSSNavMenu* m_controller;
    ProjectActions* m_projectActions;
    Document* m_document = nullptr;
    GalleryActions* m_gallery = nullptr;
    MenuImportActions* m_menuImport = nullptr;
    ContrastWindow* m_contrastWindow = nullptr;
    QPushButton* m_contrastWarning = nullptr; // in the status bar while a text is hard to read
    bool m_followUpScheduled = false;
    RecentMenuController* m_recentProjects = nullptr;
    QToolBar* m_toolbar = nullptr;
    QSplitter* m_mainSplitter = nullptr;
    QSplitter* m_contentSplitter = nullptr;
    QWidget* m_sideBarViewContainer = nullptr;
    PreviewArea* m_previewArea = nullptr;
    PreviewView* m_preview = nullptr;
    SourceCodeArea* m_sourceArea = nullptr;
    WorkspaceModes* m_modes = nullptr;
    StylePanels m_panels;
    MenuStructureView* m_menuStructureView = nullptr;
    SideBarView* m_sideBarView = nullptr;
    SideBarView* m_subMenuSideBarView = nullptr;
    SideBarView* m_quickSideBarView = nullptr;
    QList<SideBarContainer*> m_staleSideBars;
    AboutSheet* m_about = nullptr;
    RelatedAppsSheet* m_relatedApps = nullptr;
};

} // namespace brindle
