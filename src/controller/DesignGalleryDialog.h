#pragma once

#include "project/DesignGallery.h"
#include "project/RecentProjects.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class QHBoxLayout;

namespace brindle {

class DesignThumbnails;

// File → New from Design…: the gallery's designs as cards, built-in ones first. Arrows move
// between cards, Return chooses, Escape cancels. The designer's own designs can be renamed
// and removed here.
class DesignGalleryDialog : public QDialog {
    Q_OBJECT

public:
    DesignGalleryDialog(const DesignGallery& gallery, DesignThumbnails& thumbnails,
                        QWidget* parent);

    // "Flat Light, built-in design": a card's text and its accessible name.
    static QString accessibleNameOf(const GalleryDesign& design);

    // A row of the designer's recent projects (newest first) above the designs, so the gallery
    // shown at a start never stands between a returning designer and their work.
    void showRecentProjects(const QList<RecentProjectEntry>& projects);

signals:
    void designChosen(const GalleryDesign& design);
    void recentProjectChosen(const QString& path);

private:
    QHBoxLayout* m_recentRow = nullptr;
    void fill();
    void showThumbnail(const QString& key, const QImage& picture);
    void chooseCurrent();
    void renameCurrent();
    void removeCurrent();
    void updateButtons();
    const GalleryDesign* current() const;

    const DesignGallery& m_gallery;
    DesignThumbnails& m_thumbnails;
    QList<GalleryDesign> m_designs;
    QListWidget* m_cards;
    QPushButton* m_choose;
    QPushButton* m_rename;
    QPushButton* m_remove;
    QCheckBox* m_showAtStart;
};

// Whether the gallery opens when Brindle starts: until the designer switches it off.
bool galleryOffersAtStart();
void setGalleryOffersAtStart(bool offer);

} // namespace brindle
