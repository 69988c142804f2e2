#pragma once

#include "generator/Fragment.h"

#include <QString>

#include <array>

namespace brindle {

// For every fragment its current text (`<name>Text`) and the position of its first character
// in the text that holds it (`<name>Index`, UTF-16 code units). A position of -1 means the
// fragment has not been placed in a text yet.
class FragmentRegistry {
public:
    const QString& text(Fragment fragment) const { return m_texts[fragmentSlot(fragment)]; }
    void setText(Fragment fragment, QString text) {
        m_texts[fragmentSlot(fragment)] = std::move(text);
    }
    void appendText(Fragment fragment, const QString& piece) {
        m_texts[fragmentSlot(fragment)] += piece;
    }
    qint64 index(Fragment fragment) const { return m_indexes[fragmentSlot(fragment)]; }
    void setIndex(Fragment fragment, qint64 index) { m_indexes[fragmentSlot(fragment)] = index; }

    // After a splice at `position`: every stylesheet fragment that starts strictly after it
    // moves by `change`. The fragment at the position keeps its start; the page fragment
    // never moves here.
    void calculatePosIndex(qint64 position, qint64 change);

private:
    std::array<QString, kFragmentCount> m_texts;
    std::array<qint64, kFragmentCount> m_indexes = filledIndexes();

    static constexpr std::array<qint64, kFragmentCount> filledIndexes() {
        std::array<qint64, kFragmentCount> indexes{};
        for (qint64& index : indexes)
            index = -1;
        return indexes;
    }
};

} // namespace brindle
