#include "widgets/CustomTextView.h"

#include <QFontDatabase>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

namespace brindle {

namespace {

// What QTextDocument takes for a paragraph or line break besides LF: CR (and so CRLF, which
// would become one break), the Unicode separators, and its own frame marks.
QChar standIn(QChar c) {
    switch (c.unicode()) {
    case u'\r':
        return QChar(0x23CE); // RETURN SYMBOL
    case 0x2028:
        return QChar(0x21B5); // DOWNWARDS ARROW WITH CORNER LEFTWARDS
    case 0x2029:
        return QChar(0x00B6); // PILCROW SIGN
    case 0xFDD0:
    case 0xFDD1:
        return QChar::ReplacementCharacter;
    default:
        return c;
    }
}

} // namespace

QString CustomTextView::displayText(const QString& text) {
    QString shown = text;
    for (QChar& c : shown) {
        if (c.unicode() >= u' ' && c.unicode() < 0x2028) // the common case, checked cheaply
            continue;
        c = standIn(c);
    }
    return shown;
}

CustomTextView::CustomTextView(QWidget* parent)
    : QPlainTextEdit(parent), m_textViewSelectColor(209, 226, 242, 102),
      m_textViewSelectColorBorder(120, 174, 229, 102) {
    setReadOnly(true);
    // Read-only drops keyboard selection; a source view is for reading and copying.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setAcceptDrops(false);
    // Every splice would otherwise pile up in an undo stack nobody can use.
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setTabStopDistance(QFontMetricsF(font()).horizontalAdvance(u' ') * 4);
    connect(this, &QPlainTextEdit::cursorPositionChanged, viewport(),
            qOverload<>(&QWidget::update));
    connect(this, &QPlainTextEdit::selectionChanged, viewport(), qOverload<>(&QWidget::update));
}

void CustomTextView::setText(const QString& text) {
    m_text = text;
    setPlainText(displayText(text));
}

bool CustomTextView::replaceCharacters(qint64 position, qint64 length, const QString& text) {
    const qint64 textLength = m_text.size();
    if (position < 0 || length < 0 || position > textLength || length > textLength - position)
        return false;
    // Only what differs reaches the document: a menu edit rewrites a fragment of hundreds of
    // lines and changes a few. Characters stand for themselves one to one (displayText()), so
    // positions agree; a surrogate pair is never cut.
    const QStringView old = QStringView(m_text).mid(position, length);
    qsizetype same = 0;
    while (same < old.size() && same < text.size() && old[same] == text[same])
        ++same;
    if (same > 0 && same < text.size() && text[same - 1].isHighSurrogate())
        --same;
    qsizetype sameEnd = 0;
    while (sameEnd < old.size() - same && sameEnd < text.size() - same &&
           old[old.size() - 1 - sameEnd] == text[text.size() - 1 - sameEnd])
        ++sameEnd;
    if (sameEnd > 0 && text.size() - sameEnd > same && text[text.size() - sameEnd].isLowSurrogate())
        --sameEnd;
    const QString changed = text.mid(same, text.size() - same - sameEnd);
    const qint64 start = position + same;
    const qint64 removed = length - same - sameEnd;
    m_text.replace(position, length, text);
    if (removed == 0 && changed.isEmpty())
        return true;
    QTextDocument* doc = document();
    const int horizontal = horizontalScrollBar()->value();
    const int vertical = verticalScrollBar()->value();
    QTextCursor cursor(doc);
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(start + removed), QTextCursor::KeepAnchor);
    cursor.insertText(displayText(changed));
    verticalScrollBar()->setValue(vertical);
    horizontalScrollBar()->setValue(horizontal);
    return true;
}

QRect CustomTextView::highlightRect() const {
    const QTextCursor cursor = textCursor();
    QTextCursor start(document());
    start.setPosition(cursor.selectionStart());
    QTextCursor end(document());
    end.setPosition(cursor.selectionEnd());
    const QRect top = cursorRect(start);
    const QRect bottom = cursorRect(end);
    return QRect(0, top.top(), viewport()->width(), bottom.bottom() - top.top() + 1);
}

void CustomTextView::setVerticalRuler(QWidget* ruler) {
    m_ruler = ruler;
    if (m_ruler) {
        m_ruler->setParent(this);
        m_ruler->show();
    }
    setRulerThickness(m_ruler ? m_rulerThickness : 0);
}

void CustomTextView::setRulerThickness(int thickness) {
    m_rulerThickness = std::max(0, thickness);
    setViewportMargins(m_ruler ? m_rulerThickness : 0, 0, 0, 0);
    placeRuler();
}

void CustomTextView::placeRuler() {
    if (!m_ruler)
        return;
    const QRect area = contentsRect();
    m_ruler->setGeometry(area.left(), area.top(), m_rulerThickness, viewport()->height());
}

void CustomTextView::paintEvent(QPaintEvent* event) {
    {
        // Drawn first, so the text lies on top of the band.
        QPainter painter(viewport());
        const QRectF band = QRectF(highlightRect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(m_textViewSelectColorBorder);
        painter.setBrush(m_textViewSelectColor);
        painter.drawRect(band);
    }
    QPlainTextEdit::paintEvent(event);
}

void CustomTextView::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    placeRuler();
}

bool CustomTextView::canInsertFromMimeData(const QMimeData*) const {
    return false;
}

void CustomTextView::insertFromMimeData(const QMimeData*) {}

QMimeData* CustomTextView::createMimeDataFromSelection() const {
    // Positions in the view are positions in the text, so the selection copies the text's
    // own characters: no stand-ins, and no-break spaces stay (the document's plain text
    // would turn them into spaces).
    const QTextCursor cursor = textCursor();
    auto* data = new QMimeData;
    data->setText(
        m_text.mid(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()));
    return data;
}

} // namespace brindle
