#pragma once

#include <QObject>

#include <functional>

class QLineEdit;
class QWidget;

namespace brindle {

class Stepper;

struct StepperRange {
    double minimum = 0.0;
    double maximum = 100.0;
    double increment = 1.0;
};

// A text field and a stepper that edit one number. The stepper's range is the only range
// check: a typed value is handed to the stepper, which clamps it, and the stepper's value is
// what the field then shows and what is committed. Both handlers run under the owning
// panel's re-entrancy guard.
class FieldStepperPair : public QObject {
    Q_OBJECT

public:
    // Integer pairs hold whole numbers; decimal pairs move their value through single
    // precision (a committed value is always a float widened to double).
    enum class Kind { Integer, Decimal };
    using Commit = std::function<void(double value)>;

    FieldStepperPair(Kind kind, const StepperRange& range, bool& formReady, QWidget* parent);

    QLineEdit* textField() const { return m_textField; }
    Stepper* stepper() const { return m_stepper; }
    Kind kind() const { return m_kind; }

    // Names the two controls name + "TextField" and name + "Stepper".
    void setName(const QString& name);
    // Lets the field take only numbers of its kind, with a leading "-" only when the range
    // reaches below zero.
    void installFormatter();
    // Called with the pair's value after every user change, guard held.
    void setCommit(Commit commit) { m_commit = std::move(commit); }

    // Fills the field, then the stepper; commits nothing.
    void setValue(double value);
    // The stepper's value as committed: truncated for integers, single precision for decimals.
    double value() const;
    void setEnabled(bool enabled);

    // The field's action (Return, or leaving an edited field) and the stepper's action.
    void updateTextFieldValue();
    void updateStepperValue();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showStepperValue();
    QString displayText(double value) const;

    Kind m_kind;
    bool m_allowsNegative;
    bool& m_formReady;
    QLineEdit* m_textField;
    Stepper* m_stepper;
    Commit m_commit;
};

} // namespace brindle
