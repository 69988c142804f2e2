#pragma once

#include "model/SvgTree.h"

#include <QByteArray>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <variant>

namespace brindle {

// SVG icons are documents that can carry scripts and references to other files. Only what
// draws an icon is kept: the file is read whole and written anew from an allow-list of SVG
// elements and painting properties, its style sheet applied to the elements, links and
// switches resolved as a browser draws them. What else it held is left out and named; a file
// that declares a DTD or entities, is not well-formed, is not an SVG document, goes past the
// limits or whose references would make a browser draw past them is refused with the reason.
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

// The size an icon takes on the page, in whole px: the width and height it states; otherwise
// its viewBox's proportions, no taller than `tallest` (the item's text with its padding), or a
// square that tall without a viewBox.
QSize svgIconPageSize(const CleanSvg& icon, int tallest);

} // namespace brindle
