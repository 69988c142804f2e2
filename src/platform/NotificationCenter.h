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

private:
    struct Registration {
        const void* observer;
        QString name;
        const void* sender;
        Handler handler;
        bool removed = false;
    };
    std::vector<std::shared_ptr<Registration>> m_registrations;
};

} // namespace brindle
