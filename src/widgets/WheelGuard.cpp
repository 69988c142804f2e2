#include "widgets/WheelGuard.h"

#include <QApplication>
#include <QComboBox>
#include <QWheelEvent>

namespace brindle {

void WheelGuard::guardPopUps(QWidget* root) {
    auto* guard = new WheelGuard(root);
    for (QComboBox* box : root->findChildren<QComboBox*>()) {
        // A click or Tab gives the focus; the wheel alone does not.
        box->setFocusPolicy(Qt::StrongFocus);
        box->installEventFilter(guard);
    }
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::Wheel || widget == nullptr || widget->hasFocus() ||
        widget->parentWidget() == nullptr)
        return false;
    QCoreApplication::sendEvent(widget->parentWidget(), event);
    return true;
}

} // namespace brindle
