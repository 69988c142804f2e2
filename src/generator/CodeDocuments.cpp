#include "generator/CodeDocuments.h"

#include "generator/Declarations.h"
#include "generator/StyleTemplates.h"
#include "generator/TextEscaping.h"
#include "model/GlobalData.h"

#include <array>
#include <span>

namespace brindle {

namespace {

// One piece of a document: fixed text, a registered fragment, or the text of an output
// option. An option is part of the document's frame: changing it rebuilds the texts.
struct Piece {
    // The Current… kinds are fixed selectors written only when the current page takes that
    // state's look in the bar or in the drop-downs.
    enum class Kind {
        Fixed,
        Fragment,
        NavLabel,
        NavDirection,
        PhoneQuery,
        PageTitle,
        CurrentBarHover,
        CurrentBarActive,
        CurrentDropDownHover,
        CurrentDropDownActive
    };
    Kind kind;
    const char* fixed;
    Fragment fragment;
};

constexpr Piece text(const char* fixed) {
    return {Piece::Kind::Fixed, fixed, Fragment::menuStructure};
}
constexpr Piece frag(Fragment fragment) {
    return {Piece::Kind::Fragment, nullptr, fragment};
}
constexpr Piece option(Piece::Kind kind) {
    return {kind, nullptr, Fragment::menuStructure};
}
constexpr Piece whenCurrent(Piece::Kind kind, const char* selectors) {
    return {kind, selectors, Fragment::menuStructure};
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

// The Modern stylesheet: the Classic rules in their standard forms, scoped by the menu's
// <nav>, plus what keyboards, touch screens and phones need and what keeps a host page's
// stylesheet out. The word "brindlenav" stands for the class name option throughout.
constexpr Piece kModernStylesheet[] = {
    // A host page's stylesheet may style every element the menu uses (resets, frameworks,
    // classless themes). This rule states each such property for the menu's elements with
    // the weight of two classes: more than any element selector, and no more than any rule
    // below (all scoped by the nav, so two classes or more), which come later and therefore
    // still decide; so do the icon rules, which follow them. Display is stated separately
    // and only with that weight (`:where`), so the rules that hide sub-menus and the phone
    // menu keep deciding. The focus outline and the colour scheme are left to the rules below
    // and to the host. What an inline icon draws is left alone (its transforms, opacity and
    // sizes are properties too), without adding weight (`:where`).
    text(".brindlenav-nav.brindlenav-nav,\n.brindlenav-nav.brindlenav-nav *:not(:where(svg *)) {\n"
         "\tbox-sizing: content-box;\n"
         "\tfloat: none;\n"
         "\tclear: none;\n"
         "\tposition: static;\n"
         "\tinset: auto;\n"
         "\tz-index: auto;\n"
         "\twidth: auto;\n"
         "\tmin-width: 0;\n"
         "\tmax-width: none;\n"
         "\theight: auto;\n"
         "\tmin-height: 0;\n"
         "\tmax-height: none;\n"
         "\tmargin: 0;\n"
         "\tpadding: 0;\n"
         "\tborder: 0 none;\n"
         "\tborder-radius: 0;\n"
         "\tbackground: none;\n"
         "\tbox-shadow: none;\n"
         "\tcolor: inherit;\n"
         "\tfont: inherit;\n"
         "\tletter-spacing: normal;\n"
         "\tword-spacing: normal;\n"
         "\ttext-align: start;\n"
         "\ttext-indent: 0;\n"
         "\ttext-transform: none;\n"
         "\ttext-decoration: none;\n"
         "\ttext-shadow: none;\n"
         "\tvertical-align: baseline;\n"
         "\twhite-space: normal;\n"
         "\tlist-style: none;\n"
         "\toverflow: visible;\n"
         "\topacity: 1;\n"
         "\tvisibility: visible;\n"
         "\ttransform: none;\n"
         "\ttransition: none;\n"
         "\tanimation: none;\n"
         "\tfilter: none;\n"
         "\tappearance: none;\n"
         "}\n"),
    // Generated content is the host's way in that the rule above cannot state: breadcrumb
    // styles put separators before every item. The clearing rule below, of equal weight and
    // later, still makes its own.
    text(".brindlenav-nav.brindlenav-nav::before,\n.brindlenav-nav.brindlenav-nav::after,\n"
         ".brindlenav-nav.brindlenav-nav *:not(:where(svg *))::before,\n"
         ".brindlenav-nav.brindlenav-nav *:not(:where(svg *))::after {\n"
         "\tcontent: none;\n"
         "}\n"),
    // An inline icon paints from its style attributes; what it leaves to inheritance starts
    // from the initial values at its root and is inherited below it, whatever a host's rules
    // for svg elements say.
    text(".brindlenav-nav.brindlenav-nav :where(svg) {\n"
         "\tfill: black;\n"
         "\tfill-opacity: 1;\n"
         "\tfill-rule: nonzero;\n"
         "\tstroke: none;\n"
         "\tstroke-width: 1px;\n"
         "\tstroke-opacity: 1;\n"
         "\tstroke-linecap: butt;\n"
         "\tstroke-linejoin: miter;\n"
         "\tstroke-miterlimit: 4;\n"
         "\tstroke-dasharray: none;\n"
         "\tstroke-dashoffset: 0;\n"
         "\tclip-rule: nonzero;\n"
         "\tpaint-order: normal;\n"
         "}\n"),
    text(".brindlenav-nav.brindlenav-nav :where(svg *) {\n"
         "\tfill: inherit;\n"
         "\tfill-opacity: inherit;\n"
         "\tfill-rule: inherit;\n"
         "\tstroke: inherit;\n"
         "\tstroke-width: inherit;\n"
         "\tstroke-opacity: inherit;\n"
         "\tstroke-linecap: inherit;\n"
         "\tstroke-linejoin: inherit;\n"
         "\tstroke-miterlimit: inherit;\n"
         "\tstroke-dasharray: inherit;\n"
         "\tstroke-dashoffset: inherit;\n"
         "\tclip-rule: inherit;\n"
         "\tpaint-order: inherit;\n"
         "\tcolor: inherit;\n"
         "\tvisibility: inherit;\n"
         "}\n"),
    text(".brindlenav-nav.brindlenav-nav {\n"
         "\tdisplay: block;\n"
         "\tfont-style: normal;\n"
         "\tfont-weight: normal;\n"
         "\tfont-variant: normal;\n"
         "\tline-height: normal;\n"
         "}\n"),
    // A title's isolating wrapper is part of its link: it takes the link's text look, a
    // host's included rules aside.
    text(".brindlenav-nav.brindlenav-nav bdi {\n"
         "\tletter-spacing: inherit;\n"
         "\tword-spacing: inherit;\n"
         "\ttext-transform: inherit;\n"
         "\ttext-shadow: inherit;\n"
         "\twhite-space: inherit;\n"
         "}\n"),
    text(".brindlenav-nav.brindlenav-nav :where(ul) {\n\tdisplay: block;\n}\n"),
    text(".brindlenav-nav.brindlenav-nav :where(li) {\n\tdisplay: list-item;\n}\n"),
    text(".brindlenav-nav.brindlenav-nav :where(a, img) {\n\tdisplay: inline;\n}\n"),
    text(".brindlenav-nav.brindlenav-nav :where(button) {\n\tdisplay: inline-block;\n}\n"),
    text(".brindlenav-nav .brindlenav,\n.brindlenav-nav .brindlenav-toggle + label {\n"),
    // Padding and border lie inside the width: the bar never reaches past its container.
    text("\tbox-sizing: border-box;\n"),
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
    // The items stand in a row that starts where the line does: at the left, or at the right
    // in a right-to-left page. A row wraps as the floats of Classic do.
    text(".brindlenav-nav .brindlenav {\n"),
    text("\tdisplay: flex;\n"),
    text("\tflex-wrap: wrap;\n"),
    text("\talign-items: flex-start;\n"),
    text("}\n"),
    text(".brindlenav-nav .brindlenav li {\n"),
    text("\tflex: none;\n"),
    text("\tpadding-block: 0px;\n"),
    text("\tpadding-inline: 0px 8px;\n"),
    frag(Fragment::borderLeftRightSizeColor),
    text("\tposition: relative;\n"),
    text("}\n"),
    text(".brindlenav-nav .brindlenav li:first-child {\n"),
    text("\tmargin-block: 0;\n"),
    text("\tmargin-inline: 25px 0;\n"),
    text("\tborder-inline-start: 0px;\n"),
    text("}\n"),
    text(".brindlenav-nav .brindlenav li:last-child {\n"),
    text("\tborder-inline-end: 0px;\n"),
    text("}\n"),
    // The page being shown, and in the bar the section that holds it, look as the designer
    // chose: the script marks them, and a page's own aria-current marks the link.
    text(".brindlenav-nav .brindlenav li:hover"),
    whenCurrent(Piece::Kind::CurrentBarHover,
                ",\n.brindlenav-nav .brindlenav > li.brindlenav-current,\n.brindlenav-nav "
                ".brindlenav > li.brindlenav-section"),
    text(" {\n"),
    frag(Fragment::backgroundColorHover),
    text("}\n"),
    text(".brindlenav-nav .brindlenav li:active"),
    whenCurrent(Piece::Kind::CurrentBarActive,
                ",\n.brindlenav-nav .brindlenav > li.brindlenav-current,\n.brindlenav-nav "
                ".brindlenav > li.brindlenav-section"),
    text(" {\n"),
    frag(Fragment::backgroundColorActive),
    text("}\n"),
    // The disclosure buttons take the links' colours: the arrow they draw, and their focus
    // ring, read as the titles do on every design.
    text(".brindlenav-nav .brindlenav a,\n.brindlenav-nav .brindlenav-toggle + label,\n"
         ".brindlenav-nav .brindlenav li > button {\n"),
    text("\tfloat: left;\n"),
    text("\tpadding: 10px 10px;\n"),
    text("\tcolor: #999;\n"),
    frag(Fragment::mainMenuFontFamily),
    frag(Fragment::mainMenuFontColor),
    frag(Fragment::mainMenuFontSize),
    text("\ttext-decoration: none;\n"),
    frag(Fragment::mainMenuTextShadow),
    text("}\n"),
    text(".brindlenav-nav .brindlenav a:hover,\n.brindlenav-nav .brindlenav li:hover > button"),
    whenCurrent(Piece::Kind::CurrentBarHover,
                ",\n.brindlenav-nav .brindlenav > li > a[aria-current=\"page\"],\n.brindlenav-nav "
                ".brindlenav > li.brindlenav-section > a,\n.brindlenav-nav .brindlenav > "
                "li.brindlenav-section > button"),
    text(" {\n"),
    frag(Fragment::mainMenuFontColorHover),
    text("}\n"),
    text(".brindlenav-nav .brindlenav a:active,\n.brindlenav-nav .brindlenav li > button:active"),
    whenCurrent(Piece::Kind::CurrentBarActive,
                ",\n.brindlenav-nav .brindlenav > li > a[aria-current=\"page\"],\n.brindlenav-nav "
                ".brindlenav > li.brindlenav-section > a,\n.brindlenav-nav .brindlenav > "
                "li.brindlenav-section > button"),
    text(" {\n"),
    frag(Fragment::mainMenuFontColorActive),
    text("}\n"),
    // A sub-menu opens on hover, while anything in its item has focus (keyboard, or a tap on
    // the button), and when the script marks it open; a dismissed one stays closed.
    text(".brindlenav-nav .brindlenav li:hover > ul,\n.brindlenav-nav .brindlenav li:active > ul,\n"
         ".brindlenav-nav .brindlenav li:focus-within > ul,\n.brindlenav-nav .brindlenav "
         "li.brindlenav-open > ul {\n"),
    text("\tdisplay: block;\n"),
    text("}\n"),
    text(".brindlenav-nav .brindlenav li.brindlenav-closed > ul {\n"),
    text("\tdisplay: none;\n"),
    text("}\n"),
    // The script turns a drop-down that would cross the window's far edge to hang from its
    // owner's other edge.
    text(".brindlenav-nav .brindlenav li.brindlenav-flip > ul {\n"
         "\tinset-inline-start: auto;\n"
         "\tinset-inline-end: 0;\n"
         "}\n"),
    text(".brindlenav-nav .brindlenav ul {\n"),
    text("\tlist-style: none;\n"),
    text("\tmargin: 0;\n"),
    text("\tpadding: 0;\n"),
    text("\tdisplay: none;\n"),
    text("\tposition: absolute;\n"),
    frag(Fragment::subMenuTop),
    text("\tinset-inline-start: 0;\n"),
    text("\tz-index: 99999;\n"),
    frag(Fragment::subMenuBackgroundColor),
    frag(Fragment::subMenuBorderRadius),
    frag(Fragment::subMenuBorderSizeColor),
    text("}\n"),
    text(".brindlenav-nav .brindlenav ul li {\n"),
    text("\tborder-inline-start: 0px;\n"),
    text("\tborder-inline-end: 0px;\n"),
    text("\tfloat: none;\n"),
    text("\tmargin: 0;\n"),
    text("\tpadding: 0;\n"),
    text("\tdisplay: block;\n"),
    text("\tbox-shadow: 0 1px 0 #111111, 0 1px 0 #777777;\n"),
    text("}\n"),
    text(".brindlenav-nav .brindlenav ul li:first-child {\n"),
    text("\tpadding-inline-start: 0px;\n"),
    text("\tmargin: 0;\n"),
    text("}\n"),
    text(".brindlenav-nav .brindlenav ul li:last-child {\n"),
    text("\tbox-shadow: none;\n"),
    text("}\n"),
    text(".brindlenav-nav .brindlenav ul li:hover"),
    whenCurrent(Piece::Kind::CurrentDropDownHover,
                ",\n.brindlenav-nav .brindlenav ul li.brindlenav-current"),
    text(" {\n"),
    frag(Fragment::subMenuBackgroundColorHover),
    text("}\n"),
    text(".brindlenav-nav .brindlenav ul li:active"),
    whenCurrent(Piece::Kind::CurrentDropDownActive,
                ",\n.brindlenav-nav .brindlenav ul li.brindlenav-current"),
    text(" {\n"),
    frag(Fragment::subMenuBackgroundColorActive),
    text("}\n"),
    text(".brindlenav-nav .brindlenav ul a {\n"),
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
    text(".brindlenav-nav .brindlenav ul a:hover"),
    whenCurrent(Piece::Kind::CurrentDropDownHover,
                ",\n.brindlenav-nav .brindlenav ul a[aria-current=\"page\"]"),
    text(" {\n"),
    frag(Fragment::subMenuFontColorHover),
    text("}\n"),
    text(".brindlenav-nav .brindlenav ul a:active"),
    whenCurrent(Piece::Kind::CurrentDropDownActive,
                ",\n.brindlenav-nav .brindlenav ul a[aria-current=\"page\"]"),
    text(" {\n"),
    frag(Fragment::subMenuFontColorActive),
    text("}\n"),
    text(".brindlenav-nav .brindlenav ul li:first-child a {\n"),
    frag(Fragment::subMenuItemFirstChild),
    text("}\n"),
    text(".brindlenav-nav .brindlenav ul li:last-child a {\n"),
    frag(Fragment::subMenuItemLastChild),
    text("}\n"),
    text(".brindlenav-nav .brindlenav::after {\n"),
    text("\tvisibility: hidden;\n"),
    text("\tdisplay: block;\n"),
    text("\tfont-size: 0;\n"),
    text("\tcontent: \" \";\n"),
    text("\tclear: both;\n"),
    text("\theight: 0;\n"),
    text("}\n"),
    // The disclosure button lies over the room the owner's link keeps for the arrow.
    text(".brindlenav-nav .brindlenav li > button {\n"),
    text("\tposition: absolute;\n"),
    text("\ttop: 0;\n"),
    text("\tinset-inline-end: 0;\n"),
    text("\tbottom: 0;\n"),
    text("\twidth: 26px;\n"),
    text("\tmargin: 0;\n"),
    text("\tpadding: 0;\n"),
    text("\tborder: 0;\n"),
    text("\tbackground: none;\n"),
    text("\tcursor: pointer;\n"),
    text("}\n"),
    // The arrow, in the button's colour: the text's, in each state.
    text(".brindlenav-nav .brindlenav li > button::after {\n"
         "\tcontent: \"\";\n"
         "\tposition: absolute;\n"
         "\ttop: 50%;\n"
         "\tinset-inline-end: 8px;\n"
         "\tmargin-top: -2px;\n"
         "\tborder-style: solid;\n"
         "\tborder-width: 5px 4px 0;\n"
         "\tborder-color: currentColor transparent transparent;\n"
         "}\n"),
    // A tap focuses the button without a ring; a keyboard's focus keeps it.
    text(".brindlenav-nav .brindlenav button:focus:not(:focus-visible) {\n"
         "\toutline: none;\n"
         "}\n"),
    text(".brindlenav-nav .brindlenav a:focus-visible,\n.brindlenav-nav .brindlenav "
         "button:focus-visible,\n"
         ".brindlenav-nav .brindlenav-toggle:focus-visible + label {\n"),
    text("\toutline: 2px solid currentColor;\n"),
    text("\toutline-offset: -2px;\n"),
    text("}\n"),
    text(".brindlenav-nav .brindlenav-toggle,\n.brindlenav-nav .brindlenav-toggle + label {\n"),
    text("\tdisplay: none;\n"),
    text("}\n"),
    // The phone toggle's three bars, in its text's colour.
    text(".brindlenav-nav .brindlenav-toggle + label::before {\n"
         "\tcontent: \"\";\n"
         "\tdisplay: inline-block;\n"
         "\twidth: 16px;\n"
         "\theight: 2px;\n"
         "\tmargin-block: 0;\n"
         "\tmargin-inline: 0 10px;\n"
         "\tvertical-align: middle;\n"
         "\tbackground: currentColor;\n"
         "\tbox-shadow: 0 -5px 0 currentColor, 0 5px 0 currentColor;\n"
         "}\n"),
    frag(Fragment::menuIcon),
    // Phones: a full-width vertical menu behind a "Menu" toggle, every target 44 px high.
    text("\n"),
    option(Piece::Kind::PhoneQuery),
    text("\t.brindlenav-nav .brindlenav-toggle {\n"
         "\t\tdisplay: block;\n"
         "\t\tposition: absolute;\n"
         "\t\twidth: 1px;\n"
         "\t\theight: 1px;\n"
         "\t\tmargin: 0;\n"
         "\t\topacity: 0;\n"
         "\t}\n"),
    text("\t.brindlenav-nav .brindlenav,\n\t.brindlenav-nav .brindlenav-toggle + label {\n"
         "\t\tbox-sizing: border-box;\n"
         "\t\twidth: auto;\n"
         "\t}\n"),
    text("\t.brindlenav-nav .brindlenav-toggle + label {\n"
         "\t\tdisplay: block;\n"
         "\t\tfloat: none;\n"
         "\t\tmin-height: 44px;\n"
         "\t\tpadding: 14px 16px;\n"
         "\t\tline-height: 16px;\n"
         "\t\tcursor: pointer;\n"
         "\t}\n"),
    // The phone menu spans the screen; the bar's side padding would push it past the edge.
    text("\t.brindlenav-nav .brindlenav {\n"
         "\t\tdisplay: none;\n"
         "\t\tpadding-inline: 0;\n"
         "\t}\n"),
    text("\t.brindlenav-nav .brindlenav-toggle:checked ~ .brindlenav {\n"
         "\t\tdisplay: block;\n"
         "\t}\n"),
    text("\t.brindlenav-nav .brindlenav li,\n\t.brindlenav-nav .brindlenav li:first-child {\n"
         "\t\tfloat: none;\n"
         "\t\tmargin: 0;\n"
         "\t\tpadding: 0;\n"
         "\t\tborder-inline: 0;\n"
         "\t}\n"),
    text("\t.brindlenav-nav .brindlenav a,\n\t.brindlenav-nav .brindlenav ul a,\n"
         "\t.brindlenav-nav .brindlenav .brindlenav-link,\n"
         "\t.brindlenav-nav .brindlenav .brindlenav-sublink {\n"
         "\t\tfloat: none;\n"
         "\t\tdisplay: block;\n"
         "\t\tbox-sizing: border-box;\n"
         "\t\twidth: auto;\n"
         "\t\theight: auto;\n"
         "\t\tmin-height: 44px;\n"
         "\t\tpadding-top: 14px;\n"
         "\t\tpadding-bottom: 14px;\n"
         "\t\tpadding-inline-end: 52px;\n"
         "\t\twhite-space: normal;\n"
         "\t}\n"),
    text("\t.brindlenav-nav .brindlenav li > button {\n"
         "\t\tbottom: auto;\n"
         "\t\twidth: 44px;\n"
         "\t\theight: 44px;\n"
         "\t}\n"
         "\t.brindlenav-nav .brindlenav li > button::after {\n"
         "\t\tinset-inline-end: 18px;\n"
         "\t}\n"),
    text("\t.brindlenav-nav .brindlenav ul {\n"
         "\t\tposition: static;\n"
         "\t}\n"),
    text("}\n"),
};

constexpr Piece kModernPage[] = {
    text("<!DOCTYPE html>\n"),
    text("<html lang=\"en\">\n"),
    text("<head>\n"),
    text("\t<meta charset=\"utf-8\">\n"),
    text("\t<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"),
    text("\t<link rel=\"stylesheet\" href=\"styles.css\">\n"),
    text("\t<script src=\"menu.js\" defer></script>\n"),
    text("\t<title>"),
    option(Piece::Kind::PageTitle),
    text("</title>\n"),
    text("</head>\n"),
    text("<body>\n"),
    text("<nav class=\"brindlenav-nav\" aria-label=\""),
    option(Piece::Kind::NavLabel),
    text("\""),
    option(Piece::Kind::NavDirection),
    text(">\n"),
    text("<input type=\"checkbox\" id=\"brindlenav-toggle\" class=\"brindlenav-toggle\">\n"),
    text("<label for=\"brindlenav-toggle\">Menu</label>\n"),
    text("<ul class=\"brindlenav\">\n"),
    frag(Fragment::menuStructure),
    text("</ul>\n"),
    text("</nav>\n"),
    text("</body>\n"),
    text("</html>\n"),
};

struct DocumentTables {
    std::span<const Piece> stylesheet;
    std::span<const Piece> page;
};

// The frames of the two texts, per output style.
const DocumentTables& documentTables(OutputStyle style) {
    static const DocumentTables classic{kStylesheet, kPage};
    static const DocumentTables modern{kModernStylesheet, kModernPage};
    return style == OutputStyle::Modern ? modern : classic;
}

// A Modern page is titled after its project; an untitled one after what it shows.
QString pageTitle(const QString& documentName) {
    const QString name = documentName.simplified();
    return escapeHtmlText(name.isEmpty() ? QStringLiteral("Menu") : name);
}

QString optionText(Piece::Kind kind, const OutputOptions& options, const QString& documentName) {
    if (kind == Piece::Kind::NavLabel)
        return escapeHtmlAttribute(options.navLabel);
    if (kind == Piece::Kind::PageTitle)
        return pageTitle(documentName);
    if (kind == Piece::Kind::NavDirection)
        return options.direction == MenuDirection::Page
                   ? QString()
                   : QLatin1String(" dir=\"") + menuDirectionName(options.direction) +
                         QLatin1Char('"');
    return phoneMediaQuery(options);
}

// Whether the current page takes the look of the piece's state where the piece stands.
bool currentPageTakes(Piece::Kind kind, const OutputOptions& options) {
    switch (kind) {
    case Piece::Kind::CurrentBarHover:
        return options.currentPageLook == CurrentPageLook::Hover;
    case Piece::Kind::CurrentBarActive:
        return options.currentPageLook == CurrentPageLook::Active;
    case Piece::Kind::CurrentDropDownHover:
        return options.subMenuCurrentPageLook == CurrentPageLook::Hover;
    case Piece::Kind::CurrentDropDownActive:
        return options.subMenuCurrentPageLook == CurrentPageLook::Active;
    default:
        return false;
    }
}

// Lays the pieces out one after another, recording each fragment's start.
QString assemble(std::span<const Piece> pieces, FragmentRegistry& registry,
                 const OutputOptions& options, const QString& documentName = {}) {
    QString result;
    result.reserve(8192);
    // The Modern texts name the menu's classes and ids after its class name.
    const QString className = writtenClassName(options);
    const bool named =
        options.style == OutputStyle::Modern && className != QLatin1String(MenuClassNames::kToken);
    for (const Piece& piece : pieces) {
        switch (piece.kind) {
        case Piece::Kind::CurrentBarHover:
        case Piece::Kind::CurrentBarActive:
        case Piece::Kind::CurrentDropDownHover:
        case Piece::Kind::CurrentDropDownActive:
            if (!currentPageTakes(piece.kind, options))
                break;
            [[fallthrough]];
        case Piece::Kind::Fixed:
            if (named)
                result += QString(QLatin1String(piece.fixed))
                              .replace(QLatin1String(MenuClassNames::kToken), className);
            else
                result += QLatin1String(piece.fixed);
            break;
        case Piece::Kind::Fragment:
            registry.setIndex(piece.fragment, result.size());
            result += registry.text(piece.fragment);
            break;
        case Piece::Kind::NavLabel:
        case Piece::Kind::NavDirection:
        case Piece::Kind::PhoneQuery:
        case Piece::Kind::PageTitle:
            result += optionText(piece.kind, options, documentName);
            break;
        }
    }
    return result;
}

} // namespace

CodeDocuments::CodeDocuments(const GlobalData& data, QObject* parent)
    : QObject(parent), m_builders(data, m_registry) {}

void CodeDocuments::insertHTML5Code() {
    m_builders.constructMenuStructureCommand();
    m_htmlOptions = m_builders.options();
    m_htmlText = assemble(documentTables(m_htmlOptions.style).page, m_registry, m_htmlOptions,
                          m_builders.data().documentName());
}

void CodeDocuments::insertCSS3Code() {
    for (Fragment fragment : kBuildOrder)
        m_builders.build(fragment);
    const OutputOptions& options = m_builders.options();
    m_cssText = assemble(documentTables(options.style).stylesheet, m_registry, options);
}

void CodeDocuments::rebuildForOutputOptions() {
    insertHTML5Code();
    insertCSS3Code();
    emit textsRebuilt();
}

bool CodeDocuments::writesSvgIcons() const {
    return styleTemplates(m_htmlOptions.style).svgIcons;
}

bool CodeDocuments::drawsArrowPicture() const {
    return styleTemplates(m_htmlOptions.style).arrowOnLink;
}

QString CodeDocuments::scriptText() const {
    return m_htmlOptions.style == OutputStyle::Modern
               ? menuScriptText(writtenClassName(m_htmlOptions))
               : QString();
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

QStringList CodeDocuments::stylesheetParts() const {
    const qint64 position = m_registry.index(Fragment::menuIcon);
    if (position < 0)
        return {m_cssText};
    const qint64 end = position + m_registry.text(Fragment::menuIcon).size();
    return {m_cssText.left(position), m_cssText.mid(position, end - position), m_cssText.mid(end)};
}

QString CodeDocuments::pageFrame() const {
    const qint64 position = m_registry.index(Fragment::menuStructure);
    if (position < 0)
        return m_htmlText;
    QString frame = m_htmlText;
    frame.remove(position, m_registry.text(Fragment::menuStructure).size());
    return frame;
}

QString CodeDocuments::menuListContent() const {
    const qint64 position = m_registry.index(Fragment::menuStructure);
    if (position < 0)
        return {};
    const qint64 listContentStart = m_htmlText.lastIndexOf(u'>', position - 1) + 1;
    return m_htmlText.mid(listContentStart, position +
                                                m_registry.text(Fragment::menuStructure).size() -
                                                listContentStart);
}

void CodeDocuments::calculatePosIndex(qint64 position, qint64 change) {
    m_registry.calculatePosIndex(position, change);
}

} // namespace brindle
