#pragma once

#include <QString>

namespace brindle {

// Titles are text content of the page: "&", "<" and ">" become entities.
QString escapeHtmlText(const QString& text);
// Links and classes stand in double-quoted attributes: also '"' becomes an entity.
QString escapeHtmlAttribute(const QString& text);
// The inside of a double-quoted CSS string, as in url("…"): "\" and '"' get a backslash.
QString escapeCssString(const QString& text);
// A file beside the page as the text inside url("…"): a relative URL whose characters that a
// URL reads otherwise (% starts an escape, # and ? end the path) are percent-encoded, then
// escaped for the string.
QString cssUrlOfFileName(const QString& fileName);

} // namespace brindle
