#pragma once

#include "model/GlobalData.h"

#include <array>
#include <optional>

namespace brindle {

// The groups of settings the panels, the quick colours and the contrast checks share: by menu
// level and state, found by the naming rule ("subMenu" in front for the sub-menu, next letter
// capitalised; "Hover" or "Active" at the end for the state).
enum class MenuLevel { Main, SubMenu };
enum class MenuState { Normal, Hover, Active };

// The settings of one stop of a gradient group. The start stop has neither an enable flag
// nor a position, the end stop no position.
struct GradientStopSettings {
    Setting color;
    std::optional<Setting> enable;
    std::optional<Setting> position;
};

inline constexpr int kGradientStopCount = 5; // start, three quarters, end

// One gradient group.
struct GradientSettings {
    std::array<GradientStopSettings, kGradientStopCount> stops;
    std::optional<Setting> transparency; // hover and active groups only
};

// The setting a main-menu normal name becomes for that level and state.
Setting settingFor(const char* mainNormalName, MenuLevel level, MenuState state);
GradientSettings gradientSettings(MenuLevel level, MenuState state);
// mainMenufontColor, subMenufontColorHover, …
Setting fontColorSetting(MenuLevel level, MenuState state);
// "", "Hover" or "Active"
QString stateSuffix(MenuState state);

} // namespace brindle
