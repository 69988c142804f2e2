#pragma once

#include "model/Contrast.h"

#include <QLabel>

namespace brindle {

// Beside a text colour well: the worst contrast of that text with what it is drawn on, as
// "4.8 : 1"; marked, and explained in its tooltip and accessible description, when it is
// below what text of this size needs.
class ContrastBadge : public QLabel {
    Q_OBJECT

public:
    ContrastBadge(MenuLevel level, MenuState state, QWidget* parent = nullptr);

    MenuLevel level() const { return m_level; }
    MenuState state() const { return m_state; }
    // Shows the entry of `checks` for this badge's level and state.
    void showContrast(const QList<StateContrast>& checks);
    // The sentence that explains a check, for the badge and the Check Contrast window.
    static QString explanation(const StateContrast& check);

private:
    MenuLevel m_level;
    MenuState m_state;
};

} // namespace brindle
