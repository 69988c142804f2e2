#pragma once

#include "model/Node.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace brindle {

class Node;

// One item of a menu read from a site's own files: its title, its link as written, and its
// sub-items.
struct ImportedItem {
    QString title;
    QString link;
    QList<ImportedItem> children;
};

// What an import took and what it could not take. A refused import has an error and no
// items.
struct MenuImport {
    QList<ImportedItem> items;
    QStringList notTaken; // one line per kind of thing left out or moved, with its count
    QString error;
    explicit operator bool() const { return error.isEmpty(); }
    static MenuImport refused(const QString& reason) {
        MenuImport result;
        result.error = reason;
        return result;
    }
};

enum class MenuSourceKind { Html, Sitemap, Outline };

// The limits of an import: larger files and menus are refused with the reason.
inline constexpr qint64 kLargestMenuSourceBytes = 5 * 1024 * 1024;
inline constexpr int kMostImportedItems = 1000;
// Items deeper than kDeepestMenuLevel are placed in that level, after their ancestor there.

// The kind of a source by its name and its first bytes: a sitemap's urlset, an HTML page, or
// else an outline.
MenuSourceKind menuSourceKind(const QString& fileName, const QByteArray& bytes);

// The readers, each for one kind of source. They only read; importMenu() applies the limits.
// An HTML page: its first <nav> holding links, else its largest list of links.
MenuImport readHtmlMenu(const QByteArray& bytes);
// A sitemaps.org urlset: the tree follows the URL paths.
MenuImport readSitemapMenu(const QByteArray& bytes);
// A Markdown list of links or plain titles, nested by indentation.
MenuImport readOutlineMenu(const QByteArray& bytes);

// Reads a source of any kind and makes the result fit a menu: at most kDeepestMenuLevel levels,
// no item without a title, no script links, at most kMostImportedItems items.
MenuImport importMenu(const QString& fileName, const QByteArray& bytes);
// The same from a file; a file larger than kLargestMenuSourceBytes is not read.
MenuImport importMenuFile(const QString& path);

// The menu as the store keeps it, under a new invisible root; items are numbered "icon1"…
std::unique_ptr<Node> menuTreeOf(const QList<ImportedItem>& items);

// Folds runs of white space into one space and trims the ends, as a browser shows a title.
QString foldedWhiteSpace(const QString& text);

} // namespace brindle
