#pragma once

#include "history/DesignSnapshot.h"
#include "platform/NotificationCenter.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QUndoStack>

#include <functional>
#include <optional>
#include <vector>

namespace brindle {

// The undo history of the design. It watches the notification centre: whatever one user
// action changed in the store — one field commit, one Quick-mode choice that writes many
// settings, one menu edit — becomes one undo step, found by comparing the store with the
// state after the previous step. Undo and redo write the values back through the store's
// setters and post again the notifications the action posted, so the routing table stays
// the only road to the generated texts.
//
// A notification may name its step with the user-info key "UndoText" (e.g. "Delete Item");
// otherwise the step is named after the setting it changed.
class DesignHistory : public QObject {
    Q_OBJECT

public:
    // Tells which notifications regenerate text; only those are posted again by undo.
    using RoutedNotification = std::function<bool(const QString& name)>;

    DesignHistory(GlobalData& data, NotificationCenter& center, RoutedNotification isRouted,
                  QObject* parent = nullptr);
    ~DesignHistory() override;

    QUndoStack& stack() { return m_stack; }

    // Forgets every step and starts from the store as it is now (after New or Open).
    void reset();
    // Turns what changed since the last step into a step now rather than when control
    // returns to the event loop.
    void commitPending();
    // Undo and redo of the newest state: an action still waiting for the event loop
    // becomes a step first.
    void undo();
    void redo();
    // True while undo or redo writes into the store.
    bool isRestoring() const { return m_restoring; }
    // The folder the page's icon files are in; undo and redo of menu edits rewrite there the
    // icons whose picture they bring back.
    void setIconFolder(const QString& folder) { m_iconFolder = folder; }

    // Successive changes of the same settings from the same colour well within this time
    // are one step: a drag in the colour window.
    static constexpr int kMergeWindowMs = 1000;

signals:
    // Undo or redo changed the store (and the menu tree when menuChanged).
    void designRestored(bool menuChanged);
    // Some icon files could not be brought back; one line per file.
    void iconFilesNotRestored(const QString& failures);

private:
    friend class DesignChange;
    void postDelivered(const std::vector<Notification>& delivered);
    void restore(const std::vector<std::pair<Setting, SettingValue>>& values, const Node* menu,
                 const std::optional<OutputOptions>& options,
                 const std::vector<Notification>& notifications);
    void writeBack(const std::vector<std::pair<Setting, SettingValue>>& values, const Node* menu,
                   const std::optional<OutputOptions>& options,
                   const std::vector<Notification>& notifications, QStringList& iconFailures);

    GlobalData& m_data;
    NotificationCenter& m_center;
    RoutedNotification m_isRouted;
    QUndoStack m_stack;
    DesignSnapshot m_baseline;
    std::vector<Notification> m_pending;
    QString m_pendingText;
    bool m_commitScheduled = false;
    bool m_pendingFromColorWell = false;
    bool m_restoring = false;
    QElapsedTimer m_sinceLastStep;
    QString m_iconFolder;
};

} // namespace brindle
