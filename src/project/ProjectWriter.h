#pragma once

#include "project/PropertyList.h"

#include <QList>

namespace brindle {

class GlobalData;

// The elements of a "Version 3.0" project file for the current design: the version, the 119
// saved settings in table order, the number of top-level items and their records. Icons
// are read from the preview folder and kept as TIFF; an icon whose file is missing or
// cannot be decoded is kept as absent.
QList<PlistElement> projectElements(const GlobalData& data);

} // namespace brindle
