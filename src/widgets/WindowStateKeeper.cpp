#include "widgets/WindowStateKeeper.h"

#include <QEvent>
#include <QSettings>
#include <QSplitter>
#include <QWidget>

namespace brindle {

namespace {

QString geometryKey() {
    return QStringLiteral("geometry");
}

QString splitterKey(const QSplitter* splitter, qsizetype index) {
    const QString name = splitter->objectName();
    return QStringLiteral("splitter/") + (name.isEmpty() ? QString::number(index) : name);
}

} // namespace

WindowStateKeeper::WindowStateKeeper(QWidget* window, const QList<QSplitter*>& splitters,
                                     const QString& group)
    : QObject(window), m_window(window), m_group(group) {
    for (QSplitter* splitter : splitters)
        m_splitters.append(splitter);
    window->installEventFilter(this);
    restore();
}

bool WindowStateKeeper::restore() {
    QSettings settings(QStringLiteral("Brindle"), QStringLiteral("Brindle"));
    settings.beginGroup(m_group);
    bool restored = false;
    if (m_window && settings.contains(geometryKey()))
        restored = m_window->restoreGeometry(settings.value(geometryKey()).toByteArray());
    for (qsizetype i = 0; i < m_splitters.size(); ++i) {
        QSplitter* splitter = m_splitters[i];
        const QString key = splitterKey(splitter, i);
        if (splitter && settings.contains(key))
            splitter->restoreState(settings.value(key).toByteArray());
    }
    return restored;
}

void WindowStateKeeper::save() {
    QSettings settings(QStringLiteral("Brindle"), QStringLiteral("Brindle"));
    settings.beginGroup(m_group);
    if (m_window)
        settings.setValue(geometryKey(), m_window->saveGeometry());
    for (qsizetype i = 0; i < m_splitters.size(); ++i) {
        if (QSplitter* splitter = m_splitters[i])
            settings.setValue(splitterKey(splitter, i), splitter->saveState());
    }
    settings.endGroup();
    settings.sync();
}

bool WindowStateKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::Close)
        save();
    return QObject::eventFilter(watched, event);
}

} // namespace brindle
