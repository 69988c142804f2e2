#include "model/GlobalData.h"

#include <mutex>

namespace brindle {

namespace {

#define RGB(r, g, b) Color::fromBytes(r, g, b)
#define FIRST_FONT_STACK GlobalData::defaultFontStacks().first()

constexpr std::array<SettingInfo, kSettingCount> kSettingTable = {{
#define BRINDLE_SETTING(name, Name, Kind, def) {#name, SettingKind::Kind},
#include "model/Settings.def"
#undef BRINDLE_SETTING
}};

template <typename T> SettingValue settingValue(T value) {
    if constexpr (std::is_same_v<T, int>)
        return SettingValue(static_cast<qint64>(value));
    else
        return SettingValue(value);
}

} // namespace

const SettingInfo& settingInfo(Setting setting) {
    return kSettingTable[static_cast<size_t>(setting)];
}

int settingIndexOfName(QStringView name) {
    for (int i = 0; i < kSettingCount; ++i) {
        if (name == QLatin1String(kSettingTable[static_cast<size_t>(i)].name))
            return i;
    }
    return -1;
}

SettingValue GlobalData::defaultValue(Setting setting) {
    switch (setting) {
#define BRINDLE_SETTING(name, Name, Kind, def)                                                     \
    case Setting::name:                                                                            \
        return settingValue(def);
#include "model/Settings.def"
#undef BRINDLE_SETTING
    }
    return {};
}

const QStringList& GlobalData::defaultFontStacks() {
    static const QStringList stacks = {
        QStringLiteral("Arial, Helvetica, sans-serif"),
        QStringLiteral("\"Arial Black\", Gadget, sans-serif"),
        QStringLiteral("\"Comic Sans MS\", cursive, sans-serif"),
        QStringLiteral("Impact, Charcoal, sans-serif"),
        QStringLiteral("\"Lucida Sans Unicode\", \"Lucida Grande\", sans-serif"),
        QStringLiteral("Tahoma, Geneva, sans-serif"),
        QStringLiteral("\"Trebuchet MS\", Helvetica, sans-serif"),
        QStringLiteral("Verdana, Geneva, sans-serif"),
        QStringLiteral("Georgia, serif"),
        QStringLiteral("\"Palatino Linotype\", \"Book Antiqua\", Palatino, serif"),
        QStringLiteral("\"Times New Roman\", Times, serif"),
        QStringLiteral("\"Courier New\", Courier, monospace"),
        QStringLiteral("\"Lucida Console\", Monaco, monospace"),
    };
    return stacks;
}

GlobalData::GlobalData()
    : m_menuRootNode(std::make_unique<Node>()), m_fontFamilyArray(defaultFontStacks()) {
    resetData();
}

GlobalData& GlobalData::sharedData() {
    // The one instance, created under a lock on first use and never destroyed.
    static std::mutex creationLock;
    static GlobalData* instance = nullptr;
    std::lock_guard<std::mutex> guard(creationLock);
    if (instance == nullptr)
        instance = new GlobalData();
    return *instance;
}

void GlobalData::resetData() {
    Node* root = m_menuRootNode.get();
    auto home = Node::make(QStringLiteral("Home"), QStringLiteral("icon0"), root);
    auto products = Node::make(QStringLiteral("Products"), QStringLiteral("icon1"), root);
    products->setIsGroup(true);
    products->appendChild(
        Node::make(QStringLiteral("Tessaly"), QStringLiteral("icon2"), products.get()));
    products->appendChild(
        Node::make(QStringLiteral("Brindle"), QStringLiteral("icon3"), products.get()));
    auto forums = Node::make(QStringLiteral("Forums"), QStringLiteral("icon4"), root);
    addMenuRootNodeChild(std::move(home));
    addMenuRootNodeChild(std::move(products));
    addMenuRootNodeChild(std::move(forums));

    for (int i = 0; i < kSettingCount; ++i)
        m_values[static_cast<size_t>(i)] = defaultValue(static_cast<Setting>(i));
    m_outputOptions = OutputOptions();
}

void GlobalData::setValue(Setting setting, const SettingValue& value) {
    m_values[static_cast<size_t>(setting)] = value;
}

void GlobalData::replaceMenu(std::unique_ptr<Node> menu) {
    m_menuRootNode->clearChildren();
    while (menu->childCount() > 0)
        m_menuRootNode->appendChild(menu->takeChild(0))->setParent(m_menuRootNode.get());
}

Node* GlobalData::addMenuRootNodeChild(std::unique_ptr<Node> node) {
    return m_menuRootNode->appendChild(std::move(node));
}

Node* GlobalData::insertMenuRootNodeChild(std::unique_ptr<Node> node, qint64 index) {
    return m_menuRootNode->insertChild(static_cast<int>(index), std::move(node));
}

Node* GlobalData::insertMenuRootNodeChild(std::unique_ptr<Node> node, Node* parent, qint64 index) {
    if (index < 0) {
        parent->setIsGroup(true);
        return parent->appendChild(std::move(node));
    }
    return parent->insertChild(static_cast<int>(index), std::move(node));
}

std::unique_ptr<Node> GlobalData::removeMenuRootNodeChild(const Node* node) {
    return m_menuRootNode->takeChild(node);
}

} // namespace brindle
