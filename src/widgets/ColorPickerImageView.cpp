#include "widgets/ColorPickerImageView.h"

#include "platform/NotificationCenter.h"
#include "widgets/AccessibleWidgets.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

namespace brindle {

namespace {

QPointer<QColorDialog> g_colorDialog;
QPointer<ColorPickerImageView> g_target;
// The well a keyboard user opened the dialog from; it gets the focus back on close.
QPointer<ColorPickerImageView> g_returnFocusTo;
// True while a well loads its own colour into the dialog: that is not a user's pick.
bool g_retargeting = false;

QColor toQColor(const Color& c) {
    return QColor::fromRgbF(static_cast<float>(c.red), static_cast<float>(c.green),
                            static_cast<float>(c.blue), static_cast<float>(c.alpha));
}

Color fromQColor(const QColor& c) {
    const QColor rgb = c.toRgb();
    return {rgb.redF(), rgb.greenF(), rgb.blueF(), rgb.alphaF()};
}

} // namespace

ColorPickerImageView::ColorPickerImageView(QWidget* parent)
    : ColorPickerImageView(NotificationCenter::defaultCenter(), parent) {}

ColorPickerImageView::ColorPickerImageView(NotificationCenter& center, QWidget* parent)
    : QWidget(parent), m_center(center) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab; a click opens the dialog without taking the focus from a field.
    setFocusPolicy(Qt::TabFocus);
    installAccessibleWidgets();
}

ColorPickerImageView::~ColorPickerImageView() = default;

void ColorPickerImageView::setBackgroundColor(const Color& color) {
    m_backgroundColor = color;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    sendUpdateDataNotification(QStringLiteral("ColorChanged"));
}

void ColorPickerImageView::sendUpdateDataNotification(const QString& name) {
    m_center.post(name, this);
}

void ColorPickerImageView::colorUpdate() {
    if (g_colorDialog)
        setBackgroundColor(fromQColor(g_colorDialog->currentColor()));
}

QColorDialog* ColorPickerImageView::sharedColorDialog() {
    if (!g_colorDialog) {
        auto* dialog = new QColorDialog();
        dialog->setWindowTitle(QObject::tr("Colors"));
        dialog->setOptions(QColorDialog::NoButtons | QColorDialog::DontUseNativeDialog);
        dialog->setModal(false);
        dialog->setWindowFlag(Qt::Tool);
        dialog->setAttribute(Qt::WA_QuitOnClose, false);
        dialog->setAttribute(Qt::WA_ShowWithoutActivating);
        QObject::connect(dialog, &QColorDialog::currentColorChanged, dialog, [] {
            if (!g_retargeting && g_target)
                g_target->colorUpdate();
        });
        QObject::connect(dialog, &QDialog::finished, dialog, [] {
            if (ColorPickerImageView* well = g_returnFocusTo) {
                g_returnFocusTo = nullptr;
                well->activateWindow();
                well->setFocus(Qt::OtherFocusReason);
            }
        });
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog, &QObject::deleteLater);
        g_colorDialog = dialog;
    }
    return g_colorDialog;
}

ColorPickerImageView* ColorPickerImageView::colorDialogTarget() {
    return g_target;
}

void ColorPickerImageView::adoptColorDialog(QWidget* owner) {
    QColorDialog* dialog = sharedColorDialog();
    if (owner == nullptr || dialog->parentWidget() == owner)
        return;
    // A tool window of the well's window stays above it, goes with it, and is closed with it.
    const bool shown = dialog->isVisible();
    dialog->setParent(owner, dialog->windowFlags() | Qt::Tool);
    // The window's shortcuts (undo, save, the modes…) also work while the colour window has
    // the focus: the same actions, so each still runs once.
    for (QAction* action : dialog->actions())
        dialog->removeAction(action);
    for (QAction* action : owner->findChildren<QAction*>()) {
        if (!action->shortcuts().isEmpty())
            dialog->addAction(action);
    }
    if (shown)
        dialog->show();
}

QSize ColorPickerImageView::sizeHint() const {
    return {40, 22};
}

void ColorPickerImageView::openColorDialog(OpenedBy openedBy) {
    if (!isEnabled())
        return;
    QColorDialog* dialog = sharedColorDialog();
    adoptColorDialog(window());
    g_target = this;
    g_retargeting = true;
    dialog->setCurrentColor(toQColor(m_backgroundColor));
    g_retargeting = false;
    const bool fromKeyboard = openedBy == OpenedBy::Keyboard;
    g_returnFocusTo = fromKeyboard ? this : nullptr;
    dialog->show();
    dialog->raise();
    if (fromKeyboard)
        dialog->activateWindow();
}

void ColorPickerImageView::mousePressEvent(QMouseEvent* event) {
    if (!isEnabled() || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    openColorDialog(OpenedBy::Pointer);
}

void ColorPickerImageView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            openColorDialog(OpenedBy::Keyboard);
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void ColorPickerImageView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ColorPickerImageView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void ColorPickerImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(rect());
    const qreal x = bounds.x(), y = bounds.y(), w = bounds.width(), h = bounds.height();

    QPainterPath frame;
    frame.addRoundedRect(QRectF(x + 1, y + 1, w - 2, h - 2), 4, 4);
    painter.setPen(QPen(isEnabled() ? Qt::gray : Qt::lightGray, 1));
    painter.drawPath(frame);

    QPainterPath swatch;
    swatch.addRoundedRect(QRectF(x + 2, y + 2, w - 4, h - 4), 4, 4);
    QColor fill = toQColor(m_backgroundColor);
    if (!isEnabled())
        fill.setAlphaF(fill.alphaF() * 0.35f);
    painter.fillPath(swatch, fill);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawPath(swatch);

    if (m_isColorNotSet) {
        painter.drawLine(QPointF(x + 2, y + 2), QPointF(x + w - 2, y + h - 2));
        painter.drawLine(QPointF(x + w - 2, y + 2), QPointF(x + 2, y + h - 2));
    }
    if (hasFocus())
        drawFocusRing(painter, *this, bounds);
}

} // namespace brindle
