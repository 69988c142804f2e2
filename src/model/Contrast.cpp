#include "model/Contrast.h"

#include "model/GlobalData.h"
#include "model/Node.h"

#include <QColor>
#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <vector>

namespace brindle {

namespace {

double linear(double channel) {
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Contrast)
};

struct PlacedColour {
    Color colour;
    QString place;
};

// The enabled stops of a gradient group, each named by where the panel shows it.
QList<PlacedColour> enabledStops(const GlobalData& data, MenuLevel level, MenuState state) {
    const GradientSettings group = gradientSettings(level, state);
    const QString prefix = state == MenuState::Hover    ? Texts::tr("hover background")
                           : state == MenuState::Active ? Texts::tr("active background")
                                                        : Texts::tr("background");
    QList<PlacedColour> stops;
    for (int i = 0; i < kGradientStopCount; ++i) {
        const GradientStopSettings& stop = group.stops[size_t(i)];
        if (stop.enable && !data.booleanValue(*stop.enable))
            continue;
        const QString which = i == 0                        ? Texts::tr("start")
                              : i == kGradientStopCount - 1 ? Texts::tr("end")
                                                            : Texts::tr("stop %1").arg(i);
        stops.append({data.colorValue(stop.color).withAlpha(1.0), prefix + u' ' + which});
    }
    return stops;
}

} // namespace

double relativeLuminance(const Color& colour) {
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

double contrastRatio(const Color& a, const Color& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Color composite(const Color& top, double opacity, const Color& below) {
    const double a = std::clamp(opacity, 0.0, 1.0);
    const auto mix = [a](double t, double b) { return t * a + b * (1.0 - a); };
    return {mix(top.red, below.red), mix(top.green, below.green), mix(top.blue, below.blue), 1.0};
}

double requiredContrast(double fontSizePx) {
    return fontSizePx >= kLargeTextPx ? 3.0 : 4.5;
}

QList<StateContrast> checkContrast(const GlobalData& data) {
    QList<StateContrast> checks;
    const double required = requiredContrast(double(data.mainMenufontSize()));
    for (const MenuLevel level : {MenuLevel::Main, MenuLevel::SubMenu}) {
        const QList<PlacedColour> normal = enabledStops(data, level, MenuState::Normal);
        for (const MenuState state : {MenuState::Normal, MenuState::Hover, MenuState::Active}) {
            StateContrast check{level, state, required, {}};
            const Color text = data.colorValue(fontColorSetting(level, state)).withAlpha(1.0);
            QList<PlacedColour> backgrounds = normal;
            if (state != MenuState::Normal) {
                backgrounds.clear();
                const double opacity =
                    data.integerValue(*gradientSettings(level, state).transparency) / 100.0;
                for (const PlacedColour& over : enabledStops(data, level, state)) {
                    for (const PlacedColour& below : normal)
                        backgrounds.append({composite(over.colour, opacity, below.colour),
                                            Texts::tr("%1 over %2").arg(over.place, below.place)});
                }
            }
            for (const PlacedColour& background : backgrounds)
                check.pairs.append({text, background.colour, contrastRatio(text, background.colour),
                                    background.place});
            std::stable_sort(
                check.pairs.begin(), check.pairs.end(),
                [](const ContrastPair& a, const ContrastPair& b) { return a.ratio < b.ratio; });
            checks.append(check);
        }
    }
    return checks;
}

QString contrastText(double ratio) {
    const double shown = std::floor(ratio * 10.0) / 10.0;
    return QStringLiteral("%1 : 1").arg(shown, 0, 'f', 1);
}

std::optional<Color> readableTextColour(const Color& preferred, const QList<Color>& backgrounds,
                                        double required) {
    const auto worstAgainst = [&backgrounds](const Color& text) {
        double worst = 21.0;
        for (const Color& background : backgrounds)
            worst = std::min(worst, contrastRatio(text, background));
        return worst;
    };
    if (worstAgainst(preferred) >= required)
        return preferred;
    const QColor shown =
        QColor::fromRgbF(float(preferred.red), float(preferred.green), float(preferred.blue));
    const float hue = std::max(0.0f, shown.hslHueF()); // an achromatic colour has none
    const float saturation = shown.hslSaturationF();
    const double lightness = shown.lightnessF();
    constexpr int kSteps = 400;
    std::optional<Color> nearest;
    double nearestDistance = 2.0;
    for (int step = 0; step <= kSteps; ++step) {
        const double candidateLightness = double(step) / kSteps;
        const double distance = std::abs(candidateLightness - lightness);
        if (distance >= nearestDistance)
            continue;
        const QColor candidate = QColor::fromHslF(hue, saturation, float(candidateLightness));
        const Color text{candidate.redF(), candidate.greenF(), candidate.blueF(), 1.0};
        if (worstAgainst(text) >= required) {
            nearest = text;
            nearestDistance = distance;
        }
    }
    return nearest;
}

const StateContrast* contrastOf(const QList<StateContrast>& checks, MenuLevel level,
                                MenuState state) {
    for (const StateContrast& check : checks) {
        if (check.level == level && check.state == state)
            return &check;
    }
    return nullptr;
}

QList<Color> backgroundsOf(const StateContrast& check) {
    QList<Color> backgrounds;
    for (const ContrastPair& pair : check.pairs)
        backgrounds.append(pair.background);
    return backgrounds;
}

} // namespace brindle

namespace brindle {

namespace {

// A picture's drawn pixels as the checks read them: each distinct value with how often the
// sampling meets it. Icons hold few values, so each background's check works out a few ratios
// instead of one per pixel (the checks run at every menu edit).
struct PixelTally {
    std::vector<std::pair<QRgb, int>> values;
    int total = 0;
};

PixelTally tallyPixels(const QImage& picture) {
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    // Large pictures are sampled: an icon's share of pixels does not need each one.
    const int step =
        std::max(1, int(std::sqrt(double(pixels.width()) * pixels.height() / 65536.0)));
    QHash<QRgb, int> counts;
    PixelTally tally;
    for (int y = 0; y < pixels.height(); y += step) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); x += step) {
            if (qAlpha(line[x]) / 255.0 < 0.1)
                continue;
            ++counts[line[x]];
            ++tally.total;
        }
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        tally.values.emplace_back(it.key(), it.value());
    return tally;
}

// The ratio that a quarter of the tallied pixels reach: the one at place (total - 1) / 4 when
// they are ordered from the highest ratio down.
double graphicContrast(const PixelTally& tally, const Color& background,
                       const std::optional<Color>& ink) {
    if (tally.total == 0)
        return 21.0;
    std::vector<std::pair<double, int>> ratios;
    ratios.reserve(tally.values.size());
    for (const auto& [pixel, count] : tally.values) {
        const Color colour =
            ink ? *ink
                : Color{qRed(pixel) / 255.0, qGreen(pixel) / 255.0, qBlue(pixel) / 255.0, 1.0};
        ratios.emplace_back(
            contrastRatio(composite(colour, qAlpha(pixel) / 255.0, background), background),
            count);
    }
    std::sort(ratios.begin(), ratios.end(), std::greater<>());
    const int place = (tally.total - 1) / 4;
    int passed = 0;
    for (const auto& [ratio, count] : ratios) {
        passed += count;
        if (passed > place)
            return ratio;
    }
    return ratios.back().first;
}

} // namespace

double graphicContrast(const QImage& picture, const Color& background,
                       const std::optional<Color>& ink) {
    return graphicContrast(tallyPixels(picture), background, ink);
}

double contrastReachedByAQuarter(QList<double>& ratios) {
    if (ratios.isEmpty())
        return 1.0;
    const auto quarter = ratios.begin() + (ratios.size() - 1) / 4;
    std::nth_element(ratios.begin(), quarter, ratios.end(), std::greater<>());
    return *quarter;
}

namespace {

struct DrawnGraphic {
    QString subject;
    MenuLevel level;
    QImage picture;
    bool inTextColour;
};

void collectIcons(const Node& parent, MenuLevel level, bool modern, QList<DrawnGraphic>& into) {
    for (int i = 0; i < parent.childCount(); ++i) {
        const Node& item = *parent.childAt(i);
        if (item.hasIcon() && !item.image().isNull())
            into.append({Texts::tr("icon of “%1”").arg(item.name()), level, item.image(),
                         modern && item.hasSvgIcon() && item.svgIcon().followsTextColour});
        collectIcons(item, MenuLevel::SubMenu, modern, into);
    }
}

// The arrow as Modern draws it, a small triangle in the text's colour.
QImage triangle() {
    QImage shape(10, 5, QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    for (int y = 0; y < shape.height(); ++y)
        for (int x = y; x < shape.width() - y; ++x)
            shape.setPixel(x, y, qRgba(0, 0, 0, 255));
    return shape;
}

} // namespace

QList<GraphicContrast> checkGraphicContrast(const GlobalData& data,
                                            const QList<StateContrast>& text, const QImage& arrow) {
    const bool modern = data.outputOptions().style == OutputStyle::Modern;
    QList<DrawnGraphic> graphics;
    const Node* root = data.getMenuRootNode();
    if (root == nullptr)
        return {};
    bool opens = false;
    for (int i = 0; i < root->childCount(); ++i)
        opens = opens || root->childAt(i)->childCount() > 0;
    if (opens)
        graphics.append({Texts::tr("drop-down arrow"), MenuLevel::Main,
                         arrow.isNull() ? triangle() : arrow, arrow.isNull()});
    collectIcons(*root, MenuLevel::Main, modern, graphics);
    QList<GraphicContrast> checks;
    for (const DrawnGraphic& graphic : graphics) {
        const PixelTally tally = tallyPixels(graphic.picture);
        GraphicContrast check{graphic.subject, graphic.level, MenuState::Normal, 21.0, {}};
        for (const StateContrast& state : text) {
            if (state.level != graphic.level)
                continue;
            const std::optional<Color> ink =
                graphic.inTextColour
                    ? std::optional<Color>(state.pairs.isEmpty() ? Color{}
                                                                 : state.pairs.first().text)
                    : std::nullopt;
            for (const ContrastPair& pair : state.pairs) {
                const double ratio = graphicContrast(tally, pair.background, ink);
                if (ratio < check.ratio)
                    check = {graphic.subject, graphic.level, state.state, ratio, pair.place};
            }
        }
        checks.append(check);
    }
    std::stable_sort(
        checks.begin(), checks.end(),
        [](const GraphicContrast& a, const GraphicContrast& b) { return a.ratio < b.ratio; });
    return checks;
}

} // namespace brindle
