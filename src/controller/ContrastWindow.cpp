#include "controller/ContrastWindow.h"

#include "panels/ContrastBadge.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace brindle {

namespace {

QString subjectOf(MenuLevel level, MenuState state) {
    const QString where =
        level == MenuLevel::Main ? ContrastWindow::tr("Bar") : ContrastWindow::tr("Sub-menu");
    const QString look = state == MenuState::Hover    ? ContrastWindow::tr("Hover")
                         : state == MenuState::Active ? ContrastWindow::tr("Active")
                                                      : ContrastWindow::tr("Normal");
    return ContrastWindow::tr("%1, %2 text").arg(where, look);
}

} // namespace

ContrastWindow::ContrastWindow(QWidget* parent) : QDialog(parent), m_list(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("contrastWindow"));
    setWindowTitle(tr("Check Contrast"));
    auto* layout = new QVBoxLayout(this);
    m_list->setObjectName(QStringLiteral("contrastList"));
    m_list->setAccessibleName(tr("Contrast of text, icons and arrows"));
    m_list->setHeaderLabels({tr("Text"), tr("Contrast"), tr("Needed"), tr("Fix in")});
    m_list->setRootIsDecorated(true);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(m_list);
    // Return or a double click on a row goes to the control that fixes it.
    connect(m_list, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        QTreeWidgetItem* state = item->parent() ? item->parent() : item;
        emit fixRequested(MenuLevel(state->data(0, Qt::UserRole).toInt()),
                          MenuState(state->data(0, Qt::UserRole + 1).toInt()));
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    // The keyboard starts in the list.
    m_list->setFocus();
    resize(880, 460);
}

QString ContrastWindow::placeToFix(MenuLevel level, MenuState state) {
    const QString mode = level == MenuLevel::Main ? tr("Main Menu") : tr("Sub-Menu");
    const QString tab = state == MenuState::Hover    ? tr("Hover")
                        : state == MenuState::Active ? tr("Active")
                                                     : tr("Normal");
    return tr("%1 → %2 tab").arg(mode, tab);
}

void ContrastWindow::showContrast(const QList<StateContrast>& checks,
                                  const QList<GraphicContrast>& graphics) {
    m_list->clear();
    for (const StateContrast& check : checks) {
        auto* state = new QTreeWidgetItem(m_list);
        state->setText(0, subjectOf(check.level, check.state));
        state->setText(1, (check.passes() ? QString() : QStringLiteral("⚠ ")) +
                              contrastText(check.worst()));
        state->setText(2, contrastText(check.required));
        state->setText(3, placeToFix(check.level, check.state));
        state->setData(0, Qt::UserRole, int(check.level));
        state->setData(0, Qt::UserRole + 1, int(check.state));
        state->setToolTip(3, tr("Return or a double click goes there"));
        state->setToolTip(1, ContrastBadge::explanation(check));
        for (const ContrastPair& pair : check.pairs) {
            auto* row = new QTreeWidgetItem(state);
            row->setText(0, tr("on the %1").arg(pair.place));
            row->setText(1, (pair.ratio >= check.required ? QString() : QStringLiteral("⚠ ")) +
                                contrastText(pair.ratio));
            // Every cell says something: a screen reader reads them one by one.
            row->setText(2, state->text(2));
            row->setText(3, state->text(3));
        }
        state->setExpanded(!check.passes());
    }
    for (const GraphicContrast& graphic : graphics) {
        auto* row = new QTreeWidgetItem(m_list);
        QString subject = graphic.subject;
        if (!subject.isEmpty())
            subject[0] = subject[0].toUpper();
        row->setText(0, tr("%1 on the %2").arg(subject, graphic.place));
        row->setText(1, (graphic.passes() ? QString() : QStringLiteral("⚠ ")) +
                            contrastText(graphic.ratio));
        row->setText(2, contrastText(kGraphicContrast));
        // The background it is drawn on is changed where the state's text colour is.
        row->setText(3, placeToFix(graphic.level, graphic.state));
        row->setData(0, Qt::UserRole, int(graphic.level));
        row->setData(0, Qt::UserRole + 1, int(graphic.state));
        row->setToolTip(1, tr("A quarter of what it draws reaches this contrast; icons and "
                              "arrows need 3 : 1."));
    }
}

} // namespace brindle
