#include "workspace/Export.h"

#include "generator/CodeDocuments.h"
#include "generator/Snippet.h"
#include "generator/StyleTemplates.h"
#include "model/GlobalData.h"
#include "model/IconFileName.h"
#include "model/Node.h"
#include "platform/Log.h"
#include "workspace/PreviewFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <optional>

namespace brindle {

// This file's messages, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Export)
};

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
            m_errors.append(Texts::tr("“%1” could not be written: %2").arg(fileName, result.error));
    }
    void add(const QString& line) { m_errors.append(line); }
    WriteResult result() const { return {m_errors.isEmpty(), m_errors.join(QLatin1Char('\n'))}; }

private:
    QStringList m_errors;
};

// A file of the export: its name in the folder and what it holds.
struct ExportFile {
    QString name;
    QByteArray bytes;
};

// Every file of an export, decided before anything is written.
struct ExportPlan {
    QList<ExportFile> files;
    ExportReport report; // what could not even be read
};

// The icon's bytes from the preview folder, or a line in the report.
std::optional<QByteArray> readIcon(const QString& name, const QDir& preview, ExportReport& report) {
    if (!isSafeIconFileName(name)) {
        report.add(Texts::tr("The icon “%1” was not copied: its name is not a plain file "
                             "name.")
                       .arg(name));
        return std::nullopt;
    }
    QFile source(preview.filePath(name));
    QByteArray bytes;
    if (source.open(QIODevice::ReadOnly))
        bytes = source.readAll();
    if (!source.isOpen() || source.error() != QFileDevice::NoError) {
        report.add(Texts::tr("The icon “%1” was not copied: %2").arg(name, source.errorString()));
        return std::nullopt;
    }
    return bytes;
}

ExportPlan planExport(const QString& cssText, const QString& htmlText, const QString& scriptText,
                      const ExportFileNames& names, const Node& menuRoot,
                      const QString& previewFolder,
                      const std::function<QString(const QString&)>& pictureName) {
    ExportPlan plan;
    plan.files.append({names.stylesheet, cssText.toUtf8()});
    plan.files.append({names.page, htmlText.toUtf8()});
    if (!scriptText.isEmpty())
        plan.files.append({names.script, scriptText.toUtf8()});
    const QStringList iconNames = exportedIconFileNames(menuRoot, names.svgIcons);
    if (previewFolder.isEmpty() && !iconNames.isEmpty()) {
        plan.report.add(Texts::tr("The icons were not copied: there is no preview folder."));
    } else {
        const QDir preview(previewFolder);
        for (const QString& name : iconNames) {
            if (std::optional<QByteArray> bytes = readIcon(name, preview, plan.report))
                plan.files.append({pictureName(name), *std::move(bytes)});
        }
    }
    if (names.arrowPicture && needsArrowImage(menuRoot)) {
        qCInfo(lcBrindle) << "needToCopyDownArrowImage";
        plan.files.append({pictureName(QLatin1String(kArrowFileName)), arrowImagePng()});
    }
    return plan;
}

// Each file replaces one of the same name in one step, so a failed write keeps the older
// file rather than leaving none; the other files are still written.
WriteResult writePlan(ExportPlan& plan, const QString& folder) {
    qCInfo(lcBrindle).noquote() << folder;
    const QDir destination(folder);
    for (const ExportFile& file : std::as_const(plan.files))
        plan.report.add(file.name,
                        writeFileAtomically(destination.filePath(file.name), file.bytes));
    return plan.report.result();
}

QString identity(const QString& name) {
    return name;
}

} // namespace

ExportResult exportDesign(const GlobalData& data, const QString& iconFolder, const QString& folder,
                          ExportForm form, ExistingFiles existing) {
    ExportResult result;
    const QString shownPath = QDir::toNativeSeparators(folder);
    ExportPlan plan;
    if (form == ExportForm::Snippet) {
        const Snippet snippet = buildSnippet(data);
        plan =
            planExport(snippet.css, snippet.html, snippet.script,
                       {snippet.stylesheetName, snippet.pageName, snippet.scriptName, true, false},
                       *data.getMenuRootNode(), iconFolder,
                       [&snippet](const QString& name) { return snippet.pictureName(name); });
        result.pageName = snippet.pageName;
    } else {
        CodeDocuments documents(data);
        documents.insertHTML5Code();
        documents.insertCSS3Code();
        ExportFileNames names;
        names.svgIcons = documents.writesSvgIcons();
        names.arrowPicture = documents.drawsArrowPicture();
        plan = planExport(documents.cssText(), documents.htmlText(), documents.scriptText(), names,
                          *data.getMenuRootNode(), iconFolder, identity);
        result.pageName = names.page;
        result.note = hiddenLevelNote(data);
    }
    if (existing == ExistingFiles::Keep) {
        const QDir destination(folder);
        for (const ExportFile& file : std::as_const(plan.files)) {
            const QString path = destination.filePath(file.name);
            if (QFileInfo::exists(path) && !PreviewFolder::fileHolds(path, file.bytes))
                result.clashes.append(file.name);
        }
        if (!result.clashes.isEmpty()) {
            result.ok = false;
            result.error = Texts::tr("%1 holds files of the same name: %2")
                               .arg(shownPath, result.clashes.join(QStringLiteral(", ")));
            return result;
        }
    }
    const WriteResult written = writePlan(plan, folder);
    result.ok = written.ok;
    result.error = written.error;
    return result;
}

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
        for (int j = 0; j < item->childCount(); ++j) {
            const Node* subItem = item->childAt(j);
            // Only Modern pages, which write SVG icons, show the third level.
            for (int k = 0; svgIcons && k < subItem->childCount(); ++k)
                appendIconNames(*subItem->childAt(k), names, svgIcons);
            appendIconNames(*subItem, names, svgIcons);
        }
        appendIconNames(*item, names, svgIcons);
    }
    return names;
}

QString hiddenLevelNote(const GlobalData& data) {
    if (styleTemplates(data.outputOptions().style).menuLevels >= kDeepestMenuLevel ||
        itemsOnLevel(*data.getMenuRootNode(), kDeepestMenuLevel) == 0)
        return {};
    return Texts::tr("Classic pages show two levels: the menu’s third level stays in the design "
                     "but is not on the page. The Modern style shows it.");
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
    ExportPlan plan =
        planExport(cssText, htmlText, scriptText, names, menuRoot, previewFolder, identity);
    return writePlan(plan, folder);
}

} // namespace brindle
