#include "generator/MenuMarkup.h"

#include "generator/Declarations.h"
#include "generator/InlineSvg.h"
#include "generator/TextEscaping.h"

#include <algorithm>

namespace brindle {

namespace {

// Half of a length in px: "8px", "7.5px".
QString halfPixels(qint64 value) {
    return QString::number(static_cast<double>(value) / 2) + QLatin1String("px");
}

QString writtenLink(const Node& item) {
    return item.link().isEmpty() ? QString(QLatin1String("#")) : escapeHtmlAttribute(item.link());
}

// The icon's ids are the page's too: they start with the item's icon class, which no other
// item has.
QString inlineIcon(const Node& item, const MenuClassNames& names) {
    const NodeSvgIcon& icon = item.svgIcon();
    return inlineSvgIcon(icon.text, icon.followsTextColour,
                         names.iconPrefix + item.iconID() + QLatin1Char('-'),
                         QSize(int(item.imageWidth()), int(item.imageHeight())));
}

// One link: <a class="BASE[ ICON]" href="LINK">[SVG]TITLE</a>, the title in <bdi> when isolated.
QString anchor(const QString& baseClass, const QString* iconID, const Node& item,
               const MenuClassNames& names, bool svgIcons, bool isolated) {
    QString classes = baseClass;
    if (iconID != nullptr)
        classes += QLatin1Char(' ') + names.iconPrefix + escapeHtmlAttribute(*iconID);
    return QLatin1String("<a class=\"") + classes + QLatin1String("\" href=\"") +
           writtenLink(item) + QLatin1String("\">") +
           (isInlineIcon(item, svgIcons) ? inlineIcon(item, names) : QString()) +
           (isolated
                ? QLatin1String("<bdi>") + escapeHtmlText(item.name()) + QLatin1String("</bdi>")
                : escapeHtmlText(item.name())) +
           QLatin1String("</a>");
}

const QString* iconClassIfIcon(const Node& item) {
    return item.hasIcon() ? &item.iconID() : nullptr;
}

} // namespace

bool isInlineIcon(const Node& item, bool svgIcons) {
    return svgIcons && item.hasSvgIcon() && item.svgIcon().followsTextColour &&
           item.imageWidth() > 0 && item.imageHeight() > 0;
}

QString menuItemLine(const Node& item, const MenuClassNames& names, bool svgIcons,
                     bool isolatedTitles) {
    return QLatin1String("\t<li>") +
           anchor(names.link, iconClassIfIcon(item), item, names, svgIcons, isolatedTitles) +
           QLatin1String("</li>\n");
}

namespace {

struct ListWriter {
    bool disclosureButtons;
    const MenuClassNames& names;
    bool svgIcons;
    bool isolatedTitles;
    int levels;

    // An item that shows the items below it, at `level` (1: the bar), its tags `indent` tabs in.
    QString ownerBlock(const Node& item, int level, int indent) const {
        const QString tabs(indent, QLatin1Char('\t'));
        // The owner's icon class is written even without an icon: the arrow rule selects on it.
        QString markup = tabs + QLatin1String("<li>\n") + tabs + QLatin1Char('\t') +
                         anchor(level == 1 ? names.link : names.subLink, &item.iconID(), item,
                                names, svgIcons, isolatedTitles) +
                         QLatin1Char('\n');
        if (disclosureButtons) {
            const QString name = item.name().trimmed().isEmpty()
                                     ? QStringLiteral("Sub-menu")
                                     : item.name().trimmed() + QStringLiteral(" sub-menu");
            markup += tabs + QLatin1String("\t<button type=\"button\" aria-label=\"") +
                      escapeHtmlAttribute(name) + QLatin1String("\"></button>\n");
        }
        markup += tabs + QLatin1String("\t<ul>\n");
        for (int i = 0; i < item.childCount(); ++i) {
            const Node& subItem = *item.childAt(i);
            if (subItem.childCount() > 0 && level + 1 < levels) {
                markup += ownerBlock(subItem, level + 1, indent + 2);
                continue;
            }
            markup += tabs + QLatin1String("\t\t<li>") +
                      anchor(names.subLink, iconClassIfIcon(subItem), subItem, names, svgIcons,
                             isolatedTitles) +
                      QLatin1String("</li>\n");
        }
        return markup + tabs + QLatin1String("\t</ul>\n") + tabs + QLatin1String("</li>\n");
    }
};

} // namespace

QString subMenuBlock(const Node& item, bool disclosureButton, const MenuClassNames& names,
                     bool svgIcons, bool isolatedTitles, int levels) {
    return ListWriter{disclosureButton, names, svgIcons, isolatedTitles, levels}.ownerBlock(item, 1,
                                                                                            1);
}

LineHeights computeLineHeights(const Node& menuRoot, int levels) {
    LineHeights heights;
    const auto visit = [&heights, levels](auto& self, const Node& parent, int level) -> void {
        for (int i = 0; i < parent.childCount(); ++i) {
            const Node& item = *parent.childAt(i);
            qint64& height = level == 1 ? heights.mainMenu : heights.subMenu;
            height = std::max({height, item.imageHeight(), item.retinaImageHeight()});
            if (level < levels)
                self(self, item, level + 1);
        }
    };
    visit(visit, menuRoot, 1);
    return heights;
}

bool showsThirdLevel(const Node& menuRoot, int levels) {
    return levels >= 3 && itemsOnLevel(menuRoot, 3) > 0;
}

QString thirdLevelRules(const ThirdLevelLook& look, const QString& phoneQuery,
                        const MenuClassNames& names) {
    const QString menu = names.scope + QLatin1Char('.') + names.bar + QLatin1Char(' ');
    const QString button = menu + QLatin1String("ul li > button");
    // Inside a drop-down a list opens in place, indented, and only from its button: the
    // script marks the button expanded or not. Without the script every list stands open.
    return QLatin1Char('\n') + menu +
           QLatin1String("ul ul {\n\tdisplay: block;\n\tposition: static;\n"
                         "\tpadding-inline-start: 16px;\n\tborder: 0;\n\tborder-radius: 0;\n}\n") +
           menu +
           QLatin1String("ul button[aria-expanded=\"false\"] + ul {\n\tdisplay: none;\n}\n") +
           menu + QLatin1String("ul ul a {\n\twidth: auto;\n}\n") +
           // The button stands beside its item's link, not over the list below it, and draws
           // its arrow in the drop-down's text colours.
           button + QLatin1String(" {\n\tbottom: auto;\n\theight: ") +
           pixels(look.subMenuLineHeight + 20) + QLatin1String(";\n") + look.color +
           QLatin1String("}\n") + menu + QLatin1String("ul li:hover > button {\n") +
           look.hoverColor + QLatin1String("}\n") + button + QLatin1String(":active {\n") +
           look.activeColor + QLatin1String("}\n") + button +
           QLatin1String(
               ":not([aria-expanded=\"false\"])::after {\n\ttransform: rotate(180deg);\n}\n") +
           QLatin1Char('\n') + phoneQuery + QLatin1Char('\t') + button +
           QLatin1String(" {\n\t\theight: 44px;\n\t}\n}\n");
}

QString baseIconRules(const LineHeights& heights, const MenuClassNames& names, bool logicalSides) {
    // Two newlines first; the two rules then follow each other without a blank line.
    const QLatin1String end(logicalSides ? "padding-inline-end" : "padding-right");
    const auto rule = [&names, &end](const QString& linkClass, qint64 lineHeight) -> QString {
        return names.scope + QLatin1Char('.') + linkClass + QLatin1String(" {\n\tline-height: ") +
               pixels(lineHeight) + QLatin1String(";\n\tfloat: left;\n\t") + end +
               QLatin1String(": 10px;\n}\n");
    };
    return QLatin1String("\n\n") + rule(names.link, heights.mainMenu) +
           rule(names.subLink, heights.subMenu);
}

QString iconRule(const IconRule& rule, const StyleTemplates& templates,
                 const MenuClassNames& names) {
    const QString& levelClass = rule.isMainMenu ? names.link : names.subLink;
    const QString iconClass = names.iconPrefix + rule.iconID;
    const bool withArrow = rule.childCount >= 1;
    const bool arrowImage = withArrow && templates.arrowOnLink;
    // A double-resolution rule sits in a media query, one level deeper, and names the icon
    // class first.
    const QLatin1String in(rule.isRetina ? "\t\t" : "\t");
    const QString size = pixels(rule.iconWidth) + QLatin1Char(' ') + pixels(rule.iconHeight);

    QString text;
    text.reserve(480);
    if (rule.isRetina)
        text += QLatin1Char('\n') + QLatin1String(templates.retinaQuery) + QLatin1String(" {\n\t") +
                names.scope + QLatin1Char('.') + iconClass + QLatin1Char('.') + levelClass;
    else
        text += QLatin1Char('\n') + names.scope + QLatin1Char('.') + levelClass + QLatin1Char('.') +
                iconClass;
    text += QLatin1String(" {\n") + in + sideName(SideProperty::PaddingStart, templates) +
            QLatin1String(": ") + pixels(rule.paddingRight + rule.iconWidth + 20) +
            QLatin1String(";\n");
    if (withArrow) // one tab at either depth
        text += QLatin1Char('\t') + sideName(SideProperty::PaddingEnd, templates) +
                QLatin1String(": 18px;\n");
    // A sub-menu's line is as tall as its text: one taller icon makes it as tall as itself,
    // so the title stays on the icon's centre line.
    if (templates.iconsOnTheTextLine && !rule.isMainMenu && !rule.isRetina)
        text += QLatin1String("\tline-height: max(1em, ") + pixels(rule.iconHeight) +
                QLatin1String(");\n");
    if (rule.isInline) {
        // Where the picture would be drawn: 20px across, and centred on the line or 10px down.
        const QString top =
            templates.iconsOnTheTextLine
                ? QLatin1String("calc(50% - ") + halfPixels(rule.iconHeight) + QLatin1Char(')')
                : QStringLiteral("10px");
        text += QLatin1String("\tposition: relative;\n\tmin-height: ") + pixels(rule.iconHeight) +
                QLatin1String(";\n}\n") + names.scope + QLatin1Char('.') + levelClass +
                QLatin1Char('.') + iconClass +
                QLatin1String(" > svg {\n\tposition: absolute;\n\t") +
                sideName(SideProperty::InsetStart, templates) + QLatin1String(": 20px;\n\ttop: ") +
                top + QLatin1String(";\n\twidth: ") + pixels(rule.iconWidth) +
                QLatin1String(";\n\theight: ") + pixels(rule.iconHeight) +
                QLatin1String(";\n\toverflow: hidden;\n}\n");
        return text;
    }
    text += in + QLatin1String("background: url(\"") + cssUrlOfFileName(rule.fileName) +
            QLatin1String("\") no-repeat 0 -4px");
    if (arrowImage)
        text += QLatin1String(", url(\"bottom.png\") no-repeat 0 -4px");
    text += QLatin1String(";\n") + in + QLatin1String("background-size: ") + size;
    if (arrowImage)
        text += QLatin1String(", 8px 8px");
    text += QLatin1String(";\n") + in + QLatin1String("background-position: 20px ") +
            QLatin1String(templates.iconsOnTheTextLine ? "center" : "10px");
    if (arrowImage)
        text += QLatin1String(", right center");
    text += QLatin1String(";\n") + in + QLatin1String("min-height: ") + pixels(rule.iconHeight) +
            QLatin1String(";\n");
    text += QLatin1String(rule.isRetina ? "\t}\n}\n" : "}\n");
    // A picture has no side of the line to stand at: a right-to-left menu places it itself.
    if (templates.logicalSides && !rule.isRetina)
        text += rightToLeftRule(names, QLatin1Char('.') + levelClass + QLatin1Char('.') + iconClass,
                                QLatin1String("\tbackground-position: right 20px center;\n"));
    return text;
}

QString rightToLeftRule(const MenuClassNames& names, const QString& selector,
                        const QString& declarations, const QString& indent) {
    // The menu reads right to left when a dir attribute above it says so and the <nav> does
    // not say otherwise, or when the <nav> says so itself.
    const QString nav = names.scope.trimmed();
    return indent + QLatin1String("[dir=\"rtl\"] ") + nav + QLatin1String(":not([dir=\"ltr\"]) ") +
           selector + QLatin1String(",\n") + indent + nav + QLatin1String("[dir=\"rtl\"] ") +
           selector + QLatin1String(" {\n") + declarations + indent + QLatin1String("}\n");
}

namespace {

// Where a level's titles start below the breakpoint: past its widest icon with its gap, at
// least `least`.
qint64 titleColumn(const std::vector<const Node*>& items, qint64 iconLeft, qint64 least) {
    qint64 column = least;
    for (const Node* item : items) {
        if (item->hasIcon() && item->imageWidth() > 0)
            column = std::max(column, iconLeft + item->imageWidth() + item->paddingRight());
    }
    return column;
}

} // namespace

QString phoneIconColumns(const Node& menuRoot, const QString& phoneQuery,
                         const MenuClassNames& names) {
    constexpr qint64 kIconLeft = 20;
    constexpr qint64 kSubIndent = 16;
    std::vector<const Node*> items, subItems;
    for (int i = 0; i < menuRoot.childCount(); ++i) {
        const Node* item = menuRoot.childAt(i);
        items.push_back(item);
        for (int j = 0; j < item->childCount(); ++j) {
            const Node* subItem = item->childAt(j);
            subItems.push_back(subItem);
            for (int k = 0; k < subItem->childCount(); ++k)
                subItems.push_back(subItem->childAt(k));
        }
    }
    const qint64 column = titleColumn(items, kIconLeft, 10);
    const qint64 subColumn = titleColumn(subItems, kIconLeft + kSubIndent, column + kSubIndent);
    const QString bar = names.scope + QLatin1Char('.') + names.bar + QLatin1Char(' ');
    QString text = QLatin1Char('\n') + phoneQuery;
    text += QLatin1Char('\t') + bar + QLatin1Char('.') + names.link +
            QLatin1String(" {\n\t\tpadding-inline-start: ") + pixels(column) +
            QLatin1String(";\n\t}\n");
    text += QLatin1Char('\t') + bar + QLatin1Char('.') + names.subLink +
            QLatin1String(" {\n\t\tpadding-inline-start: ") + pixels(subColumn) +
            QLatin1String(";\n\t}\n");
    // Sub-items' icons move in with their titles.
    for (const Node* subItem : subItems) {
        if (!subItem->hasIcon() || subItem->imageWidth() <= 0 || subItem->iconID().isEmpty())
            continue;
        const QString selector = QLatin1Char('\t') + bar + QLatin1Char('.') + names.subLink +
                                 QLatin1Char('.') + names.iconPrefix + subItem->iconID();
        const QString left = pixels(kIconLeft + kSubIndent);
        text += selector + QLatin1String(" {\n\t\tbackground-position: ") + left +
                QLatin1String(" center;\n\t}\n") + selector +
                QLatin1String(" > svg {\n\t\tinset-inline-start: ") + left +
                QLatin1String(";\n\t}\n") +
                rightToLeftRule(names,
                                QLatin1Char('.') + names.bar + QLatin1String(" .") + names.subLink +
                                    QLatin1Char('.') + names.iconPrefix + subItem->iconID(),
                                QLatin1String("\t\tbackground-position: right ") + left +
                                    QLatin1String(" center;\n"),
                                QLatin1String("\t"));
    }
    return text + QLatin1String("}\n");
}

QString arrowRule(const QString& iconID, const StyleTemplates& templates,
                  const MenuClassNames& names, bool isMainMenu) {
    const QString selector = QLatin1Char('\n') + names.scope + QLatin1Char('.') +
                             (isMainMenu ? names.link : names.subLink) + QLatin1Char('.') +
                             names.iconPrefix + iconID;
    if (!templates.arrowOnLink)
        return selector + QLatin1String(" {\n\t") + sideName(SideProperty::PaddingEnd, templates) +
               QLatin1String(": 18px;\n}\n");
    return selector + QLatin1String(" {\n\tpadding-right: 18px;\n\tbackground: url(\"bottom.png\") "
                                    "no-repeat 0 -4px;\n\tbackground-size: 8px 8px;\n\t"
                                    "background-position: right center;\n\tmin-height: 8px;\n}\n");
}

} // namespace brindle
