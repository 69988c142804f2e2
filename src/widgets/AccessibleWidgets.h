#pragma once

#include <QString>

class QPainter;
class QRectF;
class QWidget;

namespace brindle {

// The drawn controls (colour wells, padlocks, tab strips) tell assistive technology what
// they are through interfaces of their own. Each of those controls calls this when it is
// made; the first call installs the factory, later calls do nothing.
void installAccessibleWidgets();

// The name of an undo step that a control makes: the control's accessible name, which is how
// the screen names it, in title case ("Hover background opacity" → "Hover Background
// Opacity"). So the Edit menu and screen readers name a setting the same way.
QString undoStepName(const QWidget* control);
// "Unlock left and right padding" as a step's name: "Unlock Left And Right Padding".
QString titleCased(const QString& text);

// The keyboard focus ring of the drawn controls, in the palette's highlight colour.
void drawFocusRing(QPainter& painter, const QWidget& widget, const QRectF& around);

} // namespace brindle
