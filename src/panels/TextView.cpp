#include "panels/TextView.h"

#include "panels/ContrastBadge.h"
#include "panels/GradientSettings.h"
#include "panels/PanelRanges.h"
#include "platform/NotificationCenter.h"
#include "widgets/ColorPickerImageView.h"

#include <QComboBox>
#include <QGridLayout>

namespace brindle {

namespace {

QComboBox* makeComboBox(const QString& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setFont(panelLabelFont(box->font()));
    // Long font stacks must not widen the side bar; the list shows them whole.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(8);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return box;
}

} // namespace

TextView::TextView(QWidget* parent)
    : TextView(GlobalData::sharedData(), NotificationCenter::defaultCenter(), parent) {}

TextView::TextView(GlobalData& data, NotificationCenter& center, QWidget* parent)
    : StylePanel(tr("Main Menu Text"), data, center, parent),
      m_fontFamilies(data.fontFamilyArray()),
      m_fontFamilyPopUpButton(makeComboBox(QStringLiteral("fontFamilyPopUpButton"), this)) {
    auto* colour = makeWell(QStringLiteral("textColorImage"));
    auto* size =
        makePair(QStringLiteral("fontSize"), FieldStepperPair::Kind::Integer, ranges::kFontSize);
    size->installFormatter();
    m_fontFamilyPopUpButton->addItems(m_fontFamilies);
    for (int i = 0; i < m_fontFamilies.size(); ++i)
        m_fontFamilyPopUpButton->setItemData(i, m_fontFamilies.at(i), Qt::ToolTipRole);

    describe(m_fontFamilyPopUpButton, tr("font"), addLabel(tr("Font"), 0, 0));
    form()->addWidget(m_fontFamilyPopUpButton, 0, 1, 1, 4);
    describe(size, tr("size"), addLabel(tr("Size"), 1, 0));
    placePair(size, 1, 1, tr("px"));
    describe(colour, tr("colour"), addLabel(tr("Colour"), 2, 0));
    form()->addWidget(colour, 2, 1);
    form()->addWidget(new ContrastBadge(MenuLevel::Main, MenuState::Normal, this), 2, 2, 1, 3);
    form()->setColumnStretch(4, 1);

    // Reload order: family, size, colour.
    addReloader([this] { showFontFamily(this->data().mainMenufontFamily()); });
    bindPair(size, Setting::mainMenufontSize, QStringLiteral("MainMenuFontSizeDataUpdated"));
    bindWell(colour, Setting::mainMenufontColor, QStringLiteral("MainMenuFontColorDataUpdated"));
    connect(m_fontFamilyPopUpButton, &QComboBox::activated, this,
            &TextView::updateFontFamilyPopUpButtonValue);
}

int TextView::getFontFamilyIndex(const QString& family) const {
    return static_cast<int>(m_fontFamilies.indexOf(family));
}

void TextView::showFontFamily(const QString& family) {
    // A design's own font (a gallery design, an opened file) that is not among the choices is
    // shown as one more, last, so the box never stands empty.
    const int known = getFontFamilyIndex(family);
    const int choices = static_cast<int>(m_fontFamilies.size());
    if (known >= 0) {
        if (m_fontFamilyPopUpButton->count() > choices)
            m_fontFamilyPopUpButton->removeItem(choices);
        m_fontFamilyPopUpButton->setCurrentIndex(known);
        return;
    }
    if (m_fontFamilyPopUpButton->count() == choices)
        m_fontFamilyPopUpButton->addItem(family);
    m_fontFamilyPopUpButton->setItemText(choices, family);
    m_fontFamilyPopUpButton->setItemData(choices, family, Qt::ToolTipRole);
    m_fontFamilyPopUpButton->setCurrentIndex(choices);
}

void TextView::updateFontFamilyPopUpButtonValue() {
    const int index = m_fontFamilyPopUpButton->currentIndex();
    if (index < 0 || index >= m_fontFamilies.size())
        return; // the design's own font, as it is
    data().setMainMenufontFamily(m_fontFamilies.at(index));
    sendUpdateDataNotification(QStringLiteral("MainMenuFontFamilyDataUpdated"),
                               m_fontFamilyPopUpButton);
}

TextColorPanel::TextColorPanel(const QString& title, MenuLevel level, MenuState state,
                               GlobalData& data, NotificationCenter& center, QWidget* parent)
    : StylePanel(title, data, center, parent),
      m_textColorImage(makeWell(QStringLiteral("textColorImage"))) {
    const Setting colour = fontColorSetting(level, state);
    const QString notification = fontColorNotification(level, state);
    setSubject(spokenSubject(level, state, SpokenNoun::Text));
    describe(m_textColorImage, tr("colour"), addLabel(tr("Colour"), 0, 0));
    form()->addWidget(m_textColorImage, 0, 1);
    form()->addWidget(new ContrastBadge(level, state, this), 0, 2);
    form()->setColumnStretch(2, 1);
    bindWell(m_textColorImage, colour, notification);
}

#define BRINDLE_TEXT_COLOR_PANEL(ClassName, Title, Level, State)                                   \
    ClassName::ClassName(QWidget* parent)                                                          \
        : ClassName(GlobalData::sharedData(), NotificationCenter::defaultCenter(), parent) {}      \
    ClassName::ClassName(GlobalData& data, NotificationCenter& center, QWidget* parent)            \
        : TextColorPanel(Title, MenuLevel::Level, MenuState::State, data, center, parent) {}

BRINDLE_TEXT_COLOR_PANEL(TextHoverView, TextView::tr("Main Menu Text"), Main, Hover)
BRINDLE_TEXT_COLOR_PANEL(TextActiveView, TextView::tr("Main Menu Text"), Main, Active)
BRINDLE_TEXT_COLOR_PANEL(SubMenuTextView, TextView::tr("Sub Menu Text"), SubMenu, Normal)
BRINDLE_TEXT_COLOR_PANEL(SubMenuTextHoverView, TextView::tr("Sub Menu Text"), SubMenu, Hover)
BRINDLE_TEXT_COLOR_PANEL(SubMenuTextActiveView, TextView::tr("Sub Menu Text"), SubMenu, Active)

#undef BRINDLE_TEXT_COLOR_PANEL

SeparatorView::SeparatorView(QWidget* parent)
    : SeparatorView(GlobalData::sharedData(), NotificationCenter::defaultCenter(), parent) {}

SeparatorView::SeparatorView(GlobalData& data, NotificationCenter& center, QWidget* parent)
    : StylePanel(tr("Separator"), data, center, parent),
      m_showSeparatorComboBox(makeComboBox(QStringLiteral("showSeparatorComboBox"), this)) {
    m_showSeparatorComboBox->addItems({tr("Show"), tr("Hide")});
    m_showSeparatorComboBox->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    describe(m_showSeparatorComboBox, tr("lines between items"),
             addLabel(tr("Lines between items"), 0, 0));
    form()->addWidget(m_showSeparatorComboBox, 0, 1);
    form()->setColumnStretch(2, 1);
    addReloader(
        [this] { m_showSeparatorComboBox->setCurrentIndex(this->data().showSeparator() ? 0 : 1); });
    connect(m_showSeparatorComboBox, &QComboBox::activated, this,
            &SeparatorView::updateShowSeparatorComboBoxValue);
}

void SeparatorView::updateShowSeparatorComboBoxValue() {
    data().setShowSeparator(m_showSeparatorComboBox->currentIndex() == 0);
    sendUpdateDataNotification(QStringLiteral("ShowSeparatorDataUpdated"), m_showSeparatorComboBox);
}

} // namespace brindle
