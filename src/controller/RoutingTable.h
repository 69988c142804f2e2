#pragma once

#include "generator/Fragment.h"

#include <QString>

#include <vector>

namespace brindle {

// The controller's update handlers, one per routing row.
enum class UpdateHandler {
    BorderRadius,
    BorderSizeColor,
    SubMenuBorderRadius,
    SubMenuBorderSizeColor,
    Width,
    SubMenuWidth,
    ShowSeparator,
    Padding,
    BackgroundColor,
    SubMenuBackgroundColor,
    BackgroundColorHover,
    SubMenuBackgroundColorHover,
    BackgroundColorActive,
    SubMenuBackgroundColorActive,
    DropAndInnerShadow,
    MainMenuFontFamily,
    MainMenuFontColor,
    MainMenuFontColorHover,
    MainMenuFontColorActive,
    SubMenuFontColor,
    SubMenuFontColorHover,
    SubMenuFontColorActive,
    MainMenuFontSize,
    TextShadow,
    QuickModeBackgroundNormal,
    QuickModeSubMenuBackgroundNormal,
    QuickModeBackgroundHover,
    QuickModeSubMenuBackgroundHover,
    QuickModeBackgroundActive,
    QuickModeSubMenuBackgroundActive,
    QuickMenu,
    MenuStructure,
    MenuIcon,
    SubMenuTop,
    SubMenuItemHeight,
    OutputOptions,
};
inline constexpr int kUpdateHandlerCount = static_cast<int>(UpdateHandler::OutputOptions) + 1;

// One step of a handler: splice a fragment, rewrite a file, run another handler, or build
// both texts in a new frame (output options) and rewrite every generated file.
struct HandlerStep {
    enum class Kind { Splice, WriteCSS, WriteHTML, Run, Rebuild };
    Kind kind;
    Fragment fragment = Fragment::width;                 // Splice
    UpdateHandler handler = UpdateHandler::BorderRadius; // Run
};

struct HandlerSpec {
    const char* name; // e.g. "updateBorderRadiusNotification"
    std::vector<HandlerStep> steps;
};

const HandlerSpec& handlerSpec(UpdateHandler handler);
// The handler with that name, or -1.
int handlerIndexOfName(const char* name);

// One registration: a notification name from one sending panel (named by its outlet).
struct Registration {
    const char* notification;
    const char* senderOutlet;
    UpdateHandler handler;
};
const std::vector<Registration>& routingTable();

// Whether some routing row listens to notifications of that name.
bool isRoutedNotification(const QString& name);

// The handlers of the full refresh, in order.
const std::vector<UpdateHandler>& reloadOrder();

} // namespace brindle
