#include "widgets/WorkspaceModes.h"

#include "widgets/FocusKeeper.h"
#include "widgets/SideBarContainer.h"

#include <QAction>
#include <QActionGroup>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <QWidget>

namespace brindle {

namespace {

struct ModeInfo {
    const char* objectName;
    const char* label;
    const char* toolTip;
    const char* shortcut;
};

// In the toolbar's order.
constexpr std::array<ModeInfo, WorkspaceModes::kModeCount> kModeInfo{{
    {"menuStructure", QT_TRANSLATE_NOOP("brindle::WorkspaceModes", "&Menu Structure"),
     QT_TRANSLATE_NOOP("brindle::WorkspaceModes", "Edit the menu items, their links and icons"),
     "Ctrl+1"},
    {"quickMode", QT_TRANSLATE_NOOP("brindle::WorkspaceModes", "&Quick Mode"),
     QT_TRANSLATE_NOOP("brindle::WorkspaceModes", "Style the whole menu from a few colours"),
     "Ctrl+2"},
    {"mainMenu", QT_TRANSLATE_NOOP("brindle::WorkspaceModes", "Ma&in Menu"),
     QT_TRANSLATE_NOOP("brindle::WorkspaceModes", "Style the menu bar: normal, hover and active"),
     "Ctrl+3"},
    {"subMenu", QT_TRANSLATE_NOOP("brindle::WorkspaceModes", "&Sub-Menu"),
     QT_TRANSLATE_NOOP("brindle::WorkspaceModes",
                       "Style the drop-down lists: normal, hover and active"),
     "Ctrl+4"},
}};

// Small drawn pictures of what each mode edits, so the toolbar needs no image files.
QIcon modeIcon(WorkspaceModes::Mode mode) {
    constexpr int kSize = 32;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor bar(58, 110, 165);
    const QColor light(170, 200, 230);
    const QColor ink(60, 60, 60);
    switch (mode) {
    case WorkspaceModes::Mode::MenuStructure:
        // An outline: two items, the second with two sub-items.
        p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(8, 25));
        p.drawLine(QPointF(8, 25), QPointF(13, 25));
        p.drawLine(QPointF(8, 18), QPointF(13, 18));
        p.fillRect(QRectF(3, 3, 20, 5), bar);
        p.fillRect(QRectF(14, 15.5, 15, 5), light);
        p.fillRect(QRectF(14, 22.5, 15, 5), light);
        break;
    case WorkspaceModes::Mode::Quick: {
        QPainterPath bolt;
        bolt.moveTo(19, 2);
        bolt.lineTo(7, 18);
        bolt.lineTo(15, 18);
        bolt.lineTo(12, 30);
        bolt.lineTo(25, 13);
        bolt.lineTo(17, 13);
        bolt.closeSubpath();
        p.fillPath(bolt, QColor(240, 180, 40));
        p.strokePath(bolt, QPen(QColor(160, 110, 20), 1.5));
        break;
    }
    case WorkspaceModes::Mode::MainMenu:
        // A bar of three items.
        p.fillRect(QRectF(2, 11, 28, 10), bar);
        p.setPen(QPen(Qt::white, 1.5));
        p.drawLine(QPointF(11.5, 13), QPointF(11.5, 19));
        p.drawLine(QPointF(20.5, 13), QPointF(20.5, 19));
        break;
    case WorkspaceModes::Mode::SubMenu:
        // A bar with a list dropping from its first item.
        p.fillRect(QRectF(2, 3, 28, 8), bar);
        p.fillRect(QRectF(4, 12, 14, 17), light);
        p.setPen(QPen(bar, 1.5));
        p.drawLine(QPointF(6, 17.5), QPointF(16, 17.5));
        p.drawLine(QPointF(6, 23.5), QPointF(16, 23.5));
        break;
    }
    return QIcon(pixmap);
}

} // namespace

WorkspaceModes::WorkspaceModes(QWidget* sideBarViewContainer, QObject* parent)
    : QObject(parent), m_sideBarViewContainer(sideBarViewContainer),
      m_group(new QActionGroup(this)) {
    m_group->setExclusive(true);
    if (!sideBarViewContainer->layout()) {
        auto* layout = new QVBoxLayout(sideBarViewContainer);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    for (int i = 0; i < kModeCount; ++i) {
        const ModeInfo& info = kModeInfo[static_cast<size_t>(i)];
        auto* action = new QAction(tr(info.label), m_group);
        action->setObjectName(QLatin1StringView(info.objectName));
        const QKeySequence shortcut(QLatin1StringView(info.shortcut));
        // The toolbar shows the shortcut too, as the View menu does.
        action->setToolTip(
            tr("%1 (%2)").arg(tr(info.toolTip), shortcut.toString(QKeySequence::NativeText)));
        action->setShortcut(shortcut);
        action->setCheckable(true);
        action->setEnabled(false);
        const auto mode = static_cast<Mode>(i);
        action->setIcon(modeIcon(mode));
        connect(action, &QAction::triggered, this, [this, mode] { showMode(mode); });
        m_modes[static_cast<size_t>(i)].action = action;
    }
}

void WorkspaceModes::setModeView(Mode mode, QWidget* view, std::function<void()> refresh) {
    ModeEntry& entry = m_modes[static_cast<size_t>(index(mode))];
    if (entry.view && entry.view != view && entry.view == currentModeView())
        m_sideBarViewContainer->layout()->removeWidget(entry.view);
    entry.view = view;
    entry.refresh = std::move(refresh);
    entry.action->setEnabled(view != nullptr);
    // Mode views live in the area, hidden while another mode is shown.
    if (view && view->parentWidget() != m_sideBarViewContainer) {
        view->setParent(m_sideBarViewContainer);
        view->hide();
    }
}

QWidget* WorkspaceModes::modeView(Mode mode) const {
    return m_modes[static_cast<size_t>(index(mode))].view;
}

QWidget* WorkspaceModes::currentModeView() const {
    QLayout* layout = m_sideBarViewContainer ? m_sideBarViewContainer->layout() : nullptr;
    if (!layout || layout->count() == 0)
        return nullptr;
    return layout->itemAt(0)->widget();
}

void WorkspaceModes::showMode(Mode mode) {
    ModeEntry& chosen = m_modes[static_cast<size_t>(index(mode))];
    if (!chosen.view || !m_sideBarViewContainer)
        return;
    // A field of the view that leaves hands the focus to the view that comes.
    const FocusKeeper keeper(m_sideBarViewContainer);
    QLayout* layout = m_sideBarViewContainer->layout();
    for (const ModeEntry& other : m_modes) {
        if (other.view && other.view != chosen.view) {
            layout->removeWidget(other.view);
            other.view->hide();
        }
    }
    if (layout->indexOf(chosen.view) < 0)
        layout->addWidget(chosen.view);
    chosen.view->show();
    if (chosen.refresh)
        chosen.refresh();
    chosen.action->setChecked(true);
    emit modeChanged(mode);
}

std::function<void()> mainMenuModeRefresh(SideBarContainer* sideBarContainer) {
    return [sideBarContainer] {
        sideBarContainer->reloadData();
        sideBarContainer->showFirstPage();
    };
}

std::function<void()> subMenuModeRefresh(SideBarContainer* subMenuSideBarContainer,
                                         Reloadable* subMenuBackgroundView) {
    return [subMenuSideBarContainer, subMenuBackgroundView] {
        subMenuBackgroundView->reloadData();
        subMenuSideBarContainer->showFirstPage();
    };
}

} // namespace brindle
