#include "panels/SizeView.h"

#include "panels/PanelRanges.h"
#include "platform/NotificationCenter.h"
#include "widgets/ColorPickerImageView.h"
#include "widgets/LockImageView.h"
#include "widgets/PageOpener.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include <array>

namespace brindle {

struct PaddingSide {
    const char* name;
    const char* label;
    const char* spoken; // the side inside a spoken name
    Setting setting;
    int column;
};

// One row of the padding grid: two sides and the padlock between them that couples them.
struct PaddingAxis {
    Setting lock;
    const char* lockName;   // for screen readers, and the step that closes the padlock
    const char* unlockName; // the step that opens it
    int row;
    std::array<PaddingSide, 2> sides;
};

namespace {

const ShapeSettings kMainMenuShape = {
    Setting::borderRadius,
    QStringLiteral("BorderRadiusDataUpdated"),
    Setting::borderSize,
    QStringLiteral("BorderSizeDataUpdated"),
    Setting::borderColor,
    QStringLiteral("BorderColorDataUpdated"),
    Setting::width,
    QStringLiteral("WidthDataUpdated"),
    ranges::kWidth,
    true,
    QT_TRANSLATE_NOOP("brindle::ShapePanel", "Menu bar"),
};

const ShapeSettings kSubMenuShape = {
    Setting::subMenuBorderRadius,
    QStringLiteral("SubMenuBorderRadiusDataUpdated"),
    Setting::subMenuBorderSize,
    QStringLiteral("SubMenuBorderSizeDataUpdated"),
    Setting::subMenuBorderColor,
    QStringLiteral("SubMenuBorderColorDataUpdated"),
    Setting::subMenuWidth,
    QStringLiteral("SubMenuWidthDataUpdated"),
    ranges::kSubMenuWidth,
    false,
    QT_TRANSLATE_NOOP("brindle::ShapePanel", "Sub-menu"),
};

constexpr PaddingAxis kPaddingAxes[] = {
    {Setting::varSizeHorizontalLock,
     QT_TRANSLATE_NOOP("brindle::SizeView", "Lock left and right padding together"),
     QT_TRANSLATE_NOOP("brindle::SizeView", "Unlock left and right padding"),
     5,
     {{{"paddingLeft", QT_TRANSLATE_NOOP("brindle::SizeView", "Left"),
        QT_TRANSLATE_NOOP("brindle::SizeView", "left padding"), Setting::paddingLeft, 0},
       {"paddingRight", QT_TRANSLATE_NOOP("brindle::SizeView", "Right"),
        QT_TRANSLATE_NOOP("brindle::SizeView", "right padding"), Setting::paddingRight, 3}}}},
    {Setting::varSizeVerticalLock,
     QT_TRANSLATE_NOOP("brindle::SizeView", "Lock top and bottom padding together"),
     QT_TRANSLATE_NOOP("brindle::SizeView", "Unlock top and bottom padding"),
     6,
     {{{"paddingTop", QT_TRANSLATE_NOOP("brindle::SizeView", "Top"),
        QT_TRANSLATE_NOOP("brindle::SizeView", "top padding"), Setting::paddingTop, 0},
       {"paddingBottom", QT_TRANSLATE_NOOP("brindle::SizeView", "Bottom"),
        QT_TRANSLATE_NOOP("brindle::SizeView", "bottom padding"), Setting::paddingBottom, 3}}}},
};

bool startDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

} // namespace

ShapePanel::ShapePanel(const ShapeSettings& settings, GlobalData& data, NotificationCenter& center,
                       QWidget* parent)
    : StylePanel(tr("Shape"), data, center, parent) {
    setSubject(tr(settings.subject));
    m_borderRadius =
        makePair(QStringLiteral("borderRadius"), FieldStepperPair::Kind::Integer, ranges::kRadius);
    m_borderSize = makePair(QStringLiteral("borderSize"), FieldStepperPair::Kind::Integer,
                            ranges::kBorderSize);
    m_borderColorImage = makeWell(QStringLiteral("borderColorImage"));
    m_width =
        makePair(QStringLiteral("width"), FieldStepperPair::Kind::Integer, settings.widthRange);
    // Radius and border size refuse letters; width (and paddings) read what leads the text.
    m_borderRadius->installFormatter();
    m_borderSize->installFormatter();

    describe(m_borderRadius, tr("corner radius"), addLabel(tr("Radius"), 0, 0));
    placePair(m_borderRadius, 0, 1, tr("px"));
    describe(m_borderSize, tr("border size"), addLabel(tr("Border"), 1, 0));
    placePair(m_borderSize, 1, 1, tr("px"));
    describe(m_borderColorImage, tr("border colour"), addLabel(tr("Colour"), 1, 3));
    form()->addWidget(m_borderColorImage, 1, 4);
    describe(m_width, tr("width"), addLabel(tr("Width"), 2, 0));
    placePair(m_width, 2, 1, settings.widthInPercent ? tr("%") : tr("px"));

    bindPair(m_borderRadius, settings.borderRadius, settings.borderRadiusNotification);
    bindPair(m_borderSize, settings.borderSize, settings.borderSizeNotification);
    bindWell(m_borderColorImage, settings.borderColor, settings.borderColorNotification);
    bindPair(m_width, settings.width, settings.widthNotification);
    form()->setColumnStretch(5, 1);
}

SizeView::SizeView(QWidget* parent)
    : SizeView(GlobalData::sharedData(), NotificationCenter::defaultCenter(), parent) {}

SizeView::SizeView(GlobalData& data, NotificationCenter& center, QWidget* parent)
    : ShapePanel(kMainMenuShape, data, center, parent),
      m_paddingVertical(new LockImageView(center, this)),
      m_paddingHorizontal(new LockImageView(center, this)), m_launcher(startDetached) {
    auto* heading = addLabel(tr("Padding"), 4, 0, 5);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    m_paddingHorizontal->setObjectName(QStringLiteral("paddingHorizontal"));
    m_paddingVertical->setObjectName(QStringLiteral("paddingVertical"));
    m_paddingHorizontal->setToolTip(tr("While closed, Left and Right move together"));
    m_paddingVertical->setToolTip(tr("While closed, Top and Bottom move together"));
    for (const PaddingAxis& axis : kPaddingAxes) {
        LockImageView* lock =
            axis.lock == Setting::varSizeHorizontalLock ? m_paddingHorizontal : m_paddingVertical;
        lock->setFixedSize(16, 16);
        lock->setAccessibleName(tr(axis.lockName));
        lock->setUnlockStepName(tr(axis.unlockName));
        form()->addWidget(lock, axis.row, 2, Qt::AlignCenter);
        bindPaddingAxis(axis, lock);
    }

    auto* firefox = new QPushButton(tr("Preview in Firefox"), this);
    firefox->setObjectName(QStringLiteral("showFireFoxButton"));
    firefox->setFont(panelLabelFont(firefox->font()));
    connect(firefox, &QPushButton::clicked, this, &SizeView::showFireFox);
    form()->addWidget(firefox, 7, 0, 1, 5, Qt::AlignLeft);
}

void SizeView::bindPaddingAxis(const PaddingAxis& axis, LockImageView* lock) {
    std::array<FieldStepperPair*, 2> pairs{};
    for (size_t i = 0; i < pairs.size(); ++i) {
        const PaddingSide& side = axis.sides[i];
        pairs[i] =
            makePair(QLatin1String(side.name), FieldStepperPair::Kind::Integer, ranges::kPadding);
        describe(pairs[i], tr(side.spoken), addLabel(tr(side.label), axis.row, side.column));
        placePair(pairs[i], axis.row, side.column + 1);
        addReloader([this, pair = pairs[i], setting = side.setting] {
            pair->setValue(static_cast<double>(data().integerValue(setting)));
        });
    }
    // A closed lock writes both sides from either one: one store update, one notification.
    for (size_t i = 0; i < pairs.size(); ++i) {
        pairs[i]->setCommit([this, axis, pairs, i](double value) {
            const auto pixels = static_cast<qint64>(value);
            data().setValue(axis.sides[i].setting, pixels);
            if (data().booleanValue(axis.lock)) {
                data().setValue(axis.sides[1 - i].setting, pixels);
                pairs[1 - i]->setValue(value);
            }
            sendUpdateDataNotification(QStringLiteral("PaddingDataUpdated"), pairs[i]->textField());
        });
    }
    addReloader(
        [this, lock, setting = axis.lock] { lock->setIsLock(data().booleanValue(setting)); });
    // Turning a lock leaves both values as they are; the next edit couples them.
    connect(lock, &LockImageView::lockChanged, this,
            [this, setting = axis.lock](bool locked) { data().setValue(setting, locked); });
}

void SizeView::showFireFox() {
    const QString firefox = QStandardPaths::findExecutable(QStringLiteral("firefox"));
    if (firefox.isEmpty()) {
        emit statusMessage(tr("Firefox was not found on this computer."));
        return;
    }
    const QUrl address = m_previewAddress ? m_previewAddress() : QUrl();
    if (!address.isValid() || address.isEmpty()) {
        emit statusMessage(tr("The preview is not ready yet."));
        return;
    }
    if (!m_launcher || !m_launcher(firefox, {address.toString()})) {
        emit statusMessage(tr("Firefox could not be started."));
        tellPageNotOpened(window(), address, tr("Firefox (%1) could not be started.").arg(firefox));
    }
}

SubMenuSizeView::SubMenuSizeView(QWidget* parent)
    : SubMenuSizeView(GlobalData::sharedData(), NotificationCenter::defaultCenter(), parent) {}

SubMenuSizeView::SubMenuSizeView(GlobalData& data, NotificationCenter& center, QWidget* parent)
    : ShapePanel(kSubMenuShape, data, center, parent) {}

} // namespace brindle
