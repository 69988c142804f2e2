#pragma once

#include <QList>
#include <QString>

class QWebEngineView;

namespace brindle {

// One thing a visitor would meet that a finished menu must not have.
struct MenuFinding {
    int width = 0; // of the window, in CSS px
    QString state; // "normal", "hover", …; empty for what holds in every state
    QString text;  // what is wrong, with the figures
};

struct MenuCheckReport {
    QString error; // the folder could not be checked at all; nothing else is filled in
    QList<MenuFinding> findings;
    int titles = 0;   // title × state × width pairs measured
    int graphics = 0; // icons, arrows and toggles measured
    bool passes() const { return error.isEmpty() && findings.isEmpty(); }
};

// Measures an exported Modern menu as visitors see it, in the web engine at each width: every
// title's contrast in every state (4.5 : 1, 3 : 1 from 24 px), icons, arrows and the phone
// toggle against what they are drawn on (3 : 1), icons centred on their title's line (1 px),
// and at phone widths the titles of each level starting at one x, sub-items further in.
class MenuChecker {
public:
    // `view` is shown (an offscreen platform will do): its pixels are read.
    explicit MenuChecker(QWebEngineView& view) : m_view(view) {}

    static QList<int> defaultWidths() { return {1280, 768, 375}; }
    MenuCheckReport check(const QString& folder, const QList<int>& widths = defaultWidths());

private:
    QWebEngineView& m_view;
};

} // namespace brindle
