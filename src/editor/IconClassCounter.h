#pragma once

#include <QtGlobal>

namespace brindle {

class Node;

// Icon classes are CSS class names and must stay unique in the tree. New items are numbered
// from a counter that starts at 6 and only rises; after a project has been opened it must
// also pass every number already in the tree.
class IconClassCounter {
public:
    static constexpr qint64 kFirstNumber = 6;
    // "icon" followed by at most nine digits is what a project file keeps as a valid class.
    static constexpr qint64 kLargestNumber = 999'999'999;

    // The number for the next new item under `root`, and the counter moved past it.
    qint64 takeNext(const Node& root);

    // Moves the counter past every class in the tree (after a project was opened).
    void catchUp(const Node& root);

private:
    qint64 m_next = kFirstNumber;
};

} // namespace brindle
