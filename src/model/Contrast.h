#pragma once

#include "model/Color.h"
#include "model/SettingGroups.h"

#include <QImage>
#include <QList>
#include <QString>

#include <optional>

namespace brindle {

class GlobalData;

// WCAG 2.x relative luminance of an opaque sRGB colour (0 black … 1 white).
double relativeLuminance(const Color& colour);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double contrastRatio(const Color& a, const Color& b);
// `top` at `opacity` (0–1) laid over the opaque `below`, channel by channel.
Color composite(const Color& top, double opacity, const Color& below);

// Text from this size (in CSS px) on counts as large, and 3 : 1 suffices; 4.5 : 1 below it.
inline constexpr double kLargeTextPx = 24.0;
double requiredContrast(double fontSizePx);

// One text colour against one colour it is drawn on.
struct ContrastPair {
    Color text;
    Color background;
    double ratio = 1.0;
    QString
        place; // what the text is drawn on, e.g. "hover background stop 2 over background stop 3"
};

// The worst pair of one level and state: what the designer should look at first.
struct StateContrast {
    MenuLevel level = MenuLevel::Main;
    MenuState state = MenuState::Normal;
    double required = 4.5;
    QList<ContrastPair> pairs; // worst first
    double worst() const { return pairs.isEmpty() ? 21.0 : pairs.first().ratio; }
    bool passes() const { return worst() >= required; }
};

// For each text colour (bar and sub-menu, Normal, Hover and Active) against everything it is
// drawn on: every enabled stop of its background gradient; for Hover and Active, each
// enabled stop at its opacity laid over each enabled stop of the normal background. The
// page's white lies below all of it (stops are opaque). Text shadows are left out. Six
// entries, bar first, Normal, Hover, Active.
QList<StateContrast> checkContrast(const GlobalData& data);

// The colour nearest to `preferred` in lightness, of its hue and saturation (HSL), that reaches
// `required` against every one of `backgrounds`; nothing when no lightness does. `preferred`
// itself when it reaches it.
std::optional<Color> readableTextColour(const Color& preferred, const QList<Color>& backgrounds,
                                        double required);
// The entry of `checks` for the level and state.
const StateContrast* contrastOf(const QList<StateContrast>& checks, MenuLevel level,
                                MenuState state);
// The colours the state's text is drawn on.
QList<Color> backgroundsOf(const StateContrast& check);

// Icons and arrows are no text: what they show needs 3 : 1 against what they are drawn on.
inline constexpr double kGraphicContrast = 3.0;

// How far a picture stands out from one opaque background: the ratio that a quarter of its
// drawn pixels reach, each laid over the background at its opacity, so that blended edges and
// small details do not decide. `ink`, when given, paints every drawn pixel (an icon in the
// text's colour). 21 when the picture draws nothing.
double graphicContrast(const QImage& picture, const Color& background,
                       const std::optional<Color>& ink = std::nullopt);

// The ratio that a quarter of the pixels' ratios reach (reorders them).
double contrastReachedByAQuarter(QList<double>& ratios);

// One icon or the drop-down arrow, against everything behind it in each state of its level.
struct GraphicContrast {
    QString subject; // "icon of “Home”", "drop-down arrow"
    MenuLevel level = MenuLevel::Main;
    MenuState state = MenuState::Normal; // where it is drawn worst
    double ratio = 21.0;
    QString place; // what it is drawn on there
    bool passes() const { return ratio >= kGraphicContrast; }
};

// Every item's icon and, when an item has sub-items, the drop-down arrow, worst first. `text`
// is checkContrast()'s result; `arrow` is the arrow's picture, or null where the output draws
// it in the text's colour. Icons follow the text colour only in Modern output.
QList<GraphicContrast> checkGraphicContrast(const GlobalData& data,
                                            const QList<StateContrast>& text, const QImage& arrow);

// "4.8 : 1", one decimal, never rounded up across a threshold ("4.49" reads "4.4 : 1").
QString contrastText(double ratio);

} // namespace brindle
