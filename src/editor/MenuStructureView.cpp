#include "editor/MenuStructureView.h"

#include "editor/IconImporter.h"
#include "editor/MenuTreeModel.h"
#include "model/GlobalData.h"
#include "model/Node.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "widgets/PlainTextMessage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace brindle {

namespace {

QString blankTitleMessage() {
    return QCoreApplication::translate("MenuStructureView",
                                       "A menu item needs a title: a link without one says "
                                       "nothing to visitors.");
}

// An SVG that states no size is made as tall as the item's text with its padding, never less
// than the line an icon-less item has.
int tallestSvgIcon(const GlobalData& store) {
    return int(std::max<qint64>(16, store.mainMenufontSize() + store.paddingTop() +
                                        store.paddingBottom()));
}

const QString kMenuStructureDataUpdated = QStringLiteral("MenuStructureDataUpdated");

QToolButton* barButton(const QString& text, const QString& name, const QString& tip,
                       QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setObjectName(name);
    button->setToolTip(tip);
    // "+" and "−" say little when read aloud; the tip says what the button does.
    button->setAccessibleName(tip);
    button->setAutoRaise(true);
    button->setMinimumWidth(28);
    return button;
}

} // namespace

MenuStructureView::MenuStructureView(QWidget* parent)
    : MenuStructureView(GlobalData::sharedData(), NotificationCenter::defaultCenter(), parent) {}

MenuStructureView::MenuStructureView(GlobalData& store, NotificationCenter& center, QWidget* parent)
    : QWidget(parent), m_store(store), m_center(center), m_model(new MenuTreeModel(store, this)),
      m_outline(new QTreeView(this)),
      m_addButton(
          barButton(QStringLiteral("+"), QStringLiteral("addButton"), tr("Add a menu item"), this)),
      m_removeButton(barButton(QStringLiteral("−"), QStringLiteral("removeButton"),
                               tr("Remove the selected item"), this)),
      m_editButton(
          barButton(tr("Edit…"), QStringLiteral("editButton"), tr("Edit the selected item"), this)),
      m_form(new MenuItemForm(this)) {
    setObjectName(QStringLiteral("menuStructureView"));
    buildLayout();

    m_outline->setObjectName(QStringLiteral("outLineView"));
    m_outline->setAccessibleName(tr("Menu items"));
    m_outline->setModel(m_model);
    m_outline->setHeaderHidden(true);
    m_outline->setIconSize(QSize(16, 16));
    m_outline->setUniformRowHeights(true);
    m_outline->setSelectionMode(QAbstractItemView::SingleSelection);
    m_outline->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_outline->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed);
    // enableDragNDrop: items move within this outline only.
    m_outline->setDragEnabled(true);
    m_outline->setAcceptDrops(true);
    m_outline->setDropIndicatorShown(true);
    m_outline->setDragDropMode(QAbstractItemView::InternalMove);
    m_outline->setDefaultDropAction(Qt::MoveAction);

    connect(m_model, &MenuTreeModel::menuChanged, this, [this](const QString& editName) {
        m_center.post(kMenuStructureDataUpdated, this, {{QLatin1String(kUndoTextKey), editName}});
    });
    connect(m_model, &MenuTreeModel::blankTitleRefused, this, [this] {
        QApplication::beep();
        emit statusMessage(blankTitleMessage());
    });
    connect(m_model, &MenuTreeModel::itemMoved, this, [this](const QModelIndex& index) {
        if (index.parent().isValid())
            m_outline->expand(index.parent());
    });
    connect(m_outline->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MenuStructureView::outlineSelectionDidChange);
    connect(m_addButton, &QToolButton::clicked, this, &MenuStructureView::showAddMenuPopOver);
    connect(m_editButton, &QToolButton::clicked, this, &MenuStructureView::showEditMenuPopOver);
    connect(m_removeButton, &QToolButton::clicked, this, &MenuStructureView::removeMenu);
    connect(m_form, &MenuItemForm::confirmed, this, &MenuStructureView::saveButtonClicked);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, m_outline);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &MenuStructureView::removeMenu);
    // Return on an item opens its form, as a double click renames it.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* openKey = new QShortcut(QKeySequence(key), m_outline);
        openKey->setContext(Qt::WidgetShortcut);
        connect(openKey, &QShortcut::activated, this, &MenuStructureView::showEditMenuPopOver);
    }

    m_iconIndex.catchUp(*m_model->rootNode());
    m_outline->expandAll();
    outlineSelectionDidChange();
}

MenuStructureView::~MenuStructureView() = default;

void MenuStructureView::buildLayout() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_outline, 1);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 2);
    bar->setSpacing(2);
    bar->addWidget(m_addButton);
    bar->addWidget(m_removeButton);
    bar->addStretch(1);
    bar->addWidget(m_editButton);
    layout->addLayout(bar);
}

Node* MenuStructureView::currentNode() const {
    const QModelIndexList rows = m_outline->selectionModel()->selectedRows();
    return m_model->nodeFromIndex(rows.isEmpty() ? QModelIndex() : rows.first());
}

void MenuStructureView::reloadData() {
    m_form->close();
    m_editedItem = QPersistentModelIndex();
    m_model->reload();
    // Classes read from the project are taken; new items continue past them.
    m_iconIndex.catchUp(*m_model->rootNode());
    m_outline->expandAll();
    outlineSelectionDidChange();
}

void MenuStructureView::replaceMenu(std::unique_ptr<Node> menu, const QString& editName) {
    m_form->close();
    m_editedItem = QPersistentModelIndex();
    m_model->replaceMenu(std::move(menu), editName);
    m_iconIndex.catchUp(*m_model->rootNode());
    m_outline->expandAll();
    outlineSelectionDidChange();
}

void MenuStructureView::outlineSelectionDidChange() {
    const Node* node = currentNode();
    const bool selected = node != m_model->rootNode();
    m_removeButton->setEnabled(selected);
    m_editButton->setEnabled(selected);
    if (selected)
        qCInfo(lcBrindle).noquote() << "Node Name:" << node->name();
}

void MenuStructureView::showAddMenuPopOver() {
    if (m_form->isVisible()) {
        m_form->close();
        return;
    }
    m_editedItem = QPersistentModelIndex();
    m_form->setFollowingOffered(m_store.outputOptions().style == OutputStyle::Modern);
    // Below the selected item, beside it, or at any level above it.
    m_form->prepareForAdd(std::min(menuLevelOf(*currentNode()) + 1, kDeepestMenuLevel));
    m_form->showUnder(m_addButton);
}

void MenuStructureView::showEditMenuPopOver() {
    Node* node = currentNode();
    if (node == m_model->rootNode())
        return;
    if (m_form->isVisible()) {
        m_form->close();
        return;
    }
    m_editedItem = m_model->indexOfNode(node);
    m_form->setFollowingOffered(m_store.outputOptions().style == OutputStyle::Modern);
    m_form->prepareForEdit(*node, menuLevelOf(*node));
    m_form->showUnder(m_editButton);
}

void MenuStructureView::saveButtonClicked() {
    if (isBlankTitle(m_form->title())) {
        // The form stays open for the title: the page would get a link that says nothing.
        QApplication::beep();
        emit statusMessage(blankTitleMessage());
        m_form->focusTitle();
        return;
    }
    // A value typed into the icon-gap field counts even if the field still has the focus.
    m_form->updatePaddingRightTextFieldValue();
    if (m_form->isEditing())
        editMenu();
    else
        addMenu();
}

void MenuStructureView::cancelButtonClicked() {
    m_form->close();
}

void MenuStructureView::addMenu() {
    Node* root = m_model->rootNode();
    auto item = std::make_unique<Node>();
    item->setName(m_form->title());
    item->setIconID(QStringLiteral("icon%1").arg(m_iconIndex.takeNext(*root)));
    QStringList problems;
    takeIcon(*item, MenuItemForm::IconSlot::Normal, problems);
    takeIcon(*item, MenuItemForm::IconSlot::Retina, problems);
    item->setPaddingRight(m_form->iconGap());
    item->setLink(m_form->link());

    // A new item goes to the end of its level's list that holds the selection: a new
    // top-level item to the end of the bar, whatever is selected.
    Node* parent = currentNode();
    while (parent != root && menuLevelOf(*parent) >= m_form->level())
        parent = parent->parent();
    const QModelIndex added = m_model->appendItem(std::move(item), parent);
    if (parent != root) {
        m_outline->expand(added.parent());
        qCInfo(lcBrindle) << "AddSubNode";
    }
    m_form->close();
    tellIconProblems(problems);
}

void MenuStructureView::editMenu() {
    if (!m_editedItem.isValid()) { // the item went away while the form was open
        m_form->close();
        return;
    }
    Node* item = m_model->nodeFromIndex(m_editedItem);
    item->setName(m_form->title());
    QStringList problems;
    takeIcon(*item, MenuItemForm::IconSlot::Normal, problems);
    takeIcon(*item, MenuItemForm::IconSlot::Retina, problems);
    item->setPaddingRight(m_form->iconGap());
    item->setLink(m_form->link());
    m_model->itemEdited(m_editedItem);
    m_form->close();
    tellIconProblems(problems);
}

void MenuStructureView::takeIcon(Node& item, MenuItemForm::IconSlot slot, QStringList& problems) {
    const bool normal = slot == MenuItemForm::IconSlot::Normal;
    const MenuItemForm::IconChoice choice = m_form->iconChoice(slot);
    if (!normal && m_form->iconIsSvg())
        return; // the SVG's own 2× picture stands
    switch (choice.kind) {
    case MenuItemForm::IconChoice::Kind::Unchanged:
        if (normal && item.hasSvgIcon()) {
            NodeSvgIcon svg = item.svgIcon();
            svg.followsTextColour = m_form->iconFollowsTextColour();
            item.setSvgIcon(svg);
        }
        return;
    case MenuItemForm::IconChoice::Kind::Cleared:
        if (normal && item.hasSvgIcon())
            clearSvgIcon(item);
        else
            normal ? clearNormalIcon(item) : clearRetinaIcon(item);
        return;
    case MenuItemForm::IconChoice::Kind::Chosen:
        break;
    }
    const QString shownName = QFileInfo(choice.path).fileName();
    const IconImporter importer(m_store.tempFolderPath());
    if (normal && m_form->iconIsSvg()) {
        const ImportedSvgIcon icon = importer.importSvg(choice.path, tallestSvgIcon(m_store));
        if (!icon.ok) {
            problems << tr("“%1”: %2").arg(shownName, icon.error);
            return;
        }
        applySvgIcon(item, icon, m_form->iconFollowsTextColour());
        if (!icon.removed.isEmpty())
            emit statusMessage(tr("“%1” was cleaned for the web: left out %2.")
                                   .arg(shownName, icon.removed.join(QStringLiteral(", "))));
        return;
    }
    if (!normal)
        qCInfo(lcBrindle).noquote() << "retinaImagePath:" << choice.path;
    const ImportedIcon icon = importer.import(choice.path);
    if (!icon.ok) {
        problems << tr("“%1”: %2").arg(shownName, icon.error);
        return;
    }
    if (item.hasSvgIcon())
        clearSvgIcon(item); // a picture replaces the SVG and the 2× picture drawn from it
    normal ? applyNormalIcon(item, icon) : applyRetinaIcon(item, icon);
    if (!icon.renamedFrom.isEmpty())
        emit statusMessage(tr("The icon is kept as %1: another picture is already called %2.")
                               .arg(icon.fileName, icon.renamedFrom));
}

void MenuStructureView::tellIconProblems(const QStringList& problems) {
    if (problems.isEmpty())
        return;
    auto* alert = new QMessageBox(QMessageBox::Warning, tr("Icon Not Used"),
                                  problems.size() == 1 ? tr("An icon could not be used.")
                                                       : tr("Two icons could not be used."),
                                  QMessageBox::Ok, this);
    alert->setObjectName(QStringLiteral("iconProblemAlert"));
    alert->setInformativeText(problems.join(QLatin1Char('\n')) + QLatin1Char('\n') +
                              tr("The item keeps the icon it had before."));
    usePlainText(alert);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
}

void MenuStructureView::removeMenu() {
    const QModelIndexList rows = m_outline->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    const QModelIndex selected = rows.first();
    const Node* node = m_model->nodeFromIndex(selected);
    if (node->childCount() == 0) {
        removeItemAndSelectAbove(selected);
        return;
    }
    auto* alert = new QMessageBox(this);
    alert->setObjectName(QStringLiteral("deleteAlert"));
    alert->setIcon(QMessageBox::Warning);
    alert->setWindowTitle(tr("Delete Menu"));
    alert->setText(tr("Delete Menu"));
    alert->setInformativeText(
        tr("Are you sure you want to delete \"%1\" and all of its sub menus?").arg(node->name()));
    QPushButton* deleteButton = alert->addButton(tr("&Delete"), QMessageBox::DestructiveRole);
    QPushButton* cancelButton = alert->addButton(tr("Cancel"), QMessageBox::RejectRole);
    // Return must not throw away a whole sub-menu: deleting takes a click or Alt+D.
    alert->setDefaultButton(cancelButton);
    alert->setEscapeButton(cancelButton);
    usePlainText(alert);
    fitWindowTitle(alert);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    const QPersistentModelIndex item(selected);
    connect(alert, &QMessageBox::finished, this, [this, alert, deleteButton, item] {
        deleteAlertDidEnd(item, alert->clickedButton() == deleteButton);
    });
    alert->open();
}

void MenuStructureView::deleteAlertDidEnd(const QPersistentModelIndex& item, bool confirmed) {
    if (!confirmed || !item.isValid())
        return;
    const Node* node = m_model->nodeFromIndex(item);
    qCInfo(lcBrindle) << "Has Children";
    for (int i = node->childCount() - 1; i >= 0; --i)
        qCInfo(lcBrindle).noquote() << "Remove node:" << node->childAt(i)->name();
    removeItemAndSelectAbove(item);
}

void MenuStructureView::removeItemAndSelectAbove(const QModelIndex& index) {
    const QPersistentModelIndex above(m_outline->indexAbove(index));
    m_model->removeItem(index);
    if (above.isValid())
        m_outline->setCurrentIndex(above);
    else
        m_outline->selectionModel()->clear();
    outlineSelectionDidChange();
}

// Posted with this view as the sender; observers register for the MenuStructureView pointer.
void MenuStructureView::sendUpdateDataNotification(const QString& name) {
    m_center.post(name, this);
}

} // namespace brindle
