#include "generator/CodeDocuments.h"
#include "history/DesignHistory.h"
#include "history/RecoveryFile.h"
#include "model/GlobalData.h"
#include "platform/NotificationCenter.h"
#include "project/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace brindle;

namespace {

const QString kRouted = QStringLiteral("StyleDataUpdated");
const QString kMenuRouted = QStringLiteral("MenuStructureDataUpdated");

QString stylesheetOf(const GlobalData& data) {
    CodeDocuments documents(data);
    documents.insertHTML5Code();
    documents.insertCSS3Code();
    return documents.htmlText() + documents.cssText();
}

// A value of the setting's kind that differs from its current one.
SettingValue otherValue(const SettingValue& value, QRandomGenerator& random) {
    struct Visitor {
        QRandomGenerator& random;
        SettingValue operator()(qint64 v) const { return v + 1 + random.bounded(20); }
        SettingValue operator()(double v) const { return v + 0.1 * (1 + random.bounded(5)); }
        SettingValue operator()(bool v) const { return !v; }
        SettingValue operator()(const Color& c) const {
            return Color{random.bounded(256) / 255.0, random.bounded(256) / 255.0,
                         c.blue == 0.5 ? 0.25 : 0.5, 1.0};
        }
        SettingValue operator()(const QString& s) const { return s + QStringLiteral(", serif"); }
    };
    return std::visit(Visitor{random}, value);
}

// One user action of a random kind on the store, announced as the panels and the editor do.
void randomAction(GlobalData& data, NotificationCenter& center, QRandomGenerator& random,
                  const QObject& panel, const QObject& editor) {
    Node* root = data.getMenuRootNode();
    switch (random.bounded(6)) {
    case 0: { // a menu edit
        const int kind = random.bounded(3);
        if (kind == 0 || root->childCount() < 2) {
            auto item = Node::make(QStringLiteral("Item %1").arg(random.bounded(100)),
                                   QStringLiteral("icon%1").arg(100 + random.bounded(900)), root);
            data.addMenuRootNodeChild(std::move(item));
        } else if (kind == 1) {
            data.removeMenuRootNodeChild(root->childAt(random.bounded(root->childCount())));
        } else {
            root->childAt(random.bounded(root->childCount()))->setName(QStringLiteral("Renamed"));
        }
        center.post(kMenuRouted, &editor, {{QStringLiteral("UndoText"), QStringLiteral("Edit")}});
        return;
    }
    case 2: { // an output option: style, landmark name or phone breakpoint
        OutputOptions options = data.outputOptions();
        const int kind = random.bounded(3);
        if (kind == 0)
            options.style =
                options.style == OutputStyle::Modern ? OutputStyle::Classic : OutputStyle::Modern;
        else if (kind == 1)
            options.navLabel = QStringLiteral("Menu %1").arg(random.bounded(100));
        else
            options.breakpoint = 300 + random.bounded(900);
        data.setOutputOptions(options);
        center.post(kRouted, &panel);
        return;
    }
    case 1: { // a quick-mode choice: several settings in one action
        for (int i = 0; i < 3; ++i) {
            const auto s = static_cast<Setting>(random.bounded(kPersistedSettingCount));
            data.setValue(s, otherValue(data.value(s), random));
            center.post(kRouted, &panel);
        }
        return;
    }
    default: {
        const auto s = static_cast<Setting>(random.bounded(kPersistedSettingCount));
        data.setValue(s, otherValue(data.value(s), random));
        center.post(kRouted, &panel);
    }
    }
}

// Writes a lock file as a process that no longer runs would have left it.
void writeDeadOwnersLock(const QString& path) {
    QFile lock(path);
    QVERIFY(lock.open(QIODevice::WriteOnly));
    // A process id above the kernel's largest one cannot be running.
    lock.write("4194305\n" + QCoreApplication::applicationName().toUtf8() + '\n' +
               QSysInfo::machineHostName().toUtf8() + '\n');
}

} // namespace

class HistoryTest : public QObject {
    Q_OBJECT

private slots:
    void randomActions_undoAndRedoAllTheWay_restoreEveryState();
    void steps_areNamedMergedAndCleanAsTheUserSeesThem();
    void recoveryFile_keepsUnsavedWorkUntilSavedAndIsFoundAfterACrash();
};

// Every action becomes one step; undoing them all gives back the first design exactly, and
// every state on the way equals the one after the matching action — also the texts built
// by whoever listens to the re-posted notifications.
void HistoryTest::randomActions_undoAndRedoAllTheWay_restoreEveryState() {
    for (const quint32 seed : {1u, 7u, 2024u}) {
        GlobalData data;
        NotificationCenter center;
        QObject panel, editor;
        int routedPosts = 0;
        QString rebuilt = stylesheetOf(data);
        const auto rebuild = [&](const Notification&) {
            ++routedPosts;
            rebuilt = stylesheetOf(data);
        };
        center.addObserver(this, kRouted, &panel, rebuild);
        center.addObserver(this, kMenuRouted, &editor, rebuild);
        DesignHistory history(data, center, [](const QString& name) {
            return name == kRouted || name == kMenuRouted;
        });

        QRandomGenerator random(seed);
        QStringList states{stylesheetOf(data)};
        constexpr int kActions = 60;
        for (int i = 0; i < kActions; ++i) {
            randomAction(data, center, random, panel, editor);
            history.commitPending();
            states.append(stylesheetOf(data));
        }
        QVERIFY2(history.stack().count() <= kActions, qPrintable(QString::number(seed)));
        QVERIFY(history.stack().count() > kActions / 2);
        for (int i = history.stack().count(); i > 0; --i) {
            routedPosts = 0;
            history.undo();
            QVERIFY(routedPosts > 0);
            QCOMPARE(rebuilt, stylesheetOf(data));
        }
        QCOMPARE(stylesheetOf(data), states.first());
        while (history.stack().canRedo())
            history.redo();
        QCOMPARE(stylesheetOf(data), states.last());
        QCOMPARE(rebuilt, states.last());
        center.removeObserver(this);
    }
}

void HistoryTest::steps_areNamedMergedAndCleanAsTheUserSeesThem() {
    GlobalData data;
    NotificationCenter center;
    QObject panel, well, editor;
    center.addObserver(this, QStringLiteral("ColorChanged"), &well,
                       [&](const Notification&) { center.post(kRouted, &panel); });
    DesignHistory history(data, center, [](const QString& name) { return name == kRouted; });
    QVERIFY(history.stack().isClean());

    // A value written and announced: one step named after the setting.
    data.setBorderRadius(9);
    center.post(kRouted, &panel);
    history.commitPending();
    QCOMPARE(history.stack().count(), 1);
    QCOMPARE(history.stack().undoText(), QStringLiteral("Border Radius"));
    QVERIFY(!history.stack().isClean());

    // An announcement that changed nothing is no step (a panel refilling itself).
    center.post(kRouted, &panel);
    history.commitPending();
    QCOMPARE(history.stack().count(), 1);

    // The output options are a step of their own, and undo gives the old ones back.
    data.setOutputOptions({OutputStyle::Modern, QStringLiteral("Shop"), 700});
    center.post(kRouted, &panel);
    history.commitPending();
    QCOMPARE(history.stack().count(), 2);
    QCOMPARE(history.stack().undoText(), QStringLiteral("Output Options"));
    history.undo();
    QCOMPARE(data.outputOptions(), OutputOptions());
    QCOMPARE(data.borderRadius(), qint64(9));
    history.redo();
    QCOMPARE(data.outputOptions().navLabel, QStringLiteral("Shop"));
    history.undo();
    QCOMPARE(history.stack().count(), 2);

    // A drag in the colour window: many changes of one well, one step.
    for (int i = 1; i <= 5; ++i) {
        data.setBorderColor(Color{i / 10.0, 0, 0, 1});
        center.post(QStringLiteral("ColorChanged"), &well);
        history.commitPending();
    }
    QCOMPARE(history.stack().count(), 2);
    history.undo();
    QVERIFY(SettingValue(data.borderColor()) == GlobalData::defaultValue(Setting::borderColor));
    QCOMPARE(data.borderRadius(), 9);

    // The same number typed twice is two steps, not one merged step.
    data.setBorderRadius(10);
    center.post(kRouted, &panel);
    history.commitPending();
    data.setBorderRadius(11);
    center.post(kRouted, &panel);
    history.commitPending();
    QCOMPARE(history.stack().count(), 3);

    // A step named by its sender; undoing back to the start is clean again.
    data.getMenuRootNode()->childAt(0)->setName(QStringLiteral("Start"));
    center.post(kMenuRouted, &editor,
                {{QStringLiteral("UndoText"), QStringLiteral("Rename Item")}});
    history.commitPending();
    QCOMPARE(history.stack().undoText(), QStringLiteral("Rename Item"));
    while (history.stack().canUndo())
        history.undo();
    QVERIFY(history.stack().isClean());
    QCOMPARE(data.getMenuRootNode()->childAt(0)->name(), QStringLiteral("Home"));
    QVERIFY(SettingValue(data.borderRadius()) == GlobalData::defaultValue(Setting::borderRadius));

    // Starting again forgets every step.
    history.redo();
    history.reset();
    QCOMPARE(history.stack().count(), 0);
    QVERIFY(!history.stack().canUndo());
}

void HistoryTest::recoveryFile_keepsUnsavedWorkUntilSavedAndIsFoundAfterACrash() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    GlobalData data;
    data.setBorderRadius(17);
    data.getMenuRootNode()->childAt(0)->setName(QStringLiteral("Unsaved"));

    {
        RecoveryFile recovery(data, folder.path());
        recovery.setOriginalPath(QStringLiteral("/somewhere/design.brindleprj"));
        recovery.setIntervalMs(10);
        recovery.documentChanged(true);
        QTRY_VERIFY(QFile::exists(recovery.projectPath()));
        // This run still lives: its work is not offered to another.
        QVERIFY(RecoveryFile::findLeftWork(folder.path()).isEmpty());
        // Saved: nothing to recover.
        recovery.documentChanged(false);
        QVERIFY(!QFile::exists(recovery.projectPath()));
        QVERIFY(RecoveryFile::findLeftWork(folder.path()).isEmpty());
        QVERIFY(recovery.writeNow().ok);
        // Left in place, as a crash would leave it: the lock file stays behind too.
        QFile::copy(recovery.projectPath(),
                    folder.filePath(QStringLiteral("recovery-1-1.brindleprj")));
        QFile::copy(recovery.projectPath().replace(QStringLiteral(".brindleprj"),
                                                   QStringLiteral(".origin")),
                    folder.filePath(QStringLiteral("recovery-1-1.origin")));
        recovery.discard();
    }
    writeDeadOwnersLock(folder.filePath(QStringLiteral("recovery-1-1.lock")));

    const QList<LeftWork> left = RecoveryFile::findLeftWork(folder.path());
    QCOMPARE(left.size(), 1);
    QCOMPARE(left.first().originalPath, QStringLiteral("/somewhere/design.brindleprj"));
    GlobalData restored;
    QVERIFY(openProjectFile(restored, left.first().projectPath).ok);
    QCOMPARE(restored.borderRadius(), 17);
    QCOMPARE(restored.getMenuRootNode()->childAt(0)->name(), QStringLiteral("Unsaved"));
    QCOMPARE(stylesheetOf(restored), stylesheetOf(data));
    // Offered once: whoever holds it keeps it from a second start.
    QVERIFY(RecoveryFile::findLeftWork(folder.path()).isEmpty());
    QCOMPARE(left.first().itemCount, 5);
    QCOMPARE(left.first().firstTitles,
             (QStringList{QStringLiteral("Unsaved"), QStringLiteral("Products"),
                          QStringLiteral("Forums")}));
    left.first().remove();
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());

    // A folder that cannot be made: told once, tried again every interval, and told when
    // a copy is kept again.
    const QString blocked = folder.filePath(QStringLiteral("blocked"));
    QFile blocker(blocked);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RecoveryFile failing(data, blocked + QStringLiteral("/recovery"));
    QSignalSpy failed(&failing, &RecoveryFile::writeFailed);
    QSignalSpy recovered(&failing, &RecoveryFile::writeRecovered);
    failing.setIntervalMs(10);
    failing.documentChanged(true);
    QTRY_COMPARE(failed.count(), 1);
    QTest::qWait(60); // several more tries
    QCOMPARE(failed.count(), 1);
    QVERIFY(failed.first().first().toString().contains(blocked));
    QVERIFY(QFile::remove(blocked));
    QTRY_COMPARE(recovered.count(), 1);
    QVERIFY(QFile::exists(failing.projectPath()));
    QVERIFY(failing.writeAndVerify());
    failing.discard();
}

QTEST_GUILESS_MAIN(HistoryTest)
#include "tst_history.moc"
