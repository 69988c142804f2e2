#pragma once

#include "workspace/FileWriter.h"

#include <QString>

#include <optional>

namespace brindle {

// The per-run folder that holds index.html, styles.css, bottom.png and every icon side by
// side, so that the page's relative references resolve inside it.
class PreviewFolder {
public:
    // Creates the first free "WebFolder%d" directly inside baseDir with owner-only access.
    // A name taken by a file or a folder is skipped. Nothing when creation fails.
    static std::optional<PreviewFolder> create(const QString& baseDir);

    explicit PreviewFolder(const QString& folderPath);

    const QString& folderPath() const { return m_folderPath; }
    QString htmlPath() const;
    QString cssPath() const;
    QString arrowPath() const;

    WriteResult writeHTML(const QString& text) const;
    WriteResult writeCSS(const QString& text) const;
    WriteResult writeArrow() const;

private:
    QString m_folderPath;
};

} // namespace brindle
