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

#include <clocale>

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

// Sets the process's C library locale, and the environment's LC_ALL that a started tool
// takes over, to `name` for the object's lifetime.
class LocaleSwitch {
public:
    explicit LocaleSwitch(const char* name)
        : m_savedLocale(std::setlocale(LC_ALL, nullptr)), m_savedEnvironment(qgetenv("LC_ALL")),
          m_hadEnvironment(qEnvironmentVariableIsSet("LC_ALL")),
          m_ok(std::setlocale(LC_ALL, name) != nullptr) {
        qputenv("LC_ALL", name);
    }
    ~LocaleSwitch() {
        std::setlocale(LC_ALL, m_savedLocale.constData());
        if (m_hadEnvironment)
            qputenv("LC_ALL", m_savedEnvironment);
        else
            qunsetenv("LC_ALL");
    }
    bool ok() const { return m_ok; }

private:
    QByteArray m_savedLocale;
    QByteArray m_savedEnvironment;
    bool m_hadEnvironment;
    bool m_ok;
};

// What Export All writes for the store, in this process.
void exportInProcess(GlobalData& data, const QString& folder) {
    CodeDocuments documents(data);
    documents.insertHTML5Code();
    documents.insertCSS3Code();
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(exportAllFilesToFolder(documents.cssText(), documents.htmlText(),
                                   *data.getMenuRootNode(), data.tempFolderPath(), folder));
}

void compareFolders(const QString& actual, const QString& expected) {
    QCOMPARE(entries(actual), entries(expected));
    for (const QString& name : entries(expected))
        QVERIFY2(readBytes(QDir(actual).filePath(name)) == readBytes(QDir(expected).filePath(name)),
                 qPrintable(name));
}

} // namespace

class ProjectCliTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void projectForm_writesWhatExportWrites();
    void refusedProject_exitsWithOneAndWritesNothing_data();
    void refusedProject_exitsWithOneAndWritesNothing();
    void numbers_readTheSameInEveryLocale_data();
    void numbers_readTheSameInEveryLocale();
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

void ProjectCliTest::numbers_readTheSameInEveryLocale_data() {
    QTest::addColumn<QByteArray>("locale");
    QTest::newRow("C") << QByteArray("C");
    QTest::newRow("German") << QByteArray("de_DE.UTF-8");
    QTest::newRow("French") << QByteArray("fr_FR.UTF-8");
}

// Generation, saving, opening and both exports give the same bytes whatever the locale's
// decimal separator; the references are made under the C locale.
void ProjectCliTest::numbers_readTheSameInEveryLocale() {
    QFETCH(QByteArray, locale);
    QTemporaryDir work, preview, toolTemporary;
    const QString project = work.filePath(QStringLiteral("Sample.brindleprj"));
    saveSampleProject(project);
    GlobalData reference;
    reference.setTempFolderPath(preview.path());
    QVERIFY(openProjectFile(reference, project));
    reference.setValue(Setting::dropShadowOpacity, 0.6);
    const QByteArray referenceSaved = projectData(reference);
    // What opening that file exports (opening re-encodes icons, so export after the same
    // number of round trips).
    const QString referenceExport = work.filePath(QStringLiteral("reference"));
    {
        QTemporaryDir referencePreview;
        GlobalData reopened;
        reopened.setTempFolderPath(referencePreview.path());
        QVERIFY(openProjectData(reopened, referenceSaved, referencePreview.path()));
        exportInProcess(reopened, referenceExport);
    }
    GlobalData defaults;
    CodeDocuments defaultDocuments(defaults);
    defaultDocuments.insertCSS3Code();
    const QString defaultCss = defaultDocuments.cssText();
    // The default design's stops and shadows, as CSS writes them.
    QVERIFY(defaultCss.contains(QLatin1String("color-stop(0.25, #c7d95f)")));
    QVERIFY(defaultCss.contains(QLatin1String("rgba(0,0,0,0.5)")));

    const LocaleSwitch localeSwitch(locale.constData());
    QVERIFY2(localeSwitch.ok(), "locale missing: scripts/setup.sh generates it");

    // Generation and saving in this process.
    CodeDocuments documents(defaults);
    documents.insertCSS3Code();
    QCOMPARE(documents.cssText(), defaultCss);
    QCOMPARE(projectData(reference), referenceSaved);

    // Opening what the C locale saved, then saving it again.
    QTemporaryDir openedPreview;
    GlobalData opened;
    opened.setTempFolderPath(openedPreview.path());
    QVERIFY(openProjectData(opened, referenceSaved, openedPreview.path()));
    QCOMPARE(opened.doubleValue(Setting::dropShadowOpacity), 0.6);
    QCOMPARE(projectData(opened), referenceSaved);
    const QString inProcess = work.filePath(QStringLiteral("in-process"));
    exportInProcess(opened, inProcess);
    compareFolders(inProcess, referenceExport);

    // The tool, started under the locale, on the saved file and on the defaults.
    const QString savedProject = work.filePath(QStringLiteral("Saved.brindleprj"));
    {
        QFile file(savedProject);
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write(referenceSaved) == referenceSaved.size());
    }
    const QString toolOut = work.filePath(QStringLiteral("tool"));
    ToolRun run = runTool({savedProject, toolOut}, toolTemporary.path());
    QCOMPARE(run.exitCode, 0);
    compareFolders(toolOut, referenceExport);
    const QString toolDefaults = work.filePath(QStringLiteral("tool-defaults"));
    run = runTool({QStringLiteral("--defaults"), toolDefaults}, toolTemporary.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(testsupport::readText(QDir(toolDefaults).filePath(QStringLiteral("styles.css"))),
             defaultCss);
}

QTEST_GUILESS_MAIN(ProjectCliTest)
#include "tst_project_cli.moc"
