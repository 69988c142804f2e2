#include "controller/MenuImportActions.h"

#include "controller/ProjectActions.h"
#include "editor/MenuStructureView.h"
#include "model/Node.h"
#include "project/MenuImport.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace brindle {

MenuImportActions::MenuImportActions(MenuStructureView* editor, ProjectActions* actions,
                                     QObject* parent)
    : QObject(parent), m_editor(editor), m_actions(actions),
      m_import(new QAction(tr("Import &Menu…"), this)) {
    m_import->setObjectName(QStringLiteral("importMenu"));
    m_import->setStatusTip(
        tr("Take the menu of a site's page, sitemap or outline; the style stays"));
    connect(m_import, &QAction::triggered, this, &MenuImportActions::chooseAndImport);
}

void MenuImportActions::chooseAndImport() {
    m_actions->chooseMenuSource([this](const QString& path) { importFrom(path); });
}

bool MenuImportActions::importFrom(const QString& path) {
    const QString name = QDir::toNativeSeparators(QFileInfo(path).fileName());
    const MenuImport imported = importMenuFile(path);
    if (!imported) {
        m_actions->showError(tr("Menu Not Imported"),
                             tr("No menu could be taken from “%1”: %2").arg(name, imported.error));
        return false;
    }
    m_editor->replaceMenu(menuTreeOf(imported.items), tr("Import Menu"));
    emit statusMessage(
        tr("The menu of “%1” was imported; Undo brings the previous one back.").arg(name));
    if (!imported.notTaken.isEmpty())
        m_actions->showInformation(
            tr("Menu Imported"),
            tr("The menu of “%1” was imported. Not all of it could be taken as it was:\n\n%2")
                .arg(name, imported.notTaken.join(QLatin1Char('\n'))));
    return true;
}

} // namespace brindle
