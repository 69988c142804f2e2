#include "panels/FieldStepperPair.h"

#include "panels/FieldArrowKeys.h"
#include "panels/Formatters.h"
#include "widgets/Stepper.h"

#include <QEvent>
#include <QLineEdit>

namespace brindle {

FieldStepperPair::FieldStepperPair(Kind kind, const StepperRange& range, bool& formReady,
                                   QWidget* parent)
    : QObject(parent), m_kind(kind), m_allowsNegative(range.minimum < 0), m_formReady(formReady),
      m_textField(new QLineEdit(parent)), m_stepper(new Stepper(parent)) {
    m_stepper->setRange(range.minimum, range.maximum, range.increment);
    m_textField->setAlignment(Qt::AlignRight);
    m_textField->setFixedWidth(46);
    m_stepper->setFixedSize(m_stepper->sizeHint().width(), m_textField->sizeHint().height());

    connect(m_textField, &QLineEdit::returnPressed, this, &FieldStepperPair::updateTextFieldValue);
    // Leaving the field commits only what was typed, not a mere visit.
    connect(m_textField, &QLineEdit::editingFinished, this, [this] {
        if (m_textField->isModified())
            updateTextFieldValue();
    });
    connect(m_stepper, &Stepper::activated, this, &FieldStepperPair::updateStepperValue);
    m_textField->installEventFilter(this);
    new FieldArrowKeys(this);
}

void FieldStepperPair::setName(const QString& name) {
    setObjectName(name);
    m_textField->setObjectName(name + QStringLiteral("TextField"));
    m_stepper->setObjectName(name + QStringLiteral("Stepper"));
}

void FieldStepperPair::installFormatter() {
    const auto sign =
        m_allowsNegative ? NumberFormatter::Sign::Any : NumberFormatter::Sign::NonNegative;
    if (m_kind == Kind::Integer)
        m_textField->setValidator(new OnlyIntegerValueFormatter(sign, this));
    else
        m_textField->setValidator(new OnlyDecimalValueFormatter(sign, this));
}

bool FieldStepperPair::eventFilter(QObject* watched, QEvent* event) {
    // A field left holding only the start of a number ("-", ".") commits nothing; it shows
    // the stored value again rather than text that disagrees with it.
    if (watched == m_textField && event->type() == QEvent::FocusOut &&
        !m_textField->hasAcceptableInput())
        showStepperValue();
    return QObject::eventFilter(watched, event);
}

void FieldStepperPair::setValue(double value) {
    if (m_kind == Kind::Decimal)
        value = static_cast<float>(value);
    m_textField->setText(displayText(value));
    m_textField->setModified(false);
    m_stepper->setValue(value);
}

double FieldStepperPair::value() const {
    if (m_kind == Kind::Integer)
        return static_cast<double>(m_stepper->integerValue());
    return static_cast<double>(m_stepper->floatValue());
}

void FieldStepperPair::setEnabled(bool enabled) {
    m_textField->setEnabled(enabled);
    m_stepper->setEnabled(enabled);
}

QString FieldStepperPair::displayText(double value) const {
    if (m_kind == Kind::Integer)
        return QString::number(static_cast<qint64>(value));
    return OnlyDecimalValueFormatter::stringForValue(value);
}

void FieldStepperPair::showStepperValue() {
    m_textField->setText(displayText(value()));
    m_textField->setModified(false);
}

void FieldStepperPair::updateTextFieldValue() {
    if (!m_formReady)
        return;
    m_formReady = false;
    const QString text = m_textField->text();
    double typed = 0.0;
    if (m_kind == Kind::Integer) {
        typed = static_cast<double>(leadingIntegerValue(text));
    } else {
        // Stored as shown: the field displays tenths, so tenths are what is kept.
        typed =
            static_cast<float>(OnlyDecimalValueFormatter::roundedValue(leadingDecimalValue(text)));
    }
    m_stepper->setValue(typed);
    // Out-of-range input ends showing the clamped value; in-range input is shown as the
    // number it was read as (" 12" becomes "12").
    showStepperValue();
    if (m_commit)
        m_commit(value());
    m_formReady = true;
}

void FieldStepperPair::updateStepperValue() {
    if (!m_formReady)
        return;
    m_formReady = false;
    showStepperValue();
    if (m_commit)
        m_commit(value());
    m_formReady = true;
}

} // namespace brindle
