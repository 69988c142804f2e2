#include "widgets/TitleBarView.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

namespace brindle {

namespace {
constexpr int kCaptionX = 17;
constexpr int kHeight = 22;
} // namespace

TitleBarView::TitleBarView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TitleBarView::setText(const QString& title) {
    if (m_caption == nullptr) {
        m_caption = new QLabel(this);
        m_caption->setObjectName(QStringLiteral("caption"));
        QFont font = m_caption->font();
        font.setBold(true);
        m_caption->setFont(font);
        m_caption->setTextInteractionFlags(Qt::NoTextInteraction);
        m_caption->setAttribute(Qt::WA_TranslucentBackground);
        QPalette pal = m_caption->palette();
        pal.setColor(QPalette::WindowText, QColor(40, 48, 60));
        m_caption->setPalette(pal);
    }
    m_caption->setText(title);
    m_caption->adjustSize();
    placeCaption();
}

QString TitleBarView::text() const {
    return m_caption != nullptr ? m_caption->text() : QString();
}

QSize TitleBarView::sizeHint() const {
    return {200, kHeight};
}

void TitleBarView::placeCaption() {
    if (m_caption != nullptr)
        m_caption->move(kCaptionX, (height() - m_caption->height()) / 2);
}

void TitleBarView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeCaption();
}

void TitleBarView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0.0, QColor(163, 175, 192));
    gradient.setColorAt(1.0, Qt::white);
    painter.fillRect(rect(), gradient);
}

} // namespace brindle
