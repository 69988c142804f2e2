#include "generator/Gradient.h"

#include "generator/Declarations.h"

#include <algorithm>

namespace brindle {

namespace {

// The member names follow one rule per level ("subMenu" + capitalised name) and per state
// (suffix "Hover"/"Active"); an empty suffix is the normal state.
#define BRINDLE_MAIN_GROUP(S)                                                                      \
    Setting::startBackgroundColor##S,                                                              \
        {{{Setting::enableFirstQuarterBackgroundColor##S, Setting::firstQuarterBackgroundColor##S, \
           Setting::firstQuarterBackgroundColorPos##S},                                            \
          {Setting::enableSecondQuarterBackgroundColor##S,                                         \
           Setting::secondQuarterBackgroundColor##S, Setting::secondQuarterBackgroundColorPos##S}, \
          {Setting::enableThirdQuarterBackgroundColor##S, Setting::thirdQuarterBackgroundColor##S, \
           Setting::thirdQuarterBackgroundColorPos##S}}},                                          \
        Setting::enableEndBackgroundColor##S, Setting::endBackgroundColor##S

#define BRINDLE_SUB_GROUP(S)                                                                       \
    Setting::subMenuStartBackgroundColor##S,                                                       \
        {{{Setting::subMenuEnableFirstQuarterBackgroundColor##S,                                   \
           Setting::subMenuFirstQuarterBackgroundColor##S,                                         \
           Setting::subMenuFirstQuarterBackgroundColorPos##S},                                     \
          {Setting::subMenuEnableSecondQuarterBackgroundColor##S,                                  \
           Setting::subMenuSecondQuarterBackgroundColor##S,                                        \
           Setting::subMenuSecondQuarterBackgroundColorPos##S},                                    \
          {Setting::subMenuEnableThirdQuarterBackgroundColor##S,                                   \
           Setting::subMenuThirdQuarterBackgroundColor##S,                                         \
           Setting::subMenuThirdQuarterBackgroundColorPos##S}}},                                   \
        Setting::subMenuEnableEndBackgroundColor##S, Setting::subMenuEndBackgroundColor##S

const std::array<GradientGroup, 6> kGradientGroups = {{
    {BRINDLE_MAIN_GROUP(), std::nullopt},
    {BRINDLE_SUB_GROUP(), std::nullopt},
    {BRINDLE_MAIN_GROUP(Hover), Setting::colorTransparencyHover},
    {BRINDLE_SUB_GROUP(Hover), Setting::subMenuColorTransparencyHover},
    {BRINDLE_MAIN_GROUP(Active), Setting::colorTransparencyActive},
    {BRINDLE_SUB_GROUP(Active), Setting::subMenuColorTransparencyActive},
}};

#undef BRINDLE_MAIN_GROUP
#undef BRINDLE_SUB_GROUP

// One form of the gradient: its opening (with the start colour), its stop line and its close.
struct GradientForm {
    const char* open;     // up to the start colour
    const char* openTail; // after the start colour
    bool fractionStops;   // webkit: color-stop(0.25, colour); others: colour 25%
    const char* close;    // before the closing colour
    const char* closeTail;
};

constexpr std::array<GradientForm, 5> kForms = {{
    {"\tbackground: -moz-linear-gradient(\n\t\ttop,\n\t\t", " 0%,\n", false, "\t\t", ");\n"},
    {"\tbackground: -webkit-gradient(\n\t\tlinear, left top, left bottom,\n\t\tfrom(", "),\n", true,
     "\t\tto(", "));\n"},
    {"\tbackground: -ms-linear-gradient(\n\t\ttop,\n\t\t", " 0%,\n", false, "\t\t", " 100%);\n"},
    {"\tbackground: -o-linear-gradient(\n\t\ttop,\n\t\t", " 0%,\n", false, "\t\t", " 100%);\n"},
    {"\tbackground: linear-gradient(\n\t\tto bottom,\n\t\t", " 0%,\n", false, "\t\t", " 100%);\n"},
}};

} // namespace

const GradientGroup& gradientGroup(GradientGroupId id) {
    return kGradientGroups[static_cast<std::size_t>(id)];
}

GradientValues readGradientValues(const GlobalData& data, const GradientGroup& group) {
    GradientValues values;
    values.start = data.colorValue(group.start);
    for (std::size_t k = 0; k < group.stops.size(); ++k) {
        values.stops[k].enabled = data.booleanValue(group.stops[k].enabled);
        values.stops[k].color = data.colorValue(group.stops[k].color);
        values.stops[k].position = data.integerValue(group.stops[k].position);
    }
    values.endEnabled = data.booleanValue(group.endEnabled);
    values.end = data.colorValue(group.end);
    if (group.transparency)
        values.transparency = data.integerValue(*group.transparency);
    return values;
}

QString gradientDeclaration(const GradientValues& values, bool vendorForms) {
    // Normal groups write opaque hex colours; hover and active groups write every colour
    // in the rgba form with the group's transparency as alpha (kept within 0–1).
    std::optional<double> alpha;
    if (values.transparency)
        alpha = std::clamp(static_cast<double>(*values.transparency) / 100.0, 0.0, 1.0);
    const auto colorText = [&alpha](const Color& color) {
        return alpha ? rgbaValueOfAnNSColor(color.withAlpha(*alpha))
                     : hexadecimalValueOfAnNSColor(color);
    };

    const QString start = colorText(values.start);
    const bool anyStop = values.endEnabled || std::any_of(values.stops.begin(), values.stops.end(),
                                                          [](const auto& s) { return s.enabled; });
    if (!anyStop)
        return QLatin1String("\tbackground: ") + start + QLatin1String(";\n");

    struct StopText {
        QString color;
        QString percent;  // "25%"
        QString fraction; // "0.25"
    };
    std::array<StopText, 3> stops;
    qsizetype enabledCount = 0;
    QString closing = start;
    for (const auto& stop : values.stops) {
        if (!stop.enabled)
            continue;
        StopText& text = stops[static_cast<std::size_t>(enabledCount++)];
        text.color = colorText(stop.color);
        text.percent = decimal(stop.position) + QLatin1Char('%');
        text.fraction = fixedDecimals(static_cast<double>(stop.position) / 100.0, 2);
        closing = text.color;
    }
    if (values.endEnabled)
        closing = colorText(values.end);

    QString result;
    result.reserve(900);
    for (const GradientForm& form : kForms) {
        if (!vendorForms && &form != &kForms.back())
            continue; // the standard form is the last
        result += QLatin1String(form.open) + start + QLatin1String(form.openTail);
        for (qsizetype i = 0; i < enabledCount; ++i) {
            const StopText& stop = stops[static_cast<std::size_t>(i)];
            if (form.fractionStops)
                result += QLatin1String("\t\tcolor-stop(") + stop.fraction + QLatin1String(", ") +
                          stop.color + QLatin1String("),\n");
            else
                result += QLatin1String("\t\t") + stop.color + QLatin1Char(' ') + stop.percent +
                          QLatin1String(",\n");
        }
        result += QLatin1String(form.close) + closing + QLatin1String(form.closeTail);
    }
    return result;
}

} // namespace brindle
