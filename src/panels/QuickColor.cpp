#include "panels/QuickColor.h"

#include <algorithm>
#include <cmath>

namespace brindle {

Hsb hsbOf(const Color& color) {
    const double maximum = std::max({color.red, color.green, color.blue});
    const double minimum = std::min({color.red, color.green, color.blue});
    const double delta = maximum - minimum;
    Hsb hsb;
    hsb.brightness = maximum;
    hsb.saturation = maximum > 0.0 ? delta / maximum : 0.0;
    if (delta > 0.0) {
        double hue = 0.0;
        if (maximum == color.red)
            hue = (color.green - color.blue) / delta;
        else if (maximum == color.green)
            hue = 2.0 + (color.blue - color.red) / delta;
        else
            hue = 4.0 + (color.red - color.green) / delta;
        hue /= 6.0;
        if (hue < 0.0)
            hue += 1.0;
        hsb.hue = hue;
    }
    return hsb;
}

Color colorFromHsb(double hue, double saturation, double brightness) {
    const double v = std::clamp(brightness, 0.0, 1.0);
    const double s = std::clamp(saturation, 0.0, 1.0);
    if (s == 0.0)
        return {v, v, v, 1.0};
    double h = (hue - std::floor(hue)) * 6.0; // 0 ≤ h < 6
    const int sector = static_cast<int>(h) % 6;
    const double f = h - std::floor(h);
    const double p = v * (1.0 - s);
    const double q = v * (1.0 - s * f);
    const double t = v * (1.0 - s * (1.0 - f));
    switch (sector) {
    case 0:
        return {v, t, p, 1.0};
    case 1:
        return {q, v, p, 1.0};
    case 2:
        return {p, v, t, 1.0};
    case 3:
        return {p, q, v, 1.0};
    case 4:
        return {t, p, v, 1.0};
    default:
        return {v, p, q, 1.0};
    }
}

Color offsetBrightness(const Hsb& base, double offset) {
    return colorFromHsb(base.hue, base.saturation, base.brightness + offset);
}

void writeQuickGradient(GlobalData& data, const GradientSettings& gradient, const Hsb& base,
                        const QuickStopFlags& flags) {
    for (int stop = 0; stop < kGradientStopCount; ++stop) {
        const GradientStopSettings& settings = gradient.stops[static_cast<size_t>(stop)];
        if (stop > 0) {
            const std::optional<bool>& flag = flags[static_cast<size_t>(stop - 1)];
            if (flag && settings.enable)
                data.setValue(*settings.enable, *flag);
        }
        data.setValue(settings.color,
                      offsetBrightness(base, kQuickStopOffsets[static_cast<size_t>(stop)]));
    }
}

Color lastEnabledStopColor(const GlobalData& data, const GradientSettings& gradient) {
    for (int stop = kGradientStopCount - 1; stop > 0; --stop) {
        const GradientStopSettings& settings = gradient.stops[static_cast<size_t>(stop)];
        if (settings.enable && data.booleanValue(*settings.enable))
            return data.colorValue(settings.color);
    }
    return data.colorValue(gradient.stops[0].color);
}

Color quickWellColor(const GlobalData& data, const GradientSettings& gradient) {
    const auto pick =
        static_cast<size_t>(std::find(kQuickStopOffsets.begin(), kQuickStopOffsets.end(), 0.0) -
                            kQuickStopOffsets.begin());
    const Color base = data.colorValue(gradient.stops[pick].color);
    const Hsb hsb = hsbOf(base);
    // A project keeps colours to the byte, so a pick read back from one may be a step or two
    // off in any channel.
    const auto near = [](const Color& a, const Color& b) {
        constexpr double kSlack = 2.5 / 255.0;
        return std::abs(a.red - b.red) < kSlack && std::abs(a.green - b.green) < kSlack &&
               std::abs(a.blue - b.blue) < kSlack;
    };
    for (size_t stop = 0; stop < gradient.stops.size(); ++stop) {
        if (!near(data.colorValue(gradient.stops[stop].color),
                  offsetBrightness(hsb, kQuickStopOffsets[stop])))
            return lastEnabledStopColor(data, gradient);
    }
    return base;
}

} // namespace brindle
