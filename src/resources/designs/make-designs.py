#!/usr/bin/env python3
"""Writes the built-in gallery designs as project files (Version 3.0 layout).

Each design is the default settings with the changes listed below, and the same sample menu.
Run it from anywhere after changing a design; the files it writes are committed, and the
tests check every one of them (contrast, export, visitor measures). A new file also needs
its line in ../resources.qrc.
"""
import pathlib
import plistlib
import re

HERE = pathlib.Path(__file__).resolve().parent
SETTINGS_DEF = HERE.parent.parent / "model" / "Settings.def"
ROW = re.compile(r"^BRINDLE_SETTING\((\w+), \w+, (\w+), (.+)\)$")
FONT_STACKS = {"FIRST_FONT_STACK": "Arial, Helvetica, sans-serif"}


def default_settings():
    """(name, value) in project-file order; `showSeparator`, the last row, is not saved."""
    rows = []
    for line in SETTINGS_DEF.read_text().splitlines():
        m = ROW.match(line.strip())
        if not m:
            continue
        name, kind, default = m.groups()
        if kind == "Integer":
            value = int(default)
        elif kind == "Double":
            value = float(default)
        elif kind == "Boolean":
            value = default == "true"
        elif kind == "Colour":
            r, g, b = (int(x) for x in re.findall(r"\d+", default))
            value = "#%02x%02x%02x" % (r, g, b)
        else:
            value = FONT_STACKS[default]
        rows.append((name, value))
    return rows[:-1]


SANS = "system-ui, -apple-system, 'Segoe UI', Roboto, Helvetica, Arial, sans-serif"
ROUNDED = "'Trebuchet MS', Verdana, Helvetica, sans-serif"

STOPS = ("FirstQuarter", "SecondQuarter", "ThirdQuarter", "End")


def background(level, state, start, stops=(), opacity=100):
    """One level's background in one state: a start colour and up to four further stops,
    given as (stop, colour, position) with stop one of STOPS; the others are switched off."""
    prefix = "subMenu" if level == "sub" else ""
    suffix = "" if state == "normal" else state.capitalize()

    def key(word):
        name = prefix + word if prefix else word[0].lower() + word[1:]
        return name + suffix

    values = {key("StartBackgroundColor"): start}
    given = {stop: (colour, pos) for stop, colour, pos in stops}
    for stop in STOPS:
        enable = (prefix + "Enable" if prefix else "enable") + stop + "BackgroundColor" + suffix
        values[enable] = stop in given
        if stop in given:
            colour, pos = given[stop]
            values[key(stop + "BackgroundColor")] = colour
            if stop != "End":
                values[key(stop + "BackgroundColorPos")] = pos
    if state != "normal":
        transparency = ("subMenuColorTransparency" if prefix else "colorTransparency") + suffix
        values[transparency] = opacity
    return values


def text(main, main_hover, main_active, sub, sub_hover, sub_active):
    return {
        "mainMenufontColor": main, "mainMenufontColorHover": main_hover,
        "mainMenufontColorActive": main_active, "subMenufontColor": sub,
        "subMenufontColorHover": sub_hover, "subMenufontColorActive": sub_active,
    }


def flat(bar, bar_hover, bar_active, sub, sub_hover, sub_active):
    values = {}
    for level, colours in (("main", (bar, bar_hover, bar_active)),
                           ("sub", (sub, sub_hover, sub_active))):
        for state, colour in zip(("normal", "hover", "active"), colours):
            values.update(background(level, state, colour))
    return values


# No glow, no shadows: today's flat look.
PLAIN = {
    "mainMenuTextShadow1Opacity": 0.0, "mainMenuTextShadow2Opacity": 0.0,
    "mainMenuTextShadow2Size": 0, "dropShadowOpacity": 0.0, "dropShadowYPos": 0,
    "dropShadowSize": 0, "innerShadowOpacity": 0.0, "innerShadowSize": 0,
    "mainMenufontFamily": SANS,
}


def design(*parts):
    values = dict(PLAIN)
    for part in parts:
        values.update(part)
    return values


DESIGNS = [
    ("Flat Light", design(
        flat("#ffffff", "#eef2f7", "#dbe4f0", "#ffffff", "#eef2f7", "#dbe4f0"),
        text("#1f2933", "#0b4f9c", "#0b3f7c", "#1f2933", "#0b4f9c", "#0b3f7c"),
        {"borderRadius": 0, "borderSize": 1, "borderColor": "#d0d5dd",
         "subMenuBorderRadius": 4, "subMenuBorderSize": 1, "subMenuBorderColor": "#d0d5dd"})),
    ("Flat Dark", design(
        flat("#1e1f26", "#34364a", "#4a4d68", "#26272f", "#3a3c52", "#4a4d68"),
        text("#e8e8ee", "#ffffff", "#ffffff", "#e8e8ee", "#ffffff", "#ffffff"),
        {"borderRadius": 0, "borderSize": 0, "borderColor": "#1e1f26",
         "subMenuBorderRadius": 4, "subMenuBorderSize": 1, "subMenuBorderColor": "#3a3c52"})),
    ("Pill Bar", design(
        flat("#eef0fb", "#d5daf5", "#c3cbf0", "#ffffff", "#eef0fb", "#dfe3f8"),
        text("#2d3a8c", "#1f2a6e", "#141c4f", "#2d3a8c", "#1f2a6e", "#1f2a6e"),
        {"borderRadius": 30, "borderSize": 0, "borderColor": "#eef0fb",
         "subMenuBorderRadius": 14, "subMenuBorderSize": 1, "subMenuBorderColor": "#c9cff0",
         "mainMenufontFamily": ROUNDED})),
    ("Underline on Hover", design(
        flat("#ffffff", "#ffffff", "#ffffff", "#ffffff", "#ffffff", "#ffffff"),
        background("main", "hover", "#ffffff", (("SecondQuarter", "#ffffff", 88),
                                                 ("ThirdQuarter", "#f76707", 90),
                                                 ("End", "#f76707", 0))),
        background("main", "active", "#ffffff", (("SecondQuarter", "#ffffff", 84),
                                                  ("ThirdQuarter", "#f76707", 86),
                                                  ("End", "#f76707", 0))),
        background("sub", "hover", "#fff4e6"),
        text("#1f1f1f", "#000000", "#000000", "#1f1f1f", "#000000", "#000000"),
        {"borderRadius": 0, "borderSize": 0, "borderColor": "#ffffff",
         "subMenuBorderRadius": 0, "subMenuBorderSize": 1, "subMenuBorderColor": "#e3e3e3"})),
    ("Outlined", design(
        flat("#ffffff", "#e7f5ff", "#d0ebff", "#ffffff", "#e7f5ff", "#d0ebff"),
        text("#1864ab", "#0b4a8b", "#0b3a6e", "#1864ab", "#0b4a8b", "#0b3a6e"),
        {"borderRadius": 8, "borderSize": 2, "borderColor": "#1c7ed6",
         "subMenuBorderRadius": 8, "subMenuBorderSize": 2, "subMenuBorderColor": "#1c7ed6"})),
    ("Over a Photo", design(
        background("main", "normal", "#1b2a4a", (("FirstQuarter", "#2c3e6b", 30),
                                                 ("SecondQuarter", "#4a3f73", 55),
                                                 ("ThirdQuarter", "#6b3a6b", 80),
                                                 ("End", "#7a3350", 0))),
        background("main", "hover", "#ffffff", opacity=18),
        background("main", "active", "#000000", opacity=25),
        background("sub", "normal", "#1b2a4a", (("End", "#2c3e6b", 0),)),
        background("sub", "hover", "#ffffff", opacity=15),
        background("sub", "active", "#ffffff", opacity=25),
        text("#ffffff", "#ffffff", "#ffffff", "#f1f3ff", "#ffffff", "#ffffff"),
        {"borderRadius": 10, "borderSize": 1, "borderColor": "#5b4a86",
         "subMenuBorderRadius": 10, "subMenuBorderSize": 1, "subMenuBorderColor": "#5b4a86",
         "dropShadowOpacity": 0.35, "dropShadowYPos": 6, "dropShadowSize": 18})),
    ("High Contrast", design(
        flat("#000000", "#0000a0", "#5c0000", "#000000", "#0000a0", "#5c0000"),
        text("#ffff00", "#ffffff", "#ffffff", "#ffff00", "#ffffff", "#ffffff"),
        {"borderRadius": 0, "borderSize": 2, "borderColor": "#ffffff",
         "subMenuBorderRadius": 0, "subMenuBorderSize": 2, "subMenuBorderColor": "#ffff00",
         "mainMenufontSize": 16})),
    ("Soft Shadow", design(
        flat("#ffffff", "#f3f4f6", "#e5e7eb", "#ffffff", "#f3f4f6", "#e5e7eb"),
        text("#374151", "#111827", "#111827", "#374151", "#111827", "#111827"),
        {"borderRadius": 14, "borderSize": 0, "borderColor": "#ffffff",
         "subMenuBorderRadius": 10, "subMenuBorderSize": 1, "subMenuBorderColor": "#eceef2",
         "dropShadowOpacity": 0.14, "dropShadowYPos": 6, "dropShadowSize": 20})),
    ("Compact", design(
        flat("#f8f9fa", "#e9ecef", "#dee2e6", "#ffffff", "#e9ecef", "#dee2e6"),
        text("#343a40", "#212529", "#212529", "#343a40", "#212529", "#212529"),
        {"borderRadius": 3, "borderSize": 1, "borderColor": "#dee2e6",
         "subMenuBorderRadius": 3, "subMenuBorderSize": 1, "subMenuBorderColor": "#dee2e6",
         "mainMenufontSize": 12, "subMenuWidth": 150})),
    ("Large Touch", design(
        flat("#0f766e", "#115e59", "#134e4a", "#ffffff", "#ccfbf1", "#99f6e4"),
        text("#ffffff", "#ffffff", "#ffffff", "#134e4a", "#0b3b37", "#0b3b37"),
        {"borderRadius": 6, "borderSize": 0, "borderColor": "#0f766e",
         "subMenuBorderRadius": 6, "subMenuBorderSize": 1, "subMenuBorderColor": "#99d8cf",
         "mainMenufontSize": 18, "subMenuWidth": 220,
         "paddingTop": 6, "paddingBottom": 6})),
    ("Green Gloss", {
        **background("main", "normal", "#ffffff", (("FirstQuarter", "#dbe8a0", 25),
                                                   ("SecondQuarter", "#c7d95f", 50),
                                                   ("ThirdQuarter", "#b5d24a", 75),
                                                   ("End", "#9ab82a", 0))),
        **background("main", "hover", "#ffffff", opacity=35),
        **background("main", "active", "#ffffff", opacity=55),
        **background("sub", "normal", "#ffffff", (("End", "#ebf4c3", 0),)),
        **background("sub", "hover", "#c7d95f", opacity=45),
        **background("sub", "active", "#b5d24a", opacity=60),
        **text("#1a2200", "#000000", "#000000", "#1a2200", "#000000", "#000000"),
        "borderColor": "#6d8000", "subMenuBorderColor": "#6d8000",
    }),
    ("Ocean Gloss", {
        **background("main", "normal", "#ffffff", (("FirstQuarter", "#e3f2fd", 20),
                                                   ("SecondQuarter", "#bbdefb", 50),
                                                   ("ThirdQuarter", "#90caf9", 80),
                                                   ("End", "#64b5f6", 0))),
        **background("main", "hover", "#ffffff", opacity=40),
        **background("main", "active", "#ffffff", opacity=60),
        **background("sub", "normal", "#ffffff", (("End", "#e3f2fd", 0),)),
        **background("sub", "hover", "#bbdefb", opacity=60),
        **background("sub", "active", "#90caf9", opacity=60),
        **text("#0d2b45", "#061a2b", "#061a2b", "#0d2b45", "#061a2b", "#061a2b"),
        "borderColor": "#1e88e5", "subMenuBorderColor": "#1e88e5",
        "mainMenuTextShadow2Color": "#ffffff", "mainMenuTextShadow2Opacity": 0.6,
    }),
]

SAMPLE_MENU = [
    ("Home", []),
    ("Products", ["Laptops", "Phones", "Accessories"]),
    ("Services", ["Design", "Support"]),
    ("About", []),
    ("Contact", []),
]


def item(name, number):
    return [name, "icon%d" % number, "", 0, False, False]


def project(changes):
    settings = default_settings()
    known = {name for name, _ in settings}
    unknown = set(changes) - known
    if unknown:
        raise SystemExit("unknown settings: %s" % ", ".join(sorted(unknown)))
    elements = ["Version 3.0"]
    for name, value in settings:
        value = changes.get(name, value)
        elements.append(value)
    elements.append(len(SAMPLE_MENU))
    number = 0
    for title, children in SAMPLE_MENU:
        elements += item(title, number)
        number += 1
        elements.append(len(children))
        for child in children:
            elements += item(child, number)
            number += 1
    return plistlib.dumps(elements, fmt=plistlib.FMT_XML, sort_keys=False)


def main():
    for old in HERE.glob("*.brindleprj"):
        old.unlink()
    for number, (name, changes) in enumerate(DESIGNS, start=1):
        (HERE / ("%02d %s.brindleprj" % (number, name))).write_bytes(project(changes))


if __name__ == "__main__":
    main()
