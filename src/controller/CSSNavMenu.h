#pragma once

#include "controller/RoutingTable.h"
#include "generator/CodeDocuments.h"
#include "workspace/PreviewFolder.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

namespace brindle {

class GlobalData;
class NotificationCenter;

// The document controller: owns the generated texts with their fragment registry and the
// preview folder, routes every change notification to its update handler, splices the
// affected fragments and rewrites the preview files.
class CSSNavMenu : public QObject {
    Q_OBJECT

public:
    // Outlet name (as in the routing table) → the panel object that sends under that name.
    using SenderDirectory = QHash<QString, const QObject*>;

    CSSNavMenu(GlobalData& data, NotificationCenter& center, QObject* parent = nullptr);
    ~CSSNavMenu() override;

    // Makes one registration per routing row whose sending outlet is in the directory.
    void registerUpdateHandlers(const SenderDirectory& senders);
    // Builds the page text, then the stylesheet text.
    void generateTexts();
    // Creates the preview folder in baseDir, writes index.html, styles.css and bottom.png.
    // False when the folder could not be made; the rest keeps working without previews.
    // Preview folders that ended runs left in baseDir are removed first.
    bool createHTMLIndexFile(const QString& baseDir);
    // At a clean quit: the preview folder goes with the files written into it; later
    // rewrites do nothing.
    void removePreviewFolder();

    void runHandler(UpdateHandler handler);
    // The full refresh after a project was opened: every handler in its fixed order.
    void reloadData();

    void writeCSSFile();
    void writeHTMLFile();
    // Both texts in the frame of the current output options, with every file rewritten.
    void rebuildTexts();

    CodeDocuments& documents() { return m_documents; }
    const CodeDocuments& documents() const { return m_documents; }
    const std::optional<PreviewFolder>& previewFolder() const { return m_previewFolder; }

signals:
    void previewFolderCreated(const QString& htmlPath);
    // Each text was regenerated and its file written, or not (`ok` false).
    void cssFileWritten(bool ok);
    void htmlFileWritten(bool ok);
    // The preview should reload index.html: its frame (all but the menu markup) changed.
    void previewReloadRequested();
    // index.html was rewritten with its frame as it was (the menu markup may have changed):
    // the preview can show the markup in place.
    void menuMarkupRewritten();
    // styles.css was rewritten: the preview can show it in place.
    void stylesheetRewritten();

private:
    void writeScriptFile();

    GlobalData& m_data;
    NotificationCenter& m_center;
    CodeDocuments m_documents;
    std::optional<PreviewFolder> m_previewFolder;
    QString m_writtenPageFrame; // of the index.html last written
};

} // namespace brindle
