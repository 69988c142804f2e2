// Compiled into every test program and benchmark: whatever they run, Qt's standard paths
// (settings, data, caches) point into its test folders, never at the user's own.
#include <QCoreApplication>
#include <QStandardPaths>

namespace {

void enableStandardPathsTestMode() {
    QStandardPaths::setTestModeEnabled(true);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(enableStandardPathsTestMode)
