#pragma once

#include <QDialog>

namespace brindle {

// The About sheet: name, version, licence and home page. Window-modal on the main window;
// show it with open().
class AboutSheet : public QDialog {
    Q_OBJECT
public:
    explicit AboutSheet(QWidget* parent = nullptr);

    void closeWindow() { accept(); }
};

} // namespace brindle
