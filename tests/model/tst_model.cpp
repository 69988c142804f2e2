#include "model/Color.h"
#include "model/Contrast.h"
#include "model/GlobalData.h"
#include "model/IconFileName.h"
#include "model/Node.h"
#include "model/OutputOptions.h"

#include <QColor>
#include <QTest>

using namespace brindle;

Q_DECLARE_METATYPE(brindle::Color)

namespace {
Color bytes(int r, int g, int b) {
    return Color::fromBytes(r, g, b);
}
} // namespace

class ModelTest : public QObject {
    Q_OBJECT

private slots:
    void contrast_followsTheWcagFormula_data();
    void contrast_followsTheWcagFormula();
    void contrast_findsTheWorstPairOfEachState();
    void graphicContrast_isWhatAQuarterOfItsPixelsReach_data();
    void graphicContrast_isWhatAQuarterOfItsPixelsReach();
    void graphicContrast_checksIconsAndTheArrowAgainstTheirLevel();
    void readableTextColour_isTheNearestLightnessThatReads_data();
    void readableTextColour_isTheNearestLightnessThatReads();
    void navLabel_isCleanedOneWay_data();
    void navLabel_isCleanedOneWay();
    void className_isACssIdentifier_data();
    void className_isACssIdentifier();
    void sharedData_isOneInstance();
    void defaults_fontStacksInOrder();
    void defaults_scalarsAndColours();
    void defaults_gradientGroups_data();
    void defaults_gradientGroups();
    void settingTable_namesAndKinds();
    void hexForm_data();
    void hexForm();
    void rgbaForm_data();
    void rgbaForm();
    void hexParse_data();
    void hexParse();
    void newNode_isEmpty();
    void defaultMenu_structure();
    void treeOperations_insertAndRemove();
    void iconFileName_safety_data();
    void iconFileName_safety();
    void iconClassNumber_parsesOnlyPlainClasses();
};

void ModelTest::sharedData_isOneInstance() {
    GlobalData& first = GlobalData::sharedData();
    GlobalData& second = GlobalData::sharedData();
    QCOMPARE(&first, &second);
    // The defaults ran once: the default menu is not doubled.
    QCOMPARE(first.getMenuRootNode()->childCount(), 3);
    first.setBorderRadius(3);
    QCOMPARE(GlobalData::sharedData().borderRadius(), qint64(3));
    first.setBorderRadius(25);
}

void ModelTest::defaults_fontStacksInOrder() {
    GlobalData store;
    const QStringList& stacks = store.fontFamilyArray();
    QCOMPARE(stacks.size(), 13);
    QCOMPARE(stacks.at(0), QStringLiteral("Arial, Helvetica, sans-serif"));
    QCOMPARE(stacks.at(1), QStringLiteral("\"Arial Black\", Gadget, sans-serif"));
    QCOMPARE(stacks.at(4),
             QStringLiteral("\"Lucida Sans Unicode\", \"Lucida Grande\", sans-serif"));
    QCOMPARE(stacks.at(9),
             QStringLiteral("\"Palatino Linotype\", \"Book Antiqua\", Palatino, serif"));
    QCOMPARE(stacks.at(12), QStringLiteral("\"Lucida Console\", Monaco, monospace"));
    QCOMPARE(store.mainMenufontFamily(), stacks.at(0));
}

void ModelTest::defaults_scalarsAndColours() {
    GlobalData store;
    QCOMPARE(store.borderRadius(), qint64(25));
    QCOMPARE(store.borderSize(), qint64(1));
    QCOMPARE(store.width(), qint64(100));
    QCOMPARE(store.height(), qint64(-1));
    QCOMPARE(store.subMenuBorderRadius(), qint64(5));
    QCOMPARE(store.subMenuWidth(), qint64(180));
    QCOMPARE(store.mainMenufontSize(), qint64(14));
    QVERIFY(store.showSeparator());
    QVERIFY(store.varSizeVerticalLock());
    QVERIFY(store.varSizeHorizontalLock());
    // 109/255 in single precision, widened.
    QCOMPARE(store.borderColor().red, 0.4274509847164154);
    QCOMPARE(store.borderColor().green, static_cast<double>(128.0f / 255.0f));
    QCOMPARE(store.borderColor().blue, 0.0);
    QCOMPARE(store.borderColor().alpha, 1.0);
    QCOMPARE(store.mainMenufontColor(), bytes(62, 72, 0));
    QCOMPARE(store.subMenufontColorActive(), bytes(20, 20, 20));
    QCOMPARE(store.mainMenuTextShadow1Opacity(), 0.6);
    QCOMPARE(store.mainMenuTextShadow2Size(), qint64(2));
    QCOMPARE(store.dropShadowOpacity(), 0.5);
    QCOMPARE(store.dropShadowYPos(), qint64(1));
    QCOMPARE(store.dropShadowSize(), qint64(3));
    QCOMPARE(store.innerShadowColor(), bytes(255, 255, 255));
    QVERIFY(store.tempFolderPath().isNull());
    QVERIFY(store.recentProjectList().isEmpty());
}

void ModelTest::defaults_gradientGroups_data() {
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<Color>("start");
    QTest::addColumn<bool>("quartersEnabled");
    QTest::addColumn<bool>("endEnabled");
    QTest::addColumn<Color>("end");
    QTest::addColumn<QString>("transparency");

    QTest::newRow("main normal") << ""
                                 << "" << bytes(255, 255, 255) << true << true << bytes(109, 128, 0)
                                 << "";
    QTest::newRow("sub normal") << "subMenu"
                                << "" << bytes(255, 255, 255) << false << true
                                << bytes(235, 244, 195) << "";
    QTest::newRow("main hover") << ""
                                << "Hover" << bytes(255, 0, 0) << false << false
                                << bytes(109, 128, 0) << "colorTransparencyHover";
    QTest::newRow("sub hover") << "subMenu"
                               << "Hover" << bytes(255, 0, 0) << false << false
                               << bytes(109, 128, 0) << "subMenuColorTransparencyHover";
    QTest::newRow("main active") << ""
                                 << "Active" << bytes(255, 0, 0) << false << false
                                 << bytes(109, 128, 0) << "colorTransparencyActive";
    QTest::newRow("sub active") << "subMenu"
                                << "Active" << bytes(255, 0, 0) << false << false
                                << bytes(109, 128, 0) << "subMenuColorTransparencyActive";
}

void ModelTest::defaults_gradientGroups() {
    QFETCH(QString, prefix);
    QFETCH(QString, suffix);
    QFETCH(Color, start);
    QFETCH(bool, quartersEnabled);
    QFETCH(bool, endEnabled);
    QFETCH(Color, end);
    QFETCH(QString, transparency);

    GlobalData store;
    const auto setting = [&](const QString& member) {
        QString name = member + suffix;
        if (!prefix.isEmpty())
            name = prefix + name.at(0).toUpper() + name.mid(1);
        const int index = settingIndexOfName(name);
        if (index < 0)
            qFatal("no setting %s", qPrintable(name));
        return static_cast<Setting>(index);
    };
    QCOMPARE(store.colorValue(setting(QStringLiteral("startBackgroundColor"))), start);
    const struct {
        const char* ordinal;
        Color colour;
        qint64 position;
    } quarters[] = {{"First", bytes(199, 217, 95), 25},
                    {"Second", bytes(199, 217, 95), 50},
                    {"Third", bytes(173, 209, 54), 75}};
    for (const auto& q : quarters) {
        const QString ordinal = QLatin1String(q.ordinal);
        const QString lower = ordinal.toLower();
        QCOMPARE(store.booleanValue(setting(QStringLiteral("enable") + ordinal +
                                            QStringLiteral("QuarterBackgroundColor"))),
                 quartersEnabled);
        QCOMPARE(store.colorValue(setting(lower + QStringLiteral("QuarterBackgroundColor"))),
                 q.colour);
        QCOMPARE(store.integerValue(setting(lower + QStringLiteral("QuarterBackgroundColorPos"))),
                 q.position);
    }
    QCOMPARE(store.booleanValue(setting(QStringLiteral("enableEndBackgroundColor"))), endEnabled);
    QCOMPARE(store.colorValue(setting(QStringLiteral("endBackgroundColor"))), end);
    if (!transparency.isEmpty()) {
        const int index = settingIndexOfName(transparency);
        QVERIFY(index >= 0);
        QCOMPARE(store.integerValue(static_cast<Setting>(index)), qint64(10));
    }
}

void ModelTest::settingTable_namesAndKinds() {
    QCOMPARE(QLatin1String(settingInfo(Setting::borderRadius).name), QLatin1String("borderRadius"));
    QCOMPARE(QLatin1String(settingInfo(Setting::innerShadowSize).name),
             QLatin1String("innerShadowSize"));
    // Project-file order: innerShadowSize is position 119, showSeparator is not saved.
    QCOMPARE(static_cast<int>(Setting::innerShadowSize), kPersistedSettingCount - 1);
    QCOMPARE(static_cast<int>(Setting::showSeparator), kSettingCount - 1);
    QCOMPARE(settingInfo(Setting::mainMenufontFamily).kind, SettingKind::Text);
    QCOMPARE(settingInfo(Setting::dropShadowOpacity).kind, SettingKind::Double);
    QCOMPARE(settingInfo(Setting::subMenuColorTransparencyActive).kind, SettingKind::Integer);
    QCOMPARE(settingIndexOfName(u"mainMenuFontFamily"), -1); // names are case-sensitive
    int counts[5] = {};
    for (int i = 0; i < kSettingCount; ++i)
        ++counts[static_cast<int>(settingInfo(static_cast<Setting>(i)).kind)];
    // 4 transparencies, 6×3 positions and 19 other integers; 4 opacities; 27 flags and locks.
    QCOMPARE(counts[static_cast<int>(SettingKind::Double)], 4);
    QCOMPARE(counts[static_cast<int>(SettingKind::Text)], 1);
    QCOMPARE(counts[static_cast<int>(SettingKind::Boolean)], 6 * 4 + 3);
    QCOMPARE(counts[static_cast<int>(SettingKind::Colour)], 6 * 5 + 2 + 6 + 4);
}

void ModelTest::hexForm_data() {
    QTest::addColumn<Color>("colour");
    QTest::addColumn<QString>("expected");
    QTest::newRow("border default") << bytes(109, 128, 0) << "#6d8000";
    QTest::newRow("white") << Color{1, 1, 1, 1} << "#ffffff";
    QTest::newRow("black") << Color{0, 0, 0, 1} << "#000000";
    QTest::newRow("quarter is 63") << Color{0.25, 0.5, 0, 1} << "#3f7f00";
    QTest::newRow("alpha dropped") << Color{1, 0, 0, 0.1} << "#ff0000";
    // A colour-window pick is no multiple of 1/255: 0.7 × 256 (less a hair) is 179.2.
    QTest::newRow("picked 0.7 is b3") << Color{0.7, 0.7, 0.7, 1} << "#b3b3b3";
    for (int n : {0, 1, 15, 16, 127, 128, 254, 255})
        QTest::addRow("n/255 = %d", n)
            << bytes(n, n, n) << QStringLiteral("#%1%1%1").arg(n, 2, 16, QLatin1Char('0'));
}

void ModelTest::hexForm() {
    QFETCH(Color, colour);
    QFETCH(QString, expected);
    QCOMPARE(hexadecimalValueOfAnNSColor(colour), expected);
}

void ModelTest::rgbaForm_data() {
    QTest::addColumn<Color>("colour");
    QTest::addColumn<QString>("expected");
    QTest::newRow("red, alpha 0.1") << bytes(255, 0, 0).withAlpha(0.1) << "rgba(255, 0, 0, 0.10)";
    QTest::newRow("red, alpha 1") << bytes(255, 0, 0) << "rgba(255, 0, 0, 1.00)";
    QTest::newRow("alpha 0") << bytes(199, 217, 95).withAlpha(0.0) << "rgba(199, 217, 95, 0.00)";
    QTest::newRow("half") << Color{0.5, 0.25, 1, 0.555} << "rgba(127, 63, 255, 0.56)";
    QTest::newRow("picked, not n/255") << Color{0.7, 0.3, 0.9, 1} << "rgba(179, 76, 230, 1.00)";
}

void ModelTest::rgbaForm() {
    QFETCH(Color, colour);
    QFETCH(QString, expected);
    QCOMPARE(rgbaValueOfAnNSColor(colour), expected);
}

void ModelTest::hexParse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::newRow("plain") << "#6d8000" << 109 << 128 << 0;
    QTest::newRow("upper case") << "#6D8000" << 109 << 128 << 0;
    QTest::newRow("short form not expanded") << "#fff" << 0 << 15 << 255;
    QTest::newRow("first character dropped") << "6d8000" << 13 << 128 << 0;
    QTest::newRow("top byte ignored") << "#ff6d8000" << 109 << 128 << 0;
    QTest::newRow("no digits") << "#zz" << 0 << 0 << 0;
    QTest::newRow("hash alone") << "#" << 0 << 0 << 0;
    QTest::newRow("0x prefix") << "#0x6d8000" << 109 << 128 << 0;
    QTest::newRow("0X prefix") << "#0X0000ff" << 0 << 0 << 255;
    QTest::newRow("leading blanks") << "#  00ff00" << 0 << 255 << 0;
    QTest::newRow("stops at non-digit") << "#ff00g0" << 0 << 0xff << 0x00;
    QTest::newRow("overflow saturates") << "#123456789abc" << 255 << 255 << 255;
    QTest::newRow("empty text") << "" << 0 << 0 << 0;
}

void ModelTest::hexParse() {
    QFETCH(QString, text);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    const Color parsed = nscolorValueOfAnHexadecimal(text);
    QCOMPARE(parsed.red, r / 255.0);
    QCOMPARE(parsed.green, g / 255.0);
    QCOMPARE(parsed.blue, b / 255.0);
    QCOMPARE(parsed.alpha, 1.0);
    // Read-back colours give the same hex form again.
    QCOMPARE(hexadecimalValueOfAnNSColor(parsed), QStringLiteral("#%1%2%3")
                                                      .arg(r, 2, 16, QLatin1Char('0'))
                                                      .arg(g, 2, 16, QLatin1Char('0'))
                                                      .arg(b, 2, 16, QLatin1Char('0')));
}

void ModelTest::newNode_isEmpty() {
    Node node;
    QVERIFY(node.name().isNull());
    QVERIFY(node.iconID().isNull());
    QVERIFY(!node.link().isNull());
    QVERIFY(node.link().isEmpty());
    QVERIFY(node.imageFileName().isEmpty());
    QVERIFY(node.retinaImageFileName().isEmpty());
    QCOMPARE(node.childCount(), 0);
    QVERIFY(!node.isGroup());
    QVERIFY(!node.hasIcon());
    QCOMPARE(node.imageWidth() + node.imageHeight() + node.retinaImageWidth() +
                 node.retinaImageHeight() + node.paddingRight(),
             qint64(0));
    QVERIFY(node.parent() == nullptr);
    QVERIFY(node.image().isNull() && node.retinaImage().isNull() && node.scaledImage().isNull());
}

void ModelTest::defaultMenu_structure() {
    GlobalData store;
    Node* root = store.getMenuRootNode();
    QVERIFY(root->name().isNull());
    QVERIFY(root->parent() == nullptr);
    QCOMPARE(root->childCount(), 3);
    const QStringList titles = {QStringLiteral("Home"), QStringLiteral("Products"),
                                QStringLiteral("Forums")};
    const QStringList classes = {QStringLiteral("icon0"), QStringLiteral("icon1"),
                                 QStringLiteral("icon4")};
    for (int i = 0; i < 3; ++i) {
        Node* item = root->childAt(i);
        QCOMPARE(item->name(), titles.at(i));
        QCOMPARE(item->iconID(), classes.at(i));
        QCOMPARE(item->parent(), root);
        QCOMPARE(item->link(), QString());
        QVERIFY(!item->hasIcon());
        QCOMPARE(item->isGroup(), i == 1);
    }
    Node* products = root->childAt(1);
    QCOMPARE(products->childCount(), 2);
    QCOMPARE(products->childAt(0)->name(), QStringLiteral("Tessaly"));
    QCOMPARE(products->childAt(0)->iconID(), QStringLiteral("icon2"));
    QCOMPARE(products->childAt(1)->name(), QStringLiteral("Brindle"));
    QCOMPARE(products->childAt(1)->iconID(), QStringLiteral("icon3"));
    QCOMPARE(products->childAt(1)->parent(), products);
    QCOMPARE(products->childAt(1)->childCount(), 0);
}

void ModelTest::treeOperations_insertAndRemove() {
    GlobalData store;
    Node* root = store.getMenuRootNode();
    Node* home = root->childAt(0);

    // Index -1 on a parent without children appends and makes it a group.
    Node* first = store.insertMenuRootNodeChild(std::make_unique<Node>(), home, -1);
    QCOMPARE(home->childCount(), 1);
    QCOMPARE(home->childAt(0), first);
    QVERIFY(home->isGroup());
    QVERIFY(first->parent() == nullptr); // the caller sets it

    // Index 0 inserts but leaves isGroup alone.
    Node* forums = root->childAt(2);
    store.insertMenuRootNodeChild(std::make_unique<Node>(), forums, 0);
    QCOMPARE(forums->childCount(), 1);
    QVERIFY(!forums->isGroup());

    // Root insertion at an index, appending, and removal by identity.
    Node* inserted = store.insertMenuRootNodeChild(Node::make(QStringLiteral("New"), {}), 1);
    QCOMPARE(root->childAt(1), inserted);
    Node* appended = store.addMenuRootNodeChild(std::make_unique<Node>());
    QCOMPARE(root->childAt(root->childCount() - 1), appended);
    QCOMPARE(root->childCount(), 5);
    auto removed = store.removeMenuRootNodeChild(inserted);
    QCOMPARE(removed.get(), inserted);
    QCOMPARE(root->childCount(), 4);
    QCOMPARE(root->childAt(1)->name(), QStringLiteral("Products"));

    // A sub-item is not a child of the root: nothing changes.
    Node* tessaly = root->childAt(1)->childAt(0);
    QVERIFY(store.removeMenuRootNodeChild(tessaly) == nullptr);
    QCOMPARE(root->childCount(), 4);
    QCOMPARE(root->childAt(1)->childCount(), 2);
}

void ModelTest::iconFileName_safety_data() {
    QTest::addColumn<QString>("picked");
    QTest::addColumn<bool>("safeAsIs");
    QTest::addColumn<QString>("madeSafe");
    QTest::addColumn<QString>("numbered"); // when a different picture has the safe name
    QTest::newRow("plain") << "home.png" << true << "home.png"
                           << "home-2.png";
    QTest::newRow("blank inside") << "my icon.png" << true << "my icon.png"
                                  << "my icon-2.png";
    QTest::newRow("backslash") << "a\\b.png" << false << "a_b.png"
                               << "a_b-2.png";
    QTest::newRow("control character") << "a\tb.png" << false << "a_b.png"
                                       << "a_b-2.png";
    QTest::newRow("generated arrow") << "bottom.png" << false << "icon-bottom.png"
                                     << "icon-bottom-2.png";
    QTest::newRow("generated page") << "index.html" << false << "icon-index.html"
                                    << "icon-index-2.html";
    QTest::newRow("generated stylesheet") << "styles.css" << false << "icon-styles.css"
                                          << "icon-styles-2.css";
    QTest::newRow("other case is another file") << "Bottom.png" << true << "Bottom.png"
                                                << "Bottom-2.png";
    QTest::newRow("dot dot") << ".." << false << "icon-.."
                             << "icon-.-2.";
    QTest::newRow("empty") << "" << false << "icon-"
                           << "icon--2";
    QTest::newRow("slash") << "../x.png" << false << ".._x.png"
                           << ".._x-2.png";
    // File names end at 255 bytes of UTF-8; a longer one loses letters before its extension,
    // and a numbered one before its number.
    const QString euro(1, QChar(0x20AC)); // three bytes
    QTest::newRow("255 bytes") << QString(251, u'a') + ".png" << true << QString(251, u'a') + ".png"
                               << QString(249, u'a') + "-2.png";
    QTest::newRow("256 bytes") << QString(252, u'a') + ".png" << false
                               << QString(251, u'a') + ".png" << QString(249, u'a') + "-2.png";
    QTest::newRow("multi-byte letters")
        << euro.repeated(85) + ".png" << false << euro.repeated(83) + ".png"
        << euro.repeated(83) + "-2.png";
    QTest::newRow("long without extension")
        << QString(300, u'b') << false << QString(255, u'b') << QString(253, u'b') + "-2";
    // A suffix so long that the number only fits by shortening it.
    QTest::newRow("long suffix") << "a." + QString(253, u'b') << true << "a." + QString(253, u'b')
                                 << "-2." + QString(252, u'b');
    QTest::newRow("placeholder-like stem") << "a%1b.png" << true << "a%1b.png"
                                           << "a%1b-2.png";
    // Four bytes, two code units: shortened whole, never split.
    const QString clef = QString::fromUcs4(U"\U0001D11E");
    QTest::newRow("letters outside the basic plane")
        << clef.repeated(63) + ".x" << true << clef.repeated(63) + ".x"
        << clef.repeated(62) + "-2.x";
}

void ModelTest::iconFileName_safety() {
    QFETCH(QString, picked);
    QFETCH(bool, safeAsIs);
    QFETCH(QString, madeSafe);
    QFETCH(QString, numbered);
    QCOMPARE(isSafeIconFileName(picked), safeAsIs);
    QCOMPARE(safeIconFileName(picked), madeSafe);
    QVERIFY(isSafeIconFileName(safeIconFileName(picked)));
    const auto freeUnless = [](const QStringList& taken) {
        return [taken](const QString& name) { return !taken.contains(name); };
    };
    QCOMPARE(firstFreeIconFileName(madeSafe, freeUnless({})), madeSafe);
    QCOMPARE(firstFreeIconFileName(madeSafe, freeUnless({madeSafe})), numbered);
    QString third = numbered;
    third.replace(third.lastIndexOf(u'2'), 1, u'3');
    QCOMPARE(firstFreeIconFileName(madeSafe, freeUnless({madeSafe, numbered})), third);
}

void ModelTest::iconClassNumber_parsesOnlyPlainClasses() {
    QCOMPARE(iconClassNumber(QStringLiteral("icon0")), qint64(0));
    QCOMPARE(iconClassNumber(QStringLiteral("icon42")), qint64(42));
    QCOMPARE(iconClassNumber(QStringLiteral("icon999999999")), qint64(999999999));
    QCOMPARE(iconClassNumber(QStringLiteral("icon1234567890")), qint64(-1));
    QCOMPARE(iconClassNumber(QStringLiteral("icon")), qint64(-1));
    QCOMPARE(iconClassNumber(QStringLiteral("icon-1")), qint64(-1));
    QCOMPARE(iconClassNumber(QStringLiteral("Icon1")), qint64(-1));
    QCOMPARE(iconClassNumber(QStringLiteral("icon1 x")), qint64(-1));
    QCOMPARE(iconClassNumber(QString()), qint64(-1));
}

void ModelTest::navLabel_isCleanedOneWay_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept"); // empty: refused
    QTest::newRow("blanks around and inside") << "  Shop \t  menu "
                                              << "Shop menu";
    QTest::newRow("line break as a space") << "Main\nmenu"
                                           << "Main menu";
    QTest::newRow("control characters dropped") << QStringLiteral("Sh\x01op\x7f") << "Shop";
    QTest::newRow("C1 control dropped") << QStringLiteral("Sh\u0085op") << "Shop";
    QTest::newRow("letters of any script kept") << "Menü 菜单"
                                                << "Menü 菜单";
    QTest::newRow("blanks only") << "   "
                                 << "";
    QTest::newRow("controls only") << QStringLiteral("\x01\x02\u009f") << "";
}

// The panel and the reader clean a menu name the same way; nothing left is refused.
void ModelTest::navLabel_isCleanedOneWay() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    const std::optional<QString> cleaned = sanitizedNavLabel(typed);
    QCOMPARE(cleaned.value_or(QString()), kept);
    QCOMPARE(cleaned.has_value(), !kept.isEmpty());
}

void ModelTest::className_isACssIdentifier_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("default") << "brindlenav" << true;
    QTest::newRow("dashes, digits, underscores") << "top-nav_2" << true;
    QTest::newRow("leading underscore") << "_nav" << true;
    QTest::newRow("one leading dash") << "-nav" << true;
    QTest::newRow("40 characters") << QString(40, u'n') << true;
    QTest::newRow("41 characters") << QString(41, u'n') << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dash alone") << "-" << false;
    QTest::newRow("two dashes") << "--nav" << false;
    QTest::newRow("digit first") << "2nav" << false;
    QTest::newRow("dash then digit") << "-2nav" << false;
    QTest::newRow("space") << "top nav" << false;
    QTest::newRow("dot") << "top.nav" << false;
    QTest::newRow("quote") << "nav\"x" << false;
    QTest::newRow("brace") << "nav{}" << false;
    QTest::newRow("letter outside ASCII") << "menü" << false;
}

// Classes, ids and selectors are written with the name as it is: anything that would need
// escaping in CSS or HTML is refused.
void ModelTest::className_isACssIdentifier() {
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QCOMPARE(isValidClassName(name), valid);
}

void ModelTest::contrast_followsTheWcagFormula_data() {
    QTest::addColumn<Color>("text");
    QTest::addColumn<Color>("top");      // laid over `below` at `opacity`
    QTest::addColumn<double>("opacity"); // 1: `top` alone
    QTest::addColumn<Color>("below");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QString>("shown");
    const Color white = Color::fromBytes(255, 255, 255);
    QTest::newRow("black on white")
        << Color::fromBytes(0, 0, 0) << white << 1.0 << white << 21.0 << "21.0 : 1";
    // Just below 4.5 : 1, and shown so: never rounded up across the line.
    QTest::newRow("#777 on white")
        << Color::fromBytes(0x77, 0x77, 0x77) << white << 1.0 << white << 4.4781 << "4.4 : 1";
    QTest::newRow("10 % red hover over white")
        << Color::fromBytes(20, 20, 20) << Color::fromBytes(255, 0, 0) << 0.10 << white << 15.4856
        << "15.4 : 1";
    QTest::newRow("50 % black hover over a green stop")
        << Color::fromBytes(62, 72, 0) << Color::fromBytes(0, 0, 0) << 0.5
        << Color::fromBytes(199, 217, 95) << 1.7564 << "1.7 : 1";
}

void ModelTest::contrast_followsTheWcagFormula() {
    QFETCH(Color, text);
    QFETCH(Color, top);
    QFETCH(double, opacity);
    QFETCH(Color, below);
    QFETCH(double, ratio);
    QFETCH(QString, shown);
    const double measured = contrastRatio(text, composite(top, opacity, below));
    QVERIFY2(std::abs(measured - ratio) < 0.001, qPrintable(QString::number(measured)));
    QCOMPARE(contrastRatio(composite(top, opacity, below), text), measured);
    QCOMPARE(contrastText(measured), shown);
}

// Hover text on a translucent hover gradient over the bar's gradient: the worst of every
// hover stop over every normal stop counts; 24 px text needs only 3 : 1.
void ModelTest::readableTextColour_isTheNearestLightnessThatReads_data() {
    QTest::addColumn<QColor>("preferred");
    QTest::addColumn<QList<QColor>>("backgrounds");
    QTest::addColumn<bool>("found");
    QTest::addColumn<bool>("lighter"); // than preferred; ignored when it already reads
    const QColor navy(20, 30, 80), white(Qt::white), black(Qt::black);
    QTest::newRow("reads already: kept")
        << QColor(0, 0, 0) << QList<QColor>{white} << true << false;
    QTest::newRow("dark blue on navy: lighter")
        << QColor(10, 40, 90) << QList<QColor>{navy} << true << true;
    QTest::newRow("pale on white: darker")
        << QColor(200, 220, 240) << QList<QColor>{white} << true << false;
    QTest::newRow("grey on black: lighter")
        << QColor(60, 60, 60) << QList<QColor>{black} << true << true;
    // No text of any lightness reads on both a white and a dark grey stop.
    QTest::newRow("light and dark stops: none")
        << QColor(128, 128, 128) << QList<QColor>{white, QColor(85, 85, 85)} << false << false;
}

void ModelTest::readableTextColour_isTheNearestLightnessThatReads() {
    QFETCH(QColor, preferred);
    QFETCH(QList<QColor>, backgrounds);
    QFETCH(bool, found);
    QFETCH(bool, lighter);
    const auto color = [](const QColor& c) { return Color{c.redF(), c.greenF(), c.blueF(), 1.0}; };
    QList<Color> behind;
    for (const QColor& background : backgrounds)
        behind.append(color(background));
    const std::optional<Color> readable = readableTextColour(color(preferred), behind, 4.5);
    QCOMPARE(readable.has_value(), found);
    if (!found)
        return;
    const QColor shown =
        QColor::fromRgbF(float(readable->red), float(readable->green), float(readable->blue));
    for (const Color& background : behind)
        QVERIFY(contrastRatio(*readable, background) >= 4.5);
    if (contrastRatio(color(preferred), behind.first()) >= 4.5) {
        QCOMPARE(*readable, color(preferred));
        return;
    }
    // The hue stays; the lightness moves only as far as it must: a step less would not read.
    if (preferred.hslSaturationF() > 0.05)
        QVERIFY(std::abs(shown.hslHueF() - preferred.hslHueF()) < 0.02);
    QCOMPARE(shown.lightnessF() > preferred.lightnessF(), lighter);
    const float back = shown.lightnessF() + (lighter ? -0.01f : 0.01f);
    const QColor nearer =
        QColor::fromHslF(std::max(0.0f, shown.hslHueF()), shown.hslSaturationF(), back);
    QVERIFY(contrastRatio(color(nearer), behind.first()) < 4.5);
}

void ModelTest::contrast_findsTheWorstPairOfEachState() {
    GlobalData data;
    data.setMainMenufontColorHover(Color::fromBytes(62, 72, 0));
    data.setStartBackgroundColorHover(Color::fromBytes(0, 0, 0));
    data.setColorTransparencyHover(50);
    const QList<StateContrast> checks = checkContrast(data);
    QCOMPARE(checks.size(), 6);
    const StateContrast& hover = checks.at(1);
    QCOMPARE(hover.level, MenuLevel::Main);
    QCOMPARE(hover.state, MenuState::Hover);
    // Hover start over each of the five enabled normal stops.
    QCOMPARE(hover.pairs.size(), 5);
    QVERIFY(!hover.passes());
    // Darkest: half black over the end stop (109, 128, 0) gives (54.5, 64, 0).
    QVERIFY2(std::abs(hover.worst() - 1.1261) < 0.001, qPrintable(QString::number(hover.worst())));
    QCOMPARE(hover.pairs.first().place,
             QStringLiteral("hover background start over background end"));
    QCOMPARE(hover.required, 4.5);
    data.setMainMenufontSize(24);
    QCOMPARE(checkContrast(data).at(1).required, 3.0);
    // The defaults' sub-menu text reads well on its light gradient.
    QVERIFY(checks.at(3).passes());
}

void ModelTest::graphicContrast_isWhatAQuarterOfItsPixelsReach_data() {
    QTest::addColumn<QList<QRgb>>("pixels"); // 256 pixels, listed in runs of (count, colour)
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("ink"); // invalid: the picture's own colours
    QTest::addColumn<double>("ratio");
    const QRgb black = qRgba(0, 0, 0, 255), white = qRgba(255, 255, 255, 255);
    const QColor onWhite(Qt::white), ownColours;
    QTest::newRow("black on white") << QList<QRgb>(256, black) << onWhite << ownColours << 21.0;
    QTest::newRow("nothing drawn")
        << QList<QRgb>(256, qRgba(0, 0, 0, 0)) << onWhite << ownColours << 21.0;
    // A white square with a black mark on white: a quarter of it is enough, less is not.
    QTest::newRow("a quarter black")
        << QList<QRgb>(64, black) + QList<QRgb>(192, white) << onWhite << ownColours << 21.0;
    QTest::newRow("less than a quarter black")
        << QList<QRgb>(63, black) + QList<QRgb>(193, white) << onWhite << ownColours << 1.0;
    // Pixels below a tenth of opacity draw nothing and do not dilute the rest.
    QTest::newRow("faint pixels left aside")
        << QList<QRgb>(32, black) + QList<QRgb>(224, qRgba(0, 0, 0, 20)) << onWhite << ownColours
        << 21.0;
    QTest::newRow("half transparent black")
        << QList<QRgb>(256, qRgba(0, 0, 0, 128)) << onWhite << ownColours << 4.0041;
    QTest::newRow("grey in black ink")
        << QList<QRgb>(256, qRgba(128, 128, 128, 255)) << onWhite << QColor(Qt::black) << 21.0;
    QTest::newRow("black in white ink on dark grey")
        << QList<QRgb>(256, black) << QColor(0x20, 0x20, 0x20) << QColor(Qt::white) << 16.2933;
}

void ModelTest::graphicContrast_isWhatAQuarterOfItsPixelsReach() {
    QFETCH(QList<QRgb>, pixels);
    QFETCH(QColor, background);
    QFETCH(QColor, ink);
    QFETCH(double, ratio);
    QImage picture(16, 16, QImage::Format_ARGB32);
    for (int i = 0; i < 256; ++i)
        picture.setPixel(i % 16, i / 16, pixels.at(i));
    const auto color = [](const QColor& c) { return Color{c.redF(), c.greenF(), c.blueF(), 1.0}; };
    const std::optional<Color> inked = ink.isValid() ? std::optional(color(ink)) : std::nullopt;
    const double measured = graphicContrast(picture, color(background), inked);
    QVERIFY2(std::abs(measured - ratio) < 0.001, qPrintable(QString::number(measured)));
}

// Icons are drawn on their own level's backgrounds in every state; an icon in the text's
// colour and Modern's arrow take the text's contrast; Classic's arrow is its picture.
void ModelTest::graphicContrast_checksIconsAndTheArrowAgainstTheirLevel() {
    GlobalData data;
    Node* root = data.getMenuRootNode();
    Node* home = root->childAt(0);
    Node* sub = root->childAt(1)->childAt(0);
    // The bar's darkest stop (109, 128, 0) and a white dot.
    QImage olive(8, 8, QImage::Format_ARGB32);
    olive.fill(QColor(109, 128, 0));
    QImage white(8, 8, QImage::Format_ARGB32);
    white.fill(Qt::white);
    for (Node* item : {home, sub}) {
        item->setImageFileName(u"dot.png"_qs);
        item->setImage(item == home ? olive : white);
    }
    QImage arrow(10, 5, QImage::Format_ARGB32);
    arrow.fill(QColor(Qt::black));
    const QList<StateContrast> text = checkContrast(data);
    const auto find = [](const QList<GraphicContrast>& checks, const QString& subject) {
        const auto at = std::find_if(checks.cbegin(), checks.cend(), [&](const GraphicContrast& c) {
            return c.subject == subject;
        });
        return at == checks.cend() ? std::optional<GraphicContrast>() : std::optional(*at);
    };
    QList<GraphicContrast> checks = checkGraphicContrast(data, text, arrow);
    QCOMPARE(checks.size(), 3);
    QVERIFY(checks.first().ratio <= checks.last().ratio);
    const auto homeIcon = find(checks, u"icon of “Home”"_qs);
    QVERIFY(homeIcon);
    QVERIFY(!homeIcon->passes());
    QVERIFY(homeIcon->ratio < 1.001);
    QCOMPARE(homeIcon->level, MenuLevel::Main);
    QCOMPARE(homeIcon->state, MenuState::Normal);
    QCOMPARE(homeIcon->place, u"background end"_qs);
    // White on the light sub-menu gradient.
    const auto subIcon = find(checks, u"icon of “%1”"_qs.arg(sub->name()));
    QVERIFY(subIcon);
    QCOMPARE(subIcon->level, MenuLevel::SubMenu);
    QVERIFY(!subIcon->passes());
    // Black on the bar's gradient reads: 4.8 : 1 and more.
    const auto classicArrow = find(checks, u"drop-down arrow"_qs);
    QVERIFY(classicArrow && classicArrow->passes());

    // Following the text colour counts only where the output follows it: in Modern.
    NodeSvgIcon svg{"<svg/>", u"dot.svg"_qs, true};
    home->setSvgIcon(svg);
    QVERIFY(!find(checkGraphicContrast(data, text, arrow), u"icon of “Home”"_qs)->passes());
    OutputOptions modern;
    modern.style = OutputStyle::Modern;
    data.setOutputOptions(modern);
    checks = checkGraphicContrast(data, text, QImage());
    double barText = 21.0;
    for (const StateContrast& state : text)
        if (state.level == MenuLevel::Main)
            barText = std::min(barText, state.worst());
    QVERIFY(std::abs(find(checks, u"icon of “Home”"_qs)->ratio - barText) < 0.001);
    QVERIFY(std::abs(find(checks, u"drop-down arrow"_qs)->ratio - barText) < 0.001);
    // No sub-menu, no arrow.
    for (int i = 0; i < root->childCount(); ++i)
        root->childAt(i)->clearChildren();
    QVERIFY(!find(checkGraphicContrast(data, text, arrow), u"drop-down arrow"_qs));
}

QTEST_GUILESS_MAIN(ModelTest)
#include "tst_model.moc"
