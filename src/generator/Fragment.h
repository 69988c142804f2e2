#pragma once

#include <QString>

#include <cstddef>
#include <optional>

namespace brindle {

// The generated pieces of the two texts. The 29 stylesheet fragments come first, in the
// order in which they stand in the stylesheet text; the page's list markup comes last.
enum class Fragment {
    width,
    padding,
    backgroundColor,
    borderRadius,
    borderSizeColor,
    dropAndInnerShadow,
    borderLeftRightSizeColor,
    backgroundColorHover,
    backgroundColorActive,
    mainMenuFontFamily,
    mainMenuFontColor,
    mainMenuFontSize,
    mainMenuTextShadow,
    mainMenuFontColorHover,
    mainMenuFontColorActive,
    subMenuTop,
    subMenuBackgroundColor,
    subMenuBorderRadius,
    subMenuBorderSizeColor,
    subMenuBackgroundColorHover,
    subMenuBackgroundColorActive,
    subMenuFontColor,
    subMenuItemHeight,
    subMenuWidth,
    subMenuFontColorHover,
    subMenuFontColorActive,
    subMenuItemFirstChild,
    subMenuItemLastChild,
    menuIcon,
    menuStructure,
};

inline constexpr int kStylesheetFragmentCount = 29;
inline constexpr int kFragmentCount = 30;

constexpr std::size_t fragmentSlot(Fragment fragment) {
    return static_cast<std::size_t>(fragment);
}

constexpr bool isStylesheetFragment(Fragment fragment) {
    return static_cast<int>(fragment) < kStylesheetFragmentCount;
}

// The fragment's name as its fields are named: "borderRadius" for borderRadiusText and
// borderRadiusIndex.
QString fragmentName(Fragment fragment);

// The fragment of that exact (case-sensitive) name, if there is one.
std::optional<Fragment> fragmentOfName(QStringView name);

} // namespace brindle
