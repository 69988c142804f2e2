#pragma once

#include "project/RecentProjects.h"

#include <QMenu>
#include <QObject>
#include <QPointer>

namespace brindle {

// Fills the Open Recent submenu, newest first, and reports the user's choice. A chosen entry
// whose file has gone since the menu was built is reported as unavailable instead.
class RecentProjectsMenu : public QObject {
    Q_OBJECT
public:
    explicit RecentProjectsMenu(QMenu* menu, QObject* parent = nullptr);

    QMenu* menu() const { return m_menu; }
    void rebuild(const QList<RecentProjectEntry>& entries);

signals:
    void projectChosen(const QString& path);
    void entryUnavailable(const QByteArray& bookmark, const QString& title);

private:
    void pressMenu(QAction* action);

    QPointer<QMenu> m_menu;
};

} // namespace brindle
