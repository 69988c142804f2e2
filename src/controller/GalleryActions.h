#pragma once

#include "controller/DesignThumbnails.h"
#include "project/DesignGallery.h"

#include <QObject>

class QAction;
class QWidget;

namespace brindle {

class Document;
class GlobalData;

// The design gallery's two commands: File → New from Design… (also offered at the first
// start) and File → Save Design to Gallery…. The designer's designs and the card pictures
// live in Brindle's data folder.
class GalleryActions : public QObject {
    Q_OBJECT

public:
    GalleryActions(GlobalData& data, Document* document, QWidget* window, const QString& dataFolder,
                   const QString& builtInFolder);

    QAction* newFromDesignAction() const { return m_newFromDesign; }
    QAction* saveDesignAction() const { return m_saveDesign; }
    const DesignGallery& gallery() const { return m_gallery; }
    DesignThumbnails& thumbnails() { return m_thumbnails; }

    void showGallery();
    // At a start without a file to open: the gallery, unless the designer switched it off.
    void offerAtStart();
    // Asks for a name and adds the current design to the gallery.
    void saveDesign();

signals:
    void statusMessage(const QString& message);

private:
    void designChosen(const GalleryDesign& design);
    void saveDesignAs(const QString& name);

    GlobalData& m_data;
    Document* m_document;
    QWidget* m_window;
    DesignGallery m_gallery;
    DesignThumbnails m_thumbnails;
    QAction* m_newFromDesign;
    QAction* m_saveDesign;
};

} // namespace brindle
