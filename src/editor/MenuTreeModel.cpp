#include "editor/MenuTreeModel.h"

#include "model/GlobalData.h"
#include "model/Node.h"
#include "platform/Log.h"
#include "workspace/SvgIcon.h"

#include <QIcon>
#include <QPixmap>

namespace brindle {

namespace {
const QString kTextMimeType = QStringLiteral("text/plain");
constexpr int kThumbnailSide = 16;
} // namespace

MenuItemMimeData::MenuItemMimeData(const QAbstractItemModel* origin, Node* node)
    : m_origin(origin), m_node(node) {}

MenuTreeModel::MenuTreeModel(GlobalData& store, QObject* parent)
    : QAbstractItemModel(parent), m_store(store) {
    repairParents();
}

Node* MenuTreeModel::rootNode() const {
    return m_store.getMenuRootNode();
}

Node* MenuTreeModel::nodeFromIndex(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return rootNode();
    return static_cast<Node*>(index.internalPointer());
}

bool MenuTreeModel::isTopLevel(const Node* node) const {
    return node && node != rootNode() && node->parent() == rootNode();
}

namespace {

// Searched from the root down: `node` may be a pointer to an item deleted since.
bool holds(const Node& parent, const Node* node) {
    for (int i = 0; i < parent.childCount(); ++i) {
        const Node* child = parent.childAt(i);
        if (child == node || holds(*child, node))
            return true;
    }
    return false;
}

void setParentsBelow(Node& parent) {
    for (int i = 0; i < parent.childCount(); ++i) {
        Node* child = parent.childAt(i);
        child->setParent(&parent);
        setParentsBelow(*child);
    }
}

} // namespace

bool MenuTreeModel::contains(const Node* node) const {
    return node && holds(*rootNode(), node);
}

bool MenuTreeModel::takesSubItems(const Node* node) const {
    return node == rootNode() || menuLevelOf(*node) < kDeepestMenuLevel;
}

QModelIndex MenuTreeModel::indexOfNode(const Node* node) const {
    if (!node || node == rootNode() || !node->parent())
        return {};
    const int row = node->parent()->indexOfChild(node);
    if (row < 0)
        return {};
    return createIndex(row, 0, const_cast<Node*>(node));
}

// Parent references are how the model finds rows; make them match the lists, whoever built
// the tree (the default menu, a project reader, older code that left them unset).
void MenuTreeModel::repairParents() {
    rootNode()->setParent(nullptr);
    setParentsBelow(*rootNode());
}

QModelIndex MenuTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    const Node* node = nodeFromIndex(parent);
    if (!takesSubItems(node) || row >= node->childCount())
        return {};
    return createIndex(row, column, node->childAt(row));
}

QModelIndex MenuTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid())
        return {};
    const Node* node = nodeFromIndex(child);
    if (isTopLevel(node))
        return {};
    return indexOfNode(node->parent());
}

int MenuTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0)
        return 0;
    const Node* node = nodeFromIndex(parent);
    return takesSubItems(node) ? node->childCount() : 0;
}

int MenuTreeModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() && parent.column() != 0 ? 0 : 1;
}

// Expandable exactly while the item has sub-items; the stored group flag follows the same rule.
bool MenuTreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant MenuTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Node* node = nodeFromIndex(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return node->name().isNull() ? QString(QLatin1String("")) : node->name();
    case Qt::DecorationRole: {
        if (node->hasSvgIcon())
            return svgThumbnail(*node);
        // The normal icon, else the double-resolution one drawn at its shown size.
        const QImage& picture = !node->image().isNull() ? node->image() : node->scaledImage();
        if (picture.isNull())
            return {};
        return QIcon(QPixmap::fromImage(picture.scaled(
            kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    case Qt::ToolTipRole:
        return node->link().isEmpty() ? QVariant() : QVariant(node->link());
    default:
        return {};
    }
}

QIcon MenuTreeModel::svgThumbnail(const Node& node) const {
    const QByteArray& text = node.svgIcon().text;
    if (const auto known = m_svgThumbnails.constFind(text); known != m_svgThumbnails.cend())
        return known.value();
    // Drawn from the document at 1× and 2×: sharp on every screen.
    const QSize side = QSize(int(node.imageWidth()), int(node.imageHeight()))
                           .scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio)
                           .expandedTo(QSize(1, 1));
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap picture = QPixmap::fromImage(renderSvgIcon(text, side, scale));
        picture.setDevicePixelRatio(scale);
        if (!picture.isNull())
            icon.addPixmap(picture);
    }
    if (m_svgThumbnails.size() > 256)
        m_svgThumbnails.clear();
    m_svgThumbnails.insert(text, icon);
    return icon;
}

bool MenuTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    Node* node = nodeFromIndex(index);
    const QString name = value.toString();
    if (name == node->name())
        return true;
    if (isBlankTitle(name)) {
        emit blankTitleRefused();
        return false;
    }
    node->setName(name);
    qCInfo(lcBrindle).noquote() << name;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    emit menuChanged(tr("Rename Item"));
    return true;
}

Qt::ItemFlags MenuTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::ItemIsDropEnabled; // the top level
    Qt::ItemFlags result = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable |
                           Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
    if (takesSubItems(nodeFromIndex(index))) {
        // Only items that can hold sub-items take drops onto themselves; over an item of the
        // deepest level the outline proposes the gap above or below it instead.
        result |= Qt::ItemIsDropEnabled;
        result &= ~Qt::ItemNeverHasChildren;
    }
    return result;
}

QStringList MenuTreeModel::mimeTypes() const {
    return {kTextMimeType};
}

QMimeData* MenuTreeModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty() || !indexes.first().isValid())
        return nullptr;
    Node* node = nodeFromIndex(indexes.first());
    auto* data = new MenuItemMimeData(this, node);
    data->setText(node->name());
    qCInfo(lcBrindle).noquote() << "identifier:" << node->name();
    return data;
}

Qt::DropActions MenuTreeModel::supportedDragActions() const {
    return Qt::MoveAction;
}

Qt::DropActions MenuTreeModel::supportedDropActions() const {
    return Qt::MoveAction;
}

// The one place that decides a drop. Refused: anything not dragged from this outline, a drop
// onto the item itself or below it, a drop that would take the item or its sub-items deeper
// than the menu's levels (no sub-item is lost), and a drop that would leave the item where
// it is. Below the last row of the outline (row -1 on the top level) means the end of the bar.
std::optional<MenuTreeModel::Move> MenuTreeModel::planDrop(const QMimeData* data,
                                                           Qt::DropAction action, int row,
                                                           const QModelIndex& parent) const {
    const auto* item = qobject_cast<const MenuItemMimeData*>(data);
    if (action != Qt::MoveAction || !item || item->origin() != this || !contains(item->node()))
        return std::nullopt;
    Node* node = item->node();
    Node* target = nodeFromIndex(parent);
    if (isWithin(*target, *node) ||
        menuLevelOf(*target) + levelsSpannedBy(*node) > kDeepestMenuLevel)
        return std::nullopt;
    if (row < 0 || row > target->childCount())
        row = target->childCount();
    if (node->parent() == target) {
        const int current = target->indexOfChild(node);
        if (row == current || row == current + 1)
            return std::nullopt;
    }
    return Move{node, target, row};
}

bool MenuTreeModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                    int /*column*/, const QModelIndex& parent) const {
    return planDrop(data, action, row, parent).has_value();
}

bool MenuTreeModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                 int /*column*/, const QModelIndex& parent) {
    qCInfo(lcBrindle).noquote() << nodeFromIndex(parent)->name() << "with index:" << row;
    if (data)
        qCInfo(lcBrindle).noquote() << "SourceName:" << data->text();
    if (const auto plan = planDrop(data, action, row, parent))
        move(*plan);
    // After a move-drop the view would remove the source rows itself; the move is complete
    // here, so the drop is never reported as one the view has to finish.
    return false;
}

void MenuTreeModel::move(const Move& plan) {
    Node* oldParent = plan.node->parent();
    const int from = oldParent->indexOfChild(plan.node);
    if (!beginMoveRows(indexOfNode(oldParent), from, from, indexOfNode(plan.newParent), plan.row))
        return;
    std::unique_ptr<Node> owned = oldParent->takeChild(from);
    const int to = (oldParent == plan.newParent && from < plan.row) ? plan.row - 1 : plan.row;
    Node* moved = plan.newParent->insertChild(to, std::move(owned));
    moved->setParent(plan.newParent);
    if (plan.newParent != rootNode())
        plan.newParent->setIsGroup(true);
    if (oldParent != rootNode() && oldParent->childCount() == 0)
        oldParent->setIsGroup(false);
    endMoveRows();
    emit itemMoved(indexOfNode(moved));
    emit menuChanged(tr("Move Item"));
}

QModelIndex MenuTreeModel::appendItem(std::unique_ptr<Node> node, Node* parent) {
    Q_ASSERT(takesSubItems(parent));
    const int row = parent->childCount();
    beginInsertRows(indexOfNode(parent), row, row);
    node->setParent(parent);
    Node* added = parent->appendChild(std::move(node));
    if (parent != rootNode())
        parent->setIsGroup(true);
    endInsertRows();
    emit menuChanged(tr("Add Item"));
    return indexOfNode(added);
}

void MenuTreeModel::removeItem(const QModelIndex& index) {
    if (!index.isValid())
        return;
    Node* node = nodeFromIndex(index);
    Node* parentNode = node->parent();
    beginRemoveRows(index.parent(), index.row(), index.row());
    std::unique_ptr<Node> removed = parentNode->takeChild(index.row());
    if (parentNode != rootNode() && parentNode->childCount() == 0)
        parentNode->setIsGroup(false);
    endRemoveRows();
    emit menuChanged(tr("Delete “%1”").arg(removed->name()));
}

void MenuTreeModel::itemEdited(const QModelIndex& index) {
    if (!index.isValid())
        return;
    emit dataChanged(index, index);
    emit menuChanged(tr("Edit Item"));
}

void MenuTreeModel::replaceMenu(std::unique_ptr<Node> menu, const QString& editName) {
    beginResetModel();
    m_store.replaceMenu(std::move(menu));
    repairParents();
    endResetModel();
    emit menuChanged(editName);
}

void MenuTreeModel::reload() {
    beginResetModel();
    repairParents();
    endResetModel();
}

} // namespace brindle
