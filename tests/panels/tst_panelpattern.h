#pragma once

#include <QObject>

// The panel pattern, the controls it is made of, the shape panels and the gradient panels.
class PanelPatternTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void formatter_decidesEachText_data();
    void formatter_decidesEachText();
    void formatter_refusesKeystrokeWithBeep();
    void decimalFormatter_showsTenthsHalfUp_data();
    void decimalFormatter_showsTenthsHalfUp();

    void typedValue_isClampedStoredShownAndPostedOnce_data();
    void typedValue_isClampedStoredShownAndPostedOnce();
    void stepperClick_storesAndPostsOnce_data();
    void stepperClick_storesAndPostsOnce();
    void padding_followsItsLock_data();
    void padding_followsItsLock();
    void reloadData_postsOnlyThroughWellsAfterSetUp_data();
    void reloadData_postsOnlyThroughWellsAfterSetUp();

    void checkBox_switchesExactlyItsStop_data();
    void checkBox_switchesExactlyItsStop();
    void gradientPanel_writesItsOwnGroup_data();
    void gradientPanel_writesItsOwnGroup();

    void colorWell_announcesEveryAssignment();
    void colorWell_disabledIgnoresClicks();
    void colorWell_sharedDialogEditsLastClickedWell();
    void lock_storesItsStateAndLeavesValues();
    void showFireFox_launchesOrTells();
    void stylePanels_senderIsThePanel();
    void titleBar_captionAtSeventeenCentred();

    void spokenNames_sayWhatTheControlChanges_data();
    void spokenNames_sayWhatTheControlChanges();
    void arrowKeys_stepTheFieldFromWhatItShows_data();
    void arrowKeys_stepTheFieldFromWhatItShows();
};
