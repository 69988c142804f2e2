#include "controller/SourceMirror.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

namespace brindle {

void prepareSourceView(QPlainTextEdit* view) {
    view->setReadOnly(true);
    view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view->setAcceptDrops(false);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setUndoRedoEnabled(false);
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter);
    view->setFont(font);
}

void applySplice(QPlainTextEdit* view, qint64 position, qint64 oldLength, const QString& newText) {
    // Keep the reader's place: a splice far below must not scroll the view.
    QScrollBar* vertical = view->verticalScrollBar();
    QScrollBar* horizontal = view->horizontalScrollBar();
    const int top = vertical->value();
    const int left = horizontal->value();
    QTextCursor cursor(view->document());
    cursor.setPosition(static_cast<int>(position));
    cursor.setPosition(static_cast<int>(position + oldLength), QTextCursor::KeepAnchor);
    cursor.insertText(newText);
    vertical->setValue(top);
    horizontal->setValue(left);
}

} // namespace brindle
