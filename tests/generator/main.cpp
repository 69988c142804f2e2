#include "tst_cli.h"
#include "tst_declarations.h"
#include "tst_documents.h"
#include "tst_menu.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTest>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("brindle.info=false"));
    int failures = 0;
    {
        DeclarationsTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        MenuTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        DocumentsTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        CliTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
