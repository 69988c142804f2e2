#pragma once

#include <QLoggingCategory>

// Diagnostic lines of the application ("folderPath: …" and the like); they carry no behaviour
// and are silent by default.
Q_DECLARE_LOGGING_CATEGORY(lcBrindle)
