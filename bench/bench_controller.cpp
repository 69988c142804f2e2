// Live-update costs, measured offscreen:
//   BM_NotificationToStylesheetWritten — a panel's notification until styles.css is rewritten;
//   BM_NotificationToPreviewPainted    — the same until the preview has drawn the next frame
//                                        with the stylesheet swapped in place;
//   BM_NotificationToPreviewReloaded   — a menu change until the preview has reloaded;
//   BM_UndoToStylesheetWritten         — undoing one setting change until styles.css is
//                                        rewritten.
// Process start to first preview load is measured by scripts/bench-startup.sh.
#include "controller/CSSNavMenu.h"
#include "controller/MainWindow.h"
#include "controller/PreviewView.h"
#include "controller/RoutingTable.h"
#include "history/DesignHistory.h"
#include "model/GlobalData.h"
#include "platform/NotificationCenter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
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

    LoadedWindow() {
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
// change waits a random part of a 60 Hz frame first, outside the measurement.
void BM_NotificationToPreviewPainted(benchmark::State& state) {
    LoadedWindow w;
    QObject::connect(w.window.previewView(), &PreviewView::stylesheetPainted, &w.loop,
                     &QEventLoop::quit);
    QRandomGenerator random(2026);
    measureIterations(
        state,
        [&] {
            QEventLoop pause;
            QTimer::singleShot(random.bounded(17), &pause, &QEventLoop::quit);
            pause.exec();
        },
        [&] {
            changeRadius(w.data, w.center);
            w.waitForLoop();
        });
}
BENCHMARK(BM_NotificationToPreviewPainted)
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_NotificationToPreviewReloaded(benchmark::State& state) {
    LoadedWindow w;
    QObject::connect(w.window.previewView(), &QWebEngineView::loadFinished, &w.loop,
                     &QEventLoop::quit);
    Node* first = w.data.getMenuRootNode()->childAt(0);
    qint64 count = 0;
    measureIterations(state, {}, [&] {
        first->setName(QStringLiteral("Home %1").arg(++count));
        w.center.post(QStringLiteral("MenuStructureDataUpdated"), &editorStandIn);
        w.waitForLoop();
    });
}
BENCHMARK(BM_NotificationToPreviewReloaded)
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
