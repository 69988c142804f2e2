#include "widgets/WebLabel.h"

#include "platform/Log.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>

namespace brindle {

WebLabel::WebLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::TabFocus);
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 238));
    setPalette(blue);
}

QUrl WebLabel::addressForText(const QString& text) {
    const QString trimmed = text.trimmed();
    // Secure addresses are addresses too; only a text without a scheme gets one.
    if (trimmed.startsWith(QLatin1StringView("http://"), Qt::CaseInsensitive) ||
        trimmed.startsWith(QLatin1StringView("https://"), Qt::CaseInsensitive))
        return QUrl(trimmed);
    return QUrl(QStringLiteral("http://") + trimmed);
}

bool WebLabel::isUnderlined() const {
    return font().underline();
}

void WebLabel::setUnderlined(bool underlined) {
    QFont f = font();
    f.setUnderline(underlined);
    setFont(f);
}

void WebLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    setCursor(Qt::PointingHandCursor);
    setToolTip(addressForText(text()).toString());
    setUnderlined(true);
}

void WebLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    setCursor(Qt::ArrowCursor);
    setUnderlined(false);
}

void WebLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        openAddress();
    else
        QLabel::mousePressEvent(event);
}

void WebLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space)
        openAddress();
    else
        QLabel::keyPressEvent(event);
}

void WebLabel::openAddress() {
    const QUrl address = addressForText(text());
    qCInfo(lcBrindle).noquote() << (address.toString() == text().trimmed() ? "Found" : "Not Found")
                                << text();
    QDesktopServices::openUrl(address);
}

} // namespace brindle
