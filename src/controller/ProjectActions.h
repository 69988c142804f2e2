#pragma once

#include "workspace/StartFolder.h"

#include <QFileDialog>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace brindle {

class CSSNavMenu;
class GlobalData;

// The File menu's work: save and open projects, export the page, the stylesheet or
// everything. Dialogs are window-modal and do their work on confirmation; a failure is told
// to the user in a window-modal message and never enters the recent list.
class ProjectActions : public QObject {
    Q_OBJECT

public:
    ProjectActions(GlobalData& data, CSSNavMenu* controller, QWidget* window);

    // The work behind the dialogs; each reports a failure to the user and returns false.
    bool saveProjectToFile(const QString& path);
    bool processOpenProject(const QString& path);
    bool exportHTMLTo(const QString& path);
    bool exportCSSTo(const QString& path);
    bool exportAllTo(const QString& folder);

    // Opens the project without recording it anywhere: the design, the texts and the
    // preview change; false (and a message) when the file is refused.
    bool openDesign(const QString& path, QStringList* warnings = nullptr);
    // Asks for a project file name to save under, then calls `chosen` with it.
    void chooseProjectFileToSave(const QString& current,
                                 const std::function<void(const QString&)>& chosen);
    void showError(const QString& title, const QString& message);

    // Whatever replaces the design first passes through the guard, which runs the
    // replacement once unsaved changes are safe (or never, when the user cancels).
    using ReplaceGuard = std::function<void(const std::function<void()>&)>;
    void setReplaceGuard(ReplaceGuard guard) { m_replaceGuard = std::move(guard); }
    // The path a project is saved to: a file name typed without an extension gets
    // ".brindleprj", so that the Open dialog shows the file.
    static QString projectSavePath(const QString& chosen);

    // The text of the last failure message shown (empty when none yet).
    const QString& lastErrorMessage() const { return m_lastError; }

public slots:
    void saveProject();
    void openProject();
    // A project from the recent list.
    void openRecentProject(const QString& path);
    void exportHTMLFile();
    void exportCSSFile();
    void exportAllFiles();

signals:
    // A project was saved to, or opened from, this path: the newest recent entry.
    void projectRecorded(const QString& path);
    // A project (none: the default design) replaced the design: panels and the editor
    // reload from the store.
    void projectOpened(const QString& path);
    void projectSaved(const QString& path);
    void statusMessage(const QString& message);

private:
    void whenReplaceable(const std::function<void()>& replace);
    void showOpenWarnings(const QString& fileName, const QStringList& warnings);
    // A dialog in the start folder of its kind, offering the suggested name (if any; a path
    // offers that file).
    QFileDialog* makeDialog(const QString& title, StartFolder::Kind kind,
                            const QString& suggestedName, QFileDialog::AcceptMode acceptMode,
                            QFileDialog::FileMode fileMode, const QString& filter);

    GlobalData& m_data;
    CSSNavMenu* m_controller;
    QWidget* m_window;
    QString m_lastError;
    ReplaceGuard m_replaceGuard;
};

} // namespace brindle
