#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace brindle {

// An opaque byte form of a file location, kept in the user defaults. Resolving gives the
// path back only while a readable file is there.
class Bookmark {
public:
    static QByteArray fromPath(const QString& path);
    static std::optional<QString> resolve(const QByteArray& bookmark);
};

} // namespace brindle
