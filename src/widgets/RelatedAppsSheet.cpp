#include "widgets/RelatedAppsSheet.h"

#include "platform/NotificationCenter.h"
#include "widgets/TabStripView.h"

#include <QCommandLinkButton>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace brindle {

using Category = RelatedApplication::Category;

const QList<RelatedApplication>& RelatedAppsSheet::relatedApplications() {
    static const QList<RelatedApplication> applications{
        {Category::DeveloperTools, QStringLiteral("Bluefish"),
         QT_TRANSLATE_NOOP("brindle::RelatedAppsSheet",
                           "A fast editor for HTML, CSS and JavaScript, with snippets and "
                           "syntax highlighting."),
         QUrl(QStringLiteral("https://bluefish.openoffice.nl/"))},
        {Category::DeveloperTools, QStringLiteral("Geany"),
         QT_TRANSLATE_NOOP("brindle::RelatedAppsSheet",
                           "A light editor for web pages and code, with a symbol list and "
                           "build commands."),
         QUrl(QStringLiteral("https://www.geany.org/"))},
        {Category::DeveloperTools, QStringLiteral("Firefox Developer Edition"),
         QT_TRANSLATE_NOOP("brindle::RelatedAppsSheet",
                           "A browser with tools for inspecting layouts, styles and scripts."),
         QUrl(QStringLiteral("https://www.mozilla.org/firefox/developer/"))},
        {Category::Utilities, QStringLiteral("GIMP"),
         QT_TRANSLATE_NOOP("brindle::RelatedAppsSheet",
                           "Edits photos and draws bitmap images such as menu icons."),
         QUrl(QStringLiteral("https://www.gimp.org/"))},
        {Category::Utilities, QStringLiteral("Inkscape"),
         QT_TRANSLATE_NOOP("brindle::RelatedAppsSheet",
                           "Draws scalable vector graphics for icons and logos."),
         QUrl(QStringLiteral("https://inkscape.org/"))},
        {Category::Utilities, QStringLiteral("FileZilla"),
         QT_TRANSLATE_NOOP("brindle::RelatedAppsSheet",
                           "Uploads a finished site to a web server over FTP and SFTP."),
         QUrl(QStringLiteral("https://filezilla-project.org/"))},
        {Category::Utilities, QStringLiteral("KColorChooser"),
         QT_TRANSLATE_NOOP("brindle::RelatedAppsSheet",
                           "Picks colours from anywhere on the screen and keeps palettes."),
         QUrl(QStringLiteral("https://apps.kde.org/kcolorchooser/"))},
    };
    return applications;
}

RelatedAppsSheet::RelatedAppsSheet(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("relatedApps"));
    setWindowTitle(tr("Related Applications"));
    setWindowModality(Qt::WindowModal);

    auto* column = new QVBoxLayout(this);
    m_relatedAppTabView = new TabStripView(TabStripView::Config::RelatedAppTabView, this);
    column->addWidget(m_relatedAppTabView);
    m_relatedContentView = new QStackedWidget(this);
    m_developerToolsView = makeCategoryView(Category::DeveloperTools);
    m_utilitiesView = makeCategoryView(Category::Utilities);
    m_relatedContentView->addWidget(m_developerToolsView);
    m_relatedContentView->addWidget(m_utilitiesView);
    column->addWidget(m_relatedContentView, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &RelatedAppsSheet::closeWindow);
    column->addWidget(buttons);

    NotificationCenter::defaultCenter().addObserver(
        this, QString::fromLatin1(kSelectIndexChanged), m_relatedAppTabView,
        [this](const Notification& notification) {
            categoryIndexDidChange(
                notification.userInfo.value(QString::fromLatin1(kIndexKey)).toInt());
        });
    m_relatedAppTabView->setSelectIndex(0);
    resize(520, sizeHint().height());
}

RelatedAppsSheet::~RelatedAppsSheet() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

QWidget* RelatedAppsSheet::makeCategoryView(Category category) {
    auto* view = new QWidget;
    auto* rows = new QVBoxLayout(view);
    const auto& applications = relatedApplications();
    for (qsizetype i = 0; i < applications.size(); ++i) {
        const RelatedApplication& application = applications[i];
        if (application.category != category)
            continue;
        auto* button = new QCommandLinkButton(
            application.name, tr(application.description.toUtf8().constData()), view);
        button->setToolTip(application.homepage.toString());
        connect(button, &QAbstractButton::clicked, this, [this, i] { openApplicationPage(i); });
        rows->addWidget(button);
    }
    rows->addStretch(1);
    return view;
}

Category RelatedAppsSheet::shownCategory() const {
    return m_relatedContentView->currentWidget() == m_utilitiesView ? Category::Utilities
                                                                    : Category::DeveloperTools;
}

void RelatedAppsSheet::categoryIndexDidChange(int index) {
    if (index == 1)
        showUtilitiesView();
    else
        showDeveloperToolsView();
}

void RelatedAppsSheet::showUtilitiesView() {
    m_relatedContentView->setCurrentWidget(m_utilitiesView);
}

void RelatedAppsSheet::showDeveloperToolsView() {
    m_relatedContentView->setCurrentWidget(m_developerToolsView);
}

void RelatedAppsSheet::openApplicationPage(qsizetype index) {
    const auto& applications = relatedApplications();
    if (index >= 0 && index < applications.size())
        QDesktopServices::openUrl(applications[index].homepage);
}

} // namespace brindle
