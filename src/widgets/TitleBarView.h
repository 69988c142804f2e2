#pragma once

#include <QWidget>

class QLabel;

namespace brindle {

// The strip at the top of every style panel: a vertical blue-grey to white gradient with a
// caption at x = 17, centred vertically.
class TitleBarView : public QWidget {
    Q_OBJECT

public:
    explicit TitleBarView(QWidget* parent = nullptr);

    void setText(const QString& title);
    QString text() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeCaption();

    QLabel* m_caption = nullptr; // created by the first setText()
};

} // namespace brindle
