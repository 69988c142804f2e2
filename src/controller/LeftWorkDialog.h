#pragma once

#include "history/RecoveryFile.h"

#include <QDialog>
#include <QList>

class QListWidget;
class QPushButton;

namespace brindle {

// Lists the unsaved work that runs which ended without saving left behind, newest first:
// each copy with its document's name, when it was last kept, its item count and first
// titles. One can be restored (the dialog closes and asks for it with restoreRequested) or
// discarded after a confirmation; the others are kept for later. While the dialog lives it
// holds the copies, so no other Brindle offers them at the same time.
class LeftWorkDialog : public QDialog {
    Q_OBJECT

public:
    LeftWorkDialog(QList<LeftWork> work, QWidget* parent);

    // One line of the list, for a copy (also its accessible name).
    static QString describe(const LeftWork& work);

signals:
    void restoreRequested(const LeftWork& work);

private:
    void restoreChosen();
    void discardChosen();
    void showList();
    int chosenRow() const;

    QList<LeftWork> m_work;
    QListWidget* m_list;
    QPushButton* m_restore;
    QPushButton* m_discard;
};

} // namespace brindle
