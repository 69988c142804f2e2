#include "controller/Document.h"

#include "controller/CSSNavMenu.h"
#include "controller/ProjectActions.h"
#include "controller/RoutingTable.h"
#include "model/GlobalData.h"
#include "project/ProjectFile.h"

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
        m_actions->showError(tr("Icons not restored"),
                             tr("The preview and exports may show other pictures for these "
                                "icons:\n%1")
                                 .arg(lines));
    });

    connect(m_actions, &ProjectActions::projectOpened, this, [this](const QString& path) {
        m_history.reset();
        m_recovery.discard();
        setFilePath(path);
    });
    connect(m_actions, &ProjectActions::projectSaved, this, [this](const QString& path) {
        m_history.stack().setClean();
        m_recovery.discard();
        setFilePath(path);
    });
    m_actions->setReplaceGuard(
        [this](const std::function<void()>& proceed) { whenChangesAreSafe(proceed); });
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
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field || field->window() != m_window || field->isModified())
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

void Document::newDocument() {
    whenChangesAreSafe([this] {
        m_data.getMenuRootNode()->clearChildren();
        m_data.resetData();
        m_controller->reloadData();
        m_actions->projectOpened(QString());
    });
}

void Document::save() {
    saveThen({});
}

void Document::saveAs() {
    askForFileThenSave({});
}

void Document::saveThen(const std::function<void()>& proceed) {
    if (m_filePath.isEmpty()) {
        askForFileThenSave(proceed);
        return;
    }
    if (m_actions->saveProjectToFile(m_filePath) && proceed)
        proceed();
}

void Document::askForFileThenSave(const std::function<void()>& proceed) {
    m_actions->chooseProjectFileToSave(m_filePath, [this, proceed](const QString& path) {
        if (m_actions->saveProjectToFile(path) && proceed)
            proceed();
    });
}

void Document::whenChangesAreSafe(const std::function<void()>& proceed) {
    m_history.commitPending();
    if (!isModified()) {
        proceed();
        return;
    }
    auto* alert = new QMessageBox(m_window);
    alert->setObjectName(QStringLiteral("unsavedChangesAlert"));
    alert->setIcon(QMessageBox::Warning);
    alert->setWindowTitle(tr("Unsaved Changes"));
    const QString name = m_filePath.isEmpty() ? tr("Untitled") : QFileInfo(m_filePath).fileName();
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
            m_recovery.discard();
            proceed();
            break;
        default:
            break;
        }
    });
    alert->open();
}

bool Document::mayClose() {
    m_history.commitPending();
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

void Document::offerLeftWork() {
    const QList<LeftWork> left =
        RecoveryFile::findLeftWork(QFileInfo(m_recovery.projectPath()).absolutePath());
    if (left.isEmpty())
        return;
    // The newest first; any older ones are offered after it.
    const LeftWork work = left.first();
    auto* alert = new QMessageBox(m_window);
    alert->setObjectName(QStringLiteral("recoverAlert"));
    alert->setIcon(QMessageBox::Question);
    alert->setWindowTitle(tr("Recover Unsaved Work"));
    const QString name = work.originalPath.isEmpty()
                             ? tr("an untitled design")
                             : QStringLiteral("“%1”").arg(QFileInfo(work.originalPath).fileName());
    alert->setText(tr("Brindle ended without saving changes to %1.").arg(name));
    alert->setInformativeText(tr("Restore them to continue where you left off, or discard them."));
    QPushButton* restore = alert->addButton(tr("&Restore"), QMessageBox::AcceptRole);
    alert->addButton(QMessageBox::Discard);
    alert->setDefaultButton(restore);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    connect(alert, &QMessageBox::finished, this, [this, alert, restore, work] {
        if (alert->clickedButton() == restore)
            restoreLeftWork(work);
        else
            work.remove();
        QMetaObject::invokeMethod(this, &Document::offerLeftWork, Qt::QueuedConnection);
    });
    alert->open();
}

void Document::restoreLeftWork(const LeftWork& work) {
    if (!m_actions->openDesign(work.projectPath)) {
        const QString aside = work.setAside();
        m_actions->showError(tr("Recovery failed"),
                             tr("The unsaved work could not be read; it was set aside as “%1”.")
                                 .arg(QDir::toNativeSeparators(aside)));
        return;
    }
    work.remove();
    m_actions->projectOpened(work.originalPath);
    // Still unsaved: the work is modified until the user saves it.
    m_history.stack().resetClean();
    updateTitle();
    m_recovery.writeNow();
}

} // namespace brindle
