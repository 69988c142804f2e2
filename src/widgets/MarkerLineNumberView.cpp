#include "widgets/MarkerLineNumberView.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace brindle {

namespace {
constexpr int kMarkerHeight = 13;
}

MarkerLineNumberView::MarkerLineNumberView(CustomTextView* scrollView)
    : LineNumberView(scrollView) {}

void MarkerLineNumberView::setRuleThickness(qreal thickness) {
    LineNumberView::setRuleThickness(thickness);
    if (!m_markerImage.isNull())
        m_markerImage =
            renderMarkerImage(QSize(static_cast<int>(std::ceil(thickness)), kMarkerHeight));
}

const QImage& MarkerLineNumberView::markerImageWithSize(QSize size) {
    if (m_markerImage.isNull())
        m_markerImage = renderMarkerImage(size);
    return m_markerImage;
}

QImage MarkerLineNumberView::renderMarkerImage(QSize size) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawMarkerImageIntoRep(painter, QSizeF(size));
    return image;
}

void MarkerLineNumberView::drawMarkerImageIntoRep(QPainter& painter, QSizeF size) {
    // A tab pointing right with rounded corners on the left (top-down coordinates).
    const qreal w = size.width();
    const qreal h = size.height();
    QPainterPath path;
    path.moveTo(w - 1, h - ((h - 3) / 2 + 2));
    path.lineTo(w - 6, 1);
    path.arcTo(QRectF(1, 1, 6, 6), 90, 90);
    path.arcTo(QRectF(1, h - 8, 6, 6), 180, 90);
    path.lineTo(w - 6, h - 2);
    path.closeSubpath();
    painter.fillPath(path, QColor::fromRgbF(0.003f, 0.56f, 0.85f));
    painter.strokePath(path, QPen(QColor::fromRgbF(0.0f, 0.44f, 0.8f), 2));
}

void MarkerLineNumberView::mousePressEvent(QMouseEvent*) {
    update();
}

} // namespace brindle
