#include "panels/GradientSettings.h"

#include <QCoreApplication>
#include <QStringList>

namespace brindle {

namespace {

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

Setting settingNamed(const QString& name) {
    const int index = settingIndexOfName(name);
    // The names come from fixed tables; a miss is a programming error caught by the tests.
    if (index < 0)
        qFatal("no setting named %s", qPrintable(name));
    return static_cast<Setting>(index);
}

} // namespace

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

QString backgroundNotification(MenuLevel level, MenuState state) {
    const QString prefix = level == MenuLevel::Main ? QString() : QStringLiteral("SubMenu");
    return prefix + QStringLiteral("BackgroundColor") + stateSuffix(state) +
           QStringLiteral("DataUpdated");
}

QString fontColorNotification(MenuLevel level, MenuState state) {
    const QString prefix =
        level == MenuLevel::Main ? QStringLiteral("MainMenu") : QStringLiteral("SubMenu");
    return prefix + QStringLiteral("FontColor") + stateSuffix(state) +
           QStringLiteral("DataUpdated");
}

QString spokenSubject(MenuLevel level, MenuState state, SpokenNoun noun) {
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("GradientSettings", text);
    };
    QStringList words;
    if (level == MenuLevel::SubMenu)
        words << tr("sub-menu");
    else if (noun == SpokenNoun::Text)
        words << tr("main menu");
    if (state == MenuState::Hover)
        words << tr("hover");
    else if (state == MenuState::Active)
        words << tr("active");
    words << (noun == SpokenNoun::Background ? tr("background") : tr("text"));
    QString subject = words.join(QLatin1Char(' '));
    subject[0] = subject.at(0).toUpper();
    return subject;
}

} // namespace brindle
