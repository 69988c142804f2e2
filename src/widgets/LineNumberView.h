#pragma once

#include "widgets/CustomTextView.h"
#include "widgets/LineNumberMarker.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace brindle {

// The line-number gutter beside a source view. Line starts are computed once per text change
// and cached; drawing walks only the lines of the visible range. The gutter grows with the
// number of digits but never below 22 pixels, and a new width is adopted on the next pass of
// the event loop, never while the lines are being computed inside a paint.
class LineNumberView : public QWidget {
    Q_OBJECT
public:
    // Installs itself as the vertical ruler of the view.
    explicit LineNumberView(CustomTextView* scrollView);
    ~LineNumberView() override;

    CustomTextView* clientView() const { return m_client; }
    void setClientView(CustomTextView* client);

    void invalidateLineIndices();
    const QList<qint64>& lineIndices();
    qint64 lineNumberForCharacterIndex(qint64 index);
    // The 1-based number drawn at a vertical position of the gutter, or -1.
    qint64 lineNumberForLocation(qreal y);

    qreal ruleThickness() const { return m_ruleThickness; }
    virtual void setRuleThickness(qreal thickness);
    qreal requiredThickness();

    // One label as it is drawn: its 1-based number and the line's vertical span.
    struct Label {
        qint64 number;
        qreal top;
        qreal height;
    };
    // The labels of the lines that are visible now, top first.
    QList<Label> visibleLabels();

    std::optional<LineNumberMarker> markerAtLine(quint32 line) const;
    void setMarkers(const QList<LineNumberMarker>& markers);
    void addMarker(const LineNumberMarker& marker);
    void removeMarker(const LineNumberMarker& marker);

    // The numbers' font: unless set, the source view's font a little smaller.
    QFont labelFont() const;
    void setLabelFont(const QFont& font);
    QColor textColor() const;
    void setTextColor(const QColor& color);
    QColor alternateTextColor() const;
    void setAlternateTextColor(const QColor& color);
    std::optional<QColor> backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const std::optional<QColor>& color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void textDidChange();
    void calculateLines();
    void adoptRequiredThickness();
    void drawHashMarksAndLabels(QPainter& painter);

    QPointer<CustomTextView> m_client;
    QList<qint64> m_lineIndices;
    bool m_lineIndicesValid = false;
    bool m_thicknessChangePending = false;
    qreal m_ruleThickness = 0;
    QHash<quint32, LineNumberMarker> m_linesToMarkers; // 0-based line → marker
    std::optional<QFont> m_font;
    std::optional<QColor> m_textColor;
    std::optional<QColor> m_alternateTextColor;
    std::optional<QColor> m_backgroundColor;
    QList<QMetaObject::Connection> m_clientConnections;
};

} // namespace brindle
