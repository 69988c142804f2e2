#pragma once

#include <QWidget>

namespace brindle {

class NotificationCenter;

// A padlock toggle. A click (or Space while it has the keyboard focus) flips isLock, swaps the
// picture, emits lockChanged() and posts "LockStatusChanged" with the new state under "Lock".
// Pictures come from
// ":/images/lock.png" and ":/images/unlock.png" (register them with initResources()).
class LockImageView : public QWidget {
    Q_OBJECT

public:
    explicit LockImageView(QWidget* parent = nullptr);
    LockImageView(NotificationCenter& center, QWidget* parent = nullptr);

    bool isLock() const { return m_isLock; }
    // Shows the state without announcing it (a reload from the store).
    void setIsLock(bool isLock);
    // The picture currently shown: true for the closed padlock.
    bool showsLockedImage() const { return m_isLock; }

    void sendMessage(bool isLock);
    // The undo step of opening the padlock; closing it is named by the accessible name.
    void setUnlockStepName(const QString& name) { m_unlockStepName = name; }
    const QString& unlockStepName() const { return m_unlockStepName; }
    // What a click does: flips the state and announces it.
    void toggle();

    QSize sizeHint() const override;

signals:
    // The user clicked the padlock; isLock is the new state.
    void lockChanged(bool isLock);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    NotificationCenter& m_center;
    bool m_isLock = true;
    QString m_unlockStepName;
};

} // namespace brindle
