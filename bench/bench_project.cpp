// Saving and opening a project of 200 items (40 top-level items with 4 sub-items each), each
// with a 32 × 32 icon and every second one also with a 64 × 64 double-resolution icon.

#include "model/GlobalData.h"
#include "project/ProjectFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

using namespace brindle;

namespace {

constexpr int kTopLevelItems = 40;
constexpr int kSubItemsEach = 4;

void giveIcons(Node& node, int number, const QDir& preview) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(QColor::fromHsv(number % 360, 200, 200));
    const QString name = QStringLiteral("icon%1.png").arg(number);
    image.save(preview.filePath(name), "PNG");
    node.setImageFileName(name);
    if (number % 2 == 0) {
        const QString retinaName = QStringLiteral("icon%1@2x.png").arg(number);
        image.scaled(64, 64).save(preview.filePath(retinaName), "PNG");
        node.setRetinaImageFileName(retinaName);
    }
}

void buildDesign(GlobalData& store, const QDir& preview) {
    Node* root = store.getMenuRootNode();
    root->clearChildren();
    int number = 0;
    for (int i = 0; i < kTopLevelItems; ++i) {
        auto top = Node::make(QStringLiteral("Item %1").arg(i),
                              QStringLiteral("icon%1").arg(number), root);
        giveIcons(*top, number++, preview);
        for (int j = 0; j < kSubItemsEach - 1; ++j) {
            auto sub = Node::make(QStringLiteral("Sub %1.%2").arg(i).arg(j),
                                  QStringLiteral("icon%1").arg(number), top.get());
            giveIcons(*sub, number++, preview);
            top->appendChild(std::move(sub));
        }
        top->setIsGroup(true);
        store.addMenuRootNodeChild(std::move(top));
    }
}

struct Fixture {
    QTemporaryDir preview;
    QTemporaryDir projects;
    GlobalData store;
    QString path;

    Fixture() {
        store.setTempFolderPath(preview.path());
        buildDesign(store, QDir(preview.path()));
        path = projects.filePath(QStringLiteral("Bench.brindleprj"));
        saveProjectToFile(store, path);
    }
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

void BM_SaveProject(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        const WriteResult result = saveProjectToFile(f.store, f.path);
        benchmark::DoNotOptimize(result.ok);
    }
    state.counters["bytes"] = double(QFileInfo(f.path).size());
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

// The first opening: every icon is decoded, encoded (on every core, once per picture) and
// written atomically into the folder; the preview folder is scratch and is not synced. CPU
// time is the whole process's, worker threads included.
void BM_OpenProjectIntoFreshPreview(benchmark::State& state) {
    Fixture& f = fixture();
    // Every folder stays until the end: the file system's inode allocator slows down sharply
    // after many files were deleted moments ago, which a real start never meets.
    std::vector<std::unique_ptr<QTemporaryDir>> folders;
    for (auto _ : state) {
        state.PauseTiming();
        folders.push_back(std::make_unique<QTemporaryDir>());
        GlobalData target;
        target.setTempFolderPath(folders.back()->path());
        state.ResumeTiming();
        const OpenResult result = openProjectFile(target, f.path);
        if (!result.ok)
            state.SkipWithError(qPrintable(result.error));
    }
}
BENCHMARK(BM_OpenProjectIntoFreshPreview)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// Opening the same project again: the icons are decoded, their files are already in place.
void BM_OpenProjectAgain(benchmark::State& state) {
    Fixture& f = fixture();
    QTemporaryDir preview;
    for (auto _ : state) {
        GlobalData target;
        target.setTempFolderPath(preview.path());
        const OpenResult result = openProjectFile(target, f.path);
        if (!result.ok)
            state.SkipWithError(qPrintable(result.error));
    }
}
BENCHMARK(BM_OpenProjectAgain)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// Reading and validating alone, without icons being decoded or written.
void BM_CheckVersion(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(checkProjectFileVersion(f.path));
}
BENCHMARK(BM_CheckVersion)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv); // image plug-ins
    QLoggingCategory::setFilterRules(QStringLiteral("brindle.info=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
