#pragma once

#include "model/SettingGroups.h"

#include <QString>

namespace brindle {

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
