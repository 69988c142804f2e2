#include "cli/DesignExport.h"

#include "generator/CodeDocuments.h"
#include "generator/Snippet.h"
#include "model/GlobalData.h"
#include "workspace/Export.h"

#include <QDir>
#include <QFileInfo>

namespace brindle::cli {

namespace {

WriteResult exportInto(const GlobalData& data, const QString& outputDirectory,
                       const QString& iconFolder, bool snippet) {
    const QString shownPath = QDir::toNativeSeparators(outputDirectory);
    const QFileInfo folder(outputDirectory);
    if (folder.exists() && !folder.isDir())
        return {false, QStringLiteral("%1 exists and is not a folder").arg(shownPath)};
    if (!QDir().mkpath(outputDirectory))
        return {false, QStringLiteral("cannot create folder %1").arg(shownPath)};

    WriteResult written;
    if (snippet) {
        const Snippet texts = buildSnippet(data);
        written = exportAllFilesToFolder(
            texts.css, texts.html, *data.getMenuRootNode(), iconFolder, outputDirectory,
            texts.script, {texts.stylesheetName, texts.pageName, texts.scriptName, true});
    } else {
        CodeDocuments documents(data);
        documents.insertHTML5Code();
        documents.insertCSS3Code();
        ExportFileNames names;
        names.svgIcons = documents.writesSvgIcons();
        written = exportAllFilesToFolder(documents.cssText(), documents.htmlText(),
                                         *data.getMenuRootNode(), iconFolder, outputDirectory,
                                         documents.scriptText(), names);
    }
    if (!written) {
        // The export names every file it could not write; the first says enough here.
        written.error = QStringLiteral("cannot export into %1: %2")
                            .arg(shownPath, written.error.section(QLatin1Char('\n'), 0, 0));
    }
    return written;
}

} // namespace

WriteResult exportDesign(const GlobalData& data, const QString& outputDirectory,
                         const QString& iconFolder) {
    return exportInto(data, outputDirectory, iconFolder, false);
}

WriteResult exportSnippet(const GlobalData& data, const QString& outputDirectory,
                          const QString& iconFolder) {
    return exportInto(data, outputDirectory, iconFolder, true);
}

} // namespace brindle::cli
