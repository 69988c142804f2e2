#include "workspace/Export.h"

#include "model/IconFileName.h"
#include "model/Node.h"
#include "platform/Log.h"

#include <QDir>
#include <QFile>

namespace brindle {

namespace {

void appendIconNames(const Node& node, QStringList& names, bool svgIcons) {
    if (svgIcons && node.hasSvgIcon()) {
        // Inside the page when it follows the text colour: no file.
        if (!node.svgIcon().followsTextColour && !names.contains(node.svgIcon().fileName))
            names.append(node.svgIcon().fileName);
        return;
    }
    for (const QString& name : {node.imageFileName(), node.retinaImageFileName()}) {
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
}

// Collects one line per failed file.
class ExportReport {
public:
    void add(const QString& fileName, const WriteResult& result) {
        if (!result.ok)
            m_errors.append(
                QStringLiteral("“%1” could not be written: %2").arg(fileName, result.error));
    }
    void add(const QString& line) { m_errors.append(line); }
    WriteResult result() const { return {m_errors.isEmpty(), m_errors.join(QLatin1Char('\n'))}; }

private:
    QStringList m_errors;
};

// The icon replaces a file of the same name in one step, so a failed copy keeps the
// older file rather than leaving none.
void copyIcon(const QString& name, const QDir& preview, const QDir& destination,
              ExportReport& report) {
    if (!isSafeIconFileName(name)) {
        report.add(QStringLiteral("The icon “%1” was not copied: its name is not a plain file "
                                  "name.")
                       .arg(name));
        return;
    }
    QFile source(preview.filePath(name));
    if (!source.open(QIODevice::ReadOnly)) {
        report.add(
            QStringLiteral("The icon “%1” was not copied: %2").arg(name, source.errorString()));
        return;
    }
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError) {
        report.add(
            QStringLiteral("The icon “%1” was not copied: %2").arg(name, source.errorString()));
        return;
    }
    report.add(name, writeFileAtomically(destination.filePath(name), bytes));
}

} // namespace

WriteResult exportHTMLTextToFile(const QString& htmlText, const QString& path) {
    return writeTextFileAtomically(path, htmlText);
}

WriteResult exportCSSTextToFile(const QString& cssText, const QString& path) {
    return writeTextFileAtomically(path, cssText);
}

QStringList exportedIconFileNames(const Node& menuRoot, bool svgIcons) {
    QStringList names;
    for (int i = 0; i < menuRoot.childCount(); ++i) {
        const Node* item = menuRoot.childAt(i);
        for (int j = 0; j < item->childCount(); ++j)
            appendIconNames(*item->childAt(j), names, svgIcons);
        appendIconNames(*item, names, svgIcons);
    }
    return names;
}

bool needsArrowImage(const Node& menuRoot) {
    for (int i = 0; i < menuRoot.childCount(); ++i) {
        if (menuRoot.childAt(i)->childCount() > 0)
            return true;
    }
    return false;
}

WriteResult exportAllFilesToFolder(const QString& cssText, const QString& htmlText,
                                   const Node& menuRoot, const QString& previewFolder,
                                   const QString& folder, const QString& scriptText,
                                   const ExportFileNames& names) {
    qCInfo(lcBrindle).noquote() << folder;
    const QDir destination(folder);
    ExportReport report;
    report.add(names.stylesheet,
               exportCSSTextToFile(cssText, destination.filePath(names.stylesheet)));
    report.add(names.page, exportHTMLTextToFile(htmlText, destination.filePath(names.page)));
    if (!scriptText.isEmpty())
        report.add(names.script,
                   writeTextFileAtomically(destination.filePath(names.script), scriptText));
    const QStringList iconNames = exportedIconFileNames(menuRoot, names.svgIcons);
    if (previewFolder.isEmpty() && !iconNames.isEmpty()) {
        report.add(QStringLiteral("The icons were not copied: there is no preview folder."));
    } else {
        const QDir preview(previewFolder);
        for (const QString& name : iconNames)
            copyIcon(name, preview, destination, report);
    }
    if (needsArrowImage(menuRoot)) {
        qCInfo(lcBrindle) << "needToCopyDownArrowImage";
        const QString arrowName = QLatin1String(kArrowFileName);
        report.add(arrowName,
                   writeFileAtomically(destination.filePath(arrowName), arrowImagePng()));
    }
    return report.result();
}

} // namespace brindle
