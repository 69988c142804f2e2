#pragma once

#include "project/ProjectDesign.h"
#include "project/PropertyList.h"

#include <QString>

#include <variant>

namespace brindle {

// Turns the elements of a project file into a design, checking everything: the version,
// the kind of every element, the counts and the icon file names. Icon classes are repaired
// and the font family is cleaned; nothing else is changed. Returns the design or the reason
// for refusing the file.
std::variant<ProjectDesign, QString> readProjectDesign(const QList<PlistElement>& elements);

// The version string of a file's elements ("Version 1.0" when it has none).
QString projectVersionOf(const PlistArrayReadResult& read);

// Gives every item a class "icon<1–9 digits>" unique in the design, in file order
// (top-level item, then its sub-items, each followed by its own): a malformed class or a repeat
// becomes icon<N>, N counting up from one more than the largest valid number (0 when there is
// none).
void repairIconClasses(QList<ProjectItem>& items);

// Text from a file, quoted for a one-line message: control characters are replaced and
// long text is shortened.
QString quotedForMessage(const QString& text);

// Drops what could end a CSS declaration: ";", "{", "}" and control characters.
QString sanitizedFontFamily(const QString& family);

// The keys of the output-options dictionary that ends a Version 3.1 file.
inline constexpr const char* kOutputStyleKey = "outputStyle";
inline constexpr const char* kNavigationLabelKey = "navigationLabel";
inline constexpr const char* kPhoneBreakpointKey = "phoneBreakpoint";
inline constexpr const char* kClassNameKey = "className"; // written only when not the default
inline constexpr const char* kDirectionKey = "direction"; // written only when not the page's
// Written only when not "active".
inline constexpr const char* kCurrentPageLookKey = "currentPageLook";
inline constexpr const char* kSubMenuCurrentPageLookKey = "subMenuCurrentPageLook";
// What items have beyond the 3.0 layout, by place: "2" is the bar's second item, "2.1" the
// first item under it. Each holds the three SVG icon keys.
inline constexpr const char* kItemsKey = "items";
inline constexpr const char* kSvgIconKey = "svgIcon";
inline constexpr const char* kSvgFileNameKey = "svgFileName";
inline constexpr const char* kSvgFollowsTextColourKey = "svgFollowsTextColour";

// "2", "2.1", "2.1.3": an item's place in the items section.
QString itemPlaceKey(qsizetype topLevelIndex, qsizetype subIndex = -1, qsizetype innerIndex = -1);

// The options from that dictionary: absent keys keep their defaults, unknown keys are
// ignored, a value of the wrong kind or out of range refuses the file.
std::variant<OutputOptions, QString> readOutputOptions(const PlistElement& element);

} // namespace brindle
