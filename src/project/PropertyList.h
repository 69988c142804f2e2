#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace brindle {

// One element of a flat property-list array. Project files hold only these kinds; anything
// else (dates, arrays, …) is kept as `Other` so that the reader can name it. Dictionaries
// nest three deep at most (a container below that, or an array anywhere, is kept as `Other`).
struct PlistElement {
    enum class Kind { String, Integer, Real, Boolean, Data, Dictionary, Other };

    Kind kind = Kind::Other;
    QString text;
    // For `String`: whether the file's bytes were valid UTF-8. Invalid sequences are shown
    // as U+FFFD in `text`, so a name that relies on its exact bytes can be refused.
    bool validUtf8 = true;
    qint64 integer = 0;
    double real = 0.0;
    bool boolean = false;
    QByteArray data;
    QString otherKindName; // for `Other`: "a date", "an array", …
    // For `Dictionary`: the keys and their values, in the file's order.
    QStringList keys;
    std::vector<PlistElement> values;

    static PlistElement fromString(const QString& value);
    static PlistElement fromInteger(qint64 value);
    static PlistElement fromReal(double value);
    static PlistElement fromBoolean(bool value);
    static PlistElement fromData(const QByteArray& value);
    static PlistElement fromDictionary(const QStringList& keys, std::vector<PlistElement> values);
    // The value under `key` in a dictionary, or nullptr.
    const PlistElement* valueForKey(const QString& key) const;
};

// A readable name of a kind, for messages ("text", "an integer", …).
QString plistKindName(const PlistElement& element);

// The outcome of reading bytes as an XML property list whose root is an array.
struct PlistArrayReadResult {
    enum class Status { Ok, NotAPropertyList, NotAnArray };
    Status status = Status::NotAPropertyList;
    QList<PlistElement> elements;
};

// Parses XML property-list bytes. Binary property lists are not project files and are
// reported as not a property list.
PlistArrayReadResult readPlistArray(const QByteArray& bytes);

// Serialises the elements as an XML property list with a root array.
QByteArray writePlistArray(const QList<PlistElement>& elements);

} // namespace brindle
