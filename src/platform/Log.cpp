#include "platform/Log.h"

// Off unless QT_LOGGING_RULES asks for it ("brindle.debug=true", "brindle.info=true"): the
// lines quote the user's titles and paths, which have no place on a user's console.
Q_LOGGING_CATEGORY(lcBrindle, "brindle", QtWarningMsg)
