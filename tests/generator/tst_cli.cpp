#include "tst_cli.h"

#include "TestFiles.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

#ifdef BRINDLE_EXPORT_PATH
const QString kExportTool = QStringLiteral(BRINDLE_EXPORT_PATH);
#else
const QString kExportTool;
#endif

using namespace Qt::StringLiterals;
using testsupport::readBytes;
using testsupport::readText;
using testsupport::ToolRun;

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

ToolRun runTool(const QStringList& arguments) {
    return testsupport::runTool(kExportTool, arguments);
}

} // namespace

void CliTest::initTestCase() {
    if (kExportTool.isEmpty())
        QSKIP("brindle-export is not part of this build");
    QVERIFY2(QFile::exists(kExportTool), qPrintable(kExportTool));
}

void CliTest::defaults_writesPageStylesheetAndArrow() {
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    // A folder that does not exist yet is created.
    const QString out = temporary.filePath(QStringLiteral("export/here"));
    const ToolRun run = runTool({QStringLiteral("--defaults"), out});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.standardError.isEmpty(), run.standardError.constData());

    QStringList files = QDir(out).entryList(QDir::Files);
    files.sort();
    QCOMPARE(files, QStringList({QStringLiteral("bottom.png"), QStringLiteral("index.html"),
                                 QStringLiteral("styles.css")}));
    QCOMPARE(readText(out + QStringLiteral("/styles.css")),
             testing::readTestData(QStringLiteral("default.css")));
    QCOMPARE(readText(out + QStringLiteral("/index.html")),
             testing::readTestData(QStringLiteral("default.html")));
    const QImage arrow(out + QStringLiteral("/bottom.png"), "PNG");
    QVERIFY(!arrow.isNull());
    QCOMPARE(arrow.size(), QSize(16, 16));

    // Exporting again over the same files replaces them.
    QCOMPARE(runTool({QStringLiteral("--defaults"), out}).exitCode, 0);
    QCOMPARE(readText(out + QStringLiteral("/index.html")),
             testing::readTestData(QStringLiteral("default.html")));
}

void CliTest::informationOptions_printAndExitWithZero_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("firstLine");
    QTest::addColumn<int>("lineCount");
    const QByteArray version = QByteArrayLiteral("brindle-export " BRINDLE_PROJECT_VERSION "\n");
    const QByteArray usage =
        QByteArrayLiteral("usage: brindle-export [OPTIONS] --defaults OUTDIR\n");
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << version << 1;
    QTest::newRow("-v") << QStringList{QStringLiteral("-v")} << version << 1;
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << usage << 19;
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << usage << 19;
}

void CliTest::informationOptions_printAndExitWithZero() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, firstLine);
    QFETCH(int, lineCount);
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    QProcess process;
    process.setWorkingDirectory(temporary.path());
    process.start(kExportTool, arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QByteArray output = process.readAllStandardOutput();
    QCOMPARE(output.left(output.indexOf('\n') + 1), firstLine);
    QCOMPARE(output.count('\n'), lineCount);
    QCOMPARE(process.readAllStandardError(), QByteArray());
    QVERIFY(QDir(temporary.path()).isEmpty());
}

void CliTest::usageErrors_exitWithTwo_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no arguments") << QStringList();
    QTest::newRow("--defaults without folder") << QStringList{QStringLiteral("--defaults")};
    QTest::newRow("--defaults with two folders")
        << QStringList{QStringLiteral("--defaults"), QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus"), QStringLiteral("a")};
    QTest::newRow("project without folder") << QStringList{QStringLiteral("design.brindleprj")};
    QTest::newRow("style without a name") << QStringList{QStringLiteral("--output-style")};
    QTest::newRow("unknown style")
        << QStringList{QStringLiteral("--output-style"), QStringLiteral("fancy"),
                       QStringLiteral("--defaults"), QStringLiteral("a")};
    QTest::newRow("style without a design")
        << QStringList{QStringLiteral("--output-style=modern"), QStringLiteral("a")};
    QTest::newRow("class name beginning with a digit")
        << QStringList{QStringLiteral("--class-name"), QStringLiteral("2nav"),
                       QStringLiteral("--defaults"), QStringLiteral("a")};
    QTest::newRow("class name that would need escaping") << QStringList{
        QStringLiteral("--class-name=a\"b"), QStringLiteral("--defaults"), QStringLiteral("a")};
    QTest::newRow("class name without a name") << QStringList{QStringLiteral("--class-name")};
    QTest::newRow("class name twice")
        << QStringList{QStringLiteral("--class-name=a"), QStringLiteral("--class-name=b"),
                       QStringLiteral("--defaults"), QStringLiteral("a")};
    QTest::newRow("snippet twice")
        << QStringList{QStringLiteral("--snippet"), QStringLiteral("--snippet"),
                       QStringLiteral("--defaults"), QStringLiteral("a")};
    QTest::newRow("snippet without a design") << QStringList{QStringLiteral("--snippet")};
    QTest::newRow("force twice") << QStringList{
        QStringLiteral("--force"), QStringLiteral("--snippet"), QStringLiteral("--force"),
        QStringLiteral("--defaults"), QStringLiteral("a")};
    QTest::newRow("help with more") << QStringList{QStringLiteral("--help"), QStringLiteral("a")};
    QTest::newRow("menu without a file") << QStringList{QStringLiteral("--menu")};
    QTest::newRow("menu of an empty name") << QStringList{
        QStringLiteral("--menu="), QStringLiteral("--defaults"), QStringLiteral("a")};
    QTest::newRow("menu twice") << QStringList{QStringLiteral("--menu=a.md"),
                                               QStringLiteral("--menu=b.md"),
                                               QStringLiteral("--defaults"), QStringLiteral("a")};
}

void CliTest::usageErrors_exitWithTwo() {
    QFETCH(QStringList, arguments);
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    QProcess process;
    process.setWorkingDirectory(temporary.path());
    process.start(kExportTool, arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 2);
    const QByteArray error = process.readAllStandardError();
    QVERIFY(error.startsWith("brindle-export: "));
    QCOMPARE(error.count('\n'), 1);
    QVERIFY(QDir(temporary.path()).isEmpty());
}

void CliTest::unwritableOutput_exitsWithOne() {
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    // A plain file stands where the folder would go.
    const QString blocker = temporary.filePath(QStringLiteral("file"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    for (const QString& out : QStringList{blocker, blocker + QStringLiteral("/sub")}) {
        const ToolRun run = runTool({QStringLiteral("--defaults"), out});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.standardError.startsWith("brindle-export: "));
        QCOMPARE(run.standardError.count('\n'), 1);
    }
}

void CliTest::outputStyle_choosesTheFrame() {
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString classic = temporary.filePath(QStringLiteral("classic"));
    QCOMPARE(
        runTool({QStringLiteral("--output-style=classic"), QStringLiteral("--defaults"), classic})
            .exitCode,
        0);
    QCOMPARE(readText(classic + QStringLiteral("/styles.css")),
             testing::readTestData(QStringLiteral("default.css")));
    QCOMPARE(readText(classic + QStringLiteral("/index.html")),
             testing::readTestData(QStringLiteral("default.html")));
    QVERIFY(!QFile::exists(classic + QStringLiteral("/menu.js")));

    const QString modern = temporary.filePath(QStringLiteral("modern"));
    const ToolRun run = runTool({QStringLiteral("--output-style"), QStringLiteral("modern"),
                                 QStringLiteral("--defaults"), modern});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.standardError.isEmpty(), run.standardError.constData());
    QStringList files = QDir(modern).entryList(QDir::Files);
    files.sort();
    // The arrow is drawn by the stylesheet: no picture.
    QCOMPARE(files, QStringList({QStringLiteral("index.html"), QStringLiteral("menu.js"),
                                 QStringLiteral("styles.css")}));
    QVERIFY(readText(modern + QStringLiteral("/index.html"))
                .contains(QStringLiteral("<nav class=\"brindlenav-nav\" aria-label=\"Main\">\n")));
    QVERIFY(readText(modern + QStringLiteral("/styles.css"))
                .contains(QStringLiteral("\n@media (max-width: 639.98px) {\n")));
    QVERIFY(readText(modern + QStringLiteral("/menu.js")).contains(QStringLiteral("Escape")));
}

void CliTest::snippet_isTheMenuAloneUnderItsClassName() {
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString out = temporary.filePath(QStringLiteral("snippet"));
    // Options in any order; the snippet is Modern whatever the design's style.
    const ToolRun run =
        runTool({QStringLiteral("--snippet"), QStringLiteral("--class-name=site"),
                 QStringLiteral("--output-style=classic"), QStringLiteral("--defaults"), out});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.standardError.isEmpty(), run.standardError.constData());
    QStringList files = QDir(out).entryList(QDir::Files);
    files.sort();
    // Named after the class name, pictures too: menus of other names can share the folder.
    QCOMPARE(files, QStringList({QStringLiteral("site.css"), QStringLiteral("site.html"),
                                 QStringLiteral("site.js")}));
    const QString html = readText(out + QStringLiteral("/site.html"));
    // A comment naming the two lines for the page's head, then the <nav> element alone.
    const qsizetype commentEnd = html.indexOf(QStringLiteral("-->\n"));
    QVERIFY(html.startsWith(QStringLiteral("<!--")) && commentEnd > 0);
    const QString comment = html.left(commentEnd);
    QVERIFY(comment.contains(QStringLiteral("\t<link rel=\"stylesheet\" href=\"site.css\">\n")));
    QVERIFY(comment.contains(QStringLiteral("\t<script src=\"site.js\" defer></script>\n")));
    const QString nav = html.mid(commentEnd + 4);
    QVERIFY(nav.startsWith(QStringLiteral("<nav class=\"site-nav\" aria-label=\"Main\">\n"
                                          "<input type=\"checkbox\" id=\"site-toggle\"")));
    QVERIFY(nav.endsWith(QStringLiteral("</ul>\n</nav>\n")));
    QCOMPARE(nav.count(QStringLiteral("<nav")), 1);
    for (const char* pageOnly : {"<html", "<head", "<body", "<!DOCTYPE", "brindlenav"})
        QVERIFY2(!nav.contains(QLatin1String(pageOnly)), pageOnly);
    const QString css = readText(out + QStringLiteral("/site.css"));
    QVERIFY(css.contains(QStringLiteral(".site-nav .site li:focus-within > ul,\n")));
    QVERIFY(!css.contains(QStringLiteral("bottom.png")));
    QVERIFY(readText(out + QStringLiteral("/site.js"))
                .contains(QStringLiteral("\tvar name = \"site\", ")));
}

void CliTest::snippet_neverReplacesASitesFilesUnlessForced_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("force");
    QTest::addColumn<QStringList>("clashes"); // the site's files the snippet would replace
    QTest::newRow("a site's page and stylesheet")
        << "index" << false << QStringList{u"index.css"_s, u"index.html"_s};
    QTest::newRow("forced") << "index" << true << QStringList{u"index.css"_s, u"index.html"_s};
    // The snippet draws its arrow and names its pictures after itself: the site's own
    // pictures never clash.
    QTest::newRow("the site's pictures") << "style" << false << QStringList();
}

// A snippet goes into a site's folder: it never replaces a file it did not write, unless
// told to; a file that already holds what it writes is no clash.
void CliTest::snippet_neverReplacesASitesFilesUnlessForced() {
    QFETCH(QString, className);
    QFETCH(bool, force);
    QFETCH(QStringList, clashes);
    QTemporaryDir site;
    QVERIFY(site.isValid());
    const QHash<QString, QByteArray> own = {{u"index.html"_s, "<p>the site</p>"},
                                            {u"index.css"_s, "p { color: red }"},
                                            {u"home.png"_s, "the site's picture"},
                                            {u"bottom.png"_s, "the site's arrow"}};
    for (auto it = own.cbegin(); it != own.cend(); ++it)
        QVERIFY(writeBytes(site.filePath(it.key()), it.value()));
    QStringList arguments = {u"--snippet"_s, u"--class-name"_s, className};
    if (force)
        arguments << u"--force"_s;
    arguments << u"--defaults"_s << site.path();

    const ToolRun run = runTool(arguments);
    const bool refused = !clashes.isEmpty() && !force;
    QCOMPARE(run.exitCode, refused ? 1 : 0);
    for (auto it = own.cbegin(); it != own.cend(); ++it) {
        const bool replaced = force && clashes.contains(it.key());
        QCOMPARE(readBytes(site.filePath(it.key())) == it.value(), !replaced);
    }
    if (refused) {
        QCOMPARE(run.standardError.count('\n'), 1);
        for (const QString& name : clashes)
            QVERIFY2(run.standardError.contains(name.toUtf8()), run.standardError.constData());
        // Nothing of the menu was written.
        QVERIFY(!QFile::exists(site.filePath(className + u".js"_s)));
        return;
    }
    QVERIFY2(run.standardError.isEmpty(), run.standardError.constData());
    QVERIFY(readText(site.filePath(className + u".html"_s)).contains(u"<nav"_s));
    QVERIFY(!QFile::exists(site.filePath(className + u"-bottom.png"_s)));
    // Exported again: the files hold what it writes, so nothing clashes.
    arguments.removeAll(u"--force"_s);
    QCOMPARE(runTool(arguments).exitCode, 0);
}
