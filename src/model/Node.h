#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <memory>
#include <vector>

namespace brindle {

// An icon chosen as an SVG document: the cleaned text is written beside the page under its
// file name (Modern output) or placed inside the link when it follows the text colour. The
// item's picture and double-resolution picture hold it drawn at 1× and 2×, for Classic
// output and for readers of project files that know no SVG.
struct NodeSvgIcon {
    QByteArray text; // cleaned, in the icon's own colours
    QString fileName;
    bool followsTextColour = false;
    bool operator==(const NodeSvgIcon&) const = default;
};

// One menu item: the invisible menu root, a top-level item or a sub-item. A node owns its
// children; `parent` is a plain back reference kept by the callers.
class Node {
public:
    Node() = default;
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    const QString& name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    const QString& iconID() const { return m_iconID; }
    void setIconID(const QString& iconID) { m_iconID = iconID; }
    qint64 paddingRight() const { return m_paddingRight; }
    void setPaddingRight(qint64 value) { m_paddingRight = value; }
    Node* parent() const { return m_parent; }
    void setParent(Node* parent) { m_parent = parent; }
    bool isGroup() const { return m_isGroup; }
    void setIsGroup(bool isGroup) { m_isGroup = isGroup; }

    const QImage& image() const { return m_image; }
    void setImage(const QImage& image) { m_image = image; }
    const QString& imageFileName() const { return m_imageFileName; }
    void setImageFileName(const QString& fileName) { m_imageFileName = fileName; }
    qint64 imageWidth() const { return m_imageWidth; }
    void setImageWidth(qint64 value) { m_imageWidth = value; }
    qint64 imageHeight() const { return m_imageHeight; }
    void setImageHeight(qint64 value) { m_imageHeight = value; }

    const QImage& retinaImage() const { return m_retinaImage; }
    void setRetinaImage(const QImage& image) { m_retinaImage = image; }
    const QString& retinaImageFileName() const { return m_retinaImageFileName; }
    void setRetinaImageFileName(const QString& fileName) { m_retinaImageFileName = fileName; }
    qint64 retinaImageWidth() const { return m_retinaImageWidth; }
    void setRetinaImageWidth(qint64 value) { m_retinaImageWidth = value; }
    qint64 retinaImageHeight() const { return m_retinaImageHeight; }
    void setRetinaImageHeight(qint64 value) { m_retinaImageHeight = value; }
    const QImage& scaledImage() const { return m_scaledImage; }
    void setScaledImage(const QImage& image) { m_scaledImage = image; }

    const NodeSvgIcon& svgIcon() const { return m_svgIcon; }
    void setSvgIcon(const NodeSvgIcon& icon) { m_svgIcon = icon; }
    bool hasSvgIcon() const { return !m_svgIcon.fileName.isEmpty(); }

    const QString& link() const { return m_link; }
    void setLink(const QString& link) { m_link = link; }

    // An item has an icon when either file name is set; the images do not decide.
    bool hasIcon() const { return !m_imageFileName.isEmpty() || !m_retinaImageFileName.isEmpty(); }

    // Children, owned. Changing the list never touches `parent` or `isGroup`.
    int childCount() const { return static_cast<int>(m_children.size()); }
    Node* childAt(int index) const { return m_children.at(static_cast<size_t>(index)).get(); }
    int indexOfChild(const Node* child) const;
    Node* appendChild(std::unique_ptr<Node> child);
    Node* insertChild(int index, std::unique_ptr<Node> child);
    std::unique_ptr<Node> takeChild(int index);
    std::unique_ptr<Node> takeChild(const Node* child);
    void clearChildren() { m_children.clear(); }

    // Convenience for building items: a titled node with its icon class.
    static std::unique_ptr<Node> make(const QString& name, const QString& iconID,
                                      Node* parent = nullptr);

private:
    QString m_name;   // null: absent
    QString m_iconID; // null: absent
    qint64 m_paddingRight = 0;
    std::vector<std::unique_ptr<Node>> m_children;
    Node* m_parent = nullptr;
    bool m_isGroup = false;
    QImage m_image;
    QString m_imageFileName{QLatin1String("")};
    qint64 m_imageWidth = 0;
    qint64 m_imageHeight = 0;
    QImage m_retinaImage;
    QString m_retinaImageFileName{QLatin1String("")};
    qint64 m_retinaImageWidth = 0;
    qint64 m_retinaImageHeight = 0;
    QImage m_scaledImage;
    NodeSvgIcon m_svgIcon;
    QString m_link{QLatin1String("")};
};

// The levels a menu has: the bar (1), its drop-downs (2) and lists inside a drop-down (3).
inline constexpr int kDeepestMenuLevel = 3;

// The node's level: 0 for the invisible root (or a node without a parent), 1 on the bar.
int menuLevelOf(const Node& node);
// How many levels the node and its descendants span: 1 for an item without sub-items.
int levelsSpannedBy(const Node& node);
// The number of items on `level` below `root` (1: the bar).
int itemsOnLevel(const Node& root, int level);
// Whether `node` is `ancestor` or lies below it.
bool isWithin(const Node& node, const Node& ancestor);

// A title that is empty or only white space: the link it makes would say nothing to anyone,
// and screen readers announce an empty link. The editor refuses one.
bool isBlankTitle(const QString& title);

} // namespace brindle
