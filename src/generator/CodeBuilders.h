#pragma once

#include "generator/FragmentRegistry.h"
#include "generator/MenuMarkup.h"
#include "model/GlobalData.h"
#include "model/OutputOptions.h"

#include <optional>

namespace brindle {

enum class GradientGroupId;
struct StyleTemplates;

// The builders: each reads the store when called and rebuilds one fragment's text from
// scratch in the registry. They never touch a document text or a position.
class CodeBuilders {
public:
    CodeBuilders(const GlobalData& data, FragmentRegistry& registry);

    // Runs the builder of `fragment`.
    void build(Fragment fragment);

    // Box and text declarations.
    void constructBorderRadiusCommand();
    void constructBorderSizeColorCommand();
    void constructBorderLeftRightSizeColorCommand();
    void constructSubMenuBorderRadiusCommand();
    void constructSubMenuBorderSizeColorCommand();
    void constructSubMenuItemFirstChildCommand();
    void constructSubMenuItemLastChildCommand();
    void constructWidthCommand();
    void constructPaddingCommand();
    void constructSubMenuWidthCommand();
    void constructFontFamilyCommand();
    void constructFontColorCommand();
    void constructFontColorHoverCommand();
    void constructFontColorActiveCommand();
    void constructSubMenuFontColorCommand();
    void constructSubMenuFontColorHoverCommand();
    void constructSubMenuFontColorActiveCommand();
    void constructFontSizeCommand();

    // Gradient backgrounds.
    void constructBackgroundCommand();
    void constructSubMenuBackgroundCommand();
    void constructBackgroundHoverCommand();
    void constructSubMenuBackgroundHoverCommand();
    void constructBackgroundActiveCommand();
    void constructSubMenuBackgroundActiveCommand();

    // Shadows.
    void constructDropAndInnerShadowCommand();
    void constructMainMenuTextShadowCommand();

    // Menu markup and icon rules.
    void constructMenuStructureCommand();
    void constructSubMenuStructureCommand(int topLevelIndex); // appends that item's block
    void getLineHeight();
    void constructSubMenuTopCommand();
    void constructSubMenuItemHeightCommand();
    void constructMenuIconCommand();
    void constructMenuIconCommand(const IconRule& rule); // appends one icon rule
    // Appends one arrow rule; a sub-item's (Modern's third level) names the sub-menu links.
    void constructMainMenuWithChildIconCommand(const QString& iconID, bool isMainMenu = true);

    // -1 until computed; the icon build recomputes them, top and height reuse them.
    qint64 currentMainMenuLineHeight() const { return m_currentMainMenuLineHeight; }
    qint64 currentSubMenuLineHeight() const { return m_currentSubMenuLineHeight; }
    void resetLineHeights();

    const GlobalData& data() const { return m_data; }
    // The output options the texts are written for: the design's, unless others were given
    // (the snippet is always Modern).
    const OutputOptions& options() const;
    void setOptionsOverride(std::optional<OutputOptions> options) {
        m_optionsOverride = std::move(options);
    }

private:
    // The templates of the design's output style.
    MenuClassNames classNames() const;
    const StyleTemplates& templates() const;
    void store(Fragment fragment, QString text);
    void buildGradient(Fragment fragment, GradientGroupId group);
    // `opensList`: a sub-item whose items the page shows in a list below it.
    void appendItemIconRules(const Node& item, bool isMainMenu, bool opensList = false);

    const GlobalData& m_data;
    std::optional<OutputOptions> m_optionsOverride;
    FragmentRegistry& m_registry;
    qint64 m_currentMainMenuLineHeight = -1;
    qint64 m_currentSubMenuLineHeight = -1;
};

} // namespace brindle
