#pragma once

#include "panels/StylePanel.h"

namespace brindle {

// The settings of one shadow and the notification that announces them.
struct ShadowSettings {
    const char* outletPrefix; // "dropShadow", "innerShadow", "textShadow1", "textShadow2"
    const char* title;
    Setting color;
    Setting opacity;
    Setting xPos;
    Setting yPos;
    Setting size;
    const char* notification;
    // The second text shadow listens to its well before its first fill, so that fill posts.
    bool observeBeforeFirstReload;
};

// A shadow: colour, opacity (0–1, in tenths), X and Y offsets and size.
class ShadowPanel : public StylePanel {
    Q_OBJECT

public:
    ColorPickerImageView* colorImage() const { return m_colorImage; }
    FieldStepperPair* opacityPair() const { return m_opacity; }

protected:
    ShadowPanel(const ShadowSettings& settings, GlobalData& data, NotificationCenter& center,
                QWidget* parent);
    void awake() override;

private:
    bool m_observeBeforeFirstReload;
    ColorPickerImageView* m_colorImage;
    FieldStepperPair* m_opacity;
};

class DropShadowView : public ShadowPanel {
    Q_OBJECT

public:
    explicit DropShadowView(QWidget* parent = nullptr);
    DropShadowView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

class InnerShadowView : public ShadowPanel {
    Q_OBJECT

public:
    explicit InnerShadowView(QWidget* parent = nullptr);
    InnerShadowView(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

class TextShadow1View : public ShadowPanel {
    Q_OBJECT

public:
    explicit TextShadow1View(QWidget* parent = nullptr);
    TextShadow1View(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

class TextShadow2View : public ShadowPanel {
    Q_OBJECT

public:
    explicit TextShadow2View(QWidget* parent = nullptr);
    TextShadow2View(GlobalData& data, NotificationCenter& center, QWidget* parent = nullptr);
};

} // namespace brindle
