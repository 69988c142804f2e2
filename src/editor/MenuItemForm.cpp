#include "editor/MenuItemForm.h"

#include "editor/IconGapStepper.h"
#include "model/Node.h"
#include "platform/Log.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

namespace brindle {

namespace {

const QString kMainMenu = QStringLiteral("Main Menu");
const QString kSubMenu = QStringLiteral("Sub Menu");

// Whole numbers only; anything else is refused with the system beep.
class WholeNumberValidator : public QRegularExpressionValidator {
public:
    explicit WholeNumberValidator(QObject* parent)
        : QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\s*[+-]?\\d{0,9}\\s*")),
                                      parent) {}
    State validate(QString& input, int& pos) const override {
        const State state = QRegularExpressionValidator::validate(input, pos);
        if (state == Invalid)
            QApplication::beep();
        return state;
    }
};

QLabel* formLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

MenuItemForm::MenuItemForm(QWidget* parent)
    : QDialog(parent, Qt::Popup), m_title(new QLineEdit(this)), m_kind(new QComboBox(this)),
      m_link(new QLineEdit(this)), m_gapField(new QLineEdit(this)),
      m_gapStepper(new IconGapStepper(this)), m_confirm(new QPushButton(tr("Create"), this)) {
    setObjectName(QStringLiteral("popover"));
    // A click outside only closes the popover; a click on the add or edit button then does
    // not open it again at once, so those buttons toggle it.
    setAttribute(Qt::WA_NoMouseReplay);
    m_title->setObjectName(QStringLiteral("newMenuTextField"));
    m_kind->setObjectName(QStringLiteral("newMenuComboBox"));
    m_link->setObjectName(QStringLiteral("linkTextField"));
    m_link->setPlaceholderText(QStringLiteral("http://www."));
    m_gapField->setObjectName(QStringLiteral("paddingRightTextField"));
    m_gapStepper->setObjectName(QStringLiteral("paddingRightStepper"));
    m_confirm->setObjectName(QStringLiteral("createMenuButton"));

    // A popup has no window frame of its own; the panel's edge sets it off from the window.
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    grid->addWidget(formLabel(tr("Title:"), this), 0, 0);
    grid->addWidget(m_title, 0, 1, 1, 3);
    grid->addWidget(formLabel(tr("Kind:"), this), 1, 0);
    grid->addWidget(m_kind, 1, 1, 1, 3, Qt::AlignLeft);
    grid->addWidget(formLabel(tr("Link:"), this), 2, 0);
    grid->addWidget(m_link, 2, 1, 1, 3);
    addIconRow(grid, 3, IconSlot::Normal, tr("Icon:"), QStringLiteral("imageTextField"));
    addIconRow(grid, 4, IconSlot::Retina, tr("Icon (2×):"), QStringLiteral("retinaImageTextField"));

    auto* gapRow = new QHBoxLayout;
    gapRow->setSpacing(2);
    m_gapField->setValidator(new WholeNumberValidator(m_gapField));
    m_gapField->setAlignment(Qt::AlignRight);
    m_gapField->setFixedWidth(48);
    m_gapField->setToolTip(tr("Space between the icon and the title"));
    m_gapStepper->setRange(kIconGapMinimum, kIconGapMaximum);
    gapRow->addWidget(m_gapField);
    gapRow->addWidget(m_gapStepper);
    gapRow->addWidget(new QLabel(tr("px"), this));
    gapRow->addStretch(1);
    grid->addWidget(formLabel(tr("Icon gap:"), this), 5, 0);
    grid->addLayout(gapRow, 5, 1, 1, 3);

    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    m_confirm->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(m_confirm);
    grid->addLayout(buttons, 6, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(300);

    m_kind->addItems({kMainMenu, kSubMenu});
    setIconGap(0);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_confirm, &QPushButton::clicked, this, &MenuItemForm::confirmed);
    connect(m_gapField, &QLineEdit::editingFinished, this,
            &MenuItemForm::updatePaddingRightTextFieldValue);
    connect(m_gapStepper, &IconGapStepper::activated, this,
            &MenuItemForm::updatePaddingRightStepperValue);
}

void MenuItemForm::addIconRow(QGridLayout* grid, int row, IconSlot slot, const QString& label,
                              const QString& fieldName) {
    IconRow& icon = m_icons[index(slot)];
    icon.field = new QLineEdit(this);
    icon.field->setObjectName(fieldName);
    icon.field->setReadOnly(true);
    icon.field->setPlaceholderText(tr("None"));
    icon.field->setFocusPolicy(Qt::ClickFocus);
    auto* choose = new QPushButton(tr("Choose…"), this);
    choose->setAutoDefault(false);
    icon.clear = new QPushButton(tr("Clear"), this);
    icon.clear->setAutoDefault(false);
    grid->addWidget(formLabel(label, this), row, 0);
    grid->addWidget(icon.field, row, 1);
    grid->addWidget(choose, row, 2);
    grid->addWidget(icon.clear, row, 3);
    connect(choose, &QPushButton::clicked, this, [this, slot] { selectIconFile(slot); });
    connect(icon.clear, &QPushButton::clicked, this, [this, slot] { clearIconFile(slot); });
}

void MenuItemForm::prepareForAdd(bool offerSubMenu) {
    m_editing = false;
    m_kind->clear();
    m_kind->addItem(kMainMenu);
    if (offerSubMenu)
        m_kind->addItem(kSubMenu);
    m_kind->setCurrentIndex(m_kind->count() - 1);
    m_kind->setEnabled(true);
    m_title->clear();
    for (IconSlot slot : {IconSlot::Normal, IconSlot::Retina}) {
        m_icons[index(slot)].choice = {};
        showIconName(slot, QString());
    }
    setIconGap(0);
    m_confirm->setText(tr("Create"));
    m_confirm->setEnabled(true);
}

void MenuItemForm::prepareForEdit(const Node& item, bool isSubItem) {
    m_editing = true;
    m_kind->clear();
    m_kind->addItems({kMainMenu, kSubMenu});
    m_kind->setCurrentIndex(isSubItem ? 1 : 0);
    m_kind->setEnabled(false);
    m_title->setText(item.name());
    m_icons[index(IconSlot::Normal)].choice = {};
    m_icons[index(IconSlot::Retina)].choice = {};
    showIconName(IconSlot::Normal, item.imageFileName());
    showIconName(IconSlot::Retina, item.retinaImageFileName());
    // An empty link stays empty unless the user types one; the placeholder shows the form.
    m_link->setText(item.link());
    setIconGap(item.paddingRight());
    m_confirm->setText(tr("Save"));
    m_confirm->setEnabled(true);
}

void MenuItemForm::showUnder(QWidget* anchor) {
    m_anchor = anchor;
    adjustSize();
    QPoint position = anchor->mapToGlobal(QPoint(0, anchor->height()));
    if (const QScreen* screen = anchor->screen()) {
        const QRect available = screen->availableGeometry();
        if (position.y() + height() > available.bottom())
            position.setY(anchor->mapToGlobal(QPoint(0, 0)).y() - height());
        position.setX(std::clamp(position.x(), available.left(),
                                 std::max(available.left(), available.right() - width())));
        position.setY(std::max(position.y(), available.top()));
    }
    move(position);
    show();
    raise();
    activateWindow();
    m_title->setFocus(Qt::PopupFocusReason);
}

QString MenuItemForm::title() const {
    return m_title->text();
}

bool MenuItemForm::isSubMenuKind() const {
    return m_kind->currentIndex() > 0;
}

QString MenuItemForm::link() const {
    return m_link->text();
}

qint64 MenuItemForm::iconGap() const {
    return m_gapStepper->value();
}

QStringList MenuItemForm::kindEntries() const {
    QStringList entries;
    for (int i = 0; i < m_kind->count(); ++i)
        entries << m_kind->itemText(i);
    return entries;
}

void MenuItemForm::selectIconFile(IconSlot slot) {
    auto done = [this, slot](const QString& path) { chooseIconFile(slot, path); };
    if (m_chooser)
        m_chooser(this, slot, done);
    else
        openFileDialog(slot, done);
}

void MenuItemForm::openFileDialog(IconSlot slot, std::function<void(QString)> done) {
    // A sheet on the main window. Showing it closes the popover (a popup closes when another
    // window takes over), so the popover comes back, as it was, when the chooser is done.
    QWidget* sheetParent = parentWidget() ? parentWidget()->window() : this;
    auto* dialog = new QFileDialog(sheetParent, slot == IconSlot::Normal
                                                    ? tr("Choose Icon")
                                                    : tr("Choose Double-Resolution Icon"));
    dialog->setObjectName(QStringLiteral("iconFileDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setNameFilter(tr("Pictures (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)"));
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QFileDialog::fileSelected, this,
            [done = std::move(done)](const QString& path) { done(path); });
    const bool reopen = isVisible();
    connect(dialog, &QDialog::finished, this, [this, reopen] {
        if (reopen && !isVisible() && m_anchor)
            showUnder(m_anchor);
    });
    dialog->open();
}

void MenuItemForm::chooseIconFile(IconSlot slot, const QString& path) {
    if (path.isEmpty())
        return;
    qCInfo(lcBrindle).noquote() << "openURL:" << path;
    m_icons[index(slot)].choice = {IconChoice::Kind::Chosen, path};
    showIconName(slot, QFileInfo(path).fileName());
}

void MenuItemForm::clearIconFile(IconSlot slot) {
    m_icons[index(slot)].choice = {IconChoice::Kind::Cleared, QString()};
    showIconName(slot, QString());
}

void MenuItemForm::showIconName(IconSlot slot, const QString& name) {
    IconRow& icon = m_icons[index(slot)];
    icon.field->setText(name);
    icon.field->setToolTip(icon.choice.path);
    icon.clear->setEnabled(!name.isEmpty());
}

void MenuItemForm::setIconGap(qint64 value) {
    m_gapStepper->setValue(value);
    m_gapField->setText(QString::number(m_gapStepper->value()));
}

void MenuItemForm::updatePaddingRightTextFieldValue() {
    if (!m_formReady)
        return;
    m_formReady = false;
    bool ok = false;
    const qint64 typed = m_gapField->text().trimmed().toLongLong(&ok);
    m_gapStepper->setValue(ok ? typed : 0);
    // The stepper's range is the only range check; the field shows what was kept.
    if (!ok || typed > m_gapStepper->maximum() || typed < m_gapStepper->minimum())
        m_gapField->setText(QString::number(m_gapStepper->value()));
    m_formReady = true;
}

void MenuItemForm::updatePaddingRightStepperValue() {
    if (!m_formReady)
        return;
    m_formReady = false;
    m_gapField->setText(QString::number(m_gapStepper->value()));
    m_formReady = true;
}

} // namespace brindle
