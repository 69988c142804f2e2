#pragma once

class QPainter;
class QRectF;
class QWidget;

namespace brindle {

// The drawn controls (colour wells, padlocks, tab strips) tell assistive technology what
// they are through interfaces of their own. Each of those controls calls this when it is
// made; the first call installs the factory, later calls do nothing.
void installAccessibleWidgets();

// The keyboard focus ring of the drawn controls, in the palette's highlight colour.
void drawFocusRing(QPainter& painter, const QWidget& widget, const QRectF& around);

} // namespace brindle
