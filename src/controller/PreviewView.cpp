#include "controller/PreviewView.h"

#include <QChildEvent>
#include <QDesktopServices>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

namespace brindle {

namespace {

// Only local files may be fetched: the page, its stylesheet and its images.
class LocalOnlyInterceptor : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QString scheme = info.requestUrl().scheme();
        if (scheme != QLatin1String("file") && scheme != QLatin1String("data"))
            info.block(true);
    }
};

class PreviewPage : public QWebEnginePage {
public:
    PreviewPage(QWebEngineProfile* profile, const PreviewView* view)
        : QWebEnginePage(profile, nullptr), m_view(view) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        if (!isMainFrame)
            return false;
        if (url.matches(m_view->previewUrl(), QUrl::RemoveFragment) &&
            type != NavigationTypeLinkClicked)
            return true;
        if (type == NavigationTypeLinkClicked &&
            (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")))
            QDesktopServices::openUrl(url);
        return false;
    }

    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }

private:
    const PreviewView* m_view;
};

} // namespace

PreviewView::PreviewView(QWidget* parent)
    : QWebEngineView(parent), m_profile(new QWebEngineProfile(this)) {
    m_profile->setHttpCacheType(QWebEngineProfile::NoCache);
    m_profile->setUrlRequestInterceptor(new LocalOnlyInterceptor(m_profile));
    auto* page = new PreviewPage(m_profile, this);
    QWebEngineSettings* settings = page->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    // A reload after every change must not pull the keyboard away from the field being edited.
    settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    setPage(page);
    setContextMenuPolicy(Qt::NoContextMenu);
    takeFocusOnlyByClick(this);
}

void PreviewView::takeFocusOnlyByClick(QWidget* widget) {
    // Without Tab focus the widget is also skipped when the focused field is hidden (a mode
    // or tab switch), so focus never lands on the page's first link as if it were the design.
    widget->setFocusPolicy(Qt::ClickFocus);
}

bool PreviewView::event(QEvent* event) {
    // The page is drawn by a child widget made with each render view; it takes focus for the
    // view and so gets the same policy.
    if (event->type() == QEvent::ChildPolished) {
        if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
            takeFocusOnlyByClick(child);
    }
    return QWebEngineView::event(event);
}

PreviewView::~PreviewView() {
    // The page must go before its profile.
    delete page();
}

void PreviewView::loadPreview(const QString& htmlPath) {
    m_previewUrl = QUrl::fromLocalFile(htmlPath);
    load(m_previewUrl);
}

void PreviewView::requestReload() {
    if (m_reloadPending || m_previewUrl.isEmpty())
        return;
    m_reloadPending = true;
    QTimer::singleShot(0, this, [this] {
        m_reloadPending = false;
        // Past any link click the page still shows index.html; bypass every cache.
        if (url() != m_previewUrl)
            load(m_previewUrl);
        else
            page()->triggerAction(QWebEnginePage::ReloadAndBypassCache);
    });
}

} // namespace brindle
