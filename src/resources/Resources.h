#pragma once

namespace brindle {

// Registers the built-in images (":/images/Bottom.png", "lock.png", "unlock.png",
// "brindle.png"). Safe to call more than once.
void initResources();

} // namespace brindle
