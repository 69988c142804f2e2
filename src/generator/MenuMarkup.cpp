#include "generator/MenuMarkup.h"

#include "generator/Declarations.h"
#include "generator/InlineSvg.h"
#include "generator/TextEscaping.h"

#include <algorithm>

namespace brindle {

namespace {

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

// One link: <a class="BASE[ ICON]" href="LINK">[SVG]TITLE</a>
QString anchor(const QString& baseClass, const QString* iconID, const Node& item,
               const MenuClassNames& names, bool svgIcons) {
    QString classes = baseClass;
    if (iconID != nullptr)
        classes += QLatin1Char(' ') + names.iconPrefix + escapeHtmlAttribute(*iconID);
    return QLatin1String("<a class=\"") + classes + QLatin1String("\" href=\"") +
           writtenLink(item) + QLatin1String("\">") +
           (isInlineIcon(item, svgIcons) ? inlineIcon(item, names) : QString()) +
           escapeHtmlText(item.name()) + QLatin1String("</a>");
}

const QString* iconClassIfIcon(const Node& item) {
    return item.hasIcon() ? &item.iconID() : nullptr;
}

} // namespace

bool isInlineIcon(const Node& item, bool svgIcons) {
    return svgIcons && item.hasSvgIcon() && item.svgIcon().followsTextColour &&
           item.imageWidth() > 0 && item.imageHeight() > 0;
}

QString menuItemLine(const Node& item, const MenuClassNames& names, bool svgIcons) {
    return QLatin1String("\t<li>") +
           anchor(names.link, iconClassIfIcon(item), item, names, svgIcons) +
           QLatin1String("</li>\n");
}

QString subMenuBlock(const Node& item, bool disclosureButton, const MenuClassNames& names,
                     bool svgIcons) {
    // The owner's icon class is written even without an icon: the arrow rule selects on it.
    QString markup = QLatin1String("\t<li>\n\t\t") +
                     anchor(names.link, &item.iconID(), item, names, svgIcons) + QLatin1Char('\n');
    if (disclosureButton) {
        const QString name = item.name().trimmed().isEmpty()
                                 ? QStringLiteral("Sub-menu")
                                 : item.name().trimmed() + QStringLiteral(" sub-menu");
        markup += QLatin1String("\t\t<button type=\"button\" aria-label=\"") +
                  escapeHtmlAttribute(name) + QLatin1String("\"></button>\n");
    }
    markup += QLatin1String("\t\t<ul>\n");
    for (int i = 0; i < item.childCount(); ++i) {
        const Node& subItem = *item.childAt(i);
        markup += QLatin1String("\t\t\t<li>") +
                  anchor(names.subLink, iconClassIfIcon(subItem), subItem, names, svgIcons) +
                  QLatin1String("</li>\n");
    }
    markup += QLatin1String("\t\t</ul>\n\t</li>\n");
    return markup;
}

LineHeights computeLineHeights(const Node& menuRoot) {
    LineHeights heights;
    for (int i = 0; i < menuRoot.childCount(); ++i) {
        const Node& item = *menuRoot.childAt(i);
        for (int j = 0; j < item.childCount(); ++j) {
            const Node& subItem = *item.childAt(j);
            heights.subMenu =
                std::max({heights.subMenu, subItem.imageHeight(), subItem.retinaImageHeight()});
        }
        heights.mainMenu =
            std::max({heights.mainMenu, item.imageHeight(), item.retinaImageHeight()});
    }
    return heights;
}

QString baseIconRules(const LineHeights& heights, const MenuClassNames& names) {
    // Two newlines first; the two rules then follow each other without a blank line.
    const auto rule = [&names](const QString& linkClass, qint64 lineHeight) -> QString {
        return names.scope + QLatin1Char('.') + linkClass + QLatin1String(" {\n\tline-height: ") +
               pixels(lineHeight) + QLatin1String(";\n\tfloat: left;\n\tpadding-right: 10px;\n}\n");
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
    text += QLatin1String(" {\n") + in + QLatin1String("padding-left: ") +
            pixels(rule.paddingRight + rule.iconWidth + 20) + QLatin1String(";\n");
    if (withArrow)
        text += QLatin1String("\tpadding-right: 18px;\n"); // one tab at either depth
    if (rule.isInline) {
        // Where the picture would be drawn: 20px across and 10px down the link.
        text += QLatin1String("\tposition: relative;\n\tmin-height: ") + pixels(rule.iconHeight) +
                QLatin1String(";\n}\n") + names.scope + QLatin1Char('.') + levelClass +
                QLatin1Char('.') + iconClass +
                QLatin1String(" > svg {\n\tposition: absolute;\n\tleft: 20px;\n\ttop: 10px;\n\t"
                              "width: ") +
                pixels(rule.iconWidth) + QLatin1String(";\n\theight: ") + pixels(rule.iconHeight) +
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
    text += QLatin1String(";\n") + in + QLatin1String("background-position: 20px 10px");
    if (arrowImage)
        text += QLatin1String(", right center");
    text += QLatin1String(";\n") + in + QLatin1String("min-height: ") + pixels(rule.iconHeight) +
            QLatin1String(";\n");
    text += QLatin1String(rule.isRetina ? "\t}\n}\n" : "}\n");
    return text;
}

QString arrowRule(const QString& iconID, const StyleTemplates& templates,
                  const MenuClassNames& names) {
    // Always the top-level class, also when asked for a sub-item.
    const QString selector = QLatin1Char('\n') + names.scope + QLatin1Char('.') + names.link +
                             QLatin1Char('.') + names.iconPrefix + iconID;
    if (!templates.arrowOnLink)
        return selector + QLatin1String(" {\n\tpadding-right: 18px;\n}\n");
    return selector + QLatin1String(" {\n\tpadding-right: 18px;\n\tbackground: url(\"bottom.png\") "
                                    "no-repeat 0 -4px;\n\tbackground-size: 8px 8px;\n\t"
                                    "background-position: right center;\n\tmin-height: 8px;\n}\n");
}

} // namespace brindle
