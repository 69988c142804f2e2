#include "widgets/RecentProjectsMenu.h"

#include "platform/Bookmark.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace brindle {

RecentProjectsMenu::RecentProjectsMenu(QMenu* menu, QObject* parent)
    : QObject(parent), m_menu(menu) {
    connect(m_menu, &QMenu::triggered, this, &RecentProjectsMenu::pressMenu);
    m_menu->menuAction()->setEnabled(false);
}

void RecentProjectsMenu::rebuild(const QList<RecentProjectEntry>& entries) {
    if (!m_menu)
        return;
    m_menu->clear();
    for (const RecentProjectEntry& entry : entries) {
        // A '&' in a file name would otherwise become a mnemonic.
        QString title = entry.title;
        title.replace(u'&', QStringLiteral("&&"));
        QAction* action = m_menu->addAction(title);
        action->setData(entry.bookmark);
        // Two projects may share a file name; the full path tells them apart.
        action->setToolTip(QDir::toNativeSeparators(entry.path));
        action->setStatusTip(QDir::toNativeSeparators(entry.path));
    }
    m_menu->setToolTipsVisible(true);
    m_menu->menuAction()->setEnabled(!entries.isEmpty());
}

void RecentProjectsMenu::pressMenu(QAction* action) {
    const QByteArray bookmark = action->data().toByteArray();
    if (bookmark.isEmpty())
        return;
    if (const std::optional<QString> path = Bookmark::resolve(bookmark)) {
        emit projectChosen(*path);
        return;
    }
    QString title = action->text();
    title.replace(QStringLiteral("&&"), QStringLiteral("&"));
    emit entryUnavailable(bookmark, title);
}

} // namespace brindle
