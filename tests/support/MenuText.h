#pragma once

#include "model/Node.h"

#include <QString>

#include <memory>

namespace testsupport {

// A menu as one line: titles in order, an item's sub-items in brackets after it:
// "Home,Products[Laptops[Gaming],Phones],About".
QString describeMenu(const brindle::Node& node);
// The menu such a line describes, under an invisible root: parents and group flags set, the
// items' icon classes icon0, icon1, … in the line's order.
std::unique_ptr<brindle::Node> menuOfText(QStringView text);

} // namespace testsupport
