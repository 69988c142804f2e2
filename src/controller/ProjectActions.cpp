#include "controller/ProjectActions.h"

#include "controller/CSSNavMenu.h"
#include "generator/Snippet.h"
#include "model/GlobalData.h"
#include "project/DesignGallery.h"
#include "project/ProjectFile.h"
#include "widgets/FieldCommit.h"
#include "widgets/PlainTextMessage.h"
#include "workspace/Export.h"
#include "workspace/StartFolder.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace brindle {

namespace {
// Longer lists go into the message's details.
constexpr qsizetype kListedInMessage = 8;
QString projectFilter() {
    return ProjectActions::tr("Brindle projects (*.brindleprj)");
}
const QString kProjectSuffix = QStringLiteral("brindleprj");
} // namespace

ProjectActions::ProjectActions(GlobalData& data, CSSNavMenu* controller, QWidget* window)
    : QObject(window), m_data(data), m_controller(controller), m_window(window) {}

QString ProjectActions::withSuffix(const QString& chosen, const QString& suffix) {
    if (QFileInfo(chosen).fileName().contains(QLatin1Char('.')))
        return chosen;
    return chosen + QLatin1Char('.') + suffix;
}

QString ProjectActions::projectSavePath(const QString& chosen) {
    return withSuffix(chosen, kProjectSuffix);
}

void ProjectActions::showError(const QString& title, const QString& message) {
    m_lastError = message;
    auto* box = new QMessageBox(QMessageBox::Warning, title, message, QMessageBox::Ok, m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

void ProjectActions::showInformation(const QString& title, const QString& message) {
    auto* box =
        new QMessageBox(QMessageBox::Information, title, message, QMessageBox::Ok, m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

// --- the work ----------------------------------------------------------------------------

bool ProjectActions::saveProjectToFile(const QString& path) {
    const WriteResult result = brindle::saveProjectToFile(m_data, path);
    if (!result.ok) {
        showError(tr("Save Failed"), tr("The project could not be saved to “%1”: %2")
                                         .arg(QDir::toNativeSeparators(path), result.error));
        return false;
    }
    emit statusMessage(tr("Saved %1").arg(QFileInfo(path).fileName()));
    emit projectSaved(path);
    emit projectRecorded(path);
    return true;
}

bool ProjectActions::openDesign(const QString& path, OpenResult* opened, bool tellFailure) {
    const OpenResult result = openProjectFile(m_data, path);
    if (!result.ok && !tellFailure) {
        if (opened)
            *opened = result;
        return false;
    }
    if (!result.ok) {
        showError(tr("Open Failed"), tr("The project “%1” could not be opened: %2")
                                         .arg(QDir::toNativeSeparators(path), result.error));
        return false;
    }
    m_controller->reloadData();
    if (opened)
        *opened = result;
    return true;
}

bool ProjectActions::openGalleryDesign(const QByteArray& bytes, bool keepMenu, OpenResult* opened) {
    *opened = brindle::openGalleryDesign(m_data, bytes, keepMenu);
    if (!opened->ok) {
        showError(tr("Design Not Used"), tr("The design could not be used: %1").arg(opened->error));
        return false;
    }
    m_controller->reloadData();
    return true;
}

void ProjectActions::reportOpened(const QString& path, const OpenResult& opened) {
    const QString name = QFileInfo(path).fileName();
    const QStringList& warnings = opened.warnings;
    if (warnings.isEmpty() && opened.renamed.isEmpty()) {
        emit statusMessage(tr("Opened %1").arg(name));
    } else if (warnings.isEmpty()) {
        emit statusMessage(opened.renamed.size() == 1
                               ? tr("Opened %1; one icon is kept under a new name").arg(name)
                               : tr("Opened %1; %2 icons are kept under new names")
                                     .arg(name)
                                     .arg(opened.renamed.size()));
    } else {
        emit statusMessage(
            warnings.size() == 1
                ? tr("Opened %1 without one of its icons").arg(name)
                : tr("Opened %1 without %2 of its icons").arg(name).arg(warnings.size()));
    }
    showOpenWarnings(tr("“%1”").arg(name), opened);
    emit projectRecorded(path);
}

// The project did open, so the message does not block: it names every icon left out.
// A long list is cut short in the message and given in full under "Show Details".
void ProjectActions::showOpenWarnings(const QString& what, const OpenResult& opened) {
    if (!opened.untitled.isEmpty()) {
        // Opened as it is (nothing is lost), but the designer should give them titles.
        auto* box = new QMessageBox(
            QMessageBox::Warning, tr("Items Without Titles"),
            opened.untitled.size() == 1
                ? tr("%1 was opened, but one item has no title: its link says nothing to "
                     "visitors.")
                      .arg(what)
                : tr("%1 was opened, but %2 items have no title: their links say nothing to "
                     "visitors.")
                      .arg(what, QString::number(opened.untitled.size())),
            QMessageBox::Ok, m_window);
        box->setObjectName(QStringLiteral("untitledItemsAlert"));
        constexpr qsizetype kNamed = 8;
        QStringList named = opened.untitled.mid(0, kNamed);
        if (opened.untitled.size() > kNamed)
            named << tr("%1 more").arg(opened.untitled.size() - kNamed);
        box->setInformativeText(
            tr("Give a title to %1.").arg(QLocale().createSeparatedList(named)));
        usePlainText(box);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::WindowModal);
        box->open();
    }
    // Renamed icons alone need no message: the status bar says so.
    const qsizetype leftOut = opened.warnings.size();
    if (leftOut == 0)
        return;
    const QStringList warnings = opened.warnings + opened.renamed;
    auto* box = new QMessageBox(QMessageBox::Warning, tr("Icons Left Out"),
                                leftOut == 1
                                    ? tr("%1 was opened, but one icon could not be used.").arg(what)
                                    : tr("%1 was opened, but %2 icons could not be used.")
                                          .arg(what, QString::number(leftOut)),
                                QMessageBox::Ok, m_window);
    box->setObjectName(QStringLiteral("openWarningsAlert"));
    QStringList listed = warnings.mid(0, kListedInMessage);
    if (warnings.size() > kListedInMessage) {
        listed.append(tr("… and %1 more.").arg(warnings.size() - kListedInMessage));
        box->setDetailedText(warnings.join(QLatin1Char('\n')));
    }
    box->setInformativeText(listed.join(QLatin1Char('\n')));
    usePlainText(box);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

bool ProjectActions::exportHTMLTo(const QString& path) {
    const WriteResult result = exportHTMLTextToFile(m_controller->documents().htmlText(), path);
    if (!result.ok) {
        showError(tr("Export Failed"), tr("The page could not be written to “%1”: %2")
                                           .arg(QDir::toNativeSeparators(path), result.error));
        return false;
    }
    emit statusMessage(tr("Exported %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool ProjectActions::exportCSSTo(const QString& path) {
    const WriteResult result = exportCSSTextToFile(m_controller->documents().cssText(), path);
    if (!result.ok) {
        showError(tr("Export Failed"), tr("The stylesheet could not be written to “%1”: %2")
                                           .arg(QDir::toNativeSeparators(path), result.error));
        return false;
    }
    emit statusMessage(tr("Exported %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool ProjectActions::exportAllTo(const QString& folder) {
    // The whole page goes where the user asked for it, replacing what is there, as always.
    const ExportResult result = exportDesign(m_data, m_data.tempFolderPath(), folder,
                                             ExportForm::Page, ExistingFiles::Replace);
    return reportExport(result, folder, tr("Exported to %1").arg(QDir::toNativeSeparators(folder)));
}

bool ProjectActions::reportExport(const ExportResult& result, const QString& folder,
                                  const QString& done) {
    if (!result.ok) {
        // One line per file that failed.
        showError(tr("Export Failed"), tr("Not every file could be exported to “%1”:\n%2")
                                           .arg(QDir::toNativeSeparators(folder), result.error));
        return false;
    }
    emit statusMessage(result.note.isEmpty() ? done : done + QLatin1String(". ") + result.note);
    return true;
}

bool ProjectActions::exportSnippetTo(const QString& folder, ExistingFiles existing) {
    // A snippet goes into a site's folder: files of the site are replaced only when the user
    // says so.
    const ExportResult result =
        exportDesign(m_data, m_data.tempFolderPath(), folder, ExportForm::Snippet, existing);
    if (!result.clashes.isEmpty()) {
        askToReplace(folder, result.clashes);
        return false;
    }
    return reportExport(result, folder,
                        tr("Exported the menu to %1; %2 says what goes into your page")
                            .arg(QDir::toNativeSeparators(folder), result.pageName));
}

void ProjectActions::askToReplace(const QString& folder, const QStringList& files) {
    auto* question = new QMessageBox(m_window);
    question->setObjectName(QStringLiteral("replaceFilesQuestion"));
    question->setIcon(QMessageBox::Warning);
    question->setWindowTitle(tr("Replace Files?"));
    question->setText(tr("“%1” already holds files of these names. Replace them with the menu’s?")
                          .arg(QDir::toNativeSeparators(folder)));
    QStringList listed = files.mid(0, kListedInMessage);
    if (files.size() > kListedInMessage)
        listed.append(tr("… and %1 more.").arg(files.size() - kListedInMessage));
    question->setInformativeText(listed.join(QLatin1Char('\n')));
    usePlainText(question);
    QPushButton* replace = question->addButton(tr("&Replace"), QMessageBox::DestructiveRole);
    question->addButton(QMessageBox::Cancel);
    question->setDefaultButton(QMessageBox::Cancel);
    question->setEscapeButton(QMessageBox::Cancel);
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setWindowModality(Qt::WindowModal);
    connect(question, &QMessageBox::finished, this, [this, question, replace, folder] {
        if (question->clickedButton() == replace)
            exportSnippetTo(folder, ExistingFiles::Replace);
    });
    question->open();
}

void ProjectActions::copySnippetHTML() {
    commitFieldBeingEdited(m_window);
    QGuiApplication::clipboard()->setText(buildSnippet(m_data).html);
    emit statusMessage(tr("Copied the menu's HTML; the comment at its top says what else your "
                          "page needs"));
}

void ProjectActions::copySnippetCSS() {
    commitFieldBeingEdited(m_window);
    QGuiApplication::clipboard()->setText(buildSnippet(m_data).css);
    emit statusMessage(tr("Copied the menu's CSS"));
}

// --- the dialogs -------------------------------------------------------------------------

QFileDialog* ProjectActions::makeDialog(const QString& title, StartFolder::Kind kind,
                                        const QString& suggestedName,
                                        QFileDialog::AcceptMode acceptMode,
                                        QFileDialog::FileMode fileMode, const QString& filter) {
    const StartFolder start(kind);
    const QString folder = start.folder();
    auto* dialog = new QFileDialog(
        m_window, title, suggestedName.isEmpty() ? folder : QDir(folder).filePath(suggestedName),
        filter);
    // Where the user went is where the next dialog of this kind starts, even if the work fails.
    connect(dialog, &QFileDialog::fileSelected, this, [start, fileMode](const QString& path) {
        if (fileMode == QFileDialog::Directory)
            start.rememberFolder(path);
        else
            start.rememberFile(path);
    });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(acceptMode);
    dialog->setFileMode(fileMode);
    if (fileMode == QFileDialog::Directory)
        dialog->setOption(QFileDialog::ShowDirsOnly, true);
    dialog->setWindowModality(Qt::WindowModal);
    return dialog;
}

void ProjectActions::chooseProjectFileToSave(const QString& current,
                                             const std::function<void(const QString&)>& chosen) {
    // A saved document offers its own file; a new one a name in the projects' start folder.
    QFileDialog* dialog =
        makeDialog(tr("Save Project"), StartFolder::Kind::Projects,
                   current.isEmpty() ? QStringLiteral("Project.brindleprj") : current,
                   QFileDialog::AcceptSave, QFileDialog::AnyFile, projectFilter());
    dialog->setDefaultSuffix(kProjectSuffix);
    connect(dialog, &QFileDialog::fileSelected, this, [this, chosen](const QString& selected) {
        // Qt's own dialog has added the suffix and asked before replacing; a platform dialog
        // that ignores the default suffix asked about another name, so ask again here.
        const QString path = projectSavePath(selected);
        if (path != selected && QFileInfo::exists(path) &&
            QMessageBox::question(m_window, tr("Save Project"),
                                  tr("“%1” already exists. Do you want to replace it?")
                                      .arg(QFileInfo(path).fileName())) != QMessageBox::Yes)
            return;
        chosen(path);
    });
    dialog->open();
}

void ProjectActions::saveProject() {
    chooseProjectFileToSave({}, [this](const QString& path) { saveProjectToFile(path); });
}

void ProjectActions::chooseProjectFileToOpen(const std::function<void(const QString&)>& chosen) {
    QFileDialog* dialog =
        makeDialog(tr("Open Project"), StartFolder::Kind::Projects, QString(),
                   QFileDialog::AcceptOpen, QFileDialog::ExistingFile, projectFilter());
    connect(dialog, &QFileDialog::fileSelected, this, chosen);
    dialog->open();
}

void ProjectActions::chooseMenuSource(const std::function<void(const QString&)>& chosen) {
    QFileDialog* dialog = makeDialog(
        tr("Import Menu"), StartFolder::Kind::Exports, QString(), QFileDialog::AcceptOpen,
        QFileDialog::ExistingFile,
        tr("Pages, sitemaps and outlines (*.html *.htm *.xhtml *.xml *.md *.markdown *.txt);;"
           "All files (*)"));
    connect(dialog, &QFileDialog::fileSelected, this, chosen);
    dialog->open();
}

void ProjectActions::exportHTMLFile() {
    // What is exported is what the fields show.
    commitFieldBeingEdited(m_window);
    QFileDialog* dialog =
        makeDialog(tr("Export HTML"), StartFolder::Kind::Exports, QStringLiteral("index.html"),
                   QFileDialog::AcceptSave, QFileDialog::AnyFile, QString());
    dialog->setDefaultSuffix(QStringLiteral("html"));
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        exportHTMLTo(withSuffix(path, QStringLiteral("html")));
    });
    dialog->open();
}

void ProjectActions::exportCSSFile() {
    // What is exported is what the fields show.
    commitFieldBeingEdited(m_window);
    QFileDialog* dialog =
        makeDialog(tr("Export CSS"), StartFolder::Kind::Exports, QStringLiteral("styles.css"),
                   QFileDialog::AcceptSave, QFileDialog::AnyFile, QString());
    dialog->setDefaultSuffix(QStringLiteral("css"));
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& path) { exportCSSTo(withSuffix(path, QStringLiteral("css"))); });
    dialog->open();
}

void ProjectActions::exportAllFiles() {
    // What is exported is what the fields show.
    commitFieldBeingEdited(m_window);
    QFileDialog* dialog = makeDialog(tr("Export All Files"), StartFolder::Kind::Exports, QString(),
                                     QFileDialog::AcceptOpen, QFileDialog::Directory, QString());
    connect(dialog, &QFileDialog::fileSelected, this, &ProjectActions::exportAllTo);
    dialog->open();
}

void ProjectActions::exportSnippet() {
    commitFieldBeingEdited(m_window);
    QFileDialog* dialog = makeDialog(tr("Export Snippet"), StartFolder::Kind::Exports, QString(),
                                     QFileDialog::AcceptOpen, QFileDialog::Directory, QString());
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& folder) { exportSnippetTo(folder); });
    dialog->open();
}

} // namespace brindle
