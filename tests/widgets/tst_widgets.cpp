#include "platform/NotificationCenter.h"
#include "project/RecentProjects.h"
#include "widgets/AboutSheet.h"
#include "widgets/ColorPickerImageView.h"
#include "widgets/CustomTextView.h"
#include "widgets/LineIndex.h"
#include "widgets/LockImageView.h"
#include "widgets/MarkerLineNumberView.h"
#include "widgets/RecentProjectsMenu.h"
#include "widgets/RelatedAppsSheet.h"
#include "widgets/SideBarContainer.h"
#include "widgets/SourceCodeArea.h"
#include "widgets/TabStripView.h"
#include "widgets/WebLabel.h"
#include "widgets/WindowStateKeeper.h"
#include "widgets/WorkspaceModes.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCommandLinkButton>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMimeData>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using namespace brindle;

using LineStarts = QList<qint64>;

namespace {

// Records every "SelectIndexChanged" of one sender.
class SelectionRecorder {
public:
    explicit SelectionRecorder(const void* sender) {
        NotificationCenter::defaultCenter().addObserver(
            this, QString::fromLatin1(kSelectIndexChanged), sender, [this](const Notification& n) {
                senders.append(n.sender);
                indexes.append(n.userInfo.value(QString::fromLatin1(kIndexKey)).toInt());
            });
    }
    ~SelectionRecorder() { NotificationCenter::defaultCenter().removeObserver(this); }
    QList<const void*> senders;
    QList<int> indexes;
};

// A style panel stand-in of fixed height that logs its reloads.
class StandInPanel : public QWidget, public Reloadable {
public:
    StandInPanel(QString name, int height, QStringList* log) : m_log(log) {
        setObjectName(std::move(name));
        setFixedHeight(height);
        setMinimumWidth(150);
    }
    void reloadData() override { m_log->append(objectName()); }

private:
    QStringList* m_log;
};

// Opens nothing; remembers what it was asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

QString numbered(int lines) {
    QString text;
    for (int i = 1; i <= lines; ++i)
        text += QStringLiteral("line %1\n").arg(i);
    return text;
}

} // namespace

class TestWidgets : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void lineStarts_data();
    void lineStarts();
    void lineNumberForCharacterIndex_data();
    void lineNumberForCharacterIndex();
    void linesInRange_data();
    void linesInRange();
    void thicknessRule_data();
    void thicknessRule();

    void rulerNumbers_data();
    void rulerNumbers();
    void ruler_drawsOnlyVisibleLines();
    void ruler_thicknessChangeWaitsForEventLoop();
    void ruler_markers();

    void sourceView_userInputLeavesTextUnchanged_data();
    void sourceView_userInputLeavesTextUnchanged();
    void sourceView_copyWorks();
    void sourceView_spliceKeepsScrollPosition_data();
    void sourceView_spliceKeepsScrollPosition();
    void sourceView_selectionBandSpansWidth();

    void tabStrip_tabSets_data();
    void tabStrip_tabSets();
    void tabStrip_clicksAndSelection();
    void tabStrip_resizeRecentresClickAreas();
    void tabStrip_keysChooseTabsAsATabBar_data();
    void tabStrip_keysChooseTabsAsATabBar();
    void wellAndLock_keysAndAccessibleDescription();

    void sideBar_pages_data();
    void sideBar_pages();
    void sideBar_reloadOrder_data();
    void sideBar_reloadOrder();
    void sideBar_showFirstPageReturnsToNormal();
    void sideBar_ignoresOtherStrips();

    void webLabel_address_data();
    void webLabel_address();
    void webLabel_hoverAndClick();
    void relatedApps_categories();
    void about_isWindowModalAndShowsVersion();
    void recentMenu_choices();

    void sourceArea_switch_data();
    void sourceArea_switch();
    void workspaceModes_switch_data();
    void workspaceModes_switch();
    void workspaceModes_refreshRules();
    void windowState_restoredAfterClose();

private:
    struct SideBarFixture;
};

void TestWidgets::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
}

void TestWidgets::lineStarts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<LineStarts>("starts");
    QTest::newRow("empty") << QString() << LineStarts{0};
    QTest::newRow("one letter") << QStringLiteral("a") << LineStarts{0};
    QTest::newRow("one letter and a line break") << QStringLiteral("a\n") << LineStarts{0, 2};
    QTest::newRow("two lines") << QStringLiteral("ab\ncd") << LineStarts{0, 3};
    QTest::newRow("only line breaks") << QStringLiteral("\n\n") << LineStarts{0, 1, 2};
    QTest::newRow("crlf is one break") << QStringLiteral("a\r\nb") << LineStarts{0, 3};
    QTest::newRow("lone cr") << QStringLiteral("a\rb") << LineStarts{0, 2};
    QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b\u2028") << LineStarts{0, 2, 4};
}

void TestWidgets::lineStarts() {
    QFETCH(QString, text);
    QFETCH(LineStarts, starts);
    QCOMPARE(LineIndex::calculateLines(text), starts);
}

void TestWidgets::lineNumberForCharacterIndex_data() {
    QTest::addColumn<LineStarts>("starts");
    QTest::addColumn<qint64>("index");
    QTest::addColumn<qint64>("line");
    const LineStarts four{0, 5, 10, 20};
    QTest::newRow("first start") << four << qint64(0) << qint64(0);
    QTest::newRow("inside first") << four << qint64(3) << qint64(0);
    QTest::newRow("second start") << four << qint64(5) << qint64(1);
    QTest::newRow("end of second") << four << qint64(9) << qint64(1);
    QTest::newRow("third start") << four << qint64(10) << qint64(2);
    QTest::newRow("inside third") << four << qint64(19) << qint64(2);
    QTest::newRow("last start") << four << qint64(20) << qint64(3);
    QTest::newRow("past the end") << four << qint64(100) << qint64(3);
    QTest::newRow("single line") << LineStarts{0} << qint64(7) << qint64(0);
    const LineStarts five{0, 2, 4, 6, 8};
    for (qint64 i = 0; i < 10; ++i)
        QTest::addRow("five lines, index %lld", i) << five << i << i / 2;
}

void TestWidgets::lineNumberForCharacterIndex() {
    QFETCH(LineStarts, starts);
    QFETCH(qint64, index);
    QFETCH(qint64, line);
    QCOMPARE(LineIndex::lineNumberForCharacterIndex(starts, index), line);
}

void TestWidgets::linesInRange_data() {
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("last");
    QTest::addColumn<LineStarts>("lines");
    // Lines start at 0, 3, 6, 9, 12.
    QTest::newRow("whole text") << qint64(0) << qint64(14) << LineStarts{0, 1, 2, 3, 4};
    QTest::newRow("middle") << qint64(3) << qint64(9) << LineStarts{1, 2, 3};
    QTest::newRow("starting inside a line") << qint64(4) << qint64(10) << LineStarts{2, 3};
    QTest::newRow("one line") << qint64(6) << qint64(6) << LineStarts{2};
    QTest::newRow("empty range") << qint64(7) << qint64(6) << LineStarts{};
}

void TestWidgets::linesInRange() {
    QFETCH(qint64, first);
    QFETCH(qint64, last);
    QFETCH(LineStarts, lines);
    QCOMPARE(LineIndex::linesInRange(LineStarts{0, 3, 6, 9, 12}, first, last), lines);
}

void TestWidgets::thicknessRule_data() {
    QTest::addColumn<QString>("rule");
    QTest::addColumn<qreal>("a");
    QTest::addColumn<qreal>("b");
    QTest::addColumn<qreal>("expected");
    QTest::newRow("no labels: the minimum") << "required" << 0.0 << 0.0 << 22.0;
    QTest::newRow("width + 10 below 22") << "required" << 11.9 << 0.0 << 22.0;
    QTest::newRow("width + 10 exactly 22") << "required" << 12.0 << 0.0 << 22.0;
    QTest::newRow("grows past 22, rounded up") << "required" << 12.1 << 0.0 << 23.0;
    QTest::newRow("wide labels") << "required" << 30.2 << 0.0 << 41.0;
    QTest::newRow("one point apart: kept") << "adopt" << 22.0 << 23.0 << 0.0;
    QTest::newRow("less than a point apart: kept") << "adopt" << 22.0 << 22.6 << 0.0;
    QTest::newRow("more than a point wider: adopted") << "adopt" << 22.0 << 23.5 << 1.0;
    QTest::newRow("more than a point narrower: adopted") << "adopt" << 30.0 << 22.0 << 1.0;
    QTest::newRow("digits of 1") << "digits" << 1.0 << 0.0 << 1.0;
    QTest::newRow("digits of 9") << "digits" << 9.0 << 0.0 << 1.0;
    QTest::newRow("digits of 10") << "digits" << 10.0 << 0.0 << 2.0;
    QTest::newRow("digits of 999") << "digits" << 999.0 << 0.0 << 3.0;
    QTest::newRow("digits of 1000") << "digits" << 1000.0 << 0.0 << 4.0;
}

void TestWidgets::thicknessRule() {
    QFETCH(QString, rule);
    QFETCH(qreal, a);
    QFETCH(qreal, b);
    QFETCH(qreal, expected);
    if (rule == QLatin1StringView("required"))
        QCOMPARE(LineIndex::requiredThickness(a), expected);
    else if (rule == QLatin1StringView("adopt"))
        QCOMPARE(LineIndex::shouldAdoptThickness(a, b), expected != 0);
    else
        QCOMPARE(LineIndex::digitCount(qint64(a)), int(expected));
}

void TestWidgets::rulerNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<LineStarts>("numbers");
    QTest::newRow("empty text") << QString() << LineStarts{1};
    QTest::newRow("one letter") << QStringLiteral("a") << LineStarts{1};
    QTest::newRow("one letter and a line break") << QStringLiteral("a\n") << LineStarts{1, 2};
    QTest::newRow("three lines") << QStringLiteral("a\nb\nc") << LineStarts{1, 2, 3};
}

void TestWidgets::rulerNumbers() {
    QFETCH(QString, text);
    QFETCH(LineStarts, numbers);
    CustomTextView view;
    auto* ruler = new MarkerLineNumberView(&view);
    view.resize(300, 200);
    view.setText(text);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    LineStarts drawn;
    qreal previousTop = -1;
    for (const auto& label : ruler->visibleLabels()) {
        drawn.append(label.number);
        QVERIFY(label.top > previousTop);
        QVERIFY(label.height > 0);
        previousTop = label.top;
    }
    QCOMPARE(drawn, numbers);
    QCOMPARE(ruler->lineIndices().size(), numbers.size());
}

void TestWidgets::ruler_drawsOnlyVisibleLines() {
    CustomTextView view;
    auto* ruler = new MarkerLineNumberView(&view);
    view.resize(300, 200);
    view.setText(numbered(300));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.verticalScrollBar()->setValue(100);

    const auto labels = ruler->visibleLabels();
    QVERIFY(!labels.isEmpty());
    QVERIFY(labels.size() < 40);
    QCOMPARE(labels.first().number, view.cursorForPosition(QPoint(0, 0)).blockNumber() + 1);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const auto& label = labels[i];
        if (i > 0)
            QCOMPARE(label.number, labels[i - 1].number + 1);
        QVERIFY(label.top < view.viewport()->height());
        QVERIFY(label.top + label.height > 0);
        // The number sits on its own line: the line drawn there is the one counted there.
        const qreal middle = label.top + label.height / 2;
        QCOMPARE(ruler->lineNumberForLocation(middle), label.number);
        QCOMPARE(view.cursorForPosition(QPoint(1, int(middle))).blockNumber() + 1, label.number);
    }
    QCOMPARE(ruler->lineNumberForLocation(-1000), -1);
}

void TestWidgets::ruler_thicknessChangeWaitsForEventLoop() {
    CustomTextView view;
    auto* ruler = new MarkerLineNumberView(&view);
    ruler->setLabelFont(QFont(view.font().family(), 12));
    view.resize(300, 200);
    QCOMPARE(ruler->ruleThickness(), 22.0);
    QCOMPARE(view.rulerThickness(), 22);

    view.setText(numbered(12000));
    const qreal required = ruler->requiredThickness();
    QVERIFY2(required > 23, "five digits need more than the minimum");
    // Computing the lines (as a paint would) does not resize the gutter on the spot.
    QCOMPARE(ruler->lineIndices().size(), 12001);
    QCOMPARE(ruler->ruleThickness(), 22.0);
    QCoreApplication::sendPostedEvents(ruler, QEvent::MetaCall);
    QCOMPARE(ruler->ruleThickness(), required);
    QCOMPARE(view.rulerThickness(), int(std::ceil(required)));
    QCOMPARE(ruler->geometry().width(), view.rulerThickness());

    // Within a point of the required width: kept as it is.
    ruler->setRuleThickness(required + 0.75);
    view.setText(numbered(12001));
    ruler->lineIndices();
    QCoreApplication::sendPostedEvents(ruler, QEvent::MetaCall);
    QCOMPARE(ruler->ruleThickness(), required + 0.75);

    // A short text again: back to the minimum on the next pass.
    view.setText(QStringLiteral("a"));
    ruler->lineIndices();
    QCOMPARE(ruler->ruleThickness(), required + 0.75);
    QCoreApplication::sendPostedEvents(ruler, QEvent::MetaCall);
    QCOMPARE(ruler->ruleThickness(), 22.0);
}

void TestWidgets::ruler_markers() {
    CustomTextView view;
    auto* ruler = new MarkerLineNumberView(&view);
    const QImage& image = ruler->markerImageWithSize(QSize(22, 13));
    QCOMPARE(image.size(), QSize(22, 13));
    // Later requests give the same image whatever size they ask for.
    QCOMPARE(ruler->markerImageWithSize(QSize(50, 50)).size(), QSize(22, 13));
    ruler->setRuleThickness(30);
    QCOMPARE(ruler->markerImageWithSize(QSize(1, 1)).size(), QSize(30, 13));

    ruler->addMarker(LineNumberMarker(3, image));
    QVERIFY(ruler->markerAtLine(3).has_value());
    QVERIFY(!ruler->markerAtLine(2).has_value());
    ruler->setMarkers({LineNumberMarker(5, image)});
    QVERIFY(!ruler->markerAtLine(3).has_value());
    QCOMPARE(ruler->markerAtLine(5)->lineNumber(), 5u);
    ruler->removeMarker(LineNumberMarker(5, {}));
    QVERIFY(!ruler->markerAtLine(5).has_value());
}

void TestWidgets::sourceView_userInputLeavesTextUnchanged_data() {
    QTest::addColumn<QString>("input");
    QTest::newRow("typing") << "typing";
    QTest::newRow("return and tab") << "return";
    QTest::newRow("backspace and delete") << "delete";
    QTest::newRow("paste shortcut") << "pasteKey";
    QTest::newRow("paste slot") << "pasteSlot";
    QTest::newRow("cut shortcut") << "cutKey";
    QTest::newRow("drop") << "drop";
}

void TestWidgets::sourceView_userInputLeavesTextUnchanged() {
    QFETCH(QString, input);
    const QString text = QStringLiteral("ul {\n\tmargin: 0;\n}\n");
    CustomTextView view;
    view.setText(text);
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    if (input == QLatin1StringView("typing")) {
        QTest::keyClicks(&view, QStringLiteral("abc"));
    } else if (input == QLatin1StringView("return")) {
        QTest::keyClick(&view, Qt::Key_Return);
        QTest::keyClick(&view, Qt::Key_Tab);
    } else if (input == QLatin1StringView("delete")) {
        QTest::keyClick(&view, Qt::Key_Backspace);
        QTest::keyClick(&view, Qt::Key_Delete);
    } else if (input == QLatin1StringView("pasteKey")) {
        QTest::keyClick(&view, Qt::Key_V, Qt::ControlModifier);
    } else if (input == QLatin1StringView("pasteSlot")) {
        view.paste();
    } else if (input == QLatin1StringView("cutKey")) {
        QTest::keyClick(&view, Qt::Key_X, Qt::ControlModifier);
        view.cut();
    } else if (input == QLatin1StringView("drop")) {
        QMimeData mime;
        mime.setText(QStringLiteral("dropped"));
        const QPoint at(10, 10);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &drop);
    }
    QCOMPARE(view.toPlainText(), text);
}

void TestWidgets::sourceView_copyWorks() {
    const QString text = QStringLiteral("li a {\n\tcolor: #fff;\n}");
    CustomTextView view;
    view.setText(text);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

void TestWidgets::sourceView_spliceKeepsScrollPosition_data() {
    QTest::addColumn<qint64>("position");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("insert lines above")
        << qint64(0) << qint64(0) << QStringLiteral("a\nb\nc\nd\ne\nf\n") << true;
    QTest::newRow("remove lines above") << qint64(0) << qint64(16) << QString() << true;
    QTest::newRow("replace below") << qint64(2000) << qint64(5) << QStringLiteral("x\ny\n") << true;
    QTest::newRow("replace at the end")
        << qint64(-1) << qint64(0) << QStringLiteral("\n/**/") << true;
    QTest::newRow("range past the end") << qint64(-1) << qint64(1) << QStringLiteral("x") << false;
    QTest::newRow("negative position") << qint64(-5) << qint64(0) << QStringLiteral("x") << false;
    // A fragment rewritten whole, as a menu edit rewrites one: only the change reaches the
    // document. {same} is the replaced text, {head} and {tail} its halves.
    QTest::newRow("rewritten with one line changed")
        << qint64(100) << qint64(300) << QStringLiteral("{head}changed\n{tail}") << true;
    QTest::newRow("rewritten unchanged") << qint64(100) << qint64(300) << QStringLiteral("{same}")
                                         << true;
    QTest::newRow("rewritten twice over") << qint64(100) << qint64(7)
                                          << QStringLiteral("{same}{same}") << true;
    QTest::newRow("rewritten shorter") << qint64(100) << qint64(300) << QStringLiteral("{head}")
                                       << true;
    // The text ends in "\U0001F600\n": a neighbour shares its first half only.
    QTest::newRow("one emoji for its neighbour")
        << qint64(-3) << qint64(2) << QStringLiteral("\U0001F601") << true;
}

void TestWidgets::sourceView_spliceKeepsScrollPosition() {
    QFETCH(qint64, position);
    QFETCH(qint64, length);
    QFETCH(QString, replacement);
    QFETCH(bool, accepted);
    const QString text = numbered(400) + QStringLiteral("\U0001F600\n");
    if (position == -1)
        position = text.size();
    else if (position == -3)
        position = text.size() - 3;
    const QString same = text.mid(position, length);
    replacement.replace(QStringLiteral("{same}"), same)
        .replace(QStringLiteral("{head}"), same.left(same.size() / 2))
        .replace(QStringLiteral("{tail}"), same.mid(same.size() / 2));
    CustomTextView view;
    new MarkerLineNumberView(&view);
    view.resize(300, 200);
    view.setText(text);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // The user's caret at the end must not pull the view there.
    QTextCursor caret = view.textCursor();
    caret.movePosition(QTextCursor::End);
    view.setTextCursor(caret);
    view.verticalScrollBar()->setValue(150);
    QCOMPARE(view.verticalScrollBar()->value(), 150);

    QCOMPARE(view.replaceCharacters(position, length, replacement), accepted);
    QString expected = text;
    if (accepted)
        expected.replace(position, length, replacement);
    QCOMPARE(view.toPlainText(), expected);
    QCOMPARE(view.verticalScrollBar()->value(), 150);
}

void TestWidgets::sourceView_selectionBandSpansWidth() {
    CustomTextView view;
    view.resize(300, 200);
    view.setText(numbered(20));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTextCursor cursor(view.document());
    cursor.setPosition(view.document()->findBlockByNumber(2).position() + 2);
    cursor.setPosition(view.document()->findBlockByNumber(4).position() + 1,
                       QTextCursor::KeepAnchor);
    view.setTextCursor(cursor);
    const QRect band = view.highlightRect();
    QCOMPARE(band.left(), 0);
    QCOMPARE(band.width(), view.viewport()->width());
    QTextCursor line3(view.document()->findBlockByNumber(2));
    QTextCursor line5(view.document()->findBlockByNumber(4));
    QCOMPARE(band.top(), view.cursorRect(line3).top());
    QCOMPARE(band.bottom(), view.cursorRect(line5).bottom());
    QCOMPARE(view.textViewSelectColor(), QColor(209, 226, 242, 102));
}

void TestWidgets::tabStrip_tabSets_data() {
    QTest::addColumn<TabStripView::Config>("config");
    QTest::addColumn<QStringList>("tabs");
    QTest::addColumn<QString>("name");
    const QStringList states{"Normal", "Hover", "Active", "Current"};
    QTest::newRow("side") << TabStripView::Config::SideTabView << states << "sideTabView";
    QTest::newRow("sub-menu side")
        << TabStripView::Config::SubMenuSideTabView << states << "subMenuSideTabView";
    QTest::newRow("source") << TabStripView::Config::MainTabView << QStringList{"CSS 3", "HTML"}
                            << "mainTabView";
    QTest::newRow("related apps") << TabStripView::Config::RelatedAppTabView
                                  << QStringList{"Developer Tools", "Utilities"}
                                  << "relatedAppTabView";
}

void TestWidgets::tabStrip_tabSets() {
    QFETCH(TabStripView::Config, config);
    QFETCH(QStringList, tabs);
    QFETCH(QString, name);
    TabStripView strip(config);
    QCOMPARE(strip.tabs(), tabs);
    QCOMPARE(strip.objectName(), name);
    QCOMPARE(strip.selectIndex(), -1);
    QCOMPARE(strip.clickAreas().size(), tabs.size());
}

void TestWidgets::tabStrip_clicksAndSelection() {
    TabStripView strip(TabStripView::Config::SideTabView);
    strip.resize(300, 30);
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));
    SelectionRecorder recorder(&strip);

    strip.setSelectIndex(0);
    QCOMPARE(recorder.indexes, QList<int>{0});
    QCOMPARE(recorder.senders, QList<const void*>{&strip});

    QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.clickAreas()[1].center());
    QCOMPARE(strip.selectIndex(), 1);
    QCOMPARE(recorder.indexes, (QList<int>{0, 1}));

    // The selected tab again: nothing is posted.
    QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.clickAreas()[1].center());
    QCOMPARE(recorder.indexes, (QList<int>{0, 1}));
    // Outside every tab: nothing.
    QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(recorder.indexes, (QList<int>{0, 1}));
    QCOMPARE(strip.selectIndex(), 1);

    // setSelectIndex always posts, also with the current index.
    strip.setSelectIndex(1);
    QCOMPARE(recorder.indexes, (QList<int>{0, 1, 1}));
    QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.clickAreas()[2].center());
    QCOMPARE(recorder.indexes, (QList<int>{0, 1, 1, 2}));
    QCOMPARE(recorder.senders.size(), 4);
}

void TestWidgets::tabStrip_keysChooseTabsAsATabBar_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to"); // -1: the selection stays and nothing is posted
    QTest::newRow("right") << 0 << int(Qt::Key_Right) << 1;
    QTest::newRow("left") << 2 << int(Qt::Key_Left) << 1;
    QTest::newRow("left on the first") << 0 << int(Qt::Key_Left) << -1;
    QTest::newRow("right on the last") << 3 << int(Qt::Key_Right) << -1;
    QTest::newRow("end") << 0 << int(Qt::Key_End) << 3;
    QTest::newRow("home") << 3 << int(Qt::Key_Home) << 0;
    QTest::newRow("other keys pass") << 1 << int(Qt::Key_Down) << -1;
}

// With the focus, the strip is a tab bar: arrows, Home and End choose a tab, posting as a
// click does; to assistive technology it is a page tab list of its tabs.
void TestWidgets::tabStrip_keysChooseTabsAsATabBar() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    TabStripView strip(TabStripView::Config::SideTabView);
    strip.resize(300, 30);
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));
    QVERIFY(strip.focusPolicy() & Qt::TabFocus);
    strip.setSelectIndex(from);
    SelectionRecorder recorder(&strip);

    QTest::keyClick(&strip, static_cast<Qt::Key>(key));
    const int selected = to < 0 ? from : to;
    QCOMPARE(strip.selectIndex(), selected);
    QCOMPARE(recorder.indexes, to < 0 ? QList<int>{} : QList<int>{to});

    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&strip);
    QVERIFY(list != nullptr);
    QCOMPARE(list->role(), QAccessible::PageTabList);
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Menu bar state"));
    QCOMPARE(list->childCount(), 4);
    const QStringList titles{QStringLiteral("Normal"), QStringLiteral("Hover"),
                             QStringLiteral("Active"), QStringLiteral("Current")};
    for (int i = 0; i < 4; ++i) {
        QAccessibleInterface* tab = list->child(i);
        QVERIFY(tab != nullptr);
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(tab->text(QAccessible::Name), titles.at(i));
        QCOMPARE(tab->state().selected, i == selected);
        QCOMPARE(tab->parent(), list);
        QCOMPARE(list->indexOfChild(tab), i);
    }
    // A screen reader's press chooses the tab as a click would.
    const int other = (selected + 1) % 4;
    list->child(other)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(strip.selectIndex(), other);
    QCOMPARE(recorder.indexes.last(), other);
}

// A well opens the shared colour window with Space or Enter and reads as a button with its
// colour as value; a padlock toggles with Space and reads as a checked toggle.
void TestWidgets::wellAndLock_keysAndAccessibleDescription() {
    NotificationCenter center;
    QWidget host;
    auto* well = new ColorPickerImageView(center, &host);
    auto* other = new ColorPickerImageView(center, &host);
    auto* lock = new LockImageView(center, &host);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    well->setAccessibleName(QStringLiteral("Border colour"));
    well->setBackgroundColor(Color::fromBytes(0x12, 0x34, 0x56));

    for (QWidget* control : {static_cast<QWidget*>(well), static_cast<QWidget*>(lock)})
        QVERIFY(control->focusPolicy() & Qt::TabFocus);
    QAccessibleInterface* spokenWell = QAccessible::queryAccessibleInterface(well);
    QCOMPARE(spokenWell->role(), QAccessible::Button);
    QCOMPARE(spokenWell->text(QAccessible::Name), QStringLiteral("Border colour"));
    QCOMPARE(spokenWell->text(QAccessible::Value), QStringLiteral("#123456"));
    other->setBackgroundColor(Color::fromBytes(0xff, 0, 0).withAlpha(0.5));
    QCOMPARE(QAccessible::queryAccessibleInterface(other)->text(QAccessible::Value),
             QStringLiteral("#ff0000, 50% opaque"));
    QCOMPARE(QAccessible::queryAccessibleInterface(other)->text(QAccessible::Name),
             QStringLiteral("Colour"));

    QColorDialog* dialog = ColorPickerImageView::sharedColorDialog();
    QTest::keyClick(well, Qt::Key_Space);
    QVERIFY(dialog->isVisible());
    QCOMPARE(ColorPickerImageView::colorDialogTarget(), well);
    QCOMPARE(dialog->currentColor(), QColor(0x12, 0x34, 0x56));
    QTest::keyClick(other, Qt::Key_Return);
    QCOMPARE(ColorPickerImageView::colorDialogTarget(), other);
    spokenWell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(ColorPickerImageView::colorDialogTarget(), well);
    dialog->hide();
    // A switched-off well (a stop not in use) opens nothing.
    other->setEnabled(false);
    QTest::keyClick(other, Qt::Key_Space);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(ColorPickerImageView::colorDialogTarget(), well);

    QSignalSpy changed(lock, &LockImageView::lockChanged);
    QAccessibleInterface* spokenLock = QAccessible::queryAccessibleInterface(lock);
    QVERIFY(spokenLock->state().checkable);
    QVERIFY(spokenLock->state().checked);
    QTest::keyClick(lock, Qt::Key_Space);
    QVERIFY(!lock->isLock());
    QVERIFY(!spokenLock->state().checked);
    spokenLock->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(lock->isLock());
    QCOMPARE(changed.size(), 2);
    QCOMPARE(changed.at(0).at(0).toBool(), false);
    QCOMPARE(changed.at(1).at(0).toBool(), true);
}

void TestWidgets::tabStrip_resizeRecentresClickAreas() {
    TabStripView strip(TabStripView::Config::MainTabView);
    strip.resize(300, 30);
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));
    const qint64 total = strip.totalWidth();
    QVERIFY(total > 0);
    auto check = [&](int width) {
        const auto& areas = strip.clickAreas();
        QCOMPARE(areas.size(), 2);
        const int firstLeft = int((width - total) / 2 - 5);
        QCOMPARE(areas[0].left(), firstLeft);
        QCOMPARE(areas[1].left() + 5, firstLeft + 5 + areas[0].width() - 10 + 16);
        // Centred: as much room on the left of the first tab as on the right of the last.
        const int leftRoom = areas[0].left() + 5;
        const int rightRoom = width - (areas[1].right() + 1 - 5);
        QVERIFY(std::abs(leftRoom - rightRoom) <= 1);
    };
    check(300);
    const QRect before = strip.clickAreas()[1];
    strip.resize(500, 30);
    check(500);
    QCOMPARE(strip.clickAreas()[1].left(), before.left() + 100);
    // A click where the tab now is selects it.
    SelectionRecorder recorder(&strip);
    QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.clickAreas()[1].center());
    QCOMPARE(recorder.indexes, QList<int>{1});
}

struct TestWidgets::SideBarFixture {
    QStringList reloads;
    QHash<QString, StandInPanel*> panels;
    std::unique_ptr<SideBarView> view;

    StandInPanel* make(const char* name, int height) {
        auto* panel = new StandInPanel(QString::fromLatin1(name), height, &reloads);
        panels.insert(panel->objectName(), panel);
        return panel;
    }

    explicit SideBarFixture(const QString& kind) {
        if (kind == QLatin1StringView("main")) {
            MainMenuPanels p;
            p.sizeView = make("size", 101);
            p.backgroundView = make("background", 102);
            p.backgroundHoverView = make("backgroundHover", 103);
            p.backgroundActiveView = make("backgroundActive", 104);
            p.separatorView = make("separator", 105);
            p.dropShadowView = make("dropShadow", 106);
            p.innerShadowView = make("innerShadow", 107);
            p.textView = make("text", 108);
            p.textHoverView = make("textHover", 109);
            p.textActiveView = make("textActive", 110);
            p.textShadow1View = make("textShadow1", 111);
            p.textShadow2View = make("textShadow2", 112);
            view = std::make_unique<SideBarView>(sideBarLayout(p));
        } else if (kind == QLatin1StringView("sub")) {
            SubMenuPanels p;
            p.subMenuSizeView = make("subSize", 51);
            p.subMenuBackgroundView = make("subBackground", 52);
            p.subMenuBackgroundHoverView = make("subBackgroundHover", 53);
            p.subMenuBackgroundActiveView = make("subBackgroundActive", 54);
            p.subMenuTextView = make("subText", 55);
            p.subMenuTextHoverView = make("subTextHover", 56);
            p.subMenuTextActiveView = make("subTextActive", 57);
            view = std::make_unique<SideBarView>(subMenuSideBarLayout(p));
        } else {
            QuickPanels p;
            p.quickModeGeneralView = make("general", 81);
            p.quickModeNormalView = make("normal", 82);
            p.quickModeHoverView = make("hover", 83);
            p.quickModeActiveView = make("active", 84);
            view = std::make_unique<SideBarView>(quickSideBarLayout(p));
        }
        view->resize(260, 400);
    }

    QStringList shown() const {
        QStringList names;
        for (QWidget* panel : view->container()->shownPanels())
            names.append(panel->objectName());
        return names;
    }
};

void TestWidgets::sideBar_pages_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("tab"); // -1: as built
    QTest::addColumn<QStringList>("expected");
    const QStringList mainNormal{"size",        "background", "separator",   "dropShadow",
                                 "innerShadow", "text",       "textShadow1", "textShadow2"};
    QTest::newRow("main, as built") << "main" << -1 << mainNormal;
    QTest::newRow("main, Hover") << "main" << 1 << QStringList{"backgroundHover", "textHover"};
    QTest::newRow("main, Active") << "main" << 2 << QStringList{"backgroundActive", "textActive"};
    QTest::newRow("main, Normal") << "main" << 0 << mainNormal;
    QTest::newRow("sub, as built")
        << "sub" << -1 << QStringList{"subSize", "subBackground", "subText"};
    QTest::newRow("sub, Hover") << "sub" << 1 << QStringList{"subBackgroundHover", "subTextHover"};
    QTest::newRow("sub, Active") << "sub" << 2
                                 << QStringList{"subBackgroundActive", "subTextActive"};
    QTest::newRow("quick") << "quick" << -1 << QStringList{"general", "normal", "hover", "active"};
}

void TestWidgets::sideBar_pages() {
    QFETCH(QString, kind);
    QFETCH(int, tab);
    QFETCH(QStringList, expected);
    SideBarFixture fixture(kind);
    fixture.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.view.get()));
    SideBarContainer* container = fixture.view->container();
    if (tab >= 0) {
        TabStripView* strip = fixture.view->tabStrip();
        QVERIFY(strip);
        // The tab is clicked like a user would, unless it is already selected.
        if (strip->selectIndex() == tab)
            strip->setSelectIndex(tab);
        else
            QTest::mouseClick(strip, Qt::LeftButton, {}, strip->clickAreas()[tab].center());
    }
    QCOMPARE(fixture.shown(), expected);

    int top = 0;
    for (const QString& name : expected) {
        StandInPanel* panel = fixture.panels.value(name);
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->geometry(), QRect(0, top, container->width(), panel->height()));
        top += panel->height();
    }
    QCOMPARE(container->height(), top);
    int visible = 0;
    for (StandInPanel* panel : std::as_const(fixture.panels))
        visible += panel->isVisible() ? 1 : 0;
    QCOMPARE(visible, expected.size());
    // Width follows the side bar.
    fixture.view->resize(300, 400);
    QCOMPARE(fixture.panels.value(expected.first())->width(), container->width());
}

void TestWidgets::sideBar_reloadOrder_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("atCreation");
    QTest::addColumn<QStringList>("onReload");
    QTest::newRow("main") << "main" << QStringList{}
                          << QStringList{
                                 "size",      "background", "backgroundHover", "backgroundActive",
                                 "separator", "dropShadow", "innerShadow",     "text",
                                 "textHover", "textActive", "textShadow1",     "textShadow2"};
    QTest::newRow("sub")
        << "sub" << QStringList{}
        << QStringList{"subSize", "subBackground", "subBackgroundHover", "subBackgroundActive",
                       "subText", "subTextHover",  "subTextActive"};
    QTest::newRow("quick") << "quick" << QStringList{"general", "normal", "hover", "active"}
                           << QStringList{"general", "normal", "hover", "active"};
}

void TestWidgets::sideBar_reloadOrder() {
    QFETCH(QString, kind);
    QFETCH(QStringList, atCreation);
    QFETCH(QStringList, onReload);
    SideBarFixture fixture(kind);
    QCOMPARE(fixture.reloads, atCreation);
    fixture.reloads.clear();
    fixture.view->container()->reloadData();
    QCOMPARE(fixture.reloads, onReload);
}

void TestWidgets::sideBar_showFirstPageReturnsToNormal() {
    SideBarFixture fixture(QStringLiteral("main"));
    TabStripView* strip = fixture.view->tabStrip();
    strip->setSelectIndex(2);
    QCOMPARE(fixture.shown(), (QStringList{"backgroundActive", "textActive"}));
    SelectionRecorder recorder(strip);
    fixture.view->container()->showFirstPage();
    QCOMPARE(strip->selectIndex(), 0);
    QCOMPARE(recorder.indexes, QList<int>{0});
    QCOMPARE(fixture.shown().size(), 8);
    QCOMPARE(fixture.view->container()->currentPage(), 0);
}

void TestWidgets::sideBar_ignoresOtherStrips() {
    SideBarFixture main(QStringLiteral("main"));
    SideBarFixture sub(QStringLiteral("sub"));
    TabStripView source(TabStripView::Config::MainTabView);
    sub.view->tabStrip()->setSelectIndex(1);
    source.setSelectIndex(1);
    QCOMPARE(main.view->container()->currentPage(), 0);
    QCOMPARE(sub.view->container()->currentPage(), 1);
    // Any index other than 0 and 1 shows the active page.
    main.view->tabStrip()->setSelectIndex(7);
    QCOMPARE(main.shown(), (QStringList{"backgroundActive", "textActive"}));
}

void TestWidgets::webLabel_address_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address");
    QTest::newRow("no scheme") << "www.gimp.org"
                               << "http://www.gimp.org";
    QTest::newRow("http") << "http://inkscape.org/"
                          << "http://inkscape.org/";
    QTest::newRow("upper-case scheme") << "HTTP://example.org"
                                       << "http://example.org";
    QTest::newRow("https stays secure") << "https://example.org/a"
                                        << "https://example.org/a";
    QTest::newRow("surrounding spaces") << "  example.org "
                                        << "http://example.org";
}

void TestWidgets::webLabel_address() {
    QFETCH(QString, text);
    QFETCH(QString, address);
    QCOMPARE(WebLabel::addressForText(text), QUrl(address));
}

void TestWidgets::webLabel_hoverAndClick() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    WebLabel label(QStringLiteral("example.org"));
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    QVERIFY(!label.isUnderlined());
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&label, &enter);
    QVERIFY(label.isUnderlined());
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
    QApplication::sendEvent(&label, &leave);
    QVERIFY(!label.isUnderlined());
    QCOMPARE(label.cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(&label, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl(QStringLiteral("http://example.org"))});
}

void TestWidgets::relatedApps_categories() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QWidget window;
    window.resize(600, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    RelatedAppsSheet sheet(&window);
    QCOMPARE(sheet.windowModality(), Qt::WindowModal);
    sheet.open();
    QVERIFY(sheet.isVisible());
    QCOMPARE(sheet.relatedAppTabView()->selectIndex(), 0);
    QCOMPARE(sheet.shownCategory(), RelatedApplication::Category::DeveloperTools);

    const auto& apps = RelatedAppsSheet::relatedApplications();
    QCOMPARE(apps.size(), 7);
    int developerTools = 0;
    for (const auto& app : apps) {
        QCOMPARE(app.homepage.scheme(), QStringLiteral("https"));
        QVERIFY(!app.name.isEmpty() && !app.description.isEmpty());
        developerTools += app.category == RelatedApplication::Category::DeveloperTools ? 1 : 0;
    }
    QVERIFY(developerTools > 0 && developerTools < apps.size());

    TabStripView* strip = sheet.relatedAppTabView();
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->clickAreas()[1].center());
    QCOMPARE(sheet.shownCategory(), RelatedApplication::Category::Utilities);
    strip->setSelectIndex(5);
    QCOMPARE(sheet.shownCategory(), RelatedApplication::Category::DeveloperTools);

    // Each listed application has a button that opens its home page.
    const auto buttons = sheet.findChildren<QCommandLinkButton*>();
    QCOMPARE(buttons.size(), apps.size());
    for (QCommandLinkButton* button : buttons)
        button->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.urls.size(), apps.size());
    for (const auto& app : apps)
        QVERIFY(catcher.urls.contains(app.homepage));

    sheet.closeWindow();
    QVERIFY(!sheet.isVisible());
}

void TestWidgets::about_isWindowModalAndShowsVersion() {
    QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    AboutSheet about(&window);
    about.open();
    QVERIFY(about.isVisible());
    QCOMPARE(about.windowModality(), Qt::WindowModal);
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>())
        texts.append(label->text());
    QVERIFY2(texts.contains(QStringLiteral("Version 9.8.7")), qPrintable(texts.join(u'|')));
    QVERIFY(texts.contains(QStringLiteral("Released under the MIT License.")));
    about.closeWindow();
    QVERIFY(!about.isVisible());
}

void TestWidgets::recentMenu_choices() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString kept = dir.filePath(QStringLiteral("kept & sound.brindleprj"));
    const QString gone = dir.filePath(QStringLiteral("gone.brindleprj"));
    for (const QString& path : {kept, gone}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QList<QByteArray> list;
    RecentProjects recent(list);
    QVERIFY(recent.addItemToRecentList(gone));
    QVERIFY(recent.addItemToRecentList(kept));

    QMenu submenu;
    RecentProjectsMenu menu(&submenu);
    QVERIFY(!submenu.menuAction()->isEnabled());
    menu.rebuild(recent.loadRecentList());
    QVERIFY(submenu.menuAction()->isEnabled());
    const auto actions = submenu.actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[0]->text(), QStringLiteral("kept && sound.brindleprj"));
    QCOMPARE(actions[1]->text(), QStringLiteral("gone.brindleprj"));

    QSignalSpy chosen(&menu, &RecentProjectsMenu::projectChosen);
    QSignalSpy unavailable(&menu, &RecentProjectsMenu::entryUnavailable);
    actions[0]->trigger();
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen[0][0].toString(), QFileInfo(kept).absoluteFilePath());

    QVERIFY(QFile::remove(gone));
    actions[1]->trigger();
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(unavailable.size(), 1);
    QCOMPARE(unavailable[0][1].toString(), QStringLiteral("gone.brindleprj"));
    QVERIFY(recent.removeBookmark(unavailable[0][0].toByteArray()));
    menu.rebuild(recent.loadRecentList());
    QCOMPARE(submenu.actions().size(), 1);

    menu.rebuild({});
    QVERIFY(submenu.actions().isEmpty());
    QVERIFY(!submenu.menuAction()->isEnabled());
}

void TestWidgets::sourceArea_switch_data() {
    QTest::addColumn<QString>("strip");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");
    QTest::newRow("index 0") << "main" << 0 << "css3TextView";
    QTest::newRow("index 1") << "main" << 1 << "htmlTextView";
    QTest::newRow("any other index") << "main" << 4 << "htmlTextView";
    QTest::newRow("negative index") << "main" << -1 << "htmlTextView";
    QTest::newRow("side-bar strip") << "side" << 1 << "css3TextView";
}

void TestWidgets::sourceArea_switch() {
    QFETCH(QString, strip);
    QFETCH(int, index);
    QFETCH(QString, shown);
    SourceCodeArea area;
    area.mainTabView()->setSelectIndex(0);
    QCOMPARE(area.shownSourceView(), area.css3TextView());
    TabStripView sideStrip(TabStripView::Config::SideTabView);
    if (strip == QLatin1StringView("main"))
        area.mainTabView()->setSelectIndex(index);
    else
        sideStrip.setSelectIndex(index);
    QCOMPARE(area.shownSourceView()->objectName(), shown);
    // Both views carry a gutter.
    QCOMPARE(area.css3TextView()->verticalRuler(), area.css3LineNumberView());
    QCOMPARE(area.htmlTextView()->verticalRuler(), area.htmlLineNumberView());
}

namespace {

struct ModesFixture {
    QWidget area;
    QList<QWidget*> views;
    QStringList refreshed;
    WorkspaceModes modes{&area};

    ModesFixture() {
        const QStringList names{"menuStructureView", "quickSideBarView", "sideBarView",
                                "subMenuSideBarView"};
        for (int i = 0; i < WorkspaceModes::kModeCount; ++i) {
            auto* view = new QWidget;
            view->setObjectName(names[i]);
            views.append(view);
            modes.setModeView(static_cast<WorkspaceModes::Mode>(i), view,
                              [this, name = names[i]] { refreshed.append(name); });
        }
        area.resize(300, 500);
        area.show();
    }

    QStringList shownViews() const {
        QStringList shown;
        for (QWidget* view : views) {
            if (view->isVisible())
                shown.append(view->objectName());
        }
        return shown;
    }
};

} // namespace

void TestWidgets::workspaceModes_switch_data() {
    QTest::addColumn<QList<int>>("modes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("menu structure") << QList<int>{0} << "menuStructureView";
    QTest::newRow("quick") << QList<int>{0, 1} << "quickSideBarView";
    QTest::newRow("main menu twice") << QList<int>{2, 2} << "sideBarView";
    QTest::newRow("sub-menu after main menu") << QList<int>{2, 3} << "subMenuSideBarView";
    QTest::newRow("round trip") << QList<int>{0, 1, 2, 3, 0} << "menuStructureView";
}

void TestWidgets::workspaceModes_switch() {
    QFETCH(QList<int>, modes);
    QFETCH(QString, shown);
    ModesFixture fixture;
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.area));
    for (int mode : modes)
        fixture.modes.showMode(static_cast<WorkspaceModes::Mode>(mode));
    QCOMPARE(fixture.area.layout()->count(), 1);
    QCOMPARE(fixture.modes.currentModeView()->objectName(), shown);
    QCOMPARE(fixture.shownViews(), QStringList{shown});
    QCOMPARE(fixture.refreshed.size(), modes.size());
    QCOMPARE(fixture.refreshed.last(), shown);
    QCOMPARE(fixture.modes.currentModeView()->geometry(), fixture.area.rect());
    // Exactly one action checked: the shown mode's.
    int checked = 0;
    for (QAction* action : fixture.modes.actionGroup()->actions())
        checked += action->isChecked() ? 1 : 0;
    QCOMPARE(checked, 1);
    QVERIFY(fixture.modes.action(static_cast<WorkspaceModes::Mode>(modes.last()))->isChecked());
}

void TestWidgets::workspaceModes_refreshRules() {
    SideBarFixture main(QStringLiteral("main"));
    SideBarFixture sub(QStringLiteral("sub"));
    auto* menuStructure = new QWidget;
    QWidget area;
    WorkspaceModes modes(&area);
    QCOMPARE(modes.action(WorkspaceModes::Mode::MenuStructure)->objectName(),
             QStringLiteral("menuStructure"));
    QVERIFY(modes.actionGroup()->isExclusive());
    QVERIFY(!modes.action(WorkspaceModes::Mode::Quick)->isEnabled());
    modes.setModeView(WorkspaceModes::Mode::MenuStructure, menuStructure);
    // The area takes the views over and deletes them.
    auto* mainView = main.view.release();
    SideBarContainer* mainContainer = mainView->container();
    modes.setModeView(WorkspaceModes::Mode::MainMenu, mainView, mainMenuModeRefresh(mainContainer));
    auto* subView = sub.view.release();
    modes.setModeView(WorkspaceModes::Mode::SubMenu, subView,
                      subMenuModeRefresh(subView->container(),
                                         sub.panels.value(QStringLiteral("subBackground"))));

    // Main menu: back to "Normal" with every panel refilled, in the reload order.
    mainContainer->tabStrip()->setSelectIndex(1);
    modes.action(WorkspaceModes::Mode::MainMenu)->trigger();
    QCOMPARE(mainContainer->tabStrip()->selectIndex(), 0);
    QCOMPARE(mainContainer->currentPage(), 0);
    QCOMPARE(main.reloads.size(), 12);
    QCOMPARE(main.reloads.first(), QStringLiteral("size"));
    QCOMPARE(main.reloads.last(), QStringLiteral("textShadow2"));

    // Sub-menu: only the normal background panel is refilled, and the first page shown.
    subView->tabStrip()->setSelectIndex(2);
    modes.action(WorkspaceModes::Mode::SubMenu)->trigger();
    QCOMPARE(sub.reloads, QStringList{"subBackground"});
    QCOMPARE(subView->tabStrip()->selectIndex(), 0);
    QCOMPARE(subView->container()->currentPage(), 0);
    QCOMPARE(modes.currentModeView(), subView);

    // Menu structure refreshes nothing.
    main.reloads.clear();
    sub.reloads.clear();
    modes.action(WorkspaceModes::Mode::MenuStructure)->trigger();
    QVERIFY(main.reloads.isEmpty() && sub.reloads.isEmpty());
    QCOMPARE(modes.currentModeView(), menuStructure);
    QCOMPARE(area.layout()->count(), 1);
}

void TestWidgets::windowState_restoredAfterClose() {
    QSettings(QStringLiteral("Brindle"), QStringLiteral("Brindle"))
        .remove(QStringLiteral("testWindow"));
    QList<int> sizes;
    {
        QWidget window;
        auto* splitter = new QSplitter(&window);
        splitter->setObjectName(QStringLiteral("mainSplitter"));
        splitter->addWidget(new QWidget);
        splitter->addWidget(new QWidget);
        window.resize(640, 480);
        WindowStateKeeper keeper(&window, {splitter}, QStringLiteral("testWindow"));
        QVERIFY(!keeper.restore());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        splitter->resize(600, 400);
        splitter->setSizes({150, 450});
        sizes = splitter->sizes();
        window.close();
    }
    QWidget window;
    auto* splitter = new QSplitter(&window);
    splitter->setObjectName(QStringLiteral("mainSplitter"));
    splitter->addWidget(new QWidget);
    splitter->addWidget(new QWidget);
    splitter->resize(600, 400);
    WindowStateKeeper keeper(&window, {splitter}, QStringLiteral("testWindow"));
    QCOMPARE(window.size(), QSize(640, 480));
    QCOMPARE(splitter->sizes(), sizes);
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
