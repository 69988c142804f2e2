#include "history/DesignHistory.h"

#include "workspace/IconFiles.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QTimer>
#include <QUndoCommand>

namespace brindle {

namespace {

// "mainMenufontColorHover" → "Main Menu Font Color Hover"
QString readableSettingName(const char* name) {
    QString words;
    const QString text = QString::fromLatin1(name);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (i == 0) {
            words += c.toUpper();
        } else if (c.isUpper() ||
                   (c == u'f' && text.mid(i, 4) == u"font" && text.left(i).endsWith(u"Menu"))) {
            words += u' ';
            words += c.toUpper();
        } else {
            words += c;
        }
    }
    return words;
}

bool sameSenders(const std::vector<Notification>& a, const std::vector<Notification>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].sender != b[i].sender)
            return false;
    }
    return true;
}

} // namespace

// One user action: the settings and the menu before and after it, and the notifications
// that carried it to the generated texts.
class DesignChange : public QUndoCommand {
public:
    struct SettingChange {
        Setting setting;
        SettingValue before;
        SettingValue after;
    };

    DesignChange(DesignHistory& history, std::vector<SettingChange> settings,
                 std::shared_ptr<const Node> menuBefore, std::shared_ptr<const Node> menuAfter,
                 std::vector<Notification> notifications, const QString& text)
        : QUndoCommand(text), m_history(history), m_settings(std::move(settings)),
          m_menuBefore(std::move(menuBefore)), m_menuAfter(std::move(menuAfter)),
          m_notifications(std::move(notifications)) {}

    // The output options before and after, when the action changed them.
    void setOptions(const OutputOptions& before, const OutputOptions& after) {
        m_optionsBefore = before;
        m_optionsAfter = after;
    }

    int id() const override { return 1; }

    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const DesignChange*>(other);
        if (m_menuAfter || next->m_menuAfter || m_optionsAfter || next->m_optionsAfter ||
            !next->m_mergeable || next->m_settings.size() != m_settings.size() ||
            !sameSenders(m_notifications, next->m_notifications))
            return false;
        for (size_t i = 0; i < m_settings.size(); ++i) {
            if (m_settings[i].setting != next->m_settings[i].setting)
                return false;
        }
        for (size_t i = 0; i < m_settings.size(); ++i)
            m_settings[i].after = next->m_settings[i].after;
        setObsolete(std::all_of(m_settings.begin(), m_settings.end(),
                                [](const SettingChange& c) { return c.before == c.after; }));
        return true;
    }

    void setMergeable(bool mergeable) { m_mergeable = mergeable; }

    void undo() override { apply(&SettingChange::before, m_menuBefore, m_optionsBefore); }

    void redo() override {
        // The first redo is the action itself, which already happened.
        if (std::exchange(m_firstRedo, false))
            return;
        apply(&SettingChange::after, m_menuAfter, m_optionsAfter);
    }

private:
    void apply(SettingValue SettingChange::*side, const std::shared_ptr<const Node>& menu,
               const std::optional<OutputOptions>& options) {
        std::vector<std::pair<Setting, SettingValue>> values;
        values.reserve(m_settings.size());
        for (const SettingChange& change : m_settings)
            values.emplace_back(change.setting, change.*side);
        m_history.restore(values, menu.get(), options, m_notifications);
    }

    DesignHistory& m_history;
    std::vector<SettingChange> m_settings;
    std::shared_ptr<const Node> m_menuBefore; // null: the menu did not change
    std::shared_ptr<const Node> m_menuAfter;
    std::vector<Notification> m_notifications;
    std::optional<OutputOptions> m_optionsBefore; // absent: the options did not change
    std::optional<OutputOptions> m_optionsAfter;
    bool m_firstRedo = true;
    bool m_mergeable = false;
};

DesignHistory::DesignHistory(GlobalData& data, NotificationCenter& center,
                             RoutedNotification isRouted, QObject* parent)
    : QObject(parent), m_data(data), m_center(center), m_isRouted(std::move(isRouted)),
      m_baseline(DesignSnapshot::capture(data)) {
    m_center.setPostListener(
        [this](const std::vector<Notification>& delivered) { postDelivered(delivered); });
}

DesignHistory::~DesignHistory() {
    m_center.setPostListener({});
}

void DesignHistory::undo() {
    commitPending();
    m_stack.undo();
}

void DesignHistory::redo() {
    commitPending();
    m_stack.redo();
}

void DesignHistory::reset() {
    m_pending.clear();
    m_pendingText.clear();
    m_stack.clear();
    m_baseline = DesignSnapshot::capture(m_data);
}

void DesignHistory::postDelivered(const std::vector<Notification>& delivered) {
    if (m_restoring)
        return;
    if (!delivered.empty() && m_pending.empty() && m_pendingText.isEmpty())
        m_pendingFromColorWell = delivered.front().name == QLatin1String("ColorChanged");
    for (const Notification& notification : delivered) {
        if (m_pendingText.isEmpty())
            m_pendingText = notification.userInfo.value(QLatin1String(kUndoTextKey)).toString();
        if (!m_isRouted(notification.name))
            continue;
        const bool known = std::any_of(m_pending.begin(), m_pending.end(), [&](const auto& n) {
            return n.name == notification.name && n.sender == notification.sender;
        });
        if (!known)
            m_pending.push_back(Notification{notification.name, notification.sender, {}});
    }
    if (!m_commitScheduled) {
        m_commitScheduled = true;
        QTimer::singleShot(0, this, [this] {
            if (m_commitScheduled)
                commitPending();
        });
    }
}

void DesignHistory::commitPending() {
    m_commitScheduled = false;
    std::vector<DesignChange::SettingChange> settings;
    for (int i = 0; i < kSettingCount; ++i) {
        const auto setting = static_cast<Setting>(i);
        if (m_data.value(setting) != m_baseline.value(setting))
            settings.push_back({setting, m_baseline.value(setting), m_data.value(setting)});
    }
    const bool menuChanged = !sameMenuTree(*m_baseline.menu(), *m_data.getMenuRootNode());
    const bool optionsChanged = m_baseline.outputOptions() != m_data.outputOptions();
    std::vector<Notification> notifications = std::exchange(m_pending, {});
    QString text = std::exchange(m_pendingText, {});
    if (settings.empty() && !menuChanged && !optionsChanged)
        return;

    DesignSnapshot after = DesignSnapshot::capture(m_data);
    if (text.isEmpty()) {
        text = settings.size() == 1 && !menuChanged
                   ? readableSettingName(settingInfo(settings.front().setting).name)
               : menuChanged                        ? tr("Menu Change")
               : optionsChanged && settings.empty() ? tr("Output Options")
                                                    : tr("Style Change");
    }
    auto* change =
        new DesignChange(*this, std::move(settings), menuChanged ? m_baseline.menu() : nullptr,
                         menuChanged ? after.menu() : nullptr, std::move(notifications), text);
    if (optionsChanged)
        change->setOptions(m_baseline.outputOptions(), m_data.outputOptions());
    change->setMergeable(m_pendingFromColorWell && m_sinceLastStep.isValid() &&
                         m_sinceLastStep.elapsed() < kMergeWindowMs);
    m_sinceLastStep.start();
    m_baseline = std::move(after);
    m_stack.push(change);
}

void DesignHistory::restore(const std::vector<std::pair<Setting, SettingValue>>& values,
                            const Node* menu, const std::optional<OutputOptions>& options,
                            const std::vector<Notification>& notifications) {
    QStringList iconFailures;
    {
        // Back to false however the restoring ends, an exception included: a history stuck
        // in restoring would record nothing again.
        m_restoring = true;
        const auto restored = qScopeGuard([this] { m_restoring = false; });
        writeBack(values, menu, options, notifications, iconFailures);
    }
    m_baseline = DesignSnapshot::capture(m_data);
    m_sinceLastStep.invalidate();
    emit designRestored(menu != nullptr);
    if (!iconFailures.isEmpty())
        emit iconFilesNotRestored(iconFailures.join(QLatin1Char('\n')));
}

void DesignHistory::writeBack(const std::vector<std::pair<Setting, SettingValue>>& values,
                              const Node* menu, const std::optional<OutputOptions>& options,
                              const std::vector<Notification>& notifications,
                              QStringList& iconFailures) {
    for (const auto& [setting, value] : values)
        m_data.setValue(setting, value);
    if (options)
        m_data.setOutputOptions(*options);
    if (menu) {
        // Before the notifications: the reloaded page finds its pictures in place.
        if (!m_iconFolder.isEmpty())
            iconFailures = restoreIconFiles(*m_data.getMenuRootNode(), *menu, m_iconFolder);
        restoreMenuTree(m_data, *menu);
    }
    for (const Notification& notification : notifications)
        m_center.post(notification.name, notification.sender, notification.userInfo);
}

} // namespace brindle
