#pragma once

#include "model/GlobalData.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

namespace brindle {

// The project-file versions this application knows.
// Version 3.1 is the Version 3.0 layout followed by one dictionary of output options (and of
// what items have beyond that layout: SVG icons); it is written only for a design whose
// output options are not all at their defaults or that has an SVG icon.
inline constexpr const char* kProjectVersion31 = "Version 3.1";
// Version 3.2 is Version 3.1 with a count of items after each sub-item, and those items: the
// menu's third level. It is written only for a design that has one, so that readers of the
// earlier versions refuse the file with its version instead of dropping a level unseen.
inline constexpr const char* kProjectVersion32 = "Version 3.2";
inline constexpr const char* kProjectVersion3 = "Version 3.0";
inline constexpr const char* kProjectVersion2 = "Version 2.0";
// Reported for a file that carries no version string at all.
inline constexpr const char* kProjectVersion1 = "Version 1.0";

// An icon as a project file keeps it: the file name in the preview folder and the encoded
// image. `present` false means the item has no such icon.
struct ProjectIcon {
    bool present = false;
    QString fileName;
    QByteArray bytes;
};

// An SVG icon as the options dictionary of a Version 3.1 file keeps it: the cleaned document
// and its file name. The item's pictures hold it drawn at 1× and 2×.
struct ProjectSvgIcon {
    bool present = false;
    QByteArray text;
    QString fileName;
    bool followsTextColour = false;
};

struct ProjectItem {
    QString name;
    QString iconID;
    QString link;
    qint64 paddingRight = 0;
    ProjectIcon image;
    ProjectIcon retinaImage;
    ProjectSvgIcon svgIcon;
    QList<ProjectItem> children; // sub-items; always empty on the menu's deepest level
};

// A whole design read from a file and validated, before it touches the settings store.
struct ProjectDesign {
    std::array<SettingValue, kPersistedSettingCount> settings;
    QList<ProjectItem> items;
    OutputOptions outputOptions; // the defaults for files before Version 3.1
};

} // namespace brindle
