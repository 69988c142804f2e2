#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>
#include <QMimeData>

#include <memory>
#include <optional>

namespace brindle {

class GlobalData;
class Node;

// A dragged menu item: its title as plain text for anyone who reads it, and a reference to
// its node that only the model that made it will act on.
class MenuItemMimeData : public QMimeData {
    Q_OBJECT
public:
    MenuItemMimeData(const QAbstractItemModel* origin, Node* node);
    // Compared by identity only, never dereferenced.
    const QAbstractItemModel* origin() const { return m_origin; }
    Node* node() const { return m_node; }

private:
    const QAbstractItemModel* m_origin;
    Node* m_node;
};

// The outline's data source: one column over the menu tree of the store, kDeepestMenuLevel
// levels below the invisible root. Every edit of the tree goes through here so that views stay in
// step, and each finished edit is announced once with menuChanged().
class MenuTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit MenuTreeModel(GlobalData& store, QObject* parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    // Moves the item itself and answers false: the view must not remove any rows afterwards.
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    Node* rootNode() const;
    // The item of an index; the menu root for an invalid index.
    Node* nodeFromIndex(const QModelIndex& index) const;
    QModelIndex indexOfNode(const Node* node) const;
    bool isTopLevel(const Node* node) const;
    bool contains(const Node* node) const;
    // The root and every item above the menu's deepest level.
    bool takesSubItems(const Node* node) const;

    // Appends `node` to `parent` (the root or an item that takes sub-items).
    QModelIndex appendItem(std::unique_ptr<Node> node, Node* parent);
    // Removes the item with all its sub-items.
    void removeItem(const QModelIndex& index);
    // The caller changed the item's fields.
    void itemEdited(const QModelIndex& index);
    // The tree was replaced behind our back (a project was opened); not an edit.
    void reload();
    // Every item gives way to the items of `menu` (an invisible root): one edit, `editName`.
    void replaceMenu(std::unique_ptr<Node> menu, const QString& editName);

signals:
    // One user edit of the tree has finished; the name says what it was ("Delete Item").
    void menuChanged(const QString& editName);
    // A drop moved an item; `index` is where it is now.
    void itemMoved(const QModelIndex& index);
    // A rename to an empty or blank title was refused; the item keeps its title.
    void blankTitleRefused();

private:
    struct Move {
        Node* node;
        Node* newParent;
        int row; // before the move, as the drop indicator counts
    };
    std::optional<Move> planDrop(const QMimeData* data, Qt::DropAction action, int row,
                                 const QModelIndex& parent) const;
    void move(const Move& plan);
    void repairParents();
    QIcon svgThumbnail(const Node& node) const;

    GlobalData& m_store;
    mutable QHash<QByteArray, QIcon> m_svgThumbnails; // by document
};

} // namespace brindle
