#pragma once

#include <QString>

namespace brindle {

class GlobalData;

// The menu alone, for a page of one's own: the <nav> element (after a comment naming the two
// lines that go into the page's head), its stylesheet and its script. Always written in the
// Modern style, which is the one made to live inside other pages.
struct Snippet {
    QString html;
    QString css;
    QString script;
};

inline constexpr const char* kSnippetPageName = "menu.html";
inline constexpr const char* kSnippetStylesheetName = "menu.css";

Snippet buildSnippet(const GlobalData& data);

} // namespace brindle
