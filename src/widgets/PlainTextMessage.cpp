#include "widgets/PlainTextMessage.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

namespace brindle {

void usePlainText(QMessageBox* box) {
    box->setTextFormat(Qt::PlainText);
    for (QLabel* label : box->findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
}

QMessageBox::StandardButton askInPlainText(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& title, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    usePlainText(&box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void fitWindowTitle(QMessageBox* box) {
    auto* grid = qobject_cast<QGridLayout*>(box->layout());
    if (grid == nullptr)
        return;
    // Room for the title in the title bar's bold font, with its buttons beside it.
    QFont titleFont = box->font();
    titleFont.setBold(true);
    constexpr int kTitleBarButtons = 160;
    const int wanted =
        QFontMetrics(titleFont).horizontalAdvance(box->windowTitle()) + kTitleBarButtons;
    grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace brindle
