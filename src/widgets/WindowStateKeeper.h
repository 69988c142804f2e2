#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QSplitter;
class QWidget;

namespace brindle {

// Remembers a window's size and position and its splitters' positions in the user defaults
// (organisation and application "Brindle", group `group`): restored when the keeper is made,
// saved when the window closes.
class WindowStateKeeper : public QObject {
    Q_OBJECT
public:
    WindowStateKeeper(QWidget* window, const QList<QSplitter*>& splitters,
                      const QString& group = QStringLiteral("mainWindow"));

    // Returns false when nothing was stored yet (the window keeps its default size).
    bool restore();
    void save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    QList<QPointer<QSplitter>> m_splitters;
    QString m_group;
};

} // namespace brindle
