#include "panels/ContrastBadge.h"

namespace brindle {

ContrastBadge::ContrastBadge(MenuLevel level, MenuState state, QWidget* parent)
    : QLabel(parent), m_level(level), m_state(state) {
    setObjectName(QStringLiteral("contrastBadge"));
    setAccessibleName(tr("Text contrast"));
    setTextInteractionFlags(Qt::NoTextInteraction);
}

QString ContrastBadge::explanation(const StateContrast& check) {
    if (check.pairs.isEmpty())
        return {};
    const ContrastPair& worst = check.pairs.first();
    QString text = tr("The text's contrast is %1 at worst, against the %2.")
                       .arg(contrastText(worst.ratio), worst.place);
    if (!check.passes())
        text += u' ' + tr("That is below %1 for text of this size, hard to read for many "
                          "visitors; 3 : 1 applies from 24 px, or 18.66 px bold.")
                           .arg(contrastText(check.required));
    return text;
}

void ContrastBadge::showContrast(const QList<StateContrast>& checks) {
    for (const StateContrast& check : checks) {
        if (check.level != m_level || check.state != m_state)
            continue;
        const QString ratio = contrastText(check.worst());
        // Marked by a sign as well as a colour: the colour alone says nothing to everyone.
        setText(check.passes() ? ratio : QStringLiteral("⚠ ") + ratio);
        // Checked at every edit of the design: a style sheet set again, even the same one,
        // polishes the badge anew.
        const QString sheet = check.passes() ? QString() : QStringLiteral("color: #b00020;");
        if (sheet != styleSheet())
            setStyleSheet(sheet);
        const QString why = explanation(check);
        if (why != toolTip()) {
            setToolTip(why);
            setAccessibleDescription(why);
        }
    }
}

} // namespace brindle
