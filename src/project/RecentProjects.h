#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QSettings;

namespace brindle {

// One line of the Open Recent menu.
struct RecentProjectEntry {
    QString path;  // the resolved file
    QString title; // its file name with extension
    QByteArray bookmark;
};

// The recently saved or opened projects, kept as file bookmarks, oldest first, at most four.
// Works on a list it is given (the settings store's) so the store stays the one owner.
class RecentProjects {
public:
    static constexpr qsizetype kMaximumCount = 4;
    static constexpr auto kSettingsKey = "recentProjectList";

    explicit RecentProjects(QList<QByteArray>& list) : m_list(list) {}

    // Records the file as the newest entry; an entry for the same file moves to the end
    // instead of being repeated. A path with no readable file behind it is not recorded
    // (returns false).
    bool addItemToRecentList(const QString& path);

    // The menu's lines, newest first. Entries that no longer resolve are dropped from the list.
    QList<RecentProjectEntry> loadRecentList();

    // Drops the entry with that bookmark (a chosen entry whose file has gone).
    bool removeBookmark(const QByteArray& bookmark);

    const QList<QByteArray>& list() const { return m_list; }

    // The list kept in the user defaults ("recentProjectList"); empty when the key is absent.
    // At most the four newest entries are taken.
    static QList<QByteArray> readFromSettings(const QSettings& settings);
    static void writeToSettings(QSettings& settings, const QList<QByteArray>& list);
    // The application's user defaults: organisation and application "Brindle".
    static QList<QByteArray> readUserDefaults();
    // Returns false when the defaults could not be written.
    static bool writeUserDefaults(const QList<QByteArray>& list);

private:
    QList<QByteArray>& m_list;
};

} // namespace brindle
