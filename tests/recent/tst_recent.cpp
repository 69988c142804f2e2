#include "platform/Bookmark.h"
#include "project/RecentProjects.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace brindle;

class TestRecent : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void recentList_data();
    void recentList();
    void sameFileNameInTwoFolders_twoEntriesWithOneTitle();
    void relativePath_matchesItsAbsoluteEntry();
    void settings_data();
    void settings();
    void userDefaults_roundTrip();

private:
    QString makeProject(const QString& name);
    QStringList names(const QList<QByteArray>& list) const;

    QTemporaryDir m_dir;
};

void TestRecent::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

QString TestRecent::makeProject(const QString& name) {
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.exists() && !file.open(QIODevice::WriteOnly))
        return QString();
    return path;
}

QStringList TestRecent::names(const QList<QByteArray>& list) const {
    QStringList result;
    for (const QByteArray& bookmark : list) {
        const auto path = Bookmark::resolve(bookmark);
        result.append(path ? QFileInfo(*path).fileName() : QStringLiteral("?"));
    }
    return result;
}

// Each step is "add NAME" (the file exists), "addMissing NAME" (no file there), "delete NAME"
// or "rebuild". Expected: the stored list, oldest first, and the menu titles, newest first.
void TestRecent::recentList_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expectedList");
    QTest::addColumn<QStringList>("expectedMenu");

    QTest::newRow("five saves keep the four newest")
        << QStringList{"add a.brindleprj", "add b.brindleprj", "add c.brindleprj",
                       "add d.brindleprj", "add e.brindleprj"}
        << QStringList{"b.brindleprj", "c.brindleprj", "d.brindleprj", "e.brindleprj"}
        << QStringList{"e.brindleprj", "d.brindleprj", "c.brindleprj", "b.brindleprj"};
    QTest::newRow("reopening moves an entry to the top")
        << QStringList{"add a.brindleprj", "add b.brindleprj", "add c.brindleprj",
                       "add d.brindleprj", "add b.brindleprj"}
        << QStringList{"a.brindleprj", "c.brindleprj", "d.brindleprj", "b.brindleprj"}
        << QStringList{"b.brindleprj", "d.brindleprj", "c.brindleprj", "a.brindleprj"};
    QTest::newRow("reopening the newest changes nothing")
        << QStringList{"add a.brindleprj", "add b.brindleprj", "add b.brindleprj"}
        << QStringList{"a.brindleprj", "b.brindleprj"}
        << QStringList{"b.brindleprj", "a.brindleprj"};
    QTest::newRow("a deleted file is dropped at the next rebuild")
        << QStringList{"add a.brindleprj", "add b.brindleprj", "add c.brindleprj",
                       "delete b.brindleprj", "rebuild"}
        << QStringList{"a.brindleprj", "c.brindleprj"}
        << QStringList{"c.brindleprj", "a.brindleprj"};
    QTest::newRow("a path without a file is not recorded")
        << QStringList{"add a.brindleprj", "addMissing gone.brindleprj"}
        << QStringList{"a.brindleprj"} << QStringList{"a.brindleprj"};
    QTest::newRow("a file saved again after deletion moves its old entry to the top")
        << QStringList{"add a.brindleprj", "add b.brindleprj", "delete a.brindleprj",
                       "add c.brindleprj", "add a.brindleprj"}
        << QStringList{"b.brindleprj", "c.brindleprj", "a.brindleprj"}
        << QStringList{"a.brindleprj", "c.brindleprj", "b.brindleprj"};
    QTest::newRow("entries of deleted files are skipped, not matched")
        << QStringList{"add a.brindleprj", "add b.brindleprj", "delete a.brindleprj",
                       "add c.brindleprj"}
        << QStringList{"?", "b.brindleprj", "c.brindleprj"}
        << QStringList{"c.brindleprj", "b.brindleprj"};
    QTest::newRow("nothing added") << QStringList{} << QStringList{} << QStringList{};
}

void TestRecent::recentList() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expectedList);
    QFETCH(QStringList, expectedMenu);

    QTemporaryDir folder(m_dir.filePath(QStringLiteral("XXXXXX")));
    QVERIFY(folder.isValid());
    QList<QByteArray> list;
    RecentProjects recent(list);
    bool rebuilt = false;
    QStringList menu;
    for (const QString& step : steps) {
        const QString action = step.section(u' ', 0, 0);
        const QString path = folder.filePath(step.section(u' ', 1));
        if (action == QLatin1StringView("add")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            QVERIFY(recent.addItemToRecentList(path));
        } else if (action == QLatin1StringView("addMissing")) {
            const auto before = list;
            QVERIFY(!recent.addItemToRecentList(path));
            QCOMPARE(list, before);
        } else if (action == QLatin1StringView("delete")) {
            QVERIFY(QFile::remove(path));
        } else if (action == QLatin1StringView("rebuild")) {
            rebuilt = true;
            menu.clear();
            for (const auto& entry : recent.loadRecentList())
                menu.append(entry.title);
        }
    }
    QCOMPARE(list.size(), qsizetype(expectedList.size()));
    QCOMPARE(names(list), expectedList);
    if (!rebuilt) {
        for (const auto& entry : recent.loadRecentList())
            menu.append(entry.title);
    }
    QCOMPARE(menu, expectedMenu);
    QVERIFY(list.size() <= RecentProjects::kMaximumCount);
}

void TestRecent::sameFileNameInTwoFolders_twoEntriesWithOneTitle() {
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("one")));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("two")));
    const QString first = makeProject(QStringLiteral("one/menu.brindleprj"));
    const QString second = makeProject(QStringLiteral("two/menu.brindleprj"));
    QList<QByteArray> list;
    RecentProjects recent(list);
    QVERIFY(recent.addItemToRecentList(first));
    QVERIFY(recent.addItemToRecentList(second));
    const auto entries = recent.loadRecentList();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].title, QStringLiteral("menu.brindleprj"));
    QCOMPARE(entries[1].title, QStringLiteral("menu.brindleprj"));
    QCOMPARE(entries[0].path, QFileInfo(second).absoluteFilePath());
    QCOMPARE(entries[1].path, QFileInfo(first).absoluteFilePath());
}

void TestRecent::relativePath_matchesItsAbsoluteEntry() {
    const QString absolute = makeProject(QStringLiteral("relative.brindleprj"));
    QList<QByteArray> list;
    RecentProjects recent(list);
    QVERIFY(recent.addItemToRecentList(absolute));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QVERIFY(recent.addItemToRecentList(QStringLiteral("./relative.brindleprj")));
    QDir::setCurrent(previous);
    QCOMPARE(list.size(), 1);
}

void TestRecent::settings_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("expectedCount");

    QTest::newRow("no key") << QVariant() << 0;
    QTest::newRow("empty list") << QVariant(QVariantList{}) << 0;
    QTest::newRow("two bookmarks") << QVariant(QVariantList{QByteArray("a"), QByteArray("b")}) << 2;
    QTest::newRow("wrong kinds are left out")
        << QVariant(QVariantList{QByteArray("a"), 7, QStringLiteral("text"), QByteArray()}) << 1;
    QTest::newRow("not a list") << QVariant(42) << 0;
    QTest::newRow("more than four keeps the newest four")
        << QVariant(QVariantList{QByteArray("1"), QByteArray("2"), QByteArray("3"), QByteArray("4"),
                                 QByteArray("5"), QByteArray("6")})
        << 4;
}

void TestRecent::settings() {
    QFETCH(QVariant, stored);
    QFETCH(int, expectedCount);

    const QString file = m_dir.filePath(QStringLiteral("%1.ini").arg(QTest::currentDataTag()));
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.clear();
        if (stored.isValid())
            settings.setValue(QString::fromLatin1(RecentProjects::kSettingsKey), stored);
    }
    QSettings settings(file, QSettings::IniFormat);
    const QList<QByteArray> list = RecentProjects::readFromSettings(settings);
    QCOMPARE(list.size(), expectedCount);
    if (expectedCount == 4)
        QCOMPARE(list, (QList<QByteArray>{"3", "4", "5", "6"}));
}

void TestRecent::userDefaults_roundTrip() {
    QSettings probe(QStringLiteral("Brindle"), QStringLiteral("Brindle"));
    QVERIFY2(probe.fileName().contains(QLatin1StringView(".qttest")), qPrintable(probe.fileName()));
    probe.clear();
    probe.sync();
    QVERIFY(RecentProjects::readUserDefaults().isEmpty());

    QList<QByteArray> list;
    RecentProjects recent(list);
    QVERIFY(recent.addItemToRecentList(makeProject(QStringLiteral("kept.brindleprj"))));
    QVERIFY(recent.addItemToRecentList(makeProject(QStringLiteral("newest.brindleprj"))));
    QVERIFY(RecentProjects::writeUserDefaults(list));
    const QList<QByteArray> restored = RecentProjects::readUserDefaults();
    QCOMPARE(restored, list);
    QCOMPARE(names(restored),
             (QStringList{QStringLiteral("kept.brindleprj"), QStringLiteral("newest.brindleprj")}));
    probe.clear();
}

QTEST_GUILESS_MAIN(TestRecent)
#include "tst_recent.moc"
