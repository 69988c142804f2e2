#pragma once

#include "history/DesignHistory.h"
#include "history/RecoveryFile.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QCloseEvent;
class QWidget;

namespace brindle {

class CSSNavMenu;
class GlobalData;
class NotificationCenter;
class ProjectActions;

// Where a design that replaces the current one comes from.
struct DesignSource {
    enum class Kind { Default, Project, Recovered, Gallery };
    Kind kind = Kind::Default;
    QString path;          // the project file, or the recovery copy
    QString originalPath;  // a recovered copy's own document (empty: untitled)
    QByteArray design;     // a gallery design's project bytes
    bool keepMenu = false; // a gallery design takes the current menu instead of its sample

    static DesignSource defaultDesign() { return {}; }
    static DesignSource project(const QString& path) { return {Kind::Project, path, {}, {}}; }
    static DesignSource recovered(const LeftWork& work) {
        return {Kind::Recovered, work.projectPath, work.originalPath, {}};
    }
    static DesignSource gallery(const QByteArray& design, bool keepMenu) {
        return {Kind::Gallery, {}, {}, design, keepMenu};
    }
};

// The one design the window edits: its file (none for an untitled design), its undo history,
// whose clean state is the window's modified mark, and the recovery copy of unsaved work.
// Everything that replaces the design — New, Open, Open Recent, a dropped file, Restore —
// runs through it: the field being edited is committed, the pending step closed, the user
// asked Save / Discard / Cancel when there are changes, and a recovery copy is removed only
// once the design it holds is safe.
class Document : public QObject {
    Q_OBJECT

public:
    Document(GlobalData& data, NotificationCenter& center, CSSNavMenu* controller,
             ProjectActions* actions, QWidget* window, const QString& recoveryFolder);
    ~Document() override;

    const QString& filePath() const { return m_filePath; }
    bool isModified() const;
    DesignHistory& history() { return m_history; }
    RecoveryFile& recovery() { return m_recovery; }

    QAction* newAction() const { return m_new; }
    QAction* openAction() const { return m_open; }
    QAction* saveAction() const { return m_save; }
    QAction* saveAsAction() const { return m_saveAs; }
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }
    QAction* recoverAction() const { return m_recover; }

    // Runs `proceed` once unsaved changes are saved or discarded; not at all when the user
    // cancels or the save fails. The field being edited is committed first.
    void whenChangesAreSafe(const std::function<void()>& proceed);
    // For the window's close event: true when it may close now. Otherwise the user is asked,
    // and the window is closed again once the changes are safe.
    bool mayClose();

    // Replaces the design at once, without asking: the file is read (a refused one is told
    // and changes nothing), the history starts again, the panels follow. False when refused.
    // With `refusal` given, a refused file is not told but its reason put there.
    bool replaceNow(const DesignSource& source, QString* refusal = nullptr);
    // Opens a project (Open Recent, a dropped file, the command line) once changes are safe.
    void openProjectFile(const QString& path);
    // Restores left-over work once changes are safe. Its copy goes only after this run's own
    // copy of the restored design has been written and read back.
    void restoreLeftWork(const LeftWork& work);
    // Offers the work that runs which ended without saving left behind, in one list; says so
    // when there is none and `sayWhenNone`. True when there was work to offer.
    bool offerLeftWork(bool sayWhenNone = false);

public slots:
    void newDocument();
    // Starts an untitled design from a gallery design, once changes are safe.
    void newFromDesign(const QByteArray& design, bool keepMenu);
    // Asks for a project to open, once changes are safe.
    void openProject();
    // Writes the current file; asks for one the first time.
    void save();
    void saveAs();

protected:
    // Undo and redo keys belong to a text field only while it holds uncommitted typing.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // Undo or redo changed the design (and the menu when menuChanged): panels and the editor
    // show the store again.
    void designRestored(bool menuChanged);
    // Another design took the place of the current one.
    void designReplaced();

private:
    void saveThen(const std::function<void()>& proceed);
    void askForFileThenSave(const std::function<void()>& proceed);
    // The field's typing becomes a value, and the value a closed undo step.
    void commitEditing();
    void setFilePath(const QString& path);
    void updateTitle();
    // Modified until saved, and kept for recovery meanwhile.
    void markUnsaved();
    void keepRestoredWork(const LeftWork& work);
    void recoveryWriteFailed(const QString& reason);

    GlobalData& m_data;
    CSSNavMenu* m_controller;
    ProjectActions* m_actions;
    QWidget* m_window;
    DesignHistory m_history;
    RecoveryFile m_recovery;
    QString m_filePath;
    bool m_closeConfirmed = false;
    QAction* m_new;
    QAction* m_open;
    QAction* m_save;
    QAction* m_saveAs;
    QAction* m_undo;
    QAction* m_redo;
    QAction* m_recover;
};

} // namespace brindle
