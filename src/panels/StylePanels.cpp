#include "panels/StylePanels.h"

#include "panels/BackgroundView.h"
#include "panels/SizeView.h"
#include "platform/NotificationCenter.h"

namespace brindle {

QList<std::pair<QString, StylePanel*>> StylePanels::namedPanels() const {
    return {
        {QStringLiteral("sizeViewContainer"), sizeViewContainer},
        {QStringLiteral("subMenuSizeViewContainer"), subMenuSizeViewContainer},
        {QStringLiteral("backgroundViewContainer"), backgroundViewContainer},
        {QStringLiteral("subMenuBackgroundViewContainer"), subMenuBackgroundViewContainer},
        {QStringLiteral("backgroundHoverViewContainer"), backgroundHoverViewContainer},
        {QStringLiteral("subMenuBackgroundHoverViewContainer"),
         subMenuBackgroundHoverViewContainer},
        {QStringLiteral("backgroundActiveViewContainer"), backgroundActiveViewContainer},
        {QStringLiteral("subMenuBackgroundActiveViewContainer"),
         subMenuBackgroundActiveViewContainer},
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
    panels.backgroundViewContainer = new BackgroundView(data, center, parent);
    panels.subMenuBackgroundViewContainer = new SubMenuBackgroundView(data, center, parent);
    panels.backgroundHoverViewContainer = new BackgroundHoverView(data, center, parent);
    panels.subMenuBackgroundHoverViewContainer =
        new SubMenuBackgroundHoverView(data, center, parent);
    panels.backgroundActiveViewContainer = new BackgroundActiveView(data, center, parent);
    panels.subMenuBackgroundActiveViewContainer =
        new SubMenuBackgroundActiveView(data, center, parent);
    if (setUp == PanelSetUp::Run)
        panels.setUpAll();
    return panels;
}

StylePanels createStylePanels(QWidget* parent, PanelSetUp setUp) {
    return createStylePanels(parent, GlobalData::sharedData(), NotificationCenter::defaultCenter(),
                             setUp);
}

} // namespace brindle
