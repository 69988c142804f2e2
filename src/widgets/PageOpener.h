#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace brindle {

// Opens the preview page in the desktop's default browser ("xdg-open"). When that cannot be
// done — no xdg-open, one that ends with an error, a browser that does not start — the user
// is told in a window-modal message on `window` that names the page's file, so it can be
// opened by hand.
void openPageInDefaultBrowser(const QUrl& page, QWidget* window);

// The window-modal message for a page that could not be opened, with the reason.
void tellPageNotOpened(QWidget* window, const QUrl& page, const QString& reason);

} // namespace brindle
