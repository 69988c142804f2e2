#include "editor/IconClassCounter.h"

#include "model/IconFileName.h"
#include "model/Node.h"

#include <algorithm>
#include <set>

namespace brindle {

namespace {

template <typename Visit> void forEachItem(const Node& node, Visit&& visit) {
    for (int i = 0; i < node.childCount(); ++i) {
        const Node& child = *node.childAt(i);
        visit(child);
        forEachItem(child, visit);
    }
}

qint64 largestNumberIn(const Node& root) {
    qint64 largest = -1;
    forEachItem(root, [&](const Node& item) {
        largest = std::max(largest, iconClassNumber(item.iconID()));
    });
    return largest;
}

// Past the nine-digit range the counter reuses the smallest free number instead.
qint64 smallestFreeNumber(const Node& root) {
    std::set<qint64> used;
    forEachItem(root, [&](const Node& item) { used.insert(iconClassNumber(item.iconID())); });
    qint64 candidate = IconClassCounter::kFirstNumber;
    while (used.count(candidate) != 0)
        ++candidate;
    return candidate;
}

} // namespace

void IconClassCounter::catchUp(const Node& root) {
    m_next = std::max({m_next, kFirstNumber, largestNumberIn(root) + 1});
}

qint64 IconClassCounter::takeNext(const Node& root) {
    catchUp(root);
    qint64 number = m_next;
    if (number > kLargestNumber) {
        number = smallestFreeNumber(root);
        return number; // the counter stays beyond the range; later items also reuse free numbers
    }
    m_next = number + 1;
    return number;
}

} // namespace brindle
