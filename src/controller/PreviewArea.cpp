#include "controller/PreviewArea.h"

#include "controller/PreviewView.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QSettings>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace brindle {

namespace {

const QString kDeviceKey = QStringLiteral("preview/device");

struct DeviceRow {
    PreviewArea::Device device;
    const char* title;
    const char* key; // as kept in the settings
    int width;       // 0: the whole area
};

const DeviceRow kDevices[] = {
    {PreviewArea::Device::Desktop, QT_TRANSLATE_NOOP("brindle::PreviewArea", "&Desktop Width"),
     "desktop", 0},
    {PreviewArea::Device::Tablet,
     QT_TRANSLATE_NOOP("brindle::PreviewArea", "&Tablet Width (768 px)"), "tablet",
     PreviewArea::kTabletWidth},
    {PreviewArea::Device::Phone, QT_TRANSLATE_NOOP("brindle::PreviewArea", "&Phone Width (375 px)"),
     "phone", PreviewArea::kPhoneWidth},
};

} // namespace

PreviewArea::PreviewArea(QWidget* parent)
    : QWidget(parent), m_view(new PreviewView), m_frame(new QFrame),
      m_deviceActions(new QActionGroup(this)) {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("previewDeviceBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->setAccessibleName(tr("Preview width"));
    for (const DeviceRow& row : kDevices) {
        auto* action = new QAction(tr(row.title), m_deviceActions);
        action->setObjectName(QLatin1String("preview-") + QLatin1String(row.key));
        action->setCheckable(true);
        action->setData(static_cast<int>(row.device));
        bar->addAction(action);
    }
    connect(m_deviceActions, &QActionGroup::triggered, this,
            [this](QAction* action) { setDevice(static_cast<Device>(action->data().toInt())); });

    m_frame->setMinimumWidth(0);
    m_frame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_view->installEventFilter(this);
    auto* frameLayout = new QVBoxLayout(m_frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(m_view);
    auto* centred = new QHBoxLayout;
    centred->setContentsMargins(0, 0, 0, 0);
    centred->addStretch();
    centred->addWidget(m_frame, 1);
    centred->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addLayout(centred, 1);

    const QString kept = QSettings().value(kDeviceKey).toString();
    Device device = Device::Desktop;
    for (const DeviceRow& row : kDevices) {
        if (kept == QLatin1String(row.key))
            device = row.device;
    }
    m_device = device == Device::Desktop ? Device::Tablet : Device::Desktop; // force an update
    setDevice(device);
}

void PreviewArea::setDevice(Device device) {
    if (device == m_device)
        return;
    m_device = device;
    for (const DeviceRow& row : kDevices) {
        if (row.device != device)
            continue;
        m_deviceWidth = row.width;
        if (row.width == 0) {
            m_frame->setFrameShape(QFrame::NoFrame);
            m_frame->setMaximumWidth(QWIDGETSIZE_MAX);
        } else {
            // The page is laid out at the device's width inside a visible frame; where the
            // area is narrower, the frame takes what there is and the page is shown smaller.
            // The window never grows for it.
            m_frame->setFrameShape(QFrame::Box);
            m_frame->setLineWidth(1);
            m_frame->setMaximumWidth(row.width + 2 * m_frame->frameWidth());
        }
        fitPageToFrame();
        m_view->forgetVisitorState();
        QSettings().setValue(kDeviceKey, QLatin1String(row.key));
    }
    for (QAction* action : m_deviceActions->actions())
        action->setChecked(static_cast<Device>(action->data().toInt()) == device);
}

bool PreviewArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view && event->type() == QEvent::Resize)
        fitPageToFrame();
    return QWidget::eventFilter(watched, event);
}

// A zoomed-out page keeps its layout width: the engine lays the page out at the view's width
// divided by the zoom factor.
void PreviewArea::fitPageToFrame() {
    constexpr double kSmallestZoom = 0.25; // the engine's own lower bound
    const int shown = m_view->width();
    const double zoom = m_deviceWidth == 0 || shown >= m_deviceWidth
                            ? 1.0
                            : std::max(kSmallestZoom, double(shown) / m_deviceWidth);
    if (!qFuzzyCompare(m_view->zoomFactor(), zoom))
        m_view->setZoomFactor(zoom);
}

} // namespace brindle
