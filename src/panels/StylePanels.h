#pragma once

#include <QList>
#include <QString>

#include <utility>

class QWidget;

namespace brindle {

class BackgroundActiveView;
class BackgroundHoverView;
class BackgroundView;
class GlobalData;
class NotificationCenter;
class SizeView;
class StylePanel;
class SubMenuBackgroundActiveView;
class SubMenuBackgroundHoverView;
class SubMenuBackgroundView;
class SubMenuSizeView;

// Every style panel, one pointer each, named as the controller's outlets. The panels are
// owned by their Qt parent.
struct StylePanels {
    SizeView* sizeViewContainer = nullptr;
    SubMenuSizeView* subMenuSizeViewContainer = nullptr;
    BackgroundView* backgroundViewContainer = nullptr;
    SubMenuBackgroundView* subMenuBackgroundViewContainer = nullptr;
    BackgroundHoverView* backgroundHoverViewContainer = nullptr;
    SubMenuBackgroundHoverView* subMenuBackgroundHoverViewContainer = nullptr;
    BackgroundActiveView* backgroundActiveViewContainer = nullptr;
    SubMenuBackgroundActiveView* subMenuBackgroundActiveViewContainer = nullptr;

    // Every panel with its outlet name, in the order above.
    QList<std::pair<QString, StylePanel*>> namedPanels() const;
    QList<StylePanel*> all() const;
    // The panel of that outlet name, or nullptr.
    StylePanel* panelNamed(const QString& outletName) const;
    // Runs each panel's set-up steps (once per panel; repeated calls do nothing).
    void setUpAll() const;
};

enum class PanelSetUp { Run, Defer };

// Creates every panel as a child of parent, working on the given store and centre, and —
// unless deferred — runs their set-up at once. Deferring lets a caller register for the
// panels' notifications before their set-up posts anything.
StylePanels createStylePanels(QWidget* parent, GlobalData& data, NotificationCenter& center,
                              PanelSetUp setUp = PanelSetUp::Run);
// The same on GlobalData::sharedData() and the default notification centre.
StylePanels createStylePanels(QWidget* parent, PanelSetUp setUp = PanelSetUp::Run);

} // namespace brindle
