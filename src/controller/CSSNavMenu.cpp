#include "controller/CSSNavMenu.h"

#include "model/GlobalData.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"

#include <QFile>

namespace brindle {

CSSNavMenu::CSSNavMenu(GlobalData& data, NotificationCenter& center, QObject* parent)
    : QObject(parent), m_data(data), m_center(center), m_documents(data) {}

CSSNavMenu::~CSSNavMenu() {
    m_center.removeObserver(this);
}

void CSSNavMenu::registerUpdateHandlers(const SenderDirectory& senders) {
    for (const Registration& row : routingTable()) {
        const QObject* sender = senders.value(QLatin1String(row.senderOutlet));
        if (sender == nullptr)
            continue; // that panel is not part of this window
        const UpdateHandler handler = row.handler;
        m_center.addObserver(this, QLatin1String(row.notification), sender,
                             [this, handler](const Notification&) { runHandler(handler); });
    }
}

void CSSNavMenu::generateTexts() {
    m_documents.insertHTML5Code();
    m_documents.insertCSS3Code();
}

bool CSSNavMenu::createHTMLIndexFile(const QString& baseDir) {
    PreviewFolder::removeAbandoned(baseDir);
    m_previewFolder = PreviewFolder::create(baseDir);
    if (!m_previewFolder)
        return false;
    m_data.setTempFolderPath(m_previewFolder->folderPath());
    qCInfo(lcBrindle) << "htmlPath:" << m_previewFolder->htmlPath();
    m_previewFolder->writeHTML(m_documents.htmlText());
    m_writtenPageFrame = m_documents.pageFrame();
    m_previewFolder->writeCSS(m_documents.cssText());
    m_previewFolder->writeArrow();
    writeScriptFile();
    emit previewFolderCreated(m_previewFolder->htmlPath());
    return true;
}

void CSSNavMenu::removePreviewFolder() {
    if (!m_previewFolder)
        return;
    m_previewFolder->remove();
    m_previewFolder.reset();
}

void CSSNavMenu::runHandler(UpdateHandler handler) {
    for (const HandlerStep& step : handlerSpec(handler).steps) {
        switch (step.kind) {
        case HandlerStep::Kind::Splice:
            m_documents.spliceFragment(step.fragment);
            break;
        case HandlerStep::Kind::WriteCSS:
            writeCSSFile();
            break;
        case HandlerStep::Kind::WriteHTML:
            writeHTMLFile();
            break;
        case HandlerStep::Kind::Run:
            runHandler(step.handler);
            break;
        case HandlerStep::Kind::Rebuild:
            rebuildTexts();
            break;
        }
    }
}

void CSSNavMenu::rebuildTexts() {
    m_documents.rebuildForOutputOptions();
    writeScriptFile();
    writeCSSFile();
    writeHTMLFile();
}

void CSSNavMenu::writeScriptFile() {
    // The preview never runs it (its scripts are off), but the folder holds what an export
    // holds. A Classic page loads no script, and the folder keeps none.
    if (m_previewFolder)
        m_previewFolder->writeScript(m_documents.scriptText());
}

void CSSNavMenu::reloadData() {
    for (UpdateHandler handler : reloadOrder())
        runHandler(handler);
}

void CSSNavMenu::writeCSSFile() {
    // Without a preview folder there is nothing to rewrite; the texts stay current.
    const bool ok = m_previewFolder && m_previewFolder->writeCSS(m_documents.cssText()).ok;
    emit cssFileWritten(ok);
    // The preview shows what the files hold.
    if (ok)
        emit stylesheetRewritten();
}

void CSSNavMenu::writeHTMLFile() {
    const bool ok = m_previewFolder && m_previewFolder->writeHTML(m_documents.htmlText()).ok;
    emit htmlFileWritten(ok);
    // The preview shows what the files hold: a page that is not on disk is not shown.
    if (!ok)
        return;
    QString frame = m_documents.pageFrame();
    if (frame == m_writtenPageFrame) {
        emit menuMarkupRewritten();
        return;
    }
    m_writtenPageFrame = std::move(frame);
    emit previewReloadRequested();
}

} // namespace brindle
