#pragma once

#include "panels/GradientSettings.h"
#include "panels/StylePanel.h"

class QComboBox;

namespace brindle {

// "Main Menu Text": the font family (one pop-up item per entry of the store's font list),
// the font size and the normal text colour.
class TextView : public StylePanel {
    Q_OBJECT

public:
    explicit TextView(QWidget* parent = nullptr);
    TextView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);

    // Selects `family`, or shows it as the design's own, last.
    void showFontFamily(const QString& family);
    // The position of the first list entry equal to family (letter case counts), or -1.
    int getFontFamilyIndex(const QString& family) const;
    QComboBox* fontFamilyPopUpButton() const { return m_fontFamilyPopUpButton; }

    // The pop-up's action: stores the chosen entry's text and posts.
    void updateFontFamilyPopUpButtonValue();

private:
    QStringList m_fontFamilies; // read once: the list is fixed for the run
    QComboBox* m_fontFamilyPopUpButton;
};

// A panel with one text-colour well.
class TextColorPanel : public StylePanel {
    Q_OBJECT

public:
    ColorPickerImageView* textColorImage() const { return m_textColorImage; }

protected:
    // The colour of that level and state, posting that level's and state's notification.
    TextColorPanel(const QString& title, MenuLevel level, MenuState state, GlobalData& data,
                   NotificationCenter& center, QWidget* parent);

private:
    ColorPickerImageView* m_textColorImage;
};

class TextHoverView : public TextColorPanel {
    Q_OBJECT

public:
    explicit TextHoverView(QWidget* parent = nullptr);
    TextHoverView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

class TextActiveView : public TextColorPanel {
    Q_OBJECT

public:
    explicit TextActiveView(QWidget* parent = nullptr);
    TextActiveView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

class SubMenuTextView : public TextColorPanel {
    Q_OBJECT

public:
    explicit SubMenuTextView(QWidget* parent = nullptr);
    SubMenuTextView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

class SubMenuTextHoverView : public TextColorPanel {
    Q_OBJECT

public:
    explicit SubMenuTextHoverView(QWidget* parent = nullptr);
    SubMenuTextHoverView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

class SubMenuTextActiveView : public TextColorPanel {
    Q_OBJECT

public:
    explicit SubMenuTextActiveView(QWidget* parent = nullptr);
    SubMenuTextActiveView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

// "Separator": whether lines are drawn between the main-menu items ("Show" or "Hide").
class SeparatorView : public StylePanel {
    Q_OBJECT

public:
    explicit SeparatorView(QWidget* parent = nullptr);
    SeparatorView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);

    QComboBox* showSeparatorComboBox() const { return m_showSeparatorComboBox; }
    // The combo box's action.
    void updateShowSeparatorComboBoxValue();

private:
    QComboBox* m_showSeparatorComboBox;
};

} // namespace brindle
