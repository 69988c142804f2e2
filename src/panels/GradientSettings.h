#pragma once

#include "model/GlobalData.h"

#include <QString>

#include <array>
#include <optional>

namespace brindle {

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

// One gradient group, found by the naming rule: "subMenu" in front for the sub-menu (next
// letter capitalised), "Hover" or "Active" at the end for the state.
struct GradientSettings {
    std::array<GradientStopSettings, kGradientStopCount> stops;
    std::optional<Setting> transparency; // hover and active groups only
};

// The setting a main-menu normal name becomes for that level and state.
Setting settingFor(const char* mainNormalName, MenuLevel level, MenuState state);
GradientSettings gradientSettings(MenuLevel level, MenuState state);
// mainMenufontColor, subMenufontColorHover, …
Setting fontColorSetting(MenuLevel level, MenuState state);
// "BackgroundColorDataUpdated", "SubMenuBackgroundColorHoverDataUpdated", …
QString backgroundNotification(MenuLevel level, MenuState state);
// "MainMenuFontColorDataUpdated", "SubMenuFontColorActiveDataUpdated", …
QString fontColorNotification(MenuLevel level, MenuState state);

// What a group of controls is called when a screen reader names them: "Hover background",
// "Sub-menu active text", "Main menu text". The main menu's backgrounds go without the level,
// as the panel reads ("Background"); its text panels carry it in their title.
enum class SpokenNoun { Background, Text };
QString spokenSubject(MenuLevel level, MenuState state, SpokenNoun noun);

} // namespace brindle
