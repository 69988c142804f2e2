#include "controller/GalleryActions.h"

#include "controller/DesignGalleryDialog.h"
#include "controller/Document.h"
#include "model/GlobalData.h"
#include "widgets/FieldCommit.h"
#include "widgets/PlainTextMessage.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace brindle {

GalleryActions::GalleryActions(GlobalData& data, Document* document, QWidget* window,
                               const QString& dataFolder, const QString& builtInFolder)
    : QObject(window), m_data(data), m_document(document), m_window(window),
      m_gallery(builtInFolder, QDir(dataFolder).filePath(QStringLiteral("designs"))),
      m_thumbnails(QDir(dataFolder).filePath(QStringLiteral("thumbnails"))) {
    m_newFromDesign = new QAction(tr("New from &Design…"), this);
    m_newFromDesign->setObjectName(QStringLiteral("newFromDesign"));
    m_newFromDesign->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    connect(m_newFromDesign, &QAction::triggered, this, &GalleryActions::showGallery);
    m_saveDesign = new QAction(tr("Save Design to &Gallery…"), this);
    m_saveDesign->setObjectName(QStringLiteral("saveDesignToGallery"));
    connect(m_saveDesign, &QAction::triggered, this, &GalleryActions::saveDesign);
}

void GalleryActions::showGallery() {
    auto* dialog = new DesignGalleryDialog(m_gallery, m_thumbnails, m_window);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &DesignGalleryDialog::designChosen, this, &GalleryActions::designChosen);
    dialog->showRecentProjects(RecentProjects(m_data.recentProjectList()).loadRecentList());
    connect(dialog, &DesignGalleryDialog::recentProjectChosen, m_document,
            &Document::openProjectFile);
    dialog->open();
}

void GalleryActions::offerAtStart() {
    if (galleryOffersAtStart())
        showGallery();
}

void GalleryActions::designChosen(const GalleryDesign& design) {
    // Nothing of the designer's own to keep: an empty menu, or the untouched starting design.
    const bool untouched = !m_document->isModified() && m_document->filePath().isEmpty();
    if (m_data.getMenuRootNode()->childCount() == 0 || untouched) {
        m_document->newFromDesign(design.bytes, false);
        return;
    }
    auto* question = new QMessageBox(m_window);
    question->setObjectName(QStringLiteral("keepMenuQuestion"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setIcon(QMessageBox::Question);
    question->setWindowTitle(tr("Keep Your Menu?"));
    question->setText(
        tr("Start from “%1” with your menu, or with the design's sample menu?").arg(design.name));
    question->setInformativeText(tr("Your menu keeps its items, links, icons and output "
                                    "options; only the look changes."));
    QPushButton* keep = question->addButton(tr("&Keep My Menu"), QMessageBox::AcceptRole);
    QPushButton* sample = question->addButton(tr("Use &Sample Menu"), QMessageBox::AcceptRole);
    question->addButton(QMessageBox::Cancel);
    question->setDefaultButton(keep);
    usePlainText(question);
    question->setWindowModality(Qt::WindowModal);
    connect(question, &QMessageBox::finished, this, [this, question, keep, sample, design] {
        if (question->clickedButton() == keep || question->clickedButton() == sample)
            m_document->newFromDesign(design.bytes, question->clickedButton() == keep);
    });
    question->open();
}

void GalleryActions::saveDesign() {
    // Typing not yet committed belongs to the design being kept.
    commitFieldBeingEdited(m_window);
    auto* ask = new QInputDialog(m_window);
    ask->setObjectName(QStringLiteral("designNameQuestion"));
    ask->setAttribute(Qt::WA_DeleteOnClose);
    ask->setWindowTitle(tr("Save Design to Gallery"));
    ask->setLabelText(tr("Name of the design:"));
    // The project's name is the likely name of its design.
    if (!m_document->filePath().isEmpty())
        ask->setTextValue(QFileInfo(m_document->filePath()).completeBaseName());
    ask->setWindowModality(Qt::WindowModal);
    connect(ask, &QInputDialog::textValueSelected, this, &GalleryActions::saveDesignAs);
    ask->open();
}

void GalleryActions::saveDesignAs(const QString& typed) {
    const QString name = typed.trimmed();
    if (const QString problem = DesignGallery::nameProblem(name); !problem.isEmpty()) {
        askInPlainText(m_window, QMessageBox::Warning, tr("Design Not Saved"),
                       tr("The design was not saved: %1.").arg(problem));
        return;
    }
    if (m_gallery.userDesignExists(name) &&
        askInPlainText(m_window, QMessageBox::Question, tr("Replace Design?"),
                       tr("A design called “%1” is in the gallery. Replace it?").arg(name),
                       QMessageBox::Yes | QMessageBox::Cancel,
                       QMessageBox::Cancel) != QMessageBox::Yes)
        return;
    const WriteResult saved = m_gallery.save(m_data, name);
    if (!saved) {
        askInPlainText(m_window, QMessageBox::Warning, tr("Design Not Saved"),
                       tr("The design was not saved: %1.").arg(saved.error));
        return;
    }
    emit statusMessage(tr("Saved “%1” to the gallery").arg(name));
}

} // namespace brindle
