#include "editor/IconGapStepper.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace brindle {

namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(18, 12);
    return button;
}

} // namespace

IconGapStepper::IconGapStepper(QWidget* parent)
    : QWidget(parent), m_up(arrowButton(Qt::UpArrow, this)),
      m_down(arrowButton(Qt::DownArrow, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(m_up, &QToolButton::clicked, this, &IconGapStepper::stepUp);
    connect(m_down, &QToolButton::clicked, this, &IconGapStepper::stepDown);
}

void IconGapStepper::setValue(qint64 value) {
    m_value = std::clamp(value, m_minimum, m_maximum);
}

void IconGapStepper::setRange(qint64 minimum, qint64 maximum) {
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    setValue(m_value);
}

void IconGapStepper::stepUp() {
    step(m_increment);
}

void IconGapStepper::stepDown() {
    step(-m_increment);
}

void IconGapStepper::step(qint64 delta) {
    setValue(m_value + delta);
    emit activated();
}

} // namespace brindle
