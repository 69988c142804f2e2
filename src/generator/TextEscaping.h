#pragma once

#include <QString>

namespace brindle {

// Titles are text content of the page: "&", "<" and ">" become entities.
QString escapeHtmlText(const QString& text);
// Links and classes stand in double-quoted attributes: also '"' becomes an entity.
QString escapeHtmlAttribute(const QString& text);
// The inside of a double-quoted CSS string, as in url("…"): "\" and '"' get a backslash.
QString escapeCssString(const QString& text);

} // namespace brindle
