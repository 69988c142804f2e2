#pragma once

#include "project/ProjectFile.h"
#include "workspace/Export.h"
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
    bool exportHTMLTo(const QString& path);
    bool exportCSSTo(const QString& path);
    bool exportAllTo(const QString& folder);
    // The menu alone (see buildSnippet()): NAME.html, NAME.css, NAME.js and the pictures.
    // Files of other content under those names are kept: the user is asked whether to
    // replace them, and false returned meanwhile.
    bool exportSnippetTo(const QString& folder, ExistingFiles existing = ExistingFiles::Keep);
    // After an export: its failures in a message, or `done` in the status bar.
    bool reportExport(const ExportResult& result, const QString& folder, const QString& done);

    // Opens the project without recording it anywhere: the design, the texts and the
    // preview change; false (and a message) when the file is refused.
    // With `tellFailure` false a refusal is only returned in `opened`, for the caller to tell.
    bool openDesign(const QString& path, OpenResult* opened = nullptr, bool tellFailure = true);
    // Takes a gallery design (see openGalleryDesign()); a refused one is told.
    bool openGalleryDesign(const QByteArray& bytes, bool keepMenu, OpenResult* opened);
    // After a project was opened: the status bar says so, a window-modal message names the
    // icons left out, and the file becomes the newest recent project.
    void reportOpened(const QString& path, const OpenResult& opened);
    // Asks for a project file name to save under, then calls `chosen` with it.
    void chooseProjectFileToSave(const QString& current,
                                 const std::function<void(const QString&)>& chosen);
    // Asks for a project file to open, then calls `chosen` with it.
    void chooseProjectFileToOpen(const std::function<void(const QString&)>& chosen);
    // A site's page, sitemap or outline to take a menu from.
    void chooseMenuSource(const std::function<void(const QString&)>& chosen);
    void showError(const QString& title, const QString& message);
    void showInformation(const QString& title, const QString& message);
    void showStatus(const QString& message) { emit statusMessage(message); }
    // A design was opened without some of its icons, or with some renamed; `what` names it.
    void showOpenWarnings(const QString& what, const OpenResult& opened);
    // The path a project is saved to: a file name typed without an extension gets
    // ".brindleprj", so that the Open dialog shows the file.
    static QString projectSavePath(const QString& chosen);
    // A file name typed without an extension gets `suffix` (".html" for an exported page).
    static QString withSuffix(const QString& chosen, const QString& suffix);

    // The text of the last failure message shown (empty when none yet).
    const QString& lastErrorMessage() const { return m_lastError; }

public slots:
    void saveProject();
    void exportHTMLFile();
    void exportCSSFile();
    void exportAllFiles();
    void exportSnippet();
    // The snippet's page or stylesheet text onto the clipboard.
    void copySnippetHTML();
    void copySnippetCSS();

signals:
    // A project was saved to, or opened from, this path: the newest recent entry.
    void projectRecorded(const QString& path);
    void projectSaved(const QString& path);
    void statusMessage(const QString& message);

private:
    // Replace / Cancel for a snippet's files that the folder holds already.
    void askToReplace(const QString& folder, const QStringList& files);
    // A dialog in the start folder of its kind, offering the suggested name (if any; a path
    // offers that file).
    QFileDialog* makeDialog(const QString& title, StartFolder::Kind kind,
                            const QString& suggestedName, QFileDialog::AcceptMode acceptMode,
                            QFileDialog::FileMode fileMode, const QString& filter);

    GlobalData& m_data;
    CSSNavMenu* m_controller;
    QWidget* m_window;
    QString m_lastError;
};

} // namespace brindle
