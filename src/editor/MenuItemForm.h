#pragma once

#include <QDialog>
#include <QPointer>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace brindle {

class FieldStepperPair;
class Node;

// The add and edit form of the menu structure editor, shown as a popover under its button.
// It only collects input; MenuStructureView applies it to the tree on confirm.
class MenuItemForm : public QDialog {
    Q_OBJECT
public:
    enum class IconSlot { Normal = 0, Retina = 1 };

    // What the user did with an icon field since the form was opened. An untouched field
    // keeps the item's icon; only a file chosen in this form gives the item a new one.
    struct IconChoice {
        enum class Kind { Unchanged, Chosen, Cleared };
        Kind kind = Kind::Unchanged;
        QString path; // the chosen file, for Kind::Chosen
    };

    // Opens a file chooser without blocking and calls `done` with the picked path.
    using FileChooser =
        std::function<void(QWidget* parent, IconSlot slot, std::function<void(QString)> done)>;

    static constexpr qint64 kIconGapMinimum = 0;
    static constexpr qint64 kIconGapMaximum = 100;
    // The gap a first icon gets when the item's is 0, so the title does not touch it.
    static constexpr qint64 kNewIconGap = 6;

    explicit MenuItemForm(QWidget* parent = nullptr);

    // Fills the form for a new item; the kinds offered are the levels from the bar down to
    // `deepestLevel`, the deepest preselected. The link field keeps its text.
    void prepareForAdd(int deepestLevel);
    // Fills the form from an existing item at `level` (1: the bar); its kind cannot be changed
    // here.
    void prepareForEdit(const Node& item, int level);
    // Shows the form under `anchor`, kept on the anchor's screen.
    void showUnder(QWidget* anchor);

    bool isEditing() const { return m_editing; }
    QString title() const;
    // Puts the keyboard in the title field, its text selected.
    void focusTitle();
    // The chosen kind as a menu level: 1 for the bar, 2 for a drop-down, 3 inside one.
    int level() const;
    QString link() const;
    qint64 iconGap() const;
    IconChoice iconChoice(IconSlot slot) const { return m_icons[index(slot)].choice; }
    // Whether "follows the text colour" can take effect: only Modern pages place an icon in
    // the text's colour; otherwise the box is disabled and its tooltip says why.
    void setFollowingOffered(bool offered);
    // Whether the icon, as the form now has it, is an SVG document; it then needs no 2× file.
    bool iconIsSvg() const { return m_svgIcon; }
    // "Icon follows the text colour", for an SVG icon.
    bool iconFollowsTextColour() const;
    QStringList kindEntries() const;

    // Replaces the file dialog (tests, or a platform chooser).
    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }

public slots:
    void selectImageFile() { selectIconFile(IconSlot::Normal); }
    void selectRetinaImageFile() { selectIconFile(IconSlot::Retina); }
    void chooseImageFile(const QString& path) { chooseIconFile(IconSlot::Normal, path); }
    void chooseRetinaImageFile(const QString& path) { chooseIconFile(IconSlot::Retina, path); }
    void clearImageFile() { clearIconFile(IconSlot::Normal); }
    void clearRetinaImageFile() { clearIconFile(IconSlot::Retina); }
    void selectIconFile(IconSlot slot);
    void chooseIconFile(IconSlot slot, const QString& path);
    void clearIconFile(IconSlot slot);

    // The icon-gap field–stepper pair.
    void updatePaddingRightTextFieldValue();
    void updatePaddingRightStepperValue();

signals:
    // The confirm button ("Create" or "Save") was pressed.
    void confirmed();

private:
    void showFollowingAvailability();
    bool m_followingOffered = true;
    struct IconRow {
        QWidget* label = nullptr;
        QLineEdit* field = nullptr;
        QPushButton* choose = nullptr;
        QPushButton* clear = nullptr;
        IconChoice choice;
    };
    static size_t index(IconSlot slot) { return static_cast<size_t>(slot); }
    void addIconRow(QGridLayout* grid, int row, IconSlot slot, const QString& label,
                    const QString& fieldName);
    void showIconName(IconSlot slot, const QString& name);
    void setIconIsSvg(bool svg);
    void openFileDialog(IconSlot slot, std::function<void(QString)> done);

    QLineEdit* m_title;
    QComboBox* m_kind;
    QLineEdit* m_link;
    std::array<IconRow, 2> m_icons;
    QCheckBox* m_followsTextColour;
    FieldStepperPair* m_gap;
    QPushButton* m_confirm;
    FileChooser m_chooser;
    QPointer<QWidget> m_anchor; // the button the popover was last shown under
    bool m_editing = false;
    bool m_svgIcon = false;
    QString m_hiddenRetinaName; // shown again when the icon stops being an SVG
    bool m_formReady = true;    // re-entrancy guard of the icon-gap pair
};

} // namespace brindle
