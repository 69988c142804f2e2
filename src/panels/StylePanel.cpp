#include "panels/StylePanel.h"

#include "platform/NotificationCenter.h"
#include "widgets/ColorPickerImageView.h"
#include "widgets/Stepper.h"
#include "widgets/TitleBarView.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace brindle {

QFont panelLabelFont(const QFont& base) {
    QFont font = base;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() - 1.0);
    return font;
}

StylePanel::StylePanel(const QString& title, GlobalData& data, NotificationCenter& center,
                       QWidget* parent)
    : QWidget(parent), m_data(data), m_center(center) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 6);
    column->setSpacing(4);
    if (!title.isEmpty()) {
        m_titleBarView = new TitleBarView(this);
        m_titleBarView->setObjectName(QStringLiteral("titleBarView"));
        m_titleBarView->setText(title);
        column->addWidget(m_titleBarView);
    }
    m_form = new QGridLayout();
    m_form->setContentsMargins(10, 2, 10, 0);
    m_form->setHorizontalSpacing(4);
    m_form->setVerticalSpacing(4);
    column->addLayout(m_form);
}

StylePanel::~StylePanel() {
    m_center.removeObserver(this);
}

void StylePanel::setUp() {
    if (m_setUpDone)
        return;
    m_setUpDone = true;
    awake();
}

void StylePanel::awake() {
    reloadData();
    registerColorObservers();
}

void StylePanel::reloadData() {
    for (const auto& reload : m_reloaders)
        reload();
}

void StylePanel::sendUpdateDataNotification(const QString& name) {
    m_center.post(name, this);
}

QLabel* StylePanel::addLabel(const QString& text, int row, int column, int columnSpan) {
    auto* label = new QLabel(text, this);
    label->setFont(panelLabelFont(label->font()));
    m_form->addWidget(label, row, column, 1, columnSpan);
    return label;
}

FieldStepperPair* StylePanel::makePair(const QString& name, FieldStepperPair::Kind kind,
                                       const StepperRange& range) {
    auto* pair = new FieldStepperPair(kind, range, m_formReady, this);
    pair->setName(name);
    return pair;
}

void StylePanel::placePair(FieldStepperPair* pair, int row, int column, const QString& unit) {
    auto* box = new QHBoxLayout();
    box->setSpacing(1);
    box->addWidget(pair->textField());
    box->addWidget(pair->stepper());
    if (!unit.isEmpty()) {
        auto* label = new QLabel(unit, this);
        label->setFont(panelLabelFont(label->font()));
        box->addSpacing(2);
        box->addWidget(label);
    }
    box->addStretch(1);
    m_form->addLayout(box, row, column);
}

ColorPickerImageView* StylePanel::makeWell(const QString& name) {
    auto* well = new ColorPickerImageView(m_center, this);
    well->setObjectName(name);
    well->setFixedSize(well->sizeHint());
    return well;
}

void StylePanel::addReloader(std::function<void()> reload) {
    m_reloaders.push_back(std::move(reload));
}

void StylePanel::bindPair(FieldStepperPair* pair, Setting setting, const QString& notification) {
    const bool isInteger = settingInfo(setting).kind == SettingKind::Integer;
    addReloader([this, pair, setting, isInteger] {
        pair->setValue(isInteger ? static_cast<double>(m_data.integerValue(setting))
                                 : m_data.doubleValue(setting));
    });
    pair->setCommit([this, setting, notification, isInteger](double value) {
        if (isInteger)
            m_data.setValue(setting, static_cast<qint64>(value));
        else
            m_data.setValue(setting, value);
        sendUpdateDataNotification(notification);
    });
}

void StylePanel::bindWell(ColorPickerImageView* well, Setting setting,
                          const QString& notification) {
    addReloader([this, well, setting] { well->setBackgroundColor(m_data.colorValue(setting)); });
    observeWell(well, [this, well, setting, notification] {
        m_data.setValue(setting, well->backgroundColor());
        sendUpdateDataNotification(notification);
    });
}

void StylePanel::bindCheckBox(QCheckBox* box, Setting setting, const QString& notification,
                              const std::vector<QWidget*>& components) {
    auto updateComponents = [components](bool enabled) {
        for (QWidget* component : components)
            component->setEnabled(enabled);
    };
    addReloader([this, box, setting, updateComponents] {
        const bool enabled = m_data.booleanValue(setting);
        box->setChecked(enabled);
        updateComponents(enabled);
    });
    connect(box, &QCheckBox::clicked, this, [this, box, setting, notification, updateComponents] {
        const bool enabled = box->isChecked();
        updateComponents(enabled);
        m_data.setValue(setting, enabled);
        sendUpdateDataNotification(notification);
    });
}

void StylePanel::observeWell(ColorPickerImageView* well, std::function<void()> handler) {
    m_wellHandlers.emplace_back(well, std::move(handler));
}

void StylePanel::registerColorObservers() {
    if (m_observersRegistered)
        return;
    m_observersRegistered = true;
    for (const auto& [well, handler] : m_wellHandlers) {
        m_center.addObserver(this, QStringLiteral("ColorChanged"), well,
                             [handler](const Notification&) { handler(); });
    }
}

} // namespace brindle
