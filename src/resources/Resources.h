#pragma once

namespace brindle {

// Registers the built-in images (":/images/Bottom.png", "lock.png", "unlock.png",
// "brindle.png") and the gallery's designs. Safe to call more than once.
void initResources();

// The gallery's built-in designs, "NN Name.brindleprj" (made by designs/make-designs.py).
inline constexpr const char* kBuiltInDesignsFolder = ":/designs";

} // namespace brindle
