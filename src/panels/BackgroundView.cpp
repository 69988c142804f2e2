#include "panels/BackgroundView.h"

#include "panels/PanelRanges.h"
#include "platform/NotificationCenter.h"
#include "widgets/ColorPickerImageView.h"
#include "widgets/Stepper.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace brindle {

namespace {

struct StopRow {
    const char* name; // outlet prefix
    const char* label;
    const char* spoken; // the stop inside a spoken name: "Hover background stop 1 colour"
};

constexpr StopRow kStopRows[kGradientStopCount] = {
    {"startBackgroundColor", QT_TRANSLATE_NOOP("brindle::GradientPanel", "Start"),
     QT_TRANSLATE_NOOP("brindle::GradientPanel", "start")},
    {"firstQuarterBackgroundColor", QT_TRANSLATE_NOOP("brindle::GradientPanel", "Stop 1"),
     QT_TRANSLATE_NOOP("brindle::GradientPanel", "stop 1")},
    {"secondQuarterBackgroundColor", QT_TRANSLATE_NOOP("brindle::GradientPanel", "Stop 2"),
     QT_TRANSLATE_NOOP("brindle::GradientPanel", "stop 2")},
    {"thirdQuarterBackgroundColor", QT_TRANSLATE_NOOP("brindle::GradientPanel", "Stop 3"),
     QT_TRANSLATE_NOOP("brindle::GradientPanel", "stop 3")},
    {"endBackgroundColor", QT_TRANSLATE_NOOP("brindle::GradientPanel", "End"),
     QT_TRANSLATE_NOOP("brindle::GradientPanel", "end")},
};

constexpr int kEndStop = kGradientStopCount - 1;

} // namespace

GradientPanel::GradientPanel(MenuLevel level, MenuState state, GlobalData& data,
                             NotificationCenter& center, QWidget* parent)
    : StylePanel(tr("Background"), data, center, parent), m_level(level), m_state(state) {
    const GradientSettings settings = gradientSettings(level, state);
    const QString notification = backgroundNotification(level, state);
    setSubject(spokenSubject(level, state, SpokenNoun::Background));

    addLabel(tr("Colour"), 0, 2);
    addLabel(tr("Position"), 0, 3);
    for (int stop = 0; stop < kGradientStopCount; ++stop) {
        const QString name = QLatin1String(kStopRows[stop].name);
        const GradientStopSettings& stopSettings = settings.stops[static_cast<size_t>(stop)];
        const int row = stop + 1;
        QLabel* label = addLabel(tr(kStopRows[stop].label), row, 1);
        const QString spoken = tr(kStopRows[stop].spoken);
        ColorPickerImageView* well = makeWell(name + QStringLiteral("Image"));
        describe(well, tr("%1 colour").arg(spoken), label);
        form()->addWidget(well, row, 2);
        m_wells[static_cast<size_t>(stop)] = well;

        // In reload order: box, position, then the well.
        std::vector<QWidget*> components{well};
        if (stopSettings.enable) {
            auto* box = new QCheckBox(this);
            box->setObjectName(name + QStringLiteral("CheckBox"));
            form()->addWidget(box, row, 0);
            // The row's label names the switch; the well keeps its own name.
            describe(box, spoken, label);
            m_checkBoxes[static_cast<size_t>(stop)] = box;
            if (stopSettings.position) {
                auto* pair = makePair(name, FieldStepperPair::Kind::Integer, ranges::kStopPosition);
                pair->installFormatter();
                placePair(pair, row, 3, tr("%"));
                describe(pair, tr("%1 position").arg(spoken));
                m_positions[static_cast<size_t>(stop)] = pair;
                components.push_back(pair->textField());
                components.push_back(pair->stepper());
            } else {
                label->setObjectName(name + QStringLiteral("Label"));
                m_endLabel = label;
                components.push_back(label);
            }
            bindCheckBox(box, *stopSettings.enable, notification, components);
        }
        if (m_positions[static_cast<size_t>(stop)] != nullptr)
            bindPair(m_positions[static_cast<size_t>(stop)], *stopSettings.position, notification);
        bindWell(well, stopSettings.color, notification);
    }
    if (settings.transparency) {
        const int row = kGradientStopCount + 1;
        QLabel* label = addLabel(tr("Opacity"), row, 1, 2);
        m_transparency = makePair(QStringLiteral("colorTransparency"),
                                  FieldStepperPair::Kind::Integer, ranges::kTransparency);
        describe(m_transparency, tr("opacity"), label);
        placePair(m_transparency, row, 3, tr("%"));
        bindPair(m_transparency, *settings.transparency, notification);
    }
    form()->setColumnStretch(3, 1);
}

ColorPickerImageView* GradientPanel::stopColorImage(int stop) const {
    return m_wells.at(static_cast<size_t>(stop));
}

QCheckBox* GradientPanel::stopCheckBox(int stop) const {
    return m_checkBoxes.at(static_cast<size_t>(stop));
}

FieldStepperPair* GradientPanel::stopPositionPair(int stop) const {
    return m_positions.at(static_cast<size_t>(stop));
}

#define BRINDLE_GRADIENT_PANEL_CONSTRUCTORS(ClassName, Level, State)                               \
    ClassName::ClassName(QWidget* parent)                                                          \
        : ClassName(GlobalData::sharedData(), NotificationCenter::defaultCenter(), parent) {}      \
    ClassName::ClassName(GlobalData& data, NotificationCenter& center, QWidget* parent)            \
        : GradientPanel(MenuLevel::Level, MenuState::State, data, center, parent) {}

BRINDLE_GRADIENT_PANEL_CONSTRUCTORS(BackgroundView, Main, Normal)
BRINDLE_GRADIENT_PANEL_CONSTRUCTORS(BackgroundHoverView, Main, Hover)
BRINDLE_GRADIENT_PANEL_CONSTRUCTORS(BackgroundActiveView, Main, Active)
BRINDLE_GRADIENT_PANEL_CONSTRUCTORS(SubMenuBackgroundView, SubMenu, Normal)
BRINDLE_GRADIENT_PANEL_CONSTRUCTORS(SubMenuBackgroundHoverView, SubMenu, Hover)
BRINDLE_GRADIENT_PANEL_CONSTRUCTORS(SubMenuBackgroundActiveView, SubMenu, Active)

#undef BRINDLE_GRADIENT_PANEL_CONSTRUCTORS

} // namespace brindle
