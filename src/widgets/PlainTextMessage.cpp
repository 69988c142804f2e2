#include "widgets/PlainTextMessage.h"

#include <QLabel>
#include <QMessageBox>

namespace brindle {

void usePlainText(QMessageBox* box) {
    box->setTextFormat(Qt::PlainText);
    for (QLabel* label : box->findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
}

} // namespace brindle
