#include "controller/MainWindow.h"
#include "controller/PreviewView.h"
#include "model/GlobalData.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "resources/Resources.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QSettings>

namespace {

const QString kRecentKey = QStringLiteral("recentProjectList");

void restoreRecentList(brindle::GlobalData& data) {
    const QVariantList stored = QSettings().value(kRecentKey).toList();
    qCInfo(lcBrindle) << "recentProjectList:" << stored.size();
    QList<QByteArray> list;
    for (const QVariant& entry : stored)
        list << entry.toByteArray();
    data.setRecentProjectList(list);
}

void storeRecentList(const brindle::GlobalData& data) {
    QVariantList list;
    for (const QByteArray& entry : data.recentProjectList())
        list << entry;
    QSettings settings;
    settings.setValue(kRecentKey, list);
    settings.sync();
    qCInfo(lcBrindle) << "recentProjectList:" << list.size();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setOrganizationName(QStringLiteral("Brindle"));
    QCoreApplication::setApplicationName(QStringLiteral("Brindle"));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    brindle::initResources();
    app.setWindowIcon(QIcon(QStringLiteral(":/images/brindle.png")));

    brindle::GlobalData& data = brindle::GlobalData::sharedData();
    restoreRecentList(data);

    brindle::MainWindow window(data, brindle::NotificationCenter::defaultCenter());
    // For the start-up benchmark: quit as soon as the first preview load has finished.
    if (qEnvironmentVariableIsSet("BRINDLE_EXIT_AFTER_FIRST_LOAD"))
        QObject::connect(window.previewView(), &QWebEngineView::loadFinished, &app,
                         &QCoreApplication::quit, Qt::QueuedConnection);
    window.setUp({}, QDir::tempPath());
    window.show();

    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&data] { storeRecentList(data); });
    return app.exec();
}
