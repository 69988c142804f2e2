#include "widgets/LineNumberView.h"

#include "widgets/CustomTextView.h"
#include "widgets/LineIndex.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace brindle {

LineNumberView::LineNumberView(CustomTextView* scrollView)
    : QWidget(scrollView), m_ruleThickness(LineIndex::kMinimumThickness) {
    scrollView->setVerticalRuler(this);
    scrollView->setRulerThickness(static_cast<int>(m_ruleThickness));
    setClientView(scrollView);
}

LineNumberView::~LineNumberView() = default;

void LineNumberView::setClientView(CustomTextView* client) {
    for (const auto& connection : std::as_const(m_clientConnections))
        disconnect(connection);
    m_clientConnections.clear();
    m_client = client;
    if (m_client) {
        m_clientConnections.append(connect(m_client->document(), &QTextDocument::contentsChanged,
                                           this, &LineNumberView::textDidChange));
        m_clientConnections.append(connect(m_client, &QPlainTextEdit::updateRequest, this,
                                           [this](const QRect& rect, int dy) {
                                               if (dy != 0)
                                                   scroll(0, dy);
                                               else
                                                   update(0, rect.y(), width(), rect.height());
                                           }));
    }
    invalidateLineIndices();
    update();
}

void LineNumberView::textDidChange() {
    invalidateLineIndices();
    update();
}

void LineNumberView::invalidateLineIndices() {
    m_lineIndicesValid = false;
    m_lineIndices.clear();
}

const QList<qint64>& LineNumberView::lineIndices() {
    if (!m_lineIndicesValid)
        calculateLines();
    return m_lineIndices;
}

void LineNumberView::calculateLines() {
    if (!m_client)
        return;
    m_lineIndices = LineIndex::calculateLines(m_client->document()->toPlainText());
    m_lineIndicesValid = true;
    if (LineIndex::shouldAdoptThickness(m_ruleThickness, requiredThickness()) &&
        !m_thicknessChangePending) {
        // This may run inside a paint: resize on the next pass of the event loop instead.
        m_thicknessChangePending = true;
        QMetaObject::invokeMethod(this, &LineNumberView::adoptRequiredThickness,
                                  Qt::QueuedConnection);
    }
}

void LineNumberView::adoptRequiredThickness() {
    m_thicknessChangePending = false;
    const qreal required = requiredThickness();
    if (LineIndex::shouldAdoptThickness(m_ruleThickness, required))
        setRuleThickness(required);
}

qint64 LineNumberView::lineNumberForCharacterIndex(qint64 index) {
    return LineIndex::lineNumberForCharacterIndex(lineIndices(), index);
}

qint64 LineNumberView::lineNumberForLocation(qreal y) {
    for (const Label& label : visibleLabels()) {
        if (y >= label.top && y < label.top + label.height)
            return label.number;
    }
    return -1;
}

void LineNumberView::setRuleThickness(qreal thickness) {
    m_ruleThickness = thickness;
    if (m_client && m_client->verticalRuler() == this)
        m_client->setRulerThickness(static_cast<int>(std::ceil(thickness)));
    updateGeometry();
    update();
}

qreal LineNumberView::requiredThickness() {
    const qint64 lineCount = lineIndices().size();
    const QString widest(LineIndex::digitCount(lineCount), u'8');
    return LineIndex::requiredThickness(QFontMetricsF(labelFont()).horizontalAdvance(widest));
}

QList<LineNumberView::Label> LineNumberView::visibleLabels() {
    QList<Label> labels;
    if (!m_client)
        return labels;
    const QList<qint64>& starts = lineIndices();
    const QWidget* viewport = m_client->viewport();
    const qint64 lastPosition = m_client->document()->characterCount() - 1;
    const qint64 firstVisible = m_client->cursorForPosition(QPoint(0, 0)).position();
    // One character more, so the last visible line is included.
    const qint64 lastVisible =
        m_client->cursorForPosition(QPoint(viewport->width(), viewport->height())).position() + 1;
    // From the start of the first visible line, also when the view is scrolled sideways.
    const qint64 first = starts[LineIndex::lineNumberForCharacterIndex(starts, firstVisible)];
    for (const qint64 line : LineIndex::linesInRange(starts, first, lastVisible)) {
        QTextCursor cursor(m_client->document());
        cursor.setPosition(static_cast<int>(std::min(starts[line], lastPosition)));
        const QRect rect = m_client->cursorRect(cursor);
        if (rect.top() >= viewport->height())
            break;
        labels.append(Label{line + 1, qreal(rect.top()), qreal(rect.height())});
    }
    return labels;
}

std::optional<LineNumberMarker> LineNumberView::markerAtLine(quint32 line) const {
    const auto it = m_linesToMarkers.constFind(line - 1);
    if (it == m_linesToMarkers.cend())
        return std::nullopt;
    return *it;
}

void LineNumberView::setMarkers(const QList<LineNumberMarker>& markers) {
    m_linesToMarkers.clear();
    for (const LineNumberMarker& marker : markers)
        addMarker(marker);
}

void LineNumberView::addMarker(const LineNumberMarker& marker) {
    if (marker.lineNumber() == 0)
        return;
    m_linesToMarkers.insert(marker.lineNumber() - 1, marker);
    update();
}

void LineNumberView::removeMarker(const LineNumberMarker& marker) {
    if (m_linesToMarkers.remove(marker.lineNumber() - 1))
        update();
}

QFont LineNumberView::labelFont() const {
    if (m_font)
        return *m_font;
    QFont label = m_client ? m_client->font() : QWidget::font();
    if (label.pointSizeF() > 0)
        label.setPointSizeF(label.pointSizeF() * 0.85);
    else if (label.pixelSize() > 0)
        label.setPixelSize(std::max(1, qRound(label.pixelSize() * 0.85)));
    return label;
}

void LineNumberView::setLabelFont(const QFont& font) {
    m_font = font;
    invalidateLineIndices();
    update();
}

QColor LineNumberView::textColor() const {
    return m_textColor.value_or(palette().color(QPalette::PlaceholderText));
}

void LineNumberView::setTextColor(const QColor& color) {
    m_textColor = color;
    update();
}

QColor LineNumberView::alternateTextColor() const {
    return m_alternateTextColor.value_or(palette().color(QPalette::HighlightedText));
}

void LineNumberView::setAlternateTextColor(const QColor& color) {
    m_alternateTextColor = color;
    update();
}

void LineNumberView::setBackgroundColor(const std::optional<QColor>& color) {
    m_backgroundColor = color;
    update();
}

QSize LineNumberView::sizeHint() const {
    return QSize(static_cast<int>(std::ceil(m_ruleThickness)), 0);
}

void LineNumberView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawHashMarksAndLabels(painter);
}

void LineNumberView::drawHashMarksAndLabels(QPainter& painter) {
    const qreal w = width();
    if (m_backgroundColor) {
        painter.fillRect(rect(), *m_backgroundColor);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(QPointF(w - 0.5, 0), QPointF(w - 0.5, height()));
    }
    if (!m_client)
        return;
    painter.setFont(labelFont());
    const QColor normal = textColor();
    const QColor marked = alternateTextColor();
    for (const Label& label : visibleLabels()) {
        const auto marker = m_linesToMarkers.constFind(static_cast<quint32>(label.number - 1));
        const bool hasMarker = marker != m_linesToMarkers.cend();
        if (hasMarker) {
            const QImage& image = marker->image();
            painter.drawImage(QPointF(w - image.width() - 1,
                                      label.top + label.height / 2 - marker->imageOrigin().y()),
                              image);
        }
        painter.setPen(hasMarker ? marked : normal);
        painter.drawText(QRectF(0, label.top, w - 5, label.height),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(label.number));
    }
}

} // namespace brindle
