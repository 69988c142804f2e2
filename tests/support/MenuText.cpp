#include "MenuText.h"

#include <QStringList>

#include <vector>

namespace testsupport {

using brindle::Node;

QString describeMenu(const Node& node) {
    QStringList parts;
    for (int i = 0; i < node.childCount(); ++i) {
        const Node* child = node.childAt(i);
        QString part = child->name();
        if (child->childCount() > 0)
            part += QLatin1Char('[') + describeMenu(*child) + QLatin1Char(']');
        parts << part;
    }
    return parts.join(QLatin1Char(','));
}

std::unique_ptr<Node> menuOfText(QStringView text) {
    auto root = std::make_unique<Node>();
    std::vector<Node*> owners{root.get()};
    QString title;
    int made = 0;
    const auto flush = [&] {
        if (!title.isEmpty())
            owners.back()->appendChild(
                Node::make(title, QStringLiteral("icon%1").arg(made++), owners.back()));
        title.clear();
    };
    for (const QChar c : text) {
        if (c == u'[') {
            flush();
            Node* owner = owners.back()->childAt(owners.back()->childCount() - 1);
            owner->setIsGroup(true);
            owners.push_back(owner);
        } else if (c == u']') {
            flush();
            owners.pop_back();
        } else if (c == u',') {
            flush();
        } else {
            title += c;
        }
    }
    flush();
    return root;
}

} // namespace testsupport
