#pragma once

#include <QImage>
#include <QPointF>

namespace brindle {

// A mark beside one line of a line-number ruler (1-based line number). The ruler draws its
// image beside the number and the number in the alternate colour.
class LineNumberMarker {
public:
    LineNumberMarker() = default;
    LineNumberMarker(quint32 lineNumber, QImage image, QPointF imageOrigin = {})
        : m_lineNumber(lineNumber), m_image(std::move(image)), m_imageOrigin(imageOrigin) {}

    quint32 lineNumber() const { return m_lineNumber; }
    void setLineNumber(quint32 line) { m_lineNumber = line; }
    const QImage& image() const { return m_image; }
    QPointF imageOrigin() const { return m_imageOrigin; }

private:
    quint32 m_lineNumber = 0;
    QImage m_image;
    QPointF m_imageOrigin;
};

} // namespace brindle
