#include "project/RecentProjects.h"

#include "platform/Bookmark.h"
#include "platform/Log.h"

#include <QFileInfo>
#include <QSettings>
#include <QVariant>

namespace brindle {

namespace {

QString settingsKey() {
    return QString::fromLatin1(RecentProjects::kSettingsKey);
}

// The application's user defaults.
constexpr auto kOrganisation = "Brindle";
constexpr auto kApplication = "Brindle";

} // namespace

bool RecentProjects::addItemToRecentList(const QString& path) {
    qCInfo(lcBrindle) << "addItemToRecentList";
    const QByteArray bookmark = Bookmark::fromPath(path);
    const std::optional<QString> resolvedNew = Bookmark::resolve(bookmark);
    if (!resolvedNew) {
        // No file there (a failed save): a menu entry would only lead nowhere.
        qCInfo(lcBrindle).noquote() << "addItemToRecentList skipped:" << path;
        return false;
    }
    for (qsizetype i = 0; i < m_list.size(); ++i) {
        const std::optional<QString> resolved = Bookmark::resolve(m_list[i]);
        if (resolved && *resolved == *resolvedNew) {
            qCInfo(lcBrindle).noquote() << "isEqualToString:" << path;
            m_list.removeAt(i);
            m_list.append(bookmark);
            return true;
        }
    }
    qCInfo(lcBrindle) << "addItemToRecentList2";
    m_list.append(bookmark);
    if (m_list.size() > kMaximumCount)
        m_list.remove(0, m_list.size() - kMaximumCount);
    qCInfo(lcBrindle).noquote() << "addItemToRecentList:" << path;
    return true;
}

QList<RecentProjectEntry> RecentProjects::loadRecentList() {
    QList<RecentProjectEntry> entries;
    // Downwards, so removing an entry keeps the indexes still to visit valid.
    for (qsizetype i = m_list.size() - 1; i >= 0; --i) {
        const std::optional<QString> resolved = Bookmark::resolve(m_list[i]);
        if (!resolved) {
            m_list.removeAt(i);
            continue;
        }
        entries.append({*resolved, QFileInfo(*resolved).fileName(), m_list[i]});
    }
    return entries;
}

bool RecentProjects::removeBookmark(const QByteArray& bookmark) {
    return m_list.removeAll(bookmark) > 0;
}

QList<QByteArray> RecentProjects::readFromSettings(const QSettings& settings) {
    QList<QByteArray> list;
    if (!settings.contains(settingsKey()))
        return list;
    const QVariant stored = settings.value(settingsKey());
    for (const QVariant& item : stored.toList()) {
        if (item.typeId() == QMetaType::QByteArray && !item.toByteArray().isEmpty())
            list.append(item.toByteArray());
    }
    if (list.size() > kMaximumCount)
        list.remove(0, list.size() - kMaximumCount);
    return list;
}

void RecentProjects::writeToSettings(QSettings& settings, const QList<QByteArray>& list) {
    QVariantList stored;
    stored.reserve(list.size());
    for (const QByteArray& bookmark : list)
        stored.append(bookmark);
    settings.setValue(settingsKey(), stored);
}

QList<QByteArray> RecentProjects::readUserDefaults() {
    const QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    const QList<QByteArray> list = readFromSettings(settings);
    qCInfo(lcBrindle) << "recentProjectList:" << list.size();
    return list;
}

bool RecentProjects::writeUserDefaults(const QList<QByteArray>& list) {
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    writeToSettings(settings, list);
    settings.sync();
    qCInfo(lcBrindle) << "recentProjectList:" << list.size();
    return settings.status() == QSettings::NoError;
}

} // namespace brindle
