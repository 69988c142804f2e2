#include "generator/Shadow.h"

#include "generator/Declarations.h"

#include <array>

namespace brindle {

namespace {

#define BRINDLE_SHADOW(prefix)                                                                     \
    {                                                                                              \
        Setting::prefix##Color, Setting::prefix##Opacity, Setting::prefix##XPos,                   \
            Setting::prefix##YPos, Setting::prefix##Size                                           \
    }

constexpr std::array<ShadowSettings, 4> kShadows = {{
    BRINDLE_SHADOW(dropShadow),
    BRINDLE_SHADOW(innerShadow),
    BRINDLE_SHADOW(mainMenuTextShadow1),
    BRINDLE_SHADOW(mainMenuTextShadow2),
}};

#undef BRINDLE_SHADOW

QString channel(double component) {
    return QString::number(static_cast<qint64>(component * 255.0));
}

} // namespace

const ShadowSettings& shadowSettings(ShadowId id) {
    return kShadows[static_cast<std::size_t>(id)];
}

ShadowValues readShadowValues(const GlobalData& data, const ShadowSettings& settings) {
    return {data.colorValue(settings.color), data.doubleValue(settings.opacity),
            data.integerValue(settings.xPos), data.integerValue(settings.yPos),
            data.integerValue(settings.size)};
}

QString shadowOpacityText(double opacity) {
    if (opacity == 0.0)
        return QString(QLatin1String("0")); // also for -0.0, which "%.f" would sign
    if (opacity == 1.0)
        return QString(QLatin1String("1"));
    return fixedDecimals(opacity, 1);
}

QString shadowEntry(const ShadowValues& shadow, bool inset, ShadowEntryEnd end) {
    return QLatin1String(inset ? "\t\tinset " : "\t\t") + pixels(shadow.xPos) + QLatin1Char(' ') +
           pixels(shadow.yPos) + QLatin1Char(' ') + pixels(shadow.size) + QLatin1String(" rgba(") +
           channel(shadow.color.red) + QLatin1Char(',') + channel(shadow.color.green) +
           QLatin1Char(',') + channel(shadow.color.blue) + QLatin1Char(',') +
           shadowOpacityText(shadow.opacity) +
           QLatin1String(end == ShadowEntryEnd::Comma ? "),\n" : ");\n");
}

} // namespace brindle
