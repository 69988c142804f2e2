#pragma once

#include <QString>

namespace brindle {

// The state the preview pins on its representative items while the designer edits it, so
// that hover, active and open looks show without the mouse. Preview-only: nothing of it
// reaches the files.
// Current marks the item as the page being shown, as the page's script would.
enum class PinnedState { None, Hover, Active, Current };

struct PreviewPins {
    PinnedState topLevel = PinnedState::None; // on the first top-level item
    bool openFirstSubMenu = false;            // the first item with sub-items shows them
    PinnedState subItem = PinnedState::None;  // on the first item of that sub-menu

    friend bool operator==(const PreviewPins&, const PreviewPins&) = default;
};

inline constexpr const char* kPinnedHoverClass = "brindle-preview-hover";
inline constexpr const char* kPinnedActiveClass = "brindle-preview-active";

// Copies of the stylesheet's rules for `:hover` and `:active` whose selectors use the pin
// classes instead, so an element carrying a class looks as if hovered or pressed. Rules
// inside at-rule blocks stay inside a copy of their block; other rules are left out.
QString pinnedStateRules(const QString& css);

} // namespace brindle
