#pragma once

#include "model/GlobalData.h"
#include "panels/FieldStepperPair.h"
#include "widgets/Reloadable.h"

#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;

namespace brindle {

class ColorPickerImageView;
class NotificationCenter;
class TitleBarView;

// The pattern of every style panel: controls filled from the settings store, each user
// change written straight back into the store and announced with one notification whose
// sender is the panel itself.
//
// Construction builds the controls (title and formatters included). Whoever builds a panel
// then calls setUp() once — the panel's set-up steps: by default reloadData() and then the
// "ColorChanged" registrations of its wells, so that the first fill posts nothing.
class StylePanel : public QWidget, public Reloadable {
    Q_OBJECT

public:
    ~StylePanel() override;

    // Runs the set-up steps; later calls do nothing.
    void setUp();
    // Fills every control from the store, in the order the controls were bound. Each well
    // assignment announces itself, so after setUp() every bound well posts its panel's
    // notification once.
    void reloadData() override;
    // `changed`: the control the user changed, which names the undo step.
    void sendUpdateDataNotification(const QString& name, const QWidget* changed = nullptr);

    bool formReady() const { return m_formReady; }
    void setFormReady(bool formReady) { m_formReady = formReady; }
    // Null for a panel without a title.
    TitleBarView* titleBarView() const { return m_titleBarView; }

    GlobalData& data() const { return m_data; }
    NotificationCenter& center() const { return m_center; }

protected:
    // An empty title makes a panel without a title bar.
    StylePanel(const QString& title, GlobalData& data, NotificationCenter& center, QWidget* parent);

    // The set-up steps after construction; see setUp().
    virtual void awake();
    // Tab goes through the form row by row, left to right, whatever order the controls
    // were made in. Part of setUp().
    void orderTabChain();

    // Building: the panel's form is a grid below the title bar.
    QGridLayout* form() const { return m_form; }
    QLabel* addLabel(const QString& text, int row, int column, int columnSpan = 1);
    FieldStepperPair* makePair(const QString& name, FieldStepperPair::Kind kind,
                               const StepperRange& range);
    // Places a field and its stepper side by side, followed by an optional unit label.
    void placePair(FieldStepperPair* pair, int row, int column, const QString& unit = {});
    ColorPickerImageView* makeWell(const QString& name);

    // Binding: a bound control is refilled by reloadData() and writes its setting, then
    // posts the notification, when the user changes it.
    void bindPair(FieldStepperPair* pair, Setting setting, const QString& notification);
    void bindWell(ColorPickerImageView* well, Setting setting, const QString& notification);
    // The box's action shows the stop's controls enabled or not, stores the flag and posts.
    // reloadData() sets the box and the controls' enabled state from the flag.
    void bindCheckBox(QCheckBox* box, Setting setting, const QString& notification,
                      const std::vector<QWidget*>& components);
    void addReloader(std::function<void()> reload);

    // Naming for screen readers. The subject is what the panel styles ("Drop shadow",
    // "Hover background"); by default the title in sentence case.
    void setSubject(const QString& subject) { m_subject = subject; }
    // Names a control as a sighted user reads it: the subject, then what the control sets
    // ("Drop shadow" + "X offset"). A given label becomes the control's buddy, so a mnemonic
    // in it moves the focus there.
    void describe(QWidget* control, const QString& what, QLabel* label = nullptr);
    void describe(FieldStepperPair* pair, const QString& what, QLabel* label = nullptr);

    // A well's "ColorChanged" handler, registered by registerColorObservers().
    void observeWell(ColorPickerImageView* well, std::function<void()> handler);
    void registerColorObservers();

private:
    GlobalData& m_data;
    NotificationCenter& m_center;
    TitleBarView* m_titleBarView = nullptr;
    QString m_subject;
    QGridLayout* m_form = nullptr;
    std::vector<std::function<void()>> m_reloaders;
    std::vector<std::pair<ColorPickerImageView*, std::function<void()>>> m_wellHandlers;
    bool m_formReady = true;
    bool m_setUpDone = false;
    bool m_observersRegistered = false;
};

// The small font of the panels' labels.
QFont panelLabelFont(const QFont& base);
// "Main Menu Text" → "Main menu text": words after the first lose their capital, unless
// they are abbreviations ("CSS").
QString sentenceCase(const QString& title);

} // namespace brindle
