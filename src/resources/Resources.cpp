#include "resources/Resources.h"

#include <QtCore/qglobal.h>

// Static linking drops an unreferenced resource initialiser; calling it here keeps it.
static void registerBrindleResources() {
    Q_INIT_RESOURCE(resources);
}

namespace brindle {

void initResources() {
    static const bool registered = (registerBrindleResources(), true);
    Q_UNUSED(registered);
}

} // namespace brindle
