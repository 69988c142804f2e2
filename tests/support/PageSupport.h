#pragma once

#include <QPoint>
#include <QString>
#include <QVariant>

class QWebEnginePage;
class QWebEngineView;

namespace brindle {
class GlobalData;
}

// Helpers for tests that look at exported pages in the browser engine.
namespace testsupport {

// Runs a script in the application's script world (the page's own scripts cannot see or
// change it) and waits for its value.
QVariant evaluate(QWebEnginePage* page, const QString& script);

// The centre of an element in the view, after scrolling it into sight.
QPoint centreOf(QWebEnginePage* page, const QString& selector);

// Loads the file into the view and waits until it has loaded; false when it did not.
bool loadPage(QWebEngineView& view, const QString& path);

// A shop's menu of seven items, four with sub-items (12 sub-links), three with icons whose
// pictures are written into `iconFolder`; every item links to a page of its own.
void fillShopMenu(brindle::GlobalData& data, const QString& iconFolder);

} // namespace testsupport
