#include "tst_documents.h"

#include "MenuText.h"
#include "TestSupport.h"
#include "generator/CodeDocuments.h"
#include "generator/Declarations.h"
#include "model/Node.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <functional>

Q_DECLARE_METATYPE(brindle::MenuDirection)
Q_DECLARE_METATYPE(brindle::CurrentPageLook)

using namespace brindle;
using namespace Qt::StringLiterals;
using testing::applySettings;
using testing::readTestData;

namespace {

Fragment fragmentAt(int i) {
    return static_cast<Fragment>(i);
}

// Every fragment's text stands at its recorded position in its document.
void verifyRegistry(const CodeDocuments& documents) {
    for (int i = 0; i < kFragmentCount; ++i) {
        const Fragment f = fragmentAt(i);
        const QString& text = isStylesheetFragment(f) ? documents.cssText() : documents.htmlText();
        const qint64 index = documents.fragmentIndex(f);
        QVERIFY2(index >= 0, qPrintable(fragmentName(f)));
        QVERIFY2(text.mid(index, documents.fragmentText(f).size()) == documents.fragmentText(f),
                 qPrintable(fragmentName(f)));
    }
    // Document order: each stylesheet fragment starts no earlier than the previous one ends.
    for (int i = 1; i < kStylesheetFragmentCount; ++i) {
        const Fragment before = fragmentAt(i - 1);
        QVERIFY2(documents.fragmentIndex(fragmentAt(i)) >=
                     documents.fragmentIndex(before) + documents.fragmentText(before).size(),
                 qPrintable(fragmentName(fragmentAt(i))));
    }
}

std::array<qint64, kFragmentCount> allIndexes(const CodeDocuments& documents) {
    std::array<qint64, kFragmentCount> indexes{};
    for (int i = 0; i < kFragmentCount; ++i)
        indexes[static_cast<std::size_t>(i)] = documents.fragmentIndex(fragmentAt(i));
    return indexes;
}

void buildBoth(CodeDocuments& documents) {
    documents.insertHTML5Code();
    documents.insertCSS3Code();
}

} // namespace

void DocumentsTest::fragmentNames_inDocumentOrder() {
    QCOMPARE(kStylesheetFragmentCount, 29);
    QCOMPARE(fragmentName(Fragment::width), QStringLiteral("width"));
    QCOMPARE(fragmentName(Fragment::borderRadius), QStringLiteral("borderRadius"));
    QCOMPARE(fragmentName(Fragment::subMenuItemHeight), QStringLiteral("subMenuItemHeight"));
    QCOMPARE(fragmentName(Fragment::menuIcon), QStringLiteral("menuIcon"));
    QCOMPARE(fragmentName(Fragment::menuStructure), QStringLiteral("menuStructure"));
    QCOMPARE(static_cast<int>(Fragment::menuIcon), 28);
    for (int i = 0; i < kFragmentCount; ++i)
        QCOMPARE(fragmentOfName(fragmentName(fragmentAt(i))), std::optional(fragmentAt(i)));
    QCOMPARE(fragmentOfName(u"BorderRadius"), std::nullopt);
}

void DocumentsTest::defaultStylesheet_matchesHandWrittenFile() {
    GlobalData data;
    CodeDocuments documents(data);
    buildBoth(documents);
    const QString expected = readTestData(QStringLiteral("default.css"));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(documents.cssText(), expected);
    QCOMPARE(documents.currentMainMenuLineHeight(), qint64(16));
    QCOMPARE(documents.currentSubMenuLineHeight(), qint64(16));
}

void DocumentsTest::defaultPage_matchesHandWrittenFile() {
    GlobalData data;
    CodeDocuments documents(data);
    buildBoth(documents);
    const QString expected = readTestData(QStringLiteral("default.html"));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(documents.htmlText(), expected);
    QCOMPARE(documents.htmlText().count(QLatin1Char('\n')), 22);
    // The page fragment begins at the tab that opens its first line.
    const qint64 index = documents.fragmentIndex(Fragment::menuStructure);
    QCOMPARE(documents.htmlText().left(index).count(QLatin1Char('\n')), 10);
    QCOMPARE(documents.htmlText().at(index), QLatin1Char('\t'));
}

void DocumentsTest::build_everyFragmentSitsAtItsIndex() {
    GlobalData data;
    CodeDocuments documents(data);
    buildBoth(documents);
    verifyRegistry(documents);
    QCOMPARE(documents.fragmentIndex(Fragment::width),
             qint64(QStringLiteral(".brindlenav {\n").size()));
    QVERIFY(documents.cssText().endsWith(documents.fragmentText(Fragment::menuIcon)));

    // Building again starts from scratch rather than appending.
    const QString css = documents.cssText();
    const QString html = documents.htmlText();
    buildBoth(documents);
    QCOMPARE(documents.cssText(), css);
    QCOMPARE(documents.htmlText(), html);
    verifyRegistry(documents);
}

void DocumentsTest::emptyMenu_pageFragmentIsEmpty() {
    GlobalData data;
    data.getMenuRootNode()->clearChildren();
    CodeDocuments documents(data);
    buildBoth(documents);
    const QString head = QStringLiteral("<ul class=\"brindlenav\">\n");
    const qint64 index = documents.fragmentIndex(Fragment::menuStructure);
    QVERIFY(documents.fragmentText(Fragment::menuStructure).isEmpty());
    QCOMPARE(documents.htmlText().mid(index - head.size(), head.size()), head);
    QCOMPARE(documents.htmlText().mid(index), QStringLiteral("</ul>\n</body>\n</html>\n"));
    verifyRegistry(documents);
}

void DocumentsTest::splice_matchesFreshBuild_data() {
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<QList<Fragment>>("fragments");
    QTest::addColumn<bool>("modern");

    QTest::newRow("gradient at the start of a run")
        << QVariantMap{{"enableSecondQuarterBackgroundColor", false},
                       {"enableEndBackgroundColor", false}}
        << QList<Fragment>{Fragment::backgroundColor} << false;
    QTest::newRow("gradient collapses to a plain colour")
        << QVariantMap{{"enableFirstQuarterBackgroundColor", false},
                       {"enableSecondQuarterBackgroundColor", false},
                       {"enableThirdQuarterBackgroundColor", false},
                       {"enableEndBackgroundColor", false}}
        << QList<Fragment>{Fragment::backgroundColor} << false;
    QTest::newRow("border size: two fragments")
        << QVariantMap{{"borderSize", 12345}}
        << QList<Fragment>{Fragment::borderSizeColor, Fragment::borderLeftRightSizeColor} << false;
    QTest::newRow("separator off empties its fragment")
        << QVariantMap{{"showSeparator", false}}
        << QList<Fragment>{Fragment::borderLeftRightSizeColor} << false;
    QTest::newRow("font family run")
        << QVariantMap{{"mainMenufontFamily", "Georgia, serif"}, {"mainMenufontSize", 9}}
        << QList<Fragment>{Fragment::mainMenuFontFamily, Fragment::mainMenuFontSize} << false;
    QTest::newRow("sub-menu run and the last fragment")
        << QVariantMap{{"subMenuEnableFirstQuarterBackgroundColor", true},
                       {"subMenuBorderRadius", 100},
                       {"subMenuWidth", 7}}
        << QList<Fragment>{Fragment::subMenuBackgroundColor, Fragment::subMenuBorderRadius,
                           Fragment::subMenuItemFirstChild, Fragment::subMenuItemLastChild,
                           Fragment::subMenuWidth}
        << false;
    QTest::newRow("shadows") << QVariantMap{{"dropShadowOpacity", 0.0},
                                            {"mainMenuTextShadow2XPos", -1000}}
                             << QList<Fragment>{Fragment::dropAndInnerShadow,
                                                Fragment::mainMenuTextShadow}
                             << false;
    // The same splices in the Modern frame, where every fragment has its standard form only.
    QTest::newRow("modern: gradients")
        << QVariantMap{{"enableSecondQuarterBackgroundColor", false},
                       {"subMenuEnableFirstQuarterBackgroundColor", true}}
        << QList<Fragment>{Fragment::backgroundColor, Fragment::subMenuBackgroundColor} << true;
    QTest::newRow("modern: separator off, radii, shadows")
        << QVariantMap{{"showSeparator", false},
                       {"borderRadius", 3},
                       {"subMenuBorderRadius", 100},
                       {"dropShadowOpacity", 0.0}}
        << QList<Fragment>{Fragment::borderLeftRightSizeColor, Fragment::borderRadius,
                           Fragment::subMenuBorderRadius, Fragment::subMenuItemLastChild,
                           Fragment::dropAndInnerShadow}
        << true;
}

void DocumentsTest::splice_matchesFreshBuild() {
    QFETCH(QVariantMap, settings);
    QFETCH(QList<Fragment>, fragments);
    QFETCH(bool, modern);

    GlobalData data;
    if (modern)
        data.setOutputOptions({OutputStyle::Modern, QStringLiteral("Main"), 640});
    CodeDocuments documents(data);
    buildBoth(documents);
    applySettings(data, settings);
    for (Fragment f : fragments)
        documents.spliceFragment(f);
    verifyRegistry(documents);

    CodeDocuments fresh(data);
    buildBoth(fresh);
    QCOMPARE(documents.cssText(), fresh.cssText());
    for (int i = 0; i < kFragmentCount; ++i)
        QCOMPARE(documents.fragmentIndex(fragmentAt(i)), fresh.fragmentIndex(fragmentAt(i)));
}

void DocumentsTest::splice_fiveLongerMovesExactlyTheLaterFragments() {
    GlobalData data;
    CodeDocuments documents(data);
    buildBoth(documents);
    const auto before = allIndexes(documents);

    data.setMainMenufontFamily(data.mainMenufontFamily() + QStringLiteral(",Abcd"));
    documents.spliceFragment(Fragment::mainMenuFontFamily);
    const auto after = allIndexes(documents);
    const int spliced = static_cast<int>(Fragment::mainMenuFontFamily);
    for (int i = 0; i < kFragmentCount; ++i) {
        const qint64 expectedShift = (i > spliced && i < kStylesheetFragmentCount) ? 5 : 0;
        QCOMPARE(after[static_cast<std::size_t>(i)],
                 before[static_cast<std::size_t>(i)] + expectedShift);
    }
    verifyRegistry(documents);
}

void DocumentsTest::splice_equalLengthMovesNothing() {
    GlobalData data;
    CodeDocuments documents(data);
    buildBoth(documents);
    const auto before = allIndexes(documents);
    data.setBorderColor(Color::fromBytes(1, 2, 3));
    data.setWidth(555);
    documents.spliceFragment(Fragment::borderSizeColor);
    documents.spliceFragment(Fragment::width);
    QCOMPARE(allIndexes(documents), before);
    QVERIFY(documents.cssText().contains(QStringLiteral("\tborder: 1px solid #010203;\n")));
    QVERIFY(documents.cssText().startsWith(QStringLiteral(".brindlenav {\n\twidth: 555%;\n")));
    verifyRegistry(documents);
}

void DocumentsTest::splice_outsideBmpKeepsPositions() {
    GlobalData data;
    // Characters outside the basic plane count two code units each.
    data.getMenuRootNode()->childAt(0)->setName(QStringLiteral("Home \U0001F3E0"));
    data.setMainMenufontFamily(QStringLiteral("\"\U0001D4D5ancy\", serif"));
    CodeDocuments documents(data);
    buildBoth(documents);
    verifyRegistry(documents);

    data.setMainMenufontFamily(QStringLiteral("\"\U0001D4D5\U0001D4D5\", serif"));
    documents.spliceFragment(Fragment::mainMenuFontFamily);
    data.setMainMenufontSize(100);
    documents.spliceFragment(Fragment::mainMenuFontSize);
    data.getMenuRootNode()->childAt(2)->setName(QStringLiteral("\U0001F4AC Forums"));
    documents.spliceFragment(Fragment::menuStructure);
    verifyRegistry(documents);

    CodeDocuments fresh(data);
    buildBoth(fresh);
    QCOMPARE(documents.cssText(), fresh.cssText());
    QCOMPARE(documents.htmlText(), fresh.htmlText());
}

void DocumentsTest::splice_pageNeverMovesStylesheetIndexes() {
    GlobalData data;
    CodeDocuments documents(data);
    buildBoth(documents);
    const auto before = allIndexes(documents);

    Node* root = data.getMenuRootNode();
    data.addMenuRootNodeChild(
        Node::make(QStringLiteral("Blog & News"), QStringLiteral("icon7"), root));
    documents.spliceFragment(Fragment::menuStructure);
    QCOMPARE(allIndexes(documents), before);
    QVERIFY(documents.htmlText().contains(
        QStringLiteral("\t<li><a class=\"mainmenuicondata\" href=\"#\">Blog &amp; News</a></li>\n"
                       "</ul>\n")));

    // And a stylesheet splice never moves the page fragment.
    root->childAt(0)->setImageFileName(QStringLiteral("home.png"));
    root->childAt(0)->setImageHeight(30);
    documents.spliceFragment(Fragment::menuIcon);
    documents.spliceFragment(Fragment::subMenuTop);
    QCOMPARE(documents.fragmentIndex(Fragment::menuStructure),
             before[fragmentSlot(Fragment::menuStructure)]);
    QVERIFY(documents.cssText().contains(QStringLiteral("\ttop: 50px;\n")));
    verifyRegistry(documents);
}

void DocumentsTest::splice_signalsDescribeEachSplice() {
    GlobalData data;
    CodeDocuments documents(data);
    buildBoth(documents);

    QString cssMirror = documents.cssText();
    QString htmlMirror = documents.htmlText();
    connect(&documents, &CodeDocuments::cssSpliced, this,
            [&cssMirror](qint64 position, qint64 oldLength, const QString& newText) {
                cssMirror.replace(position, oldLength, newText);
            });
    connect(&documents, &CodeDocuments::htmlSpliced, this,
            [&htmlMirror](qint64 position, qint64 oldLength, const QString& newText) {
                htmlMirror.replace(position, oldLength, newText);
            });
    QSignalSpy cssSpy(&documents, &CodeDocuments::cssSpliced);
    QSignalSpy htmlSpy(&documents, &CodeDocuments::htmlSpliced);

    const qint64 radiusIndex = documents.fragmentIndex(Fragment::borderRadius);
    const qint64 radiusLength = documents.fragmentText(Fragment::borderRadius).size();
    data.setBorderRadius(7);
    documents.spliceFragment(Fragment::borderRadius);
    QCOMPARE(cssSpy.count(), 1);
    QCOMPARE(htmlSpy.count(), 0);
    const QList<QVariant> arguments = cssSpy.takeFirst();
    QCOMPARE(arguments.at(0).toLongLong(), radiusIndex);
    QCOMPARE(arguments.at(1).toLongLong(), radiusLength);
    QCOMPARE(arguments.at(2).toString(), documents.fragmentText(Fragment::borderRadius));

    // The menu change: icon rules, top, item height, then the page.
    testing::fillMenuWithIcons(data, 7);
    for (Fragment f : {Fragment::menuIcon, Fragment::subMenuTop, Fragment::subMenuItemHeight,
                       Fragment::menuStructure})
        documents.spliceFragment(f);
    data.setShowSeparator(false);
    documents.spliceFragment(Fragment::borderLeftRightSizeColor);
    data.setSubMenuBorderRadius(0);
    documents.spliceFragment(Fragment::subMenuItemLastChild);

    QCOMPARE(cssSpy.count(), 5);
    QCOMPARE(htmlSpy.count(), 1);
    QCOMPARE(cssMirror, documents.cssText());
    QCOMPARE(htmlMirror, documents.htmlText());
    verifyRegistry(documents);
}

void DocumentsTest::splice_beforeBuildOnlyRunsTheBuilder() {
    GlobalData data;
    CodeDocuments documents(data);
    QSignalSpy cssSpy(&documents, &CodeDocuments::cssSpliced);
    QSignalSpy htmlSpy(&documents, &CodeDocuments::htmlSpliced);
    documents.spliceFragment(Fragment::width);
    documents.spliceFragment(Fragment::menuStructure);
    QCOMPARE(documents.fragmentText(Fragment::width), QStringLiteral("\twidth: 100%;\n"));
    QCOMPARE(documents.fragmentIndex(Fragment::width), qint64(-1));
    QVERIFY(documents.cssText().isEmpty());
    QVERIFY(documents.htmlText().isEmpty());
    QCOMPARE(cssSpy.count(), 0);
    QCOMPARE(htmlSpy.count(), 0);
}

void DocumentsTest::calculatePosIndex_strictlyGreater() {
    GlobalData data;
    CodeDocuments documents(data);
    buildBoth(documents);
    const auto before = allIndexes(documents);
    const qint64 position = documents.fragmentIndex(Fragment::borderRadius);
    documents.calculatePosIndex(position, 7);
    for (int i = 0; i < kFragmentCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const bool moves = i < kStylesheetFragmentCount && before[slot] > position;
        QCOMPARE(documents.fragmentIndex(fragmentAt(i)), before[slot] + (moves ? 7 : 0));
    }
    QCOMPARE(documents.fragmentIndex(Fragment::borderRadius), position);
    QCOMPARE(documents.fragmentIndex(Fragment::borderSizeColor),
             before[fragmentSlot(Fragment::borderSizeColor)] + 7);
}

void DocumentsTest::modernStyle_writesStandardForms_data() {
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<Fragment>("fragment");
    QTest::addColumn<QString>("expected");

    QTest::newRow("corner radius")
        << QVariantMap() << Fragment::borderRadius << QStringLiteral("\tborder-radius: 25px;\n");
    QTest::newRow("sub-menu radius") << QVariantMap() << Fragment::subMenuBorderRadius
                                     << QStringLiteral("\tborder-radius: 0 0 5px 5px;\n");
    QTest::newRow("first sub-item") << QVariantMap() << Fragment::subMenuItemFirstChild
                                    << QStringLiteral("\tborder-radius: 0;\n");
    QTest::newRow("last sub-item")
        << QVariantMap{{"subMenuBorderRadius", 0}} << Fragment::subMenuItemLastChild
        << QStringLiteral("\tborder-radius: 0 0 0px 0px;\n");
    QTest::newRow("five-stop gradient")
        << QVariantMap() << Fragment::backgroundColor
        << QStringLiteral("\tbackground: linear-gradient(\n\t\tto bottom,\n\t\t#ffffff 0%,\n"
                          "\t\t#c7d95f 25%,\n\t\t#c7d95f 50%,\n\t\t#add136 75%,\n"
                          "\t\t#6d8000 100%);\n");
    QTest::newRow("two-stop gradient")
        << QVariantMap() << Fragment::subMenuBackgroundColor
        << QStringLiteral("\tbackground: linear-gradient(\n\t\tto bottom,\n\t\t#ffffff 0%,\n"
                          "\t\t#ebf4c3 100%);\n");
    QTest::newRow("plain hover colour") << QVariantMap() << Fragment::backgroundColorHover
                                        << QStringLiteral("\tbackground: rgba(255, 0, 0, 0.10);\n");
    QTest::newRow("box shadows") << QVariantMap() << Fragment::dropAndInnerShadow
                                 << QStringLiteral(
                                        "\tbox-shadow:\n\t\t0px 1px 3px rgba(0,0,0,0.5),\n"
                                        "\t\tinset 0px 0px 2px rgba(255,255,255,1);\n");
    // The owner gets a disclosure button named after it; the arrow moves onto the button, so
    // the owner's rule only keeps the room.
    QTest::newRow("owner with a button")
        << QVariantMap() << Fragment::menuStructure
        << QStringLiteral(
               "\t<li><a class=\"brindlenav-link\" href=\"#\"><bdi>Home</bdi></a></li>\n"
               "\t<li>\n"
               "\t\t<a class=\"brindlenav-link brindlenav-icon1\" "
               "href=\"#\"><bdi>Products</bdi></a>\n"
               "\t\t<button type=\"button\" aria-label=\"Products sub-menu\"></button>\n"
               "\t\t<ul>\n"
               "\t\t\t<li><a class=\"brindlenav-sublink\" href=\"#\"><bdi>Tessaly</bdi></a></li>\n"
               "\t\t\t<li><a class=\"brindlenav-sublink\" href=\"#\"><bdi>Brindle</bdi></a></li>\n"
               "\t\t</ul>\n"
               "\t</li>\n"
               "\t<li><a class=\"brindlenav-link\" href=\"#\"><bdi>Forums</bdi></a></li>\n");
    // Every rule is scoped by the menu's <nav>, so a host's element rules weigh less.
    QTest::newRow("room for the button's arrow")
        << QVariantMap() << Fragment::menuIcon
        << QStringLiteral("\n\n.brindlenav-nav .brindlenav-link {\n\tline-height: 16px;\n"
                          "\tfloat: left;\n\tpadding-inline-end: 10px;\n}\n"
                          ".brindlenav-nav .brindlenav-sublink {\n\tline-height: 16px;\n"
                          "\tfloat: left;\n\tpadding-inline-end: 10px;\n}\n\n"
                          ".brindlenav-nav .brindlenav-link.brindlenav-icon1 "
                          "{\n\tpadding-inline-end: 18px;\n}\n"
                          // On phones the bar's titles start 10px in, the sub-items' 16px
                          // further.
                          "\n@media (max-width: 639.98px) {\n"
                          "\t.brindlenav-nav .brindlenav .brindlenav-link {\n"
                          "\t\tpadding-inline-start: 10px;\n\t}\n"
                          "\t.brindlenav-nav .brindlenav .brindlenav-sublink {\n"
                          "\t\tpadding-inline-start: 26px;\n\t}\n}\n");
}

void DocumentsTest::modernStyle_writesStandardForms() {
    QFETCH(QVariantMap, settings);
    QFETCH(Fragment, fragment);
    QFETCH(QString, expected);

    GlobalData data;
    data.setOutputOptions({OutputStyle::Modern, QStringLiteral("Main"), 640});
    applySettings(data, settings);
    CodeDocuments documents(data);
    buildBoth(documents);
    QCOMPARE(documents.fragmentText(fragment), expected);
    verifyRegistry(documents);
}

void DocumentsTest::modernStyle_frameFollowsTheOptions_data() {
    QTest::addColumn<QString>("className");
    QTest::newRow("default name") << QStringLiteral("brindlenav");
    QTest::newRow("own name") << QStringLiteral("top_nav-2");
    QTest::newRow("longest name") << QString(OutputOptions::kLongestClassName, u'n');
}

void DocumentsTest::modernStyle_frameFollowsTheOptions() {
    QFETCH(QString, className);
    GlobalData data;
    CodeDocuments documents(data);
    buildBoth(documents);
    QVERIFY(documents.scriptText().isEmpty());
    QSignalSpy rebuilt(&documents, &CodeDocuments::textsRebuilt);

    OutputOptions options{OutputStyle::Modern, QStringLiteral("Shop & \"more\""), 800};
    options.className = className;
    data.setOutputOptions(options);
    documents.rebuildForOutputOptions();
    QCOMPARE(rebuilt.count(), 1);
    verifyRegistry(documents);
    const QString& page = documents.htmlText();
    const auto named = [&className](const char* text) {
        return QString::fromUtf8(text).replace(QStringLiteral("NAME"), className);
    };
    QVERIFY(page.contains(QStringLiteral(
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n")));
    QVERIFY(page.contains(QStringLiteral("\t<script src=\"menu.js\" defer></script>\n")));
    QVERIFY(
        page.contains(named("<nav class=\"NAME-nav\" aria-label=\"Shop &amp; &quot;more&quot;\">\n"
                            "<input type=\"checkbox\" id=\"NAME-toggle\" class=\"NAME-toggle\">\n"
                            "<label for=\"NAME-toggle\">Menu</label>\n<ul class=\"NAME\">\n"
                            "\t<li><a class=\"NAME-link\" href=\"#\"><bdi>Home</bdi></a></li>\n")));
    QVERIFY(page.endsWith(QStringLiteral("</ul>\n</nav>\n</body>\n</html>\n")));
    // Titled after the project, or "Menu" while untitled; the menu follows the body at once.
    QVERIFY(page.contains(QStringLiteral("\t<title>Menu</title>\n</head>\n<body>\n<nav ")));
    data.setDocumentName(QStringLiteral("  Tom & Jerry's <shop> "));
    documents.rebuildForOutputOptions();
    QVERIFY(documents.htmlText().contains(
        QStringLiteral("\t<title>Tom &amp; Jerry's &lt;shop&gt;</title>\n")));
    data.setDocumentName({});
    documents.rebuildForOutputOptions();
    const QString& css = documents.cssText();
    QVERIFY(
        css.startsWith(named(".NAME-nav.NAME-nav,\n.NAME-nav.NAME-nav *:not(:where(svg *)) {\n")));
    QVERIFY(css.contains(QStringLiteral("\n@media (max-width: 799.98px) {\n")));
    QVERIFY(css.contains(named(".NAME-nav .NAME li:focus-within > ul,\n")));
    QVERIFY(css.contains(named(".NAME-nav .NAME li.NAME-open > ul {\n")));
    QVERIFY(css.endsWith(named("\t.NAME-nav .NAME ul {\n\t\tposition: static;\n\t}\n}\n")));
    for (const char* prefix : {"-moz-", "-webkit-", "-ms-", "-o-"})
        QVERIFY2(!css.contains(QLatin1String(prefix)), prefix);
    const QString script = documents.scriptText();
    QVERIFY(script.contains(QStringLiteral("\"Escape\"")));
    // The script finds its own menu only, by the name.
    QVERIFY(script.contains(named("\tvar name = \"NAME\", ")));
    QVERIFY(script.toUtf8().size() < 4096);
    // Nothing global: every class and id of the three texts derives from the name.
    if (className != QLatin1String("brindlenav")) {
        for (const QString& text : {page, css, script})
            QVERIFY(!text.contains(QStringLiteral("brindlenav")));
    }
    static const QRegularExpression names(QStringLiteral("(?:class|id|for)=\"([^\"]*)\""));
    for (const QRegularExpressionMatch& match : names.globalMatch(page)) {
        for (const QString& name : match.captured(1).split(u' '))
            QVERIFY2(name.startsWith(className), qPrintable(name));
    }

    // Back to Classic: the hand-written texts again, byte for byte, and no script, whatever
    // the project is called.
    data.setDocumentName(QStringLiteral("Shop"));
    data.setOutputOptions({});
    documents.rebuildForOutputOptions();
    QCOMPARE(documents.cssText(), readTestData(QStringLiteral("default.css")));
    QCOMPARE(documents.htmlText(), readTestData(QStringLiteral("default.html")));
    QVERIFY(documents.scriptText().isEmpty());
}

void DocumentsTest::modernStyle_readsInTheMenusDirection_data() {
    QTest::addColumn<MenuDirection>("direction");
    QTest::addColumn<QString>("navAttributes"); // after aria-label
    QTest::newRow("from the page") << MenuDirection::Page << QString();
    QTest::newRow("left to right") << MenuDirection::LeftToRight << QStringLiteral(" dir=\"ltr\"");
    QTest::newRow("right to left") << MenuDirection::RightToLeft << QStringLiteral(" dir=\"rtl\"");
}

// The <nav> carries a fixed direction and nothing when the page decides; the stylesheet names
// no left or right side, so it mirrors in a right-to-left page; Classic ignores the option.
void DocumentsTest::modernStyle_readsInTheMenusDirection() {
    QFETCH(MenuDirection, direction);
    QFETCH(QString, navAttributes);
    GlobalData data;
    // Pictures, an inline icon, arrows and sub-items' icons: every side rule is written.
    Node* root = data.getMenuRootNode();
    for (Node* item : {root->childAt(0), root->childAt(1), root->childAt(1)->childAt(0)}) {
        item->setImageFileName(item->iconID() + QStringLiteral(".png"));
        item->setRetinaImageFileName(item->iconID() + QStringLiteral("@2x.png"));
        item->setImageWidth(16);
        item->setImageHeight(16);
    }
    CodeDocuments documents(data);
    OutputOptions options;
    options.direction = direction;
    data.setOutputOptions(options);
    buildBoth(documents);
    const QString classicPage = documents.htmlText();
    QVERIFY(!classicPage.contains(QStringLiteral(" dir=")));
    QVERIFY(documents.cssText().contains(QStringLiteral("\tfloat: left;\n\tpadding: 0px 8px")));
    options.style = OutputStyle::Modern;
    data.setOutputOptions(options);
    documents.rebuildForOutputOptions();
    QVERIFY(documents.htmlText().contains(
        QStringLiteral("<nav class=\"brindlenav-nav\" aria-label=\"Main\"") + navAttributes +
        QStringLiteral(">\n")));
    const QString css = documents.cssText();
    static const QRegularExpression physical(
        QStringLiteral(
            "(padding|margin|border)-(left|right)\\b|^\\s*(left|right):|text-align: (left|right)"),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch found = physical.match(css);
    QVERIFY2(!found.hasMatch(),
             qPrintable(css.mid(std::max(0LL, found.capturedStart() - 120), 240)));
    // Pictures have no logical position: a right-to-left menu moves them, at each depth.
    QVERIFY(css.contains(QStringLiteral(
        "[dir=\"rtl\"] .brindlenav-nav:not([dir=\"ltr\"]) .brindlenav-link.brindlenav-icon0,\n"
        ".brindlenav-nav[dir=\"rtl\"] .brindlenav-link.brindlenav-icon0 {\n"
        "\tbackground-position: right 20px center;\n}\n")));
    QVERIFY(css.contains(QStringLiteral(
        "\t.brindlenav-nav[dir=\"rtl\"] .brindlenav .brindlenav-sublink.brindlenav-icon2 {\n"
        "\t\tbackground-position: right 36px center;\n\t}\n")));
    QVERIFY(css.contains(QStringLiteral("\tdisplay: flex;\n\tflex-wrap: wrap;\n")));
}

void DocumentsTest::modernStyle_marksTheCurrentPage_data() {
    QTest::addColumn<CurrentPageLook>("bar");
    QTest::addColumn<CurrentPageLook>("dropDowns");
    QTest::newRow("pressed, the default") << CurrentPageLook::Active << CurrentPageLook::Active;
    QTest::newRow("hovered in the bar, pressed below")
        << CurrentPageLook::Hover << CurrentPageLook::Active;
    QTest::newRow("plain in the bar, hovered below")
        << CurrentPageLook::Plain << CurrentPageLook::Hover;
    QTest::newRow("pressed in the bar, plain below")
        << CurrentPageLook::Active << CurrentPageLook::Plain;
}

// The current page's selectors join exactly the rules of the state whose look it takes, in
// the bar and in the drop-downs; a plain look writes none; Classic never does.
void DocumentsTest::modernStyle_marksTheCurrentPage() {
    QFETCH(CurrentPageLook, bar);
    QFETCH(CurrentPageLook, dropDowns);
    GlobalData data;
    CodeDocuments documents(data);
    OutputOptions options;
    options.currentPageLook = bar;
    options.subMenuCurrentPageLook = dropDowns;
    data.setOutputOptions(options);
    buildBoth(documents);
    QVERIFY(!documents.cssText().contains(QStringLiteral("current")));
    options.style = OutputStyle::Modern;
    data.setOutputOptions(options);
    documents.rebuildForOutputOptions();
    const QString css = documents.cssText();
    const QString barItems =
        QStringLiteral(",\n.brindlenav-nav .brindlenav > li.brindlenav-current,\n"
                       ".brindlenav-nav .brindlenav > li.brindlenav-section");
    const QString barLinks =
        QStringLiteral(",\n.brindlenav-nav .brindlenav > li > a[aria-current=\"page\"],\n"
                       ".brindlenav-nav .brindlenav > li.brindlenav-section > a,\n"
                       ".brindlenav-nav .brindlenav > li.brindlenav-section > button");
    const QString subItems =
        QStringLiteral(",\n.brindlenav-nav .brindlenav ul li.brindlenav-current");
    const QString subLinks =
        QStringLiteral(",\n.brindlenav-nav .brindlenav ul a[aria-current=\"page\"]");
    const auto rule = [](const char* state, bool current, const QString& selectors) -> QString {
        return QLatin1String(state) + (current ? selectors : QString()) + QStringLiteral(" {\n");
    };
    using L = CurrentPageLook;
    for (const L look : {L::Hover, L::Active}) {
        const bool hover = look == L::Hover;
        QVERIFY(css.contains(rule(hover ? "\n.brindlenav-nav .brindlenav li:hover"
                                        : "\n.brindlenav-nav .brindlenav li:active",
                                  bar == look, barItems)));
        QVERIFY(css.contains(rule(hover ? ".brindlenav-nav .brindlenav li:hover > button"
                                        : ".brindlenav-nav .brindlenav li > button:active",
                                  bar == look, barLinks)));
        QVERIFY(css.contains(rule(hover ? "\n.brindlenav-nav .brindlenav ul li:hover"
                                        : "\n.brindlenav-nav .brindlenav ul li:active",
                                  dropDowns == look, subItems)));
        QVERIFY(css.contains(rule(hover ? "\n.brindlenav-nav .brindlenav ul a:hover"
                                        : "\n.brindlenav-nav .brindlenav ul a:active",
                                  dropDowns == look, subLinks)));
    }
    QCOMPARE(css.count(QStringLiteral("brindlenav-current")),
             (bar != L::Plain ? 1 : 0) + (dropDowns != L::Plain ? 1 : 0));
    QVERIFY(documents.scriptText().contains(QStringLiteral("\"aria-current\", \"page\"")));
}

void DocumentsTest::thirdLevel_opensInPlaceInModernOnly_data() {
    QTest::addColumn<bool>("modern");
    QTest::newRow("classic") << false;
    QTest::newRow("modern") << true;
}

// A Modern page writes a sub-item's items as a list inside its drop-down, opened by a button;
// a Classic page shows two levels and its texts are those of the menu without the third.
// Both texts, spliced from two levels to three, are the texts built afresh.
void DocumentsTest::thirdLevel_opensInPlaceInModernOnly() {
    QFETCH(bool, modern);
    GlobalData data;
    OutputOptions options;
    options.style = modern ? OutputStyle::Modern : OutputStyle::Classic;
    data.setOutputOptions(options);
    data.setSubMenufontColor(Color::fromBytes(0x12, 0x34, 0x56));
    data.setSubMenufontColorHover(Color::fromBytes(0xab, 0xcd, 0xef));
    data.setSubMenufontColorActive(Color::fromBytes(0xfe, 0xdc, 0xba));
    data.replaceMenu(testsupport::menuOfText(u"Products[Tessaly,Brindle]"));
    CodeDocuments documents(data);
    buildBoth(documents);
    const QString twoLevelPage = documents.htmlText(), twoLevelCss = documents.cssText();
    QVERIFY(!twoLevelCss.contains(u"ul ul"));
    QVERIFY(!twoLevelCss.contains(u"aria-expanded"));

    Node* brindle = data.getMenuRootNode()->childAt(0)->childAt(1);
    auto deep = Node::make(u"Deep"_s, u"icon3"_s, brindle);
    deep->setLink(u"deep.html"_s);
    brindle->appendChild(std::move(deep));
    brindle->setIsGroup(true);
    for (const Fragment f : {Fragment::menuStructure, Fragment::menuIcon, Fragment::subMenuTop,
                             Fragment::subMenuItemHeight})
        documents.spliceFragment(f);
    verifyRegistry(documents);
    // The parts the preview parses one by one join to the stylesheet; the middle one is the
    // icon rules (the third level's among them), and each holds whole rules.
    const QStringList parts = documents.stylesheetParts();
    QCOMPARE(parts.size(), 3);
    QCOMPARE(parts.join(QString()), documents.cssText());
    QCOMPARE(parts.at(1), documents.fragmentText(Fragment::menuIcon));
    for (const QString& part : parts)
        QCOMPARE(part.count(u'{'), part.count(u'}'));
    CodeDocuments fresh(data);
    buildBoth(fresh);
    QCOMPARE(documents.htmlText(), fresh.htmlText());
    QCOMPARE(documents.cssText(), fresh.cssText());
    if (!modern) {
        QCOMPARE(documents.htmlText(), twoLevelPage);
        QCOMPARE(documents.cssText(), twoLevelCss);
        return;
    }
    QVERIFY(documents.htmlText().contains(
        u"\t\t<ul>\n"
        "\t\t\t<li><a class=\"brindlenav-sublink\" href=\"#\"><bdi>Tessaly</bdi></a></li>\n"
        "\t\t\t<li>\n"
        "\t\t\t\t<a class=\"brindlenav-sublink brindlenav-icon2\" "
        "href=\"#\"><bdi>Brindle</bdi></a>\n"
        "\t\t\t\t<button type=\"button\" aria-label=\"Brindle sub-menu\"></button>\n"
        "\t\t\t\t<ul>\n"
        "\t\t\t\t\t<li><a class=\"brindlenav-sublink\" "
        "href=\"deep.html\"><bdi>Deep</bdi></a></li>\n"
        "\t\t\t\t</ul>\n"
        "\t\t\t</li>\n"
        "\t\t</ul>\n"
        "\t</li>\n"_s));
    const QString css = documents.cssText();
    // Shut until the script marks its button expanded; open without the script; never by
    // hover (the hiding rule outweighs the drop-down's :hover rule).
    QVERIFY(css.contains(u"\n.brindlenav-nav .brindlenav ul ul {\n\tdisplay: block;\n"
                         "\tposition: static;\n\tpadding-inline-start: 16px;\n"_s));
    QVERIFY(
        css.contains(u"\n.brindlenav-nav .brindlenav ul button[aria-expanded=\"false\"] + ul {\n"
                     "\tdisplay: none;\n}\n"_s));
    // Beside the sub-item's link (16px line + 20px padding), in the drop-downs' text colours.
    QVERIFY(css.contains(u"\n.brindlenav-nav .brindlenav ul li > button {\n\tbottom: auto;\n"
                         "\theight: 36px;\n\tcolor: #123456;\n}\n"
                         ".brindlenav-nav .brindlenav ul li:hover > button {\n"
                         "\tcolor: #abcdef;\n}\n"
                         ".brindlenav-nav .brindlenav ul li > button:active {\n"
                         "\tcolor: #fedcba;\n}\n"_s));
    // Taken out again, the texts are the two-level ones.
    data.replaceMenu(testsupport::menuOfText(u"Products[Tessaly,Brindle]"));
    for (const Fragment f : {Fragment::menuStructure, Fragment::menuIcon})
        documents.spliceFragment(f);
    QCOMPARE(documents.htmlText(), twoLevelPage);
    QCOMPARE(documents.cssText(), twoLevelCss);
}

void DocumentsTest::modernFonts_endInAStackForEveryScript_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("written");
    // Appended, never inserted: a page without Arial keeps drawing Latin titles in the same
    // sans-serif font.
    QTest::newRow("sans-serif last") << QStringLiteral("Arial, Helvetica, sans-serif")
                                     << QStringLiteral("Arial, Helvetica, sans-serif, system-ui");
    QTest::newRow("already there")
        << QStringLiteral("system-ui, -apple-system, 'Segoe UI', Roboto, Arial, sans-serif")
        << QStringLiteral("system-ui, -apple-system, 'Segoe UI', Roboto, Arial, sans-serif");
    QTest::newRow("serif keeps its own")
        << QStringLiteral("Georgia, serif") << QStringLiteral("Georgia, serif, system-ui");
    QTest::newRow("quoted names, loose spaces")
        << QStringLiteral(" \"Courier New\" ,Courier,monospace ")
        << QStringLiteral("\"Courier New\", Courier, monospace, system-ui");
    QTest::newRow("no generic family")
        << QStringLiteral("Verdana") << QStringLiteral("Verdana, system-ui, sans-serif");
    QTest::newRow("system-ui alone")
        << QStringLiteral("system-ui") << QStringLiteral("system-ui, sans-serif");
    QTest::newRow("empty") << QString() << QStringLiteral("system-ui, sans-serif");
}

void DocumentsTest::modernFonts_endInAStackForEveryScript() {
    QFETCH(QString, family);
    QFETCH(QString, written);
    QCOMPARE(stackForEveryScript(family), written);
}
