#include "TestFiles.h"
#include "generator/CodeDocuments.h"
#include "model/GlobalData.h"
#include "project/ProjectFile.h"
#include "workspace/Export.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace brindle;

namespace {

const QString kExportTool = QStringLiteral(BRINDLE_EXPORT_PATH);

using testsupport::ToolRun;

ToolRun runTool(const QStringList& arguments, const QString& temporaryDirectory) {
    return testsupport::runTool(kExportTool, arguments, temporaryDirectory);
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

using testsupport::readBytes;

void writePng(const QString& path, int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    QVERIFY(image.save(path, "PNG"));
}

// A saved project with changed settings, icons on a top-level item and a sub-item, and
// two items sharing one icon file.
void saveSampleProject(const QString& path) {
    QTemporaryDir preview;
    GlobalData store;
    store.setTempFolderPath(preview.path());
    store.setBorderRadius(9);
    store.setShowSeparator(false); // not saved: the export uses separator lines
    store.setMainMenufontFamily(QStringLiteral("Georgia, serif"));
    writePng(preview.filePath(QStringLiteral("home.png")), 16, 16, Qt::red);
    writePng(preview.filePath(QStringLiteral("shared@2x.png")), 32, 30, Qt::blue);
    Node* root = store.getMenuRootNode();
    root->childAt(0)->setImageFileName(QStringLiteral("home.png"));
    root->childAt(0)->setLink(QStringLiteral("https://example.com/?a=1&b=2"));
    root->childAt(1)->childAt(1)->setRetinaImageFileName(QStringLiteral("shared@2x.png"));
    root->childAt(2)->setRetinaImageFileName(QStringLiteral("shared@2x.png"));
    root->childAt(2)->setName(QStringLiteral("Forën <&>"));
    QVERIFY(saveProjectToFile(store, path));
}

} // namespace

class ProjectCliTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void projectForm_writesWhatExportWrites();
    void refusedProject_exitsWithOneAndWritesNothing_data();
    void refusedProject_exitsWithOneAndWritesNothing();
};

void ProjectCliTest::initTestCase() {
    QVERIFY2(QFile::exists(kExportTool), qPrintable(kExportTool));
}

void ProjectCliTest::projectForm_writesWhatExportWrites() {
    QTemporaryDir work, toolTemporary;
    const QString project = work.filePath(QStringLiteral("Sample.brindleprj"));
    saveSampleProject(project);

    // What "export everything" writes after opening the project in a fresh application.
    QTemporaryDir preview;
    const QString expected = work.filePath(QStringLiteral("expected"));
    QVERIFY(QDir().mkdir(expected));
    {
        GlobalData data;
        QVERIFY(data.showSeparator());
        data.setTempFolderPath(preview.path());
        QVERIFY(openProjectFile(data, project));
        CodeDocuments documents(data);
        documents.insertHTML5Code();
        documents.insertCSS3Code();
        QVERIFY(exportAllFilesToFolder(documents.cssText(), documents.htmlText(),
                                       *data.getMenuRootNode(), preview.path(), expected));
    }
    QCOMPARE(entries(expected),
             QStringList({QStringLiteral("bottom.png"), QStringLiteral("home.png"),
                          QStringLiteral("index.html"), QStringLiteral("shared@2x.png"),
                          QStringLiteral("styles.css")}));

    const QString out = work.filePath(QStringLiteral("out"));
    const ToolRun run = runTool({project, out}, toolTemporary.path());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.standardError.isEmpty(), run.standardError.constData());
    QCOMPARE(entries(out), entries(expected));
    for (const QString& name : entries(expected))
        QVERIFY2(readBytes(QDir(out).filePath(name)) == readBytes(QDir(expected).filePath(name)),
                 qPrintable(name));
    QVERIFY(readBytes(QDir(out).filePath(QStringLiteral("styles.css"))).contains("9px"));
    // The private preview folder is gone.
    QCOMPARE(entries(toolTemporary.path()), QStringList());
}

void ProjectCliTest::refusedProject_exitsWithOneAndWritesNothing_data() {
    QTest::addColumn<QByteArray>("bytes"); // null: no file at all
    QTest::addColumn<QString>("reasonMentions");
    GlobalData defaults;
    QByteArray climbing = projectData(defaults);
    climbing.replace("<string>Home</string>\n\t<string>icon0</string>\n\t<string></string>\n\t"
                     "<integer>0</integer>\n\t<false/>",
                     "<string>Home</string>\n\t<string>icon0</string>\n\t<string></string>\n\t"
                     "<integer>0</integer>\n\t<true/>\n\t<string>../escape.png</string>\n\t"
                     "<data>AAAA</data>");
    QVERIFY(climbing.contains("../escape.png"));
    QTest::newRow("icon name leaves the folder") << climbing << QStringLiteral("escape.png");
    QTest::newRow("not a property list") << QByteArray("hello") << QStringLiteral("property list");
    QByteArray unknown = projectData(defaults);
    unknown.replace("Version 3.0", "Version 5.0");
    QTest::newRow("unknown version") << unknown << QStringLiteral("Version 5.0");
    QTest::newRow("truncated") << projectData(defaults).left(2000) << QString();
    QTest::newRow("missing file") << QByteArray() << QStringLiteral("cannot be read");
}

void ProjectCliTest::refusedProject_exitsWithOneAndWritesNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reasonMentions);
    QTemporaryDir work, toolTemporary;
    const QString project = work.filePath(QStringLiteral("Bad.brindleprj"));
    if (!bytes.isNull()) {
        QFile file(project);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const QString existing = work.filePath(QStringLiteral("existing"));
    const QString missing = work.filePath(QStringLiteral("missing"));
    QVERIFY(QDir().mkdir(existing));
    for (const QString& out : {existing, missing}) {
        const ToolRun run = runTool({project, out}, toolTemporary.path());
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.standardError.startsWith("brindle-export: cannot open "));
        QCOMPARE(run.standardError.count('\n'), 1);
        QVERIFY2(QString::fromUtf8(run.standardError).contains(reasonMentions),
                 run.standardError.constData());
    }
    QCOMPARE(entries(existing), QStringList());
    QVERIFY(!QFileInfo::exists(missing));
    QCOMPARE(entries(toolTemporary.path()), QStringList());
}

QTEST_GUILESS_MAIN(ProjectCliTest)
#include "tst_project_cli.moc"
