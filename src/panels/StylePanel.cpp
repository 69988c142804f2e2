#include "panels/StylePanel.h"

#include "platform/InterfaceLanguage.h"
#include "platform/NotificationCenter.h"
#include "widgets/AccessibleWidgets.h"
#include "widgets/ColorPickerImageView.h"
#include "widgets/Stepper.h"
#include "widgets/TitleBarView.h"
#include "widgets/WheelGuard.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace brindle {

QFont panelLabelFont(const QFont& base) {
    QFont font = base;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() - 1.0);
    return font;
}

QString sentenceCase(const QString& title) {
    // Other languages' capitals follow their own rules: translations are written as shown.
    if (!interfaceIsEnglish())
        return title;
    QStringList words = title.split(QLatin1Char(' '));
    for (qsizetype i = 1; i < words.size(); ++i) {
        QString& word = words[i];
        if (word.size() > 1 && word.at(0).isUpper() && word.at(1).isLower())
            word[0] = word.at(0).toLower();
    }
    return words.join(QLatin1Char(' '));
}

StylePanel::StylePanel(const QString& title, GlobalData& data, NotificationCenter& center,
                       QWidget* parent)
    : QWidget(parent), m_data(data), m_center(center), m_subject(sentenceCase(title)) {
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
    orderTabChain();
    WheelGuard::guardPopUps(this);
    awake();
}

namespace {

// The widgets of a layout, nested layouts included, in the layout's order.
void collectWidgets(QLayout* layout, QList<QWidget*>& widgets) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() != nullptr)
            widgets.append(item->widget());
        else if (item->layout() != nullptr)
            collectWidgets(item->layout(), widgets);
    }
}

} // namespace

void StylePanel::orderTabChain() {
    struct Placed {
        int row;
        int column;
        QWidget* widget;
    };
    QList<Placed> placed;
    for (int i = 0; i < m_form->count(); ++i) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        m_form->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        QList<QWidget*> widgets;
        if (QWidget* widget = m_form->itemAt(i)->widget())
            widgets.append(widget);
        else if (QLayout* inner = m_form->itemAt(i)->layout())
            collectWidgets(inner, widgets);
        for (QWidget* widget : std::as_const(widgets)) {
            if (widget->focusPolicy() & Qt::TabFocus)
                placed.append({row, column, widget});
        }
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    for (qsizetype i = 1; i < placed.size(); ++i)
        setTabOrder(placed.at(i - 1).widget, placed.at(i).widget);
}

void StylePanel::describe(QWidget* control, const QString& what, QLabel* label) {
    QString name = m_subject.isEmpty() ? what : m_subject + QLatin1Char(' ') + what;
    if (!name.isEmpty())
        name[0] = name.at(0).toUpper();
    control->setAccessibleName(name);
    if (label != nullptr)
        label->setBuddy(control);
}

void StylePanel::describe(FieldStepperPair* pair, const QString& what, QLabel* label) {
    describe(pair->textField(), what, label);
    // The stepper is off the Tab chain; a reader that meets it still hears what it steps.
    pair->stepper()->setAccessibleName(pair->textField()->accessibleName());
}

void StylePanel::awake() {
    reloadData();
    registerColorObservers();
}

void StylePanel::reloadData() {
    for (const auto& reload : m_reloaders)
        reload();
}

void StylePanel::sendUpdateDataNotification(const QString& name, const QWidget* changed) {
    // The undo step is named as the screen names the control the user changed.
    const QString step = undoStepName(changed);
    m_center.post(name, this,
                  step.isEmpty() ? QVariantMap()
                                 : QVariantMap{{QLatin1String(kUndoTextKey), step}});
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
    pair->setCommit([this, pair, setting, notification, isInteger](double value) {
        if (isInteger)
            m_data.setValue(setting, static_cast<qint64>(value));
        else
            m_data.setValue(setting, value);
        sendUpdateDataNotification(notification, pair->textField());
    });
}

void StylePanel::bindWell(ColorPickerImageView* well, Setting setting,
                          const QString& notification) {
    addReloader([this, well, setting] { well->setBackgroundColor(m_data.colorValue(setting)); });
    observeWell(well, [this, well, setting, notification] {
        m_data.setValue(setting, well->backgroundColor());
        sendUpdateDataNotification(notification, well);
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
        sendUpdateDataNotification(notification, box);
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
