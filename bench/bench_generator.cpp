// Cost of generating the two texts and of one live splice, for the default design and for a
// large menu with icons on every item.

#include "generator/CodeDocuments.h"
#include "model/GlobalData.h"

#include <QLoggingCategory>

#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

using namespace brindle;

namespace {

// 0: the default menu; otherwise that many top-level items, every third one with three
// sub-items, every item with a normal and a double-resolution icon.
std::unique_ptr<GlobalData> makeDesign(int topLevelItems) {
    auto data = std::make_unique<GlobalData>();
    if (topLevelItems == 0)
        return data;
    Node* root = data->getMenuRootNode();
    root->clearChildren();
    int number = 0;
    const auto item = [&number](Node* parent) {
        auto node = Node::make(QStringLiteral("Item %1").arg(number),
                               QStringLiteral("icon%1").arg(number), parent);
        node->setLink(QStringLiteral("page%1.html").arg(number));
        node->setImageFileName(QStringLiteral("icon%1.png").arg(number));
        node->setImageWidth(16);
        node->setImageHeight(16);
        node->setRetinaImageFileName(QStringLiteral("icon%1@2x.png").arg(number));
        node->setRetinaImageWidth(16);
        node->setRetinaImageHeight(16);
        ++number;
        return node;
    };
    for (int i = 0; i < topLevelItems; ++i) {
        Node* parent = data->addMenuRootNodeChild(item(root));
        if (i % 3 == 1) {
            for (int j = 0; j < 3; ++j)
                parent->appendChild(item(parent));
            parent->setIsGroup(true);
        }
    }
    return data;
}

void BM_BuildBothTexts(benchmark::State& state) {
    const auto data = makeDesign(static_cast<int>(state.range(0)));
    qint64 length = 0;
    for (auto _ : state) {
        CodeDocuments documents(*data);
        documents.insertHTML5Code();
        documents.insertCSS3Code();
        length = documents.cssText().size() + documents.htmlText().size();
        benchmark::DoNotOptimize(length);
    }
    state.counters["chars"] = static_cast<double>(length);
}

// One setting change: rebuild the corner radius, splice it near the start of the stylesheet
// and shift every later position (the length alternates, so something always moves).
void BM_SpliceBorderRadius(benchmark::State& state) {
    const auto data = makeDesign(static_cast<int>(state.range(0)));
    CodeDocuments documents(*data);
    documents.insertHTML5Code();
    documents.insertCSS3Code();
    bool wide = false;
    for (auto _ : state) {
        data->setBorderRadius(wide ? 25 : 2500);
        wide = !wide;
        documents.spliceFragment(Fragment::borderRadius);
    }
}

// A menu change: the icon rules, the drop-down top and item height, then the page markup.
void BM_SpliceMenuChange(benchmark::State& state) {
    const auto data = makeDesign(static_cast<int>(state.range(0)));
    CodeDocuments documents(*data);
    documents.insertHTML5Code();
    documents.insertCSS3Code();
    for (auto _ : state) {
        for (Fragment f : {Fragment::menuIcon, Fragment::subMenuTop, Fragment::subMenuItemHeight,
                           Fragment::menuStructure})
            documents.spliceFragment(f);
    }
}

// The menu markup of a Modern design whose every item carries an SVG icon (a common set's
// house, 550 bytes) inside its link: each is rewritten with ids of the page's own. `fresh`:
// every round the icons are new ones, as the first time a design is written; otherwise they are
// the ones written before, as at every later change.
void inlineSvgMenuMarkup(benchmark::State& state, bool fresh) {
    const auto data = makeDesign(static_cast<int>(state.range(0)));
    OutputOptions options;
    options.style = OutputStyle::Modern;
    data->setOutputOptions(options);
    const QByteArray house =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\" "
        "fill=\"currentColor\" viewBox=\"0 0 16 16\"><path d=\"M8.707 1.5a1 1 0 0 0-1.414 "
        "0L.646 8.146a.5.5 0 0 0 .708.708L2 8.207V13.5A1.5 1.5 0 0 0 3.5 15h9a1.5 1.5 0 0 0 "
        "1.5-1.5V8.207l.646.647a.5.5 0 0 0 .708-.708L13 5.793V2.5a.5.5 0 0 0-.5-.5h-1a.5.5 0 0 "
        "0-.5.5v1.293zM13 7.207V13.5a.5.5 0 0 1-.5.5h-9a.5.5 0 0 1-.5-.5V7.207l5-5z\"/></svg>";
    int round = 0;
    const std::function<void(Node&)> give = [&](Node& node) {
        QByteArray icon = house;
        if (fresh)
            icon.replace("<path ", QByteArray(QByteArray("<path id=\"r") +
                                              QByteArray::number(round) + "\" "));
        node.setSvgIcon({icon, node.iconID() + QStringLiteral(".svg"), true});
        for (int i = 0; i < node.childCount(); ++i)
            give(*node.childAt(i));
    };
    const auto giveAll = [&] {
        for (int i = 0; i < data->getMenuRootNode()->childCount(); ++i)
            give(*data->getMenuRootNode()->childAt(i));
    };
    giveAll();
    CodeDocuments documents(*data);
    documents.insertHTML5Code();
    documents.insertCSS3Code();
    for (auto _ : state) {
        if (fresh) {
            state.PauseTiming();
            ++round;
            giveAll();
            state.ResumeTiming();
        }
        documents.spliceFragment(Fragment::menuStructure);
    }
}

void BM_InlineSvgMenuMarkup(benchmark::State& state) {
    inlineSvgMenuMarkup(state, false);
}

void BM_InlineSvgMenuMarkupFirstTime(benchmark::State& state) {
    inlineSvgMenuMarkup(state, true);
}

BENCHMARK(BM_InlineSvgMenuMarkup)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InlineSvgMenuMarkupFirstTime)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildBothTexts)->Arg(0)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpliceBorderRadius)->Arg(0)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpliceMenuChange)->Arg(0)->Arg(200)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // The generators' diagnostic lines would swamp the measurement.
    QLoggingCategory::setFilterRules(QStringLiteral("brindle.info=false"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
