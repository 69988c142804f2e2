#include "panels/StylePanels.h"

#include "panels/BackgroundView.h"
#include "panels/OutputView.h"
#include "panels/QuickModeView.h"
#include "panels/ShadowView.h"
#include "panels/SizeView.h"
#include "panels/TextView.h"
#include "platform/NotificationCenter.h"

namespace brindle {

QList<std::pair<QString, StylePanel*>> StylePanels::namedPanels() const {
    return {
        {QStringLiteral("sizeViewContainer"), sizeViewContainer},
        {QStringLiteral("subMenuSizeViewContainer"), subMenuSizeViewContainer},
        {QStringLiteral("separatorViewContainer"), separatorViewContainer},
        {QStringLiteral("backgroundViewContainer"), backgroundViewContainer},
        {QStringLiteral("subMenuBackgroundViewContainer"), subMenuBackgroundViewContainer},
        {QStringLiteral("backgroundHoverViewContainer"), backgroundHoverViewContainer},
        {QStringLiteral("subMenuBackgroundHoverViewContainer"),
         subMenuBackgroundHoverViewContainer},
        {QStringLiteral("backgroundActiveViewContainer"), backgroundActiveViewContainer},
        {QStringLiteral("subMenuBackgroundActiveViewContainer"),
         subMenuBackgroundActiveViewContainer},
        {QStringLiteral("dropShadowViewContainer"), dropShadowViewContainer},
        {QStringLiteral("innerShadowViewContainer"), innerShadowViewContainer},
        {QStringLiteral("textViewContainer"), textViewContainer},
        {QStringLiteral("textHoverViewContainer"), textHoverViewContainer},
        {QStringLiteral("textActiveViewContainer"), textActiveViewContainer},
        {QStringLiteral("subMenuTextViewContainer"), subMenuTextViewContainer},
        {QStringLiteral("subMenuTextHoverViewContainer"), subMenuTextHoverViewContainer},
        {QStringLiteral("subMenuTextActiveViewContainer"), subMenuTextActiveViewContainer},
        {QStringLiteral("textShadow1ViewContainer"), textShadow1ViewContainer},
        {QStringLiteral("textShadow2ViewContainer"), textShadow2ViewContainer},
        {QStringLiteral("quickModeGeneralView"), quickModeGeneralView},
        {QStringLiteral("quickModeNormalView"), quickModeNormalView},
        {QStringLiteral("quickModeHoverView"), quickModeHoverView},
        {QStringLiteral("quickModeActiveView"), quickModeActiveView},
        {QStringLiteral("quickModeView"), quickModeView},
        {QStringLiteral("outputViewContainer"), outputViewContainer},
        {QStringLiteral("currentPageViewContainer"), currentPageViewContainer},
        {QStringLiteral("subMenuCurrentPageViewContainer"), subMenuCurrentPageViewContainer},
    };
}

QList<StylePanel*> StylePanels::all() const {
    QList<StylePanel*> panels;
    for (const auto& [name, panel] : namedPanels())
        panels << panel;
    return panels;
}

StylePanel* StylePanels::panelNamed(const QString& outletName) const {
    for (const auto& [name, panel] : namedPanels()) {
        if (name == outletName)
            return panel;
    }
    return nullptr;
}

void StylePanels::setUpAll() const {
    for (StylePanel* panel : all())
        panel->setUp();
}

StylePanels createStylePanels(QWidget* parent, GlobalData& data, NotificationCenter& center,
                              PanelSetUp setUp) {
    StylePanels panels;
    panels.sizeViewContainer = new SizeView(data, center, parent);
    panels.subMenuSizeViewContainer = new SubMenuSizeView(data, center, parent);
    panels.separatorViewContainer = new SeparatorView(data, center, parent);
    panels.backgroundViewContainer = new BackgroundView(data, center, parent);
    panels.subMenuBackgroundViewContainer = new SubMenuBackgroundView(data, center, parent);
    panels.backgroundHoverViewContainer = new BackgroundHoverView(data, center, parent);
    panels.subMenuBackgroundHoverViewContainer =
        new SubMenuBackgroundHoverView(data, center, parent);
    panels.backgroundActiveViewContainer = new BackgroundActiveView(data, center, parent);
    panels.subMenuBackgroundActiveViewContainer =
        new SubMenuBackgroundActiveView(data, center, parent);
    panels.dropShadowViewContainer = new DropShadowView(data, center, parent);
    panels.innerShadowViewContainer = new InnerShadowView(data, center, parent);
    panels.textViewContainer = new TextView(data, center, parent);
    panels.textHoverViewContainer = new TextHoverView(data, center, parent);
    panels.textActiveViewContainer = new TextActiveView(data, center, parent);
    panels.subMenuTextViewContainer = new SubMenuTextView(data, center, parent);
    panels.subMenuTextHoverViewContainer = new SubMenuTextHoverView(data, center, parent);
    panels.subMenuTextActiveViewContainer = new SubMenuTextActiveView(data, center, parent);
    panels.textShadow1ViewContainer = new TextShadow1View(data, center, parent);
    panels.textShadow2ViewContainer = new TextShadow2View(data, center, parent);
    panels.quickModeGeneralView = new QuickModeGeneralView(data, center, parent);
    panels.quickModeNormalView = new QuickModeNormalView(data, center, parent);
    panels.quickModeHoverView = new QuickModeHoverView(data, center, parent);
    panels.quickModeActiveView = new QuickModeActiveView(data, center, parent);
    panels.quickModeView = new QuickModeView(data, center, parent);
    panels.outputViewContainer = new OutputView(data, center, parent);
    panels.currentPageViewContainer =
        new CurrentPageView(CurrentPageView::Level::Bar, data, center, parent);
    panels.subMenuCurrentPageViewContainer =
        new CurrentPageView(CurrentPageView::Level::DropDowns, data, center, parent);
    if (setUp == PanelSetUp::Run)
        panels.setUpAll();
    return panels;
}

StylePanels createStylePanels(QWidget* parent, PanelSetUp setUp) {
    return createStylePanels(parent, GlobalData::sharedData(), NotificationCenter::defaultCenter(),
                             setUp);
}

} // namespace brindle
