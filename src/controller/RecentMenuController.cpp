#include "controller/RecentMenuController.h"

#include "controller/ProjectActions.h"
#include "model/GlobalData.h"
#include "platform/Log.h"
#include "project/RecentProjects.h"
#include "widgets/RecentProjectsMenu.h"

#include <QMessageBox>

namespace brindle {

RecentMenuController::RecentMenuController(GlobalData& data, ProjectActions* actions,
                                           QMenu* submenu, QWidget* window)
    : QObject(window), m_data(data), m_actions(actions),
      m_menu(new RecentProjectsMenu(submenu, this)), m_window(window) {
    connect(m_actions, &ProjectActions::projectRecorded, this,
            &RecentMenuController::addItemToRecentList);
    connect(m_menu, &RecentProjectsMenu::projectChosen, this, &RecentMenuController::projectChosen);
    connect(m_menu, &RecentProjectsMenu::entryUnavailable, this,
            &RecentMenuController::entryUnavailable);
    loadRecentList();
}

void RecentMenuController::addItemToRecentList(const QString& path) {
    RecentProjects(m_data.recentProjectList()).addItemToRecentList(path);
    keepList();
}

void RecentMenuController::keepList() {
    loadRecentList();
    // Kept at once, not only at a clean quit: a run that crashes later still has its files
    // in the list at the next start.
    if (!RecentProjects::writeUserDefaults(m_data.recentProjectList()))
        qCWarning(lcBrindle) << "the recent projects could not be written to the settings";
}

void RecentMenuController::loadRecentList() {
    m_menu->rebuild(RecentProjects(m_data.recentProjectList()).loadRecentList());
}

void RecentMenuController::entryUnavailable(const QByteArray& bookmark, const QString& title) {
    RecentProjects(m_data.recentProjectList()).removeBookmark(bookmark);
    keepList();
    auto* box = new QMessageBox(QMessageBox::Warning, tr("Project Not Found"),
                                tr("The project “%1” can no longer be found. It was moved or "
                                   "deleted, and has been removed from the recent projects.")
                                    .arg(title),
                                QMessageBox::Ok, m_window);
    box->setObjectName(QStringLiteral("recentProjectMissing"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

} // namespace brindle
