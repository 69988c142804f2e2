#include "widgets/SourceCodeArea.h"

#include "platform/NotificationCenter.h"

#include <QStackedWidget>
#include <QVBoxLayout>

namespace brindle {

SourceCodeArea::SourceCodeArea(QWidget* parent)
    : QWidget(parent), m_mainTabView(new TabStripView(TabStripView::Config::MainTabView, this)),
      m_sourceCodeView(new QStackedWidget(this)), m_css3TextView(new CustomTextView),
      m_htmlTextView(new CustomTextView),
      m_css3LineNumberView(new MarkerLineNumberView(m_css3TextView)),
      m_htmlLineNumberView(new MarkerLineNumberView(m_htmlTextView)) {
    setObjectName(QStringLiteral("sourceCodeViewContainer"));
    m_css3TextView->setObjectName(QStringLiteral("css3TextView"));
    m_htmlTextView->setObjectName(QStringLiteral("htmlTextView"));
    m_css3TextView->setAccessibleName(tr("Stylesheet source"));
    m_htmlTextView->setAccessibleName(tr("HTML source"));
    m_sourceCodeView->setObjectName(QStringLiteral("sourceCodeView"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_mainTabView);
    column->addWidget(m_sourceCodeView, 1);
    m_sourceCodeView->addWidget(m_css3TextView);
    m_sourceCodeView->addWidget(m_htmlTextView);
    NotificationCenter::defaultCenter().addObserver(
        this, QString::fromLatin1(kSelectIndexChanged), m_mainTabView,
        [this](const Notification& notification) {
            showSourceView(
                notification.userInfo.value(QString::fromLatin1(kIndexKey)).toLongLong());
        });
}

SourceCodeArea::~SourceCodeArea() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

void SourceCodeArea::showSourceView(qint64 index) {
    m_sourceCodeView->setCurrentWidget(index == 0 ? m_css3TextView : m_htmlTextView);
}

CustomTextView* SourceCodeArea::shownSourceView() const {
    return static_cast<CustomTextView*>(m_sourceCodeView->currentWidget());
}

} // namespace brindle
