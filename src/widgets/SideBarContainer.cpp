#include "widgets/SideBarContainer.h"

#include "platform/NotificationCenter.h"
#include "widgets/FocusKeeper.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace brindle {

SideBarLayout sideBarLayout(const MainMenuPanels& p) {
    SideBarLayout layout;
    layout.pages = {
        {p.sizeView, p.backgroundView, p.separatorView, p.dropShadowView, p.innerShadowView,
         p.textView, p.textShadow1View, p.textShadow2View},
        {p.backgroundHoverView, p.textHoverView},
        {p.backgroundActiveView, p.textActiveView},
    };
    layout.reloadOrder = {
        p.sizeView,      p.backgroundView, p.backgroundHoverView, p.backgroundActiveView,
        p.separatorView, p.dropShadowView, p.innerShadowView,     p.textView,
        p.textHoverView, p.textActiveView, p.textShadow1View,     p.textShadow2View};
    // How the menu is written (its style, its class name) comes before how it looks: first,
    // where a designer opening the Main Menu mode sees it.
    if (!p.outputView.isNull()) {
        layout.pages.first().prepend(p.outputView);
        layout.reloadOrder.append(p.outputView);
    }
    // The current page is a state of its own: its page pins it in the preview.
    if (!p.currentPageView.isNull()) {
        layout.pages.append({p.currentPageView});
        layout.reloadOrder.append(p.currentPageView);
    }
    layout.strip = TabStripView::Config::SideTabView;
    return layout;
}

SideBarLayout subMenuSideBarLayout(const SubMenuPanels& p) {
    SideBarLayout layout;
    layout.pages = {
        {p.subMenuSizeView, p.subMenuBackgroundView, p.subMenuTextView},
        {p.subMenuBackgroundHoverView, p.subMenuTextHoverView},
        {p.subMenuBackgroundActiveView, p.subMenuTextActiveView},
    };
    layout.reloadOrder = {p.subMenuSizeView,
                          p.subMenuBackgroundView,
                          p.subMenuBackgroundHoverView,
                          p.subMenuBackgroundActiveView,
                          p.subMenuTextView,
                          p.subMenuTextHoverView,
                          p.subMenuTextActiveView};
    if (!p.subMenuCurrentPageView.isNull()) {
        layout.pages.append({p.subMenuCurrentPageView});
        layout.reloadOrder.append(p.subMenuCurrentPageView);
    }
    layout.strip = TabStripView::Config::SubMenuSideTabView;
    return layout;
}

SideBarLayout quickSideBarLayout(const QuickPanels& p) {
    SideBarLayout layout;
    QList<SideBarPanel> page;
    if (!p.quickModeView.isNull())
        page.append(p.quickModeView);
    page << p.quickModeGeneralView << p.quickModeNormalView << p.quickModeHoverView
         << p.quickModeActiveView;
    layout.pages = {page};
    layout.reloadOrder = page;
    layout.reloadWhenFirstLaidOut = true;
    return layout;
}

SideBarContainer::SideBarContainer(SideBarLayout layout, TabStripView* strip, QWidget* parent)
    : QWidget(parent), m_layout(std::move(layout)), m_strip(strip) {
    for (const auto& page : std::as_const(m_layout.pages)) {
        for (const SideBarPanel& panel : page) {
            Q_ASSERT(!panel.isNull());
            panel.widget()->setParent(this);
            panel.widget()->hide();
        }
    }
    m_formReady = true;
    m_lastTop = 0;
    if (m_strip)
        m_strip->setSelectIndex(0);
    showNormalSettings();
    if (m_strip) {
        NotificationCenter::defaultCenter().addObserver(
            this, QString::fromLatin1(kSelectIndexChanged), m_strip,
            [this](const Notification& notification) {
                selectIndexDidChange(
                    notification.userInfo.value(QString::fromLatin1(kIndexKey)).toLongLong());
            });
    }
}

SideBarContainer::~SideBarContainer() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

void SideBarContainer::reloadData() {
    for (const SideBarPanel& panel : std::as_const(m_layout.reloadOrder))
        panel.reloadable()->reloadData();
}

void SideBarContainer::removeAllViews() {
    for (const auto& page : std::as_const(m_layout.pages)) {
        for (const SideBarPanel& panel : page)
            panel.widget()->hide();
    }
    m_currentPage = -1;
}

int SideBarContainer::panelHeight(const QWidget* panel) {
    return std::clamp(panel->sizeHint().height(), panel->minimumHeight(), panel->maximumHeight());
}

void SideBarContainer::showPage(qsizetype index) {
    if (m_layout.pages.isEmpty())
        return;
    const FocusKeeper keeper(this);
    removeAllViews();
    const qsizetype page = std::clamp<qsizetype>(index, 0, m_layout.pages.size() - 1);
    const bool reload = m_layout.reloadWhenFirstLaidOut && !m_laidOutOnce;
    int top = 0;
    for (const SideBarPanel& panel : std::as_const(m_layout.pages[page])) {
        QWidget* widget = panel.widget();
        const int h = panelHeight(widget);
        widget->setGeometry(0, top, width(), h);
        widget->show();
        if (reload)
            panel.reloadable()->reloadData();
        top += h;
        m_lastTop = static_cast<float>(top);
    }
    m_laidOutOnce = true;
    m_currentPage = page;
    // Exactly as tall as the page; the width follows the scroll area.
    setFixedHeight(top);
}

void SideBarContainer::showFirstPage() {
    const FocusKeeper keeper(this);
    removeAllViews();
    if (m_strip)
        m_strip->setSelectIndex(0);
    showNormalSettings();
}

QList<QWidget*> SideBarContainer::shownPanels() const {
    QList<QWidget*> shown;
    if (m_currentPage < 0)
        return shown;
    for (const SideBarPanel& panel : m_layout.pages[m_currentPage])
        shown.append(panel.widget());
    return shown;
}

QSize SideBarContainer::minimumSizeHint() const {
    int widest = 0;
    for (const auto& page : m_layout.pages) {
        for (const SideBarPanel& panel : page)
            widest = std::max(widest, std::max(panel.widget()->minimumSizeHint().width(),
                                               panel.widget()->minimumWidth()));
    }
    return QSize(widest, 0);
}

void SideBarContainer::selectIndexDidChange(qint64 index) {
    if (!m_formReady)
        return;
    // The focused field may leave with its page; the focus stays in the side bar.
    const FocusKeeper keeper(this);
    removeAllViews();
    showPage(index);
}

void SideBarContainer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (QWidget* panel : shownPanels())
        panel->resize(width(), panel->height());
}

SideBarView::SideBarView(SideBarLayout layout, QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    if (layout.strip) {
        m_strip = new TabStripView(*layout.strip, this);
        column->addWidget(m_strip);
    }
    m_container = new SideBarContainer(std::move(layout), m_strip);
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    // Tab goes from control to control, and the area scrolls to show the focused one; the
    // area itself is no stop.
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_scrollArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scrollArea->setWidget(m_container);
    m_scrollArea->setMinimumWidth(m_container->minimumSizeHint().width() +
                                  m_scrollArea->verticalScrollBar()->sizeHint().width());
    column->addWidget(m_scrollArea, 1);
}

} // namespace brindle
