#include "controller/ProjectActions.h"

#include "controller/CSSNavMenu.h"
#include "model/GlobalData.h"
#include "project/ProjectFile.h"
#include "workspace/Export.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace brindle {

namespace {
const QString kProjectFilter = QStringLiteral("Brindle projects (*.brindleprj)");
const QString kProjectSuffix = QStringLiteral("brindleprj");
} // namespace

ProjectActions::ProjectActions(GlobalData& data, CSSNavMenu* controller, QWidget* window)
    : QObject(window), m_data(data), m_controller(controller), m_window(window) {}

QString ProjectActions::projectSavePath(const QString& chosen) {
    if (QFileInfo(chosen).fileName().contains(QLatin1Char('.')))
        return chosen;
    return chosen + QLatin1Char('.') + kProjectSuffix;
}

QString ProjectActions::documentsFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void ProjectActions::showError(const QString& title, const QString& message) {
    m_lastError = message;
    auto* box = new QMessageBox(QMessageBox::Warning, title, message, QMessageBox::Ok, m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

// --- the work ----------------------------------------------------------------------------

bool ProjectActions::saveProjectToFile(const QString& path) {
    const WriteResult result = brindle::saveProjectToFile(m_data, path);
    if (!result.ok) {
        showError(tr("Save failed"), tr("The project could not be saved to “%1”: %2")
                                         .arg(QDir::toNativeSeparators(path), result.error));
        return false;
    }
    emit statusMessage(tr("Saved %1").arg(QFileInfo(path).fileName()));
    emit projectRecorded(path);
    return true;
}

bool ProjectActions::processOpenProject(const QString& path) {
    const OpenResult result = openProjectFile(m_data, path);
    if (!result.ok) {
        showError(tr("Open failed"), tr("The project “%1” could not be opened: %2")
                                         .arg(QDir::toNativeSeparators(path), result.error));
        return false;
    }
    m_controller->reloadData();
    emit projectOpened();
    emit statusMessage(tr("Opened %1").arg(QFileInfo(path).fileName()));
    emit projectRecorded(path);
    return true;
}

bool ProjectActions::exportHTMLTo(const QString& path) {
    const WriteResult result = exportHTMLTextToFile(m_controller->documents().htmlText(), path);
    if (!result.ok) {
        showError(tr("Export failed"), tr("The page could not be written to “%1”: %2")
                                           .arg(QDir::toNativeSeparators(path), result.error));
        return false;
    }
    emit statusMessage(tr("Exported %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool ProjectActions::exportCSSTo(const QString& path) {
    const WriteResult result = exportCSSTextToFile(m_controller->documents().cssText(), path);
    if (!result.ok) {
        showError(tr("Export failed"), tr("The stylesheet could not be written to “%1”: %2")
                                           .arg(QDir::toNativeSeparators(path), result.error));
        return false;
    }
    emit statusMessage(tr("Exported %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool ProjectActions::exportAllTo(const QString& folder) {
    const WriteResult result = exportAllFilesToFolder(
        m_controller->documents().cssText(), m_controller->documents().htmlText(),
        *m_data.getMenuRootNode(), m_data.tempFolderPath(), folder);
    if (!result.ok) {
        showError(tr("Export failed"), tr("The files could not be exported to “%1”: %2")
                                           .arg(QDir::toNativeSeparators(folder), result.error));
        return false;
    }
    emit statusMessage(tr("Exported to %1").arg(QDir::toNativeSeparators(folder)));
    return true;
}

// --- the dialogs -------------------------------------------------------------------------

QFileDialog* ProjectActions::makeDialog(const QString& title, const QString& start,
                                        QFileDialog::AcceptMode acceptMode,
                                        QFileDialog::FileMode fileMode, const QString& filter) {
    auto* dialog = new QFileDialog(m_window, title, start, filter);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(acceptMode);
    dialog->setFileMode(fileMode);
    if (fileMode == QFileDialog::Directory)
        dialog->setOption(QFileDialog::ShowDirsOnly, true);
    dialog->setWindowModality(Qt::WindowModal);
    return dialog;
}

void ProjectActions::saveProject() {
    QFileDialog* dialog = makeDialog(
        tr("Save Project"), QDir(documentsFolder()).filePath(QStringLiteral("Project.brindleprj")),
        QFileDialog::AcceptSave, QFileDialog::AnyFile, kProjectFilter);
    dialog->setDefaultSuffix(kProjectSuffix);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& chosen) {
        // Qt's own dialog has added the suffix and asked before replacing; a platform dialog
        // that ignores the default suffix asked about another name, so ask again here.
        const QString path = projectSavePath(chosen);
        if (path != chosen && QFileInfo::exists(path) &&
            QMessageBox::question(m_window, tr("Save Project"),
                                  tr("“%1” already exists. Do you want to replace it?")
                                      .arg(QFileInfo(path).fileName())) != QMessageBox::Yes)
            return;
        saveProjectToFile(path);
    });
    dialog->open();
}

void ProjectActions::openProject() {
    QFileDialog* dialog = makeDialog(tr("Open Project"), documentsFolder(), QFileDialog::AcceptOpen,
                                     QFileDialog::ExistingFile, kProjectFilter);
    connect(dialog, &QFileDialog::fileSelected, this, &ProjectActions::processOpenProject);
    dialog->open();
}

void ProjectActions::exportHTMLFile() {
    QFileDialog* dialog = makeDialog(tr("Export HTML"),
                                     QDir(documentsFolder()).filePath(QStringLiteral("index.html")),
                                     QFileDialog::AcceptSave, QFileDialog::AnyFile, QString());
    connect(dialog, &QFileDialog::fileSelected, this, &ProjectActions::exportHTMLTo);
    dialog->open();
}

void ProjectActions::exportCSSFile() {
    QFileDialog* dialog =
        makeDialog(tr("Export CSS"), QDir(documentsFolder()).filePath(QStringLiteral("styles.css")),
                   QFileDialog::AcceptSave, QFileDialog::AnyFile, QString());
    connect(dialog, &QFileDialog::fileSelected, this, &ProjectActions::exportCSSTo);
    dialog->open();
}

void ProjectActions::exportAllFiles() {
    QFileDialog* dialog = makeDialog(tr("Export All Files"), documentsFolder(),
                                     QFileDialog::AcceptOpen, QFileDialog::Directory, QString());
    connect(dialog, &QFileDialog::fileSelected, this, &ProjectActions::exportAllTo);
    dialog->open();
}

} // namespace brindle
