#pragma once

#include <QString>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <vector>

namespace brindle {

struct Notification {
    QString name;
    const void* sender = nullptr;
    QVariantMap userInfo;
};

// The user-info key under which a notification may name the user's action for the undo
// history ("Delete Item").
inline constexpr const char* kUndoTextKey = "UndoText";

// Process-wide, synchronous notification centre. A registration is for one name and
// one sender (nullptr: any sender); a handler has finished when post() returns.
class NotificationCenter {
public:
    using Handler = std::function<void(const Notification&)>;

    static NotificationCenter& defaultCenter();

    void addObserver(const void* observer, const QString& name, const void* sender,
                     Handler handler);
    void post(const QString& name, const void* sender, const QVariantMap& userInfo = {});
    // Removes every registration of the observer, also while a post is delivering.
    void removeObserver(const void* observer);
    int observerCount() const;

    // Called after every outermost post has been delivered (not for posts made by handlers
    // while delivering), with the notifications posted during it, outermost first. The
    // undo history listens here to see one user action as one change.
    using PostListener = std::function<void(const std::vector<Notification>&)>;
    void setPostListener(PostListener listener) { m_postListener = std::move(listener); }

private:
    struct Registration {
        const void* observer;
        QString name;
        const void* sender;
        Handler handler;
        bool removed = false;
    };
    std::vector<std::shared_ptr<Registration>> m_registrations;
    PostListener m_postListener;
    std::vector<Notification> m_delivered; // the notifications of the post being delivered
    int m_depth = 0;
};

} // namespace brindle
