#pragma once

#include "model/Color.h"

#include <QString>

namespace brindle {

// Text pieces of the box and text declarations. Every declaration starts with a tab and ends
// with a line feed; vendor-prefixed forms come before the standard one.

// "%ld" of a whole number, and the same followed by "px".
QString decimal(qint64 value);
QString pixels(qint64 value);
// printf's "%.*f" in the C locale: the number rounded to `decimals` decimals.
QString fixedDecimals(double value, int decimals);

// "-moz-border-radius", "-webkit-border-radius" and "border-radius", all set to `value`.
// Without vendor forms only the standard declaration.
QString borderRadiusDeclarations(const QString& value, bool vendorForms = true);
// All four corners: "25px".
QString cornerRadiusDeclarations(qint64 radius, bool vendorForms = true);
// Bottom corners only: "0 0 5px 5px".
QString bottomCornerRadiusDeclarations(qint64 radius, bool vendorForms = true);

QString borderDeclaration(qint64 size, const Color& color);
// The separator between top-level items, or nothing when they are switched off.
QString separatorDeclarations(bool showSeparator, qint64 size, const Color& color,
                              bool logicalSides = false);
QString percentWidthDeclaration(qint64 percent);
QString pixelWidthDeclaration(qint64 width);
// CSS order: top, right, bottom, left; exactly 0 is written "0".
QString paddingDeclaration(qint64 top, qint64 right, qint64 bottom, qint64 left,
                           bool logicalSides = false);
QString fontFamilyDeclaration(const QString& family);
// The stack with "system-ui" after the designer's families, and "sans-serif" when it names no
// generic family: titles in any script find a font, Latin ones keep theirs.
QString stackForEveryScript(const QString& family);
QString colorDeclaration(const Color& color);
QString fontSizeDeclaration(qint64 size);

} // namespace brindle
