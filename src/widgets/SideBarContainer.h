#pragma once

#include "widgets/Reloadable.h"
#include "widgets/TabStripView.h"

#include <QList>
#include <QWidget>

#include <concepts>
#include <optional>

class QScrollArea;

namespace brindle {

// A style panel as a side bar sees it: a widget that refills itself from the settings store.
class SideBarPanel {
public:
    SideBarPanel() = default;
    template <class Panel>
    requires std::derived_from<Panel, QWidget> && std::derived_from<Panel, Reloadable>
    SideBarPanel(Panel* panel) : m_widget(panel), m_reloadable(panel) {}

    QWidget* widget() const { return m_widget; }
    Reloadable* reloadable() const { return m_reloadable; }
    bool isNull() const { return m_widget == nullptr; }

private:
    QWidget* m_widget = nullptr;
    Reloadable* m_reloadable = nullptr;
};

// What a side bar shows: its pages (panels top first), the order in which a reload refills
// the panels, and the tab strip that switches the pages, if it has one.
struct SideBarLayout {
    QList<QList<SideBarPanel>> pages;
    QList<SideBarPanel> reloadOrder;
    std::optional<TabStripView::Config> strip;
    // The quick side bar refills each panel as it first lays it out (and whenever its owner
    // calls reloadData()).
    bool reloadWhenFirstLaidOut = false;
};

struct MainMenuPanels {
    SideBarPanel sizeView, backgroundView, backgroundHoverView, backgroundActiveView, separatorView,
        dropShadowView, innerShadowView, textView, textHoverView, textActiveView, textShadow1View,
        textShadow2View;
    // The output style and options; at the end of the normal page when given.
    SideBarPanel outputView;
    // How the current page looks; a page of its own when given.
    SideBarPanel currentPageView;
};
struct SubMenuPanels {
    SideBarPanel subMenuSizeView, subMenuBackgroundView, subMenuBackgroundHoverView,
        subMenuBackgroundActiveView, subMenuTextView, subMenuTextHoverView, subMenuTextActiveView;
    // How the current page looks; a page of its own when given.
    SideBarPanel subMenuCurrentPageView;
};
struct QuickPanels {
    SideBarPanel quickModeGeneralView, quickModeNormalView, quickModeHoverView, quickModeActiveView;
    // The one-well main-menu colour; shown on top of the page when given.
    SideBarPanel quickModeView;
};

// The page tables of the three side bars.
SideBarLayout sideBarLayout(const MainMenuPanels& panels);
SideBarLayout subMenuSideBarLayout(const SubMenuPanels& panels);
SideBarLayout quickSideBarLayout(const QuickPanels& panels);

// The stack of panels inside a side bar's scroll area. A page is laid out by stacking its
// panels from the top; the container becomes exactly as tall as the page so that the scroll
// area scrolls over all of it. Panels of other pages stay alive, hidden, owned here.
class SideBarContainer : public QWidget {
    Q_OBJECT
public:
    // `strip` (may be null) is the strip whose "SelectIndexChanged" switches the pages.
    SideBarContainer(SideBarLayout layout, TabStripView* strip, QWidget* parent = nullptr);
    ~SideBarContainer() override;

    // Refills every panel, in the reload order.
    void reloadData();
    void removeAllViews();
    void showPage(qsizetype index);
    void showNormalSettings() { showPage(0); }
    void showHoverSettings() { showPage(1); }
    void showActiveSettings() { showPage(2); }
    // Back to the first tab and its page (the main-menu and sub-menu mode switches use it).
    void showFirstPage();

    qsizetype pageCount() const { return m_layout.pages.size(); }
    qsizetype currentPage() const { return m_currentPage; }
    // The panels laid out now, top first.
    QList<QWidget*> shownPanels() const;
    TabStripView* tabStrip() const { return m_strip; }
    // Wide enough for the widest panel of any page.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void selectIndexDidChange(qint64 index);
    static int panelHeight(const QWidget* panel);

    SideBarLayout m_layout;
    TabStripView* m_strip;
    bool m_formReady = false;
    float m_lastTop = 0;
    qsizetype m_currentPage = -1;
    bool m_laidOutOnce = false;
};

// A mode view of the side-bar area: the tab strip (if the layout has one) over a scroll area
// that holds the container.
class SideBarView : public QWidget {
    Q_OBJECT
public:
    explicit SideBarView(SideBarLayout layout, QWidget* parent = nullptr);

    SideBarContainer* container() const { return m_container; }
    TabStripView* tabStrip() const { return m_strip; }
    QScrollArea* scrollArea() const { return m_scrollArea; }

private:
    TabStripView* m_strip = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    SideBarContainer* m_container = nullptr;
};

} // namespace brindle
