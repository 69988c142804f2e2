#include "panels/FieldArrowKeys.h"

#include "panels/FieldStepperPair.h"
#include "widgets/Stepper.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace brindle {

FieldArrowKeys::FieldArrowKeys(FieldStepperPair* pair) : QObject(pair), m_pair(pair) {
    pair->textField()->installEventFilter(this);
}

bool FieldArrowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_pair->textField() || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Up && key->key() != Qt::Key_Down) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (!m_pair->textField()->isEnabled() || m_pair->textField()->isReadOnly())
        return false;
    // Only a whole number is taken; the start of one ("-") is dropped and the step starts
    // from the stored value.
    if (m_pair->textField()->isModified() && m_pair->textField()->hasAcceptableInput())
        m_pair->updateTextFieldValue();
    if (key->key() == Qt::Key_Up)
        m_pair->stepper()->stepUp();
    else
        m_pair->stepper()->stepDown();
    m_pair->textField()->selectAll();
    return true;
}

} // namespace brindle
