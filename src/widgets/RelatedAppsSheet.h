#pragma once

#include <QDialog>
#include <QList>
#include <QUrl>

class QStackedWidget;

namespace brindle {

class TabStripView;

// A freely available tool that goes well with designing menus for web pages.
struct RelatedApplication {
    enum class Category { DeveloperTools, Utilities };
    Category category;
    QString name;
    QString description;
    QUrl homepage;
};

// The related-applications sheet: two categories switched by a tab strip, each listing tools
// with a link to their home pages. Window-modal on the main window; show it with open().
class RelatedAppsSheet : public QDialog {
    Q_OBJECT
public:
    explicit RelatedAppsSheet(QWidget* parent = nullptr);
    ~RelatedAppsSheet() override;

    static const QList<RelatedApplication>& relatedApplications();

    TabStripView* relatedAppTabView() const { return m_relatedAppTabView; }
    // The category shown now.
    RelatedApplication::Category shownCategory() const;
    void showUtilitiesView();
    void showDeveloperToolsView();
    // Opens the home page of the application at that index of relatedApplications().
    void openApplicationPage(qsizetype index);
    void closeWindow() { accept(); }

private:
    void categoryIndexDidChange(int index);
    QWidget* makeCategoryView(RelatedApplication::Category category);

    TabStripView* m_relatedAppTabView = nullptr;
    QStackedWidget* m_relatedContentView = nullptr;
    QWidget* m_developerToolsView = nullptr;
    QWidget* m_utilitiesView = nullptr;
};

} // namespace brindle
