#include "controller/Document.h"

#include "controller/CSSNavMenu.h"
#include "controller/LeftWorkDialog.h"
#include "controller/ProjectActions.h"
#include "controller/RoutingTable.h"
#include "model/GlobalData.h"
#include "project/ProjectFile.h"
#include "widgets/FieldCommit.h"
#include "workspace/LeftBehind.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace brindle {

Document::Document(GlobalData& data, NotificationCenter& center, CSSNavMenu* controller,
                   ProjectActions* actions, QWidget* window, const QString& recoveryFolder)
    : QObject(window), m_data(data), m_controller(controller), m_actions(actions), m_window(window),
      m_history(data, center, isRoutedNotification), m_recovery(data, recoveryFolder) {
    m_new = new QAction(tr("&New"), this);
    m_new->setShortcut(QKeySequence::New);
    connect(m_new, &QAction::triggered, this, &Document::newDocument);
    m_open = new QAction(tr("&Open…"), this);
    m_open->setShortcut(QKeySequence::Open);
    connect(m_open, &QAction::triggered, this, &Document::openProject);
    m_recover = new QAction(tr("Recover &Unsaved Work…"), this);
    m_recover->setObjectName(QStringLiteral("recoverUnsavedWork"));
    connect(m_recover, &QAction::triggered, this, [this] { offerLeftWork(true); });
    m_save = new QAction(tr("&Save"), this);
    m_save->setShortcut(QKeySequence::Save);
    connect(m_save, &QAction::triggered, this, &Document::save);
    m_saveAs = new QAction(tr("Save &As…"), this);
    m_saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(m_saveAs, &QAction::triggered, this, &Document::saveAs);

    QUndoStack& stack = m_history.stack();
    m_undo = new QAction(tr("&Undo"), this);
    m_undo->setShortcut(QKeySequence::Undo);
    m_undo->setEnabled(false);
    connect(m_undo, &QAction::triggered, &m_history, &DesignHistory::undo);
    m_redo = new QAction(tr("&Redo"), this);
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_redo->setEnabled(false);
    connect(m_redo, &QAction::triggered, &m_history, &DesignHistory::redo);
    connect(&stack, &QUndoStack::canUndoChanged, m_undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, m_redo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::undoTextChanged, this, [this](const QString& text) {
        m_undo->setText(text.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(text));
    });
    connect(&stack, &QUndoStack::redoTextChanged, this, [this](const QString& text) {
        m_redo->setText(text.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(text));
    });
    connect(&stack, &QUndoStack::cleanChanged, this, &Document::updateTitle);
    connect(&stack, &QUndoStack::indexChanged, this,
            [this] { m_recovery.documentChanged(isModified()); });
    connect(&m_history, &DesignHistory::designRestored, this, &Document::designRestored);
    connect(m_controller, &CSSNavMenu::previewFolderCreated, this,
            [this] { m_history.setIconFolder(m_controller->previewFolder()->folderPath()); });
    connect(&m_history, &DesignHistory::iconFilesNotRestored, this, [this](const QString& lines) {
        m_actions->showError(tr("Icons Not Restored"),
                             tr("The preview and exports may show other pictures for these "
                                "icons:\n%1")
                                 .arg(lines));
    });

    connect(m_actions, &ProjectActions::projectSaved, this, [this](const QString& path) {
        // What the file holds is the design up to the last change: the clean point goes
        // after every step.
        m_history.commitPending();
        m_history.stack().setClean();
        m_recovery.discard();
        setFilePath(path);
    });
    connect(&m_recovery, &RecoveryFile::writeFailed, this, &Document::recoveryWriteFailed);
    connect(&m_recovery, &RecoveryFile::writeRecovered, m_actions,
            [this] { m_actions->showStatus(tr("Unsaved work is kept for recovery again.")); });
    updateTitle();
    qApp->installEventFilter(this);
}

Document::~Document() {
    // The history's stack outlives the recovery file and reports its clearing: nothing of
    // this document may hear it.
    disconnect(&m_history.stack(), nullptr, this, nullptr);
    qApp->removeEventFilter(this);
}

bool Document::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
        return false;
    QWidget* field = editingFieldOf(static_cast<QWidget*>(watched));
    const bool isField =
        qobject_cast<QLineEdit*>(field) != nullptr || qobject_cast<QAbstractSpinBox*>(field);
    if (!isField || field->window() != m_window || hasUncommittedTyping(field))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeyCombination pressed = key->keyCombination();
    const auto isOneOf = [pressed](const QAction* action) {
        return action->isEnabled() && action->shortcuts().contains(QKeySequence(pressed));
    };
    if (!isOneOf(m_undo) && !isOneOf(m_redo))
        return false;
    // Not taken by the field: the shortcut reaches the design's undo or redo.
    event->ignore();
    return true;
}

bool Document::isModified() const {
    return !const_cast<DesignHistory&>(m_history).stack().isClean();
}

void Document::setFilePath(const QString& path) {
    m_filePath = path;
    m_data.setDocumentName(path.isEmpty() ? QString() : QFileInfo(path).completeBaseName());
    m_recovery.setOriginalPath(path);
    updateTitle();
}

void Document::updateTitle() {
    const QString name =
        m_filePath.isEmpty() ? tr("Untitled") : QFileInfo(m_filePath).completeBaseName();
    m_window->setWindowTitle(tr("%1[*] — Brindle").arg(name));
    m_window->setWindowModified(isModified());
    m_window->setWindowFilePath(m_filePath);
}

void Document::commitEditing() {
    commitFieldBeingEdited(m_window);
    m_history.commitPending();
}

void Document::newDocument() {
    whenChangesAreSafe([this] { replaceNow(DesignSource::defaultDesign()); });
}

void Document::newFromDesign(const QByteArray& design, bool keepMenu) {
    whenChangesAreSafe(
        [this, design, keepMenu] { replaceNow(DesignSource::gallery(design, keepMenu)); });
}

void Document::openProject() {
    whenChangesAreSafe([this] {
        m_actions->chooseProjectFileToOpen(
            [this](const QString& path) { replaceNow(DesignSource::project(path)); });
    });
}

void Document::openProjectFile(const QString& path) {
    whenChangesAreSafe([this, path] { replaceNow(DesignSource::project(path)); });
}

bool Document::replaceNow(const DesignSource& source, QString* refusal) {
    OpenResult opened;
    if (source.kind == DesignSource::Kind::Default) {
        m_data.getMenuRootNode()->clearChildren();
        m_data.resetData();
        m_controller->reloadData();
    } else if (source.kind == DesignSource::Kind::Gallery) {
        if (!m_actions->openGalleryDesign(source.design, source.keepMenu, &opened))
            return false;
    } else if (!m_actions->openDesign(source.path, &opened, refusal == nullptr)) {
        // The design stays as it was, with its recovery copy.
        if (refusal)
            *refusal = opened.error;
        return false;
    }
    // The design that was here is safe now: saved, clean, or discarded by the user's choice.
    m_history.reset();
    m_recovery.discard();
    setFilePath(source.kind == DesignSource::Kind::Project ? source.path : source.originalPath);
    // The user's own menu in a new design exists nowhere else yet.
    if (source.kind == DesignSource::Kind::Gallery && source.keepMenu)
        markUnsaved();
    emit designReplaced();
    if (source.kind == DesignSource::Kind::Project)
        m_actions->reportOpened(source.path, opened);
    else if (source.kind == DesignSource::Kind::Gallery)
        m_actions->showOpenWarnings(tr("The design"), opened);
    else
        m_actions->showOpenWarnings(tr("The unsaved work"), opened);
    return true;
}

void Document::save() {
    saveThen({});
}

void Document::saveAs() {
    commitEditing();
    askForFileThenSave({});
}

void Document::saveThen(const std::function<void()>& proceed) {
    commitEditing();
    if (m_filePath.isEmpty()) {
        askForFileThenSave(proceed);
        return;
    }
    if (m_actions->saveProjectToFile(m_filePath) && proceed)
        proceed();
}

void Document::askForFileThenSave(const std::function<void()>& proceed) {
    m_actions->chooseProjectFileToSave(m_filePath, [this, proceed](const QString& path) {
        commitEditing();
        if (m_actions->saveProjectToFile(path) && proceed)
            proceed();
    });
}

void Document::whenChangesAreSafe(const std::function<void()>& proceed) {
    commitEditing();
    if (!isModified()) {
        proceed();
        return;
    }
    auto* alert = new QMessageBox(m_window);
    alert->setObjectName(QStringLiteral("unsavedChangesAlert"));
    alert->setIcon(QMessageBox::Warning);
    alert->setWindowTitle(tr("Unsaved Changes"));
    // Named as the title bar names it.
    const QString name =
        m_filePath.isEmpty() ? tr("Untitled") : QFileInfo(m_filePath).completeBaseName();
    alert->setText(tr("Do you want to save the changes to “%1”?").arg(name));
    alert->setInformativeText(tr("Your changes will be lost if you don’t save them."));
    alert->setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    alert->setDefaultButton(QMessageBox::Save);
    alert->setEscapeButton(QMessageBox::Cancel);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    connect(alert, &QMessageBox::finished, this, [this, alert, proceed] {
        switch (alert->standardButton(alert->clickedButton())) {
        case QMessageBox::Save:
            saveThen(proceed);
            break;
        case QMessageBox::Discard:
            // The recovery copy stays until the replacing design has taken its place: a
            // cancelled Open leaves the modified design with its copy.
            proceed();
            break;
        default:
            break;
        }
    });
    alert->open();
}

bool Document::mayClose() {
    commitEditing();
    if (m_closeConfirmed || !isModified()) {
        m_recovery.discard();
        return true;
    }
    whenChangesAreSafe([this] {
        m_closeConfirmed = true;
        m_window->close();
    });
    return false;
}

bool Document::offerLeftWork(bool sayWhenNone) {
    const QString folder = QFileInfo(m_recovery.projectPath()).absolutePath();
    // Unreadable copies are kept for a look by hand, but not without end.
    constexpr int kKeptSetAsideCopies = 5;
    pruneSetAsideCopies(folder, kKeptSetAsideCopies);
    QList<LeftWork> left = RecoveryFile::findLeftWork(folder);
    if (left.isEmpty()) {
        if (sayWhenNone)
            m_actions->showInformation(tr("Recover Unsaved Work"),
                                       tr("There is no unsaved work to recover."));
        return false;
    }
    auto* dialog = new LeftWorkDialog(std::move(left), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    // Once the list has closed: the unsaved-changes question may need the window.
    connect(dialog, &LeftWorkDialog::restoreRequested, this, &Document::restoreLeftWork,
            Qt::QueuedConnection);
    dialog->open();
    return true;
}

void Document::restoreLeftWork(const LeftWork& work) {
    whenChangesAreSafe([this, work] {
        QString refusal;
        if (!replaceNow(DesignSource::recovered(work), &refusal)) {
            const QString aside = work.setAside();
            m_actions->showError(tr("Recovery Failed"),
                                 tr("The unsaved work could not be read (%1); it was set aside "
                                    "as “%2”.")
                                     .arg(refusal, QDir::toNativeSeparators(aside)));
            return;
        }
        keepRestoredWork(work);
    });
}

void Document::markUnsaved() {
    m_history.stack().resetClean();
    updateTitle();
    m_recovery.documentChanged(true);
}

void Document::keepRestoredWork(const LeftWork& work) {
    // Still unsaved: the work is modified until the user saves it.
    markUnsaved();
    // The left-over copy goes only once this run's own copy holds the design. A copy that
    // cannot be written is told by the failure message already.
    if (!m_recovery.writeNow().ok)
        return;
    if (m_recovery.copyHoldsDesign()) {
        work.remove();
        return;
    }
    m_actions->showError(
        tr("Recovery Copy Not Written"),
        tr("The restored work could not be kept in “%1”, so its earlier copy "
           "stays there and will be offered again. Save the design to keep "
           "it.")
            .arg(QDir::toNativeSeparators(QFileInfo(m_recovery.projectPath()).absolutePath())));
}

void Document::recoveryWriteFailed(const QString& reason) {
    const QString folder =
        QDir::toNativeSeparators(QFileInfo(m_recovery.projectPath()).absolutePath());
    m_actions->showStatus(tr("Unsaved work cannot be kept for recovery in %1.").arg(folder));
    m_actions->showError(tr("Recovery Copy Not Written"),
                         tr("Brindle could not keep a copy of your unsaved work in “%1”: %2\n"
                            "It keeps trying; save the design to be safe.")
                             .arg(folder, reason));
}

} // namespace brindle
