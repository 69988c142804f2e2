#pragma once

#include "workspace/PreviewStates.h"

#include <QUrl>
#include <QWebEngineView>

#include <functional>

class QWebEngineProfile;

namespace brindle {

// The live preview: shows the preview folder's index.html and nothing else. No JavaScript,
// no remote requests, no HTTP cache (a rewritten stylesheet is never served stale), and
// no navigation away from the page; http(s) links open in the user's browser instead. It takes
// the keyboard focus only when clicked.
class PreviewView : public QWebEngineView {
    Q_OBJECT

public:
    explicit PreviewView(QWidget* parent = nullptr);
    ~PreviewView() override;

    void loadPreview(const QString& htmlPath);
    // Reloads once on the next event-loop pass, however often it is asked meanwhile: one
    // change handler may rewrite the files several times in a row.
    void requestReload();
    const QUrl& previewUrl() const { return m_previewUrl; }

    // Where the current stylesheet text comes from (the controller's document).
    void setStylesheetSource(std::function<QString()> source) {
        m_stylesheetSource = std::move(source);
    }
    // Shows the rewritten stylesheet in the loaded page in place, from the application's
    // script world (the page's own scripts stay off): no reload, no flash, the scroll
    // position and the pinned state stay. Several calls in one pass show it once.
    void stylesheetChanged();
    // The state shown on the representative items; kept across reloads.
    void setPins(const PreviewPins& pins);
    const PreviewPins& pins() const { return m_pins; }

signals:
    // The first frame drawn after a stylesheet was shown in place.
    void stylesheetPainted(qint64 serial);

protected:
    bool event(QEvent* event) override;

private:
    friend class PreviewPage;
    static void takeFocusOnlyByClick(QWidget* widget);
    void applyStylesheet();
    void applyPins();
    void runInPage(const QString& script);

    QWebEngineProfile* m_profile;
    QUrl m_previewUrl;
    bool m_reloadPending = false;
    bool m_loading = false;
    bool m_stylesheetPending = false;
    std::function<QString()> m_stylesheetSource;
    qint64 m_stylesheetSerial = 0;
    PreviewPins m_pins;
};

} // namespace brindle
