#include "resources/Resources.h"
#include "tst_panelpattern.h"
#include "tst_quickmode.h"
#include "tst_textshadow.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    brindle::initResources();
    int status = 0;
    {
        PanelPatternTest test;
        status |= QTest::qExec(&test, argc, argv);
    }
    {
        TextAndShadowTest test;
        status |= QTest::qExec(&test, argc, argv);
    }
    {
        QuickModeTest test;
        status |= QTest::qExec(&test, argc, argv);
    }
    return status;
}
