#pragma once

class QMessageBox;

namespace brindle {

// Messages quote the user's titles and file names: never let them be read as markup. Call
// after the texts are set; every label of the box shows plain text.
void usePlainText(QMessageBox* box);

} // namespace brindle
