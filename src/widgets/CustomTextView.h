#pragma once

#include <QColor>
#include <QPlainTextEdit>
#include <QPointer>

namespace brindle {

// A source view: shows a generated text that only the program changes. The user can select,
// copy and scroll; typing, pasting and dropping never change the text. A band behind the
// selected lines (or the caret's line) follows the selection across the full width.
//
// The document shows the text one character for one: characters that it would otherwise
// turn into (or merge into) a paragraph break are shown as visible stand-ins, so positions
// in the view always equal positions in the text, and a copy gives the text's own characters.
class CustomTextView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CustomTextView(QWidget* parent = nullptr);

    // The text as shown: CR as U+23CE, U+2028 as U+21B5, U+2029 as U+00B6 and the document's
    // frame marks U+FDD0/U+FDD1 as U+FFFD (signs that common fonts have); everything else as
    // it is. Same length as `text`.
    static QString displayText(const QString& text);

    // Replaces the whole text and shows it from the top.
    void setText(const QString& text);
    // The text itself, as given (without stand-ins).
    const QString& text() const { return m_text; }

    // Replaces `length` characters at `position` with `text` (positions in UTF-16 code units),
    // leaving the scroll position and the user's selection where they were. Returns false and
    // changes nothing when the range lies outside the text.
    bool replaceCharacters(qint64 position, qint64 length, const QString& text);
    // Shows `text` in place of the whole text, changing only what differs: the scroll position
    // and the selection stay.
    void updateText(const QString& text) { replaceCharacters(0, m_text.size(), text); }

    const QColor& textViewSelectColor() const { return m_textViewSelectColor; }
    const QColor& textViewSelectColorBorder() const { return m_textViewSelectColorBorder; }

    // The band behind the selection, in viewport coordinates.
    QRect highlightRect() const;

    // The vertical ruler sits in a left margin of this width, beside the viewport.
    void setVerticalRuler(QWidget* ruler);
    QWidget* verticalRuler() const { return m_ruler; }
    void setRulerThickness(int thickness);
    int rulerThickness() const { return m_rulerThickness; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    void placeRuler();

    QString m_text;
    QColor m_textViewSelectColor;
    QColor m_textViewSelectColorBorder;
    QPointer<QWidget> m_ruler;
    int m_rulerThickness = 0;
};

} // namespace brindle
