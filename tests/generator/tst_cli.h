#pragma once

#include <QObject>

// The brindle-export command-line tool, run as a separate process.
class CliTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void defaults_writesPageStylesheetAndArrow();
    void informationOptions_printAndExitWithZero_data();
    void informationOptions_printAndExitWithZero();
    void usageErrors_exitWithTwo_data();
    void usageErrors_exitWithTwo();
    void unwritableOutput_exitsWithOne();
    void outputStyle_choosesTheFrame();
    void snippet_isTheMenuAloneUnderItsClassName();
    void snippet_neverReplacesASitesFilesUnlessForced_data();
    void snippet_neverReplacesASitesFilesUnlessForced();
};
