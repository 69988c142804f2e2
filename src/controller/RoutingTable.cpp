#include "controller/RoutingTable.h"

#include <algorithm>
#include <cstring>

namespace brindle {

namespace {

using K = HandlerStep::Kind;
using F = Fragment;
using H = UpdateHandler;

HandlerStep splice(Fragment f) {
    return {K::Splice, f, H::BorderRadius};
}
HandlerStep run(UpdateHandler h) {
    return {K::Run, F::width, h};
}
const HandlerStep writeCSS{K::WriteCSS};
const HandlerStep writeHTML{K::WriteHTML};
const HandlerStep rebuild{K::Rebuild};

// In the order of UpdateHandler.
const std::vector<HandlerSpec>& handlerTable() {
    static const std::vector<HandlerSpec> table = {
        {"updateBorderRadiusNotification", {splice(F::borderRadius), writeCSS}},
        {"updateBorderSizeColorNotification",
         {splice(F::borderSizeColor), splice(F::borderLeftRightSizeColor), writeCSS}},
        {"updateSubMenuBorderRadiusNotification",
         {splice(F::subMenuBorderRadius), splice(F::subMenuItemFirstChild),
          splice(F::subMenuItemLastChild), writeCSS}},
        {"updateSubMenuBorderSizeColorNotification", {splice(F::subMenuBorderSizeColor), writeCSS}},
        {"updateWidthNotification", {splice(F::width), writeCSS}},
        {"updateSubMenuWidthNotification", {splice(F::subMenuWidth), writeCSS}},
        {"updateShowSeparatorNotification", {splice(F::borderLeftRightSizeColor), writeCSS}},
        {"updatePaddingNotification", {splice(F::padding), writeCSS}},
        {"updateBackgroundColorDataUpdatedNotification", {splice(F::backgroundColor), writeCSS}},
        {"updateSubMenuBackgroundColorDataUpdatedNotification",
         {splice(F::subMenuBackgroundColor), writeCSS}},
        {"updateBackgroundColorHoverDataUpdatedNotification",
         {splice(F::backgroundColorHover), writeCSS}},
        {"updateSubMenuBackgroundColorHoverDataUpdatedNotification",
         {splice(F::subMenuBackgroundColorHover), writeCSS}},
        {"updateBackgroundColorActiveDataUpdatedNotification",
         {splice(F::backgroundColorActive), writeCSS}},
        {"updateSubMenuBackgroundColorActiveDataUpdatedNotification",
         {splice(F::subMenuBackgroundColorActive), writeCSS}},
        {"updateDropAndInnerShadowDataUpdatedNotification",
         {splice(F::dropAndInnerShadow), writeCSS}},
        {"updateMainMenuFontFamilyNotification", {splice(F::mainMenuFontFamily), writeCSS}},
        {"updateMainMenuFontColorNotification", {splice(F::mainMenuFontColor), writeCSS}},
        {"updateMainMenuFontColorHoverNotification", {splice(F::mainMenuFontColorHover), writeCSS}},
        {"updateMainMenuFontColorActiveNotification",
         {splice(F::mainMenuFontColorActive), writeCSS}},
        // The buttons of lists inside drop-downs, among the icon rules, draw in these colours.
        {"updateSubMenuFontColorNotification",
         {splice(F::subMenuFontColor), splice(F::menuIcon), writeCSS}},
        {"updateSubMenuFontColorHoverNotification",
         {splice(F::subMenuFontColorHover), splice(F::menuIcon), writeCSS}},
        {"updateSubMenuFontColorActiveNotification",
         {splice(F::subMenuFontColorActive), splice(F::menuIcon), writeCSS}},
        {"updateMainMenuFontSizeNotification", {splice(F::mainMenuFontSize), writeCSS}},
        {"updateTextShadowDataUpdatedNotification", {splice(F::mainMenuTextShadow), writeCSS}},
        {"updateQuickModeBackgroundNormalDataUpdatedNotification", {run(H::BackgroundColor)}},
        {"updateQuickModeSubMenuBackgroundNormalDataUpdatedNotification",
         {run(H::SubMenuBackgroundColor)}},
        {"updateQuickModeBackgroundHoverDataUpdatedNotification", {run(H::BackgroundColorHover)}},
        {"updateQuickModeSubMenuBackgroundHoverDataUpdatedNotification",
         {run(H::SubMenuBackgroundColorHover)}},
        {"updateQuickModeBackgroundActiveDataUpdatedNotification", {run(H::BackgroundColorActive)}},
        {"updateQuickModeSubMenuBackgroundActiveDataUpdatedNotification",
         {run(H::SubMenuBackgroundColorActive)}},
        // The quick colour also sets the three main-menu text colours and the border colour;
        // their fragments follow, so the stylesheet never lags behind the store.
        {"updateQuickMenuDataUpdatedNotification",
         {run(H::BackgroundColor), run(H::BackgroundColorHover), run(H::BackgroundColorActive),
          run(H::MainMenuFontColor), run(H::MainMenuFontColorHover),
          run(H::MainMenuFontColorActive), run(H::BorderSizeColor)}},
        {"updateMenuStructureDataUpdatedNotification",
         {run(H::MenuIcon), splice(F::menuStructure), writeHTML}},
        {"updateMenuIconDataUpdatedNotification",
         {splice(F::menuIcon), writeCSS, run(H::SubMenuTop), run(H::SubMenuItemHeight)}},
        {"updateSubMenuTopDataUpdatedNotification", {splice(F::subMenuTop), writeCSS}},
        {"updateSubMenuItemHeightDataUpdatedNotification",
         {splice(F::subMenuItemHeight), writeCSS}},
        {"updateOutputOptionsDataUpdatedNotification", {rebuild}},
    };
    return table;
}

} // namespace

const HandlerSpec& handlerSpec(UpdateHandler handler) {
    return handlerTable().at(static_cast<size_t>(handler));
}

int handlerIndexOfName(const char* name) {
    const auto& table = handlerTable();
    for (size_t i = 0; i < table.size(); ++i) {
        if (std::strcmp(table[i].name, name) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

const std::vector<Registration>& routingTable() {
    static const std::vector<Registration> table = {
        {"BorderRadiusDataUpdated", "sizeViewContainer", H::BorderRadius},
        {"BorderRadiusDataUpdated", "quickModeGeneralView", H::BorderRadius},
        {"BorderSizeDataUpdated", "sizeViewContainer", H::BorderSizeColor},
        {"BorderColorDataUpdated", "sizeViewContainer", H::BorderSizeColor},
        // The quick normal background also derives the border colour from its pick.
        {"BorderColorDataUpdated", "quickModeNormalView", H::BorderSizeColor},
        {"SubMenuBorderRadiusDataUpdated", "subMenuSizeViewContainer", H::SubMenuBorderRadius},
        {"SubMenuBorderSizeDataUpdated", "subMenuSizeViewContainer", H::SubMenuBorderSizeColor},
        {"SubMenuBorderColorDataUpdated", "subMenuSizeViewContainer", H::SubMenuBorderSizeColor},
        {"WidthDataUpdated", "sizeViewContainer", H::Width},
        {"SubMenuWidthDataUpdated", "subMenuSizeViewContainer", H::SubMenuWidth},
        {"ShowSeparatorDataUpdated", "separatorViewContainer", H::ShowSeparator},
        {"PaddingDataUpdated", "sizeViewContainer", H::Padding},
        {"BackgroundColorDataUpdated", "backgroundViewContainer", H::BackgroundColor},
        {"SubMenuBackgroundColorDataUpdated", "subMenuBackgroundViewContainer",
         H::SubMenuBackgroundColor},
        {"BackgroundColorHoverDataUpdated", "backgroundHoverViewContainer",
         H::BackgroundColorHover},
        {"BackgroundColorHoverDataUpdated", "quickModeHoverView", H::BackgroundColorHover},
        {"SubMenuBackgroundColorHoverDataUpdated", "subMenuBackgroundHoverViewContainer",
         H::SubMenuBackgroundColorHover},
        {"SubMenuBackgroundColorHoverDataUpdated", "quickModeHoverView",
         H::SubMenuBackgroundColorHover},
        {"BackgroundColorActiveDataUpdated", "backgroundActiveViewContainer",
         H::BackgroundColorActive},
        {"BackgroundColorActiveDataUpdated", "quickModeActiveView", H::BackgroundColorActive},
        {"SubMenuBackgroundColorActiveDataUpdated", "subMenuBackgroundActiveViewContainer",
         H::SubMenuBackgroundColorActive},
        {"SubMenuBackgroundColorActiveDataUpdated", "quickModeActiveView",
         H::SubMenuBackgroundColorActive},
        {"DropAndInnerShadowDataUpdated", "dropShadowViewContainer", H::DropAndInnerShadow},
        {"DropAndInnerShadowDataUpdated", "innerShadowViewContainer", H::DropAndInnerShadow},
        {"MainMenuFontFamilyDataUpdated", "textViewContainer", H::MainMenuFontFamily},
        {"MainMenuFontColorDataUpdated", "quickModeNormalView", H::MainMenuFontColor},
        {"MainMenuFontColorDataUpdated", "textViewContainer", H::MainMenuFontColor},
        {"MainMenuFontColorHoverDataUpdated", "quickModeHoverView", H::MainMenuFontColorHover},
        {"MainMenuFontColorHoverDataUpdated", "textHoverViewContainer", H::MainMenuFontColorHover},
        {"MainMenuFontColorActiveDataUpdated", "quickModeActiveView", H::MainMenuFontColorActive},
        {"MainMenuFontColorActiveDataUpdated", "textActiveViewContainer",
         H::MainMenuFontColorActive},
        {"SubMenuFontColorDataUpdated", "quickModeNormalView", H::SubMenuFontColor},
        {"SubMenuFontColorDataUpdated", "subMenuTextViewContainer", H::SubMenuFontColor},
        {"SubMenuFontColorHoverDataUpdated", "quickModeHoverView", H::SubMenuFontColorHover},
        {"SubMenuFontColorHoverDataUpdated", "subMenuTextHoverViewContainer",
         H::SubMenuFontColorHover},
        {"SubMenuFontColorActiveDataUpdated", "quickModeActiveView", H::SubMenuFontColorActive},
        {"SubMenuFontColorActiveDataUpdated", "subMenuTextActiveViewContainer",
         H::SubMenuFontColorActive},
        {"MainMenuFontSizeDataUpdated", "textViewContainer", H::MainMenuFontSize},
        {"TextShadow1DataUpdated", "textShadow1ViewContainer", H::TextShadow},
        {"TextShadow2DataUpdated", "textShadow2ViewContainer", H::TextShadow},
        {"QuickModeBackgroundNormalDataUpdated", "quickModeNormalView",
         H::QuickModeBackgroundNormal},
        {"QuickModeSubMenuBackgroundNormalDataUpdated", "quickModeNormalView",
         H::QuickModeSubMenuBackgroundNormal},
        {"QuickModeBackgroundHoverDataUpdated", "quickModeHoverView", H::QuickModeBackgroundHover},
        {"QuickModeSubMenuBackgroundHoverDataUpdated", "quickModeHoverView",
         H::QuickModeSubMenuBackgroundHover},
        {"QuickModeBackgroundActiveDataUpdated", "quickModeActiveView",
         H::QuickModeBackgroundActive},
        {"QuickModeSubMenuBackgroundActiveDataUpdated", "quickModeActiveView",
         H::QuickModeSubMenuBackgroundActive},
        {"QuickModeDataUpdated", "quickModeView", H::QuickMenu},
        {"MenuStructureDataUpdated", "menuStructureView", H::MenuStructure},
        {"OutputOptionsDataUpdated", "outputViewContainer", H::OutputOptions},
        {"OutputOptionsDataUpdated", "currentPageViewContainer", H::OutputOptions},
        {"OutputOptionsDataUpdated", "subMenuCurrentPageViewContainer", H::OutputOptions},
    };
    return table;
}

const std::vector<UpdateHandler>& reloadOrder() {
    static const std::vector<UpdateHandler> order = {
        // First: an opened design may bring another frame; the splices then fill it.
        H::OutputOptions,
        H::BorderRadius,
        H::BorderSizeColor,
        H::SubMenuBorderRadius,
        H::SubMenuBorderSizeColor,
        H::Width,
        H::SubMenuWidth,
        H::Padding,
        H::BackgroundColor,
        H::SubMenuBackgroundColor,
        H::QuickModeBackgroundNormal,
        H::QuickModeSubMenuBackgroundNormal,
        H::BackgroundColorHover,
        H::SubMenuBackgroundColorHover,
        H::QuickModeBackgroundHover,
        H::QuickModeSubMenuBackgroundHover,
        H::BackgroundColorActive,
        H::SubMenuBackgroundColorActive,
        H::QuickModeBackgroundActive,
        H::QuickModeSubMenuBackgroundActive,
        H::DropAndInnerShadow,
        H::MainMenuFontFamily,
        H::MainMenuFontColor,
        H::MainMenuFontColorHover,
        H::MainMenuFontColorActive,
        H::SubMenuFontColor,
        H::SubMenuFontColorHover,
        H::SubMenuFontColorActive,
        H::MainMenuFontSize,
        H::TextShadow,
        H::MenuStructure,
        H::MenuIcon,
        H::SubMenuTop,
        H::SubMenuItemHeight,
        H::QuickMenu,
    };
    return order;
}

bool isRoutedNotification(const QString& name) {
    const auto& table = routingTable();
    return std::any_of(table.begin(), table.end(), [&](const Registration& row) {
        return name == QLatin1String(row.notification);
    });
}

} // namespace brindle
