#include "widgets/TabStripView.h"

#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "widgets/AccessibleWidgets.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace brindle {

namespace {

constexpr int kTabGap = 16;

struct TabSet {
    TabStripView::Config config;
    const char* objectName;
    const char* accessibleName; // what the strip chooses, for screen readers
    QList<const char*> tabs;    // translated where shown
    bool logsResize;
};

const QList<TabSet>& tabSets() {
    static const QList<TabSet> sets{
        {TabStripView::Config::SideTabView,
         "sideTabView",
         QT_TRANSLATE_NOOP("TabStripView", "Menu bar state"),
         {QT_TRANSLATE_NOOP("TabStripView", "Normal"), QT_TRANSLATE_NOOP("TabStripView", "Hover"),
          QT_TRANSLATE_NOOP("TabStripView", "Active"),
          QT_TRANSLATE_NOOP("TabStripView", "Current")},
         false},
        {TabStripView::Config::SubMenuSideTabView,
         "subMenuSideTabView",
         QT_TRANSLATE_NOOP("TabStripView", "Sub-menu state"),
         {QT_TRANSLATE_NOOP("TabStripView", "Normal"), QT_TRANSLATE_NOOP("TabStripView", "Hover"),
          QT_TRANSLATE_NOOP("TabStripView", "Active"),
          QT_TRANSLATE_NOOP("TabStripView", "Current")},
         false},
        {TabStripView::Config::MainTabView,
         "mainTabView",
         QT_TRANSLATE_NOOP("TabStripView", "Source code"),
         {"CSS 3", "HTML"},
         true},
        {TabStripView::Config::RelatedAppTabView,
         "relatedAppTabView",
         QT_TRANSLATE_NOOP("TabStripView", "Application category"),
         {QT_TRANSLATE_NOOP("TabStripView", "Developer Tools"),
          QT_TRANSLATE_NOOP("TabStripView", "Utilities")},
         true},
    };
    return sets;
}

const TabSet& tabSet(TabStripView::Config config) {
    for (const TabSet& set : tabSets()) {
        if (set.config == config)
            return set;
    }
    return tabSets().front();
}

} // namespace

TabStripView::TabStripView(Config config, QWidget* parent)
    : QWidget(parent), m_config(config), m_selectColor(124, 155, 173, 102),
      m_borderSelectColor(84, 115, 113, 102) {
    const TabSet& set = tabSet(config);
    // Before the name: naming announces the strip, which fixes its interface.
    installAccessibleWidgets();
    setObjectName(QLatin1StringView(set.objectName));
    setAccessibleName(QCoreApplication::translate("TabStripView", set.accessibleName));
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (const char* title : set.tabs)
        addTab(QCoreApplication::translate("TabStripView", title));
    windowDidResize();
}

QStringList TabStripView::tabsForConfig(Config config) {
    QStringList titles;
    for (const char* title : tabSet(config).tabs)
        titles << QCoreApplication::translate("TabStripView", title);
    return titles;
}

QFont TabStripView::labelFont() const {
    return font();
}

void TabStripView::addTab(const QString& title) {
    const QFontMetrics metrics(labelFont());
    const QSize size(metrics.horizontalAdvance(title), metrics.height());
    m_tabs.append(title);
    m_textSizeArray.append(size);
    m_textHeight = size.height();
    m_totalWidth += size.width();
    windowDidResize();
    updateGeometry();
    update();
}

void TabStripView::setSelectIndex(qint64 index) {
    m_selectIndex = index;
    update();
    sendMessage(index);
}

void TabStripView::sendMessage(qint64 index) {
    NotificationCenter::defaultCenter().post(QString::fromLatin1(kSelectIndexChanged), this,
                                             {{QString::fromLatin1(kIndexKey), int(index)}});
}

void TabStripView::windowDidResize() {
    m_totalWidth = 0;
    for (const QSize& size : std::as_const(m_textSizeArray))
        m_totalWidth += size.width();
    if (!m_textSizeArray.isEmpty())
        m_totalWidth += kTabGap * (m_textSizeArray.size() - 1);
    m_textBezierPathArray.clear();
    qint64 x = (width() - m_totalWidth) / 2;
    const int top = static_cast<int>((height() - m_textHeight) / 2);
    for (const QSize& size : std::as_const(m_textSizeArray)) {
        m_textBezierPathArray.append(QRect(static_cast<int>(x - 5), top - 5, size.width() + 10,
                                           static_cast<int>(m_textHeight) + 10));
        x += size.width() + kTabGap;
    }
    if (tabSet(m_config).logsResize)
        qCDebug(lcBrindle) << "windowDidResize";
}

QSize TabStripView::sizeHint() const {
    return QSize(static_cast<int>(m_totalWidth) + 40, static_cast<int>(m_textHeight) * 2 + 4);
}

QSize TabStripView::minimumSizeHint() const {
    return QSize(static_cast<int>(m_totalWidth) + 12, static_cast<int>(m_textHeight) * 2 + 4);
}

void TabStripView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    windowDidResize();
}

void TabStripView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal h = height();
    QLinearGradient gradient(0, h, 0, 0);
    gradient.setColorAt(0, QColor(179, 179, 179));
    gradient.setColorAt(1, QColor(220, 220, 220));
    painter.fillRect(rect(), gradient);

    painter.setFont(labelFont());
    qreal x = static_cast<qint64>((width() - m_totalWidth) / 2);
    for (qsizetype i = 0; i < m_tabs.size(); ++i) {
        const qreal w = m_textSizeArray[i].width();
        const qreal th = m_textSizeArray[i].height();
        const qreal y = (h - th) / 2;
        if (i == m_selectIndex) {
            const QRectF band(x - 5, th / 2, w + 10, h - th);
            painter.setPen(m_borderSelectColor);
            painter.setBrush(m_selectColor);
            painter.drawRect(band.adjusted(0.5, 0.5, -0.5, -0.5));
        }
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x, y, w, th), Qt::AlignCenter, m_tabs[i]);
        if (i + 1 < m_tabs.size()) {
            const qreal divider = x + w + 8;
            painter.setPen(Qt::darkGray);
            painter.drawLine(QPointF(divider + 0.5, th / 2), QPointF(divider + 0.5, h - th / 2));
            painter.setPen(Qt::white);
            painter.drawLine(QPointF(divider + 1.5, th / 2), QPointF(divider + 1.5, h - th / 2));
        }
        x += w + kTabGap;
    }
    if (hasFocus() && m_selectIndex >= 0 && m_selectIndex < m_textBezierPathArray.size())
        drawFocusRing(painter, *this, QRectF(m_textBezierPathArray[m_selectIndex]));
}

void TabStripView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    for (qsizetype i = 0; i < m_textBezierPathArray.size(); ++i) {
        if (m_textBezierPathArray[i].contains(point)) {
            selectTab(i);
            return;
        }
    }
}

void TabStripView::selectTab(qint64 index) {
    if (index < 0 || index >= m_tabs.size() || index == m_selectIndex)
        return;
    m_selectIndex = index;
    sendMessage(index);
    update();
    if (hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent focused(this, QAccessible::Focus);
        focused.setChild(static_cast<int>(index));
        QAccessible::updateAccessibility(&focused);
    }
}

void TabStripView::keyPressEvent(QKeyEvent* event) {
    const qint64 last = m_tabs.size() - 1;
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    switch (event->key()) {
    case Qt::Key_Left:
        selectTab(rightToLeft ? std::min(m_selectIndex + 1, last)
                              : std::max<qint64>(m_selectIndex - 1, 0));
        break;
    case Qt::Key_Right:
        selectTab(rightToLeft ? std::max<qint64>(m_selectIndex - 1, 0)
                              : std::min(m_selectIndex + 1, last));
        break;
    case Qt::Key_Home:
        selectTab(0);
        break;
    case Qt::Key_End:
        selectTab(last);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TabStripView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TabStripView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

} // namespace brindle
