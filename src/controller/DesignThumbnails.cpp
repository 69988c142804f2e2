#include "controller/DesignThumbnails.h"

#include "controller/PreviewView.h"
#include "model/GlobalData.h"
#include "workspace/Export.h"
#include "workspace/LeftBehind.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineSettings>

namespace brindle {

namespace {

// The page is drawn at this size: wide enough for the sample bar, tall enough for its
// first sub-menu.
constexpr QSize kPageSize(640, 210);
constexpr double kPageZoom = 0.75;
// The painted frame reaches the view's widget shortly after the page reports it.
constexpr int kSettleMs = 50;

} // namespace

DesignThumbnails::DesignThumbnails(const QString& cacheFolder, QObject* parent)
    : QObject(parent), m_cache(cacheFolder) {
    removeAbandonedDrawingFolders(cacheFolder);
}

void DesignThumbnails::keepOnly(const QList<GalleryDesign>& designs) {
    QStringList keys;
    for (const GalleryDesign& design : designs)
        keys.append(design.thumbnailKey());
    pruneThumbnails(m_cache.folder(), keys);
}

DesignThumbnails::~DesignThumbnails() {
    delete m_view;
}

QSize DesignThumbnails::cardSize() {
    return kPageSize / 2;
}

QImage DesignThumbnails::cached(const GalleryDesign& design) const {
    return m_cache.find(design.thumbnailKey());
}

void DesignThumbnails::request(const GalleryDesign& design) {
    const QString key = design.thumbnailKey();
    if (key == m_drawing ||
        std::any_of(m_queue.cbegin(), m_queue.cend(),
                    [&key](const GalleryDesign& queued) { return queued.thumbnailKey() == key; }))
        return;
    m_queue.append(design);
    if (m_drawing.isEmpty())
        QTimer::singleShot(0, this, &DesignThumbnails::startNext);
}

PreviewView* DesignThumbnails::view() {
    if (m_view == nullptr) {
        // A top-level view that the engine draws but the screen never shows.
        m_view = new PreviewView;
        m_view->setAttribute(Qt::WA_DontShowOnScreen);
        // Never on screen, so never the window whose closing ends the application.
        m_view->setAttribute(Qt::WA_QuitOnClose, false);
        m_view->resize(kPageSize);
        // Laid out wider and taller than the card (a third more), so a design with large type
        // or a long last item keeps its bar on one line and its open sub-menu whole; a card
        // shows no scroll bars.
        m_view->setZoomFactor(kPageZoom);
        m_view->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
        m_view->setPins({PinnedState::None, true, PinnedState::None});
        connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
            if (!m_drawing.isEmpty() && !ok)
                drawn({});
        });
        // Grabbed once the open sub-menu is painted, however busy the machine: a card cached
        // without it would stay wrong for good.
        connect(m_view, &PreviewView::pinsPainted, this, [this] {
            if (m_drawing.isEmpty() || m_grabScheduled)
                return;
            m_grabScheduled = true;
            QTimer::singleShot(kSettleMs, this, [this] {
                m_grabScheduled = false;
                if (!m_drawing.isEmpty())
                    drawn(m_view->grab().toImage());
            });
        });
        m_view->show();
    }
    return m_view;
}

void DesignThumbnails::startNext() {
    if (!m_drawing.isEmpty())
        return;
    while (!m_queue.isEmpty()) {
        const GalleryDesign design = m_queue.takeFirst();
        if (!cached(design).isNull())
            continue;
        // The page is written where Brindle keeps its own data, and removed once drawn.
        QDir().mkpath(m_cache.folder());
        m_folder = std::make_unique<QTemporaryDir>(
            QDir(m_cache.folder()).filePath(drawingFolderTemplate()));
        const QDir folder(m_folder->path());
        if (!m_folder->isValid() || !folder.mkpath(QStringLiteral("icons")) ||
            !folder.mkpath(QStringLiteral("page")))
            continue;
        GlobalData data;
        data.setTempFolderPath(folder.filePath(QStringLiteral("icons")));
        if (!openProjectData(data, design.bytes, data.tempFolderPath()))
            continue;
        const QString page = folder.filePath(QStringLiteral("page"));
        const ExportResult written = exportDesign(data, data.tempFolderPath(), page,
                                                  ExportForm::Page, ExistingFiles::Replace);
        if (!written)
            continue;
        // The pins are made from the stylesheet the page loads.
        QFile stylesheet(QDir(page).filePath(QStringLiteral("styles.css")));
        if (!stylesheet.open(QIODevice::ReadOnly))
            continue;
        const QString css = QString::fromUtf8(stylesheet.readAll());
        m_drawing = design.thumbnailKey();
        view()->setStylesheetSource([css] { return QStringList{css}; });
        view()->loadPreview(QDir(page).filePath(QStringLiteral("index.html")));
        return;
    }
    // Nothing left to draw: the engine's page process goes with the view.
    if (m_view != nullptr) {
        m_view->deleteLater();
        m_view = nullptr;
    }
}

void DesignThumbnails::drawn(const QImage& page) {
    const QString key = std::exchange(m_drawing, QString());
    m_folder.reset();
    if (!page.isNull()) {
        const QImage card =
            page.scaled(cardSize() * 2, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        m_cache.store(key, card);
        emit ready(key, card);
    }
    startNext();
}

} // namespace brindle
