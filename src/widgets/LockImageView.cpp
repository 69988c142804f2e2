#include "widgets/LockImageView.h"

#include "platform/NotificationCenter.h"
#include "widgets/AccessibleWidgets.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace brindle {

LockImageView::LockImageView(QWidget* parent)
    : LockImageView(NotificationCenter::defaultCenter(), parent) {}

LockImageView::LockImageView(NotificationCenter& center, QWidget* parent)
    : QWidget(parent), m_center(center) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    installAccessibleWidgets();
}

void LockImageView::setIsLock(bool isLock) {
    if (m_isLock == isLock)
        return;
    m_isLock = isLock;
    update();
    if (QAccessible::isActive()) {
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent changed(this, checked);
        QAccessible::updateAccessibility(&changed);
    }
}

void LockImageView::sendMessage(bool isLock) {
    m_center.post(QStringLiteral("LockStatusChanged"), this,
                  {{QStringLiteral("Lock"), QVariant(isLock)},
                   {QLatin1String(kUndoTextKey), isLock || m_unlockStepName.isEmpty()
                                                     ? undoStepName(this)
                                                     : titleCased(m_unlockStepName)}});
}

QSize LockImageView::sizeHint() const {
    return {16, 16};
}

void LockImageView::mousePressEvent(QMouseEvent* event) {
    if (!isEnabled() || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    toggle();
}

void LockImageView::toggle() {
    if (!isEnabled())
        return;
    setIsLock(!m_isLock);
    emit lockChanged(m_isLock);
    sendMessage(m_isLock);
}

void LockImageView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier)
        toggle();
    else
        QWidget::keyPressEvent(event);
}

void LockImageView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void LockImageView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void LockImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap picture(m_isLock ? QStringLiteral(":/images/lock.png")
                                   : QStringLiteral(":/images/unlock.png"));
    if (!picture.isNull()) {
        const QSize size = picture.size().scaled(this->size(), Qt::KeepAspectRatio);
        const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2),
                           size);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(target, picture);
        if (hasFocus())
            drawFocusRing(painter, *this, rect());
        return;
    }
    // Without the built-in pictures: a plain padlock, shackle open when unlocked.
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(width() * 0.2, height() * 0.45, width() * 0.6, height() * 0.45);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
    const QRectF shackle(width() * 0.3, height() * 0.1, width() * 0.4, height() * 0.6);
    painter.drawArc(shackle.translated(m_isLock ? 0 : width() * 0.25, 0), 0, 180 * 16);
    painter.fillRect(body, palette().color(QPalette::WindowText));
    if (hasFocus())
        drawFocusRing(painter, *this, rect());
}

} // namespace brindle
