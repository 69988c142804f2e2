// Live-update costs, measured offscreen:
//   BM_NotificationToStylesheetWritten — a panel's notification until styles.css is rewritten;
//   BM_NotificationToPreviewPainted    — the same until the preview has drawn the next frame
//                                        with the stylesheet swapped in place;
//   BM_MenuChangeToFilesWritten        — a menu change until index.html and styles.css are
//                                        rewritten;
//   BM_MenuChangeToPreviewPainted      — a menu change (rename, add, delete, move, icon) until
//                                        the preview has drawn the next frame with it in place,
//                                        on the default menu, on a 60-item menu and on a
//                                        300-item menu of three levels;
//   BM_PreviewReload                   — a reload of the preview page until it has loaded;
//   BM_UndoToStylesheetWritten         — undoing one setting change until styles.css is
//                                        rewritten;
//   BM_GalleryShown                    — File → New from Design… until the gallery has drawn
//                                        its cards, their pictures cached;
//   BM_GalleryCardsDrawn               — drawing every built-in design's card picture afresh.
// Process start to first preview load is measured by scripts/bench-startup.sh.
#include "controller/CSSNavMenu.h"
#include "controller/DesignGalleryDialog.h"
#include "controller/GalleryActions.h"
#include "controller/MainWindow.h"
#include "controller/PreviewView.h"
#include "controller/RoutingTable.h"
#include "editor/IconImporter.h"
#include "history/DesignHistory.h"
#include "model/GlobalData.h"
#include "platform/NotificationCenter.h"
#include "workspace/IconImage.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QListWidget>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <functional>
#include <vector>

using namespace brindle;

namespace {

QObject sizeViewStandIn;
QObject editorStandIn;

// Google Benchmark reports means; the median and the 95th percentile of the single
// iterations are added as counters.
void reportPercentiles(benchmark::State& state, std::vector<double>& samples) {
    if (samples.empty())
        return;
    std::sort(samples.begin(), samples.end());
    state.counters["median_ms"] = samples[samples.size() / 2];
    state.counters["p95_ms"] = samples[std::min(samples.size() - 1, samples.size() * 95 / 100)];
}

// Each iteration runs `prepare` outside the measurement, then `measured`; the median of the
// single iterations and their 95th percentile are reported.
void measureIterations(benchmark::State& state, const std::function<void()>& prepare,
                       const std::function<void()>& measured) {
    std::vector<double> samples;
    QElapsedTimer clock;
    for (auto _ : state) {
        if (prepare) {
            state.PauseTiming();
            prepare();
            state.ResumeTiming();
        }
        clock.start();
        measured();
        samples.push_back(clock.nsecsElapsed() / 1e6);
    }
    reportPercentiles(state, samples);
}

// The bar's corner radius changed by one, as its panel changes it.
void changeRadius(GlobalData& data, NotificationCenter& center) {
    data.setBorderRadius(data.borderRadius() % 100 + 1);
    center.post(QStringLiteral("BorderRadiusDataUpdated"), &sizeViewStandIn);
}

// Each iteration changes the corner radius and waits as told.
void measureRadiusChanges(benchmark::State& state, GlobalData& data, NotificationCenter& center,
                          const std::function<void()>& waitForResult) {
    measureIterations(state, {}, [&] {
        changeRadius(data, center);
        waitForResult();
    });
}

CSSNavMenu::SenderDirectory senders() {
    return {{QStringLiteral("sizeViewContainer"), &sizeViewStandIn},
            {QStringLiteral("menuStructureView"), &editorStandIn}};
}

void BM_NotificationToStylesheetWritten(benchmark::State& state) {
    GlobalData data;
    NotificationCenter center;
    QTemporaryDir base;
    CSSNavMenu controller(data, center);
    controller.registerUpdateHandlers(senders());
    controller.generateTexts();
    controller.createHTMLIndexFile(base.path());
    measureRadiusChanges(state, data, center, [] {});
}
BENCHMARK(BM_NotificationToStylesheetWritten)->Iterations(500)->Unit(benchmark::kMicrosecond);

// The history as the window has it: each change a step, undone through the same road.
void BM_UndoToStylesheetWritten(benchmark::State& state) {
    GlobalData data;
    NotificationCenter center;
    QTemporaryDir base;
    CSSNavMenu controller(data, center);
    controller.registerUpdateHandlers(senders());
    controller.generateTexts();
    controller.createHTMLIndexFile(base.path());
    DesignHistory history(data, center, isRoutedNotification);
    measureIterations(
        state,
        [&] {
            changeRadius(data, center);
            history.commitPending();
        },
        [&] { history.undo(); });
    if (history.stack().canUndo() || !history.stack().canRedo())
        state.SkipWithError("the change was not undone");
}
BENCHMARK(BM_UndoToStylesheetWritten)->Iterations(500)->Unit(benchmark::kMicrosecond);

// The window with its first load finished; `loop` quits on the signal connected to it.
struct LoadedWindow {
    GlobalData data;
    NotificationCenter center;
    QTemporaryDir base;
    MainWindow window{data, center};
    QEventLoop loop;
    QTimer guard; // never hang on a lost frame or load

    explicit LoadedWindow(OutputStyle style = OutputStyle::Classic) {
        OutputOptions options;
        options.style = style;
        data.setOutputOptions(options);
        window.resize(1000, 700);
        const QMetaObject::Connection first = QObject::connect(
            window.previewView(), &QWebEngineView::loadFinished, &loop, &QEventLoop::quit);
        window.setUp(senders(), base.path());
        window.show();
        loop.exec();
        QObject::disconnect(first);
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    }
    void waitForLoop() {
        guard.start(5000);
        loop.exec();
        guard.stop();
    }
};

// A designer's change comes at any moment of the display's frame, not just after one: each
// change waits a random part of a 60 Hz frame first, outside the measurement, then is made
// and waited for until the preview has drawn the frame that shows it.
void measureChangesUntilPainted(benchmark::State& state, LoadedWindow& w,
                                const std::function<void()>& change) {
    QObject::connect(w.window.previewView(), &PreviewView::changePainted, &w.loop,
                     &QEventLoop::quit);
    QRandomGenerator random(2026);
    // Also reported: the part before the event loop turns, the change's own handling (texts,
    // files), which delays everything after it.
    std::vector<double> handled;
    QElapsedTimer clock;
    measureIterations(
        state,
        [&] {
            QEventLoop pause;
            QTimer::singleShot(random.bounded(17), &pause, &QEventLoop::quit);
            pause.exec();
        },
        [&] {
            clock.start();
            change();
            handled.push_back(clock.nsecsElapsed() / 1e6);
            w.waitForLoop();
        });
    std::sort(handled.begin(), handled.end());
    state.counters["handled_median_ms"] = handled.at(handled.size() / 2);
}

void BM_NotificationToPreviewPainted(benchmark::State& state) {
    LoadedWindow w;
    measureChangesUntilPainted(state, w, [&] { changeRadius(w.data, w.center); });
}
BENCHMARK(BM_NotificationToPreviewPainted)
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A designer's edits of the menu, one at a time, as the editor makes them: the store changes,
// then the editor's notification. The menu keeps its size: adds and deletes take turns.
class MenuEdits {
public:
    MenuEdits(GlobalData& data, NotificationCenter& center, QList<ImportedIcon> icons)
        : m_data(data), m_center(center), m_icons(std::move(icons)) {}

    // Makes the menu `topLevel` items wide, each with `subItems` sub-items, each of those with
    // `innerItems` items of its own.
    void fill(int topLevel, int subItems, int innerItems = 0) {
        Node* root = m_data.getMenuRootNode();
        root->clearChildren();
        for (int i = 0; i < topLevel; ++i) {
            Node* top = m_data.addMenuRootNodeChild(newItem(root));
            for (int j = 0; j < subItems; ++j) {
                Node* sub = top->appendChild(newItem(top));
                for (int k = 0; k < innerItems; ++k)
                    sub->appendChild(newItem(sub));
                sub->setIsGroup(innerItems > 0);
            }
            top->setIsGroup(subItems > 0);
        }
    }

    void next() {
        Node* root = m_data.getMenuRootNode();
        switch (m_count++ % 5) {
        case 0:
            randomItem()->setName(QStringLiteral("Renamed %1").arg(m_count));
            break;
        case 1:
            m_data.addMenuRootNodeChild(newItem(root));
            break;
        case 2: {
            // The item the last add made, wherever a move put it: the menu keeps its size.
            for (int i = root->childCount() - 1; i >= 0; --i) {
                if (root->childAt(i)->childCount() == 0) {
                    m_data.removeMenuRootNodeChild(root->childAt(i));
                    break;
                }
            }
            break;
        }
        case 3: {
            std::unique_ptr<Node> moved = root->takeChild(below(root->childCount()));
            root->insertChild(below(root->childCount() + 1), std::move(moved));
            break;
        }
        default: {
            Node* item = randomItem();
            const int choice = below(m_icons.size() + 1);
            if (choice == m_icons.size())
                clearNormalIcon(*item);
            else
                applyNormalIcon(*item, m_icons.at(choice));
            break;
        }
        }
        m_center.post(QStringLiteral("MenuStructureDataUpdated"), &editorStandIn);
    }

private:
    int below(int bound) { return static_cast<int>(m_random.bounded(std::max(bound, 1))); }

    std::unique_ptr<Node> newItem(Node* parent) {
        ++m_made;
        return Node::make(QStringLiteral("Item %1").arg(m_made),
                          QStringLiteral("icon%1").arg(m_made), parent);
    }

    // An item of any level: each level down is taken half of the time.
    Node* randomItem() {
        Node* item = m_data.getMenuRootNode();
        do
            item = item->childAt(below(item->childCount()));
        while (item->childCount() > 0 && below(2) == 1);
        return item;
    }

    GlobalData& m_data;
    NotificationCenter& m_center;
    QList<ImportedIcon> m_icons;
    QRandomGenerator m_random{2026};
    int m_count = 0;
    int m_made = 100;
};

// Three pictures chosen as the form chooses them: decoded and copied into the preview folder.
QList<ImportedIcon> importedIcons(const QString& previewFolder, const QTemporaryDir& source) {
    QList<ImportedIcon> icons;
    for (const QColor colour : {QColor(Qt::red), QColor(Qt::darkGreen), QColor(Qt::blue)}) {
        QImage picture(24, 24, QImage::Format_ARGB32);
        picture.fill(colour);
        const QString path = source.filePath(colour.name().mid(1) + QStringLiteral(".png"));
        picture.save(path);
        icons << IconImporter(previewFolder).import(path);
    }
    return icons;
}

// A menu change at a random moment of a 60 Hz frame until the frame that shows it.
void BM_MenuChangeToPreviewPainted(benchmark::State& state) {
    // Three levels are a Modern page's: Classic pages show two.
    LoadedWindow w(state.range(1) == 3 ? OutputStyle::Modern : OutputStyle::Classic);
    QTemporaryDir pictures;
    MenuEdits edits(w.data, w.center, importedIcons(w.data.tempFolderPath(), pictures));
    if (state.range(0) > 0) {
        // 60 items in two levels (12 × 5), or 300 in three (12 + 12 × 4 + 48 × 5).
        if (state.range(1) == 3)
            edits.fill(12, 4, 5);
        else
            edits.fill(int(state.range(0)) / 5, 4);
        w.center.post(QStringLiteral("MenuStructureDataUpdated"), &editorStandIn);
        QObject::connect(w.window.previewView(), &QWebEngineView::loadFinished, &w.loop,
                         &QEventLoop::quit);
        w.waitForLoop(); // the larger menu shown once before measuring
    }
    int loads = 0;
    QObject::connect(w.window.previewView(), &QWebEngineView::loadStarted, [&] { ++loads; });
    measureChangesUntilPainted(state, w, [&] { edits.next(); });
    state.counters["reloads"] = loads;
}
BENCHMARK(BM_MenuChangeToPreviewPainted)
    ->ArgNames({"items", "levels"})
    ->Args({0, 2})
    ->Args({60, 2})
    ->Args({300, 3})
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The part of a menu change before the preview: markup and icon rules rebuilt, files written.
void BM_MenuChangeToFilesWritten(benchmark::State& state) {
    GlobalData data;
    NotificationCenter center;
    QTemporaryDir base, pictures;
    CSSNavMenu controller(data, center);
    controller.registerUpdateHandlers(senders());
    controller.generateTexts();
    controller.createHTMLIndexFile(base.path());
    MenuEdits edits(data, center, importedIcons(data.tempFolderPath(), pictures));
    if (state.range(0) > 0)
        edits.fill(int(state.range(0)) / 5, 4);
    measureIterations(state, {}, [&] { edits.next(); });
}
BENCHMARK(BM_MenuChangeToFilesWritten)
    ->ArgName("items")
    ->Arg(0)
    ->Arg(60)
    ->Iterations(300)
    ->Unit(benchmark::kMicrosecond);

// What each menu change cost while it reloaded the page: the load alone.
void BM_PreviewReload(benchmark::State& state) {
    LoadedWindow w;
    QObject::connect(w.window.previewView(), &QWebEngineView::loadFinished, &w.loop,
                     &QEventLoop::quit);
    measureIterations(state, {}, [&] {
        w.window.previewView()->requestReload();
        w.waitForLoop();
    });
}
BENCHMARK(BM_PreviewReload)->Iterations(100)->Unit(benchmark::kMillisecond)->UseRealTime();

// Paints of one widget, counted.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Waits until every built-in design's card picture is in the cache.
bool drawAllCards(GalleryActions& gallery) {
    const QList<GalleryDesign> designs = gallery.gallery().designs();
    QElapsedTimer clock;
    clock.start();
    for (const GalleryDesign& design : designs)
        gallery.thumbnails().request(design);
    const auto allDrawn = [&] {
        return std::all_of(designs.cbegin(), designs.cend(), [&](const GalleryDesign& design) {
            return !gallery.thumbnails().cached(design).isNull();
        });
    };
    while (!allDrawn() && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return allDrawn();
}

void BM_GalleryShown(benchmark::State& state) {
    LoadedWindow w;
    GalleryActions& gallery = *w.window.gallery();
    if (!drawAllCards(gallery)) {
        state.SkipWithError("the card pictures were not drawn");
        return;
    }
    QAction* command = w.window.findChild<QAction*>(QStringLiteral("newFromDesign"));
    PaintCounter counter;
    measureIterations(
        state,
        [&] {
            if (auto* open = w.window.findChild<DesignGalleryDialog*>()) {
                open->reject();
                delete open;
            }
            QCoreApplication::processEvents();
        },
        [&] {
            command->trigger();
            auto* dialog = w.window.findChild<DesignGalleryDialog*>();
            QWidget* cards = dialog->findChild<QListWidget*>()->viewport();
            counter.paints = 0;
            cards->installEventFilter(&counter);
            QElapsedTimer clock;
            clock.start();
            while (counter.paints == 0 && clock.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            cards->removeEventFilter(&counter);
        });
}
BENCHMARK(BM_GalleryShown)->Iterations(30)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GalleryCardsDrawn(benchmark::State& state) {
    LoadedWindow w;
    GalleryActions& gallery = *w.window.gallery();
    const QString cache = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                              .filePath(QStringLiteral("thumbnails"));
    measureIterations(
        state, [&] { QDir(cache).removeRecursively(); },
        [&] {
            if (!drawAllCards(gallery))
                state.SkipWithError("the card pictures were not drawn");
        });
}
BENCHMARK(BM_GalleryCardsDrawn)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
