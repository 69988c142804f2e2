#pragma once

#include "model/GlobalData.h"
#include "panels/StylePanel.h"
#include "panels/StylePanels.h"
#include "platform/NotificationCenter.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

class QLineEdit;

namespace brindle {

class Stepper;
class StylePanel;

// Records every settings notification (and the lock's) posted on a centre, with its sender.
class PostRecorder {
public:
    explicit PostRecorder(NotificationCenter& center);
    ~PostRecorder();

    QStringList names() const;
    QList<const void*> senders() const;
    QList<QVariantMap> userInfos() const;
    void clear();

private:
    NotificationCenter& m_center;
    std::vector<Notification> m_posts;
};

// Records "ColorChanged" from one well.
int countColorChanged(NotificationCenter& center, const void* well,
                      const std::function<void()>& action);

// A store, a centre and every panel on them, set up and shown.
struct PanelFixture {
    PanelFixture();
    ~PanelFixture();

    StylePanel* panel(const QString& outletName) const;
    template <typename T> T* control(const QString& outletName, const QString& controlName) const {
        return panel(outletName)->findChild<T*>(controlName);
    }

    GlobalData data;
    NotificationCenter center;
    std::unique_ptr<QWidget> host;
    StylePanels panels;
};

// Replaces the field's text by typing, then presses Return.
void typeInto(QLineEdit* field, const QString& text);
void clickStepper(Stepper* stepper, bool up);
// The names of the settings whose values differ.
QStringList changedSettings(const std::vector<SettingValue>& before, const GlobalData& after);
std::vector<SettingValue> snapshot(const GlobalData& data);

} // namespace brindle
