#pragma once

#include <QWidget>

class QToolButton;

namespace brindle {

// A small arrows-only stepper for the form's icon gap: it holds its value within its range
// and reports each click with activated(), as the field–stepper pair expects.
class IconGapStepper : public QWidget {
    Q_OBJECT
public:
    explicit IconGapStepper(QWidget* parent = nullptr);

    qint64 value() const { return m_value; }
    // Stores the value clamped to the range; never emits.
    void setValue(qint64 value);
    qint64 minimum() const { return m_minimum; }
    qint64 maximum() const { return m_maximum; }
    void setRange(qint64 minimum, qint64 maximum);
    qint64 increment() const { return m_increment; }
    void setIncrement(qint64 increment) { m_increment = increment; }

public slots:
    // What a click on the arrows does.
    void stepUp();
    void stepDown();

signals:
    void activated();

private:
    void step(qint64 delta);

    qint64 m_value = 0;
    qint64 m_minimum = 0;
    qint64 m_maximum = 100;
    qint64 m_increment = 1;
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace brindle
