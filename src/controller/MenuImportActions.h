#pragma once

#include <QObject>

class QAction;

namespace brindle {

class MenuStructureView;
class ProjectActions;

// File → Import Menu…: the menu of a site's page, sitemap or outline takes the place of the
// current menu as one edit (undo brings the old one back); the style stays. What could not be
// taken is told once.
class MenuImportActions : public QObject {
    Q_OBJECT

public:
    MenuImportActions(MenuStructureView* editor, ProjectActions* actions, QObject* parent);

    QAction* importAction() const { return m_import; }
    // Asks for the file, then imports it.
    void chooseAndImport();
    // False when the file was refused; the reason is shown.
    bool importFrom(const QString& path);

signals:
    void statusMessage(const QString& message);

private:
    MenuStructureView* m_editor;
    ProjectActions* m_actions;
    QAction* m_import;
};

} // namespace brindle
