#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QWidget>

namespace brindle {

inline constexpr auto kSelectIndexChanged = "SelectIndexChanged";
inline constexpr auto kIndexKey = "Index";

// A drawn strip of centred tab titles. One class serves every strip of the window; its
// configuration picks the tab set. A selection is announced by posting "SelectIndexChanged"
// on the default notification centre with the strip as sender and {"Index": int}. With the
// keyboard focus, the arrow keys (and Home, End) choose the tab, as in a tab bar.
class TabStripView : public QWidget {
    Q_OBJECT
public:
    enum class Config { SideTabView, SubMenuSideTabView, MainTabView, RelatedAppTabView };

    explicit TabStripView(Config config, QWidget* parent = nullptr);

    Config config() const { return m_config; }
    static QStringList tabsForConfig(Config config);

    void addTab(const QString& title);
    const QStringList& tabs() const { return m_tabs; }

    qint64 selectIndex() const { return m_selectIndex; }
    // Stores the index, redraws and always announces it, also when it is unchanged.
    void setSelectIndex(qint64 index);
    void sendMessage(qint64 index);
    // The user's choice of a tab (a click, a key): announced only when it changes.
    void selectTab(qint64 index);

    // Recentres the tabs and their click areas for the current width.
    void windowDidResize();
    const QList<QRect>& clickAreas() const { return m_textBezierPathArray; }
    qint64 totalWidth() const { return m_totalWidth; }
    qint64 textHeight() const { return m_textHeight; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QFont labelFont() const;

    Config m_config;
    QStringList m_tabs;
    QList<QSize> m_textSizeArray;
    QList<QRect> m_textBezierPathArray;
    qint64 m_totalWidth = 0;
    qint64 m_textHeight = 0;
    qint64 m_selectIndex = -1;
    QColor m_selectColor;
    QColor m_borderSelectColor;
};

} // namespace brindle
