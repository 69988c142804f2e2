#pragma once

#include "workspace/FileWriter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace brindle {

class GlobalData;

// Project files: an XML property list whose root array holds the version, the saved
// settings and the menu tree with its icons. "Version 3.0" is written; "Version 3.0" and
// "Version 2.0" (records without links) are read.

// Larger files are refused unread: no design comes near this size.
inline constexpr qint64 kLargestProjectFileSize = 256 * 1024 * 1024;

struct OpenResult {
    bool ok = true;
    QString error;        // why the file was refused (the design is then unchanged)
    QStringList warnings; // icons that were left out of an opened design
    QStringList renamed;  // icons kept under another name: a different picture had theirs
    QStringList untitled; // items without a title (empty or blank), named by their place
    explicit operator bool() const { return ok; }
    static OpenResult refused(const QString& reason) {
        OpenResult result;
        result.ok = false;
        result.error = reason;
        return result;
    }
};

// The version string of the file: element 0 of its root array, or "Version 1.0" when the
// file is missing, is not a property-list array, is empty or starts with something else.
QString checkProjectFileVersion(const QString& path);
QString checkProjectDataVersion(const QByteArray& bytes);

// The current design as project-file bytes; icons come from the preview folder.
QByteArray projectData(const GlobalData& data);
// Writes the current design to the path, atomically.
WriteResult saveProjectToFile(const GlobalData& data, const QString& path);

// Reads and validates the whole file before anything changes. On success the saved
// settings (all but `showSeparator`) and the menu tree are replaced and the icons are
// written into the store's preview folder (`tempFolderPath`). A refused file changes
// nothing and writes nothing; `error` says why.
OpenResult openProjectFile(GlobalData& data, const QString& path);
OpenResult openProjectData(GlobalData& data, const QByteArray& bytes, const QString& previewFolder);

// What a project holds, for a list that names it: the number of menu items (sub-items
// included) and the titles of the first top-level items. Nothing when the file is refused.
struct ProjectSummary {
    int itemCount = 0;
    QStringList firstTitles;
};
std::optional<ProjectSummary> summarizeProjectFile(const QString& path, int titleCount = 3);

} // namespace brindle
