#pragma once

#include <QObject>

// Quick mode: colours derived from one pick, text intensity, transparency and shape.
class QuickModeTest : public QObject {
    Q_OBJECT

private slots:
    void hsb_roundTripsAndClamps_data();
    void hsb_roundTripsAndClamps();
    void mainNormalPick_derivesBorderAndFullGradient_data();
    void mainNormalPick_derivesBorderAndFullGradient();
    void subMenuNormalPick_keepsOnlyTheEndStop();
    void hoverPick_makesAFlatBackground();
    void reloadData_showsPickOrLastEnabledStop_data();
    void reloadData_showsPickOrLastEnabledStop();
    void reloadData_postsNothing();
    void textIntensity_setsAndShowsBrightness_data();
    void textIntensity_setsAndShowsBrightness();
    void subMenuIntensity_setsOnlyItsOwnColour();
    void transparency_writesItsStateAndAnnouncesTheBackground_data();
    void transparency_writesItsStateAndAnnouncesTheBackground();
    void shape_choiceAndReload_data();
    void shape_choiceAndReload();
    void quickModeView_derivesMainMenuColours();
    void quickModeView_pickKeepsTheTextReadable();
};
