#pragma once

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QActionGroup;
class QWidget;

namespace brindle {

class Reloadable;
class SideBarContainer;

// The four editing modes of the side-bar area and the toolbar actions that choose them. The
// area shows exactly one mode view; a switch may refresh the chosen view first (the main-menu
// and sub-menu side bars go back to their first page with fresh values).
class WorkspaceModes : public QObject {
    Q_OBJECT
public:
    enum class Mode { MenuStructure, Quick, MainMenu, SubMenu };
    static constexpr int kModeCount = 4;

    // `sideBarViewContainer` receives a layout of its own that holds the shown mode view.
    explicit WorkspaceModes(QWidget* sideBarViewContainer, QObject* parent = nullptr);

    // The view of a mode and what a switch to it refreshes (may be empty). A mode without a
    // view keeps its action disabled.
    void setModeView(Mode mode, QWidget* view, std::function<void()> refresh = {});
    QWidget* modeView(Mode mode) const;

    // Checkable, mutually exclusive; the menu-structure action is named "menuStructure".
    QAction* action(Mode mode) const { return m_modes[index(mode)].action; }
    QActionGroup* actionGroup() const { return m_group; }

    // The mode switch: the other views leave the area, the chosen one fills it, is refreshed,
    // and its action is checked.
    void showMode(Mode mode);
    void showMenuStructureMode() { showMode(Mode::MenuStructure); }
    void showQuickMode() { showMode(Mode::Quick); }
    void showMainMenuMode() { showMode(Mode::MainMenu); }
    void showSubMenuMode() { showMode(Mode::SubMenu); }

    // The view in the area now, or null.
    QWidget* currentModeView() const;

signals:
    void modeChanged(brindle::WorkspaceModes::Mode mode);

private:
    struct ModeEntry {
        QAction* action = nullptr;
        QPointer<QWidget> view;
        std::function<void()> refresh;
    };
    static int index(Mode mode) { return static_cast<int>(mode); }

    QPointer<QWidget> m_sideBarViewContainer;
    QActionGroup* m_group;
    std::array<ModeEntry, kModeCount> m_modes;
};

// Entering the main-menu mode refills every main-menu panel from the store, then shows the
// "Normal" page.
std::function<void()> mainMenuModeRefresh(SideBarContainer* sideBarContainer);
// Entering the sub-menu mode refills only the sub-menu normal background panel, then shows
// the first page.
std::function<void()> subMenuModeRefresh(SideBarContainer* subMenuSideBarContainer,
                                         Reloadable* subMenuBackgroundView);

} // namespace brindle
