#pragma once

#include "model/Color.h"

#include <QWidget>

class QColorDialog;

namespace brindle {

class NotificationCenter;

// The colour well of the style panels: a small rounded swatch showing one colour. A click
// opens the one shared colour dialog aimed at this well; so do Space and Enter while the well
// has the keyboard focus. Every assignment of the colour — also of an equal colour — posts
// "ColorChanged" with the well as sender.
class ColorPickerImageView : public QWidget {
    Q_OBJECT

public:
    // Posts on the default notification centre.
    explicit ColorPickerImageView(QWidget* parent = nullptr);
    ColorPickerImageView(NotificationCenter& center, QWidget* parent = nullptr);
    ~ColorPickerImageView() override;

    const Color& backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const Color& color);

    bool isColorNotSet() const { return m_isColorNotSet; }
    // A display flag only; it does not redraw by itself.
    void setIsColorNotSet(bool isColorNotSet) { m_isColorNotSet = isColorNotSet; }

    void sendUpdateDataNotification(const QString& name);

    // The action of the shared colour dialog: takes its current colour.
    void colorUpdate();
    // Aims the shared dialog at this well and shows it. Opened from the keyboard, the dialog
    // takes the focus, and gives it back to the well when it is closed.
    enum class OpenedBy { Pointer, Keyboard };
    void openColorDialog(OpenedBy openedBy = OpenedBy::Pointer);

    // The one non-modal colour dialog shared by every well (created on first use).
    static QColorDialog* sharedColorDialog();
    // Makes the shared colour window a tool window of `owner` that passes on its shortcuts.
    static void adoptColorDialog(QWidget* owner);
    // The well the shared dialog currently edits, or nullptr.
    static ColorPickerImageView* colorDialogTarget();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    NotificationCenter& m_center;
    Color m_backgroundColor; // black
    bool m_isColorNotSet = false;
};

} // namespace brindle
