#pragma once

#include "model/SvgCleaner.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <variant>

namespace brindle {

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
