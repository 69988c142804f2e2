#include "platform/NotificationCenter.h"

#include <algorithm>

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
    // A snapshot, so handlers may add or remove observers while we deliver.
    const auto snapshot = m_registrations;
    for (const auto& registration : snapshot) {
        if (registration->removed || registration->name != name)
            continue;
        if (registration->sender != nullptr && registration->sender != sender)
            continue;
        registration->handler(notification);
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
