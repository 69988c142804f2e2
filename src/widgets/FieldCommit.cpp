#include "widgets/FieldCommit.h"

#include <QAbstractItemView>
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
    // An editor open in a list or outline (a rename in place) ignores a focus change while it
    // keeps the focus: its view takes the typing and closes it, as Return would.
    if (QWidget* viewport = field->parentWidget()) {
        if (auto* view = qobject_cast<QAbstractItemView*>(viewport->parentWidget());
            view != nullptr && view->viewport() == viewport) {
            QMetaObject::invokeMethod(view, "commitData", Qt::DirectConnection,
                                      Q_ARG(QWidget*, field));
            QMetaObject::invokeMethod(
                view, "closeEditor", Qt::DirectConnection, Q_ARG(QWidget*, field),
                Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
            return;
        }
    }
    QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(field, &out);
    QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(field, &in);
}

} // namespace brindle
