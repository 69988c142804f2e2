#pragma once

#include <QWidget>

class QTimer;

namespace brindle {

// A small arrows-only control that holds a value within [minimum, maximum] and moves it by
// its increment. Clicking an arrow steps the value and emits activated() — the control's
// action — also when the value was already at its bound. Values set in code are clamped
// and announce nothing.
class Stepper : public QWidget {
    Q_OBJECT

public:
    explicit Stepper(QWidget* parent = nullptr);

    double value() const { return m_value; }
    // The value truncated towards zero, as an integer control would read it.
    qint64 integerValue() const { return static_cast<qint64>(m_value); }
    float floatValue() const { return static_cast<float>(m_value); }
    void setValue(double value);

    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    double increment() const { return m_increment; }
    void setMinimum(double minimum);
    void setMaximum(double maximum);
    void setIncrement(double increment) { m_increment = increment; }
    void setRange(double minimum, double maximum, double increment);

    // Step as a click on the upper or lower arrow does, action included.
    void stepUp();
    void stepDown();

    QSize sizeHint() const override;

signals:
    void activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class Arrow { None, Up, Down };
    void step(Arrow arrow);
    void repeatStep();

    double m_value = 0.0;
    double m_minimum = 0.0;
    double m_maximum = 100.0;
    double m_increment = 1.0;
    Arrow m_pressed = Arrow::None;
    QTimer* m_repeatTimer = nullptr;
};

} // namespace brindle
