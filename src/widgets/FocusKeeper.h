#pragma once

#include <QPointer>
#include <QWidget>

namespace brindle {

// Keeps the keyboard focus inside an area while it swaps the widgets it shows. Made before
// the swap: if the focus is inside the area, it is parked on the area itself, so that hiding
// the focused field does not send it on along the focus chain (into the preview or the
// source view). Gone after the swap: the parked focus moves to the first field the area now
// shows. Focus elsewhere in the window is left alone.
class FocusKeeper {
public:
    explicit FocusKeeper(QWidget* area);
    ~FocusKeeper();
    FocusKeeper(const FocusKeeper&) = delete;
    FocusKeeper& operator=(const FocusKeeper&) = delete;

private:
    QPointer<QWidget> m_area;
    bool m_parked = false;
};

} // namespace brindle
