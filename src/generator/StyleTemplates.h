#pragma once

#include "model/OutputOptions.h"

#include <QString>

namespace brindle {

// What the builders write differently for each output style. Everything not named here is
// shared: the same builders, fragments and splices serve both styles.
struct StyleTemplates {
    // Vendor-prefixed forms (-moz-, -webkit-, -ms-, -o-) before each standard declaration.
    bool vendorForms;
    // The media query that holds the double-resolution icon rules.
    const char* retinaQuery;
    // The arrow image is a background of the owner's link; otherwise the owner's disclosure
    // button draws it and the link only keeps room for it.
    bool arrowOnLink;
    // Each item with sub-items gets a disclosure button beside its link.
    bool disclosureButtons;
    // SVG icons are written as SVG: a file beside the page, or inside the link when they
    // follow the text colour. Otherwise their pictures stand in for them.
    bool svgIcons;
    // Icons stand centred on their title's line, whatever their size; otherwise 10px down.
    bool iconsOnTheTextLine;
    // Below the breakpoint the titles of a level start at one x, past the widest icon of the
    // level, and sub-items stand further in than their owners.
    bool phoneIconColumns;
    // Sides are named by the line's start and end (padding-inline-start, inset-inline-end),
    // so the menu mirrors in a right-to-left page; otherwise left and right. Titles are
    // isolated from each other's direction too.
    bool logicalSides;
    // The font stack ends in the system's interface font: titles in any script find a font.
    bool fontsForEveryScript;
    // The levels of the menu the page shows: 2, or 3 with lists inside the drop-downs.
    int menuLevels;
};

// The side properties the builders write, by the line's start and end.
enum class SideProperty { PaddingStart, PaddingEnd, InsetStart, InsetEnd };
// "padding-left" or "padding-inline-start", as the style names its sides.
QLatin1String sideName(SideProperty property, const StyleTemplates& templates);

// The media query of the phone layout, for the option's breakpoint, with its opening brace.
QString phoneMediaQuery(const OutputOptions& options);

const StyleTemplates& styleTemplates(OutputStyle style);

// The names the output gives the menu's elements. Classic keeps its own global names; Modern
// derives every one from the class name option and scopes every selector by the menu's
// <nav>, so nothing of it reaches the host page and the host's element rules weigh less.
struct MenuClassNames {
    QString link = QStringLiteral("mainmenuicondata");   // the links of the bar
    QString subLink = QStringLiteral("submenuicondata"); // the links of the sub-menus
    QString iconPrefix;                                  // before an item's icon class
    QString scope;                                       // before every selector
    QString bar = QStringLiteral("brindlenav");          // the bar's list
    // The Modern texts are written with this word wherever the class name goes.
    static constexpr const char* kToken = "brindlenav";
};
MenuClassNames menuClassNames(const OutputOptions& options);
// The class name the texts carry: the option's, or the default for one that is not valid.
QString writtenClassName(const OutputOptions& options);

// The script that Modern pages load from "menu.js" for the menu of that class name: Escape,
// the buttons' state, closing on a press elsewhere. The page works without it.
QString menuScriptText(const QString& className = OutputOptions::defaultClassName());

} // namespace brindle
