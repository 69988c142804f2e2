#pragma once

#include <QWidget>

class QActionGroup;
class QFrame;

namespace brindle {

class PreviewView;

// The preview with the width it is laid out at: the full area (Desktop), or a tablet's or a
// phone's width, centred in a visible frame; an area narrower than the device shows the page
// at that width, scaled down. The choice is kept between runs.
class PreviewArea : public QWidget {
    Q_OBJECT

public:
    enum class Device { Desktop, Tablet, Phone };
    static constexpr int kTabletWidth = 768;
    static constexpr int kPhoneWidth = 375;

    explicit PreviewArea(QWidget* parent = nullptr);

    PreviewView* view() const { return m_view; }
    // Desktop, Tablet, Phone: checkable, exclusive; for the View menu and the bar above.
    QActionGroup* deviceActions() const { return m_deviceActions; }
    Device device() const { return m_device; }
    void setDevice(Device device);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitPageToFrame();

    PreviewView* m_view;
    QFrame* m_frame;
    QActionGroup* m_deviceActions;
    Device m_device = Device::Desktop;
    int m_deviceWidth = 0; // 0: the whole area
};

} // namespace brindle
