#include "widgets/PageOpener.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QWidget>

namespace brindle {

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PageOpener)
};

} // namespace

void tellPageNotOpened(QWidget* window, const QUrl& page, const QString& reason) {
    auto* box =
        new QMessageBox(QMessageBox::Warning, Texts::tr("Page Not Opened"),
                        Texts::tr("The page could not be opened in a browser: %1").arg(reason),
                        QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("pageNotOpenedAlert"));
    box->setInformativeText(
        Texts::tr("Open it by hand:\n%1").arg(QDir::toNativeSeparators(page.toLocalFile())));
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

void openPageInDefaultBrowser(const QUrl& page, QWidget* window) {
    // Not owned by the window: a browser that xdg-open becomes must outlive Brindle.
    auto* opener = new QProcess;
    const QPointer<QWidget> told(window);
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, told, page](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         if (told)
                             tellPageNotOpened(
                                 told, page,
                                 Texts::tr("the desktop's opener (xdg-open) is missing."));
                         opener->deleteLater();
                     });
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, told, page](int exitCode, QProcess::ExitStatus status) {
                         if (told && (status != QProcess::NormalExit || exitCode != 0))
                             tellPageNotOpened(
                                 told, page,
                                 Texts::tr("the desktop's opener (xdg-open) ended with "
                                           "error %1.")
                                     .arg(exitCode));
                         opener->deleteLater();
                     });
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->start(QStringLiteral("xdg-open"), {page.toString()});
}

} // namespace brindle
