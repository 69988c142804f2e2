#include "widgets/Reloadable.h"

namespace brindle {

Reloadable::~Reloadable() = default;

} // namespace brindle
