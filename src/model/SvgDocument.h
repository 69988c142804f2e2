#pragma once

#include <QByteArray>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <variant>

namespace brindle {

// SVG icons are documents that can carry scripts and references to other files. Only what
// draws an icon is kept: the file is read with an XML reader and written anew from an
// allow-list of SVG elements and presentation attributes. What else it held is left out and
// named; a file that declares a DTD or entities, is not well-formed, is not an SVG document or
// goes past the limits below is refused with the reason.
inline constexpr qint64 kLargestSvgBytes = 1024 * 1024; // also after a .svgz is inflated
inline constexpr int kMostSvgElements = 10000;
inline constexpr int kDeepestSvgNesting = 64;

struct CleanSvg {
    QByteArray text;     // the icon as written beside the page, UTF-8
    QStringList removed; // what was left out, each once: "script element", "onload attribute"
    QSizeF size;         // its width and height in CSS px; empty unless it states both so
    QSizeF viewBox;      // the size of its viewBox; empty without one
};

// With `followTextColour`, fills and strokes that are black or currentColor become
// currentColor, and the icon's default fill with it, so an inline icon takes the text's
// colour in every state.
std::variant<CleanSvg, QString> cleanSvgIcon(const QByteArray& bytes,
                                             bool followTextColour = false);

// A cleaned icon as it stands inside a page's link: `size` large, hidden from assistive
// technology (the link's title names it), following the text colour when asked. Its ids start
// with `idPrefix`, so two icons on one page never share one; what would reach the rest of the
// page or show a tooltip (style sheets, classes, titles) is left out. Empty when the text is
// not a clean icon.
QString inlineSvgIcon(const QByteArray& cleanText, bool followTextColour, const QString& idPrefix,
                      QSize size);

// The size an icon takes on the page, in whole px: the width and height it states; otherwise
// its viewBox's proportions, no taller than `tallest` (the item's text with its padding), or a
// square that tall without a viewBox.
QSize svgIconPageSize(const CleanSvg& icon, int tallest);

} // namespace brindle
