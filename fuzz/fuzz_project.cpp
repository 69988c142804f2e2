// Feeds arbitrary bytes to the project reader. Besides "no crash, no undefined behaviour",
// it checks that a file the reader accepts can be saved and read again, and that a refused
// file leaves the design as it was.

#include "model/GlobalData.h"
#include "model/SvgCleaner.h"
#include "project/ProjectFile.h"
#include "project/PropertyList.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

QCoreApplication* application = nullptr;
QTemporaryDir* previewFolder = nullptr;

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_project: %s\n", what);
        std::abort();
    }
}

// Two elements are the same when all but their image bytes are (re-encoding an image need not
// give the same bytes); dictionaries by their keys and values.
bool sameElement(const brindle::PlistElement& x, const brindle::PlistElement& y) {
    if (x.kind != y.kind || x.text != y.text || x.integer != y.integer || x.boolean != y.boolean ||
        !(x.real == y.real) || x.keys != y.keys || x.values.size() != y.values.size())
        return false;
    for (size_t i = 0; i < x.values.size(); ++i) {
        if (!sameElement(x.values[i], y.values[i]))
            return false;
    }
    return true;
}

bool sameDesign(const QByteArray& first, const QByteArray& second) {
    const auto a = brindle::readPlistArray(first).elements;
    const auto b = brindle::readPlistArray(second).elements;
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (!sameElement(a.at(i), b.at(i)))
            return false;
    }
    return true;
}

// Every SVG icon an accepted design holds is clean: cleaning it again leaves nothing out.
bool svgIconsAreClean(const brindle::Node& node) {
    if (node.hasSvgIcon()) {
        const auto cleaned = brindle::cleanSvgIcon(node.svgIcon().text);
        const auto* icon = std::get_if<brindle::CleanSvg>(&cleaned);
        if (!icon || !icon->removed.isEmpty() || icon->text != node.svgIcon().text)
            return false;
    }
    for (int i = 0; i < node.childCount(); ++i) {
        if (!svgIconsAreClean(*node.childAt(i)))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Image plug-ins need an application object.
    application = new QCoreApplication(*argc, *argv);
    QLoggingCategory::setFilterRules(QStringLiteral("brindle.info=false"));
    previewFolder = new QTemporaryDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString preview = previewFolder->path();
    (void)brindle::checkProjectDataVersion(bytes);

    brindle::GlobalData store;
    store.setTempFolderPath(preview);
    const QByteArray before = brindle::projectData(store);
    const brindle::OpenResult opened = brindle::openProjectData(store, bytes, preview);
    if (!opened.ok) {
        check(!opened.error.isEmpty(), "a refusal without a reason");
        check(brindle::projectData(store) == before, "a refused file changed the design");
        return 0;
    }
    check(svgIconsAreClean(*store.getMenuRootNode()), "an SVG icon was accepted unclean");
    // What was accepted must survive a save and a second reading unchanged.
    const QByteArray saved = brindle::projectData(store);
    brindle::GlobalData again;
    again.setTempFolderPath(preview);
    check(brindle::openProjectData(again, saved, preview).ok, "a saved design was refused");
    check(sameDesign(brindle::projectData(again), saved), "a saved design read back differently");
    return 0;
}
