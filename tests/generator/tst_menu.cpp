#include "tst_menu.h"

#include "TestSupport.h"
#include "generator/CodeBuilders.h"
#include "generator/MenuListChange.h"
#include "generator/TextEscaping.h"
#include "model/SvgCleaner.h"

#include <QTest>

using namespace brindle;

Q_DECLARE_METATYPE(brindle::IconRule)

namespace {

Node* topLevel(GlobalData& data, int index) {
    return data.getMenuRootNode()->childAt(index);
}

void setIcon(Node* node, const QString& file, qint64 width, qint64 height) {
    node->setImageFileName(file);
    node->setImageWidth(width);
    node->setImageHeight(height);
}

void setRetinaIcon(Node* node, const QString& file, qint64 pixelWidth, qint64 pixelHeight) {
    node->setRetinaImageFileName(file);
    node->setRetinaImageWidth(pixelWidth / 2);
    node->setRetinaImageHeight(pixelHeight / 2);
}

const char* const kBaseRules16 = "\n\n.mainmenuicondata {\n\tline-height: 16px;\n\tfloat: left;\n"
                                 "\tpadding-right: 10px;\n}\n"
                                 ".submenuicondata {\n\tline-height: 16px;\n\tfloat: left;\n"
                                 "\tpadding-right: 10px;\n}\n";

QString arrowFor(const char* iconClass) {
    return QStringLiteral("\n.mainmenuicondata.") + QLatin1String(iconClass) +
           QStringLiteral(" {\n\tpadding-right: 18px;\n"
                          "\tbackground: url(\"bottom.png\") no-repeat 0 -4px;\n"
                          "\tbackground-size: 8px 8px;\n\tbackground-position: right center;\n"
                          "\tmin-height: 8px;\n}\n");
}

} // namespace

void MenuTest::markup_defaultMenu() {
    GlobalData data;
    FragmentRegistry registry;
    CodeBuilders builders(data, registry);
    builders.constructMenuStructureCommand();
    QCOMPARE(registry.text(Fragment::menuStructure),
             QStringLiteral("\t<li><a class=\"mainmenuicondata\" href=\"#\">Home</a></li>\n"
                            "\t<li>\n"
                            "\t\t<a class=\"mainmenuicondata icon1\" href=\"#\">Products</a>\n"
                            "\t\t<ul>\n"
                            "\t\t\t<li><a class=\"submenuicondata\" href=\"#\">Tessaly</a></li>\n"
                            "\t\t\t<li><a class=\"submenuicondata\" href=\"#\">Brindle</a></li>\n"
                            "\t\t</ul>\n"
                            "\t</li>\n"
                            "\t<li><a class=\"mainmenuicondata\" href=\"#\">Forums</a></li>\n"));

    // Appending one block for the item at index 1 gives the same block again.
    builders.constructSubMenuStructureCommand(1);
    QVERIFY(registry.text(Fragment::menuStructure)
                .endsWith(QStringLiteral("\t\t</ul>\n\t</li>\n\t<li><a class=\"mainmenuicondata\" "
                                         "href=\"#\">Forums</a></li>\n\t<li>\n\t\t<a class="
                                         "\"mainmenuicondata icon1\" href=\"#\">Products</a>\n"
                                         "\t\t<ul>\n\t\t\t<li><a class=\"submenuicondata\" href="
                                         "\"#\">Tessaly</a></li>\n\t\t\t<li><a class="
                                         "\"submenuicondata\" href=\"#\">Brindle</a></li>\n"
                                         "\t\t</ul>\n\t</li>\n")));
}

void MenuTest::markup_iconsEmptyTitlesAndEmptyTree() {
    GlobalData data;
    setIcon(topLevel(data, 0), QStringLiteral("home.png"), 16, 16);
    setRetinaIcon(topLevel(data, 1)->childAt(0), QStringLiteral("t@2x.png"), 32, 32);
    topLevel(data, 2)->setName(QString());
    topLevel(data, 2)->setLink(QStringLiteral("forums.html"));
    FragmentRegistry registry;
    CodeBuilders builders(data, registry);
    builders.constructMenuStructureCommand();
    QCOMPARE(
        registry.text(Fragment::menuStructure),
        QStringLiteral("\t<li><a class=\"mainmenuicondata icon0\" href=\"#\">Home</a></li>\n"
                       "\t<li>\n"
                       "\t\t<a class=\"mainmenuicondata icon1\" href=\"#\">Products</a>\n"
                       "\t\t<ul>\n"
                       "\t\t\t<li><a class=\"submenuicondata icon2\" href=\"#\">Tessaly</a>"
                       "</li>\n"
                       "\t\t\t<li><a class=\"submenuicondata\" href=\"#\">Brindle</a></li>\n"
                       "\t\t</ul>\n"
                       "\t</li>\n"
                       "\t<li><a class=\"mainmenuicondata\" href=\"forums.html\"></a></li>\n"));

    data.getMenuRootNode()->clearChildren();
    builders.constructMenuStructureCommand();
    QVERIFY(registry.text(Fragment::menuStructure).isEmpty());
}

void MenuTest::markup_escapesTitlesAndLinks_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("expectedLine");

    QTest::newRow("plain") << QStringLiteral("Über uns") << QStringLiteral("about.html")
                           << QStringLiteral("\t<li><a class=\"mainmenuicondata\" "
                                             "href=\"about.html\">Über uns</a></li>\n");
    QTest::newRow("ampersand and angle brackets in the title")
        << QStringLiteral("Fish & <b>Chips</b>") << QString()
        << QStringLiteral("\t<li><a class=\"mainmenuicondata\" href=\"#\">Fish &amp; "
                          "&lt;b&gt;Chips&lt;/b&gt;</a></li>\n");
    QTest::newRow("quotes stay in the title, not in the link")
        << QStringLiteral("Say \"hi\"") << QStringLiteral("q.php?a=1&b=\"2\"><script>")
        << QStringLiteral("\t<li><a class=\"mainmenuicondata\" href=\"q.php?a=1&amp;b=&quot;2"
                          "&quot;&gt;&lt;script&gt;\">Say \"hi\"</a></li>\n");
}

void MenuTest::markup_escapesTitlesAndLinks() {
    QFETCH(QString, title);
    QFETCH(QString, link);
    QFETCH(QString, expectedLine);
    GlobalData data;
    Node* root = data.getMenuRootNode();
    root->clearChildren();
    auto item = Node::make(title, QStringLiteral("icon0"), root);
    item->setLink(link);
    data.addMenuRootNodeChild(std::move(item));
    FragmentRegistry registry;
    CodeBuilders builders(data, registry);
    builders.constructMenuStructureCommand();
    QCOMPARE(registry.text(Fragment::menuStructure), expectedLine);
}

void MenuTest::iconRule_data() {
    QTest::addColumn<IconRule>("rule");
    QTest::addColumn<QString>("expected");

    IconRule rule;
    rule.fileName = QStringLiteral("home.png");
    rule.iconID = QStringLiteral("icon0");
    rule.paddingRight = 4;
    rule.iconWidth = 16;
    rule.iconHeight = 16;
    rule.isMainMenu = true;
    QTest::newRow("no children, normal")
        << rule
        << QStringLiteral("\n.mainmenuicondata.icon0 {\n"
                          "\tpadding-left: 40px;\n"
                          "\tbackground: url(\"home.png\") no-repeat 0 -4px;\n"
                          "\tbackground-size: 16px 16px;\n"
                          "\tbackground-position: 20px 10px;\n"
                          "\tmin-height: 16px;\n"
                          "}\n");

    IconRule retina = rule;
    retina.fileName = QStringLiteral("home@2x.png");
    retina.isRetina = true;
    QTest::newRow("no children, double resolution")
        << retina
        << QStringLiteral("\n@media only screen and (-webkit-min-device-pixel-ratio: 2) {\n"
                          "\t.icon0.mainmenuicondata {\n"
                          "\t\tpadding-left: 40px;\n"
                          "\t\tbackground: url(\"home@2x.png\") no-repeat 0 -4px;\n"
                          "\t\tbackground-size: 16px 16px;\n"
                          "\t\tbackground-position: 20px 10px;\n"
                          "\t\tmin-height: 16px;\n"
                          "\t}\n"
                          "}\n");

    IconRule withChildren = rule;
    withChildren.iconID = QStringLiteral("icon1");
    withChildren.fileName = QStringLiteral("box.png");
    withChildren.paddingRight = 0;
    withChildren.iconWidth = 24;
    withChildren.iconHeight = 12;
    withChildren.childCount = 2;
    QTest::newRow("children, normal")
        << withChildren
        << QStringLiteral("\n.mainmenuicondata.icon1 {\n"
                          "\tpadding-left: 44px;\n"
                          "\tpadding-right: 18px;\n"
                          "\tbackground: url(\"box.png\") no-repeat 0 -4px, url(\"bottom.png\") "
                          "no-repeat 0 -4px;\n"
                          "\tbackground-size: 24px 12px, 8px 8px;\n"
                          "\tbackground-position: 20px 10px, right center;\n"
                          "\tmin-height: 12px;\n"
                          "}\n");

    IconRule retinaWithChildren = withChildren;
    retinaWithChildren.isRetina = true;
    retinaWithChildren.isMainMenu = false;
    retinaWithChildren.childCount = 1;
    QTest::newRow("children, double resolution: one-tab padding-right")
        << retinaWithChildren
        << QStringLiteral("\n@media only screen and (-webkit-min-device-pixel-ratio: 2) {\n"
                          "\t.icon1.submenuicondata {\n"
                          "\t\tpadding-left: 44px;\n"
                          "\tpadding-right: 18px;\n"
                          "\t\tbackground: url(\"box.png\") no-repeat 0 -4px, url(\"bottom.png\") "
                          "no-repeat 0 -4px;\n"
                          "\t\tbackground-size: 24px 12px, 8px 8px;\n"
                          "\t\tbackground-position: 20px 10px, right center;\n"
                          "\t\tmin-height: 12px;\n"
                          "\t}\n"
                          "}\n");

    IconRule awkwardName = rule;
    awkwardName.isMainMenu = false;
    awkwardName.fileName = QStringLiteral("my \"best\" \\icon.png");
    QTest::newRow("file name escaped inside url(\"…\")")
        << awkwardName
        << QStringLiteral("\n.submenuicondata.icon0 {\n"
                          "\tpadding-left: 40px;\n"
                          "\tbackground: url(\"my \\\"best\\\" \\\\icon.png\") no-repeat 0 -4px;\n"
                          "\tbackground-size: 16px 16px;\n"
                          "\tbackground-position: 20px 10px;\n"
                          "\tmin-height: 16px;\n"
                          "}\n");
    // A URL would end its path at # or ?, and read % as an escape.
    IconRule urlName = awkwardName;
    urlName.fileName = QStringLiteral("50% a#b?.png");
    QTest::newRow("file name percent-encoded where a URL reads it otherwise")
        << urlName
        << QStringLiteral("\n.submenuicondata.icon0 {\n"
                          "\tpadding-left: 40px;\n"
                          "\tbackground: url(\"50%25 a%23b%3F.png\") no-repeat 0 -4px;\n"
                          "\tbackground-size: 16px 16px;\n"
                          "\tbackground-position: 20px 10px;\n"
                          "\tmin-height: 16px;\n"
                          "}\n");
}

void MenuTest::iconRule() {
    QFETCH(IconRule, rule);
    QFETCH(QString, expected);
    GlobalData data;
    FragmentRegistry registry;
    registry.setText(Fragment::menuIcon, QStringLiteral("before"));
    CodeBuilders builders(data, registry);
    builders.constructMenuIconCommand(rule);
    QCOMPARE(registry.text(Fragment::menuIcon), QStringLiteral("before") + expected);
}

void MenuTest::arrowRule_onlyWhereThePageOpensAList() {
    GlobalData data;
    // A sub-item that has items of its own: a Classic page shows two levels, so no arrow.
    Node* subItem = topLevel(data, 1)->childAt(1);
    subItem->appendChild(Node::make(QStringLiteral("Deep"), QStringLiteral("icon9"), subItem));
    FragmentRegistry registry;
    CodeBuilders builders(data, registry);
    builders.constructMenuIconCommand();
    QCOMPARE(registry.text(Fragment::menuIcon),
             QString::fromLatin1(kBaseRules16) + arrowFor("icon1"));
    // A Modern page opens its list: room for the button on the sub-item's own link class.
    OutputOptions modern;
    modern.style = OutputStyle::Modern;
    data.setOutputOptions(modern);
    builders.constructMenuIconCommand();
    const QString rules = registry.text(Fragment::menuIcon);
    QVERIFY(rules.contains(u"\n.brindlenav-nav .brindlenav-sublink.brindlenav-icon3 {\n"
                           "\tpadding-inline-end: 18px;\n}\n"));
    QVERIFY(rules.contains(u"\n.brindlenav-nav .brindlenav-link.brindlenav-icon1 {\n"
                           "\tpadding-inline-end: 18px;\n}\n"));
    QVERIFY(!rules.contains(u"icon9 {"));
}

void MenuTest::menuIcon_rulesInTreeOrder() {
    GlobalData data;
    Node* products = topLevel(data, 1);
    setIcon(products, QStringLiteral("p.png"), 16, 16);
    setRetinaIcon(products, QStringLiteral("p@2x.png"), 32, 32);
    setRetinaIcon(products->childAt(0), QStringLiteral("t@2x.png"), 20, 20);
    setIcon(products->childAt(1), QStringLiteral("b.png"), 8, 8);
    setIcon(topLevel(data, 2), QStringLiteral("f.png"), 10, 10);
    FragmentRegistry registry;
    CodeBuilders builders(data, registry);
    builders.constructMenuIconCommand();
    const QString expected =
        QString::fromLatin1(kBaseRules16) +
        // Products' sub-items first, then Products (normal, then double resolution), then
        // Forums; Home has neither icon nor children.
        QStringLiteral("\n@media only screen and (-webkit-min-device-pixel-ratio: 2) {\n"
                       "\t.icon2.submenuicondata {\n"
                       "\t\tpadding-left: 30px;\n"
                       "\t\tbackground: url(\"t@2x.png\") no-repeat 0 -4px;\n"
                       "\t\tbackground-size: 10px 10px;\n"
                       "\t\tbackground-position: 20px 10px;\n"
                       "\t\tmin-height: 10px;\n"
                       "\t}\n"
                       "}\n"
                       "\n.submenuicondata.icon3 {\n"
                       "\tpadding-left: 28px;\n"
                       "\tbackground: url(\"b.png\") no-repeat 0 -4px;\n"
                       "\tbackground-size: 8px 8px;\n"
                       "\tbackground-position: 20px 10px;\n"
                       "\tmin-height: 8px;\n"
                       "}\n"
                       "\n.mainmenuicondata.icon1 {\n"
                       "\tpadding-left: 36px;\n"
                       "\tpadding-right: 18px;\n"
                       "\tbackground: url(\"p.png\") no-repeat 0 -4px, url(\"bottom.png\") "
                       "no-repeat 0 -4px;\n"
                       "\tbackground-size: 16px 16px, 8px 8px;\n"
                       "\tbackground-position: 20px 10px, right center;\n"
                       "\tmin-height: 16px;\n"
                       "}\n"
                       "\n@media only screen and (-webkit-min-device-pixel-ratio: 2) {\n"
                       "\t.icon1.mainmenuicondata {\n"
                       "\t\tpadding-left: 36px;\n"
                       "\tpadding-right: 18px;\n"
                       "\t\tbackground: url(\"p@2x.png\") no-repeat 0 -4px, url(\"bottom.png\") "
                       "no-repeat 0 -4px;\n"
                       "\t\tbackground-size: 16px 16px, 8px 8px;\n"
                       "\t\tbackground-position: 20px 10px, right center;\n"
                       "\t\tmin-height: 16px;\n"
                       "\t}\n"
                       "}\n"
                       "\n.mainmenuicondata.icon4 {\n"
                       "\tpadding-left: 30px;\n"
                       "\tbackground: url(\"f.png\") no-repeat 0 -4px;\n"
                       "\tbackground-size: 10px 10px;\n"
                       "\tbackground-position: 20px 10px;\n"
                       "\tmin-height: 10px;\n"
                       "}\n");
    QCOMPARE(registry.text(Fragment::menuIcon), expected);
}

void MenuTest::menuIcon_emptyTreeHasBaseRulesOnly() {
    GlobalData data;
    data.getMenuRootNode()->clearChildren();
    FragmentRegistry registry;
    CodeBuilders builders(data, registry);
    builders.constructMenuIconCommand();
    QCOMPARE(registry.text(Fragment::menuIcon), QString::fromLatin1(kBaseRules16));
}

void MenuTest::lineHeights_data() {
    QTest::addColumn<int>("topIndex");
    QTest::addColumn<int>("subIndex"); // -1: the top-level item itself
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("retinaPixelHeight");
    QTest::addColumn<bool>("clearFileNames");
    QTest::addColumn<qint64>("mainHeight");
    QTest::addColumn<qint64>("subHeight");

    QTest::newRow("no icons") << 0 << -1 << 0 << 0 << false << qint64(16) << qint64(16);
    QTest::newRow("40-pixel sub-item icon")
        << 1 << 0 << 40 << 0 << false << qint64(16) << qint64(40);
    QTest::newRow("48x48 double-resolution top-level icon")
        << 2 << -1 << 0 << 48 << false << qint64(24) << qint64(16);
    QTest::newRow("48x48 double-resolution sub-item icon")
        << 1 << 1 << 0 << 48 << false << qint64(16) << qint64(24);
    QTest::newRow("small icons never lower 16")
        << 0 << -1 << 10 << 20 << false << qint64(16) << qint64(16);
    QTest::newRow("size of a cleared icon still counts")
        << 0 << -1 << 30 << 0 << true << qint64(30) << qint64(16);
}

void MenuTest::lineHeights() {
    QFETCH(int, topIndex);
    QFETCH(int, subIndex);
    QFETCH(int, height);
    QFETCH(int, retinaPixelHeight);
    QFETCH(bool, clearFileNames);
    QFETCH(qint64, mainHeight);
    QFETCH(qint64, subHeight);

    GlobalData data;
    Node* node = topLevel(data, topIndex);
    if (subIndex >= 0)
        node = node->childAt(subIndex);
    if (height > 0)
        setIcon(node, QStringLiteral("i.png"), height, height);
    if (retinaPixelHeight > 0)
        setRetinaIcon(node, QStringLiteral("i@2x.png"), retinaPixelHeight, retinaPixelHeight);
    if (clearFileNames) {
        node->setImageFileName(QString());
        node->setRetinaImageFileName(QString());
    }

    FragmentRegistry registry;
    CodeBuilders builders(data, registry);
    QCOMPARE(builders.currentMainMenuLineHeight(), qint64(-1));
    builders.constructMenuIconCommand();
    builders.constructSubMenuTopCommand();
    builders.constructSubMenuItemHeightCommand();
    QCOMPARE(builders.currentMainMenuLineHeight(), mainHeight);
    QCOMPARE(builders.currentSubMenuLineHeight(), subHeight);
    QCOMPARE(registry.text(Fragment::subMenuTop),
             QStringLiteral("\ttop: %1px;\n").arg(mainHeight + 20));
    QCOMPARE(registry.text(Fragment::subMenuItemHeight),
             QStringLiteral("\theight: %1px;\n").arg(subHeight));
    QVERIFY(
        registry.text(Fragment::menuIcon)
            .startsWith(
                QStringLiteral("\n\n.mainmenuicondata {\n\tline-height: %1px;\n").arg(mainHeight)));
    QVERIFY(
        registry.text(Fragment::menuIcon)
            .contains(
                QStringLiteral("}\n.submenuicondata {\n\tline-height: %1px;\n").arg(subHeight)));
}

void MenuTest::lineHeights_topAndHeightReuseTheLastIconBuild() {
    GlobalData data;
    FragmentRegistry registry;
    CodeBuilders builders(data, registry);
    // Not computed yet: the top declaration computes them itself.
    builders.constructSubMenuTopCommand();
    QCOMPARE(registry.text(Fragment::subMenuTop), QStringLiteral("\ttop: 36px;\n"));

    setIcon(topLevel(data, 0), QStringLiteral("big.png"), 50, 50);
    builders.constructSubMenuTopCommand();
    QCOMPARE(registry.text(Fragment::subMenuTop), QStringLiteral("\ttop: 36px;\n"));
    builders.constructMenuIconCommand();
    builders.constructSubMenuTopCommand();
    QCOMPARE(registry.text(Fragment::subMenuTop), QStringLiteral("\ttop: 70px;\n"));

    builders.resetLineHeights();
    QCOMPARE(builders.currentSubMenuLineHeight(), qint64(-1));
    builders.constructSubMenuItemHeightCommand();
    QCOMPARE(registry.text(Fragment::subMenuItemHeight), QStringLiteral("\theight: 16px;\n"));
    QCOMPARE(builders.currentMainMenuLineHeight(), qint64(50));
}

void MenuTest::svgIcon_eachStyle_data() {
    QTest::addColumn<OutputStyle>("style");
    QTest::addColumn<bool>("follows");
    QTest::addColumn<QString>("link");  // Home's line
    QTest::addColumn<QString>("rules"); // Home's icon rules
    const QString picture = QStringLiteral("\n.mainmenuicondata.icon0 {\n\tpadding-left: 38px;\n"
                                           "\tbackground: url(\"home.png\") no-repeat 0 -4px;\n"
                                           "\tbackground-size: 16px 12px;\n"
                                           "\tbackground-position: 20px 10px;\n"
                                           "\tmin-height: 12px;\n}\n");
    const QString retina =
        QStringLiteral("\n@media only screen and (-webkit-min-device-pixel-ratio: 2) {\n"
                       "\t.icon0.mainmenuicondata {\n\t\tpadding-left: 38px;\n"
                       "\t\tbackground: url(\"home@2x.png\") no-repeat 0 -4px;\n"
                       "\t\tbackground-size: 16px 12px;\n"
                       "\t\tbackground-position: 20px 10px;\n\t\tmin-height: 12px;\n\t}\n}\n");
    const QString classicLink =
        QStringLiteral("\t<li><a class=\"mainmenuicondata icon0\" href=\"#\">Home</a></li>\n");
    // Classic pages keep their shape: the two pictures, whether it follows the colour or not.
    QTest::newRow("Classic") << OutputStyle::Classic << false << classicLink << picture + retina;
    QTest::newRow("Classic, following")
        << OutputStyle::Classic << true << classicLink << picture + retina;
    const QString modernLink = QStringLiteral("\t<li><a class=\"brindlenav-link brindlenav-icon0\" "
                                              "href=\"#\"><bdi>Home</bdi></a></li>\n");
    QTest::newRow("Modern, a file beside the page")
        << OutputStyle::Modern << false << modernLink
        << QStringLiteral("\n.brindlenav-nav .brindlenav-link.brindlenav-icon0 {\n"
                          "\tpadding-inline-start: 38px;\n"
                          "\tbackground: url(\"home.svg\") no-repeat 0 -4px;\n"
                          "\tbackground-size: 16px 12px;\n\tbackground-position: 20px center;\n"
                          "\tmin-height: 12px;\n}\n"
                          // A right-to-left menu, from a page above it or its own <nav>,
                          // draws the picture 20px from the right.
                          "[dir=\"rtl\"] .brindlenav-nav:not([dir=\"ltr\"]) "
                          ".brindlenav-link.brindlenav-icon0,\n"
                          ".brindlenav-nav[dir=\"rtl\"] .brindlenav-link.brindlenav-icon0 {\n"
                          "\tbackground-position: right 20px center;\n}\n");
    QTest::newRow("Modern, inside the link")
        << OutputStyle::Modern << true
        << QStringLiteral("\t<li><a class=\"brindlenav-link brindlenav-icon0\" href=\"#\">"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 4 3\" "
                          "width=\"16\" height=\"12\" aria-hidden=\"true\" "
                          "style=\"fill:currentColor\"><defs><path id=\"brindlenav-icon0-p\" "
                          "d=\"M0 0h4v3z\"/></defs><use href=\"#brindlenav-icon0-p\" "
                          "style=\"stroke:currentColor\"/></svg><bdi>Home</bdi></a></li>\n")
        << QStringLiteral(
               "\n.brindlenav-nav .brindlenav-link.brindlenav-icon0 {\n"
               "\tpadding-inline-start: 38px;\n\tposition: relative;\n"
               "\tmin-height: 12px;\n}\n"
               ".brindlenav-nav .brindlenav-link.brindlenav-icon0 > svg {\n"
               "\tposition: absolute;\n\tinset-inline-start: 20px;\n\ttop: calc(50% - 6px);\n"
               "\twidth: 16px;\n"
               "\theight: 12px;\n\toverflow: hidden;\n}\n");
}

void MenuTest::svgIcon_eachStyle() {
    QFETCH(OutputStyle, style);
    QFETCH(bool, follows);
    QFETCH(QString, link);
    QFETCH(QString, rules);
    GlobalData data;
    OutputOptions options;
    options.style = style;
    data.setOutputOptions(options);
    Node* home = topLevel(data, 0);
    home->setIconID(QStringLiteral("icon0"));
    home->setPaddingRight(2);
    setIcon(home, QStringLiteral("home.png"), 16, 12);
    setRetinaIcon(home, QStringLiteral("home@2x.png"), 32, 24);
    const auto clean = cleanSvgIcon("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 4 3\">"
                                    "<title>Home</title><defs><path id=\"p\" d=\"M0 0h4v3z\"/>"
                                    "</defs><use href=\"#p\" stroke=\"#000\"/></svg>");
    home->setSvgIcon({std::get<CleanSvg>(clean).text, QStringLiteral("home.svg"), follows});
    FragmentRegistry registry;
    CodeBuilders builders(data, registry);
    builders.constructMenuStructureCommand();
    QCOMPARE(registry.text(Fragment::menuStructure).section(QLatin1Char('\n'), 0, 0) + '\n', link);
    builders.constructMenuIconCommand();
    // Home's rules come after those of Products' items and Products, and before Forums'.
    const QString icons = registry.text(Fragment::menuIcon);
    QVERIFY2(icons.contains(rules), qPrintable(icons));
    QCOMPARE(icons.count(QLatin1String("icon0")), rules.count(QLatin1String("icon0")));
}

namespace {

// A list content as the menu writes it: each item on a line of its own after one tab.
QString listOf(const QStringList& titles) {
    QString content;
    for (const QString& title : titles)
        content += QStringLiteral("\n\t<li>") + title + QStringLiteral("</li>");
    return content + u'\n';
}

// "=2" an old item that stays, ">2" one that moves here, "+X" new markup "<li>X</li>".
QString describe(const std::optional<ListChange>& change) {
    if (!change)
        return QStringLiteral("none");
    QStringList steps;
    for (const ListStep& step : change->steps) {
        switch (step.kind) {
        case ListStep::Kind::Stays:
            steps << u'=' + QString::number(step.oldIndex);
            break;
        case ListStep::Kind::Moves:
            steps << u'>' + QString::number(step.oldIndex);
            break;
        case ListStep::Kind::New:
            steps << u'+' + step.markup;
            break;
        }
    }
    return QString::number(change->itemsBefore) + u':' + steps.join(u' ');
}

} // namespace

void MenuTest::listChange_movesAndRewritesOnlyWhatChanged_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("steps");
    const auto row = [](const char* name, const QStringList& shown, const QStringList& now,
                        const char* steps) {
        QTest::newRow(name) << listOf(shown) << listOf(now) << QString::fromUtf8(steps);
    };
    row("rename", {"A", "B", "C"}, {"A", "X", "C"}, "3:=0 +<li>X</li> =2");
    row("added at the end", {"A", "B"}, {"A", "B", "C"}, "2:=0 =1 +<li>C</li>");
    row("removed", {"A", "B", "C"}, {"A", "C"}, "3:=0 =2");
    row("first moved to the end", {"A", "B", "C", "D"}, {"B", "C", "D", "A"}, "4:=1 =2 =3 >0");
    row("last moved to the front", {"A", "B", "C", "D"}, {"D", "A", "B", "C"}, "4:>3 =0 =1 =2");
    row("reversed: all but one move", {"A", "B", "C"}, {"C", "B", "A"}, "3:>2 >1 =0");
    row("equal items matched in order", {"A", "A", "B"}, {"A", "B", "A"}, "3:=0 >2 =1");
    row("renamed and moved", {"A", "B", "C"}, {"X", "A", "B"}, "3:+<li>X</li> =0 =1");
    // A sub-item is part of its owner's item: its line has two tabs.
    QTest::newRow("sub-item renamed")
        << QStringLiteral(
               "\n\t<li>A\n\t\t<ul>\n\t\t\t<li>a</li>\n\t\t</ul>\n\t</li>\n\t<li>B</li>\n")
        << QStringLiteral(
               "\n\t<li>A\n\t\t<ul>\n\t\t\t<li>b</li>\n\t\t</ul>\n\t</li>\n\t<li>B</li>\n")
        << QStringLiteral("2:+<li>A\n\t\t<ul>\n\t\t\t<li>b</li>\n\t\t</ul>\n\t</li> =1");
    // The page could not be told where the items go: it is given the whole list.
    row("no items before", {}, {"A"}, "none");
    row("no items after", {"A"}, {}, "none");
    QTest::newRow("a blank line between items")
        << QStringLiteral("\n\t<li>A</li>\n\n\t<li>B</li>\n") << listOf({"B", "A"})
        << QStringLiteral("none");
    QTest::newRow("text after the last item")
        << listOf({"A"}) << QStringLiteral("\n\t<li>A</li>\n\t<!-- x -->\n")
        << QStringLiteral("none");
}

// What the preview is sent for a menu edit: the old items that stay, the fewest moves, and
// markup only for items that changed.
void MenuTest::listChange_movesAndRewritesOnlyWhatChanged() {
    QFETCH(QString, shown);
    QFETCH(QString, now);
    QFETCH(QString, steps);
    QCOMPARE(describe(menuListChange(shown, now)), steps);
}
