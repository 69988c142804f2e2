#pragma once

#include <QList>
#include <QStringView>

namespace brindle {

// The widget-free arithmetic of the line-number gutter: where lines start, which line holds a
// character, which lines a visible range covers, and how wide the gutter must be.
namespace LineIndex {

inline constexpr qreal kMinimumThickness = 22;
// Five points of room on either side of the widest number.
inline constexpr qreal kLabelMargin = 10;

// Start of every line, ascending. Line terminators are \n, \r, \r\n, U+2028, U+2029 and U+0085;
// a text that ends with a terminator gets one more (empty) line, so "" and "a" have one line
// and "a\n" has two (starts 0 and 2).
QList<qint64> calculateLines(QStringView text);

// The 0-based line that contains the character index (binary search over the starts).
qint64 lineNumberForCharacterIndex(const QList<qint64>& lineStarts, qint64 index);

// Lines whose number is drawn for the visible characters [first, last]: from the line that
// holds `first`, every line whose start lies within the range.
QList<qint64> linesInRange(const QList<qint64>& lineStarts, qint64 first, qint64 last);

// Decimal digits of the largest line number (at least 1).
int digitCount(qint64 lineCount);

// The gutter width for labels whose widest form measures `labelWidth`.
qreal requiredThickness(qreal labelWidth);

// A new thickness is adopted only when it differs from the current one by more than a point,
// so rounding never makes the gutter jitter.
bool shouldAdoptThickness(qreal current, qreal required);

} // namespace LineIndex
} // namespace brindle
