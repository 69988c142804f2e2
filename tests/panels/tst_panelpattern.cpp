#include "tst_panelpattern.h"

#include "PanelTestSupport.h"
#include "panels/BackgroundView.h"
#include "panels/Formatters.h"
#include "panels/SizeView.h"
#include "widgets/ColorPickerImageView.h"
#include "widgets/LockImageView.h"
#include "widgets/Stepper.h"
#include "widgets/TitleBarView.h"

#include <QAccessible>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace brindle;

namespace {

Color byteColor(int r, int g, int b) {
    return Color::fromBytes(r, g, b);
}

// Restores PATH when a test has replaced it.
struct PathGuard {
    QByteArray saved = qgetenv("PATH");
    ~PathGuard() { qputenv("PATH", saved); }
};

} // namespace

void PanelPatternTest::initTestCase() {
    PanelFixture fixture;
    QCOMPARE(fixture.panels.all().size(), fixture.panels.namedPanels().size());
    for (StylePanel* panel : fixture.panels.all()) {
        QVERIFY(panel != nullptr);
        QCOMPARE(panel->parentWidget(), fixture.host.get());
    }
}

void PanelPatternTest::formatter_decidesEachText_data() {
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<bool>("negatives"); // the field's range reaches below zero
    QTest::addColumn<QString>("text");
    QTest::addColumn<QValidator::State>("state");
    const auto ok = QValidator::Acceptable;
    const auto start = QValidator::Intermediate; // no beep, not a value yet
    const auto no = QValidator::Invalid;

    QTest::newRow("integer empty") << false << false << "" << ok;
    QTest::newRow("integer digits") << false << false << "12" << ok;
    QTest::newRow("integer leading space") << false << false << " 12" << ok;
    QTest::newRow("integer trailing space") << false << false << "12 " << ok;
    QTest::newRow("integer plus") << false << false << "+5" << ok;
    QTest::newRow("integer letter after") << false << false << "12a" << no;
    QTest::newRow("integer letter") << false << false << "a" << no;
    QTest::newRow("integer fraction") << false << false << "1.5" << no;
    QTest::newRow("integer inner space") << false << false << "1 2" << no;
    QTest::newRow("unsigned refuses minus") << false << false << "-5" << no;
    QTest::newRow("unsigned refuses lone minus") << false << false << "-" << no;
    QTest::newRow("signed negative") << false << true << "-5" << ok;
    QTest::newRow("signed lone minus") << false << true << "-" << start;
    QTest::newRow("signed blank then minus") << false << true << " -" << start;
    QTest::newRow("signed minus then letter") << false << true << "-a" << no;
    QTest::newRow("signed two minuses") << false << true << "--5" << no;
    QTest::newRow("decimal point") << true << false << "0.5" << ok;
    QTest::newRow("decimal comma in the C locale") << true << false << "0,5" << no;
    QTest::newRow("decimal whole") << true << false << "1" << ok;
    QTest::newRow("decimal leading point") << true << false << ".5" << ok;
    QTest::newRow("decimal lone point") << true << false << "." << start;
    QTest::newRow("decimal trailing point") << true << false << "5." << ok;
    QTest::newRow("decimal unsigned negative") << true << false << "-0.5" << no;
    QTest::newRow("decimal signed negative") << true << true << "-.5" << ok;
    QTest::newRow("decimal two points") << true << false << "0.5.1" << no;
    QTest::newRow("decimal letters") << true << false << "abc" << no;
    QTest::newRow("decimal empty") << true << false << "" << ok;
}

void PanelPatternTest::formatter_decidesEachText() {
    QFETCH(bool, decimal);
    QFETCH(bool, negatives);
    QFETCH(QString, text);
    QFETCH(QValidator::State, state);
    // A point only, whatever the locale the test runs in.
    QLocale::setDefault(QLocale::c());
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    const auto sign = negatives ? NumberFormatter::Sign::Any : NumberFormatter::Sign::NonNegative;
    OnlyIntegerValueFormatter integer(sign);
    OnlyDecimalValueFormatter decimalFormatter(sign);
    int pos = 0;
    QString input = text;
    QCOMPARE(decimal ? decimalFormatter.validate(input, pos) : integer.validate(input, pos), state);
    QCOMPARE(input, text); // never rewritten
}

void PanelPatternTest::formatter_refusesKeystrokeWithBeep() {
    PanelFixture f;
    auto* field = f.control<QLineEdit>(QStringLiteral("sizeViewContainer"),
                                       QStringLiteral("borderRadiusTextField"));
    QVERIFY(field != nullptr);
    PostRecorder posts(f.center);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QStringLiteral("12"));
    QTest::keyClicks(field, QStringLiteral("a"));
    QCOMPARE(field->text(), QStringLiteral("12"));

    // A leading blank is a whole number too; the field then shows the number read.
    typeInto(field, QStringLiteral(" 12"));
    QCOMPARE(f.data.borderRadius(), 12);
    QCOMPARE(field->text(), QStringLiteral("12"));
    QCOMPARE(posts.names(), QStringList{QStringLiteral("BorderRadiusDataUpdated")});
}

void PanelPatternTest::decimalFormatter_showsTenthsHalfUp_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("quarter rounds up") << 0.25 << "0.3";
    QTest::newRow("three quarters") << 0.75 << "0.8";
    QTest::newRow("one") << 1.0 << "1";
    QTest::newRow("float 0.3") << double(0.3f) << "0.3";
    QTest::newRow("small") << 0.04 << "0";
    QTest::newRow("zero") << 0.0 << "0";
}

void PanelPatternTest::decimalFormatter_showsTenthsHalfUp() {
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(OnlyDecimalValueFormatter::stringForValue(value), shown);
}

void PanelPatternTest::typedValue_isClampedStoredShownAndPostedOnce_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("notification");
    QTest::addColumn<bool>("atOnce"); // pasted rather than typed key by key

    const QString size = QStringLiteral("sizeViewContainer");
    const QString sub = QStringLiteral("subMenuSizeViewContainer");
    QTest::newRow("radius above maximum") << size << "borderRadiusTextField"
                                          << "150"
                                          << "borderRadius" << qint64(100) << "100"
                                          << "BorderRadiusDataUpdated" << false;
    // The radius cannot be negative: typed key by key, the minus is refused and "-3"
    // becomes "3". A field without a formatter reads a pasted "-3" and clamps it.
    QTest::newRow("radius typed minus refused") << size << "borderRadiusTextField"
                                                << "-3"
                                                << "borderRadius" << qint64(3) << "3"
                                                << "BorderRadiusDataUpdated" << false;
    QTest::newRow("width below minimum pasted") << size << "widthTextField"
                                                << "-3"
                                                << "width" << qint64(10) << "10"
                                                << "WidthDataUpdated" << true;
    QTest::newRow("border above maximum") << size << "borderSizeTextField"
                                          << "25"
                                          << "borderSize" << qint64(20) << "20"
                                          << "BorderSizeDataUpdated" << false;
    QTest::newRow("width below minimum") << size << "widthTextField"
                                         << "5"
                                         << "width" << qint64(10) << "10"
                                         << "WidthDataUpdated" << false;
    QTest::newRow("width unformatted reads leading number") << size << "widthTextField"
                                                            << "80%"
                                                            << "width" << qint64(80) << "80"
                                                            << "WidthDataUpdated" << false;
    QTest::newRow("sub-menu width above maximum") << sub << "widthTextField"
                                                  << "900"
                                                  << "subMenuWidth" << qint64(600) << "600"
                                                  << "SubMenuWidthDataUpdated" << false;
    QTest::newRow("sub-menu radius in range") << sub << "borderRadiusTextField"
                                              << "30"
                                              << "subMenuBorderRadius" << qint64(30) << "30"
                                              << "SubMenuBorderRadiusDataUpdated" << false;
    QTest::newRow("stop position above maximum")
        << "backgroundViewContainer"
        << "firstQuarterBackgroundColorTextField"
        << "120"
        << "firstQuarterBackgroundColorPos" << qint64(100) << "100"
        << "BackgroundColorDataUpdated" << false;
    QTest::newRow("stop positions in any order")
        << "backgroundViewContainer"
        << "secondQuarterBackgroundColorTextField"
        << "10"
        << "secondQuarterBackgroundColorPos" << qint64(10) << "10"
        << "BackgroundColorDataUpdated" << false;
    QTest::newRow("transparency above maximum")
        << "subMenuBackgroundActiveViewContainer"
        << "colorTransparencyTextField"
        << "150"
        << "subMenuColorTransparencyActive" << qint64(100) << "100"
        << "SubMenuBackgroundColorActiveDataUpdated" << false;
    QTest::newRow("huge number saturates then clamps") << sub << "widthTextField"
                                                       << "99999999999999999999999"
                                                       << "subMenuWidth" << qint64(600) << "600"
                                                       << "SubMenuWidthDataUpdated" << false;
}

void PanelPatternTest::typedValue_isClampedStoredShownAndPostedOnce() {
    QFETCH(QString, panel);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, setting);
    QFETCH(qint64, stored);
    QFETCH(QString, shown);
    QFETCH(QString, notification);
    QFETCH(bool, atOnce);

    PanelFixture f;
    auto* lineEdit = f.control<QLineEdit>(panel, field);
    QVERIFY(lineEdit != nullptr);
    const Setting s = static_cast<Setting>(settingIndexOfName(setting));
    const auto before = snapshot(f.data);
    PostRecorder posts(f.center);

    if (atOnce) {
        lineEdit->selectAll();
        lineEdit->insert(typed);
        QTest::keyClick(lineEdit, Qt::Key_Return);
    } else {
        typeInto(lineEdit, typed);
    }

    QCOMPARE(f.data.integerValue(s), stored);
    QCOMPARE(lineEdit->text(), shown);
    auto* stepper = f.control<Stepper>(panel, field.chopped(9) + QStringLiteral("Stepper"));
    QVERIFY(stepper != nullptr);
    QCOMPARE(stepper->integerValue(), stored);
    QCOMPARE(posts.names(), QStringList{notification});
    QCOMPARE(posts.senders().first(), static_cast<const void*>(f.panel(panel)));
    QCOMPARE(changedSettings(before, f.data), QStringList{setting});
}

void PanelPatternTest::stepperClick_storesAndPostsOnce_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("stepper");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<QString>("notification");

    QTest::newRow("radius up") << "sizeViewContainer"
                               << "borderRadiusStepper" << true << "borderRadius" << qint64(26)
                               << "BorderRadiusDataUpdated";
    QTest::newRow("width up at maximum")
        << "sizeViewContainer"
        << "widthStepper" << true << "width" << qint64(100) << "WidthDataUpdated";
    QTest::newRow("padding down at minimum")
        << "sizeViewContainer"
        << "paddingTopStepper" << false << "paddingTop" << qint64(0) << "PaddingDataUpdated";
    QTest::newRow("sub-menu border down") << "subMenuSizeViewContainer"
                                          << "borderSizeStepper" << false << "subMenuBorderSize"
                                          << qint64(0) << "SubMenuBorderSizeDataUpdated";
    QTest::newRow("hover transparency up")
        << "backgroundHoverViewContainer"
        << "colorTransparencyStepper" << true << "colorTransparencyHover" << qint64(11)
        << "BackgroundColorHoverDataUpdated";
    QTest::newRow("third stop down")
        << "backgroundViewContainer"
        << "thirdQuarterBackgroundColorStepper" << false << "thirdQuarterBackgroundColorPos"
        << qint64(74) << "BackgroundColorDataUpdated";
}

void PanelPatternTest::stepperClick_storesAndPostsOnce() {
    QFETCH(QString, panel);
    QFETCH(QString, stepper);
    QFETCH(bool, up);
    QFETCH(QString, setting);
    QFETCH(qint64, stored);
    QFETCH(QString, notification);

    PanelFixture f;
    auto* control = f.control<Stepper>(panel, stepper);
    QVERIFY(control != nullptr);
    auto* field = f.control<QLineEdit>(panel, stepper.chopped(7) + QStringLiteral("TextField"));
    QVERIFY(field != nullptr);
    PostRecorder posts(f.center);

    clickStepper(control, up);

    QCOMPARE(f.data.integerValue(static_cast<Setting>(settingIndexOfName(setting))), stored);
    QCOMPARE(field->text(), QString::number(stored));
    QCOMPARE(posts.names(), QStringList{notification});
}

void PanelPatternTest::padding_followsItsLock_data() {
    QTest::addColumn<QString>("opened"); // the padlock clicked open first, if any
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("input"); // typed text, or "up" for the stepper
    QTest::addColumn<QStringList>("changed");
    QTest::addColumn<qint64>("stored");

    const QStringList leftRight{QStringLiteral("paddingLeft"), QStringLiteral("paddingRight")};
    const QStringList topBottom{QStringLiteral("paddingTop"), QStringLiteral("paddingBottom")};
    QTest::newRow("left typed, horizontal locked") << ""
                                                   << "paddingLeftTextField"
                                                   << "7" << leftRight << qint64(7);
    QTest::newRow("right stepped, horizontal locked") << ""
                                                      << "paddingRightStepper"
                                                      << "up" << leftRight << qint64(1);
    QTest::newRow("bottom above maximum, vertical locked") << ""
                                                           << "paddingBottomTextField"
                                                           << "250" << topBottom << qint64(200);
    QTest::newRow("top stepped, vertical locked") << ""
                                                  << "paddingTopStepper"
                                                  << "up" << topBottom << qint64(1);
    QTest::newRow("left typed, horizontal open")
        << "paddingHorizontal"
        << "paddingLeftTextField"
        << "7" << QStringList{QStringLiteral("paddingLeft")} << qint64(7);
    QTest::newRow("right stepped, horizontal open")
        << "paddingHorizontal"
        << "paddingRightStepper"
        << "up" << QStringList{QStringLiteral("paddingRight")} << qint64(1);
    QTest::newRow("top typed, only the other lock open") << "paddingHorizontal"
                                                         << "paddingTopTextField"
                                                         << "4" << topBottom << qint64(4);
    QTest::newRow("bottom typed, vertical open")
        << "paddingVertical"
        << "paddingBottomTextField"
        << "9" << QStringList{QStringLiteral("paddingBottom")} << qint64(9);
}

void PanelPatternTest::padding_followsItsLock() {
    QFETCH(QString, opened);
    QFETCH(QString, control);
    QFETCH(QString, input);
    QFETCH(QStringList, changed);
    QFETCH(qint64, stored);
    const QString panel = QStringLiteral("sizeViewContainer");
    PanelFixture f;
    if (!opened.isEmpty())
        QTest::mouseClick(f.control<LockImageView>(panel, opened), Qt::LeftButton);
    const auto before = snapshot(f.data);
    PostRecorder posts(f.center);

    if (input == QLatin1String("up"))
        clickStepper(f.control<Stepper>(panel, control), true);
    else
        typeInto(f.control<QLineEdit>(panel, control), input);

    QCOMPARE(changedSettings(before, f.data), changed);
    for (const QString& side : changed) {
        QCOMPARE(f.data.integerValue(static_cast<Setting>(settingIndexOfName(side))), stored);
        QCOMPARE(f.control<QLineEdit>(panel, side + QStringLiteral("TextField"))->text(),
                 QString::number(stored));
        QCOMPARE(f.control<Stepper>(panel, side + QStringLiteral("Stepper"))->integerValue(),
                 stored);
    }
    QCOMPARE(posts.names(), QStringList{QStringLiteral("PaddingDataUpdated")});
    QCOMPARE(posts.senders().first(), static_cast<const void*>(f.panel(panel)));
}

void PanelPatternTest::reloadData_postsOnlyThroughWellsAfterSetUp_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("notification");
    QTest::addColumn<int>("count");

    QTest::newRow("size") << "sizeViewContainer"
                          << "BorderColorDataUpdated" << 1;
    QTest::newRow("sub-menu size") << "subMenuSizeViewContainer"
                                   << "SubMenuBorderColorDataUpdated" << 1;
    QTest::newRow("background") << "backgroundViewContainer"
                                << "BackgroundColorDataUpdated" << 5;
    QTest::newRow("hover background") << "backgroundHoverViewContainer"
                                      << "BackgroundColorHoverDataUpdated" << 5;
    QTest::newRow("active background") << "backgroundActiveViewContainer"
                                       << "BackgroundColorActiveDataUpdated" << 5;
    QTest::newRow("sub-menu background") << "subMenuBackgroundViewContainer"
                                         << "SubMenuBackgroundColorDataUpdated" << 5;
    QTest::newRow("sub-menu hover background") << "subMenuBackgroundHoverViewContainer"
                                               << "SubMenuBackgroundColorHoverDataUpdated" << 5;
    QTest::newRow("sub-menu active background") << "subMenuBackgroundActiveViewContainer"
                                                << "SubMenuBackgroundColorActiveDataUpdated" << 5;
}

void PanelPatternTest::reloadData_postsOnlyThroughWellsAfterSetUp() {
    QFETCH(QString, panel);
    QFETCH(QString, notification);
    QFETCH(int, count);

    GlobalData data;
    NotificationCenter center;
    PostRecorder posts(center);
    QWidget host;
    StylePanels panels = createStylePanels(&host, data, center, PanelSetUp::Defer);
    StylePanel* target = panels.panelNamed(panel);
    QVERIFY(target != nullptr);

    target->setUp();
    QCOMPARE(posts.names(), QStringList());
    target->setUp(); // only once
    QCOMPARE(posts.names(), QStringList());

    const auto before = snapshot(data);
    target->reloadData();
    QCOMPARE(posts.names(), QStringList(count, notification));
    for (const void* sender : posts.senders())
        QCOMPARE(sender, static_cast<const void*>(target));
    QCOMPARE(changedSettings(before, data), QStringList()); // the same colours stored back
}

void PanelPatternTest::checkBox_switchesExactlyItsStop_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("stop");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("position"); // empty for the end stop
    QTest::addColumn<QStringList>("components");
    QTest::addColumn<QString>("notification");

    const QString main = QStringLiteral("backgroundViewContainer");
    auto stop = [](const char* name) {
        const QString n = QLatin1String(name);
        return QStringList{n + QStringLiteral("Image"), n + QStringLiteral("TextField"),
                           n + QStringLiteral("Stepper")};
    };
    QTest::newRow("first") << main << "firstQuarterBackgroundColor"
                           << "enableFirstQuarterBackgroundColor"
                           << "firstQuarterBackgroundColor"
                           << "firstQuarterBackgroundColorPos"
                           << stop("firstQuarterBackgroundColor") << "BackgroundColorDataUpdated";
    QTest::newRow("second") << main << "secondQuarterBackgroundColor"
                            << "enableSecondQuarterBackgroundColor"
                            << "secondQuarterBackgroundColor"
                            << "secondQuarterBackgroundColorPos"
                            << stop("secondQuarterBackgroundColor") << "BackgroundColorDataUpdated";
    QTest::newRow("third") << main << "thirdQuarterBackgroundColor"
                           << "enableThirdQuarterBackgroundColor"
                           << "thirdQuarterBackgroundColor"
                           << "thirdQuarterBackgroundColorPos"
                           << stop("thirdQuarterBackgroundColor") << "BackgroundColorDataUpdated";
    QTest::newRow("end") << main << "endBackgroundColor"
                         << "enableEndBackgroundColor"
                         << "endBackgroundColor"
                         << "" << QStringList{"endBackgroundColorImage", "endBackgroundColorLabel"}
                         << "BackgroundColorDataUpdated";
    QTest::newRow("sub-menu end") << "subMenuBackgroundViewContainer"
                                  << "endBackgroundColor"
                                  << "subMenuEnableEndBackgroundColor"
                                  << "subMenuEndBackgroundColor"
                                  << ""
                                  << QStringList{"endBackgroundColorImage",
                                                 "endBackgroundColorLabel"}
                                  << "SubMenuBackgroundColorDataUpdated";
}

void PanelPatternTest::checkBox_switchesExactlyItsStop() {
    QFETCH(QString, panel);
    QFETCH(QString, stop);
    QFETCH(QString, flag);
    QFETCH(QString, colour);
    QFETCH(QString, position);
    QFETCH(QStringList, components);
    QFETCH(QString, notification);

    PanelFixture f;
    StylePanel* target = f.panel(panel);
    auto* box = target->findChild<QCheckBox*>(stop + QStringLiteral("CheckBox"));
    QVERIFY(box != nullptr);
    QVERIFY(box->isChecked());

    // Every control that can be switched off, and which of them are on.
    auto enabledControls = [target] {
        QStringList on;
        for (QWidget* w : target->findChildren<QWidget*>()) {
            if (!w->objectName().isEmpty() && w->isEnabled())
                on << w->objectName();
        }
        on.sort();
        return on;
    };
    const QStringList allOn = enabledControls();
    for (const QString& component : components)
        QVERIFY2(allOn.contains(component), qPrintable(component));

    const auto before = snapshot(f.data);
    PostRecorder posts(f.center);
    box->click();

    QStringList expectedOn = allOn;
    for (const QString& component : components)
        expectedOn.removeAll(component);
    QCOMPARE(enabledControls(), expectedOn);
    QCOMPARE(changedSettings(before, f.data), QStringList{flag});
    QCOMPARE(f.data.booleanValue(static_cast<Setting>(settingIndexOfName(flag))), false);
    QCOMPARE(posts.names(), QStringList{notification});

    // Back on: the same colour and position, every control enabled again.
    box->click();
    QCOMPARE(enabledControls(), allOn);
    QCOMPARE(changedSettings(before, f.data), QStringList());
    QVERIFY(f.data.colorValue(static_cast<Setting>(settingIndexOfName(colour))) ==
            std::get<Color>(before[static_cast<size_t>(settingIndexOfName(colour))]));
    if (!position.isEmpty()) {
        QCOMPARE(f.data.integerValue(static_cast<Setting>(settingIndexOfName(position))),
                 std::get<qint64>(before[static_cast<size_t>(settingIndexOfName(position))]));
    }
    QCOMPARE(posts.names().size(), 2);
}

void PanelPatternTest::gradientPanel_writesItsOwnGroup_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("notification");
    QTest::addColumn<QString>("title");

    QTest::newRow("main normal") << "backgroundViewContainer"
                                 << ""
                                 << ""
                                 << "BackgroundColorDataUpdated"
                                 << "Background";
    QTest::newRow("main hover") << "backgroundHoverViewContainer"
                                << ""
                                << "Hover"
                                << "BackgroundColorHoverDataUpdated"
                                << "Background";
    QTest::newRow("main active") << "backgroundActiveViewContainer"
                                 << ""
                                 << "Active"
                                 << "BackgroundColorActiveDataUpdated"
                                 << "Background";
    QTest::newRow("sub normal") << "subMenuBackgroundViewContainer"
                                << "subMenu"
                                << ""
                                << "SubMenuBackgroundColorDataUpdated"
                                << "Background";
    QTest::newRow("sub hover") << "subMenuBackgroundHoverViewContainer"
                               << "subMenu"
                               << "Hover"
                               << "SubMenuBackgroundColorHoverDataUpdated"
                               << "Background";
    QTest::newRow("sub active") << "subMenuBackgroundActiveViewContainer"
                                << "subMenu"
                                << "Active"
                                << "SubMenuBackgroundColorActiveDataUpdated"
                                << "Background";
}

void PanelPatternTest::gradientPanel_writesItsOwnGroup() {
    QFETCH(QString, panel);
    QFETCH(QString, prefix);
    QFETCH(QString, suffix);
    QFETCH(QString, notification);
    QFETCH(QString, title);

    PanelFixture f;
    StylePanel* target = f.panel(panel);
    QCOMPARE(target->titleBarView()->text(), title);
    // Names written out: "subMenu" + capitalised name, then the state.
    auto name = [&](const QString& mainName) -> QString {
        if (prefix.isEmpty())
            return mainName + suffix;
        return prefix + mainName.left(1).toUpper() + mainName.mid(1) + suffix;
    };

    const Color picked = byteColor(10, 20, 30);
    const QStringList wells = {"startBackgroundColor", "firstQuarterBackgroundColor",
                               "secondQuarterBackgroundColor", "thirdQuarterBackgroundColor",
                               "endBackgroundColor"};
    for (const QString& well : wells) {
        auto* control = target->findChild<ColorPickerImageView*>(well + QStringLiteral("Image"));
        QVERIFY(control != nullptr);
        const auto before = snapshot(f.data);
        PostRecorder posts(f.center);
        control->setBackgroundColor(picked); // what the colour dialog does
        QCOMPARE(changedSettings(before, f.data), QStringList{name(well)});
        QCOMPARE(posts.names(), QStringList{notification});
    }
    const QStringList positions = {"firstQuarterBackgroundColor", "secondQuarterBackgroundColor",
                                   "thirdQuarterBackgroundColor"};
    for (const QString& position : positions) {
        // Switched-off stops keep their position controls disabled.
        auto* box = target->findChild<QCheckBox*>(position + QStringLiteral("CheckBox"));
        if (!box->isChecked())
            box->click();
        const auto before = snapshot(f.data);
        PostRecorder posts(f.center);
        clickStepper(target->findChild<Stepper*>(position + QStringLiteral("Stepper")), true);
        QCOMPARE(changedSettings(before, f.data), QStringList{name(position + "Pos")});
        QCOMPARE(posts.names(), QStringList{notification});
    }
    auto* transparency =
        target->findChild<QLineEdit*>(QStringLiteral("colorTransparencyTextField"));
    if (suffix.isEmpty()) {
        QVERIFY(transparency == nullptr);
    } else {
        QVERIFY(transparency != nullptr);
        const auto before = snapshot(f.data);
        typeInto(transparency, QStringLiteral("40"));
        QCOMPARE(changedSettings(before, f.data), QStringList{name("colorTransparency")});
    }
}

void PanelPatternTest::colorWell_announcesEveryAssignment() {
    NotificationCenter center;
    ColorPickerImageView well(center);
    QVERIFY(well.backgroundColor() == (Color{0, 0, 0, 1})); // a new well is black
    const int none = countColorChanged(center, &well, [] {});
    QCOMPARE(none, 0);
    const Color red = byteColor(255, 0, 0);
    const int twice = countColorChanged(center, &well, [&] {
        well.setBackgroundColor(red);
        well.setBackgroundColor(red);
    });
    QCOMPARE(twice, 2);
    QVERIFY(well.backgroundColor() == red);
}

void PanelPatternTest::colorWell_disabledIgnoresClicks() {
    NotificationCenter center;
    QWidget host;
    auto* enabled = new ColorPickerImageView(center, &host);
    auto* disabled = new ColorPickerImageView(center, &host);
    enabled->resize(40, 22);
    disabled->resize(40, 22);
    host.show();
    QTest::mouseClick(enabled, Qt::LeftButton);
    QCOMPARE(ColorPickerImageView::colorDialogTarget(), enabled);
    disabled->setEnabled(false);
    const int posts = countColorChanged(center, disabled, [&] {
        QTest::mouseClick(disabled, Qt::LeftButton);
        ColorPickerImageView::sharedColorDialog()->setCurrentColor(Qt::green);
    });
    QCOMPARE(posts, 0);
    QCOMPARE(ColorPickerImageView::colorDialogTarget(), enabled);
}

void PanelPatternTest::colorWell_sharedDialogEditsLastClickedWell() {
    PanelFixture f;
    StylePanel* size = f.panel(QStringLiteral("sizeViewContainer"));
    StylePanel* sub = f.panel(QStringLiteral("subMenuSizeViewContainer"));
    auto* wellA = size->findChild<ColorPickerImageView*>(QStringLiteral("borderColorImage"));
    auto* wellB = sub->findChild<ColorPickerImageView*>(QStringLiteral("borderColorImage"));
    const Color colourA = f.data.borderColor();
    PostRecorder posts(f.center);

    QTest::mouseClick(wellA, Qt::LeftButton);
    QTest::mouseClick(wellB, Qt::LeftButton);
    QColorDialog* dialog = ColorPickerImageView::sharedColorDialog();
    QVERIFY(dialog->isVisible());
    // Clicking loads the well's colour into the dialog and changes nothing.
    QCOMPARE(posts.names(), QStringList());
    dialog->setCurrentColor(QColor(0, 0, 255));

    QVERIFY(f.data.borderColor() == colourA);
    QVERIFY(f.data.subMenuBorderColor() == byteColor(0, 0, 255));
    QVERIFY(wellB->backgroundColor() == byteColor(0, 0, 255));
    QCOMPARE(posts.names(), QStringList{QStringLiteral("SubMenuBorderColorDataUpdated")});
    QCOMPARE(posts.senders().first(), static_cast<const void*>(sub));
}

void PanelPatternTest::lock_storesItsStateAndLeavesValues() {
    PanelFixture f;
    StylePanel* panel = f.panel(QStringLiteral("sizeViewContainer"));
    auto* lock = panel->findChild<LockImageView*>(QStringLiteral("paddingVertical"));
    QVERIFY(lock != nullptr);
    QVERIFY(lock->isLock());
    QVERIFY(lock->showsLockedImage());
    f.data.setPaddingTop(3);
    f.data.setPaddingBottom(8);
    panel->reloadData();
    const auto before = snapshot(f.data);
    PostRecorder posts(f.center);

    QTest::mouseClick(lock, Qt::LeftButton);
    QVERIFY(!lock->isLock());
    QVERIFY(!lock->showsLockedImage());
    QCOMPARE(changedSettings(before, f.data), QStringList{QStringLiteral("varSizeVerticalLock")});
    QVERIFY(!f.data.varSizeVerticalLock());
    QCOMPARE(f.data.paddingTop(), 3); // opening couples nothing and changes nothing
    QCOMPARE(f.data.paddingBottom(), 8);
    QTest::mouseClick(lock, Qt::LeftButton);
    QVERIFY(lock->isLock());
    QVERIFY(f.data.varSizeVerticalLock());
    QCOMPARE(f.data.paddingBottom(), 8); // nor does closing

    QCOMPARE(posts.names(), QStringList(2, QStringLiteral("LockStatusChanged")));
    QCOMPARE(posts.senders().first(), static_cast<const void*>(lock));
    QCOMPARE(posts.userInfos().at(0).value(QStringLiteral("Lock")).toBool(), false);
    QCOMPARE(posts.userInfos().at(1).value(QStringLiteral("Lock")).toBool(), true);
    // Each step is named by what it did.
    QCOMPARE(posts.userInfos().at(0).value(QLatin1String(kUndoTextKey)).toString(),
             QStringLiteral("Unlock Top And Bottom Padding"));
    QCOMPARE(posts.userInfos().at(1).value(QLatin1String(kUndoTextKey)).toString(),
             QStringLiteral("Lock Top And Bottom Padding Together"));

    // An opened project's lock states show on the next reload, without announcing anything.
    posts.clear();
    f.data.setVarSizeHorizontalLock(false);
    panel->reloadData();
    auto* horizontal = panel->findChild<LockImageView*>(QStringLiteral("paddingHorizontal"));
    QVERIFY(!horizontal->isLock());
    QVERIFY(!horizontal->showsLockedImage());
    QVERIFY(lock->isLock());
    QVERIFY(!posts.names().contains(QStringLiteral("LockStatusChanged")));
}

void PanelPatternTest::showFireFox_launchesOrTells() {
    PathGuard pathGuard;
    QTemporaryDir emptyDir;
    QTemporaryDir binDir;
    QVERIFY(emptyDir.isValid() && binDir.isValid());

    GlobalData data;
    NotificationCenter center;
    SizeView view(data, center);
    view.setUp();
    QStringList launched;
    view.setLauncher([&](const QString& program, const QStringList& arguments) {
        launched << program << arguments;
        return true;
    });
    const QUrl page = QUrl::fromLocalFile(QStringLiteral("/tmp/WebFolder1/index.html"));
    view.setPreviewAddress([page] { return page; });
    QSignalSpy messages(&view, &SizeView::statusMessage);

    qputenv("PATH", QFile::encodeName(emptyDir.path()));
    view.showFireFox();
    QCOMPARE(launched, QStringList());
    QCOMPARE(messages.size(), 1);
    QVERIFY(!messages.at(0).at(0).toString().isEmpty());

    const QString firefox = binDir.filePath(QStringLiteral("firefox"));
    QFile script(firefox);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(binDir.path()));
    view.showFireFox();
    QCOMPARE(launched, (QStringList{firefox, page.toString()}));
    QCOMPARE(messages.size(), 1);

    // A launch that fails is told, not hidden.
    view.setLauncher([](const QString&, const QStringList&) { return false; });
    view.showFireFox();
    QCOMPARE(messages.size(), 2);
}

void PanelPatternTest::stylePanels_senderIsThePanel() {
    PanelFixture f;
    PostRecorder posts(f.center);
    for (const auto& [name, panel] : f.panels.namedPanels()) {
        posts.clear();
        panel->sendUpdateDataNotification(QStringLiteral("WidthDataUpdated"));
        QCOMPARE(posts.senders(), QList<const void*>{static_cast<const void*>(panel)});
    }
    // The derived pointer the controller registers with is the same object address.
    posts.clear();
    typeInto(f.panels.sizeViewContainer->findChild<QLineEdit*>(QStringLiteral("widthTextField")),
             QStringLiteral("50"));
    QCOMPARE(posts.senders(),
             QList<const void*>{static_cast<const void*>(f.panels.sizeViewContainer)});
}

void PanelPatternTest::titleBar_captionAtSeventeenCentred() {
    TitleBarView bar;
    bar.resize(300, 30);
    bar.show();
    bar.setText(QStringLiteral("Shape"));
    auto* caption = bar.findChild<QLabel*>(QStringLiteral("caption"));
    QVERIFY(caption != nullptr);
    QCOMPARE(bar.text(), QStringLiteral("Shape"));
    QCOMPARE(caption->x(), 17);
    QCOMPARE(caption->y(), (30 - caption->height()) / 2);
    bar.resize(300, 40); // stays centred when the bar grows
    QCOMPARE(caption->y(), (40 - caption->height()) / 2);
}

void PanelPatternTest::spokenNames_sayWhatTheControlChanges_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label"); // the label tied to the control, "" for none

    QTest::newRow("shadow offset") << "dropShadowViewContainer"
                                   << "dropShadowXPosTextField"
                                   << "Drop shadow X offset"
                                   << "X";
    QTest::newRow("text shadow opacity") << "textShadow2ViewContainer"
                                         << "textShadow2OpacityTextField"
                                         << "Text shadow 2 opacity"
                                         << "Opacity";
    QTest::newRow("stop switch") << "backgroundViewContainer"
                                 << "firstQuarterBackgroundColorCheckBox"
                                 << "Background stop 1"
                                 << "Stop 1";
    QTest::newRow("stop well") << "backgroundViewContainer"
                               << "firstQuarterBackgroundColorImage"
                               << "Background stop 1 colour"
                               << "";
    QTest::newRow("stop position") << "backgroundViewContainer"
                                   << "thirdQuarterBackgroundColorTextField"
                                   << "Background stop 3 position"
                                   << "";
    QTest::newRow("hover opacity") << "backgroundHoverViewContainer"
                                   << "colorTransparencyTextField"
                                   << "Hover background opacity"
                                   << "Opacity";
    QTest::newRow("sub-menu start") << "subMenuBackgroundActiveViewContainer"
                                    << "startBackgroundColorImage"
                                    << "Sub-menu active background start colour"
                                    << "Start";
    QTest::newRow("padding") << "sizeViewContainer"
                             << "paddingBottomTextField"
                             << "Menu bar bottom padding"
                             << "Bottom";
    QTest::newRow("padlock") << "sizeViewContainer"
                             << "paddingHorizontal"
                             << "Lock left and right padding together"
                             << "";
    QTest::newRow("sub-menu border") << "subMenuSizeViewContainer"
                                     << "borderColorImage"
                                     << "Sub-menu border colour"
                                     << "Colour";
    QTest::newRow("font") << "textViewContainer"
                          << "fontFamilyPopUpButton"
                          << "Main menu text font"
                          << "Font";
    QTest::newRow("hover text") << "textHoverViewContainer"
                                << "textColorImage"
                                << "Main menu hover text colour"
                                << "Colour";
    QTest::newRow("sub-menu text") << "subMenuTextViewContainer"
                                   << "textColorImage"
                                   << "Sub-menu text colour"
                                   << "Colour";
    QTest::newRow("quick, main column") << "quickModeHoverView"
                                        << "transparencyTextField"
                                        << "Main menu hover opacity"
                                        << "Opacity";
    QTest::newRow("quick, sub-menu column") << "quickModeActiveView"
                                            << "subMenuTextColorIntensityTextField"
                                            << "Sub-menu active text brightness"
                                            << "";
    QTest::newRow("quick menu colour") << "quickModeView"
                                       << "backgroundColorColorImage"
                                       << "Menu colour"
                                       << "Menu colour";
}

// What a screen reader says for a control, and the label that leads to it.
void PanelPatternTest::spokenNames_sayWhatTheControlChanges() {
    QFETCH(QString, panel);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, label);
    PanelFixture f;
    auto* widget = f.control<QWidget>(panel, control);
    QVERIFY(widget != nullptr);
    QVERIFY(widget->focusPolicy() & Qt::TabFocus);
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(spoken != nullptr);
    // On Linux Qt gives a combo box its current entry as name; the tied label (a relation on
    // the accessibility bus) and the widget's own name say what it chooses.
    const bool entryIsName = qobject_cast<QComboBox*>(widget) != nullptr;
    QCOMPARE(entryIsName ? widget->accessibleName() : spoken->text(QAccessible::Name), name);
    QString tied;
    for (const QLabel* candidate : f.panel(panel)->findChildren<QLabel*>()) {
        if (candidate->buddy() == widget)
            tied = candidate->text();
    }
    QCOMPARE(tied, label);
}

void PanelPatternTest::arrowKeys_stepTheFieldFromWhatItShows_data() {
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<QString>("typed"); // left in the field without Return; "" for nothing
    QTest::addColumn<int>("key");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<int>("posts");

    QTest::newRow("up") << qint64(5) << "" << int(Qt::Key_Up) << qint64(6) << 1;
    QTest::newRow("down") << qint64(5) << "" << int(Qt::Key_Down) << qint64(4) << 1;
    QTest::newRow("down at the minimum") << qint64(0) << "" << int(Qt::Key_Down) << qint64(0) << 1;
    // The typed number is taken first, then stepped: two changes.
    QTest::newRow("up from typing") << qint64(5) << "12" << int(Qt::Key_Up) << qint64(13) << 2;
    QTest::newRow("down from typing past the maximum")
        << qint64(5) << "150" << int(Qt::Key_Down) << qint64(99) << 2;
}

// The field takes Up and Down; its stepper stays off the Tab chain.
void PanelPatternTest::arrowKeys_stepTheFieldFromWhatItShows() {
    QFETCH(qint64, stored);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(qint64, expected);
    QFETCH(int, posts);
    PanelFixture f;
    StylePanel* panel = f.panel(QStringLiteral("sizeViewContainer"));
    auto* field = panel->findChild<QLineEdit*>(QStringLiteral("borderRadiusTextField"));
    auto* stepper = panel->findChild<Stepper*>(QStringLiteral("borderRadiusStepper"));
    QVERIFY(field != nullptr && stepper != nullptr);
    QCOMPARE(stepper->focusPolicy(), Qt::NoFocus);
    QCOMPARE(stepper->accessibleName(), field->accessibleName());
    f.data.setBorderRadius(stored);
    panel->reloadData();
    if (!typed.isEmpty()) {
        field->selectAll();
        QTest::keyClicks(field, typed);
    }
    PostRecorder recorder(f.center);

    QTest::keyClick(field, static_cast<Qt::Key>(key));
    QCOMPARE(f.data.borderRadius(), expected);
    QCOMPARE(field->text(), QString::number(expected));
    QCOMPARE(recorder.names(), QStringList(posts, QStringLiteral("BorderRadiusDataUpdated")));
}
