#pragma once

#include <QUrl>
#include <QWebEngineView>

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

protected:
    bool event(QEvent* event) override;

private:
    static void takeFocusOnlyByClick(QWidget* widget);

    QWebEngineProfile* m_profile;
    QUrl m_previewUrl;
    bool m_reloadPending = false;
};

} // namespace brindle
