#include "history/DesignSnapshot.h"

namespace brindle {

DesignSnapshot DesignSnapshot::capture(const GlobalData& data) {
    DesignSnapshot snapshot;
    for (int i = 0; i < kSettingCount; ++i)
        snapshot.m_settings[static_cast<size_t>(i)] = data.value(static_cast<Setting>(i));
    snapshot.m_outputOptions = data.outputOptions();
    snapshot.m_menu = copyMenuTree(*data.getMenuRootNode());
    return snapshot;
}

namespace {

void copyFields(const Node& from, Node& to) {
    to.setName(from.name());
    to.setIconID(from.iconID());
    to.setPaddingRight(from.paddingRight());
    to.setIsGroup(from.isGroup());
    to.setImage(from.image());
    to.setImageFileName(from.imageFileName());
    to.setImageWidth(from.imageWidth());
    to.setImageHeight(from.imageHeight());
    to.setRetinaImage(from.retinaImage());
    to.setRetinaImageFileName(from.retinaImageFileName());
    to.setRetinaImageWidth(from.retinaImageWidth());
    to.setRetinaImageHeight(from.retinaImageHeight());
    to.setScaledImage(from.scaledImage());
    to.setSvgIcon(from.svgIcon());
    to.setLink(from.link());
}

bool sameImage(const QImage& a, const QImage& b) {
    return a.cacheKey() == b.cacheKey() || a == b;
}

// isNull matters: an absent title differs from an empty one in saved files.
bool sameText(const QString& a, const QString& b) {
    return a.isNull() == b.isNull() && a == b;
}

bool sameFields(const Node& a, const Node& b) {
    return sameText(a.name(), b.name()) && sameText(a.iconID(), b.iconID()) &&
           a.paddingRight() == b.paddingRight() && a.isGroup() == b.isGroup() &&
           a.imageFileName() == b.imageFileName() && a.imageWidth() == b.imageWidth() &&
           a.imageHeight() == b.imageHeight() &&
           a.retinaImageFileName() == b.retinaImageFileName() &&
           a.retinaImageWidth() == b.retinaImageWidth() &&
           a.retinaImageHeight() == b.retinaImageHeight() && a.link() == b.link() &&
           sameImage(a.image(), b.image()) && sameImage(a.retinaImage(), b.retinaImage()) &&
           sameImage(a.scaledImage(), b.scaledImage()) && a.svgIcon() == b.svgIcon();
}

} // namespace

std::unique_ptr<Node> copyMenuTree(const Node& node) {
    auto copy = std::make_unique<Node>();
    copyFields(node, *copy);
    for (int i = 0; i < node.childCount(); ++i) {
        Node* child = copy->appendChild(copyMenuTree(*node.childAt(i)));
        child->setParent(copy.get());
    }
    return copy;
}

bool sameMenuTree(const Node& a, const Node& b) {
    if (!sameFields(a, b) || a.childCount() != b.childCount())
        return false;
    for (int i = 0; i < a.childCount(); ++i) {
        if (!sameMenuTree(*a.childAt(i), *b.childAt(i)))
            return false;
    }
    return true;
}

void restoreMenuTree(GlobalData& data, const Node& root) {
    Node* storeRoot = data.getMenuRootNode();
    storeRoot->clearChildren();
    for (int i = 0; i < root.childCount(); ++i) {
        Node* item = storeRoot->appendChild(copyMenuTree(*root.childAt(i)));
        item->setParent(storeRoot);
    }
}

} // namespace brindle
