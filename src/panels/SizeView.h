#pragma once

#include "panels/StylePanel.h"

#include <QUrl>

namespace brindle {

class LockImageView;
struct PaddingAxis;

// The settings one shape panel edits, with the notification of each.
struct ShapeSettings {
    Setting borderRadius;
    QString borderRadiusNotification;
    Setting borderSize;
    QString borderSizeNotification;
    Setting borderColor;
    QString borderColorNotification;
    Setting width;
    QString widthNotification;
    StepperRange widthRange;
    bool widthInPercent; // the bar's width is a share of the page, a list's in pixels
    const char* subject; // what screen readers put in front of the rows' names
};

// The shape rows shared by the main-menu and the sub-menu panel: corner radius, border size
// and colour, width.
class ShapePanel : public StylePanel {
    Q_OBJECT

public:
    FieldStepperPair* borderRadiusPair() const { return m_borderRadius; }
    FieldStepperPair* borderSizePair() const { return m_borderSize; }
    ColorPickerImageView* borderColorImage() const { return m_borderColorImage; }
    FieldStepperPair* widthPair() const { return m_width; }

protected:
    ShapePanel(const ShapeSettings& settings, GlobalData& data, NotificationCenter& center,
               QWidget* parent);

private:
    FieldStepperPair* m_borderRadius;
    FieldStepperPair* m_borderSize;
    ColorPickerImageView* m_borderColorImage;
    FieldStepperPair* m_width;
};

// "Shape" of the main menu bar, with its four paddings, two padlocks (while one is closed,
// its two paddings move together; the states are stored settings) and a button that opens
// the preview in Firefox.
class SizeView : public ShapePanel {
    Q_OBJECT

public:
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;

    explicit SizeView(QWidget* parent = nullptr);
    SizeView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);

    LockImageView* paddingVertical() const { return m_paddingVertical; }
    LockImageView* paddingHorizontal() const { return m_paddingHorizontal; }

    // Where the preview page is; asked at each showFireFox().
    void setPreviewAddress(std::function<QUrl()> address) { m_previewAddress = std::move(address); }
    // How a program is started (QProcess::startDetached unless replaced).
    void setLauncher(Launcher launcher) { m_launcher = std::move(launcher); }

public slots:
    // Opens the preview in a Firefox found on the PATH; otherwise only tells why not.
    void showFireFox();

signals:
    void statusMessage(const QString& message);

private:
    void bindPaddingAxis(const PaddingAxis& axis, LockImageView* lock);

    LockImageView* m_paddingVertical;
    LockImageView* m_paddingHorizontal;
    std::function<QUrl()> m_previewAddress;
    Launcher m_launcher;
};

// "Shape" of the drop-down lists.
class SubMenuSizeView : public ShapePanel {
    Q_OBJECT

public:
    explicit SubMenuSizeView(QWidget* parent = nullptr);
    SubMenuSizeView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

} // namespace brindle
