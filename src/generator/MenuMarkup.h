#pragma once

#include "generator/StyleTemplates.h"
#include "model/Node.h"

#include <QString>

namespace brindle {

// List markup of the page: one line per item without sub-items, one block per item with
// sub-items. Titles and links are escaped for their places in the page. With `svgIcons`, an
// SVG icon that follows the text colour stands inside its link, before the title.
QString menuItemLine(const Node& item, const MenuClassNames& names = {}, bool svgIcons = false,
                     bool isolatedTitles = false);
// With a disclosure button, the owner's link is followed by a button that opens the sub-menu
// (named after the owner for assistive technology).
// Isolated titles stand in <bdi>: a Latin name in an Arabic menu keeps its own direction.
// With three `levels`, a sub-item with items of its own is a block of the same form inside the
// drop-down; with two, its items are not written.
QString subMenuBlock(const Node& item, bool disclosureButton = false,
                     const MenuClassNames& names = {}, bool svgIcons = false,
                     bool isolatedTitles = false, int levels = 2);
// Whether the item's icon stands inside its link in a style that writes SVG icons.
bool isInlineIcon(const Node& item, bool svgIcons);

// The largest icon height on each level, never less than 16. Sizes count whatever the file
// names hold.
struct LineHeights {
    qint64 mainMenu = 16;
    qint64 subMenu = 16;
};
// Items below the `levels` the page shows do not count.
LineHeights computeLineHeights(const Node& menuRoot, int levels = 2);

// Whether a page of that many levels shows a list inside a drop-down.
bool showsThirdLevel(const Node& menuRoot, int levels);
// The rules of the lists inside drop-downs, desktop and phone: each opens in place below its
// item, from the button beside the item's link. Colours are whole declarations.
struct ThirdLevelLook {
    qint64 subMenuLineHeight = 16;
    QString color;
    QString hoverColor;
    QString activeColor;
};
QString thirdLevelRules(const ThirdLevelLook& look, const QString& phoneQuery,
                        const MenuClassNames& names);

// The two rules every icon fragment starts with, after two newlines.
QString baseIconRules(const LineHeights& heights, const MenuClassNames& names = {},
                      bool logicalSides = false);

// One icon rule: the item's icon drawn 20px across and 10px down, the link's left padding
// widened to make room, and the arrow at the right edge when the item has children.
struct IconRule {
    QString fileName;
    QString iconID;
    qint64 paddingRight = 0; // the gap between icon and title
    qint64 iconWidth = 0;
    qint64 iconHeight = 0;
    bool isRetina = false;
    bool isInline = false; // an SVG inside the link, placed where the picture would be
    bool isMainMenu = false;
    qint64 childCount = 0;
};
QString iconRule(const IconRule& rule,
                 const StyleTemplates& templates = styleTemplates(OutputStyle::Classic),
                 const MenuClassNames& names = {});

// The phone layout's columns (Modern): the titles of each level start at one x, past the
// level's widest icon and its gap; sub-items stand 16px further in than the bar's items, their
// icons with them.
QString phoneIconColumns(const Node& menuRoot, const QString& phoneQuery,
                         const MenuClassNames& names);

// The arrow alone, for an item with children and no icon.
// In a style whose buttons draw the arrow, the rule only keeps the room for it.
// A rule that applies where the menu reads right to left, for what logical sides cannot say;
// `selector` follows the menu's <nav>.
QString rightToLeftRule(const MenuClassNames& names, const QString& selector,
                        const QString& declarations, const QString& indent = {});

QString arrowRule(const QString& iconID,
                  const StyleTemplates& templates = styleTemplates(OutputStyle::Classic),
                  const MenuClassNames& names = {}, bool isMainMenu = true);

} // namespace brindle
