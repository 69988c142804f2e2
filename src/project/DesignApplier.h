#pragma once

#include "project/ProjectDesign.h"

#include <QStringList>

namespace brindle {

class GlobalData;

// Replaces the saved settings and the menu tree of the store with a validated design.
// Each icon is decoded and then written into the preview folder under its name, in the
// format that name names (encodeIconForFileName()); an icon that cannot be decoded or
// written leaves its item without that icon, and the returned list says so. With no
// preview folder no icon is taken.
QStringList applyProjectDesign(GlobalData& data, const ProjectDesign& design,
                               const QString& previewFolder);

} // namespace brindle
