#pragma once

#include "widgets/LineNumberView.h"

#include <QImage>

namespace brindle {

// A line-number gutter that can draw a tab-shaped marker image behind marked lines.
class MarkerLineNumberView : public LineNumberView {
    Q_OBJECT
public:
    explicit MarkerLineNumberView(CustomTextView* scrollView);

    // Also resizes the marker image, once it exists, to the new thickness and 13 pixels high.
    void setRuleThickness(qreal thickness) override;
    // Made on the first call; later calls return the same image whatever size they ask for.
    const QImage& markerImageWithSize(QSize size);
    static void drawMarkerImageIntoRep(QPainter& painter, QSizeF size);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    static QImage renderMarkerImage(QSize size);

    QImage m_markerImage;
};

} // namespace brindle
