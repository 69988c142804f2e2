#pragma once

#include "model/Node.h"

#include <QString>

namespace brindle {

// List markup of the page: one line per item without sub-items, one block per item with
// sub-items. Titles and links are escaped for their places in the page.
QString menuItemLine(const Node& item);
QString subMenuBlock(const Node& item);

// The largest icon height on each level, never less than 16. Sizes count whatever the file
// names hold.
struct LineHeights {
    qint64 mainMenu = 16;
    qint64 subMenu = 16;
};
LineHeights computeLineHeights(const Node& menuRoot);

// The two rules every icon fragment starts with, after two newlines.
QString baseIconRules(const LineHeights& heights);

// One icon rule: the item's icon drawn 20px across and 10px down, the link's left padding
// widened to make room, and the arrow at the right edge when the item has children.
struct IconRule {
    QString fileName;
    QString iconID;
    qint64 paddingRight = 0; // the gap between icon and title
    qint64 iconWidth = 0;
    qint64 iconHeight = 0;
    bool isRetina = false;
    bool isMainMenu = false;
    qint64 childCount = 0;
};
QString iconRule(const IconRule& rule);

// The arrow alone, for an item with children and no icon.
QString arrowRule(const QString& iconID);

} // namespace brindle
