#pragma once

#include "workspace/FileWriter.h"

#include <QString>
#include <QStringList>

namespace brindle {

class Node;

// Export of the generated result. Every write is atomic and every failure is reported:
// `error` then holds one line per file that could not be written, and the remaining files
// are still written.

// The page text alone, UTF-8.
WriteResult exportHTMLTextToFile(const QString& htmlText, const QString& path);
// The stylesheet text alone, UTF-8.
WriteResult exportCSSTextToFile(const QString& cssText, const QString& path);

// The icon file names that the menu uses, each once, in export order: for each top-level
// item, its sub-items' icons (normal, then double-resolution), then its own. With `svgIcons`,
// an SVG icon is its SVG file (none when it stands inside the page), else its two pictures.
QStringList exportedIconFileNames(const Node& menuRoot, bool svgIcons = false);
// True when some top-level item has sub-items, so the page needs the arrow image.
bool needsArrowImage(const Node& menuRoot);

// The names the two texts are written under: the whole page, or the menu alone.
struct ExportFileNames {
    QString stylesheet = QStringLiteral("styles.css");
    QString page = QStringLiteral("index.html");
    QString script = QStringLiteral("menu.js");
    bool svgIcons = false; // the page shows SVG icons as SVG (Modern), not as their pictures
};

// Everything the page needs, into the folder: the stylesheet and the page ("styles.css",
// "index.html" unless named otherwise), the icons copied from the preview folder (replacing
// files of the same name), when needed "bottom.png", and the script ("menu.js") when the page
// loads one.
WriteResult exportAllFilesToFolder(const QString& cssText, const QString& htmlText,
                                   const Node& menuRoot, const QString& previewFolder,
                                   const QString& folder, const QString& scriptText = QString(),
                                   const ExportFileNames& names = {});

} // namespace brindle
