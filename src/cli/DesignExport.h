#pragma once

#include "workspace/FileWriter.h"

#include <QString>

namespace brindle {
class GlobalData;
}

namespace brindle::cli {

// Generates the page and the stylesheet for `data` as a freshly started application would,
// and writes into `outputDirectory` (created when missing) what "export everything" writes:
// both texts, the icons found in `iconFolder`, "bottom.png" when some top-level item has
// sub-items, and "menu.js" for a Modern page. On failure `error` is one line.
WriteResult exportDesign(const GlobalData& data, const QString& outputDirectory,
                         const QString& iconFolder = QString());
// The same for the menu alone (see buildSnippet()): NAME.html, NAME.css, NAME.js after the
// class name, the icons and "bottom.png" when needed.
WriteResult exportSnippet(const GlobalData& data, const QString& outputDirectory,
                          const QString& iconFolder = QString());

} // namespace brindle::cli
