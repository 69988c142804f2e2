#include "tst_declarations.h"

#include "TestSupport.h"
#include "generator/CodeBuilders.h"

#include <QTest>

using namespace brindle;
using testing::applySettings;

namespace {

// Builds one fragment from a fresh store changed by `settings`.
QString buildFragment(Fragment fragment, const QVariantMap& settings) {
    GlobalData data;
    applySettings(data, settings);
    FragmentRegistry registry;
    CodeBuilders builders(data, registry);
    builders.build(fragment);
    return registry.text(fragment);
}

const char* const kRadius25 = "\t-moz-border-radius: 25px;\n"
                              "\t-webkit-border-radius: 25px;\n"
                              "\tborder-radius: 25px;\n";
const char* const kBottomRadius5 = "\t-moz-border-radius: 0 0 5px 5px;\n"
                                   "\t-webkit-border-radius: 0 0 5px 5px;\n"
                                   "\tborder-radius: 0 0 5px 5px;\n";

} // namespace

void DeclarationsTest::boxAndText_data() {
    QTest::addColumn<Fragment>("fragment");
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<QString>("expected");

    const QVariantMap defaults;
    QTest::newRow("borderRadius default")
        << Fragment::borderRadius << defaults << QString::fromLatin1(kRadius25);
    QTest::newRow("borderRadius 0")
        << Fragment::borderRadius << QVariantMap{{"borderRadius", 0}}
        << QStringLiteral("\t-moz-border-radius: 0px;\n\t-webkit-border-radius: 0px;\n"
                          "\tborder-radius: 0px;\n");
    QTest::newRow("borderSizeColor default") << Fragment::borderSizeColor << defaults
                                             << QStringLiteral("\tborder: 1px solid #6d8000;\n");
    QTest::newRow("borderSizeColor size 0 other colour")
        << Fragment::borderSizeColor << QVariantMap{{"borderSize", 0}, {"borderColor", "#0a0b0c"}}
        << QStringLiteral("\tborder: 0px solid #0a0b0c;\n");
    QTest::newRow("separator default")
        << Fragment::borderLeftRightSizeColor << defaults
        << QStringLiteral("\tborder-right: 1px solid #6d8000;\n"
                          "\tborder-left: 1px solid rgba(255,255,255,1);\n");
    QTest::newRow("separator border 0 keeps the white line")
        << Fragment::borderLeftRightSizeColor << QVariantMap{{"borderSize", 0}}
        << QStringLiteral("\tborder-right: 0px solid #6d8000;\n"
                          "\tborder-left: 1px solid rgba(255,255,255,1);\n");
    QTest::newRow("separator off")
        << Fragment::borderLeftRightSizeColor << QVariantMap{{"showSeparator", false}} << QString();
    QTest::newRow("subMenuBorderRadius default")
        << Fragment::subMenuBorderRadius << defaults << QString::fromLatin1(kBottomRadius5);
    QTest::newRow("subMenuItemLastChild default")
        << Fragment::subMenuItemLastChild << defaults << QString::fromLatin1(kBottomRadius5);
    QTest::newRow("subMenuItemLastChild radius 12")
        << Fragment::subMenuItemLastChild << QVariantMap{{"subMenuBorderRadius", 12}}
        << QStringLiteral("\t-moz-border-radius: 0 0 12px 12px;\n"
                          "\t-webkit-border-radius: 0 0 12px 12px;\n"
                          "\tborder-radius: 0 0 12px 12px;\n");
    QTest::newRow("subMenuItemFirstChild")
        << Fragment::subMenuItemFirstChild << QVariantMap{{"subMenuBorderRadius", 12}}
        << QStringLiteral("\t-moz-border-radius: 0;\n\t-webkit-border-radius: 0;\n"
                          "\tborder-radius: 0;\n");
    QTest::newRow("subMenuBorderSizeColor")
        << Fragment::subMenuBorderSizeColor
        << QVariantMap{{"subMenuBorderSize", 3}, {"subMenuBorderColor", "#ff0080"}}
        << QStringLiteral("\tborder: 3px solid #ff0080;\n");
    QTest::newRow("width default")
        << Fragment::width << defaults << QStringLiteral("\twidth: 100%;\n");
    QTest::newRow("padding default")
        << Fragment::padding << defaults << QStringLiteral("\tpadding: 0 0 0 0;\n");
    QTest::newRow("padding in css order") << Fragment::padding
                                          << QVariantMap{{"paddingTop", 5},
                                                         {"paddingRight", 0},
                                                         {"paddingBottom", 10},
                                                         {"paddingLeft", 3}}
                                          << QStringLiteral("\tpadding: 5px 0 10px 3px;\n");
    QTest::newRow("padding negative") << Fragment::padding << QVariantMap{{"paddingLeft", -4}}
                                      << QStringLiteral("\tpadding: 0 0 0 -4px;\n");
    QTest::newRow("subMenuWidth default")
        << Fragment::subMenuWidth << defaults << QStringLiteral("\twidth: 180px;\n");
    QTest::newRow("fontFamily default")
        << Fragment::mainMenuFontFamily << defaults
        << QStringLiteral("\tfont-family: Arial, Helvetica, sans-serif;\n");
    QTest::newRow("fontFamily quoted stack unchanged")
        << Fragment::mainMenuFontFamily
        << QVariantMap{{"mainMenufontFamily", "\"Arial Black\", Gadget, sans-serif"}}
        << QStringLiteral("\tfont-family: \"Arial Black\", Gadget, sans-serif;\n");
    QTest::newRow("fontColor default")
        << Fragment::mainMenuFontColor << defaults << QStringLiteral("\tcolor: #3e4800;\n");
    const Fragment otherColours[] = {Fragment::mainMenuFontColorHover,
                                     Fragment::mainMenuFontColorActive, Fragment::subMenuFontColor,
                                     Fragment::subMenuFontColorHover,
                                     Fragment::subMenuFontColorActive};
    for (Fragment f : otherColours)
        QTest::newRow(qPrintable(fragmentName(f) + QLatin1String(" default")))
            << f << defaults << QStringLiteral("\tcolor: #141414;\n");
    QTest::newRow("subMenu active colour reads its own setting")
        << Fragment::subMenuFontColorActive << QVariantMap{{"subMenufontColorActive", "#abcdef"}}
        << QStringLiteral("\tcolor: #abcdef;\n");
    QTest::newRow("fontSize default")
        << Fragment::mainMenuFontSize << defaults << QStringLiteral("\tfont-size: 14px;\n");
}

void DeclarationsTest::boxAndText() {
    QFETCH(Fragment, fragment);
    QFETCH(QVariantMap, settings);
    QFETCH(QString, expected);
    QCOMPARE(buildFragment(fragment, settings), expected);
}

void DeclarationsTest::gradient_data() {
    QTest::addColumn<Fragment>("fragment");
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<QString>("expected");

    QTest::newRow("all stops off: plain colour")
        << Fragment::backgroundColor
        << QVariantMap{{"enableFirstQuarterBackgroundColor", false},
                       {"enableSecondQuarterBackgroundColor", false},
                       {"enableThirdQuarterBackgroundColor", false},
                       {"enableEndBackgroundColor", false}}
        << QStringLiteral("\tbackground: #ffffff;\n");

    QTest::newRow("only the end")
        << Fragment::backgroundColor
        << QVariantMap{{"enableFirstQuarterBackgroundColor", false},
                       {"enableSecondQuarterBackgroundColor", false},
                       {"enableThirdQuarterBackgroundColor", false}}
        << QStringLiteral("\tbackground: -moz-linear-gradient(\n\t\ttop,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#6d8000);\n"
                          "\tbackground: -webkit-gradient(\n\t\tlinear, left top, left bottom,\n"
                          "\t\tfrom(#ffffff),\n"
                          "\t\tto(#6d8000));\n"
                          "\tbackground: -ms-linear-gradient(\n\t\ttop,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#6d8000 100%);\n"
                          "\tbackground: -o-linear-gradient(\n\t\ttop,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#6d8000 100%);\n"
                          "\tbackground: linear-gradient(\n\t\tto bottom,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#6d8000 100%);\n");

    QTest::newRow("only the first stop: it closes too")
        << Fragment::subMenuBackgroundColor
        << QVariantMap{{"subMenuEnableFirstQuarterBackgroundColor", true},
                       {"subMenuEnableEndBackgroundColor", false}}
        << QStringLiteral("\tbackground: -moz-linear-gradient(\n\t\ttop,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#c7d95f 25%,\n"
                          "\t\t#c7d95f);\n"
                          "\tbackground: -webkit-gradient(\n\t\tlinear, left top, left bottom,\n"
                          "\t\tfrom(#ffffff),\n"
                          "\t\tcolor-stop(0.25, #c7d95f),\n"
                          "\t\tto(#c7d95f));\n"
                          "\tbackground: -ms-linear-gradient(\n\t\ttop,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#c7d95f 25%,\n"
                          "\t\t#c7d95f 100%);\n"
                          "\tbackground: -o-linear-gradient(\n\t\ttop,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#c7d95f 25%,\n"
                          "\t\t#c7d95f 100%);\n"
                          "\tbackground: linear-gradient(\n\t\tto bottom,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#c7d95f 25%,\n"
                          "\t\t#c7d95f 100%);\n");

    QTest::newRow("positions out of order and above 100, written as stored")
        << Fragment::backgroundColor
        << QVariantMap{{"firstQuarterBackgroundColor", "#110000"},
                       {"firstQuarterBackgroundColorPos", 60},
                       {"secondQuarterBackgroundColor", "#002200"},
                       {"secondQuarterBackgroundColorPos", 30},
                       {"thirdQuarterBackgroundColor", "#000033"},
                       {"thirdQuarterBackgroundColorPos", 150},
                       {"endBackgroundColor", "#444444"}}
        << QStringLiteral("\tbackground: -moz-linear-gradient(\n\t\ttop,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#110000 60%,\n"
                          "\t\t#002200 30%,\n"
                          "\t\t#000033 150%,\n"
                          "\t\t#444444);\n"
                          "\tbackground: -webkit-gradient(\n\t\tlinear, left top, left bottom,\n"
                          "\t\tfrom(#ffffff),\n"
                          "\t\tcolor-stop(0.60, #110000),\n"
                          "\t\tcolor-stop(0.30, #002200),\n"
                          "\t\tcolor-stop(1.50, #000033),\n"
                          "\t\tto(#444444));\n"
                          "\tbackground: -ms-linear-gradient(\n\t\ttop,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#110000 60%,\n"
                          "\t\t#002200 30%,\n"
                          "\t\t#000033 150%,\n"
                          "\t\t#444444 100%);\n"
                          "\tbackground: -o-linear-gradient(\n\t\ttop,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#110000 60%,\n"
                          "\t\t#002200 30%,\n"
                          "\t\t#000033 150%,\n"
                          "\t\t#444444 100%);\n"
                          "\tbackground: linear-gradient(\n\t\tto bottom,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#110000 60%,\n"
                          "\t\t#002200 30%,\n"
                          "\t\t#000033 150%,\n"
                          "\t\t#444444 100%);\n");

    QTest::newRow("negative position, skipped stop, last enabled stop closes")
        << Fragment::backgroundColor
        << QVariantMap{{"firstQuarterBackgroundColorPos", -10},
                       {"enableSecondQuarterBackgroundColor", false},
                       {"thirdQuarterBackgroundColorPos", 5},
                       {"enableEndBackgroundColor", false}}
        << QStringLiteral("\tbackground: -moz-linear-gradient(\n\t\ttop,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#c7d95f -10%,\n"
                          "\t\t#add136 5%,\n"
                          "\t\t#add136);\n"
                          "\tbackground: -webkit-gradient(\n\t\tlinear, left top, left bottom,\n"
                          "\t\tfrom(#ffffff),\n"
                          "\t\tcolor-stop(-0.10, #c7d95f),\n"
                          "\t\tcolor-stop(0.05, #add136),\n"
                          "\t\tto(#add136));\n"
                          "\tbackground: -ms-linear-gradient(\n\t\ttop,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#c7d95f -10%,\n"
                          "\t\t#add136 5%,\n"
                          "\t\t#add136 100%);\n"
                          "\tbackground: -o-linear-gradient(\n\t\ttop,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#c7d95f -10%,\n"
                          "\t\t#add136 5%,\n"
                          "\t\t#add136 100%);\n"
                          "\tbackground: linear-gradient(\n\t\tto bottom,\n"
                          "\t\t#ffffff 0%,\n"
                          "\t\t#c7d95f -10%,\n"
                          "\t\t#add136 5%,\n"
                          "\t\t#add136 100%);\n");

    QTest::newRow("hover, transparency 100")
        << Fragment::backgroundColorHover
        << QVariantMap{{"enableFirstQuarterBackgroundColorHover", true},
                       {"firstQuarterBackgroundColorPosHover", 33},
                       {"colorTransparencyHover", 100}}
        << QStringLiteral("\tbackground: -moz-linear-gradient(\n\t\ttop,\n"
                          "\t\trgba(255, 0, 0, 1.00) 0%,\n"
                          "\t\trgba(199, 217, 95, 1.00) 33%,\n"
                          "\t\trgba(199, 217, 95, 1.00));\n"
                          "\tbackground: -webkit-gradient(\n\t\tlinear, left top, left bottom,\n"
                          "\t\tfrom(rgba(255, 0, 0, 1.00)),\n"
                          "\t\tcolor-stop(0.33, rgba(199, 217, 95, 1.00)),\n"
                          "\t\tto(rgba(199, 217, 95, 1.00)));\n"
                          "\tbackground: -ms-linear-gradient(\n\t\ttop,\n"
                          "\t\trgba(255, 0, 0, 1.00) 0%,\n"
                          "\t\trgba(199, 217, 95, 1.00) 33%,\n"
                          "\t\trgba(199, 217, 95, 1.00) 100%);\n"
                          "\tbackground: -o-linear-gradient(\n\t\ttop,\n"
                          "\t\trgba(255, 0, 0, 1.00) 0%,\n"
                          "\t\trgba(199, 217, 95, 1.00) 33%,\n"
                          "\t\trgba(199, 217, 95, 1.00) 100%);\n"
                          "\tbackground: linear-gradient(\n\t\tto bottom,\n"
                          "\t\trgba(255, 0, 0, 1.00) 0%,\n"
                          "\t\trgba(199, 217, 95, 1.00) 33%,\n"
                          "\t\trgba(199, 217, 95, 1.00) 100%);\n");

    QTest::newRow("sub hover reads its own group, end only")
        << Fragment::subMenuBackgroundColorHover
        << QVariantMap{{"subMenuEnableEndBackgroundColorHover", true},
                       {"subMenuColorTransparencyHover", 50},
                       {"enableEndBackgroundColorHover", false}}
        << QStringLiteral("\tbackground: -moz-linear-gradient(\n\t\ttop,\n"
                          "\t\trgba(255, 0, 0, 0.50) 0%,\n"
                          "\t\trgba(109, 128, 0, 0.50));\n"
                          "\tbackground: -webkit-gradient(\n\t\tlinear, left top, left bottom,\n"
                          "\t\tfrom(rgba(255, 0, 0, 0.50)),\n"
                          "\t\tto(rgba(109, 128, 0, 0.50)));\n"
                          "\tbackground: -ms-linear-gradient(\n\t\ttop,\n"
                          "\t\trgba(255, 0, 0, 0.50) 0%,\n"
                          "\t\trgba(109, 128, 0, 0.50) 100%);\n"
                          "\tbackground: -o-linear-gradient(\n\t\ttop,\n"
                          "\t\trgba(255, 0, 0, 0.50) 0%,\n"
                          "\t\trgba(109, 128, 0, 0.50) 100%);\n"
                          "\tbackground: linear-gradient(\n\t\tto bottom,\n"
                          "\t\trgba(255, 0, 0, 0.50) 0%,\n"
                          "\t\trgba(109, 128, 0, 0.50) 100%);\n");

    QTest::newRow("active, transparency 0")
        << Fragment::subMenuBackgroundColorActive
        << QVariantMap{{"subMenuColorTransparencyActive", 0}}
        << QStringLiteral("\tbackground: rgba(255, 0, 0, 0.00);\n");
    QTest::newRow("main active reads colorTransparencyActive")
        << Fragment::backgroundColorActive
        << QVariantMap{{"colorTransparencyActive", 75}, {"colorTransparencyHover", 20}}
        << QStringLiteral("\tbackground: rgba(255, 0, 0, 0.75);\n");
    const Fragment stateFragments[] = {
        Fragment::backgroundColorHover, Fragment::backgroundColorActive,
        Fragment::subMenuBackgroundColorHover, Fragment::subMenuBackgroundColorActive};
    for (Fragment f : stateFragments)
        QTest::newRow(qPrintable(fragmentName(f) + QLatin1String(" default")))
            << f << QVariantMap() << QStringLiteral("\tbackground: rgba(255, 0, 0, 0.10);\n");
}

void DeclarationsTest::gradient() {
    QFETCH(Fragment, fragment);
    QFETCH(QVariantMap, settings);
    QFETCH(QString, expected);
    QCOMPARE(buildFragment(fragment, settings), expected);
}

void DeclarationsTest::gradient_colourAlphaIsNeverWritten() {
    GlobalData data;
    data.setStartBackgroundColor(Color::fromBytes(255, 255, 255).withAlpha(0.5));
    data.setEnableFirstQuarterBackgroundColor(false);
    data.setEnableSecondQuarterBackgroundColor(false);
    data.setEnableThirdQuarterBackgroundColor(false);
    data.setEnableEndBackgroundColor(false);
    data.setStartBackgroundColorHover(Color::fromBytes(255, 0, 0).withAlpha(0.3));
    FragmentRegistry registry;
    CodeBuilders builders(data, registry);
    builders.constructBackgroundCommand();
    builders.constructBackgroundHoverCommand();
    QCOMPARE(registry.text(Fragment::backgroundColor), QStringLiteral("\tbackground: #ffffff;\n"));
    QCOMPARE(registry.text(Fragment::backgroundColorHover),
             QStringLiteral("\tbackground: rgba(255, 0, 0, 0.10);\n"));
}

void DeclarationsTest::shadow_data() {
    QTest::addColumn<Fragment>("fragment");
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<QString>("expected");

    QTest::newRow("box shadows default")
        << Fragment::dropAndInnerShadow << QVariantMap()
        << QStringLiteral("\t-moz-box-shadow:\n"
                          "\t\t0px 1px 3px rgba(0,0,0,0.5),\n"
                          "\t\tinset 0px 0px 2px rgba(255,255,255,1);\n"
                          "\t-webkit-box-shadow:\n"
                          "\t\t0px 1px 3px rgba(0,0,0,0.5),\n"
                          "\t\tinset 0px 0px 2px rgba(255,255,255,1);\n"
                          "\tbox-shadow:\n"
                          "\t\t0px 1px 3px rgba(0,0,0,0.5),\n"
                          "\t\tinset 0px 0px 2px rgba(255,255,255,1);\n");
    QTest::newRow("text shadows default")
        << Fragment::mainMenuTextShadow << QVariantMap()
        << QStringLiteral("\ttext-shadow:\n"
                          "\t\t0px 0px 0px rgba(0,0,0,0.6),\n"
                          "\t\t0px 0px 2px rgba(255,255,255,1);\n");
    QTest::newRow("opacity 0") << Fragment::mainMenuTextShadow
                               << QVariantMap{{"mainMenuTextShadow1Opacity", 0.0}}
                               << QStringLiteral("\ttext-shadow:\n"
                                                 "\t\t0px 0px 0px rgba(0,0,0,0),\n"
                                                 "\t\t0px 0px 2px rgba(255,255,255,1);\n");
    QTest::newRow("opacity 1") << Fragment::mainMenuTextShadow
                               << QVariantMap{{"mainMenuTextShadow1Opacity", 1.0}}
                               << QStringLiteral("\ttext-shadow:\n"
                                                 "\t\t0px 0px 0px rgba(0,0,0,1),\n"
                                                 "\t\t0px 0px 2px rgba(255,255,255,1);\n");
    QTest::newRow("opacity 0.96 and 0.04")
        << Fragment::mainMenuTextShadow
        << QVariantMap{{"mainMenuTextShadow1Opacity", 0.96}, {"mainMenuTextShadow2Opacity", 0.04}}
        << QStringLiteral("\ttext-shadow:\n"
                          "\t\t0px 0px 0px rgba(0,0,0,1.0),\n"
                          "\t\t0px 0px 2px rgba(255,255,255,0.0);\n");
    QTest::newRow("negative offsets, zero blur")
        << Fragment::mainMenuTextShadow
        << QVariantMap{{"mainMenuTextShadow2XPos", -2},
                       {"mainMenuTextShadow2YPos", 3},
                       {"mainMenuTextShadow2Size", 0}}
        << QStringLiteral("\ttext-shadow:\n"
                          "\t\t0px 0px 0px rgba(0,0,0,0.6),\n"
                          "\t\t-2px 3px 0px rgba(255,255,255,1);\n");
    QTest::newRow("inner shadow opacity 0.96, drop colour")
        << Fragment::dropAndInnerShadow
        << QVariantMap{{"innerShadowOpacity", 0.96},
                       {"dropShadowColor", "#102030"},
                       {"dropShadowXPos", -1}}
        << QStringLiteral("\t-moz-box-shadow:\n"
                          "\t\t-1px 1px 3px rgba(16,32,48,0.5),\n"
                          "\t\tinset 0px 0px 2px rgba(255,255,255,1.0);\n"
                          "\t-webkit-box-shadow:\n"
                          "\t\t-1px 1px 3px rgba(16,32,48,0.5),\n"
                          "\t\tinset 0px 0px 2px rgba(255,255,255,1.0);\n"
                          "\tbox-shadow:\n"
                          "\t\t-1px 1px 3px rgba(16,32,48,0.5),\n"
                          "\t\tinset 0px 0px 2px rgba(255,255,255,1.0);\n");
}

void DeclarationsTest::shadow() {
    QFETCH(Fragment, fragment);
    QFETCH(QVariantMap, settings);
    QFETCH(QString, expected);
    QCOMPARE(buildFragment(fragment, settings), expected);
}

void DeclarationsTest::shadow_channelsTruncatedAndAlphaIgnored() {
    GlobalData data;
    data.setMainMenuTextShadow1Color(Color{0.5, 0.25, 1.0, 0.5});
    data.setMainMenuTextShadow1Opacity(0.3);
    FragmentRegistry registry;
    CodeBuilders builders(data, registry);
    builders.constructMainMenuTextShadowCommand();
    QCOMPARE(registry.text(Fragment::mainMenuTextShadow),
             QStringLiteral("\ttext-shadow:\n"
                            "\t\t0px 0px 0px rgba(127,63,255,0.3),\n"
                            "\t\t0px 0px 2px rgba(255,255,255,1);\n"));
}

void DeclarationsTest::builders_readTheStoreWhenCalled() {
    GlobalData data;
    FragmentRegistry registry;
    CodeBuilders builders(data, registry);
    builders.constructWidthCommand();
    QCOMPARE(registry.text(Fragment::width), QStringLiteral("\twidth: 100%;\n"));
    data.setWidth(80);
    QCOMPARE(registry.text(Fragment::width), QStringLiteral("\twidth: 100%;\n"));
    builders.constructWidthCommand();
    QCOMPARE(registry.text(Fragment::width), QStringLiteral("\twidth: 80%;\n"));
}
