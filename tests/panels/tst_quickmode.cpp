#include "tst_quickmode.h"

#include "PanelTestSupport.h"
#include "model/Contrast.h"
#include "panels/QuickColor.h"
#include "panels/QuickModeView.h"
#include "widgets/ColorPickerImageView.h"
#include "widgets/TitleBarView.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace brindle;

Q_DECLARE_METATYPE(brindle::Color)

namespace {

bool near(const Color& a, const Color& b) {
    constexpr double e = 1e-9;
    return std::abs(a.red - b.red) < e && std::abs(a.green - b.green) < e &&
           std::abs(a.blue - b.blue) < e && std::abs(a.alpha - b.alpha) < e;
}

QByteArray describe(const Color& c) {
    return QByteArray::number(c.red) + ", " + QByteArray::number(c.green) + ", " +
           QByteArray::number(c.blue) + ", " + QByteArray::number(c.alpha);
}

#define COMPARE_COLOR(actual, expected)                                                            \
    QVERIFY2(near(actual, expected),                                                               \
             QByteArray(describe(actual) + " != " + describe(expected)).constData())

Color rgb(double r, double g, double b) {
    return {r, g, b, 1.0};
}

void chooseItem(QComboBox* box, int index) {
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QRect item = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
}

Setting settingNamed(const QString& name) {
    return static_cast<Setting>(settingIndexOfName(name));
}

ColorPickerImageView* well(StylePanel* panel, const char* name) {
    return panel->findChild<ColorPickerImageView*>(QLatin1String(name));
}

} // namespace

void QuickModeTest::hsb_roundTripsAndClamps_data() {
    QTest::addColumn<Color>("color");
    QTest::addColumn<double>("hue");
    QTest::addColumn<double>("saturation");
    QTest::addColumn<double>("brightness");
    QTest::newRow("black") << rgb(0, 0, 0) << 0.0 << 0.0 << 0.0;
    QTest::newRow("grey") << rgb(0.5, 0.5, 0.5) << 0.0 << 0.0 << 0.5;
    QTest::newRow("red") << rgb(1, 0, 0) << 0.0 << 1.0 << 1.0;
    QTest::newRow("green") << rgb(0, 1, 0) << 1.0 / 3 << 1.0 << 1.0;
    QTest::newRow("blue") << rgb(0, 0, 1) << 2.0 / 3 << 1.0 << 1.0;
    QTest::newRow("orange-brown") << rgb(0.5, 0.25, 0) << 1.0 / 12 << 1.0 << 0.5;
    QTest::newRow("magenta-ish") << rgb(0.8, 0.2, 0.6) << 8.0 / 9 << 0.75 << 0.8;
}

void QuickModeTest::hsb_roundTripsAndClamps() {
    QFETCH(Color, color);
    QFETCH(double, hue);
    QFETCH(double, saturation);
    QFETCH(double, brightness);
    const Hsb hsb = hsbOf(color);
    QVERIFY(std::abs(hsb.hue - hue) < 1e-9);
    QVERIFY(std::abs(hsb.saturation - saturation) < 1e-9);
    QVERIFY(std::abs(hsb.brightness - brightness) < 1e-9);
    COMPARE_COLOR(colorFromHsb(hsb.hue, hsb.saturation, hsb.brightness), color);
    // Brightness beyond 0–1 is limited: black below, the brightest shade above.
    COMPARE_COLOR(offsetBrightness(hsb, -2.0), rgb(0, 0, 0));
    QVERIFY(std::abs(hsbOf(offsetBrightness(hsb, 2.0)).brightness - 1.0) < 1e-9);
}

void QuickModeTest::mainNormalPick_derivesBorderAndFullGradient_data() {
    QTest::addColumn<Color>("pick");
    QTest::addColumn<Color>("border");
    QTest::addColumn<Color>("start");
    QTest::addColumn<Color>("first");
    QTest::addColumn<Color>("second");
    QTest::addColumn<Color>("third");
    QTest::addColumn<Color>("end");

    // Offsets: border -0.6, start +0.4, first +0.2, second 0, third -0.1, end -0.3.
    QTest::newRow("black") << rgb(0, 0, 0) << rgb(0, 0, 0) << rgb(0.4, 0.4, 0.4)
                           << rgb(0.2, 0.2, 0.2) << rgb(0, 0, 0) << rgb(0, 0, 0) << rgb(0, 0, 0);
    QTest::newRow("red") << rgb(1, 0, 0) << rgb(0.4, 0, 0) << rgb(1, 0, 0) << rgb(1, 0, 0)
                         << rgb(1, 0, 0) << rgb(0.9, 0, 0) << rgb(0.7, 0, 0);
    QTest::newRow("orange-brown") << rgb(0.5, 0.25, 0) << rgb(0, 0, 0) << rgb(0.9, 0.45, 0)
                                  << rgb(0.7, 0.35, 0) << rgb(0.5, 0.25, 0) << rgb(0.4, 0.2, 0)
                                  << rgb(0.2, 0.1, 0);
}

void QuickModeTest::mainNormalPick_derivesBorderAndFullGradient() {
    QFETCH(Color, pick);
    QFETCH(Color, border);
    QFETCH(Color, start);
    QFETCH(Color, first);
    QFETCH(Color, second);
    QFETCH(Color, third);
    QFETCH(Color, end);

    PanelFixture f;
    StylePanel* panel = f.panels.quickModeNormalView;
    QCOMPARE(panel->titleBarView()->text(), QStringLiteral("Background (Normal)"));
    panel->reloadData();
    f.data.setEnableSecondQuarterBackgroundColor(false);
    f.data.setEnableEndBackgroundColor(false);
    const auto before = snapshot(f.data);
    PostRecorder posts(f.center);

    well(panel, "backgroundColorImage")->setBackgroundColor(pick);

    COMPARE_COLOR(f.data.borderColor(), border);
    COMPARE_COLOR(f.data.startBackgroundColor(), start);
    COMPARE_COLOR(f.data.firstQuarterBackgroundColor(), first);
    COMPARE_COLOR(f.data.secondQuarterBackgroundColor(), second);
    COMPARE_COLOR(f.data.thirdQuarterBackgroundColor(), third);
    COMPARE_COLOR(f.data.endBackgroundColor(), end);
    QVERIFY(f.data.enableFirstQuarterBackgroundColor());
    QVERIFY(f.data.enableSecondQuarterBackgroundColor());
    QVERIFY(f.data.enableThirdQuarterBackgroundColor());
    QVERIFY(f.data.enableEndBackgroundColor());
    QCOMPARE(f.data.firstQuarterBackgroundColorPos(), 25); // positions untouched
    QCOMPARE(posts.names(), (QStringList{QStringLiteral("QuickModeBackgroundNormalDataUpdated"),
                                         QStringLiteral("BorderColorDataUpdated")}));
    QCOMPARE(posts.senders().first(), static_cast<const void*>(panel));
    QCOMPARE(posts.senders().last(), static_cast<const void*>(panel));
    for (const QString& changed : changedSettings(before, f.data)) {
        QVERIFY2(changed == QLatin1String("borderColor") ||
                     (!changed.startsWith(QLatin1String("subMenu")) &&
                      changed.contains(QLatin1String("BackgroundColor")) &&
                      !changed.endsWith(QLatin1String("Pos")) &&
                      !changed.endsWith(QLatin1String("Hover")) &&
                      !changed.endsWith(QLatin1String("Active"))),
                 qPrintable(changed));
    }
}

void QuickModeTest::subMenuNormalPick_keepsOnlyTheEndStop() {
    PanelFixture f;
    StylePanel* panel = f.panels.quickModeNormalView;
    panel->reloadData();
    f.data.setSubMenuEnableSecondQuarterBackgroundColor(true);
    f.data.setSubMenuEnableEndBackgroundColor(false);
    const Color border = f.data.borderColor();
    PostRecorder posts(f.center);

    well(panel, "subMenuBackgroundColorImage")->setBackgroundColor(rgb(0, 0, 0));

    QVERIFY(!f.data.subMenuEnableFirstQuarterBackgroundColor());
    QVERIFY(!f.data.subMenuEnableSecondQuarterBackgroundColor());
    QVERIFY(!f.data.subMenuEnableThirdQuarterBackgroundColor());
    QVERIFY(f.data.subMenuEnableEndBackgroundColor());
    COMPARE_COLOR(f.data.subMenuStartBackgroundColor(), rgb(0.4, 0.4, 0.4));
    QVERIFY(f.data.borderColor() == border);
    QCOMPARE(posts.names(),
             QStringList{QStringLiteral("QuickModeSubMenuBackgroundNormalDataUpdated")});
}

void QuickModeTest::hoverPick_makesAFlatBackground() {
    PanelFixture f;
    StylePanel* panel = f.panels.quickModeHoverView;
    panel->reloadData();
    f.data.setEnableFirstQuarterBackgroundColorHover(true);
    f.data.setEnableSecondQuarterBackgroundColorHover(true);
    f.data.setEnableThirdQuarterBackgroundColorHover(true);
    f.data.setEnableEndBackgroundColorHover(true);
    PostRecorder posts(f.center);

    well(panel, "backgroundColorImage")->setBackgroundColor(rgb(0.5, 0.25, 0));

    QVERIFY(!f.data.enableFirstQuarterBackgroundColorHover());
    QVERIFY(!f.data.enableSecondQuarterBackgroundColorHover());
    QVERIFY(!f.data.enableThirdQuarterBackgroundColorHover());
    QVERIFY(!f.data.enableEndBackgroundColorHover());
    COMPARE_COLOR(f.data.startBackgroundColorHover(), rgb(0.9, 0.45, 0));
    QCOMPARE(f.data.colorTransparencyHover(), 10);
    QCOMPARE(posts.names(), QStringList{QStringLiteral("QuickModeBackgroundHoverDataUpdated")});

    // The well shows the pick again, not the lighter flat colour made from it, so that
    // picking the shown colour changes nothing.
    posts.clear();
    panel->reloadData();
    COMPARE_COLOR(well(panel, "backgroundColorImage")->backgroundColor(), rgb(0.5, 0.25, 0));
    QCOMPARE(posts.names(), QStringList());
}

void QuickModeTest::reloadData_showsPickOrLastEnabledStop_data() {
    QTest::addColumn<QString>("source"); // "hand", "pick" or "pick in bytes" (a project's)
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("second");
    QTest::addColumn<bool>("third");
    QTest::addColumn<bool>("end");
    QTest::addColumn<QString>("shown");
    QTest::newRow("all on") << "hand" << true << true << true << true << "endBackgroundColor";
    QTest::newRow("end off") << "hand" << true << true << true << false
                             << "thirdQuarterBackgroundColor";
    QTest::newRow("second only") << "hand" << false << true << false << false
                                 << "secondQuarterBackgroundColor";
    QTest::newRow("first only") << "hand" << true << false << false << false
                                << "firstQuarterBackgroundColor";
    QTest::newRow("none") << "hand" << false << false << false << false << "startBackgroundColor";
    // The pick is the stop without offset, whichever stops are on.
    QTest::newRow("picked, all on")
        << "pick" << true << true << true << true << "secondQuarterBackgroundColor";
    QTest::newRow("picked, none") << "pick" << false << false << false << false
                                  << "secondQuarterBackgroundColor";
    QTest::newRow("picked, read back in bytes")
        << "pick in bytes" << true << true << true << true << "secondQuarterBackgroundColor";
}

void QuickModeTest::reloadData_showsPickOrLastEnabledStop() {
    QFETCH(QString, source);
    QFETCH(bool, first);
    QFETCH(bool, second);
    QFETCH(bool, third);
    QFETCH(bool, end);
    QFETCH(QString, shown);
    PanelFixture f;
    if (source == QLatin1String("hand")) {
        f.data.setStartBackgroundColor(rgb(0.1, 0, 0));
        f.data.setFirstQuarterBackgroundColor(rgb(0.2, 0, 0));
        f.data.setSecondQuarterBackgroundColor(rgb(0.3, 0, 0));
        f.data.setThirdQuarterBackgroundColor(rgb(0.4, 0, 0));
        f.data.setEndBackgroundColor(rgb(0.5, 0, 0));
    } else {
        // Stops at brightness 0.9, 0.7, 0.5, 0.4 and 0.2 of a brown.
        const GradientSettings gradient = gradientSettings(MenuLevel::Main, MenuState::Normal);
        writeQuickGradient(f.data, gradient, hsbOf(rgb(0.5, 0.25, 0.1)), {});
        for (const GradientStopSettings& stop : gradient.stops) {
            if (source == QLatin1String("pick in bytes"))
                f.data.setValue(stop.color, nscolorValueOfAnHexadecimal(hexadecimalValueOfAnNSColor(
                                                f.data.colorValue(stop.color))));
        }
    }
    f.data.setEnableFirstQuarterBackgroundColor(first);
    f.data.setEnableSecondQuarterBackgroundColor(second);
    f.data.setEnableThirdQuarterBackgroundColor(third);
    f.data.setEnableEndBackgroundColor(end);
    f.panels.quickModeNormalView->reloadData();
    f.panels.quickModeView->reloadData();
    QVERIFY(well(f.panels.quickModeNormalView, "backgroundColorImage")->backgroundColor() ==
            f.data.colorValue(settingNamed(shown)));
    // The menu colour well shows the same gradient the same way.
    QVERIFY(f.panels.quickModeView->backgroundColorColorImage()->backgroundColor() ==
            f.data.colorValue(settingNamed(shown)));
}

void QuickModeTest::reloadData_postsNothing() {
    PanelFixture f;
    const auto before = snapshot(f.data);
    PostRecorder posts(f.center);
    for (StylePanel* panel : {static_cast<StylePanel*>(f.panels.quickModeGeneralView),
                              static_cast<StylePanel*>(f.panels.quickModeNormalView),
                              static_cast<StylePanel*>(f.panels.quickModeHoverView),
                              static_cast<StylePanel*>(f.panels.quickModeActiveView),
                              static_cast<StylePanel*>(f.panels.quickModeView)}) {
        panel->reloadData();
        QVERIFY(panel->formReady());
    }
    QCOMPARE(posts.names(), QStringList());
    QCOMPARE(changedSettings(before, f.data), QStringList());
}

void QuickModeTest::textIntensity_setsAndShowsBrightness_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("brightness"); // negative: moved to the nearest that reads
    QTest::addColumn<QString>("reloaded");
    QTest::addColumn<QColor>("background"); // of the whole bar
    const QColor black(Qt::black), white(Qt::white);
    QTest::newRow("80") << "80" << 0.8 << "80" << black;
    QTest::newRow("100") << "100" << 1.0 << "100" << black;
    QTest::newRow("60") << "60" << 0.6 << "60" << black;
    QTest::newRow("7") << "7" << 0.07 << "7" << white;
    QTest::newRow("0") << "0" << 0.0 << "0" << white;
    QTest::newRow("above maximum") << "130" << 1.0 << "100" << black;
    QTest::newRow("7 on black: unreadable") << "7" << -1.0 << QString() << black;
    QTest::newRow("100 on white: unreadable") << "100" << -1.0 << QString() << white;
}

void QuickModeTest::textIntensity_setsAndShowsBrightness() {
    QFETCH(QString, typed);
    QFETCH(double, brightness);
    QFETCH(QString, reloaded);
    QFETCH(QColor, background);
    PanelFixture f;
    QuickBackgroundPanel* panel = f.panels.quickModeNormalView;
    for (const GradientStopSettings& stop :
         gradientSettings(MenuLevel::Main, MenuState::Normal).stops)
        f.data.setValue(stop.color,
                        Color{background.redF(), background.greenF(), background.blueF(), 1.0});
    panel->reloadData();
    const Color font = colorFromHsb(0.25, 0.5, 0.3);
    f.data.setMainMenufontColor(font);
    auto* field = panel->findChild<QLineEdit*>(QStringLiteral("textColorIntensityTextField"));
    QVERIFY(field != nullptr);
    const auto before = snapshot(f.data);
    PostRecorder posts(f.center);
    QSignalSpy said(panel, &QuickBackgroundPanel::statusMessage);

    typeInto(field, typed);

    const Hsb stored = hsbOf(f.data.mainMenufontColor());
    if (brightness < 0) {
        // Text that would not read takes the nearest brightness of its hue that does; the
        // field shows it and the window says so.
        const Color bar{background.redF(), background.greenF(), background.blueF(), 1.0};
        QVERIFY(contrastRatio(f.data.mainMenufontColor(), bar) >= 4.5);
        QVERIFY(contrastRatio(f.data.mainMenufontColor(), bar) < 5.0);
        QVERIFY(std::abs(stored.hue - 0.25) < 0.01);
        QCOMPARE(field->text(), QString::number(std::lround(stored.brightness * 100)));
        QCOMPARE(said.count(), 1);
        QCOMPARE(changedSettings(before, f.data), QStringList{QStringLiteral("mainMenufontColor")});
        return;
    }
    QCOMPARE(said.count(), 0);
    // Black has no hue or saturation left to compare.
    QVERIFY(brightness == 0.0 || std::abs(stored.hue - 0.25) < 1e-9);
    QVERIFY(brightness == 0.0 || std::abs(stored.saturation - 0.5) < 1e-9);
    QVERIFY(std::abs(stored.brightness - brightness) < 1e-9);
    QCOMPARE(f.data.mainMenufontColor().alpha, 1.0);
    QCOMPARE(changedSettings(before, f.data), QStringList{QStringLiteral("mainMenufontColor")});
    QCOMPARE(posts.names(), QStringList{QStringLiteral("MainMenuFontColorDataUpdated")});

    panel->reloadData();
    QCOMPARE(field->text(), reloaded);
}

void QuickModeTest::subMenuIntensity_setsOnlyItsOwnColour() {
    PanelFixture f;
    QuickBackgroundPanel* panel = f.panels.quickModeHoverView;
    // On black, where the brightest text reads.
    for (const MenuState state : {MenuState::Normal, MenuState::Hover})
        for (const GradientStopSettings& stop : gradientSettings(MenuLevel::SubMenu, state).stops)
            f.data.setValue(stop.color, rgb(0, 0, 0));
    panel->reloadData();
    auto* field =
        panel->findChild<QLineEdit*>(QStringLiteral("subMenuTextColorIntensityTextField"));
    QVERIFY(field != nullptr);
    const auto before = snapshot(f.data);
    PostRecorder posts(f.center);
    typeInto(field, QStringLiteral("150"));
    QCOMPARE(field->text(), QStringLiteral("100"));
    QCOMPARE(changedSettings(before, f.data), QStringList{QStringLiteral("subMenufontColorHover")});
    QVERIFY(std::abs(hsbOf(f.data.subMenufontColorHover()).brightness - 1.0) < 1e-9);
    QCOMPARE(posts.names(), QStringList{QStringLiteral("SubMenuFontColorHoverDataUpdated")});
}

void QuickModeTest::transparency_writesItsStateAndAnnouncesTheBackground_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("notification");
    QTest::newRow("hover main") << "quickModeHoverView"
                                << "transparencyTextField"
                                << "colorTransparencyHover"
                                << "BackgroundColorHoverDataUpdated";
    QTest::newRow("hover sub") << "quickModeHoverView"
                               << "subMenuTransparencyTextField"
                               << "subMenuColorTransparencyHover"
                               << "SubMenuBackgroundColorHoverDataUpdated";
    QTest::newRow("active main") << "quickModeActiveView"
                                 << "transparencyTextField"
                                 << "colorTransparencyActive"
                                 << "BackgroundColorActiveDataUpdated";
    QTest::newRow("active sub") << "quickModeActiveView"
                                << "subMenuTransparencyTextField"
                                << "subMenuColorTransparencyActive"
                                << "SubMenuBackgroundColorActiveDataUpdated";
}

void QuickModeTest::transparency_writesItsStateAndAnnouncesTheBackground() {
    QFETCH(QString, panel);
    QFETCH(QString, field);
    QFETCH(QString, setting);
    QFETCH(QString, notification);
    PanelFixture f;
    f.panel(panel)->reloadData();
    auto* lineEdit = f.control<QLineEdit>(panel, field);
    QVERIFY(lineEdit != nullptr);
    QCOMPARE(lineEdit->text(), QStringLiteral("10"));
    const auto before = snapshot(f.data);
    PostRecorder posts(f.center);
    typeInto(lineEdit, QStringLiteral("30"));
    QCOMPARE(changedSettings(before, f.data), QStringList{setting});
    QCOMPARE(f.data.integerValue(settingNamed(setting)), 30);
    QCOMPARE(posts.names(), QStringList{notification});
    // The normal panel has no transparency.
    QVERIFY(f.panels.quickModeNormalView->findChild<QLineEdit*>(field) == nullptr);
}

void QuickModeTest::shape_choiceAndReload_data() {
    QTest::addColumn<qint64>("radius");
    QTest::addColumn<int>("shown");
    QTest::newRow("0") << qint64(0) << 0;
    QTest::newRow("10") << qint64(10) << 1;
    QTest::newRow("14") << qint64(14) << 1;
    QTest::newRow("15") << qint64(15) << 2;
    QTest::newRow("20") << qint64(20) << 2;
    QTest::newRow("negative") << qint64(-5) << 1;
}

void QuickModeTest::shape_choiceAndReload() {
    QFETCH(qint64, radius);
    QFETCH(int, shown);
    PanelFixture f;
    QuickModeGeneralView* view = f.panels.quickModeGeneralView;
    QCOMPARE(view->titleBarView()->text(), QStringLiteral("Shape"));
    QCOMPARE(view->shapeComboBox()->count(), 3);
    f.data.setBorderRadius(radius);
    view->reloadData();
    QCOMPARE(view->shapeComboBox()->currentIndex(), shown);

    const qint64 radii[] = {0, 15, 25};
    for (int index : {1, 0, 2}) {
        PostRecorder posts(f.center);
        chooseItem(view->shapeComboBox(), index);
        QCOMPARE(f.data.borderRadius(), radii[index]);
        QCOMPARE(posts.names(), QStringList{QStringLiteral("BorderRadiusDataUpdated")});
        QCOMPARE(posts.senders().first(), static_cast<const void*>(view));
    }
}

// Whatever colour is picked, the bar's text reads in every state, or the window says in which
// it cannot.
void QuickModeTest::quickModeView_pickKeepsTheTextReadable() {
    QRandomGenerator random(20261208);
    for (int round = 0; round < 40; ++round) {
        PanelFixture f;
        QuickModeView* view = f.panels.quickModeView;
        QSignalSpy said(view, &QuickModeView::statusMessage);
        const Color pick = rgb(random.bounded(1.0), random.bounded(1.0), random.bounded(1.0));
        view->backgroundColorColorImage()->setBackgroundColor(pick);
        const QList<StateContrast> checks = checkContrast(f.data);
        for (const MenuState state : {MenuState::Normal, MenuState::Hover, MenuState::Active}) {
            const StateContrast* check = contrastOf(checks, MenuLevel::Main, state);
            QVERIFY(check);
            const bool told =
                !said.isEmpty() && said.last().first().toString().contains(
                                       state == MenuState::Normal  ? QStringLiteral("normal")
                                       : state == MenuState::Hover ? QStringLiteral("hover")
                                                                   : QStringLiteral("active"));
            QVERIFY2(check->passes() || told, qPrintable(QStringLiteral("%1 on %2: %3")
                                                             .arg(hexadecimalValueOfAnNSColor(pick))
                                                             .arg(int(state))
                                                             .arg(check->worst())));
        }
    }
}

void QuickModeTest::quickModeView_derivesMainMenuColours() {
    PanelFixture f;
    QuickModeView* view = f.panels.quickModeView;
    QVERIFY(view->titleBarView() == nullptr);
    // It starts on the colour the default bar ends in, without having derived anything.
    COMPARE_COLOR(view->backgroundColorColorImage()->backgroundColor(),
                  f.data.endBackgroundColor());
    COMPARE_COLOR(f.data.mainMenufontColor(), GlobalData().mainMenufontColor());
    f.data.setEnableFirstQuarterBackgroundColor(false);
    f.data.setEnableEndBackgroundColor(false);
    const auto before = snapshot(f.data);
    PostRecorder posts(f.center);

    view->backgroundColorColorImage()->setBackgroundColor(rgb(1, 0, 0));

    for (const Color& dark : {f.data.mainMenufontColor(), f.data.mainMenufontColorHover(),
                              f.data.mainMenufontColorActive(), f.data.borderColor()}) {
        COMPARE_COLOR(dark, rgb(0.4, 0, 0));
    }
    COMPARE_COLOR(f.data.startBackgroundColor(), rgb(1, 0, 0));
    COMPARE_COLOR(f.data.thirdQuarterBackgroundColor(), rgb(0.9, 0, 0));
    COMPARE_COLOR(f.data.endBackgroundColor(), rgb(0.7, 0, 0));
    QVERIFY(f.data.enableFirstQuarterBackgroundColor());
    QVERIFY(f.data.enableSecondQuarterBackgroundColor());
    QVERIFY(f.data.enableThirdQuarterBackgroundColor());
    QVERIFY(!f.data.enableEndBackgroundColor()); // left as it was
    QCOMPARE(posts.names(), QStringList{QStringLiteral("QuickModeDataUpdated")});

    // With its guard down it derives nothing.
    posts.clear();
    view->setFormReady(false);
    view->backgroundColorColorImage()->setBackgroundColor(rgb(0, 0, 1));
    COMPARE_COLOR(f.data.borderColor(), rgb(0.4, 0, 0));
    QCOMPARE(posts.names(), QStringList());
    QVERIFY(!changedSettings(before, f.data).isEmpty());
}
