// Saving and opening a project of 200 items (40 top-level items with 4 sub-items each), each
// with a 32 × 32 icon and every second one also with a 64 × 64 double-resolution icon.

#include "model/GlobalData.h"
#include "project/MenuImport.h"
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

// A shop's sitemap of 1,000 addresses: 10 sections of 10 categories of 9 products, with their
// section and category pages, three levels of paths.
QByteArray thousandUrlSitemap() {
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<urlset xmlns=\"http://"
                     "www.sitemaps.org/schemas/sitemap/0.9\">\n";
    int count = 0;
    const auto add = [&](const QByteArray& path) {
        xml += "<url><loc>https://shop.example/" + path +
               "</loc><lastmod>2026-12-01</lastmod>"
               "</url>\n";
        ++count;
    };
    for (int section = 0; section < 10 && count < 1000; ++section) {
        const QByteArray s = "section-" + QByteArray::number(section) + '/';
        add(s);
        for (int category = 0; category < 10 && count < 1000; ++category) {
            const QByteArray c = s + "category-and-more-" + QByteArray::number(category) + '/';
            add(c);
            for (int product = 0; product < 9 && count < 1000; ++product)
                add(c + "product-" + QByteArray::number(product) + ".html");
        }
    }
    return xml + "</urlset>\n";
}

// A site's page whose nav holds 300 links in nested lists (20 × 14 + 20), with the markup
// around it a real page has.
QByteArray threeHundredItemPage() {
    QByteArray html = "<!DOCTYPE html><html lang=en><head><meta charset=utf-8><title>Shop"
                      "</title><link rel=stylesheet href=site.css></head><body><header><a "
                      "href=/><img src=logo.svg alt=Shop></a></header><nav aria-label=Main><ul>";
    for (int item = 0; item < 20; ++item) {
        html += "<li class=\"nav-item dropdown\"><a class=nav-link href=\"/s" +
                QByteArray::number(item) + "/\">Section &amp; " + QByteArray::number(item) +
                "</a><ul class=dropdown-menu>";
        for (int sub = 0; sub < 14; ++sub)
            html += "<li><a class=dropdown-item href=\"/s" + QByteArray::number(item) + "/p" +
                    QByteArray::number(sub) + ".html\"><i class=icon></i> Product " +
                    QByteArray::number(sub) + "</a></li>";
        html += "</ul></li>";
    }
    html += "</ul></nav><main>";
    for (int paragraph = 0; paragraph < 200; ++paragraph)
        html += "<p>Text of the page, with <a href=/x>a link</a> and <b>bold</b> words.</p>";
    return html + "</main></body></html>";
}

void BM_ImportSitemapOf1000Urls(benchmark::State& state) {
    const QByteArray sitemap = thousandUrlSitemap();
    for (auto _ : state) {
        const MenuImport imported = importMenu(QStringLiteral("sitemap.xml"), sitemap);
        if (!imported)
            state.SkipWithError("the sitemap was refused");
        benchmark::DoNotOptimize(imported.items.size());
    }
}
BENCHMARK(BM_ImportSitemapOf1000Urls)->Unit(benchmark::kMillisecond);

void BM_ImportNavOf300Items(benchmark::State& state) {
    const QByteArray page = threeHundredItemPage();
    for (auto _ : state) {
        const MenuImport imported = importMenu(QStringLiteral("index.html"), page);
        if (!imported)
            state.SkipWithError("the page was refused");
        benchmark::DoNotOptimize(imported.items.size());
    }
}
BENCHMARK(BM_ImportNavOf300Items)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv); // image plug-ins
    QLoggingCategory::setFilterRules(QStringLiteral("brindle.info=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
