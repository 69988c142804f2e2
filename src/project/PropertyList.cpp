#include "project/PropertyList.h"

#include <QCoreApplication>

#include <cstdlib>
#include <limits>
#include <locale.h>
#include <memory>
#include <plist/plist.h>

namespace brindle {

// This file's messages, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PropertyList)
};

namespace {

struct PlistFree {
    void operator()(void* node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

// The property-list library reads and writes <real> text with the C library's number
// functions, which follow LC_NUMERIC: under a decimal-comma locale "0.6" would read as 0.
// For the lifetime of this object the calling thread alone uses the C locale; the process's
// locale, and other threads, are left alone.
class CLocaleScope {
public:
    CLocaleScope() : m_previous(cLocale() ? uselocale(cLocale()) : nullptr) {}
    ~CLocaleScope() {
        if (m_previous)
            uselocale(m_previous);
    }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t cLocale() {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        return locale;
    }

    locale_t m_previous;
};

QString otherKindName(plist_type type) {
    switch (type) {
    case PLIST_ARRAY:
        return Texts::tr("an array");
    case PLIST_DICT:
        return Texts::tr("a dictionary");
    case PLIST_DATE:
        return Texts::tr("a date");
    case PLIST_KEY:
        return Texts::tr("a key");
    case PLIST_UID:
        return Texts::tr("an identifier");
    default:
        return Texts::tr("an unknown element");
    }
}

// Dictionaries hold dictionaries this deep at most: the options, their items section and one
// item's entry. Deeper ones are kept as `Other`.
constexpr int kDeepestDictionary = 3;

PlistElement elementFromNode(plist_t node, int dictionaryDepth = 0) {
    const plist_type type = plist_get_node_type(node);
    switch (type) {
    case PLIST_STRING: {
        // Not plist_get_string_val(): it asserts on text it cannot copy whole.
        uint64_t length = 0;
        const char* value = plist_get_string_ptr(node, &length);
        const QByteArrayView bytes(value, value ? static_cast<qsizetype>(length) : 0);
        PlistElement element =
            PlistElement::fromString(value ? QString::fromUtf8(bytes) : QString());
        element.validUtf8 = bytes.isValidUtf8();
        return element;
    }
    case PLIST_UINT: {
        // Negative numbers are kept in the same 64 bits; read them back as signed.
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return PlistElement::fromInteger(static_cast<qint64>(value));
    }
    case PLIST_REAL: {
        double value = 0.0;
        plist_get_real_val(node, &value);
        return PlistElement::fromReal(value);
    }
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return PlistElement::fromBoolean(value != 0);
    }
    case PLIST_DATA: {
        uint64_t length = 0;
        const char* value = plist_get_data_ptr(node, &length);
        return PlistElement::fromData(value ? QByteArray(value, static_cast<qsizetype>(length))
                                            : QByteArray());
    }
    case PLIST_DICT:
        if (dictionaryDepth < kDeepestDictionary) {
            QStringList keys;
            std::vector<PlistElement> values;
            plist_dict_iter it = nullptr;
            plist_dict_new_iter(node, &it);
            for (;;) {
                char* key = nullptr;
                plist_t value = nullptr;
                plist_dict_next_item(node, it, &key, &value);
                if (!key)
                    break;
                keys.append(QString::fromUtf8(key));
                std::free(key);
                values.push_back(elementFromNode(value, dictionaryDepth + 1));
            }
            std::free(it);
            return PlistElement::fromDictionary(keys, std::move(values));
        }
        [[fallthrough]];
    default: {
        PlistElement element;
        element.otherKindName = otherKindName(type);
        return element;
    }
    }
}

plist_t nodeFromElement(const PlistElement& element) {
    switch (element.kind) {
    case PlistElement::Kind::String:
        return plist_new_string(element.text.toUtf8().constData());
    case PlistElement::Kind::Integer:
        // The XML writer prints these 64 bits as a signed number.
        return plist_new_uint(static_cast<uint64_t>(element.integer));
    case PlistElement::Kind::Real:
        return plist_new_real(element.real);
    case PlistElement::Kind::Boolean:
        return plist_new_bool(element.boolean ? 1 : 0);
    case PlistElement::Kind::Data:
        return plist_new_data(element.data.constData(), static_cast<uint64_t>(element.data.size()));
    case PlistElement::Kind::Dictionary: {
        plist_t dict = plist_new_dict();
        for (qsizetype i = 0; i < element.keys.size(); ++i)
            plist_dict_set_item(dict, element.keys.at(i).toUtf8().constData(),
                                nodeFromElement(element.values.at(static_cast<size_t>(i))));
        return dict;
    }
    case PlistElement::Kind::Other:
        break;
    }
    return plist_new_string("");
}

} // namespace

PlistElement PlistElement::fromString(const QString& value) {
    PlistElement element;
    element.kind = Kind::String;
    element.text = value;
    return element;
}

PlistElement PlistElement::fromInteger(qint64 value) {
    PlistElement element;
    element.kind = Kind::Integer;
    element.integer = value;
    return element;
}

PlistElement PlistElement::fromReal(double value) {
    PlistElement element;
    element.kind = Kind::Real;
    element.real = value;
    return element;
}

PlistElement PlistElement::fromBoolean(bool value) {
    PlistElement element;
    element.kind = Kind::Boolean;
    element.boolean = value;
    return element;
}

PlistElement PlistElement::fromData(const QByteArray& value) {
    PlistElement element;
    element.kind = Kind::Data;
    element.data = value;
    return element;
}

PlistElement PlistElement::fromDictionary(const QStringList& keys,
                                          std::vector<PlistElement> values) {
    PlistElement element;
    element.kind = Kind::Dictionary;
    element.keys = keys;
    element.values = std::move(values);
    return element;
}

const PlistElement* PlistElement::valueForKey(const QString& key) const {
    const qsizetype index = keys.indexOf(key);
    return index < 0 ? nullptr : &values.at(static_cast<size_t>(index));
}

QString plistKindName(const PlistElement& element) {
    switch (element.kind) {
    case PlistElement::Kind::String:
        return Texts::tr("text");
    case PlistElement::Kind::Integer:
        return Texts::tr("an integer");
    case PlistElement::Kind::Real:
        return Texts::tr("a real number");
    case PlistElement::Kind::Boolean:
        return Texts::tr("a boolean");
    case PlistElement::Kind::Data:
        return Texts::tr("data");
    case PlistElement::Kind::Dictionary:
        return Texts::tr("a dictionary");
    case PlistElement::Kind::Other:
        break;
    }
    return element.otherKindName;
}

PlistArrayReadResult readPlistArray(const QByteArray& bytes) {
    PlistArrayReadResult result;
    if (bytes.isEmpty() || bytes.size() > std::numeric_limits<uint32_t>::max())
        return result;
    if (plist_is_binary(bytes.constData(), static_cast<uint32_t>(bytes.size())))
        return result;
    // XML text never holds a NUL character; the parser would cut strings at it.
    if (bytes.contains('\0'))
        return result;
    plist_t parsed = nullptr;
    {
        const CLocaleScope cNumbers;
        plist_from_xml(bytes.constData(), static_cast<uint32_t>(bytes.size()), &parsed);
    }
    const PlistPtr root(parsed);
    if (!root)
        return result;
    if (plist_get_node_type(root.get()) != PLIST_ARRAY) {
        result.status = PlistArrayReadResult::Status::NotAnArray;
        return result;
    }
    const uint32_t count = plist_array_get_size(root.get());
    result.elements.reserve(count);
    for (uint32_t i = 0; i < count; ++i)
        result.elements.append(elementFromNode(plist_array_get_item(root.get(), i)));
    result.status = PlistArrayReadResult::Status::Ok;
    return result;
}

QByteArray writePlistArray(const QList<PlistElement>& elements) {
    const PlistPtr root(plist_new_array());
    for (const PlistElement& element : elements)
        plist_array_append_item(root.get(), nodeFromElement(element));
    char* xml = nullptr;
    uint32_t length = 0;
    {
        const CLocaleScope cNumbers;
        plist_to_xml(root.get(), &xml, &length);
    }
    QByteArray bytes(xml, static_cast<qsizetype>(length));
    plist_to_xml_free(xml);
    return bytes;
}

} // namespace brindle
