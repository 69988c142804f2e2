#include "cli/DesignExport.h"

#include "generator/CodeDocuments.h"
#include "model/GlobalData.h"
#include "workspace/Export.h"

#include <QDir>
#include <QFileInfo>

namespace brindle::cli {

WriteResult exportDesign(const GlobalData& data, const QString& outputDirectory,
                         const QString& iconFolder) {
    const QString shownPath = QDir::toNativeSeparators(outputDirectory);
    const QFileInfo folder(outputDirectory);
    if (folder.exists() && !folder.isDir())
        return {false, QStringLiteral("%1 exists and is not a folder").arg(shownPath)};
    if (!QDir().mkpath(outputDirectory))
        return {false, QStringLiteral("cannot create folder %1").arg(shownPath)};

    CodeDocuments documents(data);
    documents.insertHTML5Code();
    documents.insertCSS3Code();
    WriteResult written =
        exportAllFilesToFolder(documents.cssText(), documents.htmlText(), *data.getMenuRootNode(),
                               iconFolder, outputDirectory, documents.scriptText());
    if (!written) {
        // The export names every file it could not write; the first says enough here.
        written.error = QStringLiteral("cannot export into %1: %2")
                            .arg(shownPath, written.error.section(QLatin1Char('\n'), 0, 0));
    }
    return written;
}

} // namespace brindle::cli
