#include "widgets/FocusKeeper.h"

#include <QApplication>

namespace brindle {

FocusKeeper::FocusKeeper(QWidget* area) : m_area(area) {
    QWidget* focused = QApplication::focusWidget();
    if (!area || !focused || focused == area || !area->isAncestorOf(focused))
        return;
    area->setFocus(Qt::OtherFocusReason);
    m_parked = area->hasFocus();
}

FocusKeeper::~FocusKeeper() {
    if (!m_parked || !m_area || QApplication::focusWidget() != m_area)
        return;
    // The field nearest the top left, as a reader meets it.
    QWidget* first = nullptr;
    QPoint firstAt;
    for (QWidget* widget : m_area->findChildren<QWidget*>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy() ||
            !widget->isEnabled() || !widget->isVisibleTo(m_area))
            continue;
        const QPoint at = widget->mapTo(m_area.data(), QPoint(0, 0));
        if (!first || at.y() < firstAt.y() || (at.y() == firstAt.y() && at.x() < firstAt.x())) {
            first = widget;
            firstAt = at;
        }
    }
    if (first)
        first->setFocus(Qt::OtherFocusReason);
}

} // namespace brindle
