#pragma once

#include <QObject>

// List markup, icon and arrow rules, line heights, escaping.
class MenuTest : public QObject {
    Q_OBJECT

private slots:
    void markup_defaultMenu();
    void markup_iconsEmptyTitlesAndEmptyTree();
    void markup_escapesTitlesAndLinks_data();
    void markup_escapesTitlesAndLinks();
    void iconRule_data();
    void iconRule();
    void arrowRule_onlyWhereThePageOpensAList();
    void menuIcon_rulesInTreeOrder();
    void menuIcon_emptyTreeHasBaseRulesOnly();
    void svgIcon_eachStyle_data();
    void svgIcon_eachStyle();
    void lineHeights_data();
    void lineHeights();
    void lineHeights_topAndHeightReuseTheLastIconBuild();
    void listChange_movesAndRewritesOnlyWhatChanged_data();
    void listChange_movesAndRewritesOnlyWhatChanged();
};
