#pragma once

namespace brindle {

// Anything that refills its controls from the settings store when the whole store changed
// (a project was opened, an editing mode was switched). Style panels implement it; the
// side-bar containers call it without knowing the panel classes.
class Reloadable {
public:
    virtual ~Reloadable();
    virtual void reloadData() = 0;
};

} // namespace brindle
