#pragma once

#include "history/DesignHistory.h"
#include "history/RecoveryFile.h"

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

// The one design the window edits: its file (none for an untitled design), its undo history,
// whose clean state is the window's modified mark, and the recovery copy of unsaved work.
// Nothing that replaces the design or closes the window loses changes without asking.
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
    QAction* saveAction() const { return m_save; }
    QAction* saveAsAction() const { return m_saveAs; }
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }

    // Runs `proceed` once unsaved changes are saved or discarded; not at all when the user
    // cancels or the save fails.
    void whenChangesAreSafe(const std::function<void()>& proceed);
    // For the window's close event: true when it may close now. Otherwise the user is asked,
    // and the window is closed again once the changes are safe.
    bool mayClose();

    // Offers the work that a run which ended without saving left behind.
    void offerLeftWork();

public slots:
    void newDocument();
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

private:
    void saveThen(const std::function<void()>& proceed);
    void askForFileThenSave(const std::function<void()>& proceed);
    void setFilePath(const QString& path);
    void updateTitle();
    void restoreLeftWork(const LeftWork& work);

    GlobalData& m_data;
    CSSNavMenu* m_controller;
    ProjectActions* m_actions;
    QWidget* m_window;
    DesignHistory m_history;
    RecoveryFile m_recovery;
    QString m_filePath;
    bool m_closeConfirmed = false;
    QAction* m_new;
    QAction* m_save;
    QAction* m_saveAs;
    QAction* m_undo;
    QAction* m_redo;
};

} // namespace brindle
