#include "PanelTestSupport.h"

#include "panels/StylePanel.h"
#include "widgets/Stepper.h"

#include <QLineEdit>
#include <QTest>

namespace brindle {

namespace {

// Written out by hand: every name a style panel or a lock may post.
const QStringList kPostedNames = {
    QStringLiteral("BorderRadiusDataUpdated"),
    QStringLiteral("BorderSizeDataUpdated"),
    QStringLiteral("BorderColorDataUpdated"),
    QStringLiteral("WidthDataUpdated"),
    QStringLiteral("PaddingDataUpdated"),
    QStringLiteral("SubMenuBorderRadiusDataUpdated"),
    QStringLiteral("SubMenuBorderSizeDataUpdated"),
    QStringLiteral("SubMenuBorderColorDataUpdated"),
    QStringLiteral("SubMenuWidthDataUpdated"),
    QStringLiteral("ShowSeparatorDataUpdated"),
    QStringLiteral("MainMenuFontFamilyDataUpdated"),
    QStringLiteral("MainMenuFontSizeDataUpdated"),
    QStringLiteral("MainMenuFontColorDataUpdated"),
    QStringLiteral("MainMenuFontColorHoverDataUpdated"),
    QStringLiteral("MainMenuFontColorActiveDataUpdated"),
    QStringLiteral("SubMenuFontColorDataUpdated"),
    QStringLiteral("SubMenuFontColorHoverDataUpdated"),
    QStringLiteral("SubMenuFontColorActiveDataUpdated"),
    QStringLiteral("TextShadow1DataUpdated"),
    QStringLiteral("TextShadow2DataUpdated"),
    QStringLiteral("DropAndInnerShadowDataUpdated"),
    QStringLiteral("BackgroundColorDataUpdated"),
    QStringLiteral("SubMenuBackgroundColorDataUpdated"),
    QStringLiteral("BackgroundColorHoverDataUpdated"),
    QStringLiteral("SubMenuBackgroundColorHoverDataUpdated"),
    QStringLiteral("BackgroundColorActiveDataUpdated"),
    QStringLiteral("SubMenuBackgroundColorActiveDataUpdated"),
    QStringLiteral("QuickModeBackgroundNormalDataUpdated"),
    QStringLiteral("QuickModeSubMenuBackgroundNormalDataUpdated"),
    QStringLiteral("QuickModeBackgroundHoverDataUpdated"),
    QStringLiteral("QuickModeSubMenuBackgroundHoverDataUpdated"),
    QStringLiteral("QuickModeBackgroundActiveDataUpdated"),
    QStringLiteral("QuickModeSubMenuBackgroundActiveDataUpdated"),
    QStringLiteral("QuickModeDataUpdated"),
    QStringLiteral("LockStatusChanged"),
};

} // namespace

PostRecorder::PostRecorder(NotificationCenter& center) : m_center(center) {
    for (const QString& name : kPostedNames) {
        m_center.addObserver(this, name, nullptr,
                             [this](const Notification& n) { m_posts.push_back(n); });
    }
}

PostRecorder::~PostRecorder() {
    m_center.removeObserver(this);
}

QStringList PostRecorder::names() const {
    QStringList names;
    for (const Notification& n : m_posts)
        names << n.name;
    return names;
}

QList<const void*> PostRecorder::senders() const {
    QList<const void*> senders;
    for (const Notification& n : m_posts)
        senders << n.sender;
    return senders;
}

QList<QVariantMap> PostRecorder::userInfos() const {
    QList<QVariantMap> infos;
    for (const Notification& n : m_posts)
        infos << n.userInfo;
    return infos;
}

void PostRecorder::clear() {
    m_posts.clear();
}

int countColorChanged(NotificationCenter& center, const void* well,
                      const std::function<void()>& action) {
    int count = 0;
    const int observer = 0;
    center.addObserver(&observer, QStringLiteral("ColorChanged"), well,
                       [&count](const Notification&) { ++count; });
    action();
    center.removeObserver(&observer);
    return count;
}

PanelFixture::PanelFixture() : host(std::make_unique<QWidget>()) {
    host->resize(300, 600);
    panels = createStylePanels(host.get(), data, center);
    host->show();
}

PanelFixture::~PanelFixture() = default;

StylePanel* PanelFixture::panel(const QString& outletName) const {
    return panels.panelNamed(outletName);
}

void typeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

void clickStepper(Stepper* stepper, bool up) {
    const int y = up ? 3 : stepper->height() - 4;
    QTest::mouseClick(stepper, Qt::LeftButton, {}, QPoint(stepper->width() / 2, y));
}

std::vector<SettingValue> snapshot(const GlobalData& data) {
    std::vector<SettingValue> values;
    for (int i = 0; i < kSettingCount; ++i)
        values.push_back(data.value(static_cast<Setting>(i)));
    return values;
}

QStringList changedSettings(const std::vector<SettingValue>& before, const GlobalData& after) {
    QStringList changed;
    for (int i = 0; i < kSettingCount; ++i) {
        if (before[static_cast<size_t>(i)] != after.value(static_cast<Setting>(i)))
            changed << QLatin1String(settingInfo(static_cast<Setting>(i)).name);
    }
    return changed;
}

} // namespace brindle
