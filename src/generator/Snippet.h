#pragma once

#include <QString>

namespace brindle {

class GlobalData;

// The menu alone, for a page of one's own: the <nav> element (after a comment naming the two
// lines that go into the page's head), its stylesheet and its script, in files named after the
// class name (NAME.html, NAME.css, NAME.js), so that menus of different names can share a
// folder. Always written in the Modern style, which is the one made to live inside other pages.
// Its pictures carry the class name too ("NAME-home.png"): two menus in one folder never show
// each other's picture. Its arrow is drawn by the stylesheet.
struct Snippet {
    QString html;
    QString css;
    QString script;
    QString pageName;
    QString stylesheetName;
    QString scriptName;
    QString picturePrefix; // "NAME-"

    QString pictureName(const QString& fileName) const { return picturePrefix + fileName; }
};

Snippet buildSnippet(const GlobalData& data);

} // namespace brindle
