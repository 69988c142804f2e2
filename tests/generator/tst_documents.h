#pragma once

#include <QObject>

// The stylesheet and page documents and the fragment registry.
class DocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void fragmentNames_inDocumentOrder();
    void defaultStylesheet_matchesHandWrittenFile();
    void defaultPage_matchesHandWrittenFile();
    void build_everyFragmentSitsAtItsIndex();
    void emptyMenu_pageFragmentIsEmpty();
    void splice_matchesFreshBuild_data();
    void splice_matchesFreshBuild();
    void splice_fiveLongerMovesExactlyTheLaterFragments();
    void splice_equalLengthMovesNothing();
    void splice_outsideBmpKeepsPositions();
    void splice_pageNeverMovesStylesheetIndexes();
    void splice_signalsDescribeEachSplice();
    void splice_beforeBuildOnlyRunsTheBuilder();
    void calculatePosIndex_strictlyGreater();
    void modernStyle_writesStandardForms_data();
    void modernStyle_writesStandardForms();
    void modernStyle_frameFollowsTheOptions_data();
    void modernStyle_frameFollowsTheOptions();
    void modernStyle_marksTheCurrentPage_data();
    void modernStyle_marksTheCurrentPage();
    void thirdLevel_opensInPlaceInModernOnly_data();
    void thirdLevel_opensInPlaceInModernOnly();
    void modernStyle_readsInTheMenusDirection_data();
    void modernStyle_readsInTheMenusDirection();
    void modernFonts_endInAStackForEveryScript_data();
    void modernFonts_endInAStackForEveryScript();
};
