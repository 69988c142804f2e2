#include "panels/QuickModeView.h"

#include "model/Contrast.h"
#include "panels/ContrastBadge.h"
#include "panels/FieldStepperPair.h"
#include "panels/PanelRanges.h"
#include "panels/QuickColor.h"
#include "platform/NotificationCenter.h"
#include "widgets/ColorPickerImageView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace brindle {

namespace {

// Corner radius of each shape item, and the items' texts.
constexpr qint64 kShapeRadii[] = {0, 15, 25};
constexpr const char* kShapeNames[] = {
    QT_TRANSLATE_NOOP("brindle::QuickModeGeneralView", "Square"),
    QT_TRANSLATE_NOOP("brindle::QuickModeGeneralView", "Rounded"),
    QT_TRANSLATE_NOOP("brindle::QuickModeGeneralView", "Round"),
};

QString stateName(MenuState state) {
    switch (state) {
    case MenuState::Normal:
        return QStringLiteral("Normal");
    case MenuState::Hover:
        return QStringLiteral("Hover");
    case MenuState::Active:
        return QStringLiteral("Active");
    }
    return {};
}

// The state as a sentence names it ("hover"); stateName() is for notification names.
QString spokenStateName(MenuState state) {
    switch (state) {
    case MenuState::Hover:
        return QuickModeView::tr("hover");
    case MenuState::Active:
        return QuickModeView::tr("active");
    case MenuState::Normal:
        break;
    }
    return QuickModeView::tr("normal");
}

// "QuickModeBackgroundNormalDataUpdated", "QuickModeSubMenuBackgroundHoverDataUpdated", …
QString quickBackgroundNotification(MenuLevel level, MenuState state) {
    return QStringLiteral("QuickMode") +
           (level == MenuLevel::SubMenu ? QStringLiteral("SubMenu") : QString()) +
           QStringLiteral("Background") + stateName(state) + QStringLiteral("DataUpdated");
}

// Which optional stops a quick pick switches on: the main menu's normal bar keeps its full
// gradient, the lists' normal background fades to its end colour, hover and active are flat.
QuickStopFlags quickStopFlags(MenuLevel level, MenuState state) {
    if (state != MenuState::Normal)
        return {false, false, false, false};
    if (level == MenuLevel::Main)
        return {true, true, true, true};
    return {false, false, false, true};
}

// What a reload shows for a text colour: its brightness in percent, the value that typed
// into the pair gives that brightness.
double shownTextIntensity(const Color& color) {
    const auto intensity = std::lround(hsbOf(color).brightness * 100.0);
    return static_cast<double>(std::clamp<long>(intensity, 0, 100));
}

QString quickTitle(MenuState state) {
    switch (state) {
    case MenuState::Normal:
        return QuickBackgroundPanel::tr("Background (Normal)");
    case MenuState::Hover:
        return QuickBackgroundPanel::tr("Background (Hover)");
    case MenuState::Active:
        return QuickBackgroundPanel::tr("Background (Active)");
    }
    return {};
}

} // namespace

QuickModeGeneralView::QuickModeGeneralView(QWidget* parent)
    : QuickModeGeneralView(GlobalData::sharedData(), NotificationCenter::defaultCenter(), parent) {}

QuickModeGeneralView::QuickModeGeneralView(GlobalData& data, NotificationCenter& center,
                                           QWidget* parent)
    : StylePanel(tr("Shape"), data, center, parent), m_shapeComboBox(new QComboBox(this)) {
    m_shapeComboBox->setObjectName(QStringLiteral("shapeComboBox"));
    m_shapeComboBox->setFont(panelLabelFont(m_shapeComboBox->font()));
    for (const char* name : kShapeNames)
        m_shapeComboBox->addItem(tr(name));
    setSubject({});
    describe(m_shapeComboBox, tr("corner shape"), addLabel(tr("Corners"), 0, 0));
    form()->addWidget(m_shapeComboBox, 0, 1);
    form()->setColumnStretch(2, 1);
    addReloader([this] {
        const qint64 radius = this->data().borderRadius();
        m_shapeComboBox->setCurrentIndex(radius == 0 ? 0 : radius <= 14 ? 1 : 2);
    });
    connect(m_shapeComboBox, &QComboBox::activated, this,
            &QuickModeGeneralView::updateShapeComboBoxValue);
}

void QuickModeGeneralView::updateShapeComboBoxValue() {
    const int index = m_shapeComboBox->currentIndex();
    data().setBorderRadius(index == 0 || index == 1 ? kShapeRadii[index] : kShapeRadii[2]);
    sendUpdateDataNotification(QStringLiteral("BorderRadiusDataUpdated"), m_shapeComboBox);
}

QuickBackgroundPanel::QuickBackgroundPanel(MenuState state, GlobalData& data,
                                           NotificationCenter& center, QWidget* parent)
    : StylePanel(quickTitle(state), data, center, parent), m_state(state) {
    struct Column {
        MenuLevel level;
        const char* prefix; // outlet prefix
        int column;
    };
    const Column columns[] = {{MenuLevel::Main, "", 1}, {MenuLevel::SubMenu, "subMenu", 2}};
    auto outlet = [](const char* prefix, const char* name) {
        QString outletName = QLatin1String(name);
        if (*prefix != '\0') {
            outletName[0] = outletName[0].toUpper();
            outletName.prepend(QLatin1String(prefix));
        }
        return outletName;
    };

    addLabel(tr("Main menu"), 0, 1);
    addLabel(tr("Sub-menu"), 0, 2);
    QLabel* colourLabel = addLabel(tr("Colour"), 1, 0);
    QLabel* textLabel = addLabel(tr("Text"), 2, 0);
    QLabel* opacityLabel = state != MenuState::Normal ? addLabel(tr("Opacity"), 3, 0) : nullptr;
    // Each column names its controls in full ("Sub-menu hover text brightness"); the row
    // labels lead to the main-menu column.
    setSubject({});
    const auto spoken = [state](const Column& c, const QString& what) -> QString {
        QString name = c.level == MenuLevel::Main ? tr("Main menu") : tr("Sub-menu");
        if (state != MenuState::Normal)
            name += QLatin1Char(' ') + spokenStateName(state);
        return name + QLatin1Char(' ') + what;
    };
    const auto rowLabel = [](const Column& c, QLabel* label) {
        return c.level == MenuLevel::Main ? label : nullptr;
    };

    std::vector<FieldStepperPair*> intensities;
    for (const Column& c : columns) {
        auto* well = makeWell(outlet(c.prefix, "backgroundColorImage"));
        form()->addWidget(well, 1, c.column);
        describe(well, spoken(c, tr("background colour")), rowLabel(c, colourLabel));
        const GradientSettings gradient = gradientSettings(c.level, state);
        addReloader([this, well, gradient] {
            well->setBackgroundColor(quickWellColor(this->data(), gradient));
        });
        const MenuLevel level = c.level;
        observeWell(well, [this, level, well] { deriveGradient(level, well); });

        auto* intensity = makePair(outlet(c.prefix, "textColorIntensity"),
                                   FieldStepperPair::Kind::Integer, ranges::kTextIntensity);
        placePair(intensity, 2, c.column, tr("%"));
        describe(intensity, spoken(c, tr("text brightness")), rowLabel(c, textLabel));
        intensity->setCommit(
            [this, level, intensity](double value) { setTextIntensity(level, value, intensity); });
        intensities.push_back(intensity);
        // The figure of the pair the column sets: readable text is the point of the colours.
        form()->addWidget(new ContrastBadge(level, state, this), 4, c.column);
    }
    addLabel(tr("Contrast"), 4, 0);
    // Reload order: both wells, both intensities, then both transparencies.
    for (size_t i = 0; i < intensities.size(); ++i) {
        FieldStepperPair* pair = intensities[i];
        const Setting fontColor = fontColorSetting(columns[i].level, state);
        addReloader([this, pair, fontColor] {
            pair->setValue(shownTextIntensity(this->data().colorValue(fontColor)));
        });
    }
    if (state != MenuState::Normal) {
        for (const Column& c : columns) {
            auto* transparency = makePair(outlet(c.prefix, "transparency"),
                                          FieldStepperPair::Kind::Integer, ranges::kTransparency);
            placePair(transparency, 3, c.column, tr("%"));
            describe(transparency, spoken(c, tr("opacity")), rowLabel(c, opacityLabel));
            bindPair(transparency, *gradientSettings(c.level, state).transparency,
                     backgroundNotification(c.level, state));
        }
    }
    form()->setColumnStretch(3, 1);
}

void QuickBackgroundPanel::awake() {
    registerColorObservers();
}

void QuickBackgroundPanel::reloadData() {
    setFormReady(false);
    StylePanel::reloadData();
    setFormReady(true);
}

void QuickBackgroundPanel::deriveGradient(MenuLevel level, ColorPickerImageView* well) {
    if (!formReady())
        return;
    const Hsb base = hsbOf(well->backgroundColor());
    const bool setsBorder = level == MenuLevel::Main && m_state == MenuState::Normal;
    if (setsBorder)
        data().setBorderColor(offsetBrightness(base, kQuickDarkOffset));
    writeQuickGradient(data(), gradientSettings(level, m_state), base,
                       quickStopFlags(level, m_state));
    sendUpdateDataNotification(quickBackgroundNotification(level, m_state), well);
    // The border colour lives in fragments of its own (the bar's border, the separators).
    if (setsBorder)
        sendUpdateDataNotification(QStringLiteral("BorderColorDataUpdated"));
}

void QuickBackgroundPanel::setTextIntensity(MenuLevel level, double intensity,
                                            FieldStepperPair* pair) {
    const Setting fontColor = fontColorSetting(level, m_state);
    const Hsb current = hsbOf(data().colorValue(fontColor));
    const Color asked = colorFromHsb(current.hue, current.saturation, intensity / 100.0);
    // Text that would not read takes the nearest brightness that does, and says so.
    const StateContrast* check = contrastOf(checkContrast(data()), level, m_state);
    const std::optional<Color> readable =
        check ? readableTextColour(asked, backgroundsOf(*check), check->required) : asked;
    data().setValue(fontColor, readable.value_or(asked));
    if (!readable) {
        emit statusMessage(tr("No brightness of this text colour reads on its background: "
                              "choose another background colour"));
    } else if (!(*readable == asked)) {
        pair->setValue(shownTextIntensity(*readable));
        emit statusMessage(tr("Text at %1 % would not read on its background; %2 % is the "
                              "nearest that does")
                               .arg(intensity)
                               .arg(shownTextIntensity(*readable)));
    }
    sendUpdateDataNotification(fontColorNotification(level, m_state), pair->textField());
}

#define BRINDLE_QUICK_PANEL(ClassName, State)                                                      \
    ClassName::ClassName(QWidget* parent)                                                          \
        : ClassName(GlobalData::sharedData(), NotificationCenter::defaultCenter(), parent) {}      \
    ClassName::ClassName(GlobalData& data, NotificationCenter& center, QWidget* parent)            \
        : QuickBackgroundPanel(MenuState::State, data, center, parent) {}

BRINDLE_QUICK_PANEL(QuickModeNormalView, Normal)
BRINDLE_QUICK_PANEL(QuickModeHoverView, Hover)
BRINDLE_QUICK_PANEL(QuickModeActiveView, Active)

#undef BRINDLE_QUICK_PANEL

QuickModeView::QuickModeView(QWidget* parent)
    : QuickModeView(GlobalData::sharedData(), NotificationCenter::defaultCenter(), parent) {}

QuickModeView::QuickModeView(GlobalData& data, NotificationCenter& center, QWidget* parent)
    : StylePanel(QString(), data, center, parent),
      m_well(makeWell(QStringLiteral("backgroundColorColorImage"))) {
    describe(m_well, tr("menu colour"), addLabel(tr("Menu colour"), 0, 0));
    form()->addWidget(m_well, 0, 1);
    form()->setColumnStretch(2, 1);
    observeWell(m_well, [this] { backgroundColorDidChangeNotification(); });
}

void QuickModeView::awake() {
    registerColorObservers();
    reloadData();
}

void QuickModeView::reloadData() {
    // Shows the main menu's colour without deriving from it.
    setFormReady(false);
    m_well->setBackgroundColor(
        quickWellColor(data(), gradientSettings(MenuLevel::Main, MenuState::Normal)));
    setFormReady(true);
}

void QuickModeView::backgroundColorDidChangeNotification() {
    if (!formReady())
        return;
    const Hsb base = hsbOf(m_well->backgroundColor());
    const Color dark = offsetBrightness(base, kQuickDarkOffset);
    data().setBorderColor(dark);
    // The end stop keeps its switch.
    writeQuickGradient(data(), gradientSettings(MenuLevel::Main, MenuState::Normal), base,
                       {true, true, true, std::nullopt});
    // The text of each state is the dark shade of the pick where it reads on everything
    // behind it, else the nearest lightness of its hue that does.
    const QList<StateContrast> checks = checkContrast(data());
    QStringList unreadable;
    for (const MenuState state : {MenuState::Normal, MenuState::Hover, MenuState::Active}) {
        const StateContrast* check = contrastOf(checks, MenuLevel::Main, state);
        const std::optional<Color> readable =
            check ? readableTextColour(dark, backgroundsOf(*check), check->required) : dark;
        data().setValue(fontColorSetting(MenuLevel::Main, state), readable.value_or(dark));
        if (!readable)
            unreadable.append(spokenStateName(state));
    }
    if (!unreadable.isEmpty())
        emit statusMessage(tr("No text colour of this hue reads on the %1 background: choose "
                              "another menu colour, or set the text in the Main Menu mode")
                               .arg(unreadable.join(tr(" and "))));
    sendUpdateDataNotification(QStringLiteral("QuickModeDataUpdated"), m_well);
    emit menuColourApplied();
}

} // namespace brindle
