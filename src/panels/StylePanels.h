#pragma once

#include <QList>
#include <QString>

#include <utility>

class QWidget;

namespace brindle {

class BackgroundActiveView;
class CurrentPageView;
class BackgroundHoverView;
class BackgroundView;
class DropShadowView;
class GlobalData;
class InnerShadowView;
class NotificationCenter;
class OutputView;
class QuickModeActiveView;
class QuickModeGeneralView;
class QuickModeHoverView;
class QuickModeNormalView;
class QuickModeView;
class SeparatorView;
class SizeView;
class StylePanel;
class SubMenuBackgroundActiveView;
class SubMenuBackgroundHoverView;
class SubMenuBackgroundView;
class SubMenuSizeView;
class SubMenuTextActiveView;
class SubMenuTextHoverView;
class SubMenuTextView;
class TextActiveView;
class TextHoverView;
class TextShadow1View;
class TextShadow2View;
class TextView;

// Every style panel, one pointer each, named as the controller's outlets. The panels are
// owned by their Qt parent.
struct StylePanels {
    SizeView* sizeViewContainer = nullptr;
    SubMenuSizeView* subMenuSizeViewContainer = nullptr;
    SeparatorView* separatorViewContainer = nullptr;
    BackgroundView* backgroundViewContainer = nullptr;
    SubMenuBackgroundView* subMenuBackgroundViewContainer = nullptr;
    BackgroundHoverView* backgroundHoverViewContainer = nullptr;
    SubMenuBackgroundHoverView* subMenuBackgroundHoverViewContainer = nullptr;
    BackgroundActiveView* backgroundActiveViewContainer = nullptr;
    SubMenuBackgroundActiveView* subMenuBackgroundActiveViewContainer = nullptr;
    DropShadowView* dropShadowViewContainer = nullptr;
    InnerShadowView* innerShadowViewContainer = nullptr;
    TextView* textViewContainer = nullptr;
    TextHoverView* textHoverViewContainer = nullptr;
    TextActiveView* textActiveViewContainer = nullptr;
    SubMenuTextView* subMenuTextViewContainer = nullptr;
    SubMenuTextHoverView* subMenuTextHoverViewContainer = nullptr;
    SubMenuTextActiveView* subMenuTextActiveViewContainer = nullptr;
    TextShadow1View* textShadow1ViewContainer = nullptr;
    TextShadow2View* textShadow2ViewContainer = nullptr;
    QuickModeGeneralView* quickModeGeneralView = nullptr;
    QuickModeNormalView* quickModeNormalView = nullptr;
    QuickModeHoverView* quickModeHoverView = nullptr;
    QuickModeActiveView* quickModeActiveView = nullptr;
    QuickModeView* quickModeView = nullptr;
    OutputView* outputViewContainer = nullptr;
    CurrentPageView* currentPageViewContainer = nullptr;
    CurrentPageView* subMenuCurrentPageViewContainer = nullptr;

    // Every panel with its outlet name, in the order above.
    QList<std::pair<QString, StylePanel*>> namedPanels() const;
    QList<StylePanel*> all() const;
    // The panel of that outlet name, or nullptr.
    StylePanel* panelNamed(const QString& outletName) const;
    // Runs each panel's set-up steps (once per panel; repeated calls do nothing). The quick
    // panels' set-up fills nothing: the quick side bar reloads them when it lays them out.
    void setUpAll() const;
};

enum class PanelSetUp { Run, Defer };

// Creates every panel as a child of parent, working on the given store and centre, and —
// unless deferred — runs their set-up at once, in the order above. Deferring lets a caller
// register for the panels' notifications before their set-up posts anything (only
// TextShadow2View posts during its set-up).
StylePanels createStylePanels(QWidget* parent, GlobalData& data, NotificationCenter& center,
                              PanelSetUp setUp = PanelSetUp::Run);
// The same on GlobalData::sharedData() and the default notification centre.
StylePanels createStylePanels(QWidget* parent, PanelSetUp setUp = PanelSetUp::Run);

} // namespace brindle
