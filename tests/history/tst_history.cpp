#include "generator/CodeDocuments.h"
#include "history/DesignHistory.h"
#include "history/RecoveryFile.h"
#include "model/GlobalData.h"
#include "platform/NotificationCenter.h"
#include "project/ProjectFile.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <unistd.h>

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
        const int kind = random.bounded(4);
        if (kind == 0 || root->childCount() < 2) {
            auto item = Node::make(QStringLiteral("Item %1").arg(random.bounded(100)),
                                   QStringLiteral("icon%1").arg(100 + random.bounded(900)), root);
            data.addMenuRootNodeChild(std::move(item));
        } else if (kind == 1) {
            data.removeMenuRootNodeChild(root->childAt(random.bounded(root->childCount())));
        } else if (kind == 2) {
            root->childAt(random.bounded(root->childCount()))->setName(QStringLiteral("Renamed"));
        } else { // an SVG icon, inside the link or beside the page
            Node* item = root->childAt(random.bounded(root->childCount()));
            const qint64 side = 8 + random.bounded(16);
            item->setImageFileName(QStringLiteral("s.png"));
            item->setImageWidth(side);
            item->setImageHeight(side);
            item->setRetinaImageFileName(QStringLiteral("s@2x.png"));
            item->setRetinaImageWidth(side);
            item->setRetinaImageHeight(side);
            item->setSvgIcon({"<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 4 4\">"
                              "<path id=\"p\" d=\"M0 0h4v4z\"/></svg>",
                              QStringLiteral("s%1.svg").arg(side), random.bounded(2) == 1});
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

// The child process of the kill test: edits every few milliseconds as a designer would,
// each a step of the history, and saves now and then; the recovery copy follows as the
// document keeps it. It says on standard output, with the time, when it saved (and which
// edit the file holds) and when the design became modified again.
constexpr int kChildRecoveryIntervalMs = 100;

int runEditingChild(const QString& folder) {
    GlobalData data;
    NotificationCenter center;
    DesignHistory history(data, center, [](const QString&) { return true; });
    RecoveryFile recovery(data, folder);
    recovery.setIntervalMs(kChildRecoveryIntervalMs);
    const QString saved = QDir(folder).filePath(QStringLiteral("Saved.brindleprj"));
    QObject::connect(&history.stack(), &QUndoStack::indexChanged, &recovery,
                     [&] { recovery.documentChanged(!history.stack().isClean()); });
    QFile out;
    out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    const auto say = [&out](const QString& line) {
        out.write(
            QStringLiteral("%1 %2\n").arg(line).arg(QDateTime::currentMSecsSinceEpoch()).toUtf8());
    };
    QRandomGenerator random(qEnvironmentVariableIntValue("BRINDLE_EDITING_SEED"));
    int edits = 0;
    bool modified = false;
    QElapsedTimer sinceSave;
    sinceSave.start();
    qint64 nextSave = 400 + random.bounded(1200);
    QTimer editor;
    QObject::connect(&editor, &QTimer::timeout, [&] {
        if (sinceSave.elapsed() >= nextSave) {
            // Said first: from here on the copy may go at any moment.
            say(QStringLiteral("saving"));
            history.commitPending();
            if (saveProjectToFile(data, saved).ok) {
                history.stack().setClean();
                recovery.discard();
                modified = false;
                say(QStringLiteral("saved %1").arg(edits));
            }
            sinceSave.restart();
            nextSave = 400 + random.bounded(1200);
            return;
        }
        ++edits;
        data.getMenuRootNode()->childAt(0)->setName(QStringLiteral("Edit %1").arg(edits));
        data.setBorderRadius(edits % 100);
        center.post(kMenuRouted, &data);
        if (!modified) {
            modified = true;
            say(QStringLiteral("modified"));
        }
    });
    editor.start(5);
    return QCoreApplication::exec();
}

} // namespace

class HistoryTest : public QObject {
    Q_OBJECT

private slots:
    void randomActions_undoAndRedoAllTheWay_restoreEveryState();
    void steps_areNamedMergedAndCleanAsTheUserSeesThem();
    void recoveryFile_keepsUnsavedWorkUntilSavedAndIsFoundAfterACrash();
    void killedWhileEditing_keepsTheSavedFileAndAFreshCopy();
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

// Killed at random moments while it edits and saves, a run leaves the file it saved last
// whole, and — once it has been modified for longer than the recovery interval — a copy that
// the next start finds and opens, no older than the interval.
void HistoryTest::killedWhileEditing_keepsTheSavedFileAndAFreshCopy() {
    // Time for the child's timers on a busy machine; the copy is due every interval.
    constexpr qint64 kSlackMs = 400;
    QRandomGenerator random(20261207);
    int copiesChecked = 0;
    for (int kill = 0; kill < 30; ++kill) {
        QTemporaryDir folder;
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("BRINDLE_EDITING_CHILD"), folder.path());
        environment.insert(QStringLiteral("BRINDLE_EDITING_SEED"), QString::number(kill + 1));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        QTest::qWait(150 + int(random.bounded(1500)));
        const qint64 killedAt = QDateTime::currentMSecsSinceEpoch();
        child.kill();
        QVERIFY(child.waitForFinished());
        const QString where = QStringLiteral("kill %1").arg(kill);

        int savedEdit = -1;
        qint64 modifiedSince = -1;
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() == 2 && words[0] == "saving") {
                modifiedSince = -1;
            } else if (words.size() == 3 && words[0] == "saved") {
                savedEdit = words[1].toInt();
            } else if (words.size() == 2 && words[0] == "modified") {
                modifiedSince = words[1].toLongLong();
            }
        }
        // The saved file is whole: the one last said, or one saved just before the kill.
        const QString saved = folder.filePath(QStringLiteral("Saved.brindleprj"));
        if (savedEdit >= 0 || QFile::exists(saved)) {
            GlobalData reopened;
            QVERIFY2(openProjectFile(reopened, saved).ok, qPrintable(where));
            const QString title = reopened.getMenuRootNode()->childAt(0)->name();
            QVERIFY2(title.startsWith(QStringLiteral("Edit ")) && title.mid(5).toInt() >= savedEdit,
                     qPrintable(where + QLatin1Char(' ') + title));
        }
        // The next start finds the unsaved work, and it opens.
        const QList<LeftWork> left = RecoveryFile::findLeftWork(folder.path());
        for (const LeftWork& work : left) {
            GlobalData recovered;
            QVERIFY2(openProjectFile(recovered, work.projectPath).ok, qPrintable(where));
        }
        if (modifiedSince >= 0 && killedAt - modifiedSince > kChildRecoveryIntervalMs + kSlackMs) {
            QVERIFY2(left.size() == 1, qPrintable(where));
            const qint64 age =
                left.first().written.msecsTo(QDateTime::fromMSecsSinceEpoch(killedAt));
            QVERIFY2(age <= kChildRecoveryIntervalMs + kSlackMs,
                     qPrintable(where + QStringLiteral(": the copy is %1 ms old").arg(age)));
            ++copiesChecked;
        }
    }
    // The random moments must have met modified stretches, or the test proved nothing.
    qInfo("%d kills came after a modified stretch longer than the interval", copiesChecked);
    QVERIFY2(copiesChecked >= 5, qPrintable(QString::number(copiesChecked)));
}

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsSet("BRINDLE_EDITING_CHILD"))
        return runEditingChild(qEnvironmentVariable("BRINDLE_EDITING_CHILD"));
    HistoryTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_history.moc"
