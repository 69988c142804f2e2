#include "generator/CodeBuilders.h"

#include "generator/Declarations.h"
#include "generator/Gradient.h"
#include "generator/Shadow.h"
#include "generator/StyleTemplates.h"
#include "platform/Log.h"

#include <array>

namespace brindle {

namespace {

using Builder = void (CodeBuilders::*)();

// The builder of every fragment, in fragment order.
constexpr std::array<Builder, kFragmentCount> kBuilders = {
    &CodeBuilders::constructWidthCommand,
    &CodeBuilders::constructPaddingCommand,
    &CodeBuilders::constructBackgroundCommand,
    &CodeBuilders::constructBorderRadiusCommand,
    &CodeBuilders::constructBorderSizeColorCommand,
    &CodeBuilders::constructDropAndInnerShadowCommand,
    &CodeBuilders::constructBorderLeftRightSizeColorCommand,
    &CodeBuilders::constructBackgroundHoverCommand,
    &CodeBuilders::constructBackgroundActiveCommand,
    &CodeBuilders::constructFontFamilyCommand,
    &CodeBuilders::constructFontColorCommand,
    &CodeBuilders::constructFontSizeCommand,
    &CodeBuilders::constructMainMenuTextShadowCommand,
    &CodeBuilders::constructFontColorHoverCommand,
    &CodeBuilders::constructFontColorActiveCommand,
    &CodeBuilders::constructSubMenuTopCommand,
    &CodeBuilders::constructSubMenuBackgroundCommand,
    &CodeBuilders::constructSubMenuBorderRadiusCommand,
    &CodeBuilders::constructSubMenuBorderSizeColorCommand,
    &CodeBuilders::constructSubMenuBackgroundHoverCommand,
    &CodeBuilders::constructSubMenuBackgroundActiveCommand,
    &CodeBuilders::constructSubMenuFontColorCommand,
    &CodeBuilders::constructSubMenuItemHeightCommand,
    &CodeBuilders::constructSubMenuWidthCommand,
    &CodeBuilders::constructSubMenuFontColorHoverCommand,
    &CodeBuilders::constructSubMenuFontColorActiveCommand,
    &CodeBuilders::constructSubMenuItemFirstChildCommand,
    &CodeBuilders::constructSubMenuItemLastChildCommand,
    &CodeBuilders::constructMenuIconCommand,
    &CodeBuilders::constructMenuStructureCommand,
};

} // namespace

CodeBuilders::CodeBuilders(const GlobalData& data, FragmentRegistry& registry)
    : m_data(data), m_registry(registry) {}

void CodeBuilders::build(Fragment fragment) {
    (this->*kBuilders[fragmentSlot(fragment)])();
}

const OutputOptions& CodeBuilders::options() const {
    return m_optionsOverride ? *m_optionsOverride : m_data.outputOptions();
}

MenuClassNames CodeBuilders::classNames() const {
    return menuClassNames(options());
}

const StyleTemplates& CodeBuilders::templates() const {
    return styleTemplates(options().style);
}

void CodeBuilders::store(Fragment fragment, QString text) {
    m_registry.setText(fragment, std::move(text));
}

void CodeBuilders::resetLineHeights() {
    m_currentMainMenuLineHeight = -1;
    m_currentSubMenuLineHeight = -1;
}

// Box and text declarations ---------------------------------------------------------------

void CodeBuilders::constructBorderRadiusCommand() {
    store(Fragment::borderRadius,
          cornerRadiusDeclarations(m_data.borderRadius(), templates().vendorForms));
}

void CodeBuilders::constructBorderSizeColorCommand() {
    store(Fragment::borderSizeColor, borderDeclaration(m_data.borderSize(), m_data.borderColor()));
}

void CodeBuilders::constructBorderLeftRightSizeColorCommand() {
    store(Fragment::borderLeftRightSizeColor,
          separatorDeclarations(m_data.showSeparator(), m_data.borderSize(), m_data.borderColor(),
                                templates().logicalSides));
}

void CodeBuilders::constructSubMenuBorderRadiusCommand() {
    store(Fragment::subMenuBorderRadius,
          bottomCornerRadiusDeclarations(m_data.subMenuBorderRadius(), templates().vendorForms));
}

void CodeBuilders::constructSubMenuBorderSizeColorCommand() {
    store(Fragment::subMenuBorderSizeColor,
          borderDeclaration(m_data.subMenuBorderSize(), m_data.subMenuBorderColor()));
}

void CodeBuilders::constructSubMenuItemFirstChildCommand() {
    store(Fragment::subMenuItemFirstChild,
          borderRadiusDeclarations(QStringLiteral("0"), templates().vendorForms));
}

void CodeBuilders::constructSubMenuItemLastChildCommand() {
    store(Fragment::subMenuItemLastChild,
          bottomCornerRadiusDeclarations(m_data.subMenuBorderRadius(), templates().vendorForms));
}

void CodeBuilders::constructWidthCommand() {
    store(Fragment::width, percentWidthDeclaration(m_data.width()));
}

void CodeBuilders::constructPaddingCommand() {
    store(Fragment::padding,
          paddingDeclaration(m_data.paddingTop(), m_data.paddingRight(), m_data.paddingBottom(),
                             m_data.paddingLeft(), templates().logicalSides));
}

void CodeBuilders::constructSubMenuWidthCommand() {
    store(Fragment::subMenuWidth, pixelWidthDeclaration(m_data.subMenuWidth()));
}

void CodeBuilders::constructFontFamilyCommand() {
    const QString& family = m_data.mainMenufontFamily();
    store(Fragment::mainMenuFontFamily,
          fontFamilyDeclaration(templates().fontsForEveryScript ? stackForEveryScript(family)
                                                                : family));
}

void CodeBuilders::constructFontColorCommand() {
    store(Fragment::mainMenuFontColor, colorDeclaration(m_data.mainMenufontColor()));
}

void CodeBuilders::constructFontColorHoverCommand() {
    store(Fragment::mainMenuFontColorHover, colorDeclaration(m_data.mainMenufontColorHover()));
}

void CodeBuilders::constructFontColorActiveCommand() {
    store(Fragment::mainMenuFontColorActive, colorDeclaration(m_data.mainMenufontColorActive()));
}

void CodeBuilders::constructSubMenuFontColorCommand() {
    store(Fragment::subMenuFontColor, colorDeclaration(m_data.subMenufontColor()));
}

void CodeBuilders::constructSubMenuFontColorHoverCommand() {
    store(Fragment::subMenuFontColorHover, colorDeclaration(m_data.subMenufontColorHover()));
}

void CodeBuilders::constructSubMenuFontColorActiveCommand() {
    store(Fragment::subMenuFontColorActive, colorDeclaration(m_data.subMenufontColorActive()));
}

void CodeBuilders::constructFontSizeCommand() {
    store(Fragment::mainMenuFontSize, fontSizeDeclaration(m_data.mainMenufontSize()));
}

// Gradient backgrounds ---------------------------------------------------------------------

void CodeBuilders::buildGradient(Fragment fragment, GradientGroupId group) {
    store(fragment, gradientDeclaration(readGradientValues(m_data, gradientGroup(group)),
                                        templates().vendorForms));
}

void CodeBuilders::constructBackgroundCommand() {
    buildGradient(Fragment::backgroundColor, GradientGroupId::MainNormal);
}

void CodeBuilders::constructSubMenuBackgroundCommand() {
    buildGradient(Fragment::subMenuBackgroundColor, GradientGroupId::SubNormal);
}

void CodeBuilders::constructBackgroundHoverCommand() {
    buildGradient(Fragment::backgroundColorHover, GradientGroupId::MainHover);
}

void CodeBuilders::constructSubMenuBackgroundHoverCommand() {
    buildGradient(Fragment::subMenuBackgroundColorHover, GradientGroupId::SubHover);
}

void CodeBuilders::constructBackgroundActiveCommand() {
    buildGradient(Fragment::backgroundColorActive, GradientGroupId::MainActive);
}

void CodeBuilders::constructSubMenuBackgroundActiveCommand() {
    buildGradient(Fragment::subMenuBackgroundColorActive, GradientGroupId::SubActive);
}

// Shadows ----------------------------------------------------------------------------------

void CodeBuilders::constructDropAndInnerShadowCommand() {
    const QString pair = shadowEntry(readShadowValues(m_data, shadowSettings(ShadowId::Drop)),
                                     false, ShadowEntryEnd::Comma) +
                         shadowEntry(readShadowValues(m_data, shadowSettings(ShadowId::Inner)),
                                     true, ShadowEntryEnd::Semicolon);
    const QString standard = QLatin1String("\tbox-shadow:\n") + pair;
    store(Fragment::dropAndInnerShadow,
          templates().vendorForms ? QLatin1String("\t-moz-box-shadow:\n") + pair +
                                        QLatin1String("\t-webkit-box-shadow:\n") + pair + standard
                                  : standard);
}

void CodeBuilders::constructMainMenuTextShadowCommand() {
    store(Fragment::mainMenuTextShadow,
          QLatin1String("\ttext-shadow:\n") +
              shadowEntry(readShadowValues(m_data, shadowSettings(ShadowId::Text1)), false,
                          ShadowEntryEnd::Comma) +
              shadowEntry(readShadowValues(m_data, shadowSettings(ShadowId::Text2)), false,
                          ShadowEntryEnd::Semicolon));
}

// Menu markup and icon rules ---------------------------------------------------------------

void CodeBuilders::constructMenuStructureCommand() {
    qCInfo(lcBrindle) << "constructMenuStructureCommand";
    const Node& root = *m_data.getMenuRootNode();
    QString markup(QLatin1String(""));
    markup.reserve(root.childCount() * 96);
    for (int i = 0; i < root.childCount(); ++i) {
        const Node& item = *root.childAt(i);
        if (item.childCount() == 0)
            markup +=
                menuItemLine(item, classNames(), templates().svgIcons, templates().logicalSides);
        else
            markup += subMenuBlock(item, templates().disclosureButtons, classNames(),
                                   templates().svgIcons, templates().logicalSides,
                                   templates().menuLevels);
    }
    store(Fragment::menuStructure, std::move(markup));
}

void CodeBuilders::constructSubMenuStructureCommand(int topLevelIndex) {
    const Node& root = *m_data.getMenuRootNode();
    if (topLevelIndex < 0 || topLevelIndex >= root.childCount())
        return;
    m_registry.appendText(Fragment::menuStructure,
                          subMenuBlock(*root.childAt(topLevelIndex), templates().disclosureButtons,
                                       classNames(), templates().svgIcons, templates().logicalSides,
                                       templates().menuLevels));
}

void CodeBuilders::getLineHeight() {
    const LineHeights heights =
        computeLineHeights(*m_data.getMenuRootNode(), templates().menuLevels);
    m_currentMainMenuLineHeight = heights.mainMenu;
    m_currentSubMenuLineHeight = heights.subMenu;
}

void CodeBuilders::constructSubMenuTopCommand() {
    if (m_currentMainMenuLineHeight == -1)
        getLineHeight();
    store(Fragment::subMenuTop, QLatin1String("\ttop: ") +
                                    pixels(m_currentMainMenuLineHeight + 20) +
                                    QLatin1String(";\n"));
}

void CodeBuilders::constructSubMenuItemHeightCommand() {
    if (m_currentSubMenuLineHeight == -1)
        getLineHeight();
    store(Fragment::subMenuItemHeight,
          QLatin1String("\theight: ") + pixels(m_currentSubMenuLineHeight) + QLatin1String(";\n"));
}

void CodeBuilders::constructMenuIconCommand() {
    getLineHeight();
    store(Fragment::menuIcon,
          baseIconRules({m_currentMainMenuLineHeight, m_currentSubMenuLineHeight}, classNames(),
                        templates().logicalSides));
    // A drop-down's sub-items come before the item that owns them.
    const Node& root = *m_data.getMenuRootNode();
    const bool thirdLevel = showsThirdLevel(root, templates().menuLevels);
    for (int i = 0; i < root.childCount(); ++i) {
        const Node& item = *root.childAt(i);
        for (int j = 0; j < item.childCount(); ++j) {
            const Node& subItem = *item.childAt(j);
            if (thirdLevel) {
                for (int k = 0; k < subItem.childCount(); ++k)
                    appendItemIconRules(*subItem.childAt(k), false);
            }
            appendItemIconRules(subItem, false, thirdLevel);
        }
        appendItemIconRules(item, true);
    }
    if (thirdLevel)
        m_registry.appendText(Fragment::menuIcon,
                              thirdLevelRules({m_currentSubMenuLineHeight,
                                               colorDeclaration(m_data.subMenufontColor()),
                                               colorDeclaration(m_data.subMenufontColorHover()),
                                               colorDeclaration(m_data.subMenufontColorActive())},
                                              phoneMediaQuery(options()), classNames()));
    if (templates().phoneIconColumns)
        m_registry.appendText(Fragment::menuIcon,
                              phoneIconColumns(root, phoneMediaQuery(options()), classNames()));
}

void CodeBuilders::appendItemIconRules(const Node& item, bool isMainMenu, bool opensList) {
    IconRule rule;
    rule.iconID = item.iconID();
    rule.paddingRight = item.paddingRight();
    rule.isMainMenu = isMainMenu;
    // A sub-item's items count only where the page shows them.
    rule.childCount = isMainMenu || opensList ? item.childCount() : 0;
    if (templates().svgIcons && item.hasSvgIcon() && item.imageWidth() > 0) {
        // Sharp at every scale: one rule, no double-resolution picture.
        rule.fileName = item.svgIcon().fileName;
        rule.iconWidth = item.imageWidth();
        rule.iconHeight = item.imageHeight();
        rule.isInline = isInlineIcon(item, true);
        constructMenuIconCommand(rule);
        return;
    }
    if (!item.imageFileName().isEmpty()) {
        rule.fileName = item.imageFileName();
        rule.iconWidth = item.imageWidth();
        rule.iconHeight = item.imageHeight();
        rule.isRetina = false;
        constructMenuIconCommand(rule);
    }
    if (!item.retinaImageFileName().isEmpty()) {
        if (isMainMenu)
            qCInfo(lcBrindle).noquote() << "Retina file name:" << item.retinaImageFileName();
        rule.fileName = item.retinaImageFileName();
        rule.iconWidth = item.retinaImageWidth();
        rule.iconHeight = item.retinaImageHeight();
        rule.isRetina = true;
        constructMenuIconCommand(rule);
    }
    if (!item.hasIcon() && rule.childCount >= 1)
        constructMainMenuWithChildIconCommand(item.iconID(), isMainMenu);
}

void CodeBuilders::constructMenuIconCommand(const IconRule& rule) {
    m_registry.appendText(Fragment::menuIcon, iconRule(rule, templates(), classNames()));
}

void CodeBuilders::constructMainMenuWithChildIconCommand(const QString& iconID, bool isMainMenu) {
    m_registry.appendText(Fragment::menuIcon,
                          arrowRule(iconID, templates(), classNames(), isMainMenu));
}

} // namespace brindle
