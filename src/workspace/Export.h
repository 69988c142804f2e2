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
// item, its sub-items' icons (normal, then double-resolution), then its own. With `svgIcons`
// (Modern), an SVG icon is its SVG file (none when it stands inside the page), else its two
// pictures, and a sub-item's own items come before it.
QStringList exportedIconFileNames(const Node& menuRoot, bool svgIcons = false);
// True when some top-level item has sub-items, so the page needs the arrow image.
bool needsArrowImage(const Node& menuRoot);
class GlobalData;
// Why the page does not show every item of the design (a Classic page and a three-level
// menu), or empty.
QString hiddenLevelNote(const GlobalData& data);

// The names the two texts are written under: the whole page, or the menu alone.
struct ExportFileNames {
    QString stylesheet = QStringLiteral("styles.css");
    QString page = QStringLiteral("index.html");
    QString script = QStringLiteral("menu.js");
    bool svgIcons = false;    // the page shows SVG icons as SVG (Modern), not as their pictures
    bool arrowPicture = true; // the stylesheet shows "bottom.png" (Classic), not a drawn arrow
};

class GlobalData;

// The whole page, or the menu alone for a page of one's own (see buildSnippet()).
enum class ExportForm { Page, Snippet };
// What becomes of a file in the folder that holds other bytes than the export would write:
// a file the export did not write is never replaced without the user's word.
enum class ExistingFiles { Keep, Replace };

struct ExportResult {
    bool ok = true;
    QString error; // one line per file that could not be written
    // With ExistingFiles::Keep: the files that hold something else. Nothing was written.
    QStringList clashes;
    QString pageName; // the page (or the menu's page) in the folder
    QString note;     // what the export left off the page on purpose, for the user; or empty
    explicit operator bool() const { return ok; }
};

// The one way to write an export, for every caller: generates the texts of `data` in the
// given form, takes the icons from `iconFolder` and writes everything into `folder`. A Page is
// "styles.css", "index.html", "menu.js" for a Modern page, the icons and "bottom.png" when a
// top-level item has sub-items; a Snippet is NAME.html, NAME.css, NAME.js and its pictures, each
// named after the class name.
ExportResult exportDesign(const GlobalData& data, const QString& iconFolder, const QString& folder,
                          ExportForm form, ExistingFiles existing);

// Everything the page needs, into the folder: the stylesheet and the page ("styles.css",
// "index.html" unless named otherwise), the icons copied from the preview folder (replacing
// files of the same name), when needed "bottom.png", and the script ("menu.js") when the page
// loads one.
WriteResult exportAllFilesToFolder(const QString& cssText, const QString& htmlText,
                                   const Node& menuRoot, const QString& previewFolder,
                                   const QString& folder, const QString& scriptText = QString(),
                                   const ExportFileNames& names = {});

} // namespace brindle
