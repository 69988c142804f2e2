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

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(GradientSettings)
};

QString spokenSubject(MenuLevel level, MenuState state, SpokenNoun noun) {
    QStringList words;
    if (level == MenuLevel::SubMenu)
        words << Texts::tr("sub-menu");
    else if (noun == SpokenNoun::Text)
        words << Texts::tr("main menu");
    if (state == MenuState::Hover)
        words << Texts::tr("hover");
    else if (state == MenuState::Active)
        words << Texts::tr("active");
    words << (noun == SpokenNoun::Background ? Texts::tr("background") : Texts::tr("text"));
    QString subject = words.join(QLatin1Char(' '));
    subject[0] = subject.at(0).toUpper();
    return subject;
}

} // namespace brindle
