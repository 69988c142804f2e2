#pragma once

#include <QLabel>
#include <QUrl>

namespace brindle {

// A text that acts as a hyperlink: blue, underlined while the pointer is over it, and a click
// opens it in the user's browser. A text without a scheme is opened with "http://" in front.
class WebLabel : public QLabel {
    Q_OBJECT
public:
    explicit WebLabel(const QString& text = {}, QWidget* parent = nullptr);

    static QUrl addressForText(const QString& text);
    bool isUnderlined() const;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setUnderlined(bool underlined);
    void openAddress();
};

} // namespace brindle
