#include "model/SettingGroups.h"

namespace brindle {

namespace {

Setting settingNamed(const QString& name) {
    const int index = settingIndexOfName(name);
    // The names come from fixed tables; a miss is a programming error caught by the tests.
    if (index < 0)
        qFatal("no setting named %s", qPrintable(name));
    return static_cast<Setting>(index);
}

} // namespace

QString stateSuffix(MenuState state) {
    switch (state) {
    case MenuState::Normal:
        return {};
    case MenuState::Hover:
        return QStringLiteral("Hover");
    case MenuState::Active:
        return QStringLiteral("Active");
    }
    return {};
}

Setting settingFor(const char* mainNormalName, MenuLevel level, MenuState state) {
    QString name = QLatin1String(mainNormalName);
    if (level == MenuLevel::SubMenu) {
        name[0] = name[0].toUpper();
        name.prepend(QStringLiteral("subMenu"));
    }
    return settingNamed(name + stateSuffix(state));
}

GradientSettings gradientSettings(MenuLevel level, MenuState state) {
    auto s = [level, state](const char* name) { return settingFor(name, level, state); };
    GradientSettings g{
        {{
            {s("startBackgroundColor"), std::nullopt, std::nullopt},
            {s("firstQuarterBackgroundColor"), s("enableFirstQuarterBackgroundColor"),
             s("firstQuarterBackgroundColorPos")},
            {s("secondQuarterBackgroundColor"), s("enableSecondQuarterBackgroundColor"),
             s("secondQuarterBackgroundColorPos")},
            {s("thirdQuarterBackgroundColor"), s("enableThirdQuarterBackgroundColor"),
             s("thirdQuarterBackgroundColorPos")},
            {s("endBackgroundColor"), s("enableEndBackgroundColor"), std::nullopt},
        }},
        std::nullopt};
    if (state != MenuState::Normal)
        g.transparency = s("colorTransparency");
    return g;
}

Setting fontColorSetting(MenuLevel level, MenuState state) {
    const QString prefix =
        level == MenuLevel::Main ? QStringLiteral("mainMenu") : QStringLiteral("subMenu");
    return settingNamed(prefix + QStringLiteral("fontColor") + stateSuffix(state));
}

} // namespace brindle
