#include "model/GlobalData.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QSplitter>

int main(int argc, char* argv[]) {
    QCoreApplication::setOrganizationName(QStringLiteral("Brindle"));
    QCoreApplication::setApplicationName(QStringLiteral("Brindle"));
    QApplication app(argc, argv);
    brindle::GlobalData::sharedData();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Brindle"));
    auto* splitter = new QSplitter(Qt::Horizontal, &window);
    splitter->addWidget(new QLabel(QStringLiteral("Side bar"), splitter));
    auto* right = new QSplitter(Qt::Vertical, splitter);
    right->addWidget(new QLabel(QStringLiteral("Preview"), right));
    right->addWidget(new QLabel(QStringLiteral("Source"), right));
    splitter->addWidget(right);
    window.setCentralWidget(splitter);
    window.resize(1200, 800);
    window.show();
    return app.exec();
}
