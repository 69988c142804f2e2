#pragma once

// Builds and inspects property lists with libplist directly, so that tests check project
// files independently of the reader and writer under test.

#include <QByteArray>
#include <QString>

#include <cstdlib>
#include <locale.h>
#include <memory>
#include <plist/plist.h>

class PlistTestFile {
public:
    PlistTestFile() : m_root(plist_new_array()) {}
    explicit PlistTestFile(const QByteArray& xml) {
        plist_t parsed = nullptr;
        const CNumbers cNumbers;
        plist_from_xml(xml.constData(), static_cast<uint32_t>(xml.size()), &parsed);
        m_root.reset(parsed);
    }

    bool isArray() const { return m_root && plist_get_node_type(m_root.get()) == PLIST_ARRAY; }
    int size() const { return isArray() ? int(plist_array_get_size(m_root.get())) : -1; }
    plist_t root() const { return m_root.get(); }
    plist_t at(int i) const { return plist_array_get_item(m_root.get(), uint32_t(i)); }
    plist_type typeAt(int i) const { return plist_get_node_type(at(i)); }

    QString stringAt(int i) const {
        char* value = nullptr;
        plist_get_string_val(at(i), &value);
        const QString text = QString::fromUtf8(value ? value : "");
        std::free(value);
        return text;
    }
    qint64 integerAt(int i) const {
        uint64_t value = 0;
        plist_get_uint_val(at(i), &value);
        return qint64(value);
    }
    double realAt(int i) const {
        double value = 0;
        plist_get_real_val(at(i), &value);
        return value;
    }
    bool booleanAt(int i) const {
        uint8_t value = 0;
        plist_get_bool_val(at(i), &value);
        return value != 0;
    }
    QByteArray dataAt(int i) const {
        char* value = nullptr;
        uint64_t length = 0;
        plist_get_data_val(at(i), &value, &length);
        const QByteArray bytes(value, qsizetype(length));
        std::free(value);
        return bytes;
    }

    PlistTestFile& text(const QString& value) {
        return append(plist_new_string(value.toUtf8().constData()));
    }
    PlistTestFile& integer(qint64 value) { return append(plist_new_uint(uint64_t(value))); }
    PlistTestFile& real(double value) { return append(plist_new_real(value)); }
    PlistTestFile& boolean(bool value) { return append(plist_new_bool(value ? 1 : 0)); }
    PlistTestFile& data(const QByteArray& value) {
        return append(plist_new_data(value.constData(), uint64_t(value.size())));
    }
    PlistTestFile& append(plist_t node) {
        plist_array_append_item(m_root.get(), node);
        return *this;
    }
    void set(int i, plist_t node) { plist_array_set_item(m_root.get(), node, uint32_t(i)); }
    void truncate(int newSize) {
        while (size() > newSize)
            plist_array_remove_item(m_root.get(), uint32_t(size() - 1));
    }

    QByteArray xml() const {
        char* xml = nullptr;
        uint32_t length = 0;
        const CNumbers cNumbers;
        plist_to_xml(m_root.get(), &xml, &length);
        const QByteArray bytes(xml, qsizetype(length));
        plist_to_xml_free(xml);
        return bytes;
    }

private:
    // The library's reals follow LC_NUMERIC; the tests read them as the C locale writes them,
    // whatever locale they run in.
    struct CNumbers {
        locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        locale_t previous = uselocale(c);
        ~CNumbers() {
            uselocale(previous);
            freelocale(c);
        }
    };
    struct Free {
        void operator()(void* node) const { plist_free(node); }
    };
    std::unique_ptr<void, Free> m_root;
};
