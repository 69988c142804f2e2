#include "TestFiles.h"
#include "editor/IconImporter.h"
#include "generator/CodeDocuments.h"
#include "model/GlobalData.h"
#include "project/ProjectFile.h"
#include "workspace/Export.h"
#include "workspace/FileWriter.h"
#include "workspace/IconImage.h"
#include "workspace/TiffCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <unistd.h>

using namespace brindle;
using namespace Qt::StringLiterals;

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

// Colours and transparency that vary across the picture, so that a lost channel shows.
QImage gradientImage(int width, int height, bool transparent) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int alpha = transparent ? (x * 255 / (width - 1)) : 255;
            image.setPixel(x, y, qRgba(40 + x * 8, 200 - y * 6, 120, alpha));
        }
    }
    return image;
}

// The largest difference of one channel between two pictures of the same size.
int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest =
                std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

QImage argb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
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
    void chosenIcon_reachesPreviewAndExportsInTheFormatOfItsName_data();
    void chosenIcon_reachesPreviewAndExportsInTheFormatOfItsName();
    void sameNamedIcons_keepTheirPictures();
    void parallelRuns_neverCollide();
    void translucentIcon_staysExactThroughCycles_data();
    void translucentIcon_staysExactThroughCycles();
    void fullDisk_failsLoudlyAndKeepsThePreviousFile();
    void outputStyle_projectsOwnOrTheOptions_data();
    void outputStyle_projectsOwnOrTheOptions();
    void importedMenu_replacesTheMenuOnly_data();
    void importedMenu_replacesTheMenuOnly();
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

void ProjectCliTest::chosenIcon_reachesPreviewAndExportsInTheFormatOfItsName_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("chosen"); // the bytes of the file the user picks
    QTest::addColumn<QByteArray>("format"); // what the preview and the exports hold
    QTest::addColumn<int>("tolerance");     // per channel; 0 for lossless formats

    QTest::newRow("png, translucent")
        << QStringLiteral("home.png")
        << testsupport::encodedImage(gradientImage(24, 16, true), "PNG") << QByteArray("png") << 0;
    QTest::newRow("upper-case suffix")
        << QStringLiteral("LOGO.PNG") << testsupport::encodedImage(gradientImage(5, 3, true), "PNG")
        << QByteArray("png") << 0;
    QImage palette(16, 16, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(255, 0, 0), qRgba(0, 0, 255, 128)});
    palette.fill(0);
    for (int i = 0; i < 16; ++i)
        palette.setPixel(i, i, 1);
    QTest::newRow("palette png") << QStringLiteral("palette.png")
                                 << testsupport::encodedImage(palette, "PNG") << QByteArray("png")
                                 << 0;
    QImage oneBit(16, 16, QImage::Format_Mono);
    oneBit.setColorTable({qRgb(255, 0, 0), qRgb(0, 128, 0)});
    oneBit.fill(0);
    oneBit.setPixel(3, 4, 1);
    QTest::newRow("1-bit png") << QStringLiteral("mono.png")
                               << testsupport::encodedImage(oneBit, "PNG") << QByteArray("png")
                               << 0;
    // What an image tool writes for a plain red square: 1-bit, a palette of red and white.
    QTest::newRow("1-bit png from an image tool")
        << QStringLiteral("red.png")
        << QByteArray::fromHex(
               "89504e470d0a1a0a0000000d4948445200000010000000100103000000253d6d220000000467414d"
               "410000b18f0bfc6105000000206348524d00007a26000080840000fa00000080e8000075300000ea"
               "6000003a98000017709cba513c00000006504c5445ff0000ffffff411d341100000001624b474401"
               "ff022dde0000000c4944415408d76360200d000000300001c7aa858e0000000049454e44ae426082")
        << QByteArray("png") << 0;
    QTest::newRow("jpeg, .jpg") << QStringLiteral("photo.jpg")
                                << testsupport::encodedImage(gradientImage(24, 16, false), "JPEG")
                                << QByteArray("jpeg") << 8;
    QTest::newRow("jpeg, .jpeg") << QStringLiteral("photo.jpeg")
                                 << testsupport::encodedImage(gradientImage(24, 16, false), "JPEG")
                                 << QByteArray("jpeg") << 8;
    // A 1 × 1 GIF (one red pixel, two colours) by hand: there is no GIF writer to make one.
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                         ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                         35);
    QTest::newRow("gif becomes png data")
        << QStringLiteral("dot.gif") << gif << QByteArray("png") << 0;
    QTest::newRow("png content named .tif")
        << QStringLiteral("scan.tif") << testsupport::encodedImage(gradientImage(7, 9, true), "PNG")
        << QByteArray("tiff") << 0;
}

void ProjectCliTest::chosenIcon_reachesPreviewAndExportsInTheFormatOfItsName() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArray, format);
    QFETCH(int, tolerance);
    QTemporaryDir work, preview, reopenedPreview, toolTemporary;
    const QDir dir(work.path());
    QVERIFY(dir.mkdir(QStringLiteral("picked")));
    const QString picked = dir.filePath(QStringLiteral("picked/") + fileName);
    QVERIFY(writeFileAtomically(picked, chosen));
    // Read as Brindle and other tools read pictures: Qt's own TIFF reader premultiplies
    // straight alpha.
    const QImage expected = argb(decodeIconImage(chosen));
    QVERIFY(!expected.isNull());

    // Chosen in the editor: the preview folder holds the format the name names at once.
    GlobalData design;
    design.setTempFolderPath(preview.path());
    const ImportedIcon icon = IconImporter(preview.path()).import(picked);
    QVERIFY2(icon.ok, qPrintable(icon.error));
    QCOMPARE(icon.fileName, fileName);
    const QByteArray imported = readBytes(preview.filePath(fileName));
    QCOMPARE(pictureFormat(imported), format);
    QVERIFY(largestDifference(argb(decodeIconImage(imported)), expected) <= tolerance);
    applyNormalIcon(*design.getMenuRootNode()->childAt(1)->childAt(0), icon);
    const QString project = dir.filePath(QStringLiteral("Icons.brindleprj"));
    QVERIFY(saveProjectToFile(design, project));

    // Reopened: the preview folder holds the format the name names.
    GlobalData reopened;
    reopened.setTempFolderPath(reopenedPreview.path());
    const OpenResult opened = openProjectFile(reopened, project);
    QVERIFY2(opened.ok && opened.warnings.isEmpty(),
             qPrintable(opened.error + opened.warnings.join(QLatin1Char('\n'))));
    const QByteArray previewed = readBytes(reopenedPreview.filePath(fileName));
    QCOMPARE(pictureFormat(previewed), format);
    const QImage shown = argb(decodeIconImage(previewed));
    QCOMPARE(shown.size(), expected.size());
    const int difference = largestDifference(shown, expected);
    QVERIFY2(difference <= tolerance, qPrintable(QString::number(difference)));
    // Lossless formats: an export before the save and one after the reopen are the same.
    if (tolerance == 0)
        QCOMPARE(previewed, imported);

    // Export All in the window and the command-line tool write those same bytes.
    const QString exported = dir.filePath(QStringLiteral("exported"));
    QVERIFY(QDir().mkdir(exported));
    CodeDocuments documents(reopened);
    documents.insertHTML5Code();
    documents.insertCSS3Code();
    QVERIFY(exportAllFilesToFolder(documents.cssText(), documents.htmlText(),
                                   *reopened.getMenuRootNode(), reopenedPreview.path(), exported));
    QCOMPARE(readBytes(QDir(exported).filePath(fileName)), previewed);
    const QString out = dir.filePath(QStringLiteral("out"));
    const ToolRun run = runTool({project, out}, toolTemporary.path());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.standardError.isEmpty(), run.standardError.constData());
    QCOMPARE(readBytes(QDir(out).filePath(fileName)), previewed);
}

// A file made elsewhere gives two items one icon name for two pictures. Opening keeps both
// (the later one numbered, as the editor would name it, and said); saving, reopening and both
// exports keep them apart.
void ProjectCliTest::sameNamedIcons_keepTheirPictures() {
    QTemporaryDir work, preview, toolTemporary;
    const QDir dir(work.path());
    GlobalData design;
    design.setTempFolderPath(preview.path());
    const auto give = [&](int item, const QString& name, const QColor& colour) {
        QImage picture(6, 6, QImage::Format_ARGB32);
        picture.fill(colour);
        setNodeImage(*design.getMenuRootNode()->childAt(item), name, picture);
        return writeFileAtomically(preview.filePath(name), encodeIconForFileName(picture, name)).ok;
    };
    QVERIFY(give(0, QStringLiteral("icon.png"), Qt::red));
    QVERIFY(give(2, QStringLiteral("other.png"), Qt::blue));
    QByteArray xml = projectData(design);
    QVERIFY(xml.contains("<string>other.png</string>"));
    xml.replace("<string>other.png</string>", "<string>icon.png</string>");
    const QString clashing = dir.filePath(QStringLiteral("Clash.brindleprj"));
    QVERIFY(writeFileAtomically(clashing, xml));

    QTemporaryDir reopenedPreview;
    GlobalData reopened;
    reopened.setTempFolderPath(reopenedPreview.path());
    const OpenResult opened = openProjectFile(reopened, clashing);
    QVERIFY(opened.ok);
    QCOMPARE(opened.renamed.size(), 1);
    QVERIFY(opened.renamed.first().contains(QStringLiteral("“icon-2.png”")));
    const Node* root = reopened.getMenuRootNode();
    QCOMPARE(root->childAt(0)->imageFileName(), QStringLiteral("icon.png"));
    QCOMPARE(root->childAt(2)->imageFileName(), QStringLiteral("icon-2.png"));

    // Saved again, the file holds both pictures; both exports show each item its own.
    const QString saved = dir.filePath(QStringLiteral("Saved.brindleprj"));
    QVERIFY(saveProjectToFile(reopened, saved).ok);
    CodeDocuments documents(reopened);
    documents.insertHTML5Code();
    documents.insertCSS3Code();
    QVERIFY(documents.cssText().contains(QStringLiteral("url(\"icon-2.png\")")));
    const QString exported = dir.filePath(QStringLiteral("exported"));
    QVERIFY(QDir().mkdir(exported));
    QVERIFY(exportAllFilesToFolder(documents.cssText(), documents.htmlText(), *root,
                                   reopenedPreview.path(), exported));
    const QString out = dir.filePath(QStringLiteral("out"));
    const ToolRun run = runTool({saved, out}, toolTemporary.path());
    QCOMPARE(run.exitCode, 0);
    for (const QString& folder : {exported, out}) {
        QCOMPARE(QImage(QDir(folder).filePath(QStringLiteral("icon.png"))).pixelColor(1, 1),
                 QColor(Qt::red));
        QCOMPARE(QImage(QDir(folder).filePath(QStringLiteral("icon-2.png"))).pixelColor(1, 1),
                 QColor(Qt::blue));
    }
    QCOMPARE(readBytes(QDir(out).filePath(QStringLiteral("styles.css"))),
             readBytes(QDir(exported).filePath(QStringLiteral("styles.css"))));
}

// Runs started together each claim a preview folder of their own: none fails.
void ProjectCliTest::parallelRuns_neverCollide() {
    QTemporaryDir work, sharedTemporary;
    const QDir dir(work.path());
    constexpr int kRuns = 16;
    for (int round = 0; round < 15; ++round) {
        std::vector<std::unique_ptr<QProcess>> runs;
        for (int i = 0; i < kRuns; ++i) {
            auto run = std::make_unique<QProcess>();
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("TMPDIR"), sharedTemporary.path());
            run->setProcessEnvironment(environment);
            run->start(kExportTool, {QStringLiteral("--defaults"),
                                     dir.filePath(QStringLiteral("out-%1-%2").arg(round).arg(i))});
            runs.push_back(std::move(run));
        }
        for (const auto& run : runs) {
            QVERIFY(run->waitForFinished(30000));
            QVERIFY2(run->exitCode() == 0, run->readAllStandardError().constData());
        }
    }
    QCOMPARE(entries(sharedTemporary.path()), QStringList());
}

void ProjectCliTest::translucentIcon_staysExactThroughCycles_data() {
    QTest::addColumn<QString>("fileName");
    QTest::newRow("png") << QStringLiteral("levels.png");
    QTest::newRow("gif") << QStringLiteral("levels.gif");
    QTest::newRow("tiff") << QStringLiteral("levels.tif");
}

// Lossless icons keep every pixel, translucent ones too, through five rounds of save, open
// and export; the window's export and the tool's write the same bytes every round.
void ProjectCliTest::translucentIcon_staysExactThroughCycles() {
    QFETCH(QString, fileName);
    // Colours that a premultiplied round trip shifts: (11, 4, 17) at alpha 128 became
    // (12, 4, 18); alpha 1 and 254 lose or gain the most.
    QImage levels(5, 1, QImage::Format_ARGB32);
    const QRgb pixels[] = {qRgba(11, 4, 17, 128), qRgba(200, 100, 50, 1), qRgba(13, 77, 250, 254),
                           qRgba(255, 254, 7, 129), qRgba(1, 2, 3, 255)};
    for (int x = 0; x < 5; ++x)
        levels.setPixel(x, 0, pixels[x]);
    QImage chosen = levels;
    chosen.setText(QStringLiteral("Software"), QStringLiteral("an image tool"));

    QTemporaryDir work, toolTemporary;
    const QDir dir(work.path());
    const QString picked = dir.filePath(QStringLiteral("picked-") + fileName);
    QVERIFY(writeFileAtomically(picked, testsupport::encodedImage(chosen, "PNG")));
    auto preview = std::make_unique<QTemporaryDir>();
    auto design = std::make_unique<GlobalData>();
    design->setTempFolderPath(preview->path());
    const ImportedIcon icon = IconImporter(preview->path()).import(picked);
    QVERIFY2(icon.ok, qPrintable(icon.error));
    applyNormalIcon(*design->getMenuRootNode()->childAt(0), icon);
    // Read as Brindle reads pictures: Qt's own TIFF reader premultiplies straight alpha.
    const auto pixelsOf = [](const QString& path) { return argb(loadIconImage(path)); };
    QCOMPARE(pixelsOf(preview->filePath(icon.fileName)), levels);

    for (int round = 1; round <= 5; ++round) {
        const QString where = QStringLiteral("round %1").arg(round);
        const QString project = dir.filePath(QStringLiteral("Round%1.brindleprj").arg(round));
        QVERIFY(saveProjectToFile(*design, project));
        auto reopenedPreview = std::make_unique<QTemporaryDir>();
        auto reopened = std::make_unique<GlobalData>();
        reopened->setTempFolderPath(reopenedPreview->path());
        QVERIFY(openProjectFile(*reopened, project).ok);
        QVERIFY2(pixelsOf(reopenedPreview->filePath(icon.fileName)) == levels, qPrintable(where));

        const QString exported = dir.filePath(QStringLiteral("exported%1").arg(round));
        QVERIFY(QDir().mkdir(exported));
        CodeDocuments documents(*design);
        documents.insertHTML5Code();
        documents.insertCSS3Code();
        QVERIFY(exportAllFilesToFolder(documents.cssText(), documents.htmlText(),
                                       *design->getMenuRootNode(), preview->path(), exported));
        const QByteArray exportedIcon = readBytes(QDir(exported).filePath(icon.fileName));
        QVERIFY2(argb(decodeIconImage(exportedIcon)) == levels, qPrintable(where));
        // A TIFF stays 8 bits a sample, as it came.
        if (fileName.endsWith(u"tif") || fileName.endsWith(u"tiff")) {
            const std::optional<QImage> stored =
                decodeTiffWithAlpha(exportedIcon, kLargestIconSide, kLargestIconPixelCount);
            QVERIFY2(stored && stored->format() == QImage::Format_RGBA8888, qPrintable(where));
        }
        const QString out = dir.filePath(QStringLiteral("tool%1").arg(round));
        const ToolRun run = runTool({project, out}, toolTemporary.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(readBytes(QDir(out).filePath(icon.fileName)) == exportedIcon, qPrintable(where));
        design = std::move(reopened);
        preview = std::move(reopenedPreview);
    }
}

// On a full file system every write fails before it replaces anything: the tool exits with 1
// and one line, and the files written before stay as they were.
void ProjectCliTest::fullDisk_failsLoudlyAndKeepsThePreviousFile() {
    if (geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    QTemporaryDir work;
    const QString disk = work.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkdir(disk));
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=64k"), QStringLiteral("tmpfs"), disk}) != 0)
        QSKIP("mounting a small file system is not permitted here");
    const auto unmount =
        qScopeGuard([&disk] { QProcess::execute(QStringLiteral("umount"), {disk}); });

    const QDir folder(disk);
    const QByteArray previousCss("/* the previous stylesheet */\n");
    const QString css = folder.filePath(QStringLiteral("styles.css"));
    const QString project = folder.filePath(QStringLiteral("Design.brindleprj"));
    QVERIFY(writeFileAtomically(css, previousCss));
    QVERIFY(writeFileAtomically(project, "previous project"));
    {
        QFile filler(folder.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        int blocks = 0;
        while (filler.write(block) == block.size())
            QVERIFY2(++blocks < 64, "the small file system never filled");
    }
    const QStringList before = entries(disk);

    const ToolRun run = runTool({QStringLiteral("--defaults"), disk}, QString());
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.standardError.startsWith("brindle-export: cannot export into "),
             run.standardError.constData());
    QCOMPARE(run.standardError.count('\n'), 1);

    GlobalData defaults;
    const WriteResult written = writeFileAtomically(css, QByteArray(8192, 'y'));
    QVERIFY(!written.ok);
    QVERIFY(!written.error.isEmpty());
    QVERIFY(!saveProjectToFile(defaults, project).ok);

    QCOMPARE(readBytes(css), previousCss);
    QCOMPARE(readBytes(project), QByteArray("previous project"));
    QCOMPARE(entries(disk), before); // no auxiliary file left behind
}

void ProjectCliTest::importedMenu_replacesTheMenuOnly_data() {
    QTest::addColumn<bool>("fromProject"); // else --defaults
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("saysOnError"); // what standard error holds
    QTest::addColumn<QStringList>("links");   // the page's menu links, in order
    QTest::newRow("a page's nav into a project's style")
        << true << u"page.html"_s
        << QByteArray("<nav><ul><li><a href=/>Start</a><li><a href=/shop>Shop</a><ul><li><a "
                      "href=/shop/a>A</a><ul><li><a href=/shop/a/1>One</a><ul><li><a "
                      "href=/shop/a/1/x>X</a></ul></ul></ul></ul></nav>")
        << 0
        << u"warning: Items deeper than 3 levels, placed in level 3: 1\nbrindle-export: "
           "warning: Classic pages show two levels: the menu’s third level stays in the design "
           "but is not on the page. The Modern style shows it.\n"_s
        << QStringList{u"/"_s, u"/shop"_s, u"/shop/a"_s};
    QTest::newRow("an outline into the default design")
        << false << u"menu.md"_s << QByteArray("- [Home](index.html)\n- [Blog](blog/)\n") << 0
        << QString() << QStringList{u"index.html"_s, u"blog/"_s};
    QTest::newRow("a file without a menu")
        << true << u"page.html"_s << QByteArray("<p>Nothing here.</p>") << 1
        << u"cannot take a menu from"_s << QStringList();
    QTest::newRow("a missing file")
        << false << QString() << QByteArray() << 1 << u"cannot be read"_s << QStringList();
}

// The menu comes from the file, everything else from the design; a refused file writes
// nothing.
void ProjectCliTest::importedMenu_replacesTheMenuOnly() {
    QFETCH(bool, fromProject);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, source);
    QFETCH(int, exitCode);
    QFETCH(QString, saysOnError);
    QFETCH(QStringList, links);
    QTemporaryDir work, toolTemporary;
    const QString project = work.filePath(u"Sample.brindleprj"_s);
    saveSampleProject(project);
    const QString menu = work.filePath(fileName.isEmpty() ? u"missing.html"_s : fileName);
    if (!fileName.isEmpty()) {
        QFile file(menu);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(source);
    }
    const QString out = work.filePath(u"out"_s);
    const ToolRun run =
        runTool(fromProject ? QStringList{u"--menu"_s, menu, project, out}
                            : QStringList{u"--menu="_s + menu, u"--defaults"_s, out},
                toolTemporary.path());
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode != 0) {
        QVERIFY2(QString::fromUtf8(run.standardError).contains(saysOnError),
                 run.standardError.constData());
        QVERIFY(!QFileInfo::exists(out));
        return;
    }
    QCOMPARE(QString::fromUtf8(run.standardError),
             saysOnError.isEmpty() ? QString() : u"brindle-export: "_s + saysOnError);
    const QString page = QString::fromUtf8(readBytes(QDir(out).filePath(u"index.html"_s)));
    QStringList written;
    static const QRegularExpression href(u"<a [^>]*href=\"([^\"]*)\""_s);
    for (auto it = href.globalMatch(page); it.hasNext();)
        written << it.next().captured(1);
    QCOMPARE(written, links);
    // The style is the design's: the project's rounded corners, and none of its items.
    QCOMPARE(readBytes(QDir(out).filePath(u"styles.css"_s)).contains("9px"), fromProject);
    QVERIFY(!page.contains(u"Forën"_s));
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

void ProjectCliTest::outputStyle_projectsOwnOrTheOptions_data() {
    QTest::addColumn<bool>("modernProject");
    QTest::addColumn<QStringList>("option");
    QTest::addColumn<bool>("modernExport");
    QTest::newRow("modern project") << true << QStringList() << true;
    QTest::newRow("modern project, classic asked")
        << true << QStringList{QStringLiteral("--output-style"), QStringLiteral("classic")}
        << false;
    QTest::newRow("classic project, modern asked")
        << false << QStringList{QStringLiteral("--output-style=modern")} << true;
}

void ProjectCliTest::outputStyle_projectsOwnOrTheOptions() {
    QFETCH(bool, modernProject);
    QFETCH(QStringList, option);
    QFETCH(bool, modernExport);

    QTemporaryDir work, toolTemporary, preview;
    const QString project = work.filePath(QStringLiteral("Styled.brindleprj"));
    const OutputOptions options =
        modernProject ? OutputOptions{OutputStyle::Modern, QStringLiteral("Shop"), 700}
                      : OutputOptions();
    {
        GlobalData store;
        store.setOutputOptions(options);
        QVERIFY(saveProjectToFile(store, project));
    }
    // The same export done in this process, with the style the tool should use.
    const QString expected = work.filePath(QStringLiteral("expected"));
    QVERIFY(QDir().mkdir(expected));
    {
        GlobalData data;
        data.setTempFolderPath(preview.path());
        QVERIFY(openProjectFile(data, project));
        QCOMPARE(data.outputOptions(), options);
        OutputOptions used = options;
        used.style = modernExport ? OutputStyle::Modern : OutputStyle::Classic;
        data.setOutputOptions(used);
        // As the window has it after opening the project: titled after its file.
        data.setDocumentName(QFileInfo(project).completeBaseName());
        QVERIFY(
            exportDesign(data, preview.path(), expected, ExportForm::Page, ExistingFiles::Replace));
    }
    QCOMPARE(entries(expected).contains(QStringLiteral("menu.js")), modernExport);

    const QString out = work.filePath(QStringLiteral("out"));
    const ToolRun run = runTool(option + QStringList{project, out}, toolTemporary.path());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.standardError.isEmpty(), run.standardError.constData());
    QCOMPARE(entries(out), entries(expected));
    for (const QString& name : entries(expected))
        QVERIFY2(readBytes(QDir(out).filePath(name)) == readBytes(QDir(expected).filePath(name)),
                 qPrintable(name));
    const QByteArray page = readBytes(QDir(out).filePath(QStringLiteral("index.html")));
    QCOMPARE(page.contains("<nav class=\"brindlenav-nav\" aria-label=\"Shop\">"),
             modernProject && modernExport);
    if (modernExport)
        QVERIFY(page.contains(
            QByteArray("<title>" + QFileInfo(project).completeBaseName().toUtf8() + "</title>")));
}
