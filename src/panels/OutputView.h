#pragma once

#include "model/OutputOptions.h"
#include "panels/StylePanel.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace brindle {

// "Output": which style the page is written in (Classic or Modern) and, for Modern, the
// name of the navigation landmark, the width below which the phone layout applies and the
// class name every class and id of the page derives from, and which way the menu reads.
// Each change stores the options and posts "OutputOptionsDataUpdated".
class OutputView : public StylePanel {
    Q_OBJECT

public:
    explicit OutputView(QWidget* parent = nullptr);
    OutputView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
    ~OutputView() override;

    QComboBox* styleComboBox() const { return m_styleComboBox; }
    QLineEdit* navLabelField() const { return m_navLabelField; }
    QSpinBox* breakpointField() const { return m_breakpointField; }
    QLineEdit* classNameField() const { return m_classNameField; }
    QComboBox* directionComboBox() const { return m_directionComboBox; }
    // Says that Classic shows two levels, while the style is Classic and the menu has three.
    QLabel* levelNote() const { return m_levelNote; }

    // The controls' actions: store what they show and post, when it changed.
    void updateOutputOptions();

signals:
    // A typed value that was not taken, and why.
    void statusMessage(const QString& message);

private:
    void showModernControls(bool modern);
    void showLevelNote();

    QComboBox* m_styleComboBox;
    QLineEdit* m_navLabelField;
    QSpinBox* m_breakpointField;
    QLineEdit* m_classNameField;
    QComboBox* m_directionComboBox;
    QLabel* m_levelNote;
};

// "Current page": how a Modern menu shows the item of the page being shown — in the bar (with
// the bar's item above a current sub-item), or in the drop-downs: as a pressed item, as a
// hovered one, or as every other item. Each change stores the options and posts
// "OutputOptionsDataUpdated"; it follows the output style that the Output panel sets.
class CurrentPageView : public StylePanel {
    Q_OBJECT

public:
    enum class Level { Bar, DropDowns };
    CurrentPageView(Level level, GlobalData& data, NotificationCenter& center,
                    QWidget* parent = nullptr);
    ~CurrentPageView() override;

    QComboBox* lookComboBox() const { return m_lookComboBox; }
    // The combo box's action.
    void updateLook();

private:
    CurrentPageLook& look(OutputOptions& options) const;

    Level m_level;
    QComboBox* m_lookComboBox;
};

} // namespace brindle
