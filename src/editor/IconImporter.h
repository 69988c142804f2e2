#pragma once

#include "model/Node.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace brindle {

// The outcome of taking one icon file into the preview folder.
struct ImportedIcon {
    bool ok = false;
    QString error;       // a readable reason when !ok
    QString fileName;    // the copy's name in the preview folder
    QString renamedFrom; // the name asked for, when another picture already had it
    QImage image;        // decoded from the copied bytes
};

// The outcome of taking one SVG icon into the preview folder.
struct ImportedSvgIcon {
    bool ok = false;
    QString error;
    QStringList removed; // what cleaning left out of the file
    NodeSvgIcon svg;     // text and file name; the colour choice is the form's
    ImportedIcon picture;
    ImportedIcon retinaPicture;
};

// Copies a picked icon file into the preview folder, where the generated stylesheet refers
// to it by its bare name. The file is decoded before anything is written, so a file that is
// not a picture we can show never reaches the folder.
class IconImporter {
public:
    // The largest file read at all; the picture limits are those of project files, so an
    // icon taken here always loads again from a saved project.
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
    // Drawn at 2× too: a larger icon would be a large picture and no menu icon.
    static constexpr int kLargestSvgIconSide = 1024;

    explicit IconImporter(QString previewFolder);

    // Reads, checks and decodes `sourcePath`, then writes its bytes atomically to the preview
    // folder under safeIconFileName() of its last path component, or, when a different
    // picture already has that name, under the first free numbered name ("icon-2.png"). A
    // file already holding the same picture is shared. On failure the folder is unchanged.
    ImportedIcon import(const QString& sourcePath) const;

    // Reads an SVG (or .svgz) icon, cleans it and writes it into the preview folder as
    // NAME.svg, with its pictures at 1× and 2× (NAME.png, NAME@2x.png) for pages and readers
    // without SVG. The icon is `tallest` px high at most unless it states its size.
    ImportedSvgIcon importSvg(const QString& sourcePath, int tallest) const;

private:
    // Writes the bytes under `wanted`, or the first free numbered name when a different
    // file has it: the name, and whether the file is new; or an error.
    bool place(const QString& wanted, const QByteArray& bytes, QString& name, bool& created,
               QString& error) const;

    QString m_folder;
};

// Gives the node its normal icon: file name, picture and pixel size.
void applyNormalIcon(Node& node, const ImportedIcon& icon);
// Gives the node its double-resolution icon: shown at half its pixel size (truncated), with
// a picture redrawn at that size for the outline.
void applyRetinaIcon(Node& node, const ImportedIcon& icon);
// Gives the node an SVG icon with its two pictures, following the text colour or not.
void applySvgIcon(Node& node, const ImportedSvgIcon& icon, bool followsTextColour);
// A cleared icon drops its picture and sizes too, so neither the outline nor a saved project
// keeps an icon the item no longer has.
void clearNormalIcon(Node& node);
void clearSvgIcon(Node& node); // the SVG and both its pictures
void clearRetinaIcon(Node& node);

} // namespace brindle
