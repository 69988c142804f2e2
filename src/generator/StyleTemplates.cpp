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

const QString& menuScriptText() {
    // Kept small and free of dependencies: it only adds what CSS cannot do (Escape, and
    // aria-expanded on the buttons). Hover, focus and a tap open the sub-menus without it.
    static const QString script = QStringLiteral(
        "// Menu enhancements: the disclosure buttons report and toggle their sub-menu, and\n"
        "// Escape closes an open sub-menu and returns focus to its button. Without this\n"
        "// script the sub-menus still open on hover, on keyboard focus and on a tap.\n"
        "(function () {\n"
        "\t\"use strict\";\n"
        "\tvar menu = document.querySelector(\".brindlenav\");\n"
        "\tif (!menu) return;\n"
        "\tfunction owner(el) {\n"
        "\t\tvar li = el && el.closest ? el.closest(\".brindlenav > li\") : null;\n"
        "\t\treturn li && li.querySelector(\":scope > button\") ? li : null;\n"
        "\t}\n"
        "\tfunction setOpen(li, open) {\n"
        "\t\tli.classList.toggle(\"open\", open);\n"
        "\t\tli.classList.toggle(\"closed\", !open);\n"
        "\t\tli.querySelector(\":scope > button\").setAttribute(\"aria-expanded\", String(open));\n"
        "\t}\n"
        "\tmenu.querySelectorAll(\":scope > li > button\").forEach(function (button) {\n"
        "\t\tvar li = button.parentNode;\n"
        "\t\tbutton.setAttribute(\"aria-expanded\", \"false\");\n"
        "\t\tbutton.addEventListener(\"click\", function () {\n"
        "\t\t\tsetOpen(li, !li.classList.contains(\"open\"));\n"
        "\t\t});\n"
        "\t\tli.addEventListener(\"mouseleave\", function () {\n"
        "\t\t\tli.classList.remove(\"closed\");\n"
        "\t\t});\n"
        "\t\tli.addEventListener(\"focusout\", function (event) {\n"
        "\t\t\tif (li.contains(event.relatedTarget)) return;\n"
        "\t\t\tli.classList.remove(\"open\", \"closed\");\n"
        "\t\t\tbutton.setAttribute(\"aria-expanded\", \"false\");\n"
        "\t\t});\n"
        "\t});\n"
        "\tdocument.addEventListener(\"keydown\", function (event) {\n"
        "\t\tif (event.key !== \"Escape\") return;\n"
        "\t\tvar li = owner(document.activeElement) || owner(menu.querySelector(\":scope > "
        "li:hover\"));\n"
        "\t\tif (!li) return;\n"
        "\t\tsetOpen(li, false);\n"
        "\t\tif (li.contains(document.activeElement)) li.querySelector(\":scope > "
        "button\").focus();\n"
        "\t});\n"
        "})();\n");
    return script;
}

} // namespace brindle
