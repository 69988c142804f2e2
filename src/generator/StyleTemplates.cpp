#include "generator/StyleTemplates.h"

#include <array>

namespace brindle {

namespace {

constexpr std::array<StyleTemplates, 2> kStyles = {{
    // Classic
    {true, "@media only screen and (-webkit-min-device-pixel-ratio: 2)", true, false},
    // Modern
    {false, "@media (min-resolution: 2dppx)", false, true},
}};

} // namespace

const StyleTemplates& styleTemplates(OutputStyle style) {
    return kStyles[style == OutputStyle::Modern ? 1 : 0];
}

MenuClassNames menuClassNames(const OutputOptions& options) {
    if (options.style != OutputStyle::Modern)
        return {};
    const QString& name = options.className;
    return {name + QStringLiteral("-link"), name + QStringLiteral("-sublink"),
            name + QLatin1Char('-'), QLatin1Char('.') + name + QStringLiteral("-nav ")};
}

QString menuScriptText(const QString& className) {
    // Kept small and free of dependencies: it only adds what CSS cannot do (Escape, closing
    // on a press elsewhere, aria-expanded on the buttons). Hover, focus and a tap open the
    // sub-menus without it. The token stands for the menu's class name.
    static const QString script = QStringLiteral(
        "// Buttons open and report their sub-menu; Escape, a press elsewhere or another\n"
        "// opening closes it. Hover, focus and a tap open sub-menus without this script.\n"
        "(function () {\n"
        "\t\"use strict\";\n"
        "\tvar name = \"brindlenav\", open = name + \"-open\", closed = name + \"-closed\";\n"
        "\tvar menu = document.querySelector(\".\" + name + \"-nav .\" + name);\n"
        "\tif (!menu) return;\n"
        "\tvar owners = [].filter.call(menu.children, function (li) {\n"
        "\t\treturn li.querySelector(\":scope > button\");\n"
        "\t});\n"
        "\tfunction shown(li) {\n"
        "\t\treturn getComputedStyle(li.querySelector(\":scope > ul\")).display !== \"none\";\n"
        "\t}\n"
        "\tfunction sync() {\n"
        "\t\towners.forEach(function (li) {\n"
        "\t\t\tli.querySelector(\":scope > button\").setAttribute(\"aria-expanded\", "
        "String(shown(li)));\n"
        "\t\t});\n"
        "\t}\n"
        "\tfunction setOpen(li, show) {\n"
        "\t\towners.forEach(function (other) {\n"
        "\t\t\tvar mine = other === li;\n"
        "\t\t\tif (!mine && !shown(other)) return;\n"
        "\t\t\tother.classList.toggle(open, mine && show);\n"
        "\t\t\tother.classList.toggle(closed, !(mine && show));\n"
        "\t\t});\n"
        "\t\tsync();\n"
        "\t}\n"
        "\towners.forEach(function (li) {\n"
        "\t\tli.querySelector(\":scope > button\").addEventListener(\"click\", function () {\n"
        "\t\t\tsetOpen(li, !li.classList.contains(open));\n"
        "\t\t});\n"
        "\t\tli.addEventListener(\"mouseenter\", sync);\n"
        "\t\tli.addEventListener(\"mouseleave\", function () {\n"
        "\t\t\tli.classList.remove(closed);\n"
        "\t\t\tsync();\n"
        "\t\t});\n"
        "\t\tli.addEventListener(\"focusout\", function (event) {\n"
        "\t\t\tif (li.contains(event.relatedTarget)) return;\n"
        "\t\t\tli.classList.remove(open, closed);\n"
        "\t\t\trequestAnimationFrame(sync);\n"
        "\t\t});\n"
        "\t});\n"
        "\tdocument.addEventListener(\"focusin\", sync);\n"
        "\tdocument.addEventListener(\"pointerdown\", function (event) {\n"
        "\t\tif (!menu.contains(event.target)) setOpen(null, false);\n"
        "\t});\n"
        "\tdocument.addEventListener(\"keydown\", function (event) {\n"
        "\t\tvar li = owners.filter(function (o) {\n"
        "\t\t\treturn o.contains(document.activeElement);\n"
        "\t\t})[0] || owners.filter(shown)[0];\n"
        "\t\tif (event.key !== \"Escape\" || !li) return;\n"
        "\t\tsetOpen(li, false);\n"
        "\t\tif (li.contains(document.activeElement)) li.querySelector(\":scope > "
        "button\").focus();\n"
        "\t});\n"
        "\tsync();\n"
        "})();\n");
    QString text = script;
    return text.replace(QLatin1String(MenuClassNames::kToken), className);
}

} // namespace brindle
