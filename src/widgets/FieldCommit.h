#pragma once

class QWidget;

namespace brindle {

// True when `widget` is a text field or spin box holding typing that has not been committed
// (the value it stands for has not been taken yet).
bool hasUncommittedTyping(const QWidget* widget);

// Commits the typing in the field of `window` that has the keyboard focus, as leaving the
// field would: the field hears that it lost the focus and gets it back at once. Saving,
// exporting or replacing the design then works with what the user sees. Nothing happens
// when the focus is elsewhere or the field holds no uncommitted typing.
void commitFieldBeingEdited(QWidget* window);

// The field that edits for the focused widget: a spin box for its inner text field.
QWidget* editingFieldOf(QWidget* focused);

} // namespace brindle
