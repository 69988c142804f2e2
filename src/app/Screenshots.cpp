#include "app/Screenshots.h"

#include "controller/MainWindow.h"
#include "controller/PreviewView.h"
#include "platform/Log.h"
#include "widgets/WorkspaceModes.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <array>
#include <utility>

namespace brindle {

namespace {

constexpr std::array<std::pair<WorkspaceModes::Mode, const char*>, 4> kShots{{
    {WorkspaceModes::Mode::MenuStructure, "menu-structure.png"},
    {WorkspaceModes::Mode::Quick, "quick.png"},
    {WorkspaceModes::Mode::MainMenu, "main-menu.png"},
    {WorkspaceModes::Mode::SubMenu, "sub-menu.png"},
}};

// The web view paints asynchronously; give it a moment after each switch.
constexpr int kSettleMilliseconds = 700;

void takeShot(MainWindow* window, const QString& folder, size_t index) {
    if (index >= kShots.size()) {
        window->modes()->showMenuStructureMode();
        QApplication::quit();
        return;
    }
    window->modes()->showMode(kShots[index].first);
    QTimer::singleShot(kSettleMilliseconds, window, [window, folder, index] {
        const QString path = QDir(folder).filePath(QString::fromLatin1(kShots[index].second));
        if (!window->grab().save(path))
            qCWarning(lcBrindle).noquote() << "could not write" << path;
        takeShot(window, folder, index + 1);
    });
}

} // namespace

void takeScreenshotsWhenLoaded(MainWindow& window, const QString& folder) {
    QDir().mkpath(folder);
    QObject::connect(
        window.previewView(), &QWebEngineView::loadFinished, &window,
        [&window, folder] {
            QTimer::singleShot(kSettleMilliseconds, &window,
                               [&window, folder] { takeShot(&window, folder, 0); });
        },
        Qt::SingleShotConnection);
}

} // namespace brindle
