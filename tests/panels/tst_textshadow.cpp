#include "tst_textshadow.h"

#include "PanelTestSupport.h"
#include "panels/ShadowView.h"
#include "panels/TextView.h"
#include "widgets/ColorPickerImageView.h"
#include "widgets/Stepper.h"
#include "widgets/TitleBarView.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QScopeGuard>
#include <QTest>
#include <QWheelEvent>

#include <clocale>

using namespace brindle;

namespace {

Setting settingNamed(const QString& name) {
    const int index = settingIndexOfName(name);
    Q_ASSERT(index >= 0);
    return static_cast<Setting>(index);
}

// Picks an item the way a user does: open the list, click the item.
void chooseItem(QComboBox* box, int index) {
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QRect item = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
}

} // namespace

void TextAndShadowTest::fontFamily_choiceStoresTheEntryText() {
    PanelFixture f;
    auto* popUp = f.panels.textViewContainer->fontFamilyPopUpButton();
    QCOMPARE(popUp->count(), 13);
    QCOMPARE(popUp->currentIndex(), 0);
    QCOMPARE(f.panels.textViewContainer->titleBarView()->text(), QStringLiteral("Main Menu Text"));
    const auto before = snapshot(f.data);
    PostRecorder posts(f.center);

    chooseItem(popUp, 2);

    QCOMPARE(f.data.mainMenufontFamily(), QStringLiteral("\"Comic Sans MS\", cursive, sans-serif"));
    QCOMPARE(posts.names(), QStringList{QStringLiteral("MainMenuFontFamilyDataUpdated")});
    QCOMPARE(posts.senders().first(), static_cast<const void*>(f.panels.textViewContainer));
    QCOMPARE(changedSettings(before, f.data), QStringList{QStringLiteral("mainMenufontFamily")});
}

// Scrolling the side bar over a pop-up must not choose for the user.
void TextAndShadowTest::fontFamily_wheelChangesItOnlyWithFocus() {
    PanelFixture f;
    auto* popUp = f.panels.textViewContainer->fontFamilyPopUpButton();
    const auto turnWheel = [popUp] {
        const QPointF at(popUp->width() / 2.0, popUp->height() / 2.0);
        QWheelEvent wheel(at, popUp->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(popUp, &wheel);
    };
    const QString before = f.data.mainMenufontFamily();
    turnWheel();
    QCOMPARE(popUp->currentIndex(), 0);
    QCOMPARE(f.data.mainMenufontFamily(), before);

    QWidget* window = popUp->window();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    popUp->setFocus();
    QVERIFY(popUp->hasFocus());
    turnWheel();
    QCOMPARE(popUp->currentIndex(), 1);
    QVERIFY(f.data.mainMenufontFamily() != before);
}

void TextAndShadowTest::fontFamily_reloadMatchesLetterCaseExactly_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("shown"); // the list's entry, or -1: shown as the design's own, last
    QTest::newRow("exact entry") << "Georgia, serif" << 8;
    QTest::newRow("letter case differs") << "georgia, serif" << -1;
    QTest::newRow("not in the list") << "Papyrus, fantasy" << -1;
}

void TextAndShadowTest::fontFamily_reloadMatchesLetterCaseExactly() {
    QFETCH(QString, stored);
    QFETCH(int, shown);
    PanelFixture f;
    f.data.setMainMenufontFamily(stored);
    PostRecorder posts(f.center);
    f.panels.textViewContainer->reloadData();
    QComboBox* popUp = f.panels.textViewContainer->fontFamilyPopUpButton();
    const int choices = int(GlobalData::defaultFontStacks().size());
    // Never an empty box: a font of the design's own is one more entry, last.
    QCOMPARE(popUp->currentIndex(), shown >= 0 ? shown : choices);
    QCOMPARE(popUp->currentText(), stored);
    QCOMPARE(popUp->count(), shown >= 0 ? choices : choices + 1);
    QCOMPARE(f.panels.textViewContainer->getFontFamilyIndex(stored), shown);
    // The stored text stays, whatever the pop-up shows.
    QCOMPARE(f.data.mainMenufontFamily(), stored);
    QCOMPARE(posts.names(), QStringList{QStringLiteral("MainMenuFontColorDataUpdated")});
    // Back to a listed font: the extra entry goes.
    f.data.setMainMenufontFamily(GlobalData::defaultFontStacks().first());
    f.panels.textViewContainer->reloadData();
    QCOMPARE(popUp->count(), choices);
    QCOMPARE(popUp->currentIndex(), 0);
}

void TextAndShadowTest::fontSize_isClampedAndAnnounced() {
    PanelFixture f;
    auto* field =
        f.panels.textViewContainer->findChild<QLineEdit*>(QStringLiteral("fontSizeTextField"));
    QVERIFY(field != nullptr);
    PostRecorder posts(f.center);
    typeInto(field, QStringLiteral("200"));
    QCOMPARE(f.data.mainMenufontSize(), 72);
    QCOMPARE(field->text(), QStringLiteral("72"));
    typeInto(field, QStringLiteral("1"));
    QCOMPARE(f.data.mainMenufontSize(), 6);
    QCOMPARE(posts.names(), QStringList(2, QStringLiteral("MainMenuFontSizeDataUpdated")));
}

void TextAndShadowTest::textColourPanels_writeOnlyTheirColour_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("notification");

    QTest::newRow("main normal") << "textViewContainer"
                                 << "Main Menu Text"
                                 << "mainMenufontColor"
                                 << "MainMenuFontColorDataUpdated";
    QTest::newRow("main hover") << "textHoverViewContainer"
                                << "Main Menu Text"
                                << "mainMenufontColorHover"
                                << "MainMenuFontColorHoverDataUpdated";
    QTest::newRow("main active") << "textActiveViewContainer"
                                 << "Main Menu Text"
                                 << "mainMenufontColorActive"
                                 << "MainMenuFontColorActiveDataUpdated";
    QTest::newRow("sub normal") << "subMenuTextViewContainer"
                                << "Sub Menu Text"
                                << "subMenufontColor"
                                << "SubMenuFontColorDataUpdated";
    QTest::newRow("sub hover") << "subMenuTextHoverViewContainer"
                               << "Sub Menu Text"
                               << "subMenufontColorHover"
                               << "SubMenuFontColorHoverDataUpdated";
    QTest::newRow("sub active") << "subMenuTextActiveViewContainer"
                                << "Sub Menu Text"
                                << "subMenufontColorActive"
                                << "SubMenuFontColorActiveDataUpdated";
}

void TextAndShadowTest::textColourPanels_writeOnlyTheirColour() {
    QFETCH(QString, panel);
    QFETCH(QString, title);
    QFETCH(QString, setting);
    QFETCH(QString, notification);

    PanelFixture f;
    StylePanel* target = f.panel(panel);
    QCOMPARE(target->titleBarView()->text(), title);
    auto* well = target->findChild<ColorPickerImageView*>(QStringLiteral("textColorImage"));
    QVERIFY(well != nullptr);
    QVERIFY(well->backgroundColor() == f.data.colorValue(settingNamed(setting)));

    const auto before = snapshot(f.data);
    PostRecorder posts(f.center);
    const Color picked = Color::fromBytes(1, 2, 3);
    well->setBackgroundColor(picked);
    QCOMPARE(changedSettings(before, f.data), QStringList{setting});
    QVERIFY(f.data.colorValue(settingNamed(setting)) == picked);
    QCOMPARE(posts.names(), QStringList{notification});

    posts.clear();
    target->reloadData();
    QCOMPARE(posts.names(), QStringList{notification});
}

void TextAndShadowTest::separator_choiceAndReload() {
    PanelFixture f;
    SeparatorView* view = f.panels.separatorViewContainer;
    QCOMPARE(view->titleBarView()->text(), QStringLiteral("Separator"));
    QComboBox* box = view->showSeparatorComboBox();
    QCOMPARE(box->count(), 2);
    QCOMPARE(box->itemText(0), QStringLiteral("Show"));
    QCOMPARE(box->itemText(1), QStringLiteral("Hide"));
    QCOMPARE(box->currentIndex(), 0);

    PostRecorder posts(f.center);
    chooseItem(box, 1);
    QCOMPARE(f.data.showSeparator(), false);
    QCOMPARE(posts.names(), QStringList{QStringLiteral("ShowSeparatorDataUpdated")});

    posts.clear();
    f.data.setShowSeparator(true);
    view->reloadData();
    QCOMPARE(box->currentIndex(), 0);
    QCOMPARE(posts.names(), QStringList()); // no well, nothing posted
}

void TextAndShadowTest::shadowPanels_writeTheirOwnSettings_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("settingPrefix");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("notification");

    QTest::newRow("drop") << "dropShadowViewContainer"
                          << "dropShadow"
                          << "dropShadow"
                          << "Drop Shadow"
                          << "DropAndInnerShadowDataUpdated";
    QTest::newRow("inner") << "innerShadowViewContainer"
                           << "innerShadow"
                           << "innerShadow"
                           << "Inner Shadow"
                           << "DropAndInnerShadowDataUpdated";
    QTest::newRow("text 1") << "textShadow1ViewContainer"
                            << "textShadow1"
                            << "mainMenuTextShadow1"
                            << "Text Shadow 1"
                            << "TextShadow1DataUpdated";
    QTest::newRow("text 2") << "textShadow2ViewContainer"
                            << "textShadow2"
                            << "mainMenuTextShadow2"
                            << "Text Shadow 2"
                            << "TextShadow2DataUpdated";
}

void TextAndShadowTest::shadowPanels_writeTheirOwnSettings() {
    QFETCH(QString, panel);
    QFETCH(QString, prefix);
    QFETCH(QString, settingPrefix);
    QFETCH(QString, title);
    QFETCH(QString, notification);

    PanelFixture f;
    StylePanel* target = f.panel(panel);
    QCOMPARE(target->titleBarView()->text(), title);

    {
        auto* well =
            target->findChild<ColorPickerImageView*>(prefix + QStringLiteral("ColorImage"));
        QVERIFY(well != nullptr);
        const auto before = snapshot(f.data);
        PostRecorder posts(f.center);
        well->setBackgroundColor(Color::fromBytes(9, 8, 7));
        QCOMPARE(changedSettings(before, f.data), QStringList{settingPrefix + "Color"});
        QCOMPARE(posts.names(), QStringList{notification});
    }
    const QStringList integers = {"XPos", "YPos", "Size"};
    for (const QString& part : integers) {
        auto* field = target->findChild<QLineEdit*>(prefix + part + QStringLiteral("TextField"));
        QVERIFY(field != nullptr);
        const auto before = snapshot(f.data);
        PostRecorder posts(f.center);
        typeInto(field, QStringLiteral("4"));
        QCOMPARE(changedSettings(before, f.data), QStringList{settingPrefix + part});
        QCOMPARE(f.data.integerValue(settingNamed(settingPrefix + part)), 4);
        QCOMPARE(posts.names(), QStringList{notification});
    }
    {
        auto* field = target->findChild<QLineEdit*>(prefix + QStringLiteral("OpacityTextField"));
        QVERIFY(field != nullptr);
        const auto before = snapshot(f.data);
        PostRecorder posts(f.center);
        typeInto(field, QStringLiteral("0.3"));
        QCOMPARE(changedSettings(before, f.data), QStringList{settingPrefix + "Opacity"});
        // Single precision, widened.
        QCOMPARE(f.data.doubleValue(settingNamed(settingPrefix + "Opacity")), double(0.3f));
        QCOMPARE(posts.names(), QStringList{notification});
    }
}

void TextAndShadowTest::shadowOpacity_typedIsClampedAndShownInTenths_data() {
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("above one") << QByteArray("C") << "1.5" << 1.0 << "1";
    QTest::newRow("half") << QByteArray("C") << "0.5" << 0.5 << "0.5";
    QTest::newRow("half without the zero") << QByteArray("C") << ".5" << 0.5 << "0.5";
    QTest::newRow("shown as stored") << QByteArray("C") << "0.55" << double(0.6f) << "0.6";
    // Typed key by key, the comma is refused, leaving "05", which clamps to 1.
    QTest::newRow("comma where the locale has none") << QByteArray("C") << "0,5" << 1.0 << "1";
    QTest::newRow("German comma") << QByteArray("de_DE.UTF-8") << "0,5" << 0.5 << "0.5";
    QTest::newRow("German point") << QByteArray("de_DE.UTF-8") << "0.5" << 0.5 << "0.5";
    QTest::newRow("French comma, no zero")
        << QByteArray("fr_FR.UTF-8") << ",3" << double(0.3f) << "0.3";
}

void TextAndShadowTest::shadowOpacity_typedIsClampedAndShownInTenths() {
    QFETCH(QByteArray, locale);
    QFETCH(QString, typed);
    QFETCH(double, stored);
    QFETCH(QString, shown);
    // The user's locale, for Qt and for the C library alike.
    const QByteArray previous = std::setlocale(LC_ALL, nullptr);
    const auto restore = qScopeGuard([&previous] {
        std::setlocale(LC_ALL, previous.constData());
        QLocale::setDefault(QLocale::system());
    });
    QVERIFY2(std::setlocale(LC_ALL, locale.constData()), "scripts/setup.sh generates the locale");
    QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
    PanelFixture f;
    auto* field = f.panels.dropShadowViewContainer->findChild<QLineEdit*>(
        QStringLiteral("dropShadowOpacityTextField"));
    PostRecorder posts(f.center);
    typeInto(field, typed);
    QCOMPARE(f.data.dropShadowOpacity(), stored);
    QCOMPARE(field->text(), shown);
    QCOMPARE(posts.names(), QStringList{QStringLiteral("DropAndInnerShadowDataUpdated")});
}

void TextAndShadowTest::shadowFields_takeAMinusOnlyWhereTheRangeHasNegatives_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key"); // the key that ends the entry
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("posts");
    QTest::newRow("minus seven, Tab") << "dropShadowXPos"
                                      << "-7" << int(Qt::Key_Tab) << qint64(-7) << "-7" << 1;
    QTest::newRow("minus sixty, Return")
        << "dropShadowYPos"
        << "-60" << int(Qt::Key_Return) << qint64(-50) << "-50" << 1;
    QTest::newRow("lone minus, Return") << "dropShadowXPos"
                                        << "-" << int(Qt::Key_Return) << qint64(3) << "-" << 0;
    // Leaving the field with only a minus keeps the value and shows it again.
    QTest::newRow("lone minus, Tab") << "dropShadowXPos"
                                     << "-" << int(Qt::Key_Tab) << qint64(3) << "3" << 0;
    // The size cannot be negative: the minus is refused and "7" is what was typed.
    QTest::newRow("minus refused by size") << "dropShadowSize"
                                           << "-7" << int(Qt::Key_Return) << qint64(7) << "7" << 1;
}

void TextAndShadowTest::shadowFields_takeAMinusOnlyWhereTheRangeHasNegatives() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(qint64, stored);
    QFETCH(QString, shown);
    QFETCH(int, posts);
    PanelFixture f;
    const Setting setting = settingNamed(field);
    f.data.setValue(setting, qint64(3));
    f.panels.dropShadowViewContainer->reloadData();
    auto* lineEdit = f.panels.dropShadowViewContainer->findChild<QLineEdit*>(
        field + QStringLiteral("TextField"));
    QVERIFY(lineEdit != nullptr);
    f.host->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.host.get()));
    lineEdit->setFocus();
    lineEdit->selectAll();
    PostRecorder recorder(f.center);
    QTest::keyClick(lineEdit, Qt::Key_Backspace);
    QTest::keyClicks(lineEdit, typed);
    QTest::keyClick(lineEdit, Qt::Key(key));
    QCOMPARE(lineEdit->hasFocus(), key != int(Qt::Key_Tab));
    QCOMPARE(f.data.integerValue(setting), stored);
    QCOMPARE(lineEdit->text(), shown);
    QCOMPARE(recorder.names().size(), posts);
}

void TextAndShadowTest::shadowOpacity_stepsInTenthsUpToOne() {
    PanelFixture f;
    f.data.setInnerShadowOpacity(double(0.9f));
    f.panels.innerShadowViewContainer->reloadData();
    auto* field = f.panels.innerShadowViewContainer->findChild<QLineEdit*>(
        QStringLiteral("innerShadowOpacityTextField"));
    auto* stepper = f.panels.innerShadowViewContainer->findChild<Stepper*>(
        QStringLiteral("innerShadowOpacityStepper"));
    QCOMPARE(field->text(), QStringLiteral("0.9"));
    QCOMPARE(stepper->minimum(), 0.0);
    QCOMPARE(stepper->maximum(), 1.0);
    QCOMPARE(stepper->increment(), 0.1);

    PostRecorder posts(f.center);
    clickStepper(stepper, true);
    QCOMPARE(f.data.innerShadowOpacity(), 1.0);
    QCOMPARE(field->text(), QStringLiteral("1"));
    clickStepper(stepper, true); // at the maximum it stays there
    QCOMPARE(f.data.innerShadowOpacity(), 1.0);
    QCOMPARE(posts.names(), QStringList(2, QStringLiteral("DropAndInnerShadowDataUpdated")));
}

void TextAndShadowTest::shadowOffset_allowsNegativeValuesByStepper() {
    PanelFixture f;
    auto* stepper = f.panels.textShadow1ViewContainer->findChild<Stepper*>(
        QStringLiteral("textShadow1YPosStepper"));
    auto* field = f.panels.textShadow1ViewContainer->findChild<QLineEdit*>(
        QStringLiteral("textShadow1YPosTextField"));
    clickStepper(stepper, false);
    QCOMPARE(f.data.mainMenuTextShadow1YPos(), -1);
    QCOMPARE(field->text(), QStringLiteral("-1"));
    // A whole negative number entered at once is taken and clamped.
    field->selectAll();
    field->insert(QStringLiteral("-80"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(f.data.mainMenuTextShadow1YPos(), -50);
    QCOMPARE(field->text(), QStringLiteral("-50"));
}

void TextAndShadowTest::setUp_onlySecondTextShadowPosts() {
    GlobalData data;
    NotificationCenter center;
    PostRecorder posts(center);
    QWidget host;
    StylePanels panels = createStylePanels(&host, data, center, PanelSetUp::Defer);
    const auto before = snapshot(data);
    panels.setUpAll();
    QCOMPARE(posts.names(), QStringList{QStringLiteral("TextShadow2DataUpdated")});
    QCOMPARE(posts.senders().first(), static_cast<const void*>(panels.textShadow2ViewContainer));
    QCOMPARE(changedSettings(before, data), QStringList());

    // Later reloads post through the well of each of them.
    for (StylePanel* panel : {static_cast<StylePanel*>(panels.dropShadowViewContainer),
                              static_cast<StylePanel*>(panels.innerShadowViewContainer),
                              static_cast<StylePanel*>(panels.textShadow1ViewContainer),
                              static_cast<StylePanel*>(panels.textShadow2ViewContainer)}) {
        posts.clear();
        panel->reloadData();
        QCOMPARE(posts.names().size(), 1);
    }
}
