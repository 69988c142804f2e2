#include "widgets/Stepper.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <algorithm>

namespace brindle {

namespace {
constexpr int kFirstRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 60;
} // namespace

Stepper::Stepper(QWidget* parent) : QWidget(parent), m_repeatTimer(new QTimer(this)) {
    // Clicking the arrows must not end the editing of the field beside them, and the field
    // itself takes Up and Down, so the stepper is no stop of its own on the Tab chain.
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_repeatTimer->setSingleShot(false);
    connect(m_repeatTimer, &QTimer::timeout, this, &Stepper::repeatStep);
}

void Stepper::setValue(double value) {
    const double clamped = std::clamp(value, m_minimum, std::max(m_minimum, m_maximum));
    if (clamped != m_value) {
        m_value = clamped;
        update();
    }
}

void Stepper::setMinimum(double minimum) {
    m_minimum = minimum;
    setValue(m_value);
}

void Stepper::setMaximum(double maximum) {
    m_maximum = maximum;
    setValue(m_value);
}

void Stepper::setRange(double minimum, double maximum, double increment) {
    m_minimum = minimum;
    m_maximum = maximum;
    m_increment = increment;
    setValue(m_value);
}

void Stepper::stepUp() {
    step(Arrow::Up);
}

void Stepper::stepDown() {
    step(Arrow::Down);
}

void Stepper::step(Arrow arrow) {
    if (!isEnabled() || arrow == Arrow::None)
        return;
    setValue(arrow == Arrow::Up ? m_value + m_increment : m_value - m_increment);
    emit activated();
}

void Stepper::repeatStep() {
    m_repeatTimer->setInterval(kRepeatIntervalMs);
    step(m_pressed);
}

QSize Stepper::sizeHint() const {
    return {15, 22};
}

void Stepper::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        event->ignore();
        return;
    }
    m_pressed = event->position().y() < height() / 2.0 ? Arrow::Up : Arrow::Down;
    update();
    step(m_pressed);
    m_repeatTimer->start(kFirstRepeatDelayMs);
}

void Stepper::mouseReleaseEvent(QMouseEvent*) {
    m_repeatTimer->stop();
    m_pressed = Arrow::None;
    update();
}

void Stepper::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up)
        step(Arrow::Up);
    else if (event->key() == Qt::Key_Down)
        step(Arrow::Down);
    else
        QWidget::keyPressEvent(event);
}

void Stepper::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_repeatTimer->stop();
        m_pressed = Arrow::None;
    }
    QWidget::changeEvent(event);
}

void Stepper::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal half = frame.height() / 2.0;

    QPainterPath outline;
    outline.addRoundedRect(frame, 3, 3);
    painter.fillPath(outline, pal.button());
    if (m_pressed != Arrow::None) {
        const QRectF pressed(frame.left(),
                             m_pressed == Arrow::Up ? frame.top() : frame.top() + half,
                             frame.width(), half);
        painter.save();
        painter.setClipPath(outline);
        painter.fillRect(pressed, pal.mid());
        painter.restore();
    }
    painter.setPen(QPen(pal.color(QPalette::Mid), 1));
    painter.drawPath(outline);
    painter.drawLine(QPointF(frame.left() + 2, frame.top() + half),
                     QPointF(frame.right() - 2, frame.top() + half));

    const QColor arrowColor =
        pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    painter.setPen(Qt::NoPen);
    painter.setBrush(arrowColor);
    const qreal cx = frame.center().x();
    const qreal w = std::min<qreal>(3.5, frame.width() / 3.0);
    const qreal upY = frame.top() + half / 2.0;
    const qreal downY = frame.top() + half * 1.5;
    const QPointF up[3] = {{cx - w, upY + 2}, {cx + w, upY + 2}, {cx, upY - 2}};
    const QPointF down[3] = {{cx - w, downY - 2}, {cx + w, downY - 2}, {cx, downY + 2}};
    painter.drawPolygon(up, 3);
    painter.drawPolygon(down, 3);
}

} // namespace brindle
