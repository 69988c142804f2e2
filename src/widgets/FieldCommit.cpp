#include "widgets/FieldCommit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSpinBox>

namespace brindle {

QWidget* editingFieldOf(QWidget* focused) {
    if (focused == nullptr)
        return nullptr;
    if (auto* spinBox = qobject_cast<QAbstractSpinBox*>(focused->parentWidget()))
        return spinBox;
    return focused;
}

bool hasUncommittedTyping(const QWidget* widget) {
    if (const auto* field = qobject_cast<const QLineEdit*>(widget))
        return field->isModified() && !field->isReadOnly();
    if (const auto* spinBox = qobject_cast<const QSpinBox*>(widget)) {
        const QString shown = spinBox->cleanText();
        return shown != QString::number(spinBox->value()) &&
               shown != spinBox->locale().toString(spinBox->value());
    }
    return false;
}

void commitFieldBeingEdited(QWidget* window) {
    QWidget* field = editingFieldOf(QApplication::focusWidget());
    if (field == nullptr || window == nullptr || field->window() != window ||
        !hasUncommittedTyping(field))
        return;
    QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(field, &out);
    QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(field, &in);
}

} // namespace brindle
