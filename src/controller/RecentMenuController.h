#pragma once

#include <QObject>
#include <QPointer>

class QMenu;
class QWidget;

namespace brindle {

class GlobalData;
class ProjectActions;
class RecentProjectsMenu;

// File → Open Recent: every saved or opened project becomes the newest entry, the submenu
// lists the entries newest first, and choosing one asks for it to be opened. An entry whose file
// has gone is dropped, and the user is told why nothing opened.
class RecentMenuController : public QObject {
    Q_OBJECT
public:
    RecentMenuController(GlobalData& data, ProjectActions* actions, QMenu* submenu,
                         QWidget* window);

    void addItemToRecentList(const QString& path);
    // Rebuilds the submenu from the store's list (dropping entries that no longer resolve).
    void loadRecentList();
    RecentProjectsMenu* menu() const { return m_menu; }

signals:
    // The user chose an entry whose file is there; the document opens it.
    void projectChosen(const QString& path);

private:
    void entryUnavailable(const QByteArray& bookmark, const QString& title);
    // The list changed: the menu shows it and the settings keep it.
    void keepList();

    GlobalData& m_data;
    ProjectActions* m_actions;
    RecentProjectsMenu* m_menu;
    QPointer<QWidget> m_window;
};

} // namespace brindle
