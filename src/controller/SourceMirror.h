#pragma once

#include <QString>

class QPlainTextEdit;

namespace brindle {

// Shows a generated text in a source view that the user can select and copy from but never
// change, and mirrors every splice of the text into the view's document in place.
void prepareSourceView(QPlainTextEdit* view);
void applySplice(QPlainTextEdit* view, qint64 position, qint64 oldLength, const QString& newText);

} // namespace brindle
