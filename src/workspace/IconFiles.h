#pragma once

#include <QString>
#include <QStringList>

namespace brindle {

class Node;

// Brings the preview folder's icon files in line with the menu tree `after` that replaces
// `before` (an undone or redone menu edit). A picture chosen later under the same file name
// may have overwritten a file, so each icon whose pictures differ between the two trees and
// whose file does not hold the item's picture, as choosing it wrote it, is written again from
// the item's image. When items use one name for different pictures, a file that holds any
// of them is left alone. An SVG icon's file is written again from its document when it does
// not hold it. Returns one line per icon that could not be written.
QStringList restoreIconFiles(const Node& before, const Node& after, const QString& folder);

} // namespace brindle
