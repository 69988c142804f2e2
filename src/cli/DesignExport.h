#pragma once

#include "workspace/FileWriter.h"

#include <QString>

namespace brindle {
class GlobalData;
}

namespace brindle::cli {

// Generates the page and the stylesheet for `data` and writes them into `outputDirectory`
// (created when missing), with "bottom.png" when some top-level item has sub-items. Stops
// at the first failure and says which file it was.
WriteResult exportDesign(const GlobalData& data, const QString& outputDirectory);

// True when some top-level item has sub-items, so the page shows the drop-down arrow.
bool needsArrowImage(const GlobalData& data);

} // namespace brindle::cli
