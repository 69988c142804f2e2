#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace brindle {

// Atomic writes: an auxiliary file replaces the target in one step, so nobody ever reads a
// half-written file and a failed write leaves the previous copy.
struct WriteResult {
    bool ok = true;
    QString error; // a readable reason when !ok
    explicit operator bool() const { return ok; }
};

// Synced: the new copy is on the disk before it replaces the old one (saves, exports,
// recovery copies). Scratch: the same atomic replacement without waiting for the disk, for
// files that are rebuilt from the design at every start (the preview folder).
enum class Durability { Synced, Scratch };

WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes,
                                Durability durability = Durability::Synced);
WriteResult writeTextFileAtomically(const QString& path, const QString& text,
                                    Durability durability = Durability::Synced); // UTF-8

// Scratch writes go through a temporary file named so beside the target.
inline constexpr const char* kScratchFilePrefix = ".brindle-scratch-";

// The built-in drop-down arrow "Bottom" as PNG bytes of logical size 16 × 16.
QByteArray arrowImagePng();
inline constexpr const char* kArrowFileName = "bottom.png";

} // namespace brindle
