#pragma once

#include <QString>

#include <optional>

namespace brindle {

// How the design is written out. Classic is the original text, byte for byte; Modern writes
// the same settings as standard, accessible and responsive HTML and CSS.
enum class OutputStyle { Classic, Modern };

// Which way a Modern menu reads: as the page around it does, or always one way (the <nav>
// then carries the direction).
enum class MenuDirection { Page, LeftToRight, RightToLeft };

// How a Modern menu shows the page being shown (and, in the bar, the section that holds it):
// as an item being pressed or hovered looks, or as every other item.
enum class CurrentPageLook { Active, Hover, Plain };

// The options of the generated output that are not style settings. They travel with the
// design (saved, undone, exported) but never change a Classic text.
struct OutputOptions {
    static constexpr qint64 kDefaultBreakpoint = 640;
    static constexpr qint64 kSmallestBreakpoint = 240;
    static constexpr qint64 kLargestBreakpoint = 4000;

    OutputStyle style = OutputStyle::Classic;
    QString navLabel = defaultNavLabel();   // the accessible name of the navigation landmark
    qint64 breakpoint = kDefaultBreakpoint; // below this width in CSS pixels: the phone layout
    // Every class and id of the Modern output derives from it, so that the menu keeps to
    // itself in a host page and two menus can share one.
    QString className = defaultClassName();
    MenuDirection direction = MenuDirection::Page;
    CurrentPageLook currentPageLook = CurrentPageLook::Active;        // in the bar
    CurrentPageLook subMenuCurrentPageLook = CurrentPageLook::Active; // in the drop-downs

    static QString defaultNavLabel() { return QStringLiteral("Main"); }
    static QString defaultClassName() { return QStringLiteral("brindlenav"); }
    static constexpr int kLongestClassName = 40;
    bool isDefault() const { return *this == OutputOptions(); }
    friend bool operator==(const OutputOptions&, const OutputOptions&) = default;
};

// A menu name as the page may carry it: control characters dropped, runs of white space made
// one space, none at either end. Nothing when no name is left: a landmark needs one.
std::optional<QString> sanitizedNavLabel(const QString& typed);

// Whether the text may be the menu's class name: a CSS identifier of ASCII letters, digits,
// "-" and "_", beginning with a letter (or "_", or "-" and a letter), at most
// kLongestClassName long, that needs no escaping in a selector, an id or an attribute.
bool isValidClassName(const QString& name);

// "classic" and "modern", as project files and the command line write them.
QString outputStyleName(OutputStyle style);
std::optional<OutputStyle> outputStyleOfName(const QString& name);

// "page", "ltr" and "rtl", as project files write them; the last two are the values of the
// HTML dir attribute.
QString menuDirectionName(MenuDirection direction);
std::optional<MenuDirection> menuDirectionOfName(const QString& name);

// "active", "hover" and "plain", as project files write them.
QString currentPageLookName(CurrentPageLook look);
std::optional<CurrentPageLook> currentPageLookOfName(const QString& name);

} // namespace brindle
