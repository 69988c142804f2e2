#include "panels/ShadowView.h"

#include "panels/PanelRanges.h"
#include "platform/NotificationCenter.h"
#include "widgets/ColorPickerImageView.h"

#include <QGridLayout>

namespace brindle {

namespace {

const ShadowSettings kDropShadow = {
    "dropShadow",
    QT_TRANSLATE_NOOP("brindle::ShadowPanel", "Drop Shadow"),
    Setting::dropShadowColor,
    Setting::dropShadowOpacity,
    Setting::dropShadowXPos,
    Setting::dropShadowYPos,
    Setting::dropShadowSize,
    "DropAndInnerShadowDataUpdated",
    false,
};

const ShadowSettings kInnerShadow = {
    "innerShadow",
    QT_TRANSLATE_NOOP("brindle::ShadowPanel", "Inner Shadow"),
    Setting::innerShadowColor,
    Setting::innerShadowOpacity,
    Setting::innerShadowXPos,
    Setting::innerShadowYPos,
    Setting::innerShadowSize,
    "DropAndInnerShadowDataUpdated",
    false,
};

const ShadowSettings kTextShadow1 = {
    "textShadow1",
    QT_TRANSLATE_NOOP("brindle::ShadowPanel", "Text Shadow 1"),
    Setting::mainMenuTextShadow1Color,
    Setting::mainMenuTextShadow1Opacity,
    Setting::mainMenuTextShadow1XPos,
    Setting::mainMenuTextShadow1YPos,
    Setting::mainMenuTextShadow1Size,
    "TextShadow1DataUpdated",
    false,
};

const ShadowSettings kTextShadow2 = {
    "textShadow2",
    QT_TRANSLATE_NOOP("brindle::ShadowPanel", "Text Shadow 2"),
    Setting::mainMenuTextShadow2Color,
    Setting::mainMenuTextShadow2Opacity,
    Setting::mainMenuTextShadow2XPos,
    Setting::mainMenuTextShadow2YPos,
    Setting::mainMenuTextShadow2Size,
    "TextShadow2DataUpdated",
    true,
};

} // namespace

ShadowPanel::ShadowPanel(const ShadowSettings& settings, GlobalData& data,
                         NotificationCenter& center, QWidget* parent)
    : StylePanel(tr(settings.title), data, center, parent),
      m_observeBeforeFirstReload(settings.observeBeforeFirstReload) {
    const QString prefix = QLatin1String(settings.outletPrefix);
    const QString notification = QLatin1String(settings.notification);
    m_colorImage = makeWell(prefix + QStringLiteral("ColorImage"));
    m_opacity = makePair(prefix + QStringLiteral("Opacity"), FieldStepperPair::Kind::Decimal,
                         ranges::kShadowOpacity);
    auto* x = makePair(prefix + QStringLiteral("XPos"), FieldStepperPair::Kind::Integer,
                       ranges::kShadowOffset);
    auto* y = makePair(prefix + QStringLiteral("YPos"), FieldStepperPair::Kind::Integer,
                       ranges::kShadowOffset);
    auto* size = makePair(prefix + QStringLiteral("Size"), FieldStepperPair::Kind::Integer,
                          ranges::kShadowSize);
    for (FieldStepperPair* pair : {m_opacity, x, y, size})
        pair->installFormatter();

    describe(m_colorImage, tr("colour"), addLabel(tr("Colour"), 0, 0));
    form()->addWidget(m_colorImage, 0, 1);
    describe(m_opacity, tr("opacity"), addLabel(tr("Opacity"), 0, 2));
    placePair(m_opacity, 0, 3);
    describe(x, tr("X offset"), addLabel(tr("X"), 1, 0));
    placePair(x, 1, 1, tr("px"));
    describe(y, tr("Y offset"), addLabel(tr("Y"), 1, 2));
    placePair(y, 1, 3, tr("px"));
    describe(size, tr("size"), addLabel(tr("Size"), 2, 0));
    placePair(size, 2, 1, tr("px"));
    form()->setColumnStretch(4, 1);

    // Reload order: colour, opacity, X, Y, size.
    bindWell(m_colorImage, settings.color, notification);
    bindPair(m_opacity, settings.opacity, notification);
    bindPair(x, settings.xPos, notification);
    bindPair(y, settings.yPos, notification);
    bindPair(size, settings.size, notification);
}

void ShadowPanel::awake() {
    if (m_observeBeforeFirstReload) {
        registerColorObservers();
        reloadData();
    } else {
        StylePanel::awake();
    }
}

#define BRINDLE_SHADOW_PANEL(ClassName, Settings)                                                  \
    ClassName::ClassName(QWidget* parent)                                                          \
        : ClassName(GlobalData::sharedData(), NotificationCenter::defaultCenter(), parent) {}      \
    ClassName::ClassName(GlobalData& data, NotificationCenter& center, QWidget* parent)            \
        : ShadowPanel(Settings, data, center, parent) {}

BRINDLE_SHADOW_PANEL(DropShadowView, kDropShadow)
BRINDLE_SHADOW_PANEL(InnerShadowView, kInnerShadow)
BRINDLE_SHADOW_PANEL(TextShadow1View, kTextShadow1)
BRINDLE_SHADOW_PANEL(TextShadow2View, kTextShadow2)

#undef BRINDLE_SHADOW_PANEL

} // namespace brindle
