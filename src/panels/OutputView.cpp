#include "panels/OutputView.h"

#include "model/GlobalData.h"
#include "platform/NotificationCenter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>

namespace brindle {

OutputView::OutputView(QWidget* parent)
    : OutputView(GlobalData::sharedData(), NotificationCenter::defaultCenter(), parent) {}

OutputView::OutputView(GlobalData& data, NotificationCenter& center, QWidget* parent)
    : StylePanel(tr("Output"), data, center, parent), m_styleComboBox(new QComboBox(this)),
      m_navLabelField(new QLineEdit(this)), m_breakpointField(new QSpinBox(this)),
      m_classNameField(new QLineEdit(this)), m_directionComboBox(new QComboBox(this)),
      m_levelNote(new QLabel(tr("Classic pages show two levels: the menu’s third level stays in "
                                "the design but is not on the page."),
                             this)) {
    m_styleComboBox->setObjectName(QStringLiteral("outputStyleComboBox"));
    m_styleComboBox->addItems({tr("Classic"), tr("Modern")});
    m_styleComboBox->setToolTip(tr("Classic: the original page, opened by mouse hover.\n"
                                   "Modern: standard CSS in a navigation landmark, usable with "
                                   "the keyboard, on touch screens and on phones."));
    m_navLabelField->setObjectName(QStringLiteral("navLabelField"));
    m_navLabelField->setToolTip(tr("The name screen readers give the navigation landmark"));
    m_navLabelField->setMaxLength(80);
    m_breakpointField->setObjectName(QStringLiteral("breakpointField"));
    m_breakpointField->setRange(OutputOptions::kSmallestBreakpoint,
                                OutputOptions::kLargestBreakpoint);
    m_breakpointField->setSuffix(QStringLiteral(" px"));
    m_breakpointField->setToolTip(tr("Narrower screens show the menu as a vertical list behind "
                                     "a “Menu” button"));
    m_breakpointField->setKeyboardTracking(false);
    m_classNameField->setObjectName(QStringLiteral("classNameField"));
    m_classNameField->setMaxLength(OutputOptions::kLongestClassName);
    // Only the characters a class name may hold can be typed; the whole name is checked when
    // it is committed.
    m_classNameField->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[-_A-Za-z0-9]*")), m_classNameField));
    m_classNameField->setToolTip(tr("Every class and id of the Modern page and of the snippet "
                                    "starts with it, so the menu keeps to itself in your site: "
                                    "letters, digits, “-” and “_”, beginning with a letter"));

    m_directionComboBox->setObjectName(QStringLiteral("directionComboBox"));
    // In the order of MenuDirection.
    m_directionComboBox->addItems({tr("From the page"), tr("Left to right"), tr("Right to left")});
    m_directionComboBox->setToolTip(
        tr("From the page: the menu reads as the page around it does, right to left on an "
           "Arabic or Hebrew page. The other two fix the direction on the menu itself."));

    describe(m_styleComboBox, tr("style"), addLabel(tr("Style"), 0, 0));
    form()->addWidget(m_styleComboBox, 0, 1);
    describe(m_navLabelField, tr("menu name"), addLabel(tr("Menu name"), 1, 0));
    form()->addWidget(m_navLabelField, 1, 1);
    describe(m_breakpointField, tr("phone layout below"), addLabel(tr("Phone below"), 2, 0));
    form()->addWidget(m_breakpointField, 2, 1);
    describe(m_classNameField, tr("class name"), addLabel(tr("Class name"), 3, 0));
    form()->addWidget(m_classNameField, 3, 1);
    describe(m_directionComboBox, tr("direction"), addLabel(tr("Direction"), 4, 0));
    form()->addWidget(m_directionComboBox, 4, 1);
    m_levelNote->setObjectName(QStringLiteral("levelNoteLabel"));
    m_levelNote->setWordWrap(true);
    form()->addWidget(m_levelNote, 5, 0, 1, 2);
    form()->setColumnStretch(1, 1);

    addReloader([this] {
        const OutputOptions& options = this->data().outputOptions();
        m_styleComboBox->setCurrentIndex(options.style == OutputStyle::Modern ? 1 : 0);
        m_navLabelField->setText(options.navLabel);
        m_classNameField->setText(options.className);
        m_directionComboBox->setCurrentIndex(static_cast<int>(options.direction));
        const QSignalBlocker blocker(m_breakpointField);
        m_breakpointField->setValue(static_cast<int>(options.breakpoint));
        showModernControls(options.style == OutputStyle::Modern);
    });
    // The menu's levels change in the menu editor.
    center.addObserver(this, QStringLiteral("MenuStructureDataUpdated"), nullptr,
                       [this](const Notification&) { showLevelNote(); });
    connect(m_styleComboBox, &QComboBox::activated, this, &OutputView::updateOutputOptions);
    connect(m_navLabelField, &QLineEdit::editingFinished, this, &OutputView::updateOutputOptions);
    connect(m_breakpointField, &QSpinBox::valueChanged, this, &OutputView::updateOutputOptions);
    connect(m_classNameField, &QLineEdit::editingFinished, this, &OutputView::updateOutputOptions);
    connect(m_directionComboBox, &QComboBox::activated, this, &OutputView::updateOutputOptions);
    // A key the name cannot hold is refused with a word, never dropped unseen.
    connect(m_classNameField, &QLineEdit::inputRejected, this, [this] {
        emit statusMessage(tr("A class name holds letters, digits, “-” and “_” only: "
                              "“site-nav”, not “site nav”"));
    });
}

OutputView::~OutputView() {
    center().removeObserver(this);
}

void OutputView::showModernControls(bool modern) {
    m_navLabelField->setEnabled(modern);
    m_breakpointField->setEnabled(modern);
    m_directionComboBox->setEnabled(modern);
    // The class name also names the menu that Export Snippet and Copy HTML write.
    showLevelNote();
}

void OutputView::showLevelNote() {
    m_levelNote->setVisible(m_styleComboBox->currentIndex() == 0 &&
                            itemsOnLevel(*data().getMenuRootNode(), kDeepestMenuLevel) > 0);
}

void OutputView::updateOutputOptions() {
    // The options other panels set stay as they are.
    OutputOptions options = data().outputOptions();
    options.style =
        m_styleComboBox->currentIndex() == 1 ? OutputStyle::Modern : OutputStyle::Classic;
    // A landmark needs a name: an emptied field gives the default back.
    options.navLabel =
        sanitizedNavLabel(m_navLabelField->text()).value_or(OutputOptions::defaultNavLabel());
    if (options.navLabel != m_navLabelField->text())
        m_navLabelField->setText(options.navLabel);
    // Committed: the field's own undo no longer applies, the design's does.
    m_navLabelField->setModified(false);
    options.breakpoint = m_breakpointField->value();
    options.className = m_classNameField->text();
    if (!isValidClassName(options.className)) {
        // Refused: the menu keeps the name it has.
        const QString refused = options.className;
        options.className = data().outputOptions().className;
        m_classNameField->setText(options.className);
        emit statusMessage(
            refused.isEmpty()
                ? tr("The class name cannot be empty; it stays “%1”").arg(options.className)
                : tr("“%1” is not a class name: it must begin with a letter; it stays “%2”")
                      .arg(refused, options.className));
    }
    m_classNameField->setModified(false);
    options.direction = static_cast<MenuDirection>(m_directionComboBox->currentIndex());
    showModernControls(options.style == OutputStyle::Modern);
    if (options == data().outputOptions())
        return;
    data().setOutputOptions(options);
    // The field, box or list whose signal brought us here names the step.
    sendUpdateDataNotification(QStringLiteral("OutputOptionsDataUpdated"),
                               qobject_cast<const QWidget*>(sender()));
}

CurrentPageView::CurrentPageView(Level level, GlobalData& data, NotificationCenter& center,
                                 QWidget* parent)
    : StylePanel(tr("Current page"), data, center, parent), m_level(level),
      m_lookComboBox(new QComboBox(this)) {
    m_lookComboBox->setObjectName(level == Level::Bar
                                      ? QStringLiteral("currentPageComboBox")
                                      : QStringLiteral("subMenuCurrentPageComboBox"));
    // In the order of CurrentPageLook.
    m_lookComboBox->addItems({tr("As pressed"), tr("As hovered"), tr("As the others")});
    m_lookComboBox->setToolTip(
        level == Level::Bar
            ? tr("How a Modern menu shows the bar's item of the page being shown, and the "
                 "bar's item above a current sub-item. Your site's own aria-current=\"page\" "
                 "marks work too.")
            : tr("How a Modern menu shows the drop-down item of the page being shown."));
    describe(m_lookComboBox, tr("current page"), addLabel(tr("Looks"), 0, 0));
    form()->addWidget(m_lookComboBox, 0, 1);
    form()->setColumnStretch(2, 1);
    addReloader([this] {
        OutputOptions options = this->data().outputOptions();
        m_lookComboBox->setCurrentIndex(static_cast<int>(look(options)));
        m_lookComboBox->setEnabled(options.style == OutputStyle::Modern);
    });
    connect(m_lookComboBox, &QComboBox::activated, this, &CurrentPageView::updateLook);
    // The Output panel switches between Classic, which has no current page, and Modern.
    center.addObserver(this, QStringLiteral("OutputOptionsDataUpdated"), nullptr,
                       [this](const Notification&) { reloadData(); });
}

CurrentPageView::~CurrentPageView() {
    center().removeObserver(this);
}

CurrentPageLook& CurrentPageView::look(OutputOptions& options) const {
    return m_level == Level::Bar ? options.currentPageLook : options.subMenuCurrentPageLook;
}

void CurrentPageView::updateLook() {
    OutputOptions options = data().outputOptions();
    look(options) = static_cast<CurrentPageLook>(m_lookComboBox->currentIndex());
    if (options == data().outputOptions())
        return;
    data().setOutputOptions(options);
    sendUpdateDataNotification(QStringLiteral("OutputOptionsDataUpdated"), m_lookComboBox);
}

} // namespace brindle
