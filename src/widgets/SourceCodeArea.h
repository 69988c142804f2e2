#pragma once

#include "widgets/CustomTextView.h"
#include "widgets/MarkerLineNumberView.h"
#include "widgets/TabStripView.h"

#include <QWidget>

class QStackedWidget;

namespace brindle {

// The source area: the "CSS 3" / "HTML" strip over the two source views, each with its
// line-number gutter. Only this area's own strip switches the shown source.
class SourceCodeArea : public QWidget {
    Q_OBJECT
public:
    explicit SourceCodeArea(QWidget* parent = nullptr);
    ~SourceCodeArea() override;

    TabStripView* mainTabView() const { return m_mainTabView; }
    CustomTextView* css3TextView() const { return m_css3TextView; }
    CustomTextView* htmlTextView() const { return m_htmlTextView; }
    MarkerLineNumberView* css3LineNumberView() const { return m_css3LineNumberView; }
    MarkerLineNumberView* htmlLineNumberView() const { return m_htmlLineNumberView; }

    // 0 shows the stylesheet, any other index the page.
    void showSourceView(qint64 index);
    CustomTextView* shownSourceView() const;

private:
    TabStripView* m_mainTabView;
    QStackedWidget* m_sourceCodeView;
    CustomTextView* m_css3TextView;
    CustomTextView* m_htmlTextView;
    MarkerLineNumberView* m_css3LineNumberView;
    MarkerLineNumberView* m_htmlLineNumberView;
};

} // namespace brindle
