#pragma once

#include <QString>

namespace brindle {

// Where a file dialog opens: the folder last used for that kind of file (kept in the
// application's user defaults across runs), else the user's documents folder, else home —
// never a folder that does not exist.
class StartFolder {
public:
    enum class Kind { Projects, Exports, Icons };

    // The fallbacks are the user's documents folder and home; tests give their own.
    explicit StartFolder(Kind kind);
    StartFolder(Kind kind, QString documentsFolder, QString homeFolder);

    // The first of remembered, documents and home that is an existing folder.
    QString folder() const;
    // A chosen file's folder, or a chosen folder itself, becomes the start of the next dialog
    // of this kind.
    void rememberFile(const QString& filePath) const;
    void rememberFolder(const QString& folderPath) const;

private:
    QString settingsKey() const;

    Kind m_kind;
    QString m_documents;
    QString m_home;
};

} // namespace brindle
