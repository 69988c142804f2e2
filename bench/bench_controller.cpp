// Live-update costs, measured offscreen:
//   BM_NotificationToStylesheetWritten — a panel's notification until styles.css is rewritten;
//   BM_NotificationToPreviewReloaded  — the same until the preview has finished reloading;
//   BM_UndoToStylesheetWritten        — undoing one such change until styles.css is rewritten.
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
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <functional>
#include <vector>

using namespace brindle;

namespace {

QObject sizeViewStandIn;

// Google Benchmark reports means; the median of the single iterations is added as a counter.
void reportMedian(benchmark::State& state, std::vector<double>& samples, const char* name) {
    if (samples.empty())
        return;
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    state.counters[name] = samples[samples.size() / 2];
}

// Each iteration runs `prepare` outside the measurement, then `measured`; the median of the
// single iterations is reported.
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
    reportMedian(state, samples, "median_ms");
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
    return {{QStringLiteral("sizeViewContainer"), &sizeViewStandIn}};
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

void BM_NotificationToPreviewReloaded(benchmark::State& state) {
    GlobalData data;
    NotificationCenter center;
    QTemporaryDir base;
    MainWindow window(data, center);
    window.resize(1000, 700);
    QEventLoop loop;
    QObject::connect(window.previewView(), &QWebEngineView::loadFinished, &loop, &QEventLoop::quit);
    window.setUp(senders(), base.path());
    window.show();
    loop.exec();  // the first load
    QTimer guard; // never hang on a lost load
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    measureRadiusChanges(state, data, center, [&] {
        guard.start(5000);
        loop.exec();
        guard.stop();
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
