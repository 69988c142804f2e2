#pragma once

class QMessageBox;

namespace brindle {

// Messages quote the user's titles and file names: never let them be read as markup. Call
// after the texts are set; every label of the box shows plain text.
void usePlainText(QMessageBox* box);

// A message box sizes itself to its texts, not to its window title, which the title bar then
// cuts short ("Delet…Menu"): widen it so the whole title fits. Call after the texts are set.
void fitWindowTitle(QMessageBox* box);

} // namespace brindle
