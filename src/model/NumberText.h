#pragma once

#include <QString>

namespace brindle {

// printf's "%.*f" as it reads in the C locale, whatever locale the process runs in: the
// exact binary value rounded half to even to `decimals` decimals, always with a ".".
// Generated CSS and every saved number must read the same on every machine.
QString fixedDecimalsText(double value, int decimals);

} // namespace brindle
