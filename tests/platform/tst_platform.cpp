#include "platform/Bookmark.h"
#include "platform/NotificationCenter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

using namespace brindle;

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void post_deliversOnlyFromRegisteredSender();
    void post_carriesUserInfoSynchronously();
    void removeObserver_stopsDelivery();
    void removeObserver_duringDelivery();
    void throwingHandler_leavesTheListenerHearingLaterPosts();
    void bookmark_resolvesOnlyReadableFiles();
};

void PlatformTest::post_deliversOnlyFromRegisteredSender() {
    NotificationCenter center;
    int panelA = 0, panelB = 0, observer = 0;
    int calls = 0;
    center.addObserver(&observer, QStringLiteral("BorderRadiusDataUpdated"), &panelA,
                       [&](const Notification& n) {
                           QCOMPARE(n.sender, &panelA);
                           ++calls;
                       });
    center.post(QStringLiteral("BorderRadiusDataUpdated"), &panelB);
    QCOMPARE(calls, 0);
    center.post(QStringLiteral("BorderSizeDataUpdated"), &panelA);
    QCOMPARE(calls, 0);
    center.post(QStringLiteral("BorderRadiusDataUpdated"), &panelA);
    QCOMPARE(calls, 1);

    // A registration without a sender hears every sender.
    int anyCalls = 0;
    center.addObserver(&observer, QStringLiteral("ColorChanged"), nullptr,
                       [&](const Notification&) { ++anyCalls; });
    center.post(QStringLiteral("ColorChanged"), &panelA);
    center.post(QStringLiteral("ColorChanged"), &panelB);
    QCOMPARE(anyCalls, 2);
}

void PlatformTest::post_carriesUserInfoSynchronously() {
    NotificationCenter center;
    int tab = 0, observer = 0;
    QVariant seen;
    center.addObserver(
        &observer, QStringLiteral("SelectIndexChanged"), &tab,
        [&](const Notification& n) { seen = n.userInfo.value(QStringLiteral("Index")); });
    center.post(QStringLiteral("SelectIndexChanged"), &tab, {{QStringLiteral("Index"), 2}});
    QCOMPARE(seen.toInt(), 2); // already delivered when post() returns
}

void PlatformTest::removeObserver_stopsDelivery() {
    NotificationCenter center;
    int sender = 0, first = 0, second = 0;
    int firstCalls = 0, secondCalls = 0;
    center.addObserver(&first, QStringLiteral("X"), &sender,
                       [&](const Notification&) { ++firstCalls; });
    center.addObserver(&first, QStringLiteral("Y"), &sender,
                       [&](const Notification&) { ++firstCalls; });
    center.addObserver(&second, QStringLiteral("X"), &sender,
                       [&](const Notification&) { ++secondCalls; });
    center.removeObserver(&first);
    QCOMPARE(center.observerCount(), 1);
    center.post(QStringLiteral("X"), &sender);
    center.post(QStringLiteral("Y"), &sender);
    QCOMPARE(firstCalls, 0);
    QCOMPARE(secondCalls, 1);
}

void PlatformTest::removeObserver_duringDelivery() {
    NotificationCenter center;
    int sender = 0, first = 0, second = 0;
    int secondCalls = 0;
    center.addObserver(&first, QStringLiteral("X"), &sender,
                       [&](const Notification&) { center.removeObserver(&second); });
    center.addObserver(&second, QStringLiteral("X"), &sender,
                       [&](const Notification&) { ++secondCalls; });
    center.post(QStringLiteral("X"), &sender);
    QCOMPARE(secondCalls, 0);
}

void PlatformTest::throwingHandler_leavesTheListenerHearingLaterPosts() {
    NotificationCenter center;
    int sender = 0, observer = 0;
    std::vector<QString> heard;
    center.setPostListener([&](const std::vector<Notification>& delivered) {
        for (const Notification& n : delivered)
            heard.push_back(n.name);
    });
    center.addObserver(&observer, QStringLiteral("Throws"), &sender,
                       [](const Notification&) { throw std::runtime_error("handler failed"); });
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, center.post(QStringLiteral("Throws"), &sender));
    center.post(QStringLiteral("Later"), &sender);
    QVERIFY(!heard.empty());
    QCOMPARE(heard.back(), QStringLiteral("Later"));
}

void PlatformTest::bookmark_resolvesOnlyReadableFiles() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.brindleprj"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QByteArray bookmark = Bookmark::fromPath(path);
    QCOMPARE(Bookmark::resolve(bookmark).value_or(QString()), path);
    QVERIFY(QFile::remove(path));
    QVERIFY(!Bookmark::resolve(bookmark).has_value());
    QVERIFY(!Bookmark::resolve(QByteArray("garbage")).has_value());
    QVERIFY(!Bookmark::resolve(Bookmark::fromPath(dir.path())).has_value()); // a folder
}

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
