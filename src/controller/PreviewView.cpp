#include "controller/PreviewView.h"

#include "generator/MenuListChange.h"

#include <QChildEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

namespace brindle {

namespace {

constexpr QLatin1StringView kFrameMessage("brindle-preview-frame:");
constexpr QLatin1StringView kPinsMessage("brindle-preview-pins");

// Both scripts find the menu the same way: the first list of the page that no list item
// holds. Declared before each script that uses it.
const char* const kMenuBarFunction = R"(function brindleMenuBar() {
  return Array.prototype.find.call(document.querySelectorAll('ul'), function (list) {
    return !list.parentElement.closest('li');
  });
}
)";

// A menu list's change as the page script below takes it: for each item of the new list, the
// old item that stays (its index), the old item that moves there (-1 - index) or new markup.
QJsonValue listSplice(const QString& shown, const QString& now) {
    const std::optional<ListChange> change = menuListChange(shown, now);
    if (!change)
        return QJsonValue(QJsonValue::Null);
    QJsonArray recipe;
    for (const ListStep& step : change->steps) {
        switch (step.kind) {
        case ListStep::Kind::Stays:
            recipe.append(int(step.oldIndex));
            break;
        case ListStep::Kind::Moves:
            recipe.append(int(-1 - step.oldIndex));
            break;
        case ListStep::Kind::New:
            recipe.append(step.markup);
            break;
        }
    }
    return QJsonArray{int(change->itemsBefore), recipe};
}

// Arguments for a page script, as a JavaScript array literal.
QString scriptArguments(const QJsonArray& values) {
    return QString::fromUtf8(QJsonDocument(values).toJson(QJsonDocument::Compact));
}

// Puts the stylesheet's changed parts (when given) into style elements, one per part, that
// take the place of the page's link to styles.css (so the cascade keeps its order) and the
// menu markup (when given) into the menu's list, or only the items that changed (a splice),
// then reports the next frame. False when the page has no menu list, not the items the splice
// expects, or not the parts that some are left out of.
const char* const kShowChangesScript = R"((function (args) {
  // The stylesheet's parts, each text or null where the page shows it already.
  if (args[0] !== null) {
    var live = document.querySelectorAll('style.brindle-preview-live');
    if (live.length !== args[0].length) {
      if (args[0].indexOf(null) >= 0) return false;
      var link = document.querySelector('link[rel="stylesheet"][href="styles.css"]');
      var place = link || live[0] || document.getElementById('brindle-preview-pins');
      var made = args[0].map(function () {
        var part = document.createElement('style');
        part.className = 'brindle-preview-live';
        (place ? place.parentNode : document.head).insertBefore(part, place);
        return part;
      });
      if (link) link.remove();
      Array.prototype.forEach.call(live, function (part) { part.remove(); });
      live = made;
    }
    args[0].forEach(function (text, index) {
      if (text !== null) live[index].textContent = text;
    });
  }
  if (args[1] !== null) {
    var bar = brindleMenuBar();
    if (!bar) return false;
    bar.innerHTML = args[1];
  }
  // [items shown, recipe]: each item of the new list is an old one that stays (its index),
  // an old one that moves there (-1 - index) or the markup of a new one. Each item follows
  // its line's indent, a text node; the list ends in one.
  var splice = args[3];
  if (splice !== null) {
    var list = brindleMenuBar();
    if (!list || list.children.length !== splice[0] || !list.lastChild ||
        list.lastChild.nodeType !== Node.TEXT_NODE) return false;
    var old = Array.prototype.slice.call(list.children);
    if (old.some(function (item) {
      return !item.previousSibling || item.previousSibling.nodeType !== Node.TEXT_NODE;
    })) return false;
    var kept = [];
    splice[1].forEach(function (step) {
      if (typeof step === 'number') kept[step < 0 ? -1 - step : step] = true;
    });
    old.forEach(function (item, index) {
      if (kept[index]) return;
      item.previousSibling.remove();
      item.remove();
    });
    var next = list.lastChild, range = document.createRange();
    range.selectNodeContents(list);
    for (var i = splice[1].length - 1; i >= 0; --i) {
      var step = splice[1][i], item;
      if (typeof step === 'number' && step >= 0) {
        item = old[step];
      } else if (typeof step === 'number') {
        item = old[-1 - step];
        list.insertBefore(item.previousSibling, next);
        list.insertBefore(item, next);
      } else {
        var fresh = range.createContextualFragment('\n\t' + step);
        item = fresh.lastChild;
        list.insertBefore(fresh, next);
      }
      next = item.previousSibling;
    }
  }
  requestAnimationFrame(function () { console.log(args[2]); });
  return true;
}))";

// The pin rules go last in the head; the classes go on the representative items of the
// menu. Reports once the frame with the pins has been painted.
const char* const kPinScript = R"((function (args) {
  requestAnimationFrame(function () {
    requestAnimationFrame(function () { console.log(args[6]); });
  });
  var pins = document.getElementById('brindle-preview-pins');
  if (!pins) {
    pins = document.createElement('style');
    pins.id = 'brindle-preview-pins';
    document.head.appendChild(pins);
  }
  pins.textContent = args[0];
  var hover = args[1], active = args[2];
  var bar = brindleMenuBar();
  // A Modern bar's first class is the menu's name; its script marks the current page with it.
  var current = bar && bar.classList.length ? bar.classList[0] + '-current' : 'brindle-none';
  var section = bar && bar.classList.length ? bar.classList[0] + '-section' : 'brindle-none';
  document.querySelectorAll('.' + hover + ', .' + active + ', .' + current + ', .' + section)
    .forEach(function (e) {
      e.classList.remove(hover, active, current, section);
      if (!e.classList.length) e.removeAttribute('class'); // as the page had it
    });
  document.querySelectorAll('[aria-current]').forEach(function (e) {
    e.removeAttribute('aria-current');
  });
  var pin = function (item, state) {
    if (!item || !state) return;
    var link = item.querySelector(':scope > a');
    if (state === 3) {
      item.classList.add(current);
      if (link) link.setAttribute('aria-current', 'page');
      var owner = item.parentElement.closest('li');
      if (owner) owner.classList.add(section);
      return;
    }
    var cls = state === 1 ? hover : active;
    item.classList.add(cls);
    if (link) link.classList.add(cls);
  };
  if (!bar) return;
  var items = Array.prototype.filter.call(bar.children, function (e) { return e.tagName === 'LI'; });
  pin(items[0], args[3]);
  if (!args[4]) return;
  var owner = items.find(function (item) { return item.querySelector('ul'); });
  if (!owner) return;
  owner.classList.add(hover);
  var sub = owner.querySelector('ul > li');
  pin(sub, args[5]);
}))";

// What a visitor left open in the menu (a tapped sub-menu, the phone menu, the focus) is closed:
// it belongs to the width or the mode it was opened in.
const char* const kForgetVisitorScript = R"((function () {
  var bar = brindleMenuBar();
  if (!bar) return;
  var nav = bar.closest('nav') || bar;
  if (nav.contains(document.activeElement)) document.activeElement.blur();
  nav.querySelectorAll('[class]').forEach(function (e) {
    Array.prototype.slice.call(e.classList).forEach(function (c) {
      if (/-(open|closed)$/.test(c)) e.classList.remove(c);
    });
  });
  nav.querySelectorAll('button[aria-expanded]').forEach(function (b) {
    b.setAttribute('aria-expanded', 'false');
  });
  nav.querySelectorAll('input[type=checkbox]').forEach(function (t) { t.checked = false; });
})())";

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

} // namespace

class PreviewPage : public QWebEnginePage {
public:
    PreviewPage(QWebEngineProfile* profile, PreviewView* view)
        : QWebEnginePage(profile, nullptr), m_view(view) {}

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                  const QString&) override {
        if (message.startsWith(kFrameMessage))
            emit m_view->changePainted(message.mid(kFrameMessage.size()).toLongLong());
        else if (message == kPinsMessage)
            emit m_view->pinsPainted();
    }

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
    PreviewView* m_view;
};

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
    // A fresh page reads the files; the pins come back, and so does a change made while the
    // page was loading (the load may have read the files before it). Only startLoad() begins
    // a load: a refused link click is reported as started and then stopped, and must not hold
    // back later changes. A load that another one replaced ends as stopped: the page is still
    // loading then.
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
        switch (info.status()) {
        case QWebEngineLoadingInfo::LoadStartedStatus:
        case QWebEngineLoadingInfo::LoadStoppedStatus:
            return;
        case QWebEngineLoadingInfo::LoadSucceededStatus:
        case QWebEngineLoadingInfo::LoadFailedStatus:
            break;
        }
        m_loading = false;
        if (m_stylesheetPending || m_menuPending)
            applyInPlaceChanges();
        else
            applyPins();
    });
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
    startLoad();
}

void PreviewView::stylesheetChanged() {
    m_stylesheetPending = true;
    scheduleInPlaceChange();
}

void PreviewView::menuMarkupChanged() {
    m_menuPending = true;
    scheduleInPlaceChange();
}

bool PreviewView::isShowingLatest() const {
    return !m_loading && !m_reloadPending && !m_inPlaceScheduled && !m_stylesheetPending &&
           !m_menuPending;
}

void PreviewView::scheduleInPlaceChange() {
    if (m_inPlaceScheduled || m_previewUrl.isEmpty())
        return;
    m_inPlaceScheduled = true;
    QTimer::singleShot(0, this, &PreviewView::showPendingChanges);
}

void PreviewView::showPendingChanges() {
    if (!m_inPlaceScheduled)
        return;
    m_inPlaceScheduled = false;
    if (m_reloadPending) {
        // The reload reads every file afresh.
        m_stylesheetPending = m_menuPending = false;
        return;
    }
    if (!m_loading)
        applyInPlaceChanges();
}

void PreviewView::applyInPlaceChanges() {
    const bool menu = m_menuPending;
    const bool stylesheet = m_stylesheetPending;
    m_menuPending = m_stylesheetPending = false;
    if (menu) {
        const FileStamps pictures = pictureStamps();
        if (pictures.anyReplacedSince(m_shownPictures)) {
            requestReload();
            return;
        }
        m_shownPictures = pictures;
    }
    // A text the page already shows is not sent again: the engine would parse and lay out
    // the same stylesheet or markup anew (a rename leaves the stylesheet as it was).
    const auto textOrNull = [](bool wanted, const std::function<QString()>& source,
                               QString& shown) {
        if (!wanted || !source)
            return QJsonValue(QJsonValue::Null);
        QString text = source();
        if (!shown.isNull() && text == shown)
            return QJsonValue(QJsonValue::Null);
        shown = text;
        return QJsonValue(std::move(text));
    };
    ++m_changeSerial;
    // The menu's items that changed, where the page shows the list that was last sent.
    const QString shownMenu = m_shownMenuMarkup;
    QJsonValue markup = textOrNull(menu, m_menuMarkupSource, m_shownMenuMarkup);
    QJsonValue splice(QJsonValue::Null);
    if (markup.isString() && !shownMenu.isNull()) {
        splice = listSplice(shownMenu, m_shownMenuMarkup);
        if (!splice.isNull())
            markup = QJsonValue(QJsonValue::Null);
    }
    const QString script =
        QLatin1String(kMenuBarFunction) + QLatin1String(kShowChangesScript) + u'(' +
        scriptArguments({stylesheet ? changedStylesheetParts() : QJsonValue(QJsonValue::Null),
                         markup, QJsonValue(kFrameMessage + QString::number(m_changeSerial)),
                         splice}) +
        u')';
    page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                          [view = QPointer<PreviewView>(this)](const QVariant& shown) {
                              // Nothing comes back from a page that is going away.
                              if (view && shown.isValid() && !shown.toBool())
                                  view->requestReload();
                          });
    applyPins();
}

QJsonValue PreviewView::changedStylesheetParts() {
    if (!m_stylesheetSource)
        return QJsonValue(QJsonValue::Null);
    const QStringList parts = m_stylesheetSource();
    // The page shows no parts after a load, or other ones: all are sent.
    const bool whole = parts.size() != m_shownStylesheet.size();
    QJsonArray changed;
    bool any = false;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool sent = whole || parts.at(i) != m_shownStylesheet.at(i);
        changed.append(sent ? QJsonValue(parts.at(i)) : QJsonValue(QJsonValue::Null));
        any = any || sent;
    }
    if (!any)
        return QJsonValue(QJsonValue::Null);
    m_shownStylesheet = parts;
    return changed;
}

FileStamps PreviewView::pictureStamps() const {
    if (m_previewUrl.isEmpty())
        return {};
    // The generated texts are shown in place; every other file is a picture.
    static const QStringList texts = {QStringLiteral("index.html"), QStringLiteral("styles.css"),
                                      QStringLiteral("menu.js")};
    return FileStamps::of(QFileInfo(m_previewUrl.toLocalFile()).path(), texts);
}

void PreviewView::setPins(const PreviewPins& pins) {
    if (pins == m_pins)
        return;
    m_pins = pins;
    if (!m_loading) {
        forgetVisitorState();
        applyPins();
    }
}

void PreviewView::forgetVisitorState() {
    if (!m_loading)
        runInPage(QLatin1String(kMenuBarFunction) + QLatin1String(kForgetVisitorScript));
}

void PreviewView::applyPins() {
    const bool pinned = m_pins.topLevel != PinnedState::None || m_pins.openFirstSubMenu;
    const QString rules = pinned && m_stylesheetSource
                              ? pinnedStateRules(m_stylesheetSource().join(QString()))
                              : QString();
    runInPage(
        QLatin1String(kMenuBarFunction) + QLatin1String(kPinScript) + u'(' +
        scriptArguments({QJsonValue(rules), QJsonValue(QLatin1String(kPinnedHoverClass)),
                         QJsonValue(QLatin1String(kPinnedActiveClass)),
                         QJsonValue(int(m_pins.topLevel)), QJsonValue(m_pins.openFirstSubMenu),
                         QJsonValue(int(m_pins.subItem)), QJsonValue(kPinsMessage)}) +
        u')');
}

void PreviewView::runInPage(const QString& script) {
    page()->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

void PreviewView::requestReload() {
    if (m_reloadPending || m_previewUrl.isEmpty())
        return;
    m_reloadPending = true;
    QTimer::singleShot(0, this, [this] {
        m_reloadPending = false;
        startLoad();
    });
}

void PreviewView::startLoad() {
    // Loading from now on, not from the engine's later signal: nothing may be shown in place
    // in the page that is going away.
    m_loading = true;
    m_shownPictures = pictureStamps();
    // The page reads both texts from their files.
    m_shownStylesheet.clear();
    m_shownMenuMarkup = QString();
    // Past any link click the page still shows index.html; bypass every cache.
    if (url() != m_previewUrl)
        load(m_previewUrl);
    else
        page()->triggerAction(QWebEnginePage::ReloadAndBypassCache);
}

} // namespace brindle
