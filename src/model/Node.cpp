#include "model/Node.h"

#include <algorithm>

namespace brindle {

int Node::indexOfChild(const Node* child) const {
    for (size_t i = 0; i < m_children.size(); ++i) {
        if (m_children[i].get() == child)
            return static_cast<int>(i);
    }
    return -1;
}

Node* Node::appendChild(std::unique_ptr<Node> child) {
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

Node* Node::insertChild(int index, std::unique_ptr<Node> child) {
    const int bounded = std::clamp(index, 0, childCount());
    return m_children.insert(m_children.begin() + bounded, std::move(child))->get();
}

std::unique_ptr<Node> Node::takeChild(int index) {
    if (index < 0 || index >= childCount())
        return nullptr;
    auto taken = std::move(m_children[static_cast<size_t>(index)]);
    m_children.erase(m_children.begin() + index);
    return taken;
}

std::unique_ptr<Node> Node::takeChild(const Node* child) {
    return takeChild(indexOfChild(child));
}

std::unique_ptr<Node> Node::make(const QString& name, const QString& iconID, Node* parent) {
    auto node = std::make_unique<Node>();
    node->setName(name);
    node->setIconID(iconID);
    node->setParent(parent);
    return node;
}

int menuLevelOf(const Node& node) {
    int level = 0;
    for (const Node* above = node.parent(); above; above = above->parent())
        ++level;
    return level;
}

int levelsSpannedBy(const Node& node) {
    int below = 0;
    for (int i = 0; i < node.childCount(); ++i)
        below = std::max(below, levelsSpannedBy(*node.childAt(i)));
    return below + 1;
}

int itemsOnLevel(const Node& root, int level) {
    if (level <= 0)
        return 0;
    int count = 0;
    for (int i = 0; i < root.childCount(); ++i)
        count += level == 1 ? 1 : itemsOnLevel(*root.childAt(i), level - 1);
    return count;
}

bool isWithin(const Node& node, const Node& ancestor) {
    for (const Node* n = &node; n; n = n->parent()) {
        if (n == &ancestor)
            return true;
    }
    return false;
}

bool isBlankTitle(const QString& title) {
    return title.trimmed().isEmpty();
}

} // namespace brindle
