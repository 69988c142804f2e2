#include "platform/NotificationCenter.h"

#include <QScopeGuard>

#include <algorithm>
#include <utility>

namespace brindle {

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(const void* observer, const QString& name, const void* sender,
                                     Handler handler) {
    m_registrations.push_back(
        std::make_shared<Registration>(Registration{observer, name, sender, std::move(handler)}));
}

void NotificationCenter::post(const QString& name, const void* sender,
                              const QVariantMap& userInfo) {
    const Notification notification{name, sender, userInfo};
    // The matching registrations first, so handlers may add or remove observers while we
    // deliver; one removed meanwhile is skipped.
    std::vector<std::shared_ptr<Registration>> matching;
    for (const auto& registration : m_registrations) {
        if (registration->name == name &&
            (registration->sender == nullptr || registration->sender == sender))
            matching.push_back(registration);
    }
    if (m_postListener)
        m_delivered.push_back(notification);
    {
        // The depth comes back down however delivery ends, an exception included; otherwise
        // the listener would never hear of a post again.
        ++m_depth;
        const auto delivered = qScopeGuard([this] { --m_depth; });
        for (const auto& registration : matching) {
            if (!registration->removed)
                registration->handler(notification);
        }
    }
    if (m_depth == 0 && m_postListener) {
        const std::vector<Notification> delivered = std::exchange(m_delivered, {});
        m_postListener(delivered);
    }
}

void NotificationCenter::removeObserver(const void* observer) {
    for (const auto& registration : m_registrations) {
        if (registration->observer == observer)
            registration->removed = true;
    }
    std::erase_if(m_registrations,
                  [](const std::shared_ptr<Registration>& r) { return r->removed; });
}

int NotificationCenter::observerCount() const {
    return static_cast<int>(m_registrations.size());
}

} // namespace brindle
