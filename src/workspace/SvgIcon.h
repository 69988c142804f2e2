#pragma once

#include <QByteArray>
#include <QImage>
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
    QSizeF size;         // the icon's own size in CSS px (width and height, else the viewBox);
                         // empty when it states none
};

// With `followTextColour`, fills and strokes that are black or currentColor become
// currentColor, and the icon's default fill with them, so an inline icon takes the text's
// colour in every state.
std::variant<CleanSvg, QString> cleanSvgIcon(const QByteArray& bytes,
                                             bool followTextColour = false);

// A .svgz file's document: gzip inflated, refused (with the reason) past kLargestSvgBytes.
std::variant<QByteArray, QString> inflateSvgz(const QByteArray& compressed);

// The icon drawn `size` CSS px large at `scale` device pixels per px (1 and 2 give the two
// pictures a page without SVG shows), transparent around what it draws. Null when it cannot
// be drawn.
QImage renderSvgIcon(const QByteArray& cleanText, QSize size, int scale);

// "name.svg" or "name.svgz", in any case.
bool isSvgFileName(const QString& name);
bool isCompressedSvgFileName(const QString& name);

} // namespace brindle
