#include "controller/LeftWorkDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace brindle {

LeftWorkDialog::LeftWorkDialog(QList<LeftWork> work, QWidget* parent)
    : QDialog(parent), m_work(std::move(work)), m_list(new QListWidget(this)) {
    setObjectName(QStringLiteral("leftWorkDialog"));
    setWindowTitle(tr("Recover Unsaved Work"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Brindle ended without saving these designs. Restore one to "
                                "continue where you left off; the others are kept for later."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    m_list->setObjectName(QStringLiteral("leftWorkList"));
    m_list->setAccessibleName(tr("Unsaved designs"));
    intro->setBuddy(m_list);
    layout->addWidget(m_list);

    auto* buttons = new QDialogButtonBox(this);
    m_restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    m_restore->setObjectName(QStringLiteral("restoreButton"));
    m_discard = buttons->addButton(tr("&Discard…"), QDialogButtonBox::DestructiveRole);
    m_discard->setObjectName(QStringLiteral("discardButton"));
    QPushButton* later = buttons->addButton(tr("&Keep for Later"), QDialogButtonBox::RejectRole);
    later->setObjectName(QStringLiteral("keepButton"));
    layout->addWidget(buttons);
    connect(m_restore, &QPushButton::clicked, this, &LeftWorkDialog::restoreChosen);
    connect(m_discard, &QPushButton::clicked, this, &LeftWorkDialog::discardChosen);
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this, &LeftWorkDialog::restoreChosen);
    m_restore->setDefault(true);
    showList();
    resize(520, 300);
}

QString LeftWorkDialog::describe(const LeftWork& work) {
    const QString name = work.originalPath.isEmpty()
                             ? tr("Untitled")
                             : QFileInfo(work.originalPath).completeBaseName();
    const QString when = QLocale().toString(work.written, QLocale::ShortFormat);
    // The name on a line of its own: the details below it may be long.
    if (work.itemCount < 0)
        return tr("%1\nkept %2 — cannot be read").arg(name, when);
    QString titles = work.firstTitles.join(QStringLiteral(", "));
    if (work.itemCount > work.firstTitles.size())
        titles += QStringLiteral(", …");
    const QString items = work.itemCount == 1 ? tr("1 item") : tr("%1 items").arg(work.itemCount);
    return tr("%1\nkept %2 — %3: %4").arg(name, when, items, titles);
}

void LeftWorkDialog::showList() {
    m_list->clear();
    for (const LeftWork& work : std::as_const(m_work)) {
        auto* item = new QListWidgetItem(describe(work), m_list);
        item->setData(Qt::AccessibleTextRole, describe(work).replace(u'\n', QStringLiteral(", ")));
    }
    m_list->setCurrentRow(0);
    m_restore->setEnabled(!m_work.isEmpty());
    m_discard->setEnabled(!m_work.isEmpty());
    m_list->setFocus();
}

int LeftWorkDialog::chosenRow() const {
    const int row = m_list->currentRow();
    return row >= 0 && row < m_work.size() ? row : -1;
}

void LeftWorkDialog::restoreChosen() {
    const int row = chosenRow();
    if (row < 0)
        return;
    const LeftWork work = m_work.takeAt(row);
    accept();
    emit restoreRequested(work);
}

void LeftWorkDialog::discardChosen() {
    const int row = chosenRow();
    if (row < 0)
        return;
    auto* confirm = new QMessageBox(
        QMessageBox::Warning, tr("Discard Unsaved Work"),
        tr("Discard the unsaved work “%1”?").arg(describe(m_work.at(row)).section(u'\n', 0, 0)),
        QMessageBox::Discard | QMessageBox::Cancel, this);
    confirm->setObjectName(QStringLiteral("discardLeftWorkAlert"));
    confirm->setInformativeText(tr("It cannot be brought back."));
    confirm->setDefaultButton(QMessageBox::Cancel);
    confirm->setAttribute(Qt::WA_DeleteOnClose);
    confirm->setWindowModality(Qt::WindowModal);
    connect(confirm, &QMessageBox::finished, this, [this, confirm, row] {
        if (confirm->standardButton(confirm->clickedButton()) != QMessageBox::Discard)
            return;
        m_work.takeAt(row).remove();
        if (m_work.isEmpty())
            reject();
        else
            showList();
    });
    confirm->open();
}

} // namespace brindle
