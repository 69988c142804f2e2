#include "checker/MenuChecker.h"

#include "model/Contrast.h"
#include "workspace/PreviewStates.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <array>
#include <memory>

// The measuring script lives in the library's resources; a static library registers them itself.
static void registerCheckerResources() {
    Q_INIT_RESOURCE(checker);
}

namespace brindle {

namespace {

constexpr int kWaitMs = 30000;
constexpr qint64 kLargestStylesheet = 5 * 1024 * 1024;

QString tr(const char* text) {
    return QCoreApplication::translate("MenuChecker", text);
}

// The script's value, or an invalid one when the page did not answer in time.
QVariant run(QWebEnginePage* page, const QString& script) {
    auto answer = std::make_shared<std::pair<bool, QVariant>>(false, QVariant());
    QEventLoop loop;
    page->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                        [answer, &loop](const QVariant& value) {
                            *answer = {true, value};
                            loop.quit();
                        });
    QTimer::singleShot(kWaitMs, &loop, &QEventLoop::quit);
    if (!answer->first)
        loop.exec();
    return answer->second;
}

void pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitFor(QWebEnginePage* page, const QString& condition) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kWaitMs) {
        if (run(page, condition).toBool())
            return true;
        pause(10);
    }
    return false;
}

// Two animation frames after a change, the view shows it.
bool painted(QWebEnginePage* page) {
    run(page, QStringLiteral("window.brindleCheckPainted = false; requestAnimationFrame(() => "
                             "requestAnimationFrame(() => window.brindleCheckPainted = true)); "
                             "true"));
    const bool done = waitFor(page, QStringLiteral("window.brindleCheckPainted"));
    pause(30);
    return done;
}

bool load(QWebEngineView& view, const QString& path) {
    bool finished = false, ok = false;
    QEventLoop loop;
    const auto connection =
        QObject::connect(&view, &QWebEngineView::loadFinished, &loop, [&](bool success) {
            finished = true;
            ok = success;
            loop.quit();
        });
    view.load(QUrl::fromLocalFile(path));
    QTimer::singleShot(kWaitMs, &loop, &QEventLoop::quit);
    if (!finished)
        loop.exec();
    QObject::disconnect(connection);
    return ok;
}

Color colourOf(const QJsonArray& rgba) {
    return {rgba.at(0).toDouble() / 255.0, rgba.at(1).toDouble() / 255.0,
            rgba.at(2).toDouble() / 255.0, rgba.size() > 3 ? rgba.at(3).toDouble() : 1.0};
}

QString rgbText(const Color& c) {
    return QStringLiteral("rgb(%1, %2, %3)")
        .arg(qRound(c.red * 255))
        .arg(qRound(c.green * 255))
        .arg(qRound(c.blue * 255));
}

Color colourOf(QRgb pixel) {
    return {qRed(pixel) / 255.0, qGreen(pixel) / 255.0, qBlue(pixel) / 255.0, 1.0};
}

// How far what was hidden stands out from what it was drawn on, judged as the model judges a
// picture: the ratio a quarter of the changed pixels reach. 1 when nothing changed: it cannot
// be seen at all.
double drawnContrast(const QImage& with, const QImage& without, const QRectF& box, qreal scale) {
    const QRect area =
        QRectF(box.topLeft() * scale, box.size() * scale).toAlignedRect() & with.rect();
    QList<double> ratios;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb shown = with.pixel(x, y), under = without.pixel(x, y);
            if (shown != under)
                ratios.append(contrastRatio(colourOf(shown), colourOf(under)));
        }
    }
    return ratios.isEmpty() ? 1.0 : contrastReachedByAQuarter(ratios);
}

QRectF boxOf(const QJsonValue& value) {
    const QJsonArray box = value.toArray();
    return {box.at(0).toDouble(), box.at(1).toDouble(), box.at(2).toDouble(), box.at(3).toDouble()};
}

QString levelOf(const QJsonObject& item) {
    if (item.value(u"inner").toBool())
        return tr("list inside a drop-down");
    return item.value(u"sub").toBool() ? tr("sub-menu") : tr("bar");
}

class Judge {
public:
    Judge(MenuCheckReport& report, int width) : m_report(report), m_width(width) {}
    void setState(const QString& state) { m_state = state; }

    void texts(const QJsonArray& items) {
        for (const QJsonValue& value : items) {
            const QJsonObject item = value.toObject();
            const Color text = colourOf(item.value(u"colour").toArray());
            const double required = requiredContrast(item.value(u"size").toDouble());
            double worst = 21.0;
            Color worstBehind;
            for (const QJsonValue& behind : item.value(u"behind").toArray()) {
                const Color below = colourOf(behind.toArray());
                const double ratio = contrastRatio(composite(text, text.alpha, below), below);
                if (ratio < worst) {
                    worst = ratio;
                    worstBehind = below;
                }
            }
            ++m_report.titles;
            if (worst < required)
                add(tr("“%1” (%2): %3 %4 on %5, needs %6")
                        .arg(item.value(u"title").toString(), levelOf(item), contrastText(worst),
                             rgbText(text), rgbText(worstBehind), contrastText(required)));
        }
    }

    void graphic(const QString& subject, double ratio) {
        ++m_report.graphics;
        if (ratio < kGraphicContrast)
            add(tr("%1: %2, needs %3")
                    .arg(subject, contrastText(ratio), contrastText(kGraphicContrast)));
    }

    // Icons on their title's line; on the phone, one start per level, sub-items further in.
    void geometry(const QJsonArray& links, bool phone) {
        double barStart = -1, subStart = -1, innerStart = -1;
        for (const QJsonValue& value : links) {
            const QJsonObject link = value.toObject();
            const QString title = link.value(u"title").toString();
            if (!link.value(u"icon").isNull()) {
                const double off = link.value(u"icon").toDouble() - link.value(u"line").toDouble();
                if (std::abs(off) > 1.0)
                    add(tr("the icon of “%1” stands %2 px %3 its title's line")
                            .arg(title)
                            .arg(std::abs(off), 0, 'f', 1)
                            .arg(off < 0 ? tr("above") : tr("below")),
                        false);
            }
            if (!phone)
                continue;
            double& start = link.value(u"inner").toBool() ? innerStart
                            : link.value(u"sub").toBool() ? subStart
                                                          : barStart;
            const double x = link.value(u"start").toDouble();
            if (start < 0)
                start = x;
            else if (std::abs(x - start) > 1.0)
                add(tr("the %1's titles start at %2 px, “%3” at %4 px")
                        .arg(levelOf(link))
                        .arg(start, 0, 'f', 1)
                        .arg(title)
                        .arg(x, 0, 'f', 1),
                    false);
        }
        if (phone && barStart >= 0 && subStart >= 0 && subStart <= barStart + 1.0)
            add(tr("sub-items start at %1 px, not further in than the bar's %2 px")
                    .arg(subStart, 0, 'f', 1)
                    .arg(barStart, 0, 'f', 1),
                false);
        if (phone && subStart >= 0 && innerStart >= 0 && innerStart <= subStart + 1.0)
            add(tr("the items of lists inside drop-downs start at %1 px, not further in than "
                   "the sub-items' %2 px")
                    .arg(innerStart, 0, 'f', 1)
                    .arg(subStart, 0, 'f', 1),
                false);
    }

private:
    // Each fault once per width, in the first state that shows it.
    void add(const QString& text, bool inState = true) {
        for (const MenuFinding& known : std::as_const(m_report.findings))
            if (known.width == m_width && known.text == text)
                return;
        m_report.findings.append({m_width, inState ? m_state : QString(), text});
    }

    MenuCheckReport& m_report;
    int m_width;
    QString m_state;
};

} // namespace

MenuCheckReport MenuChecker::check(const QString& folder, const QList<int>& widths) {
    MenuCheckReport report;
    const QString page = QDir(folder).absoluteFilePath(QStringLiteral("index.html"));
    QFile stylesheet(QDir(folder).filePath(QStringLiteral("styles.css")));
    if (!QFile::exists(page) || !stylesheet.open(QIODevice::ReadOnly)) {
        report.error = tr("%1 holds no exported page: index.html and styles.css are needed.")
                           .arg(QDir::toNativeSeparators(folder));
        return report;
    }
    if (stylesheet.size() > kLargestStylesheet) {
        report.error = tr("styles.css is larger than 5 MB.");
        return report;
    }
    const QString pins = pinnedStateRules(QString::fromUtf8(stylesheet.readAll()));
    registerCheckerResources();
    QFile scriptFile(QStringLiteral(":/checker/measure-menu.js"));
    if (!scriptFile.open(QIODevice::ReadOnly)) {
        report.error = tr("The measuring script is missing from this build.");
        return report;
    }
    const QString script = QString::fromUtf8(scriptFile.readAll());
    QWebEnginePage* web = m_view.page();
    const auto call = [web](const QString& function) {
        return QJsonDocument::fromJson(
            run(web, QStringLiteral("brindleMeasure.") + function).toString().toUtf8());
    };
    const auto quoted = [](const QString& text) {
        return QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact))
            .mid(1)
            .chopped(1);
    };
    for (const int width : widths) {
        m_view.resize(width, 800);
        if (!load(m_view, page) || !waitFor(web, QStringLiteral("innerWidth === %1").arg(width))) {
            report.error = tr("%1 could not be shown at %2 px.")
                               .arg(QDir::toNativeSeparators(page))
                               .arg(width);
            return report;
        }
        run(web, script);
        if (!run(web, QStringLiteral("brindleMeasure.setup(%1, %2, %3)")
                          .arg(quoted(QLatin1String(kPinnedHoverClass)),
                               quoted(QLatin1String(kPinnedActiveClass)), quoted(pins)))
                 .toBool()) {
            report.error =
                tr("%1 holds no menu of Modern output.").arg(QDir::toNativeSeparators(page));
            return report;
        }
        run(web, QStringLiteral("brindleMeasure.openAll()"));
        Judge judge(report, width);
        // Each state as the script names it and as a designer reads it.
        const std::array<std::pair<QString, QString>, 5> states = {{
            {QStringLiteral("normal"), tr("normal")},
            {QStringLiteral("hover"), tr("hover")},
            {QStringLiteral("within"), tr("pointer in the drop-down")},
            {QStringLiteral("active"), tr("active")},
            {QStringLiteral("pressedWithin"), tr("pressed in the drop-down")},
        }};
        for (const auto& [state, shownState] : states) {
            judge.setState(shownState);
            run(web, QStringLiteral("brindleMeasure.state('%1')").arg(state));
            painted(web);
            judge.texts(call(QStringLiteral("texts()")).array());
            const QJsonObject shown = call(QStringLiteral("geometry()")).object();
            if (state == u"normal")
                judge.geometry(shown.value(u"links").toArray(),
                               !shown.value(u"toggles").toArray().isEmpty());
            // What is drawn beside the titles: with it and without it.
            if (state == u"within" || state == u"pressedWithin")
                continue;
            const qreal scale = m_view.devicePixelRatioF();
            const QImage with = m_view.grab().toImage().convertToFormat(QImage::Format_RGB32);
            run(web, QStringLiteral("brindleMeasure.hideGraphics(true)"));
            painted(web);
            const QImage without = m_view.grab().toImage().convertToFormat(QImage::Format_RGB32);
            run(web, QStringLiteral("brindleMeasure.hideGraphics(false)"));
            for (const QJsonValue& value : shown.value(u"links").toArray()) {
                const QJsonObject link = value.toObject();
                if (!link.value(u"icon").isNull())
                    judge.graphic(tr("the icon of “%1”").arg(link.value(u"title").toString()),
                                  drawnContrast(with, without, boxOf(link.value(u"box")), scale));
            }
            for (const QJsonValue& value : shown.value(u"arrows").toArray())
                judge.graphic(tr("the arrow of “%1”").arg(value[u"title"].toString()),
                              drawnContrast(with, without, boxOf(value[u"box"]), scale));
            for (const QJsonValue& value : shown.value(u"toggles").toArray())
                judge.graphic(tr("the bars of “%1”").arg(value[u"title"].toString()),
                              drawnContrast(with, without, boxOf(value[u"box"]), scale));
        }
    }
    return report;
}

} // namespace brindle
