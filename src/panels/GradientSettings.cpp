#include "panels/GradientSettings.h"

#include <QCoreApplication>
#include <QStringList>

namespace brindle {

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
