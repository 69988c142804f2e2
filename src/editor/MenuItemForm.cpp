#include "editor/MenuItemForm.h"

#include "model/Node.h"
#include "panels/FieldStepperPair.h"
#include "platform/Log.h"
#include "widgets/Stepper.h"
#include "workspace/StartFolder.h"
#include "workspace/SvgIcon.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace brindle {

namespace {

// The kinds an item may be, as the form offers them: one per menu level, from the bar down.
QStringList levelKinds(int deepest) {
    const QStringList kinds = {MenuItemForm::tr("Main Menu"), MenuItemForm::tr("Sub Menu"),
                               MenuItemForm::tr("Third Level")};
    return kinds.first(std::clamp(deepest, 1, int(kinds.size())));
}

// A label that leads to its field: the field is named after it, and Alt with the label's
// underlined letter moves there.
QLabel* formLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(buddy);
    return label;
}

} // namespace

MenuItemForm::MenuItemForm(QWidget* parent)
    : QDialog(parent, Qt::Popup), m_title(new QLineEdit(this)), m_kind(new QComboBox(this)),
      m_link(new QLineEdit(this)),
      m_followsTextColour(new QCheckBox(tr("Icon &follows the text colour"), this)),
      m_gap(new FieldStepperPair(FieldStepperPair::Kind::Integer,
                                 {double(kIconGapMinimum), double(kIconGapMaximum), 1.0},
                                 m_formReady, this)),
      m_confirm(new QPushButton(tr("Create"), this)) {
    setObjectName(QStringLiteral("popover"));
    // A click outside only closes the popover; a click on the add or edit button then does
    // not open it again at once, so those buttons toggle it.
    setAttribute(Qt::WA_NoMouseReplay);
    m_title->setObjectName(QStringLiteral("newMenuTextField"));
    m_kind->setObjectName(QStringLiteral("newMenuComboBox"));
    m_link->setObjectName(QStringLiteral("linkTextField"));
    m_link->setPlaceholderText(QStringLiteral("http://www."));
    m_gap->setName(QStringLiteral("paddingRight"));
    m_gap->installFormatter();
    m_gap->textField()->setToolTip(tr("Space between the icon and the title"));
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
    grid->addWidget(formLabel(tr("&Title:"), m_title, this), 0, 0);
    grid->addWidget(m_title, 0, 1, 1, 3);
    grid->addWidget(formLabel(tr("&Kind:"), m_kind, this), 1, 0);
    grid->addWidget(m_kind, 1, 1, 1, 3, Qt::AlignLeft);
    grid->addWidget(formLabel(tr("&Link:"), m_link, this), 2, 0);
    grid->addWidget(m_link, 2, 1, 1, 3);
    addIconRow(grid, 3, IconSlot::Normal, tr("&Icon:"), QStringLiteral("imageTextField"));
    addIconRow(grid, 4, IconSlot::Retina, tr("Icon (&2×):"),
               QStringLiteral("retinaImageTextField"));

    m_followsTextColour->setObjectName(QStringLiteral("followsTextColourCheckBox"));
    grid->addWidget(m_followsTextColour, 6, 1, 1, 3);

    auto* gapRow = new QHBoxLayout;
    gapRow->setSpacing(2);
    gapRow->addWidget(m_gap->textField());
    gapRow->addWidget(m_gap->stepper());
    gapRow->addWidget(new QLabel(tr("px"), this));
    gapRow->addStretch(1);
    grid->addWidget(formLabel(tr("Icon &gap:"), m_gap->textField(), this), 7, 0);
    m_gap->stepper()->setAccessibleName(tr("Icon gap"));
    grid->addLayout(gapRow, 7, 1, 1, 3);

    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    m_confirm->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(m_confirm);
    grid->addLayout(buttons, 8, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(300);

    m_kind->addItems(levelKinds(2));
    m_gap->setValue(0);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_confirm, &QPushButton::clicked, this, &MenuItemForm::confirmed);
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
    // The field only shows the file; the label's mnemonic leads to the button that picks one.
    const QString spoken = QString(label).remove(QLatin1Char('&')).remove(QLatin1Char(':'));
    icon.field->setAccessibleName(spoken);
    choose->setAccessibleName(tr("Choose %1 file").arg(spoken));
    icon.clear->setAccessibleName(tr("Clear %1").arg(spoken));
    icon.label = formLabel(label, choose, this);
    icon.choose = choose;
    grid->addWidget(icon.label, row, 0);
    grid->addWidget(icon.field, row, 1);
    grid->addWidget(choose, row, 2);
    grid->addWidget(icon.clear, row, 3);
    connect(choose, &QPushButton::clicked, this, [this, slot] { selectIconFile(slot); });
    connect(icon.clear, &QPushButton::clicked, this, [this, slot] { clearIconFile(slot); });
}

void MenuItemForm::prepareForAdd(int deepestLevel) {
    m_editing = false;
    m_kind->clear();
    m_kind->addItems(levelKinds(deepestLevel));
    m_kind->setCurrentIndex(m_kind->count() - 1);
    m_kind->setEnabled(true);
    m_title->clear();
    m_svgIcon = false;
    for (IconSlot slot : {IconSlot::Normal, IconSlot::Retina}) {
        m_icons[index(slot)].choice = {};
        showIconName(slot, QString());
    }
    m_followsTextColour->setChecked(false);
    setIconIsSvg(false);
    m_gap->setValue(0);
    m_confirm->setText(tr("C&reate"));
    m_confirm->setEnabled(true);
}

void MenuItemForm::prepareForEdit(const Node& item, int level) {
    m_editing = true;
    m_kind->clear();
    m_kind->addItems(levelKinds(kDeepestMenuLevel));
    m_kind->setCurrentIndex(std::clamp(level, 1, kDeepestMenuLevel) - 1);
    m_kind->setEnabled(false);
    m_title->setText(item.name());
    m_icons[index(IconSlot::Normal)].choice = {};
    m_icons[index(IconSlot::Retina)].choice = {};
    m_svgIcon = false;
    // An SVG icon shows as its file; its pictures are made from it.
    showIconName(IconSlot::Normal,
                 item.hasSvgIcon() ? item.svgIcon().fileName : item.imageFileName());
    showIconName(IconSlot::Retina, item.hasSvgIcon() ? QString() : item.retinaImageFileName());
    m_followsTextColour->setChecked(item.svgIcon().followsTextColour);
    setIconIsSvg(item.hasSvgIcon());
    // An empty link stays empty unless the user types one; the placeholder shows the form.
    m_link->setText(item.link());
    m_gap->setValue(double(item.paddingRight()));
    m_confirm->setText(tr("&Save"));
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

void MenuItemForm::focusTitle() {
    m_title->setFocus(Qt::OtherFocusReason);
    m_title->selectAll();
}

QString MenuItemForm::title() const {
    return m_title->text();
}

int MenuItemForm::level() const {
    return m_kind->currentIndex() + 1;
}

QString MenuItemForm::link() const {
    return m_link->text();
}

qint64 MenuItemForm::iconGap() const {
    return qint64(m_gap->value());
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
    if (slot == IconSlot::Normal)
        dialog->setNameFilters(
            {tr("Icons (*.svg *.svgz *.png *.jpeg *.jpg *.gif *.SVG *.SVGZ *.PNG *.JPEG *.JPG "
                "*.GIF)"),
             tr("SVG icons (*.svg *.svgz *.SVG *.SVGZ)"),
             tr("Pictures (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)")});
    else
        dialog->setNameFilter(tr("Pictures (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)"));
    dialog->setWindowModality(Qt::WindowModal);
    const StartFolder start(StartFolder::Kind::Icons);
    dialog->setDirectory(start.folder());
    connect(dialog, &QFileDialog::fileSelected, this,
            [done = std::move(done), start](const QString& path) {
                start.rememberFile(path);
                done(path);
            });
    const bool reopen = isVisible();
    connect(dialog, &QDialog::finished, this, [this, reopen] {
        if (reopen && !isVisible() && m_anchor)
            showUnder(m_anchor);
    });
    dialog->open();
}

void MenuItemForm::chooseIconFile(IconSlot slot, const QString& path) {
    if (path.isEmpty() || (slot == IconSlot::Retina && m_svgIcon))
        return; // an SVG draws its own 2× picture
    qCInfo(lcBrindle).noquote() << "openURL:" << path;
    // A first icon gets room beside its title; an item that had one keeps its gap.
    if (slot == IconSlot::Normal && m_icons[index(slot)].field->text().isEmpty() &&
        m_gap->value() == 0)
        m_gap->setValue(double(kNewIconGap));
    m_icons[index(slot)].choice = {IconChoice::Kind::Chosen, path};
    showIconName(slot, QFileInfo(path).fileName());
    if (slot == IconSlot::Normal)
        setIconIsSvg(isSvgFileName(path));
}

void MenuItemForm::clearIconFile(IconSlot slot) {
    m_icons[index(slot)].choice = {IconChoice::Kind::Cleared, QString()};
    showIconName(slot, QString());
    if (slot == IconSlot::Normal && m_svgIcon)
        setIconIsSvg(false);
}

void MenuItemForm::showIconName(IconSlot slot, const QString& name) {
    IconRow& icon = m_icons[index(slot)];
    icon.field->setText(name);
    icon.field->setToolTip(icon.choice.path);
    icon.clear->setEnabled(!name.isEmpty());
}

void MenuItemForm::setIconIsSvg(bool svg) {
    // An SVG is drawn sharp at every scale; its 2× picture is made from it. The 2× field's
    // choice waits meanwhile, in case a picture is chosen for the icon after all.
    IconRow& retina = m_icons[index(IconSlot::Retina)];
    if (svg && !m_svgIcon) {
        m_hiddenRetinaName = retina.field->text();
        retina.field->clear();
    } else if (!svg && m_svgIcon) {
        retina.field->setText(m_hiddenRetinaName);
    }
    m_svgIcon = svg;
    for (QWidget* widget :
         {retina.label, static_cast<QWidget*>(retina.field), static_cast<QWidget*>(retina.choose)})
        widget->setEnabled(!svg);
    retina.clear->setEnabled(!svg && !retina.field->text().isEmpty());
    const QString why =
        tr("An SVG icon is sharp at every size: it needs no double-resolution file.");
    retina.field->setToolTip(svg ? why : retina.choice.path);
    retina.choose->setToolTip(svg ? why : QString());
    showFollowingAvailability();
}

void MenuItemForm::setFollowingOffered(bool offered) {
    m_followingOffered = offered;
    showFollowingAvailability();
}

void MenuItemForm::showFollowingAvailability() {
    m_followsTextColour->setEnabled(m_svgIcon && m_followingOffered);
    m_followsTextColour->setToolTip(
        m_followingOffered
            ? tr("The icon's black parts take the colour of the item's text, also on hover and "
                 "while pressed (an SVG icon only)")
            : tr("Classic pages show the icon's pictures, which keep their colours: choose the "
                 "Modern output style for an icon in the text's colour"));
}

bool MenuItemForm::iconFollowsTextColour() const {
    return m_svgIcon && m_followsTextColour->isChecked();
}

// The pair's handlers run under the form's guard; the value is read when the form is
// confirmed.
void MenuItemForm::updatePaddingRightTextFieldValue() {
    m_gap->updateTextFieldValue();
}

void MenuItemForm::updatePaddingRightStepperValue() {
    m_gap->updateStepperValue();
}

} // namespace brindle
