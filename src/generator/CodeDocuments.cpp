#include "generator/CodeDocuments.h"

#include "model/GlobalData.h"

#include <array>

namespace brindle {

namespace {

// One piece of a document: fixed text, or a registered fragment when `fixed` is null.
struct Piece {
    const char* fixed;
    Fragment fragment;
};

constexpr Piece text(const char* fixed) {
    return {fixed, Fragment::menuStructure};
}
constexpr Piece frag(Fragment fragment) {
    return {nullptr, fragment};
}

// The builders in the order the build runs them. Only the last three depend on it: the
// icon rules compute the line heights that the top and height declarations use.
constexpr std::array<Fragment, kStylesheetFragmentCount> kBuildOrder = {
    Fragment::borderRadius,
    Fragment::borderSizeColor,
    Fragment::borderLeftRightSizeColor,
    Fragment::width,
    Fragment::padding,
    Fragment::subMenuWidth,
    Fragment::backgroundColor,
    Fragment::backgroundColorHover,
    Fragment::backgroundColorActive,
    Fragment::subMenuBackgroundColor,
    Fragment::subMenuBackgroundColorHover,
    Fragment::subMenuBackgroundColorActive,
    Fragment::dropAndInnerShadow,
    Fragment::mainMenuFontColor,
    Fragment::mainMenuFontSize,
    Fragment::mainMenuFontFamily,
    Fragment::mainMenuTextShadow,
    Fragment::mainMenuFontColorHover,
    Fragment::mainMenuFontColorActive,
    Fragment::subMenuFontColor,
    Fragment::subMenuFontColorHover,
    Fragment::subMenuFontColorActive,
    Fragment::subMenuBorderRadius,
    Fragment::subMenuBorderSizeColor,
    Fragment::subMenuItemFirstChild,
    Fragment::subMenuItemLastChild,
    Fragment::menuIcon,
    Fragment::subMenuTop,
    Fragment::subMenuItemHeight,
};

// The stylesheet: 24 rules, then the icon rules.
constexpr Piece kStylesheet[] = {
    // 1
    text(".brindlenav {\n"),
    frag(Fragment::width),
    text("\tmargin: 0;\n"),
    frag(Fragment::padding),
    text("\tlist-style: none;\n"),
    text("\tbackground: #111;\n"),
    frag(Fragment::backgroundColor),
    frag(Fragment::borderRadius),
    frag(Fragment::borderSizeColor),
    frag(Fragment::dropAndInnerShadow),
    text("}\n"),
    // 2
    text(".brindlenav li{\n"),
    text("\tfloat: left;\n"),
    text("\tpadding: 0px 8px 0px 0px;\n"),
    frag(Fragment::borderLeftRightSizeColor),
    text("\tposition: relative;\n"),
    text("}\n"),
    // 3
    text(".brindlenav li:first-child{\n"),
    text("\tmargin: 0 0 0 25px;\n"),
    text("\tborder-left: 0px;\n"),
    text("}\n"),
    // 4
    text(".brindlenav li:last-child{\n"),
    text("\tborder-right: 0px;\n"),
    text("}\n"),
    // 5
    text(".brindlenav li:hover{\n"),
    frag(Fragment::backgroundColorHover),
    text("}\n"),
    // 6
    text(".brindlenav li:active{\n"),
    frag(Fragment::backgroundColorActive),
    text("}\n"),
    // 7
    text(".brindlenav a{\n"),
    text("\tfloat: left;\n"),
    text("\tpadding: 10px 10px;\n"),
    text("\tcolor: #999;\n"),
    frag(Fragment::mainMenuFontFamily),
    frag(Fragment::mainMenuFontColor),
    frag(Fragment::mainMenuFontSize),
    text("\ttext-decoration: none;\n"),
    frag(Fragment::mainMenuTextShadow),
    text("}\n"),
    // 8
    text(".brindlenav a:hover{\n"),
    frag(Fragment::mainMenuFontColorHover),
    text("}\n"),
    // 9
    text(".brindlenav a:active{\n"),
    frag(Fragment::mainMenuFontColorActive),
    text("}\n"),
    // 10
    text(".brindlenav li:hover > ul{\n"),
    text("\tdisplay: block;\n"),
    text("}\n"),
    // 11
    text(".brindlenav li:active > ul{\n"),
    text("\tdisplay: block;\n"),
    text("}\n"),
    // 12
    text(".brindlenav ul{\n"),
    text("\tlist-style: none;\n"),
    text("\tmargin: 0;\n"),
    text("\tpadding: 0;\n"),
    text("\tdisplay: none;\n"),
    text("\tposition: absolute;\n"),
    frag(Fragment::subMenuTop),
    text("\tleft: 0;\n"),
    text("\tz-index: 99999;\n"),
    frag(Fragment::subMenuBackgroundColor),
    frag(Fragment::subMenuBorderRadius),
    frag(Fragment::subMenuBorderSizeColor),
    text("}\n"),
    // 13
    text(".brindlenav ul li{\n"),
    text("\tborder-left: 0px;\n"),
    text("\tborder-right: 0px;\n"),
    text("\tfloat: none;\n"),
    text("\tmargin: 0;\n"),
    text("\tpadding: 0;\n"),
    text("\tdisplay: block;\n"),
    text("\t-moz-box-shadow: 0 1px 0 #111111, 0 1px 0 #777777;\n"),
    text("\t-webkit-box-shadow: 0 1px 0 #111111, 0 1px 0 #777777;\n"),
    text("\tbox-shadow: 0 1px 0 #111111, 0 1px 0 #777777;\n"),
    text("}\n"),
    // 14
    text(".brindlenav ul li:first-child{\n"),
    text("\tpadding-left: 0px;\n"),
    text("\tmargin: 0;\n"),
    text("}\n"),
    // 15
    text(".brindlenav ul li:last-child{\n"),
    text("\t-moz-box-shadow: none;\n"),
    text("\t-webkit-box-shadow: none;\n"),
    text("\tbox-shadow: none;\n"),
    text("}\n"),
    // 16
    text(".brindlenav ul li:hover{\n"),
    frag(Fragment::subMenuBackgroundColorHover),
    text("}\n"),
    // 17
    text(".brindlenav ul li:active{\n"),
    frag(Fragment::subMenuBackgroundColorActive),
    text("}\n"),
    // 18
    text(".brindlenav ul a{\n"),
    frag(Fragment::subMenuFontColor),
    text("\tpadding: 10px;\n"),
    text("\theight: auto;\n"),
    text("\tline-height: 1;\n"),
    text("\tdisplay: block;\n"),
    text("\twhite-space: nowrap;\n"),
    text("\tfloat: none;\n"),
    text("\ttext-transform: none;\n"),
    frag(Fragment::subMenuItemHeight),
    frag(Fragment::subMenuWidth),
    text("}\n"),
    // 19
    text(".brindlenav ul a:hover{\n"),
    frag(Fragment::subMenuFontColorHover),
    text("}\n"),
    // 20
    text(".brindlenav ul a:active{\n"),
    frag(Fragment::subMenuFontColorActive),
    text("}\n"),
    // 21
    text(".brindlenav ul li:first-child a{\n"),
    frag(Fragment::subMenuItemFirstChild),
    text("}\n"),
    // 22
    text(".brindlenav ul li:first-child a:hover:after{\n"),
    text("\tborder-bottom-color: #04acec;\n"),
    text("}\n"),
    // 23
    text(".brindlenav ul li:last-child a{\n"),
    frag(Fragment::subMenuItemLastChild),
    text("}\n"),
    // 24
    text(".brindlenav:after{\n"),
    text("\tvisibility: hidden;\n"),
    text("\tdisplay: block;\n"),
    text("\tfont-size: 0;\n"),
    text("\tcontent: \" \";\n"),
    text("\tclear: both;\n"),
    text("\theight: 0;\n"),
    text("}\n"),
    // The icon rules bring their own leading newlines.
    frag(Fragment::menuIcon),
};

constexpr Piece kPage[] = {
    text("<!DOCTYPE html>\n"),
    text("<html lang=\"en\">\n"),
    text("<head>\n"),
    text("\t<meta charset=\"utf-8\">\n"),
    text("\t<link rel=\"stylesheet\" type=\"text/css\" href=\"styles.css\" media=\"screen\" />\n"),
    text("\t<title>My Button</title>\n"),
    text("</head>\n"),
    text("<body>\n"),
    text("<br>\n"),
    text("<ul class=\"brindlenav\">\n"),
    frag(Fragment::menuStructure),
    text("</ul>\n"),
    text("</body>\n"),
    text("</html>\n"),
};

// Lays the pieces out one after another, recording each fragment's start.
template <std::size_t N> QString assemble(const Piece (&pieces)[N], FragmentRegistry& registry) {
    qsizetype length = 0;
    for (const Piece& piece : pieces)
        length += piece.fixed ? qsizetype(std::char_traits<char>::length(piece.fixed))
                              : registry.text(piece.fragment).size();
    QString result;
    result.reserve(length);
    for (const Piece& piece : pieces) {
        if (piece.fixed) {
            result += QLatin1String(piece.fixed);
        } else {
            registry.setIndex(piece.fragment, result.size());
            result += registry.text(piece.fragment);
        }
    }
    return result;
}

} // namespace

CodeDocuments::CodeDocuments(const GlobalData& data, QObject* parent)
    : QObject(parent), m_builders(data, m_registry) {}

void CodeDocuments::insertHTML5Code() {
    m_builders.constructMenuStructureCommand();
    m_htmlText = assemble(kPage, m_registry);
}

void CodeDocuments::insertCSS3Code() {
    for (Fragment fragment : kBuildOrder)
        m_builders.build(fragment);
    m_cssText = assemble(kStylesheet, m_registry);
}

void CodeDocuments::spliceFragment(Fragment f) {
    const qint64 position = m_registry.index(f);
    const qint64 oldLength = m_registry.text(f).size();
    m_builders.build(f);
    if (position < 0)
        return; // not placed in a text yet: nothing to replace
    // A copy, so that a receiver that splices again cannot change it under our feet.
    const QString newText = m_registry.text(f);
    if (isStylesheetFragment(f)) {
        m_cssText.replace(position, oldLength, newText);
        calculatePosIndex(position, newText.size() - oldLength);
        emit cssSpliced(position, oldLength, newText);
    } else {
        m_htmlText.replace(position, oldLength, newText);
        emit htmlSpliced(position, oldLength, newText);
    }
}

void CodeDocuments::calculatePosIndex(qint64 position, qint64 change) {
    m_registry.calculatePosIndex(position, change);
}

} // namespace brindle
