#include "generator/Fragment.h"

#include <array>

namespace brindle {

namespace {

constexpr std::array<const char*, kFragmentCount> kFragmentNames = {
    "width",
    "padding",
    "backgroundColor",
    "borderRadius",
    "borderSizeColor",
    "dropAndInnerShadow",
    "borderLeftRightSizeColor",
    "backgroundColorHover",
    "backgroundColorActive",
    "mainMenuFontFamily",
    "mainMenuFontColor",
    "mainMenuFontSize",
    "mainMenuTextShadow",
    "mainMenuFontColorHover",
    "mainMenuFontColorActive",
    "subMenuTop",
    "subMenuBackgroundColor",
    "subMenuBorderRadius",
    "subMenuBorderSizeColor",
    "subMenuBackgroundColorHover",
    "subMenuBackgroundColorActive",
    "subMenuFontColor",
    "subMenuItemHeight",
    "subMenuWidth",
    "subMenuFontColorHover",
    "subMenuFontColorActive",
    "subMenuItemFirstChild",
    "subMenuItemLastChild",
    "menuIcon",
    "menuStructure",
};

} // namespace

QString fragmentName(Fragment fragment) {
    return QLatin1String(kFragmentNames[fragmentSlot(fragment)]);
}

std::optional<Fragment> fragmentOfName(QStringView name) {
    for (int i = 0; i < kFragmentCount; ++i) {
        if (name == QLatin1String(kFragmentNames[static_cast<std::size_t>(i)]))
            return static_cast<Fragment>(i);
    }
    return std::nullopt;
}

} // namespace brindle
