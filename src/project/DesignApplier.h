#pragma once

#include "project/ProjectDesign.h"

#include <QStringList>

namespace brindle {

class GlobalData;

struct AppliedDesign {
    QStringList warnings; // icons left out
    QStringList renamed;  // icons kept under another name than the file gave
    QStringList untitled; // items whose title is empty or blank, named by their place
};

// Replaces the saved settings and the menu tree of the store with a validated design.
// Each icon is decoded and then written into the preview folder under its name, in the
// format that name names (encodeIconForFileName()); an icon that cannot be decoded or
// written leaves its item without that icon, and the returned warnings say so; a name that
// an earlier icon of the design used for a different picture is numbered ("icon-2.png"), and
// the renamed list says so. With no preview folder no icon is taken.
AppliedDesign applyProjectDesign(GlobalData& data, const ProjectDesign& design,
                                 const QString& previewFolder);

} // namespace brindle
