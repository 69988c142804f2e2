#pragma once

#include <QString>

namespace brindle {

class MainWindow;

// Once the preview has loaded, shows each editing mode in turn, writes a picture of the whole
// window for it into `folder` (menu-structure.png, quick.png, main-menu.png, sub-menu.png)
// and quits. Used to make the pictures of the user guide.
void takeScreenshotsWhenLoaded(MainWindow& window, const QString& folder);

} // namespace brindle
