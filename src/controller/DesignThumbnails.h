#pragma once

#include "project/DesignGallery.h"
#include "workspace/ThumbnailCache.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>

#include <memory>

class QTemporaryDir;

namespace brindle {

class PreviewView;

// The gallery's card pictures: each design's page as Brindle writes it, drawn by the browser
// engine with the first sub-menu open, scaled to a card. Drawn once per design and program
// version, then taken from the cache. Designs are drawn one after another, off screen.
class DesignThumbnails : public QObject {
    Q_OBJECT

public:
    explicit DesignThumbnails(const QString& cacheFolder, QObject* parent = nullptr);
    ~DesignThumbnails() override;

    static QSize cardSize();

    // The cached picture, or a null image when it still has to be drawn.
    QImage cached(const GalleryDesign& design) const;
    // Draws the design unless it is cached or queued; `ready` follows.
    void request(const GalleryDesign& design);
    // Forgets the cached cards of designs that are not among these (edited, removed, or
    // drawn by another version), so the cache holds one card per design.
    void keepOnly(const QList<GalleryDesign>& designs);

signals:
    void ready(const QString& key, const QImage& picture);

private:
    void startNext();
    void drawn(const QImage& page);
    PreviewView* view();

    ThumbnailCache m_cache;
    QList<GalleryDesign> m_queue;
    QString m_drawing; // the key being drawn
    bool m_grabScheduled = false;
    std::unique_ptr<QTemporaryDir> m_folder;
    PreviewView* m_view = nullptr;
};

} // namespace brindle
