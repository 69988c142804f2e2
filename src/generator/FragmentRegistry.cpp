#include "generator/FragmentRegistry.h"

namespace brindle {

void FragmentRegistry::calculatePosIndex(qint64 position, qint64 change) {
    if (change == 0)
        return;
    for (int i = 0; i < kStylesheetFragmentCount; ++i) {
        qint64& index = m_indexes[static_cast<std::size_t>(i)];
        if (index > position)
            index += change;
    }
}

} // namespace brindle
