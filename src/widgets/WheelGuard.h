#pragma once

#include <QObject>

class QWidget;

namespace brindle {

// Keeps the mouse wheel from changing a pop-up choice that the pointer merely passes over
// while the user scrolls a side bar: without the keyboard focus the control hands the wheel
// to its parent (the scrolling side bar); with it, the wheel works as usual.
class WheelGuard : public QObject {
    Q_OBJECT

public:
    // Guards every pop-up (combo box) inside `root`.
    static void guardPopUps(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace brindle
