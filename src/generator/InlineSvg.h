#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

namespace brindle {

// A cleaned icon as it stands inside a page's link: `size` large, hidden from assistive
// technology (the link's title names it), following the text colour when asked. Its ids start
// with `idPrefix`, so two icons on one page never share one. Every painting property is
// written in the style attribute, which a host page's rules for svg elements cannot beat as
// they beat presentation attributes; nothing shows a tooltip. Empty when the text is not a
// clean icon.
QString inlineSvgIcon(const QByteArray& cleanText, bool followTextColour, const QString& idPrefix,
                      QSize size);

} // namespace brindle
