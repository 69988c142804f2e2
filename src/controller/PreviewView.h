#pragma once

#include "workspace/FileStamps.h"
#include "workspace/PreviewStates.h"

#include <QJsonValue>
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

    // Where the current stylesheet and menu markup come from (the controller's document). The
    // stylesheet comes in parts that join to it, in cascade order: the page parses again only
    // the parts that changed, and restyles only what their rules select.
    void setStylesheetSource(std::function<QStringList()> source) {
        m_stylesheetSource = std::move(source);
    }
    void setMenuMarkupSource(std::function<QString()> source) {
        m_menuMarkupSource = std::move(source);
    }
    // Show the rewritten stylesheet, or the page's rewritten menu markup, in the loaded page
    // in place, from the application's script world (the page's own scripts stay off): no
    // reload, no flash; the scroll position and the pinned state stay. All changes of one
    // pass are shown together, in one frame. A change made while the page loads is shown
    // when it has loaded. The menu falls back to a reload when a picture file the page has
    // shown was replaced (the engine would keep showing the old picture) or when the page
    // has no menu to replace.
    void stylesheetChanged();
    void menuMarkupChanged();
    // Sends the changes of this pass to the page now rather than when the event loop comes
    // round to them; nothing when none is waiting.
    void showPendingChanges();
    // True while nothing is waiting to be shown: no reload, load or in-place change pending.
    bool isShowingLatest() const;
    // The state shown on the representative items; kept across reloads.
    void setPins(const PreviewPins& pins);
    const PreviewPins& pins() const { return m_pins; }
    // Closes what a visitor opened in the page (a tapped sub-menu, the phone menu) and takes
    // the focus out of the menu: a new width or mode starts from the design as it is.
    void forgetVisitorState();

signals:
    // The first frame drawn after a stylesheet or menu change was shown in place.
    void changePainted(qint64 serial);
    // The first frame drawn after the pins were applied (after every load, too).
    void pinsPainted();

protected:
    bool event(QEvent* event) override;

private:
    friend class PreviewPage;
    static void takeFocusOnlyByClick(QWidget* widget);
    void startLoad();
    void scheduleInPlaceChange();
    void applyInPlaceChanges();
    // The stylesheet's parts the page does not show yet (null for those it shows), or null.
    QJsonValue changedStylesheetParts();
    void applyPins();
    FileStamps pictureStamps() const;
    void runInPage(const QString& script);

    QWebEngineProfile* m_profile;
    QUrl m_previewUrl;
    bool m_reloadPending = false;
    bool m_loading = false;
    bool m_inPlaceScheduled = false;
    bool m_stylesheetPending = false;
    bool m_menuPending = false;
    std::function<QStringList()> m_stylesheetSource;
    std::function<QString()> m_menuMarkupSource;
    qint64 m_changeSerial = 0;
    FileStamps m_shownPictures; // the picture files as the page last read them
    // The texts last shown in place; null after a load, which reads the files.
    QStringList m_shownStylesheet; // in parts
    QString m_shownMenuMarkup;
    PreviewPins m_pins;
};

} // namespace brindle
