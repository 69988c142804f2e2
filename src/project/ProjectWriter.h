#pragma once

#include "model/OutputOptions.h"
#include "project/PropertyList.h"

#include <QList>

namespace brindle {

class GlobalData;

// The elements of a project file for the current design: the version, the 119 saved
// settings in table order, the number of top-level items and their records. Icons are read
// from the preview folder and kept as TIFF; an icon whose file is missing or cannot be
// decoded is kept as absent. A design whose output options are all at their defaults is a
// "Version 3.0" file; otherwise "Version 3.1" adds the options' dictionary at the end.
QList<PlistElement> projectElements(const GlobalData& data);

// The dictionary a Version 3.1 file ends with.
PlistElement outputOptionsElement(const OutputOptions& options);

} // namespace brindle
