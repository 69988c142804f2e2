#include "MenuText.h"
#include "PlistTestFile.h"
#include "TestFiles.h"
#include "model/GlobalData.h"
#include "project/DesignGallery.h"
#include "project/MenuImport.h"
#include "project/ProjectFile.h"
#include "project/ProjectReader.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <sys/stat.h>

using namespace brindle;
using namespace Qt::StringLiterals;

using Mutation = std::function<void(PlistTestFile&)>;
Q_DECLARE_METATYPE(Mutation)
Q_DECLARE_METATYPE(brindle::OutputOptions)
Q_DECLARE_METATYPE(brindle::OutputStyle)

namespace {

// Positions in the file of `iconProjectStore()`: Home (with an icon), Products with two
// sub-items, Forums.
constexpr int kItemCountPosition = 120;
constexpr int kHomeIconNamePosition = 126;
constexpr int kHomeIconDataPosition = 127;
constexpr int kProductsSubItemCountPosition = 136;
constexpr int kIconProjectSize = 156;

QImage solidImage(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

using testsupport::readBytes;

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

// A value for every setting that differs from its default (height keeps -1).
SettingValue changedValue(int index) {
    const Setting setting = static_cast<Setting>(index);
    const SettingValue initial = GlobalData::defaultValue(setting);
    switch (settingInfo(setting).kind) {
    case SettingKind::Integer:
        return setting == Setting::height ? qint64(-1) : qint64(index * 3 - 50);
    case SettingKind::Double:
        return (index % 10) / 10.0 + 0.05;
    case SettingKind::Boolean:
        return !std::get<bool>(initial);
    case SettingKind::Colour:
        return Color::fromBytes(index, 255 - index, (index * 7) % 256).withAlpha(0.5);
    case SettingKind::Text:
        return QStringLiteral("Georgia, serif");
    }
    return {};
}

std::unique_ptr<Node> item(const QString& name, const QString& iconID, Node* parent,
                           const QString& link = QString(), qint64 gap = 0) {
    auto node = Node::make(name, iconID, parent);
    node->setLink(link.isNull() ? QStringLiteral("") : link);
    node->setPaddingRight(gap);
    return node;
}

// A store whose default menu's first item has an icon in the preview folder.
void makeIconProjectStore(GlobalData& store, const QString& previewFolder) {
    store.setTempFolderPath(previewFolder);
    store.setBorderRadius(7);
    store.setMainMenufontFamily(QStringLiteral("Impact, sans-serif"));
    writeBytes(QDir(previewFolder).filePath(QStringLiteral("home.png")),
               testsupport::encodedImage(solidImage(12, 8, Qt::red), "PNG"));
    store.getMenuRootNode()->childAt(0)->setImageFileName(QStringLiteral("home.png"));
}

// A version 2.0 record: title, class, gap, no icons.
void appendVersion2Record(PlistTestFile& file, const QString& name, const QString& iconID,
                          qint64 gap) {
    file.text(name).text(iconID).integer(gap).boolean(false).boolean(false);
}

PlistTestFile settingsOnly(const QString& version, const GlobalData& source) {
    PlistTestFile file;
    file.text(version);
    for (int i = 0; i < kPersistedSettingCount; ++i) {
        const Setting setting = static_cast<Setting>(i);
        switch (settingInfo(setting).kind) {
        case SettingKind::Integer:
            file.integer(source.integerValue(setting));
            break;
        case SettingKind::Double:
            file.real(source.doubleValue(setting));
            break;
        case SettingKind::Boolean:
            file.boolean(source.booleanValue(setting));
            break;
        case SettingKind::Colour:
            file.text(hexadecimalValueOfAnNSColor(source.colorValue(setting)));
            break;
        case SettingKind::Text:
            file.text(source.textValue(setting));
            break;
        }
    }
    return file;
}

// A version 3.0 file whose items carry the given classes: each entry is a top-level item
// followed by its sub-items.
QByteArray fileWithClasses(const QList<QStringList>& classes, const QString& fontFamily) {
    GlobalData defaults;
    defaults.setMainMenufontFamily(fontFamily);
    PlistTestFile file = settingsOnly(QStringLiteral("Version 3.0"), defaults);
    file.integer(classes.size());
    for (const QStringList& group : classes) {
        for (int i = 0; i < group.size(); ++i) {
            file.text(QStringLiteral("Item")).text(group.at(i)).text(QString()).integer(0);
            file.boolean(false).boolean(false);
            if (i == 0)
                file.integer(group.size() - 1);
        }
    }
    return file.xml();
}

// Each item's class, or title, in file order: an item, then the items below it.
QStringList inFileOrder(const GlobalData& store, const std::function<QString(const Node&)>& of) {
    QStringList values;
    const auto walk = [&](auto& self, const Node& parent) -> void {
        for (int i = 0; i < parent.childCount(); ++i) {
            values.append(of(*parent.childAt(i)));
            self(self, *parent.childAt(i));
        }
    };
    walk(walk, *store.getMenuRootNode());
    return values;
}

QStringList classesInTree(const GlobalData& store) {
    return inFileOrder(store, [](const Node& item) { return item.iconID(); });
}

} // namespace

// An imported menu as one line: "Title>link(Sub>link | …) | …".
QString described(const QList<ImportedItem>& items) {
    QStringList parts;
    for (const ImportedItem& item : items)
        parts << item.title + u'>' + item.link +
                     (item.children.isEmpty() ? QString() : u'(' + described(item.children) + u')');
    return parts.join(QStringLiteral(" | "));
}

class ProjectTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void saveThenOpen_restoresSettingsAndTree();
    void emptyMenu_writes121Elements();
    void recordLengths_followIconsAndLevel();
    void version2File_readsWithEmptyLinks();
    void retinaIcon_readsBackAtHalfSize();
    void pngIcon_isStoredAsTiffAndComesBackAsPng();
    void missingIconFile_isSavedAsAbsent();
    void checkVersion_data();
    void checkVersion();
    void hostileFile_isRefusedAndChangesNothing_data();
    void hostileFile_isRefusedAndChangesNothing();
    void rawBytes_areRefused_data();
    void rawBytes_areRefused();
    void fuzzFinding_isRefusedCleanly_data();
    void fuzzFinding_isRefusedCleanly();
    void seedFiles_open_data();
    void seedFiles_open();
    void realWrittenAsInteger_isAccepted();
    void undecodableIcon_leavesItemWithoutIcon();
    void reopening_keepsIdenticalIconFilesAndReplacesOthers();
    void noPreviewFolder_leavesIconsOutAndWritesNothing();
    void iconClasses_areRepaired_data();
    void iconClasses_areRepaired();
    void fontFamily_isSanitised_data();
    void fontFamily_isSanitised();
    void save_intoUnwritablePlace_reportsFailure();
    void outputOptions_areSavedOnlyWhenNotDefault_data();
    void outputOptions_areSavedOnlyWhenNotDefault();
    void galleryDesignName_fitsAFileName_data();
    void galleryDesignName_fitsAFileName();
    void galleryDesigns_areSavedRenamedRemovedAndOutliveTheRun();
    void galleryDesign_keepsOrReplacesTheMenu();
    void untitledItems_areOpenedAndNamedByPlace();
    void svgIcons_roundTripExactly();
    void thirdLevel_isSavedOnlyWhenTheMenuHasOne_data();
    void thirdLevel_isSavedOnlyWhenTheMenuHasOne();
    void importedMenu_takesTheSitesOwnMenu_data();
    void importedMenu_takesTheSitesOwnMenu();
};

void ProjectTest::initTestCase() {
    QVERIFY(QImageWriter::supportedImageFormats().contains("tiff"));
}

void ProjectTest::saveThenOpen_restoresSettingsAndTree() {
    QTemporaryDir sourcePreview, targetPreview, projects;
    GlobalData source;
    source.setTempFolderPath(sourcePreview.path());
    for (int i = 0; i < kPersistedSettingCount; ++i)
        source.setValue(static_cast<Setting>(i), changedValue(i));
    source.setShowSeparator(true);

    const QImage normal = solidImage(20, 10, Qt::blue);
    const QImage retina = solidImage(40, 20, Qt::green);
    const QImage retinaOnly = solidImage(33, 21, Qt::yellow);
    writeBytes(sourcePreview.filePath(QStringLiteral("a.png")),
               testsupport::encodedImage(normal, "PNG"));
    writeBytes(sourcePreview.filePath(QStringLiteral("a@2x.png")),
               testsupport::encodedImage(retina, "PNG"));
    writeBytes(sourcePreview.filePath(QStringLiteral("c@2x.gif")),
               testsupport::encodedImage(retinaOnly, "PNG"));

    Node* root = source.getMenuRootNode();
    root->clearChildren();
    auto a = item(QStringLiteral("Alpha"), QStringLiteral("icon3"), root,
                  QStringLiteral("http://example.com/a?x=1&y=2"), 4);
    a->setImageFileName(QStringLiteral("a.png"));
    a->setRetinaImageFileName(QStringLiteral("a@2x.png"));
    a->appendChild(item(QStringLiteral("Beta"), QStringLiteral("icon5"), a.get(),
                        QStringLiteral("b.html"), 2));
    auto c = item(QStringLiteral("Gamma"), QStringLiteral("icon7"), a.get());
    c->setRetinaImageFileName(QStringLiteral("c@2x.gif"));
    a->appendChild(std::move(c));
    a->setIsGroup(true);
    source.addMenuRootNodeChild(std::move(a));
    source.addMenuRootNodeChild(
        item(QStringLiteral("Über & <Ärger> \"q\""), QStringLiteral("icon9"), root));

    const QString path = projects.filePath(QStringLiteral("Project.brindleprj"));
    QVERIFY(saveProjectToFile(source, path));

    GlobalData target;
    target.setTempFolderPath(targetPreview.path());
    target.setShowSeparator(false);
    const OpenResult opened = openProjectFile(target, path);
    QVERIFY2(opened.ok, qPrintable(opened.error));
    QVERIFY(opened.warnings.isEmpty());

    QCOMPARE(target.showSeparator(), false);
    QCOMPARE(target.height(), qint64(-1));
    for (int i = 0; i < kPersistedSettingCount; ++i) {
        const Setting setting = static_cast<Setting>(i);
        const QByteArray name = settingInfo(setting).name;
        if (settingInfo(setting).kind == SettingKind::Colour) {
            const Color& stored = source.colorValue(setting);
            const Color& read = target.colorValue(setting);
            QVERIFY2(hexadecimalValueOfAnNSColor(read) == hexadecimalValueOfAnNSColor(stored),
                     name);
            QVERIFY2(read.alpha == 1.0, name);
        } else {
            QVERIFY2(target.value(setting) == source.value(setting), name);
        }
    }

    const Node* readRoot = target.getMenuRootNode();
    QCOMPARE(readRoot->childCount(), 2);
    const Node* readA = readRoot->childAt(0);
    QCOMPARE(readA->name(), QStringLiteral("Alpha"));
    QCOMPARE(readA->iconID(), QStringLiteral("icon3"));
    QCOMPARE(readA->link(), QStringLiteral("http://example.com/a?x=1&y=2"));
    QCOMPARE(readA->paddingRight(), qint64(4));
    QCOMPARE(readA->parent(), readRoot);
    QVERIFY(readA->isGroup());
    QCOMPARE(readA->imageFileName(), QStringLiteral("a.png"));
    QCOMPARE(readA->imageWidth(), qint64(20));
    QCOMPARE(readA->imageHeight(), qint64(10));
    QCOMPARE(readA->image().convertToFormat(QImage::Format_ARGB32), normal);
    QCOMPARE(readA->retinaImageFileName(), QStringLiteral("a@2x.png"));
    QCOMPARE(readA->retinaImageWidth(), qint64(20));
    QCOMPARE(readA->retinaImageHeight(), qint64(10));
    QCOMPARE(readA->scaledImage().size(), QSize(20, 10));
    QCOMPARE(readA->childCount(), 2);

    const Node* readB = readA->childAt(0);
    QCOMPARE(readB->name(), QStringLiteral("Beta"));
    QCOMPARE(readB->iconID(), QStringLiteral("icon5"));
    QCOMPARE(readB->link(), QStringLiteral("b.html"));
    QCOMPARE(readB->paddingRight(), qint64(2));
    QCOMPARE(readB->parent(), readA);
    QVERIFY(!readB->hasIcon());
    QVERIFY(readB->image().isNull());

    const Node* readC = readA->childAt(1);
    QCOMPARE(readC->link(), QStringLiteral(""));
    QCOMPARE(readC->imageFileName(), QStringLiteral(""));
    QCOMPARE(readC->retinaImageFileName(), QStringLiteral("c@2x.gif"));
    QCOMPARE(readC->retinaImageWidth(), qint64(16));
    QCOMPARE(readC->retinaImageHeight(), qint64(10));
    QCOMPARE(readC->parent(), readA);

    const Node* readD = readRoot->childAt(1);
    QCOMPARE(readD->name(), QStringLiteral("Über & <Ärger> \"q\""));
    QVERIFY(!readD->isGroup());
    QCOMPARE(readD->childCount(), 0);

    // The icons, and the note of what was written there, by which the folder is tidied.
    QCOMPARE(entries(targetPreview.path()),
             QStringList({QStringLiteral(".brindle-written"), QStringLiteral("a.png"),
                          QStringLiteral("a@2x.png"), QStringLiteral("c@2x.gif")}));
}

void ProjectTest::emptyMenu_writes121Elements() {
    GlobalData store;
    store.getMenuRootNode()->clearChildren();
    const PlistTestFile file(projectData(store));
    QVERIFY(file.isArray());
    QCOMPARE(file.size(), 121);
    QCOMPARE(file.stringAt(0), QStringLiteral("Version 3.0"));
    QCOMPARE(file.typeAt(1), PLIST_UINT);
    QCOMPARE(file.integerAt(1), qint64(25));               // borderRadius
    QCOMPARE(file.stringAt(3), QStringLiteral("#6d8000")); // borderColor
    QCOMPARE(file.integerAt(9), qint64(-1));               // height
    QCOMPARE(file.typeAt(14), PLIST_BOOLEAN);
    QCOMPARE(file.typeAt(25), PLIST_REAL);
    QCOMPARE(file.realAt(25), 0.6);
    QCOMPARE(file.stringAt(16), QStringLiteral("Arial, Helvetica, sans-serif"));
    QCOMPARE(file.typeAt(120), PLIST_UINT);
    QCOMPARE(file.integerAt(120), qint64(0));
}

void ProjectTest::recordLengths_followIconsAndLevel() {
    QTemporaryDir preview;
    GlobalData store;
    store.setTempFolderPath(preview.path());
    writeBytes(preview.filePath(QStringLiteral("n.png")),
               testsupport::encodedImage(solidImage(4, 4, Qt::red), "PNG"));
    writeBytes(preview.filePath(QStringLiteral("r.png")),
               testsupport::encodedImage(solidImage(8, 8, Qt::red), "PNG"));
    Node* root = store.getMenuRootNode();
    root->clearChildren();
    auto top = item(QStringLiteral("Top"), QStringLiteral("icon0"), root, QStringLiteral("t"), 1);
    auto both = item(QStringLiteral("Both"), QStringLiteral("icon1"), top.get());
    both->setImageFileName(QStringLiteral("n.png"));
    both->setRetinaImageFileName(QStringLiteral("r.png"));
    top->appendChild(std::move(both));
    top->appendChild(item(QStringLiteral("None"), QStringLiteral("icon2"), top.get()));
    top->setIsGroup(true);
    store.addMenuRootNodeChild(std::move(top));

    const PlistTestFile file(projectData(store));
    QCOMPARE(file.size(), 121 + 7 + 10 + 6);
    QCOMPARE(file.integerAt(120), qint64(1));
    // Top-level record: four fields, two absent icons, its sub-item count.
    QCOMPARE(file.stringAt(121), QStringLiteral("Top"));
    QCOMPARE(file.stringAt(122), QStringLiteral("icon0"));
    QCOMPARE(file.stringAt(123), QStringLiteral("t"));
    QCOMPARE(file.integerAt(124), qint64(1));
    QCOMPARE(file.booleanAt(125), false);
    QCOMPARE(file.booleanAt(126), false);
    QCOMPARE(file.integerAt(127), qint64(2));
    // Sub-item with both icons: 4 + 3 + 3.
    QCOMPARE(file.stringAt(128), QStringLiteral("Both"));
    QCOMPARE(file.booleanAt(132), true);
    QCOMPARE(file.stringAt(133), QStringLiteral("n.png"));
    QCOMPARE(file.typeAt(134), PLIST_DATA);
    QCOMPARE(file.booleanAt(135), true);
    QCOMPARE(file.stringAt(136), QStringLiteral("r.png"));
    QCOMPARE(file.typeAt(137), PLIST_DATA);
    // Sub-item without icons: 4 + 1 + 1.
    QCOMPARE(file.stringAt(138), QStringLiteral("None"));
    QCOMPARE(file.booleanAt(142), false);
    QCOMPARE(file.booleanAt(143), false);
}

void ProjectTest::version2File_readsWithEmptyLinks() {
    GlobalData source;
    source.setBorderRadius(11);
    PlistTestFile single = settingsOnly(QStringLiteral("Version 2.0"), source);
    single.integer(1);
    appendVersion2Record(single, QStringLiteral("Only"), QStringLiteral("icon0"), 3);
    single.integer(0);
    QCOMPARE(single.size(), 127);

    QTemporaryDir preview;
    GlobalData target;
    target.setTempFolderPath(preview.path());
    target.getMenuRootNode()->childAt(0)->setLink(QStringLiteral("kept?"));
    QCOMPARE(checkProjectDataVersion(single.xml()), QStringLiteral("Version 2.0"));
    QVERIFY(openProjectData(target, single.xml(), preview.path()));
    QCOMPARE(target.borderRadius(), qint64(11));
    QCOMPARE(target.getMenuRootNode()->childCount(), 1);
    const Node* only = target.getMenuRootNode()->childAt(0);
    QCOMPARE(only->name(), QStringLiteral("Only"));
    QCOMPARE(only->paddingRight(), qint64(3));
    QCOMPARE(only->link(), QStringLiteral(""));
    QVERIFY(!only->isGroup());

    PlistTestFile grouped = settingsOnly(QStringLiteral("Version 2.0"), source);
    grouped.integer(2);
    appendVersion2Record(grouped, QStringLiteral("Group"), QStringLiteral("icon0"), 0);
    grouped.integer(1);
    appendVersion2Record(grouped, QStringLiteral("Child"), QStringLiteral("icon1"), 0);
    appendVersion2Record(grouped, QStringLiteral("Last"), QStringLiteral("icon2"), 0);
    grouped.integer(0);
    const OpenResult opened = openProjectData(target, grouped.xml(), preview.path());
    QVERIFY2(opened.ok, qPrintable(opened.error));
    const Node* root = target.getMenuRootNode();
    QCOMPARE(root->childCount(), 2);
    QVERIFY(root->childAt(0)->isGroup());
    QCOMPARE(root->childAt(0)->childAt(0)->name(), QStringLiteral("Child"));
    QCOMPARE(root->childAt(0)->childAt(0)->link(), QStringLiteral(""));
    QCOMPARE(root->childAt(0)->childAt(0)->parent(), root->childAt(0));
    QCOMPARE(root->childAt(1)->name(), QStringLiteral("Last"));

    // A 3.0 layout labelled 2.0 is refused: its link strings sit where integers belong.
    QTemporaryDir projects;
    GlobalData v3;
    PlistTestFile mislabelled(projectData(v3));
    mislabelled.set(0, plist_new_string("Version 2.0"));
    QVERIFY(!openProjectData(target, mislabelled.xml(), preview.path()).ok);
}

void ProjectTest::retinaIcon_readsBackAtHalfSize() {
    QTemporaryDir sourcePreview, targetPreview;
    GlobalData source;
    source.setTempFolderPath(sourcePreview.path());
    writeBytes(sourcePreview.filePath(QStringLiteral("big.png")),
               testsupport::encodedImage(solidImage(33, 21, Qt::cyan), "PNG"));
    source.getMenuRootNode()->childAt(2)->setRetinaImageFileName(QStringLiteral("big.png"));

    GlobalData target;
    QVERIFY(openProjectData(target, projectData(source), targetPreview.path()));
    const Node* forums = target.getMenuRootNode()->childAt(2);
    QCOMPARE(forums->retinaImage().size(), QSize(33, 21));
    QCOMPARE(forums->retinaImageWidth(), qint64(16));
    QCOMPARE(forums->retinaImageHeight(), qint64(10));
    QCOMPARE(forums->scaledImage().size(), QSize(16, 10));
    QVERIFY(forums->image().isNull());
}

void ProjectTest::pngIcon_isStoredAsTiffAndComesBackAsPng() {
    QTemporaryDir sourcePreview, targetPreview;
    GlobalData source;
    source.setTempFolderPath(sourcePreview.path());
    const QByteArray png = testsupport::encodedImage(solidImage(6, 5, Qt::magenta), "PNG");
    writeBytes(sourcePreview.filePath(QStringLiteral("pic.png")), png);
    source.getMenuRootNode()->childAt(0)->setImageFileName(QStringLiteral("pic.png"));

    const QByteArray bytes = projectData(source);
    const PlistTestFile file(bytes);
    QCOMPARE(file.stringAt(126), QStringLiteral("pic.png"));
    const QByteArray stored = file.dataAt(127);
    QVERIFY(stored.startsWith(QByteArray("II*\0", 4)) || stored.startsWith(QByteArray("MM\0*", 4)));
    QVERIFY(stored != png);

    // Browsers cannot show TIFF: the preview folder gets PNG again, with the same pixels.
    GlobalData target;
    QVERIFY(openProjectData(target, bytes, targetPreview.path()));
    const QByteArray previewed = readBytes(targetPreview.filePath(QStringLiteral("pic.png")));
    QVERIFY(previewed.startsWith("\x89PNG\r\n\x1a\n"));
    QCOMPARE(QImage::fromData(previewed).convertToFormat(QImage::Format_ARGB32),
             QImage::fromData(stored).convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(target.getMenuRootNode()->childAt(0)->imageWidth(), qint64(6));
    QCOMPARE(target.getMenuRootNode()->childAt(0)->imageHeight(), qint64(5));
}

void ProjectTest::missingIconFile_isSavedAsAbsent() {
    QTemporaryDir preview;
    GlobalData store;
    store.setTempFolderPath(preview.path());
    store.getMenuRootNode()->childAt(0)->setImageFileName(QStringLiteral("gone.png"));
    const PlistTestFile file(projectData(store));
    QCOMPARE(file.booleanAt(125), false);
    QCOMPARE(file.size(), 121 + 7 + 7 + 6 + 6 + 7);
}

void ProjectTest::checkVersion_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("version");
    QTest::newRow("version 3") << PlistTestFile().text(QStringLiteral("Version 3.0")).xml()
                               << QStringLiteral("Version 3.0");
    QTest::newRow("version 2") << PlistTestFile().text(QStringLiteral("Version 2.0")).xml()
                               << QStringLiteral("Version 2.0");
    QTest::newRow("other text") << PlistTestFile().text(QStringLiteral("Version 9.1")).xml()
                                << QStringLiteral("Version 9.1");
    QTest::newRow("number first")
        << PlistTestFile().integer(5).text(QStringLiteral("Version 3.0")).xml()
        << QStringLiteral("Version 1.0");
    QTest::newRow("empty array") << PlistTestFile().xml() << QStringLiteral("Version 1.0");
    QTest::newRow("not a property list")
        << QByteArray("Version 3.0\nhello") << QStringLiteral("Version 1.0");
    QTest::newRow("empty file") << QByteArray() << QStringLiteral("Version 1.0");
    QTest::newRow("dictionary root")
        << QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>a</key>"
                      "<string>Version 3.0</string></dict></plist>")
        << QStringLiteral("Version 1.0");
}

void ProjectTest::checkVersion() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, version);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("p.brindleprj"));
    writeBytes(path, bytes);
    QCOMPARE(checkProjectFileVersion(path), version);
    QCOMPARE(checkProjectDataVersion(bytes), version);
    QCOMPARE(checkProjectFileVersion(folder.filePath(QStringLiteral("missing"))),
             QStringLiteral("Version 1.0"));
}

void ProjectTest::hostileFile_isRefusedAndChangesNothing_data() {
    QTest::addColumn<Mutation>("mutation");
    QTest::addColumn<QString>("reasonMentions");

    const auto setText = [](int i, const char* text) {
        return Mutation([=](PlistTestFile& f) { f.set(i, plist_new_string(text)); });
    };
    const auto setInteger = [](int i, qint64 value) {
        return Mutation([=](PlistTestFile& f) { f.set(i, plist_new_uint(uint64_t(value))); });
    };
    const auto setNode = [](int i, std::function<plist_t()> make) {
        return Mutation([=](PlistTestFile& f) { f.set(i, make()); });
    };

    QTest::newRow("icon name climbs out")
        << setText(kHomeIconNamePosition, "../evil.png") << QStringLiteral("../evil.png");
    QTest::newRow("icon name absolute")
        << setText(kHomeIconNamePosition, "/tmp/evil.png") << QStringLiteral("/tmp/evil.png");
    QTest::newRow("icon name backslash")
        << setText(kHomeIconNamePosition, "..\\evil.png") << QStringLiteral("evil.png");
    QTest::newRow("icon name styles.css")
        << setText(kHomeIconNamePosition, "styles.css") << QStringLiteral("styles.css");
    QTest::newRow("icon name index.html")
        << setText(kHomeIconNamePosition, "index.html") << QStringLiteral("index.html");
    QTest::newRow("icon name bottom.png")
        << setText(kHomeIconNamePosition, "bottom.png") << QStringLiteral("bottom.png");
    QTest::newRow("icon name dot-dot")
        << setText(kHomeIconNamePosition, "..") << QStringLiteral("“..”");
    QTest::newRow("icon name not UTF-8")
        << setText(kHomeIconNamePosition, "h\xff\xfeme.png") << QStringLiteral("not valid UTF-8");
    QTest::newRow("icon name encoded surrogate")
        << setText(kHomeIconNamePosition, "h\xed\xa0\x80.png") << QStringLiteral("not valid UTF-8");
    // 252 letters and ".png": one byte over.
    static const QByteArray tooLong = QByteArray(252, 'a') + ".png";
    QTest::newRow("icon name of 256 bytes")
        << setText(kHomeIconNamePosition, tooLong.constData()) << QStringLiteral("255 bytes");
    QTest::newRow("icon name empty")
        << setText(kHomeIconNamePosition, "") << QStringLiteral("file name");
    QTest::newRow("truncated in the settings")
        << Mutation([](PlistTestFile& f) { f.truncate(60); }) << QStringLiteral("ends early");
    QTest::newRow("truncated before the item count")
        << Mutation([](PlistTestFile& f) { f.truncate(120); }) << QStringLiteral("ends early");
    QTest::newRow("truncated in a record")
        << Mutation([](PlistTestFile& f) { f.truncate(150); }) << QStringLiteral("ends early");
    QTest::newRow("truncated after an icon flag")
        << Mutation([](PlistTestFile& f) { f.truncate(kHomeIconNamePosition); })
        << QStringLiteral("");
    QTest::newRow("boolean as integer setting")
        << setNode(1, [] { return plist_new_bool(1); }) << QStringLiteral("borderRadius");
    QTest::newRow("real as integer setting")
        << setNode(1, [] { return plist_new_real(2.5); }) << QStringLiteral("borderRadius");
    QTest::newRow("integer as boolean setting")
        << setInteger(14, 1) << QStringLiteral("varSizeVerticalLock");
    QTest::newRow("integer as colour") << setInteger(3, 0x6d8000) << QStringLiteral("borderColor");
    QTest::newRow("boolean as real setting")
        << setNode(25, [] { return plist_new_bool(0); }) << QStringLiteral("Opacity");
    QTest::newRow("real not finite")
        << setNode(25, [] { return plist_new_real(qInf()); }) << QStringLiteral("finite");
    QTest::newRow("integer out of range")
        << setInteger(1, qint64(1) << 40) << QStringLiteral("out of range");
    QTest::newRow("date as setting")
        << setNode(2, [] { return plist_new_date(0, 0); }) << QStringLiteral("date");
    QTest::newRow("dictionary as title")
        << setNode(121, [] { return plist_new_dict(); }) << QStringLiteral("dictionary");
    QTest::newRow("data as title")
        << setNode(121, [] { return plist_new_data("x", 1); }) << QStringLiteral("title");
    QTest::newRow("text as item count")
        << setText(kItemCountPosition, "3") << QStringLiteral("number of menu items");
    QTest::newRow("integer as icon flag") << setInteger(125, 1) << QStringLiteral("icon");
    QTest::newRow("text as icon image")
        << setText(kHomeIconDataPosition, "AAAA") << QStringLiteral("image");
    QTest::newRow("count larger than the array")
        << setInteger(kItemCountPosition, 6) << QStringLiteral("more than the file holds");
    QTest::newRow("count of a billion")
        << setInteger(kItemCountPosition, 1000000000) << QStringLiteral("1000000000");
    QTest::newRow("negative count")
        << setInteger(kItemCountPosition, -1) << QStringLiteral("negative");
    QTest::newRow("negative sub-item count")
        << setInteger(kProductsSubItemCountPosition, -2) << QStringLiteral("negative");
    QTest::newRow("sub-item count of a billion")
        << setInteger(kProductsSubItemCountPosition, 1000000000)
        << QStringLiteral("more than the file holds");
    QTest::newRow("sub-item count one too large")
        << setInteger(kProductsSubItemCountPosition, 3) << QStringLiteral("");
    QTest::newRow("count one too small")
        << setInteger(kItemCountPosition, 2) << QStringLiteral("unexpected elements");
    QTest::newRow("trailing element")
        << Mutation([](PlistTestFile& f) { f.text(QStringLiteral("extra")); })
        << QStringLiteral("unexpected elements");
    QTest::newRow("unknown version") << setText(0, "Version 4.0") << QStringLiteral("Version 4.0");
    QTest::newRow("next unknown version")
        << setText(0, "Version 3.3") << QStringLiteral("Version 3.3");
    QTest::newRow("3.1 without its dictionary")
        << setText(0, "Version 3.1") << QStringLiteral("dictionary");
    QTest::newRow("dictionary in a 3.0 file")
        << Mutation([](PlistTestFile& f) { f.append(plist_new_dict()); })
        << QStringLiteral("unexpected elements");
    // A Version 3.1 file whose options dictionary holds one entry.
    const auto withOptions = [](const char* key, std::function<plist_t()> value) {
        return Mutation([key, value](PlistTestFile& f) {
            f.set(0, plist_new_string("Version 3.1"));
            plist_t options = plist_new_dict();
            plist_dict_set_item(options, key, value());
            f.append(options);
        });
    };
    QTest::newRow("unknown output style")
        << withOptions("outputStyle", [] { return plist_new_string("fancy"); })
        << QStringLiteral("classic");
    QTest::newRow("breakpoint too small")
        << withOptions("phoneBreakpoint", [] { return plist_new_uint(5); })
        << QStringLiteral("breakpoint");
    QTest::newRow("label that names nothing")
        << withOptions("navigationLabel", [] { return plist_new_string("  "); })
        << QStringLiteral("label");
    QTest::newRow("label of control characters only")
        << withOptions("navigationLabel", [] { return plist_new_string("\x01\t\x7f\xc2\x85 "); })
        << QStringLiteral("label");
    // An SVG icon for the item at `place`, with `extra` as one more key when given.
    const auto svgEntry = [withOptions](const char* place, QByteArray document,
                                        const char* fileName, const char* extra = nullptr) {
        return withOptions("items", [=] {
            plist_t entry = plist_new_dict();
            plist_dict_set_item(entry, "svgIcon", plist_new_string(document.constData()));
            plist_dict_set_item(entry, "svgFileName", plist_new_string(fileName));
            if (extra)
                plist_dict_set_item(entry, extra, plist_new_bool(1));
            plist_t items = plist_new_dict();
            plist_dict_set_item(items, place, entry);
            return items;
        });
    };
    const QByteArray icon = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 4 4\">"
                            "<rect width=\"4\" height=\"4\"/></svg>";
    QTest::newRow("SVG icon of an item the menu lacks")
        << svgEntry("9", icon, "a.svg") << QStringLiteral("“9”");
    QTest::newRow("SVG icon with an unknown key")
        << svgEntry("1", icon, "a.svg", "onload") << QStringLiteral("unknown key “onload”");
    QTest::newRow("SVG icon with a script")
        << svgEntry("1", QByteArray(icon).replace("<rect", "<script>x()</script><rect"), "a.svg")
        << QStringLiteral("script element");
    QTest::newRow("SVG icon with an event attribute")
        << svgEntry("1", QByteArray(icon).replace("<rect", "<rect onclick=\"x()\""), "a.svg")
        << QStringLiteral("onclick attribute");
    QTest::newRow("SVG icon declaring entities")
        << svgEntry("1", "<!DOCTYPE svg [<!ENTITY a \"b\">]>" + icon, "a.svg")
        << QStringLiteral("DTD");
    QTest::newRow("SVG icon of 2 MB")
        << svgEntry(
               "1",
               QByteArray(icon).replace("<rect", QByteArray(QByteArray(2 << 20, ' ') + "<rect")),
               "a.svg")
        << QStringLiteral("larger than");
    QTest::newRow("SVG icon file name climbs out")
        << svgEntry("1", icon, "../a.svg") << QStringLiteral("“../a.svg”");
    QTest::newRow("SVG icon file name of a picture")
        << svgEntry("1", icon, "a.png") << QStringLiteral("“.svg”");
    QTest::newRow("SVG icon without its pictures")
        << svgEntry("1", icon, "a.svg") << QStringLiteral("two pictures");
    QTest::newRow("items section of text")
        << withOptions("items", [] { return plist_new_string("1"); })
        << QStringLiteral("items section");
    QTest::newRow("version 1") << setText(0, "Version 1.0") << QStringLiteral("Version 1.0");
    QTest::newRow("version on two lines")
        << setText(0, "Version\n3.0") << QStringLiteral("“Version\ufffd3.0”");
    QTest::newRow("number as version") << setInteger(0, 3) << QStringLiteral("no version");
    QTest::newRow("empty array") << Mutation([](PlistTestFile& f) { f.truncate(0); })
                                 << QStringLiteral("no version");
}

void ProjectTest::hostileFile_isRefusedAndChangesNothing() {
    QFETCH(Mutation, mutation);
    QFETCH(QString, reasonMentions);

    QTemporaryDir sourcePreview, targetPreview, projects;
    GlobalData source;
    makeIconProjectStore(source, sourcePreview.path());
    PlistTestFile file(projectData(source));
    QCOMPARE(file.size(), kIconProjectSize);
    QCOMPARE(file.stringAt(kHomeIconNamePosition), QStringLiteral("home.png"));
    // The unmodified file opens: the refusal below comes from the change alone.
    {
        GlobalData check;
        QTemporaryDir checkPreview;
        QVERIFY(openProjectData(check, file.xml(), checkPreview.path()));
    }
    mutation(file);
    const QString path = projects.filePath(QStringLiteral("hostile.brindleprj"));
    writeBytes(path, file.xml());

    GlobalData target;
    target.setTempFolderPath(targetPreview.path());
    target.setShowSeparator(false);
    const QByteArray before = projectData(target);
    const QStringList projectFolderBefore = entries(projects.path());

    const OpenResult opened = openProjectFile(target, path);
    QVERIFY(!opened.ok);
    QVERIFY(!opened.error.isEmpty());
    QVERIFY2(opened.error.contains(reasonMentions), qPrintable(opened.error));
    QVERIFY(!opened.error.contains(QLatin1Char('\n')));
    QCOMPARE(projectData(target), before);
    QCOMPARE(target.showSeparator(), false);
    QCOMPARE(entries(targetPreview.path()), QStringList());
    QCOMPARE(entries(projects.path()), projectFolderBefore);
    QCOMPARE(entries(sourcePreview.path()), QStringList({QStringLiteral("home.png")}));
}

void ProjectTest::rawBytes_areRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reasonMentions");
    GlobalData defaults;
    const QByteArray valid = projectData(defaults);
    QByteArray nul = valid;
    nul.replace("<string>Home</string>", QByteArray("<string>Ho\0me</string>", 23));
    QVERIFY(nul != valid);
    QTest::newRow("NUL inside a title") << nul << QStringLiteral("not a property list");
    QTest::newRow("not a property list")
        << QByteArray("Version 3.0") << QStringLiteral("not a property list");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("not a property list");
    QTest::newRow("binary property list")
        << QByteArray("bplist00\xd0\x08\0\0\0\0\0\0", 16) << QStringLiteral("not a property list");
    QTest::newRow("dictionary root")
        << QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict/></plist>")
        << QStringLiteral("not an array");
    QTest::newRow("cut in the middle")
        << valid.left(valid.size() / 2) << QStringLiteral("not a property list");
}

void ProjectTest::rawBytes_areRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reasonMentions);
    QTemporaryDir preview;
    GlobalData target;
    target.setBorderRadius(3);
    const QByteArray before = projectData(target);
    const OpenResult opened = openProjectData(target, bytes, preview.path());
    QVERIFY(!opened.ok);
    QVERIFY2(opened.error.contains(reasonMentions), qPrintable(opened.error));
    QCOMPARE(projectData(target), before);
    QCOMPARE(entries(preview.path()), QStringList());
    QCOMPARE(checkProjectDataVersion(bytes), QStringLiteral("Version 1.0"));
}

// Inputs the fuzzer found troublesome, kept as files; each must be refused cleanly.
void ProjectTest::fuzzFinding_isRefusedCleanly_data() {
    QTest::addColumn<QString>("path");
    const QDir data(QStringLiteral(BRINDLE_TEST_DATA_DIR));
    const QStringList names = data.entryList({QStringLiteral("fuzz-*")}, QDir::Files);
    QVERIFY(!names.isEmpty());
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << data.filePath(name);
}

void ProjectTest::fuzzFinding_isRefusedCleanly() {
    QFETCH(QString, path);
    QTemporaryDir preview;
    GlobalData target;
    target.setTempFolderPath(preview.path());
    const QByteArray before = projectData(target);
    const OpenResult opened = openProjectFile(target, path);
    QVERIFY(!opened.ok);
    QVERIFY(!opened.error.isEmpty());
    QCOMPARE(projectData(target), before);
    QCOMPARE(entries(preview.path()), QStringList());
}

// The fuzzer's seeds are written by an independent tool; they must open as they are.
void ProjectTest::seedFiles_open_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("classes");
    QTest::addColumn<QStringList>("previewFiles"); // with the note of what was written there
    const QDir seeds(QStringLiteral(BRINDLE_TEST_DATA_DIR "/../../../fuzz/corpus/project"));
    QTest::newRow("default menu") << seeds.filePath(QStringLiteral("v3-default.brindleprj"))
                                  << QStringLiteral("Version 3.0")
                                  << QStringList{"Home", "Products", "Tessaly", "Brindle", "Forums"}
                                  << QStringList{"icon0", "icon1", "icon2", "icon3", "icon4"}
                                  << QStringList();
    QTest::newRow("empty menu") << seeds.filePath(QStringLiteral("v3-empty.brindleprj"))
                                << QStringLiteral("Version 3.0") << QStringList() << QStringList()
                                << QStringList();
    QTest::newRow("icons") << seeds.filePath(QStringLiteral("v3-icons.brindleprj"))
                           << QStringLiteral("Version 3.0") << QStringList{"Start", "More", "Sub"}
                           << QStringList{"icon0", "icon7", "icon8"}
                           << QStringList{".brindle-written", "a.tif", "b.png", "b@2x.png"};
    QTest::newRow("version 2 with icons")
        << seeds.filePath(QStringLiteral("v2-icons.brindleprj")) << QStringLiteral("Version 2.0")
        << QStringList{"Old", "Child", "Plain"} << QStringList{"icon0", "icon1", "icon2"}
        << QStringList{".brindle-written", "o@2x.gif"};
    // A Modern design whose sub-item has items of its own.
    QTest::newRow("three levels") << seeds.filePath(QStringLiteral("v32-three-levels.brindleprj"))
                                  << QStringLiteral("Version 3.2")
                                  << QStringList{"Home",   "Products", "Tessaly", "Brindle",
                                                 "Gaming", "Office",   "Forums"}
                                  << QStringList{"icon0", "icon1", "icon2", "icon3",
                                                 "icon5", "icon6", "icon4"}
                                  << QStringList();
    // Made in the window: an SVG icon inside a link, one beside the page, one that was cleaned.
    QTest::newRow("SVG icons") << seeds.filePath(QStringLiteral("v31-svg-icons.brindleprj"))
                               << QStringLiteral("Version 3.1")
                               << QStringList{"Home", "Products", "Tessaly", "Brindle", "Forums"}
                               << QStringList{"icon0", "icon1", "icon2", "icon3", "icon4"}
                               << QStringList{".brindle-written", "evil.png",  "evil.svg",
                                              "evil@2x.png",      "home.png",  "home.svg",
                                              "home@2x.png",      "house.png", "house.svg",
                                              "house@2x.png"};
}

void ProjectTest::seedFiles_open() {
    QFETCH(QString, path);
    QFETCH(QString, version);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, classes);
    QFETCH(QStringList, previewFiles);
    QCOMPARE(checkProjectFileVersion(path), version);
    QTemporaryDir preview;
    GlobalData target;
    target.setTempFolderPath(preview.path());
    const OpenResult opened = openProjectFile(target, path);
    QVERIFY2(opened.ok, qPrintable(opened.error));
    QVERIFY2(opened.warnings.isEmpty(), qPrintable(opened.warnings.join(QLatin1Char('\n'))));
    QCOMPARE(classesInTree(target), classes);
    QCOMPARE(inFileOrder(target, [](const Node& item) { return item.name(); }), titles);
    QCOMPARE(entries(preview.path()), previewFiles);
    QCOMPARE(target.borderRadius(), qint64(25));
}

void ProjectTest::realWrittenAsInteger_isAccepted() {
    GlobalData source;
    PlistTestFile file(projectData(source));
    file.set(25, plist_new_uint(1)); // mainMenuTextShadow1Opacity
    GlobalData target;
    QTemporaryDir preview;
    const OpenResult opened = openProjectData(target, file.xml(), preview.path());
    QVERIFY2(opened.ok, qPrintable(opened.error));
    QCOMPARE(target.mainMenuTextShadow1Opacity(), 1.0);
}

void ProjectTest::undecodableIcon_leavesItemWithoutIcon() {
    QTemporaryDir sourcePreview, targetPreview;
    GlobalData source;
    makeIconProjectStore(source, sourcePreview.path());
    PlistTestFile file(projectData(source));
    file.set(kHomeIconDataPosition, plist_new_data("not an image", 12));

    GlobalData target;
    const OpenResult opened = openProjectData(target, file.xml(), targetPreview.path());
    QVERIFY2(opened.ok, qPrintable(opened.error));
    QCOMPARE(opened.warnings.size(), 1);
    QVERIFY(opened.warnings.first().contains(QStringLiteral("home.png")));
    const Node* home = target.getMenuRootNode()->childAt(0);
    QCOMPARE(home->imageFileName(), QStringLiteral(""));
    QVERIFY(home->image().isNull());
    QCOMPARE(home->imageWidth(), qint64(0));
    QCOMPARE(target.borderRadius(), qint64(7));
    QCOMPARE(entries(targetPreview.path()), QStringList());
}

void ProjectTest::reopening_keepsIdenticalIconFilesAndReplacesOthers() {
    QTemporaryDir sourcePreview, targetPreview;
    GlobalData source;
    makeIconProjectStore(source, sourcePreview.path());
    const QByteArray bytes = projectData(source);
    const QString icon = targetPreview.filePath(QStringLiteral("home.png"));
    const auto inode = [](const QString& path) {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
    };

    GlobalData target;
    QVERIFY(openProjectData(target, bytes, targetPreview.path()));
    const QByteArray written = readBytes(icon);
    QVERIFY(!written.isEmpty());
    const auto firstInode = inode(icon);
    QVERIFY(firstInode != 0);

    // The same bytes again: the file is not replaced.
    QVERIFY(openProjectData(target, bytes, targetPreview.path()));
    QCOMPARE(inode(icon), firstInode);
    QCOMPARE(readBytes(icon), written);

    // Other bytes under the same name replace it.
    writeBytes(icon, QByteArray("something else"));
    QVERIFY(openProjectData(target, bytes, targetPreview.path()));
    QCOMPARE(readBytes(icon), written);
    QVERIFY(!target.getMenuRootNode()->childAt(0)->image().isNull());
}

void ProjectTest::noPreviewFolder_leavesIconsOutAndWritesNothing() {
    QTemporaryDir sourcePreview, workingFolder;
    GlobalData source;
    makeIconProjectStore(source, sourcePreview.path());
    const QString previousWorkingFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workingFolder.path()));
    GlobalData target;
    const OpenResult opened = openProjectData(target, projectData(source), QString());
    QDir::setCurrent(previousWorkingFolder);
    QVERIFY(opened.ok);
    QCOMPARE(opened.warnings.size(), 1);
    QVERIFY(!target.getMenuRootNode()->childAt(0)->hasIcon());
    QCOMPARE(entries(workingFolder.path()), QStringList());
}

void ProjectTest::iconClasses_areRepaired_data() {
    QTest::addColumn<QList<QStringList>>("classes");
    QTest::addColumn<QStringList>("expected");
    using L = QList<QStringList>;
    using S = QStringList;
    QTest::newRow("valid and unique")
        << L{{"icon3", "icon1"}, {"icon0"}} << S{"icon3", "icon1", "icon0"};
    QTest::newRow("repeat becomes next") << L{{"icon2"}, {"icon2"}} << S{"icon2", "icon3"};
    QTest::newRow("sub-item repeats its parent")
        << L{{"icon1", "icon1"}, {"icon1"}} << S{"icon1", "icon2", "icon3"};
    QTest::newRow("malformed before the largest") << L{{"x"}, {"icon5"}} << S{"icon6", "icon5"};
    QTest::newRow("none valid counts from zero")
        << L{{"a", "b"}, {""}} << S{"icon0", "icon1", "icon2"};
    QTest::newRow("not icon plus digits")
        << L{{"icon"}, {"Icon3"}, {"icon-1"}, {"icon 3"}, {"icon3x"}, {"icon4"}}
        << S{"icon5", "icon6", "icon7", "icon8", "icon9", "icon4"};
    QTest::newRow("ten digits is malformed")
        << L{{"icon1234567890"}, {"icon4"}} << S{"icon5", "icon4"};
    QTest::newRow("nine digits is valid")
        << L{{"icon999999999"}, {"bad"}} << S{"icon999999999", "icon1000000000"};
    QTest::newRow("non-ASCII digits") << L{{QStringLiteral("icon\u0663")}} << S{"icon0"};
    QTest::newRow("leading zeros kept, own text")
        << L{{"icon05"}, {"icon5"}, {"icon05"}} << S{"icon05", "icon5", "icon6"};
}

void ProjectTest::iconClasses_areRepaired() {
    QFETCH(QList<QStringList>, classes);
    QFETCH(QStringList, expected);
    QTemporaryDir preview;
    GlobalData target;
    const OpenResult opened =
        openProjectData(target, fileWithClasses(classes, QStringLiteral("Arial")), preview.path());
    QVERIFY2(opened.ok, qPrintable(opened.error));
    QCOMPARE(classesInTree(target), expected);
}

void ProjectTest::fontFamily_isSanitised_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain stack") << QStringLiteral("\"Times New Roman\", Times, serif")
                                 << QStringLiteral("\"Times New Roman\", Times, serif");
    QTest::newRow("declaration breakout") << QStringLiteral("Arial; } body { color: red")
                                          << QStringLiteral("Arial  body  color: red");
    QTest::newRow("control characters") << QStringLiteral("Ari\u0000al\n,\tsans\u001f-serif\u007f")
                                        << QStringLiteral("Arial,sans-serif");
    QTest::newRow("other characters kept")
        << QStringLiteral("\"Ünïcode Sans\" / 'x' (y) <z> \u00a0")
        << QStringLiteral("\"Ünïcode Sans\" / 'x' (y) <z> \u00a0");
    QTest::newRow("only forbidden") << QStringLiteral(";{}") << QStringLiteral("");
}

void ProjectTest::fontFamily_isSanitised() {
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    QCOMPARE(sanitizedFontFamily(stored), expected);
    // Through a file; libplist cannot carry U+0000, so the file test skips it.
    if (stored.contains(QChar(0)))
        return;
    QTemporaryDir preview;
    GlobalData target;
    QVERIFY(openProjectData(target, fileWithClasses({}, stored), preview.path()));
    QCOMPARE(target.mainMenufontFamily(), expected);
}

void ProjectTest::save_intoUnwritablePlace_reportsFailure() {
    QTemporaryDir folder;
    const QString notAFolder = folder.filePath(QStringLiteral("plain-file"));
    writeBytes(notAFolder, "x");
    GlobalData store;
    const WriteResult result =
        saveProjectToFile(store, notAFolder + QStringLiteral("/Project.brindleprj"));
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(readBytes(notAFolder), QByteArray("x"));
}

QTEST_GUILESS_MAIN(ProjectTest)
#include "tst_project.moc"

void ProjectTest::outputOptions_areSavedOnlyWhenNotDefault_data() {
    QTest::addColumn<OutputOptions>("options");
    QTest::addColumn<QString>("version");
    QTest::newRow("classic defaults") << OutputOptions() << QStringLiteral("Version 3.0");
    QTest::newRow("modern") << OutputOptions{OutputStyle::Modern, QStringLiteral("Main"), 640}
                            << QStringLiteral("Version 3.1");
    QTest::newRow("classic with a label kept for later")
        << OutputOptions{OutputStyle::Classic, QStringLiteral("Shop & <more>"), 900}
        << QStringLiteral("Version 3.1");
    QTest::newRow("own class name") << OutputOptions{OutputStyle::Modern, QStringLiteral("Main"),
                                                     640, QStringLiteral("-top_nav2")}
                                    << QStringLiteral("Version 3.1");
    QTest::newRow("class name alone")
        << OutputOptions{OutputStyle::Classic, QStringLiteral("Main"), 640, QStringLiteral("Site")}
        << QStringLiteral("Version 3.1");
    QTest::newRow("right to left")
        << OutputOptions{OutputStyle::Modern, QStringLiteral("Main"), 640,
                         QStringLiteral("brindlenav"), MenuDirection::RightToLeft}
        << QStringLiteral("Version 3.1");
    QTest::newRow("left to right alone")
        << OutputOptions{OutputStyle::Classic, QStringLiteral("Main"), 640,
                         QStringLiteral("brindlenav"), MenuDirection::LeftToRight}
        << QStringLiteral("Version 3.1");
    QTest::newRow("current page hovered in the bar") << OutputOptions{OutputStyle::Modern,
                                                                      QStringLiteral("Main"),
                                                                      640,
                                                                      QStringLiteral("brindlenav"),
                                                                      MenuDirection::Page,
                                                                      CurrentPageLook::Hover}
                                                     << QStringLiteral("Version 3.1");
    QTest::newRow("current page plain in the drop-downs alone")
        << OutputOptions{OutputStyle::Classic,
                         QStringLiteral("Main"),
                         640,
                         QStringLiteral("brindlenav"),
                         MenuDirection::Page,
                         CurrentPageLook::Active,
                         CurrentPageLook::Plain}
        << QStringLiteral("Version 3.1");
}

void ProjectTest::outputOptions_areSavedOnlyWhenNotDefault() {
    QFETCH(OutputOptions, options);
    QFETCH(QString, version);

    QTemporaryDir sourcePreview, targetPreview;
    GlobalData classic;
    makeIconProjectStore(classic, sourcePreview.path());
    const PlistTestFile classicFile(projectData(classic));

    GlobalData source;
    makeIconProjectStore(source, sourcePreview.path());
    source.setOutputOptions(options);
    const QByteArray bytes = projectData(source);
    const PlistTestFile file(bytes);
    QCOMPARE(file.stringAt(0), version);
    if (options.isDefault()) {
        // Exactly the file a design has always saved.
        QCOMPARE(bytes, classicFile.xml());
    } else {
        // The Version 3.0 layout, then one dictionary.
        QCOMPARE(file.size(), classicFile.size() + 1);
        for (int i = 1; i < classicFile.size(); ++i)
            QCOMPARE(file.typeAt(i), classicFile.typeAt(i));
        const plist_t dictionary = file.at(file.size() - 1);
        QCOMPARE(plist_get_node_type(dictionary), PLIST_DICT);
        const auto text = [dictionary](const char* key) {
            char* value = nullptr;
            plist_get_string_val(plist_dict_get_item(dictionary, key), &value);
            const QString result = QString::fromUtf8(value ? value : "");
            std::free(value);
            return result;
        };
        QCOMPARE(text("outputStyle"), options.style == OutputStyle::Modern
                                          ? QStringLiteral("modern")
                                          : QStringLiteral("classic"));
        QCOMPARE(text("navigationLabel"), options.navLabel);
        uint64_t breakpoint = 0;
        plist_get_uint_val(plist_dict_get_item(dictionary, "phoneBreakpoint"), &breakpoint);
        QCOMPARE(qint64(breakpoint), options.breakpoint);
        // Only a name of the designer's own is written: earlier files stay as they were.
        QCOMPARE(plist_dict_get_item(dictionary, "className") != nullptr,
                 options.className != OutputOptions::defaultClassName());
        if (options.className != OutputOptions::defaultClassName())
            QCOMPARE(text("className"), options.className);
        // Likewise a direction other than the page's.
        QCOMPARE(plist_dict_get_item(dictionary, "direction") != nullptr,
                 options.direction != MenuDirection::Page);
        if (options.direction != MenuDirection::Page)
            QCOMPARE(text("direction"), options.direction == MenuDirection::RightToLeft
                                            ? QStringLiteral("rtl")
                                            : QStringLiteral("ltr"));
        // And a current page's look other than the pressed one.
        for (const auto& [key, look] :
             {std::pair{"currentPageLook", options.currentPageLook},
              std::pair{"subMenuCurrentPageLook", options.subMenuCurrentPageLook}}) {
            QCOMPARE(plist_dict_get_item(dictionary, key) != nullptr,
                     look != CurrentPageLook::Active);
            if (look != CurrentPageLook::Active)
                QCOMPARE(text(key), look == CurrentPageLook::Hover ? u"hover"_s : u"plain"_s);
        }
    }
    // A direction or a current page's look this version does not know refuses the file; one
    // it knows is taken.
    struct Given {
        const char* key;
        QString value;
        bool known;
    };
    for (const Given& given :
         {Given{kDirectionKey, u"rtl"_s, true}, Given{kDirectionKey, u"page"_s, true},
          Given{kDirectionKey, u"RTL"_s, false}, Given{kDirectionKey, u"up"_s, false},
          Given{kCurrentPageLookKey, u"plain"_s, true},
          Given{kCurrentPageLookKey, u"Hover"_s, false},
          Given{kSubMenuCurrentPageLookKey, u"active"_s, true},
          Given{kSubMenuCurrentPageLookKey, u"bold"_s, false}}) {
        std::vector<PlistElement> values;
        values.push_back(PlistElement::fromString(given.value));
        const auto read = readOutputOptions(
            PlistElement::fromDictionary({QString::fromLatin1(given.key)}, std::move(values)));
        QVERIFY2(std::holds_alternative<OutputOptions>(read) == given.known,
                 qPrintable(given.value));
    }
    // A class name the page could not carry as it is refuses the file.
    for (const QString& bad : {QStringLiteral("2nav"), QStringLiteral("top nav"), QString(),
                               QStringLiteral("a\"><script>")}) {
        std::vector<PlistElement> values;
        values.push_back(PlistElement::fromString(bad));
        const auto read = readOutputOptions(
            PlistElement::fromDictionary({QString::fromLatin1(kClassNameKey)}, std::move(values)));
        QVERIFY2(std::holds_alternative<QString>(read), qPrintable(bad));
    }

    GlobalData target;
    target.setTempFolderPath(targetPreview.path());
    target.setOutputOptions({OutputStyle::Modern, QStringLiteral("Other"), 333});
    const OpenResult opened = openProjectData(target, bytes, targetPreview.path());
    QVERIFY2(opened.ok, qPrintable(opened.error));
    QCOMPARE(target.outputOptions(), options);
    QCOMPARE(projectData(target), bytes);
}

void ProjectTest::galleryDesignName_fitsAFileName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("taken");
    QTest::newRow("words") << QStringLiteral("Evening Blue") << true;
    QTest::newRow("accents") << QStringLiteral("Café Noir – 2") << true;
    QTest::newRow("80 characters") << QString(80, QLatin1Char('x')) << true;
    QTest::newRow("81 characters") << QString(81, QLatin1Char('x')) << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("spaces") << QStringLiteral("   ") << false;
    QTest::newRow("leading space") << QStringLiteral(" Blue") << false;
    QTest::newRow("slash") << QStringLiteral("red/blue") << false;
    QTest::newRow("backslash") << QStringLiteral("red\\blue") << false;
    QTest::newRow("parent folder") << QStringLiteral("..") << false;
    QTest::newRow("hidden") << QStringLiteral(".blue") << false;
    QTest::newRow("control") << QStringLiteral("blue\tgreen") << false;
    QTest::newRow("colon") << QStringLiteral("blue:green") << false;
}

void ProjectTest::galleryDesignName_fitsAFileName() {
    QFETCH(QString, name);
    QFETCH(bool, taken);
    QCOMPARE(DesignGallery::nameProblem(name).isEmpty(), taken);
    QTemporaryDir folder;
    const DesignGallery gallery(QString(), folder.filePath(QStringLiteral("designs")));
    GlobalData data;
    QCOMPARE(bool(gallery.save(data, name)), taken);
    // Nothing lands outside the designs folder, whatever the name.
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             taken ? QStringList{QStringLiteral("designs")} : QStringList{});
    QCOMPARE(gallery.designs().size(), taken ? 1 : 0);
}

void ProjectTest::galleryDesigns_areSavedRenamedRemovedAndOutliveTheRun() {
    QTemporaryDir builtIn, data, preview;
    GlobalData plain;
    writeBytes(builtIn.filePath(QStringLiteral("02 Beta.brindleprj")), projectData(plain));
    plain.setBorderRadius(3);
    writeBytes(builtIn.filePath(QStringLiteral("01 Alpha.brindleprj")), projectData(plain));
    writeBytes(builtIn.filePath(QStringLiteral("notes.txt")), "not a design");
    const QString userFolder = data.filePath(QStringLiteral("designs"));

    GlobalData own;
    makeIconProjectStore(own, preview.path());
    QVERIFY(DesignGallery(builtIn.path(), userFolder).save(own, QStringLiteral("Mine")));

    // A later run finds it after the built-in designs.
    const DesignGallery gallery(builtIn.path(), userFolder);
    const auto names = [&gallery] {
        QStringList list;
        for (const GalleryDesign& design : gallery.designs())
            list << design.name + (design.builtIn ? QStringLiteral("*") : QString());
        return list;
    };
    QCOMPARE(names(), QStringList({"Alpha*", "Beta*", "Mine"}));
    const GalleryDesign mine = gallery.designs().at(2);
    QTemporaryDir reopened;
    GlobalData copy;
    QVERIFY(openProjectData(copy, mine.bytes, reopened.path()));
    QCOMPARE(copy.integerValue(Setting::borderRadius), 7);
    QVERIFY(QFile::exists(reopened.filePath(QStringLiteral("home.png"))));

    // A picture per design and version: other bytes, another key.
    QCOMPARE(mine.thumbnailKey(), gallery.designs().at(2).thumbnailKey());
    QVERIFY(mine.thumbnailKey() != gallery.designs().at(0).thumbnailKey());

    QVERIFY(gallery.rename(mine, QStringLiteral("Ours")));
    QCOMPARE(names(), QStringList({"Alpha*", "Beta*", "Ours"}));
    QVERIFY(gallery.save(own, QStringLiteral("Theirs")));
    const GalleryDesign ours = gallery.designs().at(2);
    QVERIFY(!gallery.rename(ours, QStringLiteral("Theirs")));
    QVERIFY(!gallery.rename(ours, QStringLiteral("../Theirs")));
    QVERIFY(!gallery.rename(gallery.designs().at(0), QStringLiteral("Gamma")));
    QVERIFY(!gallery.remove(gallery.designs().at(0)));
    QVERIFY(gallery.remove(ours));
    QCOMPARE(names(), QStringList({"Alpha*", "Beta*", "Theirs"}));
    QVERIFY(QFile::exists(builtIn.filePath(QStringLiteral("01 Alpha.brindleprj"))));
}

void ProjectTest::galleryDesign_keepsOrReplacesTheMenu() {
    GlobalData design;
    design.setBorderRadius(33);
    design.getMenuRootNode()->clearChildren();
    design.addMenuRootNodeChild(
        Node::make(QStringLiteral("Only"), QStringLiteral("icon0"), design.getMenuRootNode()));
    const QByteArray designBytes = projectData(design);
    const OutputOptions modern{OutputStyle::Modern, QStringLiteral("Shop"), 700};

    for (const bool keepMenu : {true, false}) {
        QTemporaryDir preview;
        GlobalData store;
        makeIconProjectStore(store, preview.path());
        store.setOutputOptions(modern);
        QVERIFY(openGalleryDesign(store, designBytes, keepMenu));
        QCOMPARE(store.integerValue(Setting::borderRadius), 33);
        const Node* root = store.getMenuRootNode();
        if (keepMenu) {
            QCOMPARE(root->childCount(), 3);
            QCOMPARE(root->childAt(0)->name(), QStringLiteral("Home"));
            QCOMPARE(root->childAt(0)->imageFileName(), QStringLiteral("home.png"));
            QVERIFY(QFile::exists(preview.filePath(QStringLiteral("home.png"))));
            QVERIFY(store.outputOptions() == modern);
        } else {
            QCOMPARE(root->childCount(), 1);
            QCOMPARE(root->childAt(0)->name(), QStringLiteral("Only"));
            QVERIFY(store.outputOptions().isDefault());
        }
        // A damaged design changes nothing.
        QVERIFY(!openGalleryDesign(store, QByteArrayLiteral("<plist><array>"), keepMenu));
        QCOMPARE(store.integerValue(Setting::borderRadius), 33);
    }
}

void ProjectTest::untitledItems_areOpenedAndNamedByPlace() {
    GlobalData source;
    Node* root = source.getMenuRootNode();
    root->clearChildren();
    const auto add = [](Node* parent, const QString& title) {
        return parent->appendChild(Node::make(title, QStringLiteral("icon0"), parent));
    };
    add(root, QStringLiteral("Home"));
    Node* blank = add(root, QStringLiteral(" \t "));
    add(blank, QStringLiteral("Kept"));
    add(blank, QString());
    Node* products = add(root, QStringLiteral(" Products "));
    add(products, QStringLiteral("\u00a0"));
    add(products, QStringLiteral("Tessaly"));
    QTemporaryDir preview;
    GlobalData opened;
    const OpenResult result = openProjectData(opened, projectData(source), preview.path());
    QVERIFY(result);
    QCOMPARE(result.untitled, QStringList({QStringLiteral("item 2 of the bar"),
                                           QStringLiteral("item 2 under item 2 of the bar"),
                                           QStringLiteral("item 1 under “Products”")}));
    // Opened as they are: nothing of the design is lost.
    QCOMPARE(opened.getMenuRootNode()->childAt(1)->name(), QStringLiteral(" \t "));
    QCOMPARE(opened.getMenuRootNode()->childAt(1)->childCount(), 2);
}

void ProjectTest::thirdLevel_isSavedOnlyWhenTheMenuHasOne_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<OutputStyle>("style");
    QTest::addColumn<QString>("version");
    // Its SVG icon needs the dictionary of Version 3.1, no more.
    QTest::newRow("two levels") << u"Home,Products[Tessaly,Brindle],Forums"_s
                                << OutputStyle::Classic << u"Version 3.1"_s;
    QTest::newRow("three levels in a Classic design")
        << u"Home,Products[Tessaly,Brindle[Deep,Deeper]],Forums[Talk[Chat]]"_s
        << OutputStyle::Classic << u"Version 3.2"_s;
    QTest::newRow("three levels in a Modern design")
        << u"Products[Tessaly,Brindle[Deep]]"_s << OutputStyle::Modern << u"Version 3.2"_s;
}

// A file without a third level is the file it always was; one with a third level names a
// version that older readers refuse with their message, rather than dropping a level unseen.
void ProjectTest::thirdLevel_isSavedOnlyWhenTheMenuHasOne() {
    QFETCH(QString, menu);
    QFETCH(OutputStyle, style);
    QFETCH(QString, version);
    QTemporaryDir sourcePreview, targetPreview;
    GlobalData source;
    source.setTempFolderPath(sourcePreview.path());
    source.replaceMenu(testsupport::menuOfText(menu));
    OutputOptions options;
    options.style = style;
    source.setOutputOptions(options);
    // An SVG icon on an item of the deepest level the menu has, kept under its place.
    const Node* root = source.getMenuRootNode();
    Node* deepest = root->childAt(version == u"Version 3.2"_s && root->childCount() > 1 ? 1 : 0);
    while (deepest->childCount() > 0)
        deepest = deepest->childAt(deepest->childCount() - 1);
    // As the cleaner writes it: the file holds nothing else.
    const QByteArray document = "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                "xmlns:xlink=\"http://www.w3.org/1999/xlink\" viewBox=\"0 0 4 "
                                "4\"><rect width=\"4\" height=\"2\"/></svg>\n";
    for (const char* name : {"d.png", "d@2x.png"})
        writeBytes(sourcePreview.filePath(QLatin1String(name)),
                   testsupport::encodedImage(solidImage(8, 8, Qt::black), "PNG"));
    deepest->setImageFileName(u"d.png"_s);
    deepest->setRetinaImageFileName(u"d@2x.png"_s);
    deepest->setSvgIcon({document, u"d.svg"_s, false});

    const QByteArray bytes = projectData(source);
    const PlistTestFile file(bytes);
    QCOMPARE(file.stringAt(0), version);
    GlobalData target;
    const OpenResult opened = openProjectData(target, bytes, targetPreview.path());
    QVERIFY2(opened.ok, qPrintable(opened.error));
    QCOMPARE(testsupport::describeMenu(*target.getMenuRootNode()), menu);
    QCOMPARE(target.outputOptions().style, style);
    const auto walk = [](auto& self, const Node& parent, QStringList& svgs) -> void {
        for (int i = 0; i < parent.childCount(); ++i) {
            const Node& item = *parent.childAt(i);
            QCOMPARE(item.parent(), &parent);
            QCOMPARE(item.isGroup(), item.childCount() > 0);
            if (item.hasSvgIcon())
                svgs << item.name();
            self(self, item, svgs);
        }
    };
    QStringList svgs;
    walk(walk, *target.getMenuRootNode(), svgs);
    QCOMPARE(svgs, QStringList{deepest->name()});
    target.setTempFolderPath(targetPreview.path());
    QCOMPARE(projectData(target), bytes);
    if (version != u"Version 3.2"_s)
        return;
    // Each sub-item's record ends with the count of its own items: Tessaly has none.
    int tessaly = 0;
    while (file.stringAt(tessaly) != u"Tessaly"_s)
        ++tessaly;
    QCOMPARE(file.integerAt(tessaly + 6), qint64(0));
    QCOMPARE(file.stringAt(tessaly + 7), u"Brindle"_s);
    // Read as an earlier layout, the counts stand where titles belong: refused, never read
    // as a menu of two levels.
    PlistTestFile earlier(bytes);
    earlier.set(0, plist_new_string("Version 3.1"));
    GlobalData refused;
    const OpenResult asEarlier = openProjectData(refused, earlier.xml(), targetPreview.path());
    QVERIFY(!asEarlier.ok);
    QVERIFY2(asEarlier.error.contains(u"should be text but is an integer"_s),
             qPrintable(asEarlier.error));
}

void ProjectTest::svgIcons_roundTripExactly() {
    QTemporaryDir sourcePreview, targetPreview;
    GlobalData source;
    source.setTempFolderPath(sourcePreview.path());
    const QByteArray document = "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                "xmlns:xlink=\"http://www.w3.org/1999/xlink\" viewBox=\"0 0 4 "
                                "4\"><rect width=\"4\" height=\"2\" fill=\"#000\"/></svg>\n";
    // Home (a top-level item) follows the text colour, Products' second item does not.
    const struct {
        Node* node;
        const char* stem;
        bool follows;
    } icons[] = {{source.getMenuRootNode()->childAt(0), "home", true},
                 {source.getMenuRootNode()->childAt(1)->childAt(1), "box", false}};
    for (const auto& icon : icons) {
        const QString stem = QLatin1String(icon.stem);
        const QImage picture = solidImage(16, 16, Qt::black),
                     retina = solidImage(32, 32, Qt::black);
        writeBytes(sourcePreview.filePath(stem + ".png"),
                   testsupport::encodedImage(picture, "PNG"));
        writeBytes(sourcePreview.filePath(stem + "@2x.png"),
                   testsupport::encodedImage(retina, "PNG"));
        writeBytes(sourcePreview.filePath(stem + ".svg"), document);
        icon.node->setImageFileName(stem + ".png");
        icon.node->setImageWidth(16);
        icon.node->setImageHeight(16);
        icon.node->setRetinaImageFileName(stem + "@2x.png");
        icon.node->setSvgIcon({document, stem + ".svg", icon.follows});
    }
    const QByteArray bytes = projectData(source);
    const PlistTestFile file(bytes);
    // Classic at its default options, yet Version 3.1: the SVG icons need the dictionary. A
    // reader of Version 3.0 finds the pictures where it always did.
    QCOMPARE(file.stringAt(0), QStringLiteral("Version 3.1"));
    QCOMPARE(file.stringAt(kHomeIconNamePosition), QStringLiteral("home.png"));
    QCOMPARE(file.stringAt(kHomeIconNamePosition + 3), QStringLiteral("home@2x.png"));
    const plist_t items = plist_dict_get_item(file.at(file.size() - 1), "items");
    QCOMPARE(plist_dict_get_size(items), 2u);
    QVERIFY(plist_dict_get_item(items, "1") && plist_dict_get_item(items, "2.2"));

    GlobalData target;
    target.setTempFolderPath(targetPreview.path());
    const OpenResult opened = openProjectData(target, bytes, targetPreview.path());
    QVERIFY2(opened.ok, qPrintable(opened.error));
    const Node* home = target.getMenuRootNode()->childAt(0);
    QCOMPARE(home->svgIcon(), (NodeSvgIcon{document, QStringLiteral("home.svg"), true}));
    QCOMPARE(target.getMenuRootNode()->childAt(1)->childAt(1)->svgIcon(),
             (NodeSvgIcon{document, QStringLiteral("box.svg"), false}));
    QCOMPARE(home->imageWidth(), 16);
    QCOMPARE(home->retinaImageWidth(), 16);
    QCOMPARE(readBytes(targetPreview.filePath(QStringLiteral("home.svg"))), document);
    // Saved again, the file is the same to the byte.
    QCOMPARE(projectData(target), bytes);

    // A picture gone from the preview folder: the SVG is not saved without it, and the file
    // still opens.
    QVERIFY(QFile::remove(sourcePreview.filePath(QStringLiteral("box@2x.png"))));
    const PlistTestFile withoutBox(projectData(source));
    QCOMPARE(
        plist_dict_get_size(plist_dict_get_item(withoutBox.at(withoutBox.size() - 1), "items")),
        1u);
    GlobalData reopened;
    QVERIFY(openProjectData(reopened, withoutBox.xml(), targetPreview.path()).ok);
    QVERIFY(!reopened.getMenuRootNode()->childAt(1)->childAt(1)->hasSvgIcon());
}

void ProjectTest::importedMenu_takesTheSitesOwnMenu_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("menu");     // empty: refused
    QTest::addColumn<QString>("notTaken"); // what the report says, or the refusal's words
    // Pages, as sites write them.
    QTest::newRow("nav of nested lists, entities, unclosed tags")
        << u"page.html"_s
        << QByteArray("<!DOCTYPE html><title>x</title><header><a href=\"/\">Logo</a></header>"
                      "<nav><ul><li><a href=\"/\">Home &amp; News</a><li><a href=\" /shop \">"
                      "  Shop\n   all </a><ul><li><a href=\"/shop/a\">A&eacute;</a><li><a "
                      "href=\"/shop/b\">B</a></ul><li><a href=\"/about\">About</a></ul></nav>")
        << u"Home & News>/ | Shop all>/shop(Aé>/shop/a | B>/shop/b) | About>/about"_s << QString();
    QTest::newRow("navbar whose buttons own lists")
        << u"page.htm"_s
        << QByteArray("<nav class=navbar><ul><li><a href=index.html>Start</a></li><li "
                      "class=dropdown><button aria-expanded=false>Products</button><ul><li><a "
                      "href=p1.html>One</a></li><li><hr></li><li><a href=p2.html>Two</a></li></ul>"
                      "</li><li><details><summary>More</summary><ul><li><a href=m.html>Mine</a>"
                      "</ul></details></ul></nav>")
        << u"Start>index.html | Products>(One>p1.html | Two>p2.html) | More>(Mine>m.html)"_s
        << QString();
    QTest::newRow("links of a picture, a hidden title, a label; a script link")
        << u"page.html"_s
        << QByteArray("<nav><a href=\"/\"><img src=logo.png alt=\"Home page\"></a><a href=/x>"
                      "<svg><title>Icon</title></svg><span> X  ray </span></a><a href=\"  "
                      "JavaScript:alert(1)\">Run</a><a href=/y aria-label=Why><i "
                      "class=icon></i></a><a href=/z></a></nav>")
        << u"Home page>/ | X ray>/x | Run> | Why>/y"_s
        << u"Items without a title, left out: 1\nScript links, left out (their items kept without "
           u"a link): 1"_s;
    QTest::newRow("the first of two navs that holds links")
        << u"page.html"_s
        << QByteArray("<nav aria-label=crumbs></nav><nav><ul><li><a href=/a>A</a></ul></nav>"
                      "<nav><a href=/b>B</a></nav>")
        << u"A>/a"_s << QString();
    QTest::newRow("no nav: the largest list")
        << u"page.html"_s
        << QByteArray("<ul><li><a href=/1>1</a></ul><div><ul><li><a href=/x>X</a><ul><li><a "
                      "href=/y>Y</a></ul><li><a href=/z>Z</a></ul></div>")
        << u"X>/x(Y>/y) | Z>/z"_s << QString();
    QTest::newRow("deeper than the menu goes")
        << u"page.html"_s
        << QByteArray("<nav><ul><li><a href=/a>A</a><ul><li><a href=/b>B</a><ul><li><a href=/c>C"
                      "</a><ul><li><a href=/d>D</a></ul></ul><li><a href=/e>E</a></ul></ul></nav>")
        << u"A>/a(B>/b(C>/c | D>/d) | E>/e)"_s
        << u"Items deeper than 3 levels, placed in level 3: 1"_s;
    QTest::newRow("a page in Latin-1")
        << u"page.html"_s
        << QByteArray("<meta charset=iso-8859-1><nav><a href=/c>Caf\xe9</a></nav>") << u"Café>/c"_s
        << QString();
    QTest::newRow("no menu at all") << u"page.html"_s << QByteArray("<p>Nothing <b>here</b>")
                                    << QString() << u"no navigation"_s;
    // Sitemaps.
    QTest::newRow("sitemap of nested paths")
        << u"sitemap.xml"_s
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<urlset xmlns=\"http://"
                      "www.sitemaps.org/schemas/sitemap/0.9\">"
                      "<url><loc>https://shop.example/</loc></url>"
                      "<url><loc> https://shop.example/products/laptops-and-tablets/ </loc></url>"
                      "<url><loc>https://shop.example/products/</loc></url>"
                      "<url><loc>https://shop.example/products/phones.html</loc></url>"
                      "<url><loc>https://shop.example/about-us/index.html</loc></url>"
                      "<url><loc>https://shop.example/products/</loc></url>"
                      "<url><loc>https://shop.example/search?q=a&amp;b=1</loc></url>"
                      "<url><loc>https://shop.example/search?q=c</loc></url>"
                      "<url><loc>mailto:shop@example.org</loc></url></urlset>")
        << u"Home>/ | Products>/products/(Laptops and Tablets>/products/laptops-and-tablets/ | "
           u"Phones>/products/phones.html) | About Us>/about-us/index.html | Search>/search?q=a&b=1"_s
        << u"Addresses listed twice, taken once: 2\nEntries that are not web addresses, left "
           u"out: 1"_s;
    QTest::newRow("sitemap of two sites")
        << u"sitemap.xml"_s
        << QByteArray("<urlset><url><loc>https://a.example/the-end</loc></url><url><loc>http://"
                      "b.example/y/</loc></url></urlset>")
        << u"The End>https://a.example/the-end | Y>http://b.example/y/"_s << QString();
    QTest::newRow("sitemap index")
        << u"sitemap.xml"_s
        << QByteArray("<sitemapindex><sitemap><loc>https://a.example/s1.xml</loc></sitemap>"
                      "</sitemapindex>")
        << QString() << u"sitemap index"_s;
    // Outlines.
    QTest::newRow("Markdown list")
        << u"menu.md"_s
        << QByteArray("# Our menu\n\n- [Home](/)\n- [Products](/products)\n    - [Laptops & "
                      "more](/products/laptops \"Our laptops\")\n    - Phones\n1. [Back "
                      "\\[up\\]](javascript:void(0))\n")
        << u"Home>/ | Products>/products(Laptops & more>/products/laptops | Phones>) | Back [up]>"_s
        << u"Script links, left out (their items kept without a link): 1"_s;
    QTest::newRow("indented titles")
        << u"menu.txt"_s
        << QByteArray("Home\r\nServices\r\n\tDesign\r\n\tHosting\r\n\t\tShared\r\n"
                      "\t\t\tBasic\r\n\t\tCloud\r\nAbout\r\n")
        << u"Home> | Services>(Design> | Hosting>(Shared> | Basic> | Cloud>)) | About>"_s
        << u"Items deeper than 3 levels, placed in level 3: 1"_s;
    QByteArray many;
    for (int i = 0; i <= kMostImportedItems; ++i)
        many += "Item " + QByteArray::number(i) + '\n';
    QTest::newRow("1,001 items") << u"menu.txt"_s << many << QString() << u"at most 1000"_s;
    QTest::newRow("nothing") << u"menu.md"_s << QByteArray("\n# Title only\n") << QString()
                             << u"No menu items"_s;
}

// The menu a site already has, from its page, its sitemap or an outline: titles as a visitor
// reads them, links as written, the nesting kept to the menu's depth; what was left out said.
void ProjectTest::importedMenu_takesTheSitesOwnMenu() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, source);
    QFETCH(QString, menu);
    QFETCH(QString, notTaken);
    const MenuImport imported = importMenu(fileName, source);
    if (menu.isEmpty()) {
        QVERIFY(!imported);
        QVERIFY(imported.items.isEmpty());
        QVERIFY2(imported.error.contains(notTaken), qPrintable(imported.error));
        return;
    }
    QVERIFY2(imported, qPrintable(imported.error));
    QCOMPARE(described(imported.items), menu);
    QCOMPARE(imported.notTaken.join(u'\n'), notTaken);
    // The store's tree: every item numbered, owners of sub-items marked, links kept.
    const auto root = menuTreeOf(imported.items);
    QCOMPARE(root->childCount(), imported.items.size());
    QCOMPARE(root->childAt(0)->iconID(), u"icon1"_s);
    for (int i = 0; i < root->childCount(); ++i) {
        const Node* item = root->childAt(i);
        QCOMPARE(item->parent(), root.get());
        QCOMPARE(item->isGroup(), item->childCount() > 0);
        QCOMPARE(item->link(), imported.items.at(i).link);
        for (int j = 0; j < item->childCount(); ++j)
            QCOMPARE(item->childAt(j)->parent(), item);
    }
}
