#pragma once

#include "project/ProjectFile.h"
#include "workspace/FileWriter.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace brindle {

class GlobalData;

// One design the gallery offers: a project file, built in (read-only) or the designer's own.
struct GalleryDesign {
    QString name;
    QString path;
    bool builtIn = false;
    QByteArray bytes;
    // What its thumbnail is cached under: the design's bytes and the program's version, so a
    // changed design or a new renderer never shows a stale picture.
    QString thumbnailKey() const;
};

// The designs of the gallery: the built-in ones (files named "NN Name.brindleprj", shown in
// their number's order) and then the designer's own, kept as "Name.brindleprj" in a folder
// of Brindle's data folder.
class DesignGallery {
public:
    DesignGallery(QString builtInFolder, QString userFolder);

    // Read afresh from both folders; files that cannot be read are left out.
    QList<GalleryDesign> designs() const;
    const QString& userFolder() const { return m_userFolder; }

    // Why a name cannot be a design of one's own (empty when it can): it must say something,
    // fit a file name on every system and not hide the file.
    static QString nameProblem(const QString& name);
    bool userDesignExists(const QString& name) const;

    // The current design (style and its menu as the sample) under the name; an existing
    // design of that name is replaced.
    WriteResult save(const GlobalData& data, const QString& name) const;
    WriteResult rename(const GalleryDesign& design, const QString& newName) const;
    WriteResult remove(const GalleryDesign& design) const;

private:
    QString userPath(const QString& name) const;

    QString m_builtInFolder;
    QString m_userFolder;
};

// Takes a gallery design into the store as an untitled design: its settings, and either its
// sample menu and output options or, with `keepMenu`, the store's own menu, icons and output
// options. A refused design changes nothing.
OpenResult openGalleryDesign(GlobalData& data, const QByteArray& designBytes, bool keepMenu);

} // namespace brindle
