#include "controller/DesignGalleryDialog.h"

#include "controller/DesignThumbnails.h"
#include "widgets/PlainTextMessage.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace brindle {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;
const QString kOfferAtStartKey = QStringLiteral("gallery/offerAtStart");

// What a card shows until its picture is drawn: the card's frame, empty.
QPixmap placeholder() {
    QPixmap pixmap(DesignThumbnails::cardSize());
    pixmap.fill(QColor(0xf0, 0xf0, 0xf0));
    return pixmap;
}

QPixmap cardPixmap(const QImage& picture) {
    QPixmap pixmap = QPixmap::fromImage(picture);
    // Drawn at twice the card's size: sharp on dense screens, card-sized on others.
    pixmap.setDevicePixelRatio(qreal(picture.width()) / DesignThumbnails::cardSize().width());
    return pixmap;
}

} // namespace

bool galleryOffersAtStart() {
    return QSettings().value(kOfferAtStartKey, true).toBool();
}

void setGalleryOffersAtStart(bool offer) {
    QSettings().setValue(kOfferAtStartKey, offer);
}

QString DesignGalleryDialog::accessibleNameOf(const GalleryDesign& design) {
    return design.builtIn ? tr("%1, built-in design").arg(design.name)
                          : tr("%1, your design").arg(design.name);
}

DesignGalleryDialog::DesignGalleryDialog(const DesignGallery& gallery, DesignThumbnails& thumbnails,
                                         QWidget* parent)
    : QDialog(parent), m_gallery(gallery), m_thumbnails(thumbnails), m_cards(new QListWidget(this)),
      m_choose(new QPushButton(tr("&Choose"), this)),
      m_rename(new QPushButton(tr("Re&name…"), this)),
      m_remove(new QPushButton(tr("&Remove…"), this)),
      m_showAtStart(new QCheckBox(tr("&Show this gallery when Brindle starts"), this)) {
    setObjectName(QStringLiteral("designGallery"));
    setWindowTitle(tr("New from Design"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* intro = new QLabel(tr("Choose a design to start from. You may keep your menu or "
                                "take the design's sample menu."),
                             this);
    intro->setWordWrap(true);
    m_cards->setObjectName(QStringLiteral("designCards"));
    m_cards->setAccessibleName(tr("Designs"));
    m_cards->setViewMode(QListView::IconMode);
    m_cards->setIconSize(DesignThumbnails::cardSize());
    m_cards->setMovement(QListView::Static);
    m_cards->setResizeMode(QListView::Adjust);
    m_cards->setWrapping(true);
    m_cards->setUniformItemSizes(true);
    m_cards->setSpacing(8);
    m_cards->setGridSize(DesignThumbnails::cardSize() + QSize(24, 40));
    m_cards->setSelectionMode(QAbstractItemView::SingleSelection);
    m_cards->setMinimumSize(3 * m_cards->gridSize().width() + 40,
                            3 * m_cards->gridSize().height() + 24);
    intro->setBuddy(m_cards);

    m_choose->setDefault(true);
    m_showAtStart->setChecked(galleryOffersAtStart());
    connect(m_showAtStart, &QCheckBox::toggled, this, &setGalleryOffersAtStart);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_choose, QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    buttons->addButton(m_rename, QDialogButtonBox::ActionRole);
    buttons->addButton(m_remove, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_choose, &QPushButton::clicked, this, &DesignGalleryDialog::chooseCurrent);
    connect(m_rename, &QPushButton::clicked, this, &DesignGalleryDialog::renameCurrent);
    connect(m_remove, &QPushButton::clicked, this, &DesignGalleryDialog::removeCurrent);
    // Return on a card (or a double click) chooses it.
    connect(m_cards, &QListWidget::itemActivated, this, &DesignGalleryDialog::chooseCurrent);
    connect(m_cards, &QListWidget::currentRowChanged, this, &DesignGalleryDialog::updateButtons);
    connect(&m_thumbnails, &DesignThumbnails::ready, this, &DesignGalleryDialog::showThumbnail);

    auto* layout = new QVBoxLayout(this);
    m_recentRow = new QHBoxLayout;
    layout->addLayout(m_recentRow);
    layout->addWidget(intro);
    layout->addWidget(m_cards, 1);
    layout->addWidget(m_showAtStart);
    layout->addWidget(buttons);
    fill();
    m_cards->setFocus();
}

void DesignGalleryDialog::showRecentProjects(const QList<RecentProjectEntry>& projects) {
    if (projects.isEmpty())
        return;
    auto* label = new QLabel(tr("Continue with:"), this);
    m_recentRow->addWidget(label);
    for (const RecentProjectEntry& project : projects) {
        auto* open = new QPushButton(project.title, this);
        open->setObjectName(QStringLiteral("recentProjectButton"));
        open->setAutoDefault(false);
        open->setToolTip(project.path);
        open->setAccessibleName(tr("Open %1").arg(project.title));
        connect(open, &QPushButton::clicked, this, [this, path = project.path] {
            emit recentProjectChosen(path);
            accept();
        });
        m_recentRow->addWidget(open);
    }
    m_recentRow->addStretch(1);
    label->setBuddy(m_recentRow->itemAt(1)->widget());
}

void DesignGalleryDialog::fill() {
    const QString before = current() ? current()->path : QString();
    m_designs = m_gallery.designs();
    m_thumbnails.keepOnly(m_designs);
    m_cards->clear();
    for (int i = 0; i < m_designs.size(); ++i) {
        const GalleryDesign& design = m_designs.at(i);
        const QImage picture = m_thumbnails.cached(design);
        auto* card = new QListWidgetItem(picture.isNull() ? QIcon(placeholder())
                                                          : QIcon(cardPixmap(picture)),
                                         design.name, m_cards);
        card->setData(kKeyRole, design.thumbnailKey());
        card->setData(kIndexRole, i);
        card->setData(Qt::AccessibleTextRole, accessibleNameOf(design));
        card->setToolTip(accessibleNameOf(design));
        if (picture.isNull())
            m_thumbnails.request(design);
        if (design.path == before)
            m_cards->setCurrentItem(card);
    }
    if (m_cards->currentRow() < 0 && m_cards->count() > 0)
        m_cards->setCurrentRow(0);
    updateButtons();
}

void DesignGalleryDialog::showThumbnail(const QString& key, const QImage& picture) {
    for (int row = 0; row < m_cards->count(); ++row) {
        QListWidgetItem* card = m_cards->item(row);
        if (card->data(kKeyRole).toString() == key)
            card->setIcon(QIcon(cardPixmap(picture)));
    }
}

const GalleryDesign* DesignGalleryDialog::current() const {
    const QListWidgetItem* card = m_cards->currentItem();
    if (card == nullptr)
        return nullptr;
    const int index = card->data(kIndexRole).toInt();
    return index >= 0 && index < m_designs.size() ? &m_designs.at(index) : nullptr;
}

void DesignGalleryDialog::updateButtons() {
    const GalleryDesign* design = current();
    m_choose->setEnabled(design != nullptr);
    m_rename->setEnabled(design && !design->builtIn);
    m_remove->setEnabled(design && !design->builtIn);
}

void DesignGalleryDialog::chooseCurrent() {
    const GalleryDesign* design = current();
    if (design == nullptr || result() == QDialog::Accepted)
        return;
    const GalleryDesign chosen = *design;
    accept();
    emit designChosen(chosen);
}

void DesignGalleryDialog::renameCurrent() {
    const GalleryDesign* design = current();
    if (design == nullptr || design->builtIn)
        return;
    bool ok = false;
    // Spaces around the name are trimmed, as when the design was saved.
    const QString name = QInputDialog::getText(this, tr("Rename Design"), tr("New name:"),
                                               QLineEdit::Normal, design->name, &ok)
                             .trimmed();
    if (!ok)
        return;
    const WriteResult renamed = m_gallery.rename(*design, name);
    if (!renamed) {
        askInPlainText(this, QMessageBox::Warning, tr("Design Not Renamed"),
                       tr("“%1” could not be renamed: %2.").arg(design->name, renamed.error));
        return;
    }
    fill();
    for (int row = 0; row < m_cards->count(); ++row) {
        if (m_cards->item(row)->text() == name)
            m_cards->setCurrentRow(row);
    }
}

void DesignGalleryDialog::removeCurrent() {
    const GalleryDesign* design = current();
    if (design == nullptr || design->builtIn)
        return;
    QMessageBox confirm(QMessageBox::Warning, tr("Remove Design"),
                        tr("Remove “%1” from the gallery?").arg(design->name), QMessageBox::Cancel,
                        this);
    QPushButton* remove = confirm.addButton(tr("Remove"), QMessageBox::DestructiveRole);
    confirm.setDefaultButton(QMessageBox::Cancel);
    usePlainText(&confirm);
    confirm.exec();
    if (confirm.clickedButton() != remove)
        return;
    const WriteResult removed = m_gallery.remove(*design);
    if (!removed)
        askInPlainText(this, QMessageBox::Warning, tr("Design Not Removed"),
                       tr("“%1” could not be removed: %2.").arg(design->name, removed.error));
    fill();
}

} // namespace brindle
