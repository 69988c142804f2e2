#pragma once

#include <QString>

namespace brindle {

// Icon files live beside the generated files in the preview and export folders, so their
// names must stay plain file names and never replace a generated file.

// True for a plain file name: not empty, not "." or "..", no "/", "\" or control character,
// and not one of the generated files ("index.html", "styles.css", "bottom.png").
bool isSafeIconFileName(const QString& name);

// The name the editor stores for a picked file's last path component: "\" and control
// characters become "_", and a generated file's name gets the prefix "icon-".
QString safeIconFileName(const QString& lastPathComponent);

// The number of an icon class "icon<1–9 ASCII digits>", or -1 for any other text.
qint64 iconClassNumber(const QString& iconID);

} // namespace brindle
