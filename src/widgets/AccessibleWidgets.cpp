#include "widgets/AccessibleWidgets.h"

#include "platform/InterfaceLanguage.h"
#include "widgets/ColorPickerImageView.h"
#include "widgets/LockImageView.h"
#include "widgets/TabStripView.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QWindow>

#include <cmath>

namespace brindle {

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(AccessibleWidgets)
};

// "#3a6ea5", with the opacity when the colour is not opaque.
QString colourValue(const Color& colour) {
    const QString hex = hexadecimalValueOfAnNSColor(colour);
    if (colour.alpha >= 1.0)
        return hex;
    return Texts::tr("%1, %2% opaque").arg(hex).arg(std::lround(colour.alpha * 100.0));
}

// A colour well: a button named after what it colours, its colour as value (and, since not
// every screen reader reads a button's value, as description too).
class WellAccessible : public QAccessibleWidget {
public:
    explicit WellAccessible(ColorPickerImageView* well)
        : QAccessibleWidget(well, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        const auto* well = static_cast<const ColorPickerImageView*>(widget());
        switch (t) {
        case QAccessible::Name:
            if (well->accessibleName().isEmpty())
                return Texts::tr("Colour");
            break;
        case QAccessible::Value:
            return colourValue(well->backgroundColor());
        case QAccessible::Description:
            if (well->accessibleDescription().isEmpty())
                return colourValue(well->backgroundColor());
            break;
        default:
            break;
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction())
            static_cast<ColorPickerImageView*>(widget())->openColorDialog(
                ColorPickerImageView::OpenedBy::Keyboard);
        else
            QAccessibleWidget::doAction(name);
    }
};

// A padlock: a toggle button, checked while the two sides move together.
class LockAccessible : public QAccessibleWidget {
public:
    explicit LockAccessible(LockImageView* lock) : QAccessibleWidget(lock, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = static_cast<const LockImageView*>(widget())->isLock();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction() || name == toggleAction())
            static_cast<LockImageView*>(widget())->toggle();
        else
            QAccessibleWidget::doAction(name);
    }
};

// One tab of a strip. It has no object of its own; the strip's interface owns it.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(TabStripView* strip, int index) : m_strip(strip), m_index(index) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    bool isValid() const override { return m_strip && m_index < m_strip->tabs().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_strip ? m_strip->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_strip.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        return isValid() && t == QAccessible::Name ? m_strip->tabs().at(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.selected = m_strip->selectIndex() == m_index;
        s.focused = s.selected && m_strip->hasFocus();
        s.invisible = !m_strip->isVisible();
        s.disabled = !m_strip->isEnabled();
        return s;
    }
    QRect rect() const override {
        if (!isValid() || m_index >= m_strip->clickAreas().size())
            return {};
        const QRect area = m_strip->clickAreas().at(m_index);
        return QRect(m_strip->mapToGlobal(area.topLeft()), area.size());
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override {
        if (isValid() && name == pressAction())
            m_strip->selectTab(m_index);
    }

private:
    QPointer<TabStripView> m_strip;
    int m_index;
};

// A tab strip: a page tab list whose children are its tabs.
class TabStripAccessible : public QAccessibleWidget {
public:
    explicit TabStripAccessible(TabStripView* strip)
        : QAccessibleWidget(strip, QAccessible::PageTabList) {}
    ~TabStripAccessible() override {
        for (QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(strip()->tabs().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (m_tabs.size() <= index) {
            auto* tab = new TabAccessible(strip(), static_cast<int>(m_tabs.size()));
            m_tabs.append(QAccessible::registerAccessibleInterface(tab));
        }
        return QAccessible::accessibleInterface(m_tabs.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < m_tabs.size(); ++i) {
            if (QAccessible::accessibleInterface(m_tabs.at(i)) == child)
                return i;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = strip()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < strip()->clickAreas().size(); ++i) {
            if (strip()->clickAreas().at(i).contains(local))
                return child(i);
        }
        return nullptr;
    }

private:
    TabStripView* strip() const { return static_cast<TabStripView*>(widget()); }

    mutable QList<QAccessible::Id> m_tabs;
};

QAccessibleInterface* accessibleWidgetFactory(const QString&, QObject* object) {
    if (auto* well = qobject_cast<ColorPickerImageView*>(object))
        return new WellAccessible(well);
    if (auto* lock = qobject_cast<LockImageView*>(object))
        return new LockAccessible(lock);
    if (auto* strip = qobject_cast<TabStripView*>(object))
        return new TabStripAccessible(strip);
    return nullptr;
}

} // namespace

void installAccessibleWidgets() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleWidgetFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void drawFocusRing(QPainter& painter, const QWidget& widget, const QRectF& around) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(widget.palette().color(QPalette::Active, QPalette::Highlight), 2));
    painter.drawRoundedRect(around.adjusted(1, 1, -1, -1), 4, 4);
    painter.restore();
}

QString undoStepName(const QWidget* control) {
    return control == nullptr ? QString() : titleCased(control->accessibleName());
}

QString titleCased(const QString& text) {
    QString name = text.simplified();
    // Title case is an English rule; a translated name only begins with a capital.
    if (!interfaceIsEnglish()) {
        if (!name.isEmpty())
            name[0] = name.at(0).toUpper();
        return name;
    }
    bool wordStart = true;
    for (QChar& c : name) {
        if (wordStart)
            c = c.toUpper();
        wordStart = c == u' ';
    }
    return name;
}

} // namespace brindle
