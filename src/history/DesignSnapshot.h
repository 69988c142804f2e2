#pragma once

#include "model/GlobalData.h"

#include <array>
#include <memory>

namespace brindle {

// Everything the user designs at one moment: the style settings, the output options and a
// copy of the menu tree (images are shared, not copied, so a snapshot is cheap).
class DesignSnapshot {
public:
    static DesignSnapshot capture(const GlobalData& data);

    const SettingValue& value(Setting setting) const {
        return m_settings[static_cast<size_t>(setting)];
    }
    const OutputOptions& outputOptions() const { return m_outputOptions; }
    // The copied invisible root with its items.
    const std::shared_ptr<const Node>& menu() const { return m_menu; }

private:
    std::array<SettingValue, kSettingCount> m_settings;
    OutputOptions m_outputOptions;
    std::shared_ptr<const Node> m_menu;
};

// A deep copy of the node and its items with their parent references set.
std::unique_ptr<Node> copyMenuTree(const Node& node);
// Same titles, links, classes, icons and structure.
bool sameMenuTree(const Node& a, const Node& b);
// Replaces the store's menu items with a copy of the root's items.
void restoreMenuTree(GlobalData& data, const Node& root);

} // namespace brindle
