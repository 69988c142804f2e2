#pragma once

#include <QObject>

namespace brindle {

class FieldStepperPair;

// Up and Down in a pair's text field step its value, as the stepper's arrows do, so the
// stepper needs no keyboard focus of its own. Typing not yet committed is committed first,
// so a step starts from the number the user sees.
class FieldArrowKeys : public QObject {
    Q_OBJECT

public:
    explicit FieldArrowKeys(FieldStepperPair* pair);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FieldStepperPair* m_pair;
};

} // namespace brindle
