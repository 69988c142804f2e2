#pragma once

#include "model/Color.h"
#include "model/Node.h"
#include "model/OutputOptions.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <variant>

namespace brindle {

enum class SettingKind { Integer, Double, Boolean, Colour, Text };

// Every style setting, in the order of the settings table (project-file order).
enum class Setting {
#define BRINDLE_SETTING(name, Name, Kind, def) name,
#include "model/Settings.def"
#undef BRINDLE_SETTING
};

inline constexpr int kSettingCount = 120;
// Settings saved in project files: all but the last (`showSeparator`).
inline constexpr int kPersistedSettingCount = 119;

using SettingValue = std::variant<qint64, double, bool, Color, QString>;

struct SettingInfo {
    const char* name;
    SettingKind kind;
};

const SettingInfo& settingInfo(Setting setting);
// The setting with that exact (case-sensitive) name, or -1.
int settingIndexOfName(QStringView name);

// The single store of everything the user designs. Setters store and do nothing else:
// whoever changes a setting posts the matching notification.
class GlobalData {
public:
    // A store with its defaults and the default menu. The application uses sharedData();
    // tests may build their own.
    GlobalData();
    GlobalData(const GlobalData&) = delete;
    GlobalData& operator=(const GlobalData&) = delete;

    static GlobalData& sharedData();

    // Adds the default menu and sets every style setting to its default.
    void resetData();

    // Table access, for project files and generic panels.
    const SettingValue& value(Setting setting) const {
        return m_values[static_cast<size_t>(setting)];
    }
    void setValue(Setting setting, const SettingValue& value);
    static SettingValue defaultValue(Setting setting);

    qint64 integerValue(Setting s) const { return std::get<qint64>(value(s)); }
    double doubleValue(Setting s) const { return std::get<double>(value(s)); }
    bool booleanValue(Setting s) const { return std::get<bool>(value(s)); }
    const Color& colorValue(Setting s) const { return std::get<Color>(value(s)); }
    const QString& textValue(Setting s) const { return std::get<QString>(value(s)); }

#define BRINDLE_KIND_Integer qint64
#define BRINDLE_KIND_Double double
#define BRINDLE_KIND_Boolean bool
#define BRINDLE_KIND_Colour Color
#define BRINDLE_KIND_Text QString
#define BRINDLE_SETTING(name, Name, Kind, def)                                                     \
    const BRINDLE_KIND_##Kind& name() const {                                                      \
        return std::get<BRINDLE_KIND_##Kind>(m_values[static_cast<size_t>(Setting::name)]);        \
    }                                                                                              \
    void set##Name(const BRINDLE_KIND_##Kind& v) {                                                 \
        m_values[static_cast<size_t>(Setting::name)] = v;                                          \
    }
#include "model/Settings.def"
#undef BRINDLE_SETTING

    // The font stacks offered to the user, in their fixed order.
    const QStringList& fontFamilyArray() const {
        return m_fontFamilyArray;
    }
    static const QStringList& defaultFontStacks();

    const QString& tempFolderPath() const {
        return m_tempFolderPath;
    }
    void setTempFolderPath(const QString& path) {
        m_tempFolderPath = path;
    }
    // The name of the design's project file without its extension; empty while untitled. A
    // Modern page takes it as its title. Not a setting: never saved, undone or reset.
    const QString& documentName() const {
        return m_documentName;
    }
    void setDocumentName(const QString& name) {
        m_documentName = name;
    }
    const QList<QByteArray>& recentProjectList() const {
        return m_recentProjectList;
    }
    QList<QByteArray>& recentProjectList() {
        return m_recentProjectList;
    }
    void setRecentProjectList(const QList<QByteArray>& list) {
        m_recentProjectList = list;
    }

    // Kept beside the settings table: the 120 settings and their file positions stay as
    // they are, and a Classic design saves exactly what it always did.
    const OutputOptions& outputOptions() const {
        return m_outputOptions;
    }
    void setOutputOptions(const OutputOptions& options) {
        m_outputOptions = options;
    }

    // The invisible menu root and its child operations. None of them sets the node's parent.
    Node* getMenuRootNode() const {
        return m_menuRootNode.get();
    }
    Node* addMenuRootNodeChild(std::unique_ptr<Node> node);
    Node* insertMenuRootNodeChild(std::unique_ptr<Node> node, qint64 index);
    // A negative index appends and makes the parent a group; otherwise inserts, group unchanged.
    Node* insertMenuRootNodeChild(std::unique_ptr<Node> node, Node* parent, qint64 index);
    std::unique_ptr<Node> removeMenuRootNodeChild(const Node* node);
    // Every item gives way to the items of `menu` (an invisible root); their parent is set.
    void replaceMenu(std::unique_ptr<Node> menu);

private:
    std::unique_ptr<Node> m_menuRootNode;
    QList<QByteArray> m_recentProjectList;
    QString m_documentName;
    QStringList m_fontFamilyArray;
    OutputOptions m_outputOptions;
    QString m_tempFolderPath; // null until the preview folder exists
    std::array<SettingValue, kSettingCount> m_values;
};

} // namespace brindle
