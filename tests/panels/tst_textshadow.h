#pragma once

#include <QObject>

// The text panels, the separator switch and the four shadow panels.
class TextAndShadowTest : public QObject {
    Q_OBJECT

private slots:
    void fontFamily_choiceStoresTheEntryText();
    void fontFamily_wheelChangesItOnlyWithFocus();
    void fontFamily_reloadMatchesLetterCaseExactly_data();
    void fontFamily_reloadMatchesLetterCaseExactly();
    void fontSize_isClampedAndAnnounced();
    void textColourPanels_writeOnlyTheirColour_data();
    void textColourPanels_writeOnlyTheirColour();
    void separator_choiceAndReload();

    void shadowPanels_writeTheirOwnSettings_data();
    void shadowPanels_writeTheirOwnSettings();
    void shadowOpacity_typedIsClampedAndShownInTenths_data();
    void shadowOpacity_typedIsClampedAndShownInTenths();
    void shadowFields_takeAMinusOnlyWhereTheRangeHasNegatives_data();
    void shadowFields_takeAMinusOnlyWhereTheRangeHasNegatives();
    void shadowOpacity_stepsInTenthsUpToOne();
    void shadowOffset_allowsNegativeValuesByStepper();
    void setUp_onlySecondTextShadowPosts();
};
