#pragma once

#include <QMessageBox>

namespace brindle {

// Messages quote the user's titles and file names: never let them be read as markup. Call
// after the texts are set; every label of the box shows plain text.
void usePlainText(QMessageBox* box);

// A message box sizes itself to its texts, not to its window title, which the title bar then
// cuts short ("Delet…Menu"): widen it so the whole title fits. Call after the texts are set.
void fitWindowTitle(QMessageBox* box);

// A modal message in plain text, for the few that must be answered before going on; the
// button pressed.
QMessageBox::StandardButton
askInPlainText(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

} // namespace brindle
