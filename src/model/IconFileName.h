#pragma once

#include <QString>

#include <functional>

namespace brindle {

// Icon files live beside the generated files in the preview and export folders, so their
// names must stay plain file names and never replace a generated file.

// The longest file name common file systems take, in bytes of UTF-8.
inline constexpr qsizetype kLongestIconFileNameBytes = 255;

// True for a plain file name: not empty, not "." or "..", no "/", "\" or control character,
// at most kLongestIconFileNameBytes long in UTF-8, and not one of the generated files
// ("index.html", "styles.css", "bottom.png").
bool isSafeIconFileName(const QString& name);

// The name the editor stores for a picked file's last path component: "\" and control
// characters become "_", a generated file's name gets the prefix "icon-", and a name too long
// in UTF-8 loses characters before its extension.
QString safeIconFileName(const QString& lastPathComponent);

// The first of `wanted`, "stem-2.ext", "stem-3.ext", … that `isFree` takes: a different
// picture never replaces one under the same name. Every candidate is a safe name when
// `wanted` is.
QString firstFreeIconFileName(const QString& wanted,
                              const std::function<bool(const QString&)>& isFree);

// The number of an icon class "icon<1–9 ASCII digits>", or -1 for any other text.
qint64 iconClassNumber(const QString& iconID);

} // namespace brindle
