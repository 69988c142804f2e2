#pragma once

#include <QFileDialog>
#include <QObject>
#include <QString>

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

    // The path a project is saved to: a file name typed without an extension gets
    // ".brindleprj", so that the Open dialog shows the file.
    static QString projectSavePath(const QString& chosen);

    // The text of the last failure message shown (empty when none yet).
    const QString& lastErrorMessage() const { return m_lastError; }

public slots:
    void saveProject();
    void openProject();
    void exportHTMLFile();
    void exportCSSFile();
    void exportAllFiles();

signals:
    // A project was saved to, or opened from, this path: the newest recent entry.
    void projectRecorded(const QString& path);
    // A project replaced the design: panels and the editor reload from the store.
    void projectOpened();
    void statusMessage(const QString& message);

private:
    void showError(const QString& title, const QString& message);
    QString documentsFolder() const;
    QFileDialog* makeDialog(const QString& title, const QString& start,
                            QFileDialog::AcceptMode acceptMode, QFileDialog::FileMode fileMode,
                            const QString& filter);

    GlobalData& m_data;
    CSSNavMenu* m_controller;
    QWidget* m_window;
    QString m_lastError;
};

} // namespace brindle
