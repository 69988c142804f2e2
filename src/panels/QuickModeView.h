#pragma once

#include "panels/GradientSettings.h"
#include "panels/StylePanel.h"

class QComboBox;

namespace brindle {

class FieldStepperPair;

// "Shape" in quick mode: square, rounded or round corners of the bar.
class QuickModeGeneralView : public StylePanel {
    Q_OBJECT

public:
    explicit QuickModeGeneralView(QWidget* parent = nullptr);
    QuickModeGeneralView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);

    QComboBox* shapeComboBox() const { return m_shapeComboBox; }
    // The combo box's action: radius 0, 15 or 25.
    void updateShapeComboBoxValue();

protected:
    // The title only: the quick side bar fills the quick panels when it lays them out.
    void awake() override {}

private:
    QComboBox* m_shapeComboBox;
};

// "Background (Normal/Hover/Active)" in quick mode: one picked colour per menu level yields
// that level's whole gradient; the text intensity sets the brightness of the text colour;
// hover and active also set the backgrounds' opacity.
class QuickBackgroundPanel : public StylePanel {
    Q_OBJECT

public:
    MenuState state() const { return m_state; }
    // Fills the controls without deriving or posting anything (the guard is held meanwhile).
    void reloadData() override;

protected:
    QuickBackgroundPanel(MenuState state, GlobalData& data, NotificationCenter& center,
                         QWidget* parent);
    // Registers the wells only; the quick side bar calls reloadData().
    void awake() override;

signals:
    void statusMessage(const QString& message);

private:
    void deriveGradient(MenuLevel level, ColorPickerImageView* well);
    void setTextIntensity(MenuLevel level, double intensity, FieldStepperPair* pair);

    MenuState m_state;
};

class QuickModeNormalView : public QuickBackgroundPanel {
    Q_OBJECT

public:
    explicit QuickModeNormalView(QWidget* parent = nullptr);
    QuickModeNormalView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

class QuickModeHoverView : public QuickBackgroundPanel {
    Q_OBJECT

public:
    explicit QuickModeHoverView(QWidget* parent = nullptr);
    QuickModeHoverView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

class QuickModeActiveView : public QuickBackgroundPanel {
    Q_OBJECT

public:
    explicit QuickModeActiveView(QWidget* parent = nullptr);
    QuickModeActiveView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

// One well from which the main menu's text colours, border and normal gradient are derived.
// It has no title.
class QuickModeView : public StylePanel {
    Q_OBJECT

public:
    explicit QuickModeView(QWidget* parent = nullptr);
    QuickModeView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);

    ColorPickerImageView* backgroundColorColorImage() const { return m_well; }
    // Shows the colour the main menu's normal gradient comes from, deriving nothing.
    void reloadData() override;

signals:
    // A pick has rewritten colours that the other quick panels show.
    void menuColourApplied();
    void statusMessage(const QString& message);

protected:
    void awake() override;

private:
    void backgroundColorDidChangeNotification();

    ColorPickerImageView* m_well;
};

} // namespace brindle
