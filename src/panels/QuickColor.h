#pragma once

#include "model/Color.h"
#include "panels/GradientSettings.h"

#include <array>
#include <optional>

namespace brindle {

// Hue, saturation and brightness, each 0–1.
struct Hsb {
    double hue = 0.0;
    double saturation = 0.0;
    double brightness = 0.0;
};

// Alpha is ignored.
Hsb hsbOf(const Color& color);
// An opaque colour; a brightness outside 0–1 counts as 0 or 1.
Color colorFromHsb(double hue, double saturation, double brightness);
// The colour with the same hue and saturation as base, at base's brightness + offset.
Color offsetBrightness(const Hsb& base, double offset);

// Brightness offsets of the five stops of a quick gradient, start first.
inline constexpr std::array<double, kGradientStopCount> kQuickStopOffsets = {0.4, 0.2, 0.0, -0.1,
                                                                             -0.3};
// Offset of the border and text colours derived from a pick.
inline constexpr double kQuickDarkOffset = -0.6;

// The enable flags a derivation writes to the four optional stops (first quarter … end);
// nullopt leaves a flag as it is.
using QuickStopFlags = std::array<std::optional<bool>, kGradientStopCount - 1>;

// Writes the five stop colours derived from base, each optional stop's flag just before its
// colour. Positions and transparency are left alone.
void writeQuickGradient(GlobalData& data, const GradientSettings& gradient, const Hsb& base,
                        const QuickStopFlags& flags);

// The colour of the last enabled stop (end, third, second, first quarter), else the start.
Color lastEnabledStopColor(const GlobalData& data, const GradientSettings& gradient);

// What a quick well shows for a gradient: the colour it was picked from when the stored stops
// are exactly what that pick wrote (the pick is the stop without offset), otherwise the
// colour the gradient ends in, lastEnabledStopColor(). Picking the shown colour again never
// shifts a gradient that came from a pick.
Color quickWellColor(const GlobalData& data, const GradientSettings& gradient);

} // namespace brindle
