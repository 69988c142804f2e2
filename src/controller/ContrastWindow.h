#pragma once

#include "model/Contrast.h"

#include <QDialog>

class QTreeWidget;

namespace brindle {

// View → Check Contrast: every text colour against everything it is drawn on, worst first,
// then the icons and the arrow, with the place to fix it. It follows every change while it is open.
class ContrastWindow : public QDialog {
    Q_OBJECT

public:
    explicit ContrastWindow(QWidget* parent);
    void showContrast(const QList<StateContrast>& checks, const QList<GraphicContrast>& graphics);
    QTreeWidget* list() const { return m_list; }

    // Where the designer changes a level's and state's text and background colours.
    static QString placeToFix(MenuLevel level, MenuState state);

signals:
    // A row was activated: the designer wants the control that changes its text colour.
    void fixRequested(MenuLevel level, MenuState state);

private:
    QTreeWidget* m_list;
};

} // namespace brindle
