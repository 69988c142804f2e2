#include "TestFiles.h"
#include "generator/InlineSvg.h"
#include "model/GlobalData.h"
#include "workspace/Export.h"
#include "workspace/FileWriter.h"
#include "workspace/IconImage.h"
#include "workspace/LeftBehind.h"
#include "workspace/PreviewFolder.h"
#include "workspace/PreviewStates.h"
#include "workspace/StartFolder.h"
#include "workspace/SvgIcon.h"
#include "workspace/ThumbnailCache.h"
#include "workspace/TiffCodec.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using namespace brindle;
using namespace Qt::StringLiterals;

namespace {

const QString kCss = QStringLiteral("body {\n\tfont-family: \"Ünï\";\n}\n");
const QString kHtml = QStringLiteral("<p>Caf\u00e9\u00a0&amp; Bar</p>\n");

QByteArray pngOf(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return testsupport::encodedImage(image, "PNG");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

using testsupport::readBytes;

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

Node* addItem(Node* parent, const QString& name, const QString& image = QString(),
              const QString& retinaImage = QString()) {
    auto node = Node::make(name, QStringLiteral("icon0"), parent);
    if (!image.isNull())
        node->setImageFileName(image);
    if (!retinaImage.isNull())
        node->setRetinaImageFileName(retinaImage);
    parent->setIsGroup(true);
    return parent->appendChild(std::move(node));
}

enum class Menu { Default, NoSubItems, Empty, SubItemWithBothIcons, SharedIconName, ManyIcons };

// Builds the menu into the root and the icons it names into the preview folder.
void buildMenu(Menu menu, Node* root, const QString& previewFolder) {
    const QDir preview(previewFolder);
    if (menu != Menu::Default)
        root->clearChildren();
    switch (menu) {
    case Menu::Default:
    case Menu::Empty:
        break;
    case Menu::NoSubItems:
        addItem(root, QStringLiteral("One"));
        addItem(root, QStringLiteral("Two"));
        root->setIsGroup(false);
        break;
    case Menu::SubItemWithBothIcons: {
        Node* top = addItem(root, QStringLiteral("Top"));
        addItem(top, QStringLiteral("Sub"), QStringLiteral("s.png"), QStringLiteral("s@2x.png"));
        writeBytes(preview.filePath(QStringLiteral("s.png")), pngOf(8, 8, Qt::red));
        writeBytes(preview.filePath(QStringLiteral("s@2x.png")), pngOf(16, 16, Qt::red));
        break;
    }
    case Menu::SharedIconName:
        addItem(root, QStringLiteral("One"), QStringLiteral("same.png"));
        addItem(root, QStringLiteral("Two"), QString(), QStringLiteral("same.png"));
        writeBytes(preview.filePath(QStringLiteral("same.png")), pngOf(8, 8, Qt::blue));
        break;
    case Menu::ManyIcons: {
        Node* top = addItem(root, QStringLiteral("Top"), QStringLiteral("top.png"));
        addItem(top, QStringLiteral("Sub"), QString(), QStringLiteral("sub@2x.gif"));
        addItem(root, QStringLiteral("Plain"));
        writeBytes(preview.filePath(QStringLiteral("top.png")), pngOf(8, 8, Qt::green));
        writeBytes(preview.filePath(QStringLiteral("sub@2x.gif")), pngOf(4, 4, Qt::green));
        break;
    }
    }
}

} // namespace

class WorkspaceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pinnedStateRules_copyTheStatesOntoPinClasses_data();
    void pinnedStateRules_copyTheStatesOntoPinClasses();
    void exportAll_writesExactlyTheNeededFiles_data();
    void exportAll_writesExactlyTheNeededFiles();
    void exportAll_replacesExistingFiles();
    void exportAll_reportsFailuresAndStillWritesTheRest_data();
    void exportAll_reportsFailuresAndStillWritesTheRest();
    void exportAll_destinationNotAFolder_reportsFailure();
    void exportAll_readOnlyFolder_reportsFailure();
    void exportSingleText_writesUtf8Exactly();
    void iconFileNames_followExportOrder();
    void decodeIcon_acceptsOnlyIconFormatsOfSafeSize_data();
    void decodeIcon_acceptsOnlyIconFormatsOfSafeSize();
    void retinaIcon_halfSizeTruncated();
    void arrowImage_isSixteenPointsAt72Dpi();
    void startFolder_rememberedElseDocumentsElseHome_data();
    void startFolder_rememberedElseDocumentsElseHome();
    void previewFolder_goesWithItsOwnerAndOnlyWithOurFiles_data();
    void previewFolder_goesWithItsOwnerAndOnlyWithOurFiles();
    void dataFolder_keepsOnlyWhatARunningProcessOrADesignUses();
    void straightAlphaTiff_keepsEveryChannel_data();
    void straightAlphaTiff_keepsEveryChannel();
    void thumbnailCache_keepsPicturesOnlyUnderKeys();
    void svgIcon_keepsOnlyWhatDraws_data();
    void svgIcon_keepsOnlyWhatDraws();
    void svgIcon_sizeAndTextColour_data();
    void svgIcon_sizeAndTextColour();
    void svgz_isInflatedWithinTheLimit();
    void svgIcon_insideThePage();
    void svgIcon_rootTransformTurnsInsideTheBox_data();
    void svgIcon_rootTransformTurnsInsideTheBox();
    void svgIcon_isDrawnAtBothScales();
};

void WorkspaceTest::initTestCase() {
    // Start folders live in the user defaults: the test's own, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    const QSettings probe(QStringLiteral("Brindle"), QStringLiteral("Brindle"));
    QVERIFY2(probe.fileName().contains(QLatin1String(".qttest")), qPrintable(probe.fileName()));
}

void WorkspaceTest::exportAll_writesExactlyTheNeededFiles_data() {
    QTest::addColumn<int>("menu");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("default menu") << int(Menu::Default)
                                  << QStringList{QStringLiteral("bottom.png"),
                                                 QStringLiteral("index.html"),
                                                 QStringLiteral("styles.css")};
    QTest::newRow("no sub-items") << int(Menu::NoSubItems)
                                  << QStringList{QStringLiteral("index.html"),
                                                 QStringLiteral("styles.css")};
    QTest::newRow("empty menu") << int(Menu::Empty)
                                << QStringList{QStringLiteral("index.html"),
                                               QStringLiteral("styles.css")};
    QTest::newRow("sub-item with both icons")
        << int(Menu::SubItemWithBothIcons)
        << QStringList{QStringLiteral("bottom.png"), QStringLiteral("index.html"),
                       QStringLiteral("s.png"), QStringLiteral("s@2x.png"),
                       QStringLiteral("styles.css")};
    QTest::newRow("same icon name twice")
        << int(Menu::SharedIconName)
        << QStringList{QStringLiteral("index.html"), QStringLiteral("same.png"),
                       QStringLiteral("styles.css")};
}

void WorkspaceTest::exportAll_writesExactlyTheNeededFiles() {
    QFETCH(int, menu);
    QFETCH(QStringList, files);
    QTemporaryDir preview, destination;
    GlobalData store;
    buildMenu(Menu(menu), store.getMenuRootNode(), preview.path());

    const WriteResult result = exportAllFilesToFolder(kCss, kHtml, *store.getMenuRootNode(),
                                                      preview.path(), destination.path());
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(entries(destination.path()), files);
    QCOMPARE(readBytes(destination.filePath(QStringLiteral("styles.css"))), kCss.toUtf8());
    QCOMPARE(readBytes(destination.filePath(QStringLiteral("index.html"))), kHtml.toUtf8());
    for (const QString& name : files) {
        if (name == QLatin1String("bottom.png"))
            QCOMPARE(readBytes(destination.filePath(name)), arrowImagePng());
        else if (name.endsWith(QLatin1String(".png")))
            QCOMPARE(readBytes(destination.filePath(name)), readBytes(preview.filePath(name)));
    }
}

void WorkspaceTest::exportAll_replacesExistingFiles() {
    QTemporaryDir preview, destination;
    GlobalData store;
    buildMenu(Menu::SharedIconName, store.getMenuRootNode(), preview.path());
    writeBytes(destination.filePath(QStringLiteral("same.png")), "older icon");
    writeBytes(destination.filePath(QStringLiteral("styles.css")), "older stylesheet");
    writeBytes(destination.filePath(QStringLiteral("unrelated.txt")), "kept");

    QVERIFY(exportAllFilesToFolder(kCss, kHtml, *store.getMenuRootNode(), preview.path(),
                                   destination.path()));
    QCOMPARE(readBytes(destination.filePath(QStringLiteral("same.png"))),
             readBytes(preview.filePath(QStringLiteral("same.png"))));
    QCOMPARE(readBytes(destination.filePath(QStringLiteral("styles.css"))), kCss.toUtf8());
    QCOMPARE(readBytes(destination.filePath(QStringLiteral("unrelated.txt"))), QByteArray("kept"));
}

void WorkspaceTest::exportAll_reportsFailuresAndStillWritesTheRest_data() {
    QTest::addColumn<QString>("blocked"); // a folder of this name stands in the way
    QTest::addColumn<QString>("missing"); // an icon removed from the preview folder
    QTest::addColumn<QString>("mentioned");
    QTest::newRow("stylesheet blocked")
        << QStringLiteral("styles.css") << QString() << QStringLiteral("styles.css");
    QTest::newRow("page blocked") << QStringLiteral("index.html") << QString()
                                  << QStringLiteral("index.html");
    QTest::newRow("icon blocked") << QStringLiteral("top.png") << QString()
                                  << QStringLiteral("top.png");
    QTest::newRow("arrow blocked")
        << QStringLiteral("bottom.png") << QString() << QStringLiteral("bottom.png");
    QTest::newRow("icon missing from the preview")
        << QString() << QStringLiteral("sub@2x.gif") << QStringLiteral("sub@2x.gif");
}

void WorkspaceTest::exportAll_reportsFailuresAndStillWritesTheRest() {
    QFETCH(QString, blocked);
    QFETCH(QString, missing);
    QFETCH(QString, mentioned);
    QTemporaryDir preview, destination;
    GlobalData store;
    buildMenu(Menu::ManyIcons, store.getMenuRootNode(), preview.path());
    if (!blocked.isEmpty())
        QVERIFY(QDir(destination.path()).mkdir(blocked));
    if (!missing.isEmpty())
        QVERIFY(QFile::remove(preview.filePath(missing)));

    const WriteResult result = exportAllFilesToFolder(kCss, kHtml, *store.getMenuRootNode(),
                                                      preview.path(), destination.path());
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(mentioned), qPrintable(result.error));
    QCOMPARE(result.error.count(QLatin1Char('\n')), 0); // one failure, one line
    const QStringList expected = {QStringLiteral("bottom.png"), QStringLiteral("index.html"),
                                  QStringLiteral("styles.css"), QStringLiteral("sub@2x.gif"),
                                  QStringLiteral("top.png")};
    for (const QString& name : expected) {
        if (name == missing)
            QVERIFY(!QFile::exists(destination.filePath(name)));
        else if (name != blocked)
            QVERIFY2(QFileInfo(destination.filePath(name)).isFile(), qPrintable(name));
    }
}

void WorkspaceTest::exportAll_destinationNotAFolder_reportsFailure() {
    QTemporaryDir preview, destination;
    GlobalData store;
    // A destination that is a plain file can be written by nobody, not even by root.
    const QString plainFile = destination.filePath(QStringLiteral("file"));
    writeBytes(plainFile, "x");
    const WriteResult result =
        exportAllFilesToFolder(kCss, kHtml, *store.getMenuRootNode(), preview.path(), plainFile);
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(QStringLiteral("styles.css")));
    QVERIFY(result.error.contains(QStringLiteral("index.html")));
    QVERIFY(result.error.contains(QStringLiteral("bottom.png")));
    QVERIFY(!exportCSSTextToFile(kCss, plainFile + QStringLiteral("/styles.css")).ok);
    QCOMPARE(readBytes(plainFile), QByteArray("x"));
}

void WorkspaceTest::exportAll_readOnlyFolder_reportsFailure() {
    QTemporaryDir preview, destination;
    GlobalData store;
    if (geteuid() == 0)
        QSKIP("permissions do not restrict root");
    const QString readOnly = destination.filePath(QStringLiteral("read-only"));
    QVERIFY(QDir().mkdir(readOnly));
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
    const WriteResult result =
        exportAllFilesToFolder(kCss, kHtml, *store.getMenuRootNode(), preview.path(), readOnly);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(QStringLiteral("styles.css")));
    QCOMPARE(entries(readOnly), QStringList());
}

void WorkspaceTest::exportSingleText_writesUtf8Exactly() {
    QTemporaryDir destination;
    const QString page = destination.filePath(QStringLiteral("index.html"));
    const QString sheet = destination.filePath(QStringLiteral("styles.css"));
    writeBytes(page, "older page");
    QVERIFY(exportHTMLTextToFile(kHtml, page));
    QVERIFY(exportCSSTextToFile(kCss, sheet));
    // The non-breaking space stays one (UTF-8 C2 A0), accents stay UTF-8.
    QCOMPARE(readBytes(page), QByteArray("<p>Caf\xc3\xa9\xc2\xa0&amp; Bar</p>\n"));
    QCOMPARE(readBytes(sheet), QByteArray("body {\n\tfont-family: \"\xc3\x9cn\xc3\xaf\";\n}\n"));
    QCOMPARE(entries(destination.path()),
             QStringList({QStringLiteral("index.html"), QStringLiteral("styles.css")}));
}

void WorkspaceTest::iconFileNames_followExportOrder() {
    Node root;
    Node* first =
        addItem(&root, QStringLiteral("First"), QStringLiteral("f.png"), QStringLiteral("f2.png"));
    Node* a = addItem(first, QStringLiteral("A"), QStringLiteral("a.png"));
    addItem(first, QStringLiteral("B"), QString(), QStringLiteral("b2.png"));
    addItem(&root, QStringLiteral("Second"), QStringLiteral("a.png"));
    // A third-level item's icon: only Modern pages (which write SVG icons) show it, before
    // its owner's.
    addItem(a, QStringLiteral("Deep"), QStringLiteral("d.png"));
    QCOMPARE(exportedIconFileNames(root),
             QStringList({QStringLiteral("a.png"), QStringLiteral("b2.png"),
                          QStringLiteral("f.png"), QStringLiteral("f2.png")}));
    QCOMPARE(
        exportedIconFileNames(root, true),
        QStringList({QStringLiteral("d.png"), QStringLiteral("a.png"), QStringLiteral("b2.png"),
                     QStringLiteral("f.png"), QStringLiteral("f2.png")}));
    QVERIFY(needsArrowImage(root));
    first->clearChildren();
    QVERIFY(!needsArrowImage(root));
}

void WorkspaceTest::decodeIcon_acceptsOnlyIconFormatsOfSafeSize_data() {
    QImage small(10, 7, QImage::Format_ARGB32);
    small.fill(Qt::red);
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size"); // invalid: refused
    QTest::newRow("png") << testsupport::encodedImage(small, "PNG") << QSize(10, 7);
    QTest::newRow("tiff") << testsupport::encodedImage(small, "TIFF") << QSize(10, 7);
    QTest::newRow("jpeg") << testsupport::encodedImage(small, "JPEG") << QSize(10, 7);
    QTest::newRow("bmp is not an icon format")
        << testsupport::encodedImage(small, "BMP") << QSize();
    QTest::newRow("empty") << QByteArray() << QSize();
    QTest::newRow("not an image") << QByteArray("hello, world") << QSize();
    QTest::newRow("truncated png") << testsupport::encodedImage(small, "PNG").left(30) << QSize();
    QImage wide(kLargestIconSide + 1, 1, QImage::Format_Mono);
    wide.fill(0);
    QTest::newRow("wider than allowed") << testsupport::encodedImage(wide, "PNG") << QSize();
    QImage square(kLargestIconSide, kLargestIconSide / 2 + 1, QImage::Format_Mono);
    square.fill(0);
    QTest::newRow("too many pixels") << testsupport::encodedImage(square, "PNG") << QSize();
    // Straight-alpha TIFF files are read by libtiff: the same limits hold there.
    QImage translucent(10, 7, QImage::Format_ARGB32);
    translucent.fill(qRgba(79, 16, 93, 128));
    const QByteArray tiff = testsupport::straightAlphaTiff(translucent, 8, false);
    QTest::newRow("straight-alpha tiff") << tiff << QSize(10, 7);
    QTest::newRow("truncated straight-alpha tiff") << tiff.left(tiff.size() - 40) << QSize();
    QImage tall(1, kLargestIconSide + 1, QImage::Format_ARGB32);
    tall.fill(qRgba(1, 2, 3, 4));
    QTest::newRow("straight-alpha tiff taller than allowed")
        << testsupport::straightAlphaTiff(tall, 16, true) << QSize();
}

void WorkspaceTest::straightAlphaTiff_keepsEveryChannel_data() {
    QTest::addColumn<int>("bits");
    QTest::addColumn<bool>("bigEndian");
    QTest::newRow("8-bit, little-endian") << 8 << false;
    QTest::newRow("8-bit, big-endian") << 8 << true;
    QTest::newRow("16-bit, little-endian") << 16 << false;
    QTest::newRow("16-bit, big-endian") << 16 << true;
}

// Pictures written by other tools keep straight alpha: every channel of every pixel comes
// through the project's TIFF and every exported format, and a TIFF stays 8 bits a sample.
void WorkspaceTest::straightAlphaTiff_keepsEveryChannel() {
    QFETCH(int, bits);
    QFETCH(bool, bigEndian);
    // Colours that a premultiplied round trip moves by a level.
    const QRgb pixels[] = {qRgba(79, 16, 93, 128),  qRgba(11, 4, 17, 128),   qRgba(200, 100, 50, 1),
                           qRgba(13, 77, 250, 254), qRgba(255, 254, 7, 129), qRgba(1, 2, 3, 0),
                           qRgba(1, 2, 3, 255)};
    QImage levels(7, 2, QImage::Format_ARGB32);
    for (int x = 0; x < 7; ++x) {
        levels.setPixel(x, 0, pixels[x]);
        levels.setPixel(6 - x, 1, pixels[x]);
    }
    const auto exact = [&levels](const QImage& image) {
        return !image.isNull() && image.convertToFormat(QImage::Format_ARGB32) == levels;
    };
    const QImage read = decodeIconImage(testsupport::straightAlphaTiff(levels, bits, bigEndian));
    QVERIFY(exact(read));
    // Saved in a project, opened again.
    QVERIFY(exact(decodeIconImage(encodeTiffImage(read))));
    for (const QString& name : {u"a.png"_s, u"a.gif"_s, u"a.tif"_s, u"a.tiff"_s}) {
        const QByteArray written = encodeIconForFileName(read, name);
        QVERIFY2(exact(decodeIconImage(written)), qPrintable(name));
        if (name.contains(u".tif")) {
            const std::optional<QImage> stored =
                decodeTiffWithAlpha(written, kLargestIconSide, kLargestIconPixelCount);
            QVERIFY2(stored && stored->format() == QImage::Format_RGBA8888, qPrintable(name));
        } else {
            // What a browser reads: PNG data, straight alpha.
            QVERIFY2(exact(QImage::fromData(written, "PNG")), qPrintable(name));
        }
    }
}

void WorkspaceTest::decodeIcon_acceptsOnlyIconFormatsOfSafeSize() {
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    const QImage image = decodeIconImage(bytes);
    QCOMPARE(image.isNull(), !size.isValid());
    if (size.isValid())
        QCOMPARE(image.size(), size);
    // From a file the content decides, not the name.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("icon.gif"));
    writeBytes(path, bytes);
    const QImage loaded = loadIconImage(path);
    QCOMPARE(loaded.isNull(), !size.isValid());
    if (size.isValid())
        QCOMPARE(loaded.size(), size);
}

void WorkspaceTest::retinaIcon_halfSizeTruncated() {
    QImage image(33, 21, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    Node node;
    setNodeRetinaImage(node, QStringLiteral("r.png"), image);
    QCOMPARE(node.retinaImageFileName(), QStringLiteral("r.png"));
    QCOMPARE(node.retinaImageWidth(), qint64(16));
    QCOMPARE(node.retinaImageHeight(), qint64(10));
    QCOMPARE(node.scaledImage().size(), QSize(16, 10));
    QCOMPARE(node.scaledImage().pixelColor(8, 5), QColor(Qt::blue));
    setNodeImage(node, QStringLiteral("n.png"), image);
    QCOMPARE(node.imageWidth(), qint64(33));
    QCOMPARE(node.imageHeight(), qint64(21));
}

void WorkspaceTest::arrowImage_isSixteenPointsAt72Dpi() {
    // The resolution is written explicitly, so every process writes the same bytes.
    const QByteArray png = arrowImagePng();
    QVERIFY(png.startsWith("\x89PNG"));
    const QImage arrow = QImage::fromData(png, "PNG");
    QCOMPARE(arrow.size(), QSize(16, 16));
    QCOMPARE(arrow.dotsPerMeterX(), 2835);
    QCOMPARE(arrow.dotsPerMeterY(), 2835);
    QCOMPARE(arrowImagePng(), png);
}

void WorkspaceTest::startFolder_rememberedElseDocumentsElseHome_data() {
    QTest::addColumn<QString>("remembered"); // "", "kept" or "gone"
    QTest::addColumn<bool>("documentsExist");
    QTest::addColumn<QString>("expected"); // a folder under the test's root
    QTest::newRow("remembered folder exists")
        << QStringLiteral("kept") << true << QStringLiteral("site");
    QTest::newRow("remembered folder has gone")
        << QStringLiteral("gone") << true << QStringLiteral("Documents");
    QTest::newRow("nothing remembered") << QString() << true << QStringLiteral("Documents");
    QTest::newRow("no documents folder") << QString() << false << QStringLiteral("home");
    QTest::newRow("remembered gone, no documents folder")
        << QStringLiteral("gone") << false << QStringLiteral("home");
}

void WorkspaceTest::startFolder_rememberedElseDocumentsElseHome() {
    QFETCH(QString, remembered);
    QFETCH(bool, documentsExist);
    QFETCH(QString, expected);
    QSettings(QStringLiteral("Brindle"), QStringLiteral("Brindle")).clear();
    QTemporaryDir root;
    const QDir dir(root.path());
    const QString documents = dir.filePath(QStringLiteral("Documents"));
    const QString home = dir.filePath(QStringLiteral("home"));
    QVERIFY(dir.mkdir(QStringLiteral("home")));
    if (documentsExist)
        QVERIFY(dir.mkdir(QStringLiteral("Documents")));
    if (!remembered.isEmpty()) {
        QVERIFY(dir.mkpath(QStringLiteral("site/css")));
        // Written by one run, read by the next.
        StartFolder(StartFolder::Kind::Projects, documents, home)
            .rememberFile(dir.filePath(QStringLiteral("site/Bar.brindleprj")));
        StartFolder(StartFolder::Kind::Exports, documents, home)
            .rememberFolder(dir.filePath(QStringLiteral("site/css")));
        if (remembered == QLatin1String("gone"))
            QVERIFY(QDir(dir.filePath(QStringLiteral("site"))).removeRecursively());
    }

    QCOMPARE(StartFolder(StartFolder::Kind::Projects, documents, home).folder(),
             dir.filePath(expected));
    const QString exports =
        remembered == QLatin1String("kept") ? QStringLiteral("site/css") : expected;
    QCOMPARE(StartFolder(StartFolder::Kind::Exports, documents, home).folder(),
             dir.filePath(exports));
    // Each kind keeps its own folder.
    QCOMPARE(StartFolder(StartFolder::Kind::Icons, documents, home).folder(),
             dir.filePath(documentsExist ? QStringLiteral("Documents") : QStringLiteral("home")));
}

namespace {

// Running: this process; OtherRunningProcess: a living process that is not this one.
enum class Owner { Running, OtherRunningProcess, Ended, EndedElsewhere, Unmarked };

// The id of a process that has just ended.
qint64 endedProcessId() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

// A lock file as an owner would have left it when it was killed.
void writeOwnerMark(const QString& path, qint64 pid, const QString& hostName) {
    writeBytes(path, QByteArray::number(pid) + "\nBrindle\n" + hostName.toUtf8() + '\n');
}

} // namespace

void WorkspaceTest::previewFolder_goesWithItsOwnerAndOnlyWithOurFiles_data() {
    QTest::addColumn<int>("owner");
    QTest::addColumn<QString>("name"); // the folder is renamed to this
    QTest::addColumn<bool>("foreignFile");
    QTest::addColumn<bool>("removedAtStart");
    QTest::newRow("running owner") << int(Owner::Running) << QString() << false << false;
    QTest::newRow("running owner, foreign file")
        << int(Owner::Running) << QString() << true << false;
    QTest::newRow("owner is another running process")
        << int(Owner::OtherRunningProcess) << QString() << false << false;
    QTest::newRow("ended owner") << int(Owner::Ended) << QString() << false << true;
    QTest::newRow("ended owner, foreign file") << int(Owner::Ended) << QString() << true << false;
    QTest::newRow("owner on another machine")
        << int(Owner::EndedElsewhere) << QString() << false << false;
    QTest::newRow("no owner mark") << int(Owner::Unmarked) << QString() << false << false;
    QTest::newRow("not a preview folder name")
        << int(Owner::Ended) << QStringLiteral("WebFolder7-kept") << false << false;
}

void WorkspaceTest::previewFolder_goesWithItsOwnerAndOnlyWithOurFiles() {
    QFETCH(int, owner);
    QFETCH(QString, name);
    QFETCH(bool, foreignFile);
    QFETCH(bool, removedAtStart);
    QTemporaryDir base;
    std::optional<PreviewFolder> folder = PreviewFolder::create(base.path());
    QVERIFY(folder.has_value());
    QString path = folder->folderPath();
    QVERIFY(folder->writeHTML(kHtml));
    QVERIFY(folder->writeCSS(kCss));
    QVERIFY(folder->writeArrow());
    QVERIFY(PreviewFolder::writeFile(path, QStringLiteral("star.png"), pngOf(4, 4, Qt::red)));
    QVERIFY(PreviewFolder::writeFile(path, QStringLiteral("Zwei Wörter.gif"), "GIF89a"));
    QVERIFY(PreviewFolder::writeFile(path, QStringLiteral("star.png"), pngOf(2, 2, Qt::red)));
    // Brindle's own marks inside cannot be replaced by an icon of the same name.
    const QStringList marks =
        QDir(path).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    QVERIFY(!marks.isEmpty());
    for (const QString& mark : marks)
        QVERIFY2(!PreviewFolder::writeFile(path, mark, "x"), qPrintable(mark));
    if (foreignFile)
        writeBytes(QDir(path).filePath(QStringLiteral("notes.txt")), "mine");
    // A write that a crash cut short leaves its scratch file; it must not keep the folder.
    writeBytes(QDir(path).filePath(QLatin1String(kScratchFilePrefix) + u"Ab12Cd"_s), "half");
    if (Owner(owner) != Owner::Running) {
        // The object goes without remove(), taking only its lock file: the mark that vanishes.
        folder.reset();
        QVERIFY(QFileInfo(path).isDir());
        QStringList vanished = marks;
        for (const QString& left :
             QDir(path).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden))
            vanished.removeOne(left);
        QCOMPARE(vanished.size(), 1);
        // Put back as a killed run leaves it.
        const QString mark = QDir(path).filePath(vanished.first());
        const QString here = QSysInfo::machineHostName();
        if (Owner(owner) == Owner::Ended)
            writeOwnerMark(mark, endedProcessId(), here);
        else if (Owner(owner) == Owner::EndedElsewhere)
            writeOwnerMark(mark, endedProcessId(), QStringLiteral("elsewhere.example.org"));
        else if (Owner(owner) == Owner::OtherRunningProcess)
            writeOwnerMark(mark, getppid(), here);
        qint64 pid = 0;
        QVERIFY(Owner(owner) == Owner::Unmarked ||
                QLockFile(mark).getLockInfo(&pid, nullptr, nullptr));
    }
    if (!name.isEmpty()) {
        const QString renamed = QDir(base.path()).filePath(name);
        QVERIFY(QDir().rename(path, renamed));
        path = renamed;
    }
    const QStringList before = entries(path);

    QCOMPARE(PreviewFolder::removeAbandoned(base.path()), removedAtStart ? 1 : 0);
    if (removedAtStart) {
        QVERIFY(!QFileInfo::exists(path));
    } else if (Owner(owner) == Owner::Ended && foreignFile) {
        QCOMPARE(entries(path), QStringList{QStringLiteral("notes.txt")});
    } else {
        QCOMPARE(entries(path), before);
    }
    if (folder) {
        // The clean quit of the running owner.
        folder->remove();
        if (foreignFile)
            QCOMPARE(entries(path), QStringList{QStringLiteral("notes.txt")});
        else
            QVERIFY(!QFileInfo::exists(path));
    }
}

void ageBy(const QString& path, int seconds) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                             QFileDevice::FileModificationTime));
}

void WorkspaceTest::dataFolder_keepsOnlyWhatARunningProcessOrADesignUses() {
    QTemporaryDir base;
    const QDir cards(base.filePath(u"thumbnails"_s));
    QVERIFY(cards.mkpath(u"."_s));
    // Card-drawing folders: a dead process's goes, this process's and a living one's stay.
    const QString dead = u"drawing-%1-aB3dE6"_s.arg(endedProcessId());
    const QString mine = drawingFolderTemplate().replace(u"XXXXXX"_s, u"Zz9Yy8"_s);
    const QString living = u"drawing-%1-qW2eR4"_s.arg(getppid());
    const QString other = u"drawing-%1-notours"_s.arg(endedProcessId());
    for (const QString& name : {dead, mine, living, other}) {
        QVERIFY(cards.mkpath(name));
        writeBytes(cards.filePath(name + u"/index.html"_s), "<p>");
    }
    QVERIFY(mine.startsWith(u"drawing-%1-"_s.arg(QCoreApplication::applicationPid())));
    QCOMPARE(removeAbandonedDrawingFolders(cards.path()), 1);
    QVERIFY(!cards.exists(dead));
    for (const QString& name : {mine, living, other})
        QVERIFY2(cards.exists(name), qPrintable(name));

    // Cards: only the designs' own stay; an old scratch file goes, a fresh one may be written.
    for (const QString& name : {u"0a1b.png"_s, u"ffff.png"_s, u"notes.png"_s, u"0a1b.txt"_s})
        writeBytes(cards.filePath(name), "png");
    const QString oldScratch = cards.filePath(QLatin1String(kScratchFilePrefix) + u"Old123"_s);
    const QString newScratch = cards.filePath(QLatin1String(kScratchFilePrefix) + u"New123"_s);
    writeBytes(oldScratch, "x");
    writeBytes(newScratch, "x");
    ageBy(oldScratch, 2 * 3600);
    QCOMPARE(pruneThumbnails(cards.path(), {u"0a1b"_s}), 2);
    QVERIFY(!QFile::exists(cards.filePath(u"ffff.png"_s)));
    QVERIFY(!QFile::exists(oldScratch));
    for (const QString& name : {u"0a1b.png"_s, u"notes.png"_s, u"0a1b.txt"_s})
        QVERIFY2(QFile::exists(cards.filePath(name)), qPrintable(name));
    QVERIFY(QFile::exists(newScratch));

    // Set-aside recovery copies: the newest ones stay, the work itself is never touched.
    const QDir recovery(base.filePath(u"recovery"_s));
    QVERIFY(recovery.mkpath(u"."_s));
    for (int i = 0; i < 4; ++i) {
        const QString copy = recovery.filePath(u"recovery-%1.damaged"_s.arg(i));
        writeBytes(copy, "bad");
        ageBy(copy, (4 - i) * 100); // recovery-3 is the newest
    }
    writeBytes(recovery.filePath(u"recovery-9.brindleprj"_s), "work");
    ageBy(recovery.filePath(u"recovery-9.brindleprj"_s), 1000);
    QCOMPARE(pruneSetAsideCopies(recovery.path(), 2), 2);
    QCOMPARE(recovery.entryList(QDir::Files, QDir::Name),
             QStringList(
                 {u"recovery-2.damaged"_s, u"recovery-3.damaged"_s, u"recovery-9.brindleprj"_s}));
}

void WorkspaceTest::pinnedStateRules_copyTheStatesOntoPinClasses_data() {
    QTest::addColumn<QString>("css");
    QTest::addColumn<QString>("rules");
    const QString h = QStringLiteral(".brindle-preview-hover");
    const QString a = QStringLiteral(".brindle-preview-active");
    QTest::newRow("no states") << "a{color: red;}\nli > ul{display: none;}"
                               << "";
    QTest::newRow("hover and active")
        << ".nav li:hover{\n\tbackground: red;\n}\n.nav a{color: blue;}\n"
           ".nav li:active > ul{\n\tdisplay: block;\n}\n"
        << ".nav li" + h + " {\n\tbackground: red;\n}\n.nav li" + a +
               " > ul {\n\tdisplay: block;\n}\n";
    QTest::newRow("only the selectors with a state") << "a:hover, a:focus, b{x: 1;}"
                                                     << "a" + h + " {x: 1;}\n";
    QTest::newRow("both states in one selector") << "a:hover:active:after{x: 1;}"
                                                 << "a" + h + a + ":after {x: 1;}\n";
    QTest::newRow("inside an at-rule block")
        << "@media (max-width: 640px) {\n a{x: 1;}\n a:hover{y: 2;}\n}\nb:active{z: 3;}"
        << "@media (max-width: 640px) {\na" + h + " {y: 2;}\n}\nb" + a + " {z: 3;}\n";
    QTest::newRow("comments and at-rules without a block")
        << "@charset \"utf-8\";\n/* a:hover{no: 1;} } */a:hover{x: 1;}"
        << "a" + h + " {x: 1;}\n";
}

void WorkspaceTest::pinnedStateRules_copyTheStatesOntoPinClasses() {
    QFETCH(QString, css);
    QFETCH(QString, rules);
    QCOMPARE(pinnedStateRules(css), rules);
}

void WorkspaceTest::thumbnailCache_keepsPicturesOnlyUnderKeys() {
    QTemporaryDir data;
    const ThumbnailCache cache(data.filePath(QStringLiteral("thumbnails")));
    QImage picture(6, 4, QImage::Format_ARGB32);
    picture.fill(QColor(10, 200, 30, 128));
    QVERIFY(cache.find(QStringLiteral("ab12")).isNull());
    QVERIFY(cache.store(QStringLiteral("ab12"), picture));
    QCOMPARE(cache.find(QStringLiteral("ab12")).convertToFormat(QImage::Format_ARGB32), picture);
    // A key is a file name of hexadecimal digits, nothing else.
    for (const QString& key : {QStringLiteral("../ab12"), QStringLiteral("AB12"), QString(),
                               QStringLiteral("ab12.png")}) {
        QVERIFY2(!cache.store(key, picture), qPrintable(key));
        QVERIFY2(cache.find(key).isNull(), qPrintable(key));
    }
    QCOMPARE(QDir(data.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("thumbnails")});
    // A damaged file counts as not cached.
    QFile damaged(data.filePath(QStringLiteral("thumbnails/cd34.png")));
    QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("not a picture") > 0);
    damaged.close();
    QVERIFY(cache.find(QStringLiteral("cd34")).isNull());
}

namespace {

QByteArray svgDocument(const QByteArray& inside, const QByteArray& rootAttributes = {}) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" viewBox=\"0 0 24 24\"" +
           rootAttributes + ">" + inside + "</svg>";
}

} // namespace

void WorkspaceTest::svgIcon_keepsOnlyWhatDraws_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal");     // part of the reason; empty: cleaned
    QTest::addColumn<QStringList>("removed"); // what the cleaned icon names as left out
    QTest::addColumn<QByteArray>("kept");     // a part of the cleaned icon
    const QByteArray path = "<path d=\"M2 2h20v20H2z\"/>";
    QTest::newRow("script element") << svgDocument("<script>alert(1)</script>" + path) << QString()
                                    << QStringList{"script element"} << path;
    QTest::newRow("event attributes")
        << svgDocument("<rect width=\"4\" height=\"4\" onclick=\"steal()\"/>",
                       " onload=\"alert(1)\"")
        << QString() << QStringList{"onload attribute", "onclick attribute"}
        << QByteArray("<rect width=\"4\" height=\"4\"/>");
    QTest::newRow("javascript: link")
        << svgDocument("<a xlink:href=\"javascript:alert(1)\">" + path +
                       "</a><use href=\" JavaScript:alert(1)\"/>")
        << QString() << QStringList{"a element's link", "link outside the file"}
        << "<g>" + path + "</g><use/>";
    QTest::newRow("external href")
        << svgDocument("<defs><g id=\"a\">" + path +
                       "</g></defs><use xlink:href=\"https://example.com/x.svg#a\"/>"
                       "<use xlink:href=\"#a\"/>")
        << QString() << QStringList{"link outside the file"}
        << QByteArray("<use xlink:href=\"#a\"/>");
    QTest::newRow("external url in a style")
        << svgDocument(
               "<rect width=\"4\" height=\"4\" style=\"fill:url( 'http://x.test/p')\"/>"
               "<linearGradient id=\"g\"/><rect width=\"4\" height=\"4\" fill=\"url(#g)\"/>")
        << QString() << QStringList{"fill style value reaching outside the file"}
        << QByteArray("fill=\"url(#g)\"");
    QTest::newRow("@import in a style sheet")
        << svgDocument("<style>@import url(https://x.test/s.css); rect { fill: red }</style>"
                       "<rect width=\"4\" height=\"4\"/>")
        << QString() << QStringList{"@import rule"}
        << QByteArray("<rect width=\"4\" height=\"4\" style=\"fill:red\"/>");
    // A style sheet is applied to the elements and goes; classes go with it.
    QTest::newRow("style sheet applied to its elements")
        << svgDocument("<style>.a { fill: #f00 } path { stroke: blue }</style>"
                       "<path class=\"a\" d=\"M0 0h4\"/>")
        << QString() << QStringList()
        << QByteArray("<path d=\"M0 0h4\" style=\"stroke:blue;fill:#f00\"/>");
    QTest::newRow("the cascade: weight, style attribute, !important")
        << svgDocument("<style>#p { fill: red } path { fill: blue !important } .c { stroke: red "
                       "}</style><path id=\"p\" class=\"c\" d=\"M0 0\" style=\"fill: green; "
                       "stroke: black\" fill=\"yellow\"/>")
        << QString() << QStringList()
        << QByteArray("<path id=\"p\" d=\"M0 0\" style=\"stroke:black;fill:blue\"/>");
    QTest::newRow("descendant and child selectors; others named")
        << svgDocument(
               "<style>g > .x { fill: red } svg .y { fill: blue } g.z path { fill: green } "
               "a:hover, [x] { fill: red }</style><g><path class=\"x\" d=\"M1 1\"/></g>"
               "<path class=\"x y\" d=\"M2 2\"/><g class=\"z\"><g><path d=\"M3 3\"/></g></g>")
        << QString() << QStringList{"style rule for a:hover", "style rule for [x]"}
        << QByteArray("<g><path d=\"M1 1\" style=\"fill:red\"/></g><path d=\"M2 2\" "
                      "style=\"fill:blue\"/><g><g><path d=\"M3 3\" style=\"fill:green\"/></g></g>");
    QTest::newRow("@media rule left out, the rest applied")
        << svgDocument("<style>/* a */ @media (min-width: 1px) { path { fill: red } } .b { fill: "
                       "blue; transform: scale(2) }</style><path class=\"b\" d=\"M0 0h4\"/>")
        << QString() << QStringList{"@media rule", "transform style property"}
        << QByteArray("<path d=\"M0 0h4\" style=\"fill:blue\"/>");
    QTest::newRow("each declaration checked on its own")
        << svgDocument("<path d=\"M0 0h4\" style=\"font-family:'Open Sans';FILL:#0f0;"
                       "stroke:url(https://x.test/s)\"/>")
        << QString()
        << QStringList{"font-family style property", "stroke style value reaching outside the file"}
        << QByteArray("<path d=\"M0 0h4\" style=\"fill:#0f0\"/>");
    QTest::newRow("switch: the first shown child drawn")
        << svgDocument("<switch transform=\"scale(2)\"><foreignObject "
                       "requiredExtensions=\"http://ns.test/ai\" "
                       "width=\"1\" height=\"1\"/><g systemLanguage=\"de\"><rect width=\"1\" "
                       "height=\"1\"/></g><g>" +
                       path + "</g><circle r=\"1\"/></switch>")
        << QString() << QStringList{"foreignObject element", "g element", "circle element"}
        << "<g transform=\"scale(2)\"><g>" + path + "</g></g>";
    QTest::newRow("foreign HTML")
        << svgDocument("<foreignObject><iframe xmlns=\"http://www.w3.org/1999/xhtml\" "
                       "src=\"https://x.test\"/></foreignObject>" +
                       path)
        << QString() << QStringList{"foreignObject element"} << path;
    QTest::newRow("processing instruction")
        << ("<?xml-stylesheet href=\"https://x.test/s.css\"?>" + svgDocument(path)) << QString()
        << QStringList{"processing instruction"} << path;
    QTest::newRow("editor metadata")
        << svgDocument("<sodipodi:namedview xmlns:sodipodi=\"urn:editor\"/>" + path,
                       " xmlns:ed=\"urn:editor\" ed:version=\"1\"")
        << QString() << QStringList{"sodipodi:namedview element", "ed:version attribute"} << path;
    QTest::newRow("entity expansion")
        << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE svg [<!ENTITY a \"aaaaaaaaaa\">"
                      "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                      "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">]>") +
               svgDocument("<title>&c;</title>")
        << QStringLiteral("DTD") << QStringList() << QByteArray();
    QTest::newRow("100,000 nested groups")
        << svgDocument(QByteArray("<g>").repeated(100000) + QByteArray("</g>").repeated(100000))
        << QStringLiteral("nested more than 64") << QStringList() << QByteArray();
    QTest::newRow("11,000 elements")
        << svgDocument(path.repeated(11000)) << QStringLiteral("more than 10000 elements")
        << QStringList() << QByteArray();
    QTest::newRow("2 MB file") << svgDocument(QByteArray(2 * 1024 * 1024, ' '))
                               << QStringLiteral("larger than 1024 KB") << QStringList()
                               << QByteArray();
    QTest::newRow("image-set in a style")
        << svgDocument("<rect width=\"4\" height=\"4\" style=\"fill:#000;"
                       "background:image-set('https://x.test/p.png' 1x)\"/>" +
                       path)
        << QString() << QStringList{"background style property"}
        << QByteArray("<rect width=\"4\" height=\"4\" style=\"fill:#000\"/>");
    QTest::newRow("url after a no-break space")
        << svgDocument(QByteArray("<rect width=\"4\" height=\"4\" fill=\"url(\xc2\xa0#g)\"/>") +
                       path)
        << QString() << QStringList{"fill value reaching outside the file"} << path;
    QTest::newRow("layout in a style")
        << svgDocument("<rect width=\"4\" height=\"4\" style=\"position: fixed; fill: #f00; "
                       "z-index: 9\"/>")
        << QString() << QStringList{"position style property", "z-index style property"}
        << QByteArray("<rect width=\"4\" height=\"4\" style=\"fill:#f00\"/>");
    QTest::newRow("href and xlink:href together")
        << svgDocument("<defs><path id=\"a\" d=\"M0 0h4\"/></defs>"
                       "<use href=\"#a\" xlink:href=\"#a\"/>")
        << QString() << QStringList() << QByteArray("<use xlink:href=\"#a\"/>");
    // Browsers read href before xlink:href, wherever it stands.
    QTest::newRow("href and xlink:href naming two elements")
        << svgDocument("<defs><path id=\"a\" d=\"M0 0h4\"/><path id=\"b\" d=\"M0 0h2\"/></defs>"
                       "<use xlink:href=\"#b\" x=\"1\" href=\"#a\"/>")
        << QString() << QStringList() << QByteArray("<use xlink:href=\"#a\" x=\"1\"/>");
    QTest::newRow("an id starting with a digit, a link with a line break")
        << svgDocument("<defs><path id=\"1a\" d=\"M0 0h4\"/></defs><use href=\"#1a\"/>"
                       "<use href=\" #1a&#10;\"/><rect fill=\"url( '#1a' )\"/>")
        << QString() << QStringList()
        << QByteArray(
               "<use xlink:href=\"#1a\"/><use xlink:href=\"#1a\"/><rect fill=\"url(#1a)\"/>");
    QTest::newRow("references to missing elements")
        << svgDocument("<use href=\"#gone\"/><rect fill=\"url(#gone) #f00\" stroke=\"url(#gone)\" "
                       "clip-path=\"url(#gone)\" style=\"mask: url(#gone)\"/>")
        << QString() << QStringList{"link to a missing element", "reference to a missing element"}
        << QByteArray("<use/><rect fill=\"#f00\" stroke=\"none\"/>");
    QTest::newRow("repeated and unusable ids")
        << svgDocument("<path id=\"a\" d=\"M0 0h1\"/><path id=\"a\" d=\"M0 0h2\"/>"
                       "<path id=\"a b\" d=\"M0 0h3\"/>")
        << QString() << QStringList{"repeated id", "id value a reference cannot name"}
        << QByteArray("<path id=\"a\" d=\"M0 0h1\"/><path d=\"M0 0h2\"/><path d=\"M0 0h3\"/>");
    QByteArray editorNoise = "<rect";
    for (int i = 0; i < 40; ++i)
        editorNoise += " data-n" + QByteArray::number(i) + "=\"1\"";
    QTest::newRow("forty kinds of editor attributes, named by the first")
        << svgDocument(editorNoise + "/>") << QString()
        << QStringList{"data-n0 attribute",
                       "data-n1 attribute",
                       "data-n2 attribute",
                       "data-n3 attribute",
                       "data-n4 attribute",
                       "data-n5 attribute",
                       "data-n6 attribute",
                       "data-n7 attribute",
                       "data-n8 attribute",
                       "data-n9 attribute",
                       "data-n10 attribute",
                       "data-n11 attribute",
                       "more"}
        << QByteArray("<rect/>");
    QByteArray uses = "<defs><path id=\"g0\" d=\"M0 0h1\"/>";
    for (int level = 1; level <= 10; ++level) {
        uses += "<g id=\"g" + QByteArray::number(level) + "\">";
        for (int i = 0; i < 10; ++i)
            uses += "<use href=\"#g" + QByteArray::number(level - 1) + "\"/>";
        uses += "</g>";
    }
    QTest::newRow("uses drawing ten billion shapes")
        << svgDocument(uses + "</defs><use href=\"#g10\"/>")
        << QStringLiteral("would draw more than 10000") << QStringList() << QByteArray();
    // Browsers follow an id to its first element: a light decoy after the heavy one hides
    // nothing.
    QByteArray decoys;
    for (int level = 1; level <= 10; ++level)
        decoys += "<g id=\"g" + QByteArray::number(level) + "\"/>";
    QTest::newRow("uses behind repeated ids")
        << svgDocument(uses + decoys + "</defs><use href=\"#g10\"/>")
        << QStringLiteral("would draw more than 10000") << QStringList() << QByteArray();
    QTest::newRow("uses through links ending in a line break")
        << svgDocument(QByteArray(uses).replace("\"/>", "&#10;\"/>") +
                       "</defs><use href=\"#g10\"/>")
        << QStringLiteral("would draw more than 10000") << QStringList() << QByteArray();
    for (const char* reference : {"clip-path=\"url(#c%1)\"", "style=\"mask:url( '#c%1' )\""}) {
        QByteArray chain = "<defs><clipPath id=\"c0\"><rect width=\"1\" height=\"1\"/></clipPath>";
        for (int level = 1; level <= 10; ++level) {
            chain += "<clipPath id=\"c" + QByteArray::number(level) + "\">";
            for (int i = 0; i < 10; ++i)
                chain += "<rect width=\"1\" height=\"1\" " +
                         QString::fromLatin1(reference).arg(level - 1).toLatin1() + "/>";
            chain += "</clipPath>";
        }
        QTest::newRow(reference) << svgDocument(chain + "</defs><rect width=\"1\" height=\"1\" " +
                                                QString::fromLatin1(reference).arg(10).toLatin1() +
                                                "/>")
                                 << QStringLiteral("would draw more than 10000") << QStringList()
                                 << QByteArray();
    }
    QTest::newRow("clip paths in a circle")
        << svgDocument("<clipPath id=\"a\" clip-path=\"url(#b)\"/><clipPath id=\"b\">"
                       "<rect clip-path=\"url(#a)\"/></clipPath>")
        << QStringLiteral("circle") << QStringList() << QByteArray();
    QTest::newRow("uses in a circle")
        << svgDocument("<g id=\"a\"><use href=\"#b\"/></g><g id=\"b\"><use href=\"#a\"/></g>")
        << QStringLiteral("circle") << QStringList() << QByteArray();
    // The allow-lists, named one by one: each of these goes, with all it holds.
    QTest::newRow("elements that load, animate, write text or fill with patterns")
        << svgDocument("<image href=\"x.png\"/><filter><feImage href=\"y.png\"/></filter>"
                       "<animate/><set/><text>Hi</text><pattern id=\"pt\"/><marker/><view/>"
                       "<cursor/><iframe/>" +
                       path)
        << QString()
        << QStringList{"image element",  "filter element",  "animate element", "set element",
                       "text element",   "pattern element", "marker element",  "view element",
                       "cursor element", "iframe element"}
        << path;
    QTest::newRow("attributes that filter, point, load or time")
        << svgDocument("<rect width=\"4\" height=\"4\" filter=\"url(#f)\" cursor=\"pointer\" "
                       "pointer-events=\"all\" tabindex=\"0\" xml:base=\"https://x.test/\" "
                       "href=\"#a\" src=\"x\" marker-start=\"url(#m)\" font-family=\"serif\" "
                       "begin=\"0s\"/><g id=\"a\"/>")
        << QString()
        << QStringList{"filter attribute",   "cursor attribute",       "pointer-events attribute",
                       "tabindex attribute", "xml:base attribute",     "href attribute",
                       "src attribute",      "marker-start attribute", "font-family attribute",
                       "begin attribute"}
        << QByteArray("<rect width=\"4\" height=\"4\"/>");
    QTest::newRow("style properties that filter, point, move or write")
        << svgDocument("<style>rect { filter: url(#f); fill: url(#g) }</style><linearGradient "
                       "id=\"g\"/><rect style=\"cursor:pointer;pointer-events:none;"
                       "transform:scale(9);position:absolute;content:'x';stroke:#f00\"/>")
        << QString() << QStringList{"filter style property",         "cursor style property",
                                    "pointer-events style property", "transform style property",
                                    "position style property",       "content style property"}
        << QByteArray("<rect style=\"fill:url(#g);stroke:#f00\"/>");
    QTest::newRow("not an SVG image")
        << QByteArray("<html><body/></html>") << QStringLiteral("not an SVG image") << QStringList()
        << QByteArray();
    QTest::newRow("not well-formed")
        << QByteArray("<svg><g></svg>") << QStringLiteral("not well-formed") << QStringList()
        << QByteArray();
}

void WorkspaceTest::svgIcon_keepsOnlyWhatDraws() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    QFETCH(QStringList, removed);
    QFETCH(QByteArray, kept);
    const auto result = cleanSvgIcon(bytes);
    if (!refusal.isEmpty()) {
        QVERIFY(std::holds_alternative<QString>(result));
        QVERIFY2(std::get<QString>(result).contains(refusal),
                 qPrintable(std::get<QString>(result)));
        return;
    }
    if (const QString* reason = std::get_if<QString>(&result))
        QFAIL(qPrintable(*reason));
    const CleanSvg& icon = std::get<CleanSvg>(result);
    QCOMPARE(icon.removed, removed);
    QVERIFY2(icon.text.contains(kept), icon.text.constData());
    // Nothing that runs, loads or declares anything is ever written.
    const QByteArray written = QByteArray(icon.text)
                                   .replace("xmlns=\"http://www.w3.org/2000/svg\"", "")
                                   .replace("xmlns:xlink=\"http://www.w3.org/1999/xlink\"", "")
                                   .toLower();
    for (const char* unsafe : {"<script", "onload", "onclick", "javascript", "http:", "https:",
                               "@import", "<!doctype", "<!entity", "<?", "foreignobject", "iframe"})
        QVERIFY2(!written.contains(unsafe), unsafe);
    // The cleaned icon is clean: cleaning it again removes nothing and changes nothing.
    const auto again = cleanSvgIcon(icon.text);
    QVERIFY(std::holds_alternative<CleanSvg>(again));
    QCOMPARE(std::get<CleanSvg>(again).text, icon.text);
    QVERIFY(std::get<CleanSvg>(again).removed.isEmpty());
}

void WorkspaceTest::svgIcon_sizeAndTextColour_data() {
    QTest::addColumn<QByteArray>("rootAttributes");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<QSize>("onPage"); // at most 16 px tall unless it states its size
    QTest::newRow("width and height")
        << QByteArray(" width=\"20\" height=\"16px\"") << QSizeF(20, 16) << QSize(20, 16);
    QTest::newRow("large stated size kept")
        << QByteArray(" width=\"40.4\" height=\"30.6\"") << QSizeF(40.4, 30.6) << QSize(40, 31);
    QTest::newRow("viewBox alone, scaled down") << QByteArray() << QSizeF() << QSize(16, 16);
    QTest::newRow("other units, viewBox")
        << QByteArray(" width=\"1em\" height=\"1em\"") << QSizeF() << QSize(16, 16);
}

void WorkspaceTest::svgIcon_sizeAndTextColour() {
    QFETCH(QByteArray, rootAttributes);
    QFETCH(QSizeF, size);
    QFETCH(QSize, onPage);
    const QByteArray bytes = svgDocument(
        "<path d=\"M0 0h4\" fill=\"#000\"/><path d=\"M0 0h4\" stroke=\"Black\"/>"
        "<path d=\"M0 0h4\" fill=\"#ff0000\" style=\"stroke: rgb(0, 0, 0); opacity: .5\"/>"
        "<path d=\"M1 1\" style=\"FILL:rgb(0 0 0 / 100%)\"/><path d=\"M2 2\" fill=\"#000000ff\"/>"
        "<path d=\"M3 3\" fill=\"rgb(0 0 1)\"/><path d=\"M4 4\" fill=\"#0000\"/>"
        "<path d=\"M5 5\" stroke=\"rgba(0%,0%,0%,1)\"/><path d=\"M6 6\" fill=\"#000000fe\"/>",
        rootAttributes);
    const CleanSvg plain = std::get<CleanSvg>(cleanSvgIcon(bytes));
    QCOMPARE(plain.size, size);
    QCOMPARE(plain.viewBox, QSizeF(24, 24));
    QCOMPARE(svgIconPageSize(plain, 16), onPage);
    QVERIFY(!plain.text.contains("currentColor"));
    const CleanSvg following = std::get<CleanSvg>(cleanSvgIcon(bytes, true));
    // Black becomes the text's colour, the icon's default fill with it; red stays red.
    QVERIFY(following.text.startsWith("<svg xmlns=\"http://www.w3.org/2000/svg\""));
    QVERIFY(following.text.contains(" fill=\"currentColor\">"));
    QCOMPARE(following.text.count("fill=\"currentColor\""), 3);
    QCOMPARE(following.text.count("stroke=\"currentColor\""), 2);
    for (const char* expected :
         {"fill=\"#ff0000\" style=\"stroke:currentColor;opacity:.5\"",
          "<path d=\"M1 1\" style=\"fill:currentColor\"/>",
          "<path d=\"M2 2\" fill=\"currentColor\"/>", "<path d=\"M3 3\" fill=\"rgb(0 0 1)\"/>",
          "<path d=\"M4 4\" fill=\"#0000\"/>", "<path d=\"M5 5\" stroke=\"currentColor\"/>",
          "<path d=\"M6 6\" fill=\"#000000fe\"/>"})
        QVERIFY2(following.text.contains(expected), expected);
}

void WorkspaceTest::svgIcon_insideThePage() {
    const CleanSvg icon = std::get<CleanSvg>(cleanSvgIcon(svgDocument(
        "<title>Home</title><style>path { fill: red }</style><defs><linearGradient id=\"g\">"
        "<stop offset=\"0\" stop-color=\"#f00\"/></linearGradient><path id=\"p\" "
        "class=\"icon\" d=\"M0 0h4\"/></defs><use xlink:href=\"#p\" fill=\"url(#g)\"/>"
        "<rect width=\"4\" height=\"4\" style=\"fill: url('#g')\" fill=\"black\"/>"
        "<rect width=\"2\" height=\"2\" fill=\"URL( #g)\"/>",
        " width=\"24\" height=\"24\" class=\"x\" style=\"opacity: .9\" "
        "transform=\"scale(40)\"")));
    const QString inside = inlineSvgIcon(icon.text, true, QStringLiteral("nav-icon3-"), {20, 18});
    // Sized by the page and hidden from assistive technology; every paint in a style attribute,
    // which a host page's rules for svg elements do not beat; nothing that shows a tooltip.
    QVERIFY2(inside.startsWith(QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\"")),
             qPrintable(inside));
    for (const char* expected :
         {" viewBox=\"0 0 24 24\" width=\"20\" height=\"18\" aria-hidden=\"true\" "
          "style=\"opacity:.9;fill:currentColor\">",
          // The root's transform turns the drawing about the middle of the box, inside it: the
          // viewBox is drawn 0.75 times as large, 1 px in from the left.
          "<g transform=\"matrix(1.3333333 0 0 1.3333333 -1.3333333 0) translate(10 9) scale(40) "
          "translate(-10 -9) matrix(0.75 0 0 0.75 1 0)\"><defs>",
          "<linearGradient id=\"nav-icon3-g\"><stop offset=\"0\" style=\"stop-color:#f00\"/>",
          "<path id=\"nav-icon3-p\" d=\"M0 0h4\" style=\"fill:red\"/>",
          "<use href=\"#nav-icon3-p\" style=\"fill:url(#nav-icon3-g)\"/>",
          "<rect width=\"4\" height=\"4\" style=\"fill:url(#nav-icon3-g)\"/>",
          "<rect width=\"2\" height=\"2\" style=\"fill:url(#nav-icon3-g)\"/></g></svg>"})
        QVERIFY2(inside.contains(QLatin1String(expected)), expected);
    for (const char* left :
         {"<title", "<style", "class=", "width=\"24\"", "<?xml", "xlink", " fill="})
        QVERIFY2(!inside.contains(QLatin1String(left)), left);
    // In its own colours when it does not follow the text, black where it states none.
    const QString own = inlineSvgIcon(icon.text, false, QStringLiteral("a-"), {4, 4});
    QVERIFY2(
        own.contains(
            "style=\"opacity:.9;fill:black\"><g transform=\"matrix(6 0 0 6 0 0) "
            "translate(2 2) scale(40) translate(-2 -2) matrix(0.16666667 0 0 0.16666667 0 0)\">"),
        qPrintable(own));
    QVERIFY(inlineSvgIcon("<html/>", true, QStringLiteral("a-"), {4, 4}).isEmpty());
}

void WorkspaceTest::svgIcon_rootTransformTurnsInsideTheBox_data() {
    QTest::addColumn<QByteArray>("aspect"); // preserveAspectRatio, empty: none stated
    QTest::addColumn<QString>("toBox");     // the viewBox 0 0 24 12 mapped onto 48 × 48 px
    QTest::addColumn<QString>("fromBox");
    QTest::newRow("centred, as large as fits") << QByteArray() << "matrix(2 0 0 2 0 12)"
                                               << "matrix(0.5 0 0 0.5 0 -6)";
    QTest::newRow("stretched") << QByteArray("none") << "matrix(2 0 0 4 0 0)"
                               << "matrix(0.5 0 0 0.25 0 0)";
    QTest::newRow("at the bottom") << QByteArray("xMaxYMax meet") << "matrix(2 0 0 2 0 24)"
                                   << "matrix(0.5 0 0 0.5 0 -12)";
    QTest::newRow("filling, from the top left")
        << QByteArray("xMinYMin slice") << "matrix(4 0 0 4 0 0)"
        << "matrix(0.25 0 0 0.25 0 0)";
}

// A transform on the root turns the drawing about the box's middle in CSS px, as a browser
// turns the picture: inside the page it becomes a group's transform in the icon's own units.
void WorkspaceTest::svgIcon_rootTransformTurnsInsideTheBox() {
    QFETCH(QByteArray, aspect);
    QFETCH(QString, toBox);
    QFETCH(QString, fromBox);
    const QByteArray root =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 12\" " +
        (aspect.isEmpty() ? QByteArray() : "preserveAspectRatio=\"" + aspect + "\" ") +
        "transform=\"rotate(90)\"><rect width=\"4\" height=\"4\"/></svg>";
    const CleanSvg icon = std::get<CleanSvg>(cleanSvgIcon(root));
    const QString inside = inlineSvgIcon(icon.text, false, QStringLiteral("a-"), {48, 48});
    QVERIFY2(inside.contains(u"<g transform=\""_s + fromBox +
                             u" translate(24 24) rotate(90) translate(-24 -24) "_s + toBox +
                             u"\"><rect"_s),
             qPrintable(inside));
}

void WorkspaceTest::svgIcon_isDrawnAtBothScales() {
    // The left half red, the right half empty.
    const CleanSvg icon = std::get<CleanSvg>(
        cleanSvgIcon(svgDocument("<rect width=\"12\" height=\"24\" fill=\"#ff0000\"/>")));
    for (const int scale : {1, 2}) {
        const QImage picture = renderSvgIcon(icon.text, QSize(16, 16), scale);
        QCOMPARE(picture.size(), QSize(16, 16) * scale);
        QCOMPARE(picture.pixelColor(3 * scale, 8 * scale), QColor(Qt::red));
        QCOMPARE(picture.pixelColor(12 * scale, 8 * scale).alpha(), 0);
    }
    QVERIFY(renderSvgIcon(icon.text, QSize(16, 16), 0).isNull());
    QVERIFY(renderSvgIcon("not an icon", QSize(16, 16), 1).isNull());
}

void WorkspaceTest::svgz_isInflatedWithinTheLimit() {
    const QByteArray icon = svgDocument("<path d=\"M2 2h20v20H2z\"/>");
    const auto inflated = inflateSvgz(testsupport::gzipped(icon));
    QVERIFY(std::holds_alternative<QByteArray>(inflated));
    QCOMPARE(std::get<QByteArray>(inflated), icon);
    // A small file that would inflate to 64 MB is stopped at the limit.
    const QByteArray bomb = testsupport::gzipped(QByteArray(64 * 1024 * 1024, ' '));
    QVERIFY(bomb.size() < 200 * 1024);
    const auto refused = inflateSvgz(bomb);
    QVERIFY(std::holds_alternative<QString>(refused));
    QVERIFY(std::get<QString>(refused).contains(QStringLiteral("larger than")));
    QVERIFY(std::holds_alternative<QString>(inflateSvgz(testsupport::gzipped(icon).left(20))));
    QVERIFY(std::holds_alternative<QString>(inflateSvgz("not gzip at all")));
}

QTEST_GUILESS_MAIN(WorkspaceTest)
#include "tst_workspace.moc"
