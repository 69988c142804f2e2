#pragma once

#include "panels/GradientSettings.h"
#include "panels/StylePanel.h"

#include <array>

class QCheckBox;
class QLabel;

namespace brindle {

// "Background": one five-stop gradient of one menu level and state — a start colour, three
// optional quarter stops with colour and position, an optional end colour, and in the hover
// and active states the colours' opacity. Every control posts the panel's one notification.
class GradientPanel : public StylePanel {
    Q_OBJECT

public:
    MenuLevel level() const { return m_level; }
    MenuState state() const { return m_state; }

    ColorPickerImageView* stopColorImage(int stop) const;
    QCheckBox* stopCheckBox(int stop) const;            // null for the start stop
    FieldStepperPair* stopPositionPair(int stop) const; // null for start and end
    QLabel* endBackgroundColorLabel() const { return m_endLabel; }
    FieldStepperPair* colorTransparencyPair() const { return m_transparency; }

protected:
    GradientPanel(MenuLevel level, MenuState state, GlobalData& data, NotificationCenter& center,
                  QWidget* parent);

private:
    MenuLevel m_level;
    MenuState m_state;
    std::array<ColorPickerImageView*, kGradientStopCount> m_wells{};
    std::array<QCheckBox*, kGradientStopCount> m_checkBoxes{};
    std::array<FieldStepperPair*, kGradientStopCount> m_positions{};
    QLabel* m_endLabel = nullptr;
    FieldStepperPair* m_transparency = nullptr;
};

class BackgroundView : public GradientPanel {
    Q_OBJECT

public:
    explicit BackgroundView(QWidget* parent = nullptr);
    BackgroundView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

class BackgroundHoverView : public GradientPanel {
    Q_OBJECT

public:
    explicit BackgroundHoverView(QWidget* parent = nullptr);
    BackgroundHoverView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

class BackgroundActiveView : public GradientPanel {
    Q_OBJECT

public:
    explicit BackgroundActiveView(QWidget* parent = nullptr);
    BackgroundActiveView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

class SubMenuBackgroundView : public GradientPanel {
    Q_OBJECT

public:
    explicit SubMenuBackgroundView(QWidget* parent = nullptr);
    SubMenuBackgroundView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

class SubMenuBackgroundHoverView : public GradientPanel {
    Q_OBJECT

public:
    explicit SubMenuBackgroundHoverView(QWidget* parent = nullptr);
    SubMenuBackgroundHoverView(GlobalData& data, NotificationCenter& center,
                               QWidget* parent = nullptr);
};

class SubMenuBackgroundActiveView : public GradientPanel {
    Q_OBJECT

public:
    explicit SubMenuBackgroundActiveView(QWidget* parent = nullptr);
    SubMenuBackgroundActiveView(GlobalData& data, NotificationCenter& center,
                                QWidget* parent = nullptr);
};

} // namespace brindle
