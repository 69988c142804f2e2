#pragma once

#include "editor/IconClassCounter.h"
#include "editor/MenuItemForm.h"
#include "widgets/Reloadable.h"

#include <QPersistentModelIndex>
#include <QWidget>

#include <memory>

class QMessageBox;
class QToolButton;
class QTreeView;

namespace brindle {

class GlobalData;
class MenuTreeModel;
class Node;
class NotificationCenter;

// The side panel in which the user builds the menu tree: an outline of the items, buttons to
// add, edit and remove one, the add/edit popover and drag and drop. After every change of
// the tree it posts "MenuStructureDataUpdated" once, with itself as sender.
class MenuStructureView : public QWidget, public Reloadable {
    Q_OBJECT
public:
    explicit MenuStructureView(QWidget* parent = nullptr);
    MenuStructureView(GlobalData& store, NotificationCenter& center, QWidget* parent = nullptr);
    ~MenuStructureView() override;

    QTreeView* outLineView() const { return m_outline; }
    MenuTreeModel* treeModel() const { return m_model; }
    MenuItemForm* popover() const { return m_form; }
    QToolButton* addButton() const { return m_addButton; }
    QToolButton* editButton() const { return m_editButton; }
    QToolButton* removeButton() const { return m_removeButton; }

    // The selected item; the menu root when nothing is selected.
    Node* currentNode() const;
    // The whole menu gives way to `menu`'s items (under an invisible root), as one edit.
    void replaceMenu(std::unique_ptr<Node> menu, const QString& editName);

public slots:
    // The whole tree was replaced (a project was opened).
    void reloadData() override;
    void showAddMenuPopOver();
    void showEditMenuPopOver();
    void saveButtonClicked();
    void cancelButtonClicked();
    void removeMenu();

signals:
    // Something the user should know that needs no answer (an icon kept under another name).
    void statusMessage(const QString& message);

private:
    void addMenu();
    void editMenu();
    void deleteAlertDidEnd(const QPersistentModelIndex& item, bool confirmed);
    void removeItemAndSelectAbove(const QModelIndex& index);
    void outlineSelectionDidChange();
    void sendUpdateDataNotification(const QString& name);
    // Copies the chosen icon (if any) into the preview folder and gives it to the item;
    // a failure keeps the item's previous icon and adds a line to `problems`.
    void takeIcon(Node& item, MenuItemForm::IconSlot slot, QStringList& problems);
    void tellIconProblems(const QStringList& problems);
    void buildLayout();

    GlobalData& m_store;
    NotificationCenter& m_center;
    MenuTreeModel* m_model;
    QTreeView* m_outline;
    QToolButton* m_addButton;
    QToolButton* m_removeButton;
    QToolButton* m_editButton;
    MenuItemForm* m_form;
    QPersistentModelIndex m_editedItem;
    IconClassCounter m_iconIndex;
};

} // namespace brindle
