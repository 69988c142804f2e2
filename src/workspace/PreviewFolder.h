#pragma once

#include "workspace/FileWriter.h"

#include <QString>

#include <memory>
#include <optional>

class QLockFile;

namespace brindle {

// The per-run folder that holds index.html, styles.css, bottom.png and every icon side by
// side, so that the page's relative references resolve inside it.
//
// The run that creates the folder owns it through a lock file inside it (the owner's process
// id and machine) and notes the name of every other file it writes there. A clean quit
// removes those files and the folder; a crashed run's folder is removed by a later start
// once its owner has ended. A file Brindle did not write keeps the folder.
class PreviewFolder {
public:
    // Creates the first free "WebFolder%d" directly inside baseDir with owner-only access and
    // marks it as this process's. A name taken by a file or a folder is skipped. Nothing when
    // creation fails.
    static std::optional<PreviewFolder> create(const QString& baseDir);

    explicit PreviewFolder(const QString& folderPath);

    const QString& folderPath() const { return m_folderPath; }
    QString htmlPath() const;
    QString cssPath() const;
    QString arrowPath() const;

    WriteResult writeHTML(const QString& text) const;
    WriteResult writeCSS(const QString& text) const;
    WriteResult writeArrow() const;
    // The page's script ("menu.js"); an empty text removes it (a page without a script).
    WriteResult writeScript(const QString& text) const;
    static constexpr const char* kScriptFileName = "menu.js";

    // Writes a file other than the generated ones (an icon) into a preview folder, noting its
    // name first so that the file is removed with the folder.
    static WriteResult writeFile(const QString& folderPath, const QString& fileName,
                                 const QByteArray& bytes);
    // The same, except that a file already holding these bytes is left alone: each atomic
    // write waits for the disk.
    static WriteResult writeFileUnlessSame(const QString& folderPath, const QString& fileName,
                                           const QByteArray& bytes);
    // True when the file at `path` holds exactly these bytes.
    static bool fileHolds(const QString& path, const QByteArray& bytes);

    // Removes the files Brindle wrote, gives up the ownership and removes the folder if
    // nothing else is left in it. For the end of the run: nothing is written here afterwards.
    void remove();

    // Removes the preview folders in baseDir whose owner was a process of this machine that
    // no longer runs, as remove() would have. Folders without an owner mark, of a living
    // owner or of another machine are left alone. Returns how many folders went.
    static int removeAbandoned(const QString& baseDir);

private:
    QString m_folderPath;
    std::shared_ptr<QLockFile> m_owner; // shared by copies; null for a folder not created here
};

} // namespace brindle
