#include "PageSupport.h"

#include "model/GlobalData.h"
#include "model/Node.h"

#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <memory>

using namespace brindle;

namespace testsupport {

// Runs a script in the application's script world (the page's own scripts cannot see or
// change it) and waits for its value.
QVariant evaluate(QWebEnginePage* page, const QString& script) {
    auto state = std::make_shared<std::pair<bool, QVariant>>(false, QVariant());
    page->runJavaScript(script, QWebEngineScript::ApplicationWorld, [state](const QVariant& value) {
        *state = {true, value};
    });
    if (!QTest::qWaitFor([state] { return state->first; }, 30000))
        qWarning("the page did not answer a script");
    return state->second;
}

bool loadPage(QWebEngineView& view, const QString& path) {
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.load(QUrl::fromLocalFile(path));
    return loaded.wait(30000) && loaded.first().first().toBool();
}

void fillShopMenu(GlobalData& data, const QString& iconFolder) {
    struct Entry {
        const char* title;
        QStringList subItems;
        bool icon;
    };
    const QList<Entry> entries = {
        {"Home", {}, true},
        {"Shop", {"Women", "Men", "Kids", "Sale"}, false},
        {"Brands", {"Tessaly", "Northwind", "Fable & Co"}, true},
        {"Gift Cards", {}, false},
        {"Stores", {"Find a store", "Opening hours", "Events"}, false},
        {"Help", {"Delivery", "Returns"}, true},
        {"Contact", {}, false},
    };
    Node* root = data.getMenuRootNode();
    root->clearChildren();
    int next = 0;
    const auto makeItem = [&](const QString& title, Node* parent, bool icon) {
        auto node = Node::make(title, QStringLiteral("icon%1").arg(next), parent);
        node->setLink(title.toLower().remove(QLatin1Char(' ')) + QStringLiteral(".html"));
        if (icon) {
            const QString file = QStringLiteral("icon%1.png").arg(next);
            QImage picture(16, 16, QImage::Format_ARGB32);
            picture.fill(QColor(40, 140, 90));
            picture.save(QDir(iconFolder).filePath(file), "PNG");
            node->setImageFileName(file);
            node->setImageWidth(16);
            node->setImageHeight(16);
        }
        ++next;
        return node;
    };
    for (const Entry& entry : entries) {
        auto item = makeItem(QLatin1String(entry.title), root, entry.icon);
        for (int i = 0; i < entry.subItems.size(); ++i)
            item->appendChild(makeItem(entry.subItems.at(i), item.get(), i == 0 && entry.icon));
        item->setIsGroup(item->childCount() > 0);
        data.addMenuRootNodeChild(std::move(item));
    }
}

// The centre of an element in the view, after scrolling it into sight.
QPoint centreOf(QWebEnginePage* page, const QString& selector) {
    const QVariantList centre =
        evaluate(page, QStringLiteral("(() => { const e = document.querySelector('%1');"
                                      " e.scrollIntoView({block: 'center'});"
                                      " const r = e.getBoundingClientRect();"
                                      " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
                           .arg(selector))
            .toList();
    return centre.size() == 2 ? QPoint(centre[0].toInt(), centre[1].toInt()) : QPoint(-1, -1);
}

} // namespace testsupport
