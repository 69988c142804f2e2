// The whole road of a change: a user edits a panel in the main window, the controller
// splices the stylesheet and rewrites styles.css in the preview folder.

#include "PageSupport.h"
#include "TestFiles.h"
#include "controller/ContrastWindow.h"
#include "controller/DesignGalleryDialog.h"
#include "controller/DesignThumbnails.h"
#include "controller/Document.h"
#include "controller/GalleryActions.h"
#include "controller/LeftWorkDialog.h"
#include "controller/MainWindow.h"
#include "controller/MenuImportActions.h"
#include "controller/PreviewView.h"
#include "controller/ProjectActions.h"
#include "editor/MenuItemForm.h"
#include "editor/MenuStructureView.h"
#include "editor/MenuTreeModel.h"
#include "generator/CodeDocuments.h"
#include "history/DesignHistory.h"
#include "model/Contrast.h"
#include "model/GlobalData.h"
#include "model/Node.h"
#include "panels/BackgroundView.h"
#include "panels/OutputView.h"
#include "panels/QuickModeView.h"
#include "panels/SizeView.h"
#include "panels/StylePanel.h"
#include "panels/StylePanels.h"
#include "panels/TextView.h"
#include "platform/NotificationCenter.h"
#include "project/DesignGallery.h"
#include "project/ProjectFile.h"
#include "resources/Resources.h"
#include "widgets/ColorPickerImageView.h"
#include "widgets/CustomTextView.h"
#include "widgets/LockImageView.h"
#include "widgets/SideBarContainer.h"
#include "widgets/Stepper.h"
#include "widgets/TabStripView.h"
#include "widgets/WorkspaceModes.h"
#include "workspace/Export.h"
#include "workspace/FileWriter.h"
#include "workspace/IconImage.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <optional>
#include <unistd.h>

using namespace brindle;
using namespace Qt::StringLiterals;
using namespace testsupport;

namespace {

const QString kExportTool = QStringLiteral(BRINDLE_EXPORT_PATH);

void chooseItem(QComboBox* box, int index) {
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    box->hidePopup(); // in case the click missed
}

void typeInto(QLineEdit* field, const QString& text, bool pressReturn = true) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    for (QChar c : text) {
        // Key clicks know ASCII only; other letters come as text, as an input method sends.
        if (c.unicode() < 0x80)
            QTest::keyClick(field, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), {});
    }
    if (pressReturn)
        QTest::keyClick(field, Qt::Key_Return);
}

// The window as the application builds it: every panel on the same store and centre, each
// one the registered sender of its notifications.
struct RunningWindow {
    RunningWindow() : window(data, center) {
        panels = createStylePanels(window.sideBarViewContainer(), data, center, PanelSetUp::Defer);
        CSSNavMenu::SenderDirectory senders;
        for (const auto& [name, panel] : panels.namedPanels())
            senders.insert(name, panel);
        window.setUp(senders, base.path());
        panels.setUpAll();
        for (StylePanel* quick : {static_cast<StylePanel*>(panels.quickModeGeneralView),
                                  static_cast<StylePanel*>(panels.quickModeNormalView),
                                  static_cast<StylePanel*>(panels.quickModeHoverView),
                                  static_cast<StylePanel*>(panels.quickModeActiveView)})
            quick->reloadData();
    }

    QString cssPath() const { return window.controller()->previewFolder()->cssPath(); }

    // The stylesheet a fresh start would write for the current settings.
    QString freshStylesheet() const {
        CodeDocuments fresh(data);
        fresh.insertHTML5Code();
        fresh.insertCSS3Code();
        return fresh.cssText();
    }

    QTemporaryDir base;
    GlobalData data;
    NotificationCenter center;
    MainWindow window;
    StylePanels panels;
};

// A seeded random user: mode switches, tab clicks, every kind of panel control that is on
// screen, and menu edits through the editor's buttons, form and tree model. The form picks
// one of the icons given.
class RandomEdits {
public:
    RandomEdits(MainWindow& window, quint32 seed, const QStringList& icons,
                const QString& retinaIcon)
        : m_window(window), m_random(seed), m_icons(icons), m_retinaIcon(retinaIcon) {}

    // Performs one edit and says what it was.
    QString next() {
        m_menuEdited = false;
        const int roll = below(100);
        if (roll < 6)
            return switchMode();
        if (roll < 14)
            return clickTab();
        if (m_window.modes()->currentModeView() == m_window.menuStructureView()) {
            m_menuEdited = true;
            return editMenu();
        }
        return editControl();
    }
    // Whether the last edit went through the menu editor.
    bool menuEdited() const { return m_menuEdited; }

private:
    int below(int bound) { return static_cast<int>(m_random.bounded(bound)); }
    template <class T> const T& pick(const QList<T>& list) { return list.at(below(list.size())); }

    QString switchMode() {
        const auto mode = static_cast<WorkspaceModes::Mode>(below(WorkspaceModes::kModeCount));
        QAction* action = m_window.modes()->action(mode);
        action->trigger();
        return QStringLiteral("mode ") + action->text();
    }

    QString clickTab() {
        QList<TabStripView*> strips;
        for (TabStripView* strip : m_window.findChildren<TabStripView*>()) {
            if (strip->isVisibleTo(&m_window) && !strip->clickAreas().isEmpty())
                strips << strip;
        }
        if (strips.isEmpty())
            return QStringLiteral("no tab strip");
        TabStripView* strip = pick(strips);
        const int tab = below(static_cast<int>(strip->clickAreas().size()));
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->clickAreas().at(tab).center());
        return QStringLiteral("tab %1 of %2").arg(tab).arg(strip->tabs().join(QLatin1Char('/')));
    }

    QString editControl() {
        QList<QWidget*> controls;
        for (QWidget* w : m_window.sideBarViewContainer()->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&m_window) || !w->isEnabled())
                continue;
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<Stepper*>(w) ||
                qobject_cast<QCheckBox*>(w) || qobject_cast<QComboBox*>(w) ||
                qobject_cast<ColorPickerImageView*>(w) || qobject_cast<LockImageView*>(w))
                controls << w;
        }
        if (controls.isEmpty())
            return QStringLiteral("no control");
        QWidget* control = pick(controls);
        const QString where = control->parentWidget()->metaObject()->className() +
                              QLatin1Char('.') + control->objectName();
        if (auto* field = qobject_cast<QLineEdit*>(control)) {
            const QString texts[] = {QString::number(below(60)), QString::number(below(400) - 50),
                                     QStringLiteral("0.%1").arg(below(100)),
                                     QStringLiteral(".%1").arg(below(10))};
            const QString text = texts[below(4)];
            typeInto(field, text);
            return where + QStringLiteral(" typed ") + text;
        }
        if (auto* stepper = qobject_cast<Stepper*>(control)) {
            const bool up = below(2) == 0;
            QTest::mouseClick(stepper, Qt::LeftButton, {},
                              QPoint(stepper->width() / 2, up ? 2 : stepper->height() - 2));
            return where + (up ? QStringLiteral(" up") : QStringLiteral(" down"));
        }
        if (auto* box = qobject_cast<QCheckBox*>(control)) {
            QTest::keyClick(box, Qt::Key_Space);
            return where + QStringLiteral(" toggled");
        }
        if (auto* box = qobject_cast<QComboBox*>(control)) {
            const int item = below(box->count());
            chooseItem(box, item);
            return where + QStringLiteral(" item %1").arg(item);
        }
        if (auto* well = qobject_cast<ColorPickerImageView*>(control)) {
            QTest::mouseClick(well, Qt::LeftButton);
            const QColor colour(below(256), below(256), below(256));
            ColorPickerImageView::sharedColorDialog()->setCurrentColor(colour);
            return where + QStringLiteral(" picked ") + colour.name();
        }
        QTest::mouseClick(control, Qt::LeftButton);
        return where + QStringLiteral(" clicked");
    }

    QList<QModelIndex> menuItems(const MenuTreeModel* model) const {
        QList<QModelIndex> items;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex top = model->index(row, 0);
            items << top;
            for (int sub = 0; sub < model->rowCount(top); ++sub)
                items << model->index(sub, 0, top);
        }
        return items;
    }

    QString randomTitle() {
        static const QStringList pieces = {QStringLiteral("Home"),  QStringLiteral("Café"),
                                           QStringLiteral(" & "),   QStringLiteral("<b>"),
                                           QStringLiteral("\"q\""), QStringLiteral("it's"),
                                           QStringLiteral("Über"),  QStringLiteral("  ")};
        QString title;
        for (int i = below(3); i >= 0; --i)
            title += pick(pieces);
        return title;
    }

    QString editMenu() {
        MenuStructureView* view = m_window.menuStructureView();
        MenuTreeModel* model = view->treeModel();
        const QList<QModelIndex> items = menuItems(model);
        // Keep the tree small, and never let it run empty for long.
        const int operation = items.size() > 9 ? 2 : items.isEmpty() ? 0 : below(6);
        if (!items.isEmpty() && below(4) != 0)
            view->outLineView()->setCurrentIndex(pick(items));
        else
            view->outLineView()->selectionModel()->clear();

        switch (operation) {
        case 0:
        case 1: {
            const bool editing = operation == 1 && view->editButton()->isEnabled();
            QTest::mouseClick(editing ? view->editButton() : view->addButton(), Qt::LeftButton);
            MenuItemForm* form = view->popover();
            if (!form->isVisible())
                return QStringLiteral("form did not open");
            const QString title = randomTitle();
            typeInto(form->findChild<QLineEdit*>(QStringLiteral("newMenuTextField")), title, false);
            static const QStringList links = {QString(), QStringLiteral("#"),
                                              QStringLiteral("https://example.org/?a=1&b=\"2\""),
                                              QStringLiteral("page.html")};
            typeInto(form->findChild<QLineEdit*>(QStringLiteral("linkTextField")), pick(links),
                     false);
            auto* kind = form->findChild<QComboBox*>(QStringLiteral("newMenuComboBox"));
            if (kind->isEnabled() && kind->count() > 1 && below(2) == 0)
                kind->setCurrentIndex(0);
            if (below(3) == 0)
                form->chooseImageFile(pick(m_icons));
            if (below(5) == 0)
                form->chooseRetinaImageFile(m_retinaIcon);
            if (below(6) == 0)
                form->clearImageFile();
            typeInto(form->findChild<QLineEdit*>(QStringLiteral("paddingRightTextField")),
                     QString::number(below(30)), false);
            QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("createMenuButton")),
                              Qt::LeftButton);
            form->close();
            return (editing ? QStringLiteral("edited item: ") : QStringLiteral("added item: ")) +
                   title;
        }
        case 2: {
            QTest::mouseClick(view->removeButton(), Qt::LeftButton);
            for (auto* alert : view->findChildren<QMessageBox*>(QStringLiteral("deleteAlert"))) {
                if (!alert->isVisible())
                    continue;
                const bool confirm = below(4) != 0;
                for (QAbstractButton* button : alert->buttons()) {
                    if ((alert->buttonRole(button) == QMessageBox::DestructiveRole) == confirm)
                        QTest::mouseClick(button, Qt::LeftButton);
                }
                return confirm ? QStringLiteral("removed a drop-down")
                               : QStringLiteral("kept a drop-down");
            }
            return QStringLiteral("removed an item");
        }
        case 3: {
            const QModelIndex source = pick(items);
            QList<QModelIndex> parents{QModelIndex()};
            for (int row = 0; row < model->rowCount(); ++row)
                parents << model->index(row, 0);
            const QModelIndex parent = pick(parents);
            const int row = below(model->rowCount(parent) + 1);
            std::unique_ptr<QMimeData> dragged(model->mimeData({source}));
            if (!model->canDropMimeData(dragged.get(), Qt::MoveAction, row, 0, parent))
                return QStringLiteral("refused move");
            model->dropMimeData(dragged.get(), Qt::MoveAction, row, 0, parent);
            return QStringLiteral("moved an item");
        }
        default: {
            const QString title = randomTitle();
            model->setData(pick(items), title, Qt::EditRole);
            return QStringLiteral("renamed an item: ") + title;
        }
        }
    }

    MainWindow& m_window;
    QRandomGenerator m_random;
    QStringList m_icons;
    QString m_retinaIcon;
    bool m_menuEdited = false;
};

// Where two texts first differ, with a little of each around it.
QString firstDifference(const QString& actual, const QString& expected) {
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    return QStringLiteral("at %1: \"%2\" instead of \"%3\"")
        .arg(at)
        .arg(actual.mid(std::max<qsizetype>(0, at - 40), 80),
             expected.mid(std::max<qsizetype>(0, at - 40), 80));
}

// The source view shows the file line for line, character for character.
bool shows(const CustomTextView* view, const QString& file) {
    QString blocks = view->document()->toRawText();
    blocks.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return blocks == CustomTextView::displayText(file);
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

void collectPictures(const Node& node, QHash<QString, QList<QImage>>& pictures) {
    if (!node.imageFileName().isEmpty())
        pictures[node.imageFileName()] << node.image();
    if (!node.retinaImageFileName().isEmpty())
        pictures[node.retinaImageFileName()] << node.retinaImage();
    for (int i = 0; i < node.childCount(); ++i)
        collectPictures(*node.childAt(i), pictures);
}

// Each icon file in the preview folder holds the picture of the items that use its name.
// A name that items use for different pictures is a clash the user made; it is left out.
QString iconFileProblem(const Node& root, const QString& folder) {
    QHash<QString, QList<QImage>> pictures;
    collectPictures(root, pictures);
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it) {
        const QList<QImage>& images = it.value();
        if (std::any_of(images.begin(), images.end(),
                        [&](const QImage& image) { return image != images.first(); }))
            continue;
        if (testsupport::readBytes(QDir(folder).filePath(it.key())) !=
            encodeIconForFileName(images.first(), it.key()))
            return QStringLiteral("the icon file %1 is not the item's picture").arg(it.key());
    }
    return {};
}

// The outline's rows, top to bottom, are the store's items (sub-items where expanded).
QString outlineProblem(const MenuStructureView& view, const Node& root) {
    const QTreeView* outline = view.outLineView();
    const MenuTreeModel* model = view.treeModel();
    QList<const Node*> expected;
    const auto walk = [&](auto& self, const Node& parent) -> void {
        for (int i = 0; i < parent.childCount(); ++i) {
            const Node* item = parent.childAt(i);
            expected << item;
            if (item->childCount() > 0 && outline->isExpanded(model->indexOfNode(item)))
                self(self, *item);
        }
    };
    walk(walk, root);
    QList<const Node*> shown;
    for (QModelIndex row = model->index(0, 0); row.isValid(); row = outline->indexBelow(row))
        shown << model->nodeFromIndex(row);
    if (shown != expected)
        return QStringLiteral("the outline shows %1 rows for %2 items")
            .arg(shown.size())
            .arg(expected.size());
    return {};
}

// Where the preview folder, the source views or the outline differ from a fresh build from
// the store; empty when nothing does.
QString differenceFromFreshBuild(const MainWindow& window, const GlobalData& data) {
    QCoreApplication::processEvents(); // the source views follow in the same pass of the loop
    const PreviewFolder& folder = *window.controller()->previewFolder();
    CodeDocuments fresh(data);
    fresh.insertHTML5Code();
    fresh.insertCSS3Code();
    const QString css = testsupport::readText(folder.cssPath());
    const QString html = testsupport::readText(folder.htmlPath());
    if (css != fresh.cssText())
        return QStringLiteral("styles.css ") + firstDifference(css, fresh.cssText());
    if (html != fresh.htmlText())
        return QStringLiteral("index.html ") + firstDifference(html, fresh.htmlText());
    if (!shows(window.css3TextView(), css) || !shows(window.htmlTextView(), html))
        return QStringLiteral("a source view differs from its file");
    if (QString icons = iconFileProblem(*data.getMenuRootNode(), folder.folderPath());
        !icons.isEmpty())
        return icons;
    return outlineProblem(*window.menuStructureView(), *data.getMenuRootNode());
}

// The menu as a page shows it: its markup, then the computed style of every element in it.
const char* const kMenuAsShown = R"((() => {
  const bar = Array.prototype.find.call(document.querySelectorAll('ul'),
                                        list => !list.parentElement.closest('li'));
  if (!bar) return 'no menu';
  const lines = [bar.outerHTML];
  for (const e of [bar, ...bar.querySelectorAll('*')]) {
    const style = getComputedStyle(e);
    lines.push(Array.from(style, name => name + ': ' + style.getPropertyValue(name)).join('; '));
  }
  return lines.join('\n');
})())";

// Where the menu the preview shows differs from a fresh load of the preview folder's page
// into `fresh` (a view of the preview's size, scripts off as in the preview).
QString menuDifferenceFromFreshLoad(PreviewView* preview, QWebEngineView& fresh) {
    QSignalSpy loaded(&fresh, &QWebEngineView::loadFinished);
    fresh.load(preview->previewUrl());
    if (!loaded.wait(20000))
        return QStringLiteral("the preview folder's page did not load");
    const QString expected = evaluate(fresh.page(), QLatin1String(kMenuAsShown)).toString();
    const QString shown = evaluate(preview->page(), QLatin1String(kMenuAsShown)).toString();
    if (shown != expected)
        return QStringLiteral("the preview's menu ") + firstDifference(shown, expected);
    return {};
}

// The generated files and what both source views show.
struct ShownTexts {
    QByteArray css;
    QByteArray html;
    QString cssView;
    QString htmlView;

    static ShownTexts of(const MainWindow& window) {
        QCoreApplication::processEvents(); // the source views follow in the same pass
        const PreviewFolder& folder = *window.controller()->previewFolder();
        return {testsupport::readBytes(folder.cssPath()), testsupport::readBytes(folder.htmlPath()),
                window.css3TextView()->document()->toRawText(),
                window.htmlTextView()->document()->toRawText()};
    }
};

// Two pictures under one file name, and a double-resolution one, for the form to choose.
struct IconFiles {
    explicit IconFiles(const QTemporaryDir& base)
        : icon(base.filePath(QStringLiteral("pic.png"))),
          sameNamedIcon(base.filePath(QStringLiteral("other/pic.png"))),
          retinaIcon(base.filePath(QStringLiteral("pic@2x.png"))) {
        QImage picture(20, 24, QImage::Format_ARGB32);
        picture.fill(Qt::darkCyan);
        QImage other(16, 16, QImage::Format_ARGB32);
        other.fill(Qt::magenta);
        written = picture.save(icon) && picture.scaled(48, 40).save(retinaIcon) &&
                  QDir(base.path()).mkpath(QStringLiteral("other")) && other.save(sameNamedIcon);
    }
    QString icon;
    QString sameNamedIcon;
    QString retinaIcon;
    bool written = false;
};

// BRINDLE_TEST_SEED=random tries a new sequence (printed on failure); a number replays one.
std::optional<quint32> askedSeed() {
    const QByteArray asked = qgetenv("BRINDLE_TEST_SEED");
    if (asked == "random")
        return QRandomGenerator::system()->generate();
    if (!asked.isEmpty())
        return quint32(asked.toUInt());
    return std::nullopt;
}

QtMessageHandler g_testMessages = nullptr;

// The offscreen platform says for every popup that it cannot raise or grab; that is noise.
void dropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    g_testMessages(type, context, text);
}

} // namespace

// --- the exported Modern page in the browser engine ------------------------------------------

// A shop menu as designers build them: seven top-level items, four of them with sub-menus
// (three with three or more sub-items), icons on top-level items and on a sub-item.
class PanelsInWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QLoggingCategory::setFilterRules(QStringLiteral("brindle.info=false\nbrindle.debug=false"));
        initResources();
        // The document's recovery copies go to the test's own data folder.
        QStandardPaths::setTestModeEnabled(true);
        g_testMessages = qInstallMessageHandler(dropPlatformNoise);
    }

    void panelChange_reachesStylesheetFile_data();
    void panelChange_reachesStylesheetFile();
    void quickMode_showsTheStore_data();
    void quickMode_showsTheStore();
    void switching_keepsFocusOutOfThePreview_data();
    void switching_keepsFocusOutOfThePreview();
    void randomEdits_keepPreviewEqualToFreshBuild_data();
    void randomEdits_keepPreviewEqualToFreshBuild();
    void modernPage_servesKeyboardTouchAndPhones_data();
    void modernPage_servesKeyboardTouchAndPhones();
    void accessibility_everyFocusableControlHasAName_data();
    void accessibility_everyFocusableControlHasAName();
    void undoSteps_areNamedAsTheScreenNamesThem_data();
    void undoSteps_areNamedAsTheScreenNamesThem();
    void recoveryList_worksByKeyboardAndIsNamed();
    void contrastWindow_worksByKeyboardAndIsNamed();
    void gallery_worksByKeyboardAndKeepsOrReplacesTheMenu();
    void importMenu_replacesTheMenuAsOneStep();
    void keyboardOnly_pickColourAndHoverOpacity();
    void randomEdits_undoneAndRedoneAllTheWay_data();
    void randomEdits_undoneAndRedoneAllTheWay();
};

void PanelsInWindowTest::panelChange_reachesStylesheetFile_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("expected"); // a declaration written out from the rules

    QTest::newRow("radius typed") << "radius"
                                  << "\tborder-radius: 40px;\n";
    QTest::newRow("sub-menu width stepped") << "subMenuWidth"
                                            << "\twidth: 181px;\n";
    QTest::newRow("font family chosen")
        << "family"
        << "\tfont-family: \"Comic Sans MS\", cursive, sans-serif;\n";
    QTest::newRow("quick shape chosen") << "shape"
                                        << "\tborder-radius: 0px;\n";
    QTest::newRow("hover colour picked") << "hoverColour"
                                         << "rgba(18, 52, 86, 0.10)";
    // Top, right, bottom, left; a zero without its unit.
    QTest::newRow("left padding typed, locked") << "leftPadding"
                                                << "\tpadding: 0 7px 0 7px;\n";
    QTest::newRow("left padding typed, unlocked") << "unlockedLeftPadding"
                                                  << "\tpadding: 0 0 0 7px;\n";
    QTest::newRow("bottom padding stepped, locked") << "bottomPadding"
                                                    << "\tpadding: 1px 0 1px 0;\n";
}

void PanelsInWindowTest::panelChange_reachesStylesheetFile() {
    QFETCH(QString, action);
    QFETCH(QString, expected);

    RunningWindow w;
    QVERIFY(w.base.isValid());
    QVERIFY(w.window.controller()->previewFolder().has_value());
    const QString before = testsupport::readText(w.cssPath());
    QVERIFY(!before.isEmpty());
    QVERIFY(!before.contains(expected));

    if (action == QLatin1String("radius")) {
        typeInto(w.panels.sizeViewContainer->findChild<QLineEdit*>(
                     QStringLiteral("borderRadiusTextField")),
                 QStringLiteral("40"));
    } else if (action == QLatin1String("subMenuWidth")) {
        auto* stepper =
            w.panels.subMenuSizeViewContainer->findChild<Stepper*>(QStringLiteral("widthStepper"));
        QTest::mouseClick(stepper, Qt::LeftButton, {}, QPoint(stepper->width() / 2, 3));
    } else if (action == QLatin1String("family")) {
        chooseItem(w.panels.textViewContainer->fontFamilyPopUpButton(), 2);
    } else if (action == QLatin1String("shape")) {
        chooseItem(w.panels.quickModeGeneralView->shapeComboBox(), 0);
    } else if (action.endsWith(QLatin1String("LeftPadding")) ||
               action == QLatin1String("leftPadding")) {
        SizeView* size = w.panels.sizeViewContainer;
        if (action.startsWith(QLatin1String("unlocked")))
            QTest::mouseClick(size->paddingHorizontal(), Qt::LeftButton);
        typeInto(size->findChild<QLineEdit*>(QStringLiteral("paddingLeftTextField")),
                 QStringLiteral("7"));
    } else if (action == QLatin1String("bottomPadding")) {
        auto* stepper =
            w.panels.sizeViewContainer->findChild<Stepper*>(QStringLiteral("paddingBottomStepper"));
        QTest::mouseClick(stepper, Qt::LeftButton, {}, QPoint(stepper->width() / 2, 3));
    } else if (action == QLatin1String("hoverColour")) {
        auto* well = w.panels.backgroundHoverViewContainer->findChild<ColorPickerImageView*>(
            QStringLiteral("startBackgroundColorImage"));
        QTest::mouseClick(well, Qt::LeftButton);
        ColorPickerImageView::sharedColorDialog()->setCurrentColor(QColor(0x12, 0x34, 0x56));
    }

    const QString after = testsupport::readText(w.cssPath());
    QVERIFY2(after.contains(expected), qPrintable(after));
    QCOMPARE(after, w.freshStylesheet());
    QCOMPARE(after, w.window.controller()->documents().cssText());
}

namespace {

// The main window as the application shows it, on a store of its own, its own panels
// registered with the controller.
struct ShownWindow {
    ShownWindow() : window(data, center) {
        window.setUp({}, base.path());
        window.resize(1100, 760);
        window.show();
        window.activateWindow();
    }
    bool active() { return QTest::qWaitForWindowActive(&window); }
    const StylePanels& panels() const { return window.stylePanels(); }

    QTemporaryDir base;
    GlobalData data;
    NotificationCenter center;
    MainWindow window;
};

// A design other than the defaults, as the detailed panels would leave it: corner radius 5,
// a bar of one blue stop, text at brightness 0.5 and hover text at 0.3.
void setOtherDesign(GlobalData& data) {
    data.setBorderRadius(5);
    data.setStartBackgroundColor(Color::fromBytes(0, 0, 255));
    data.setEnableFirstQuarterBackgroundColor(false);
    data.setEnableSecondQuarterBackgroundColor(false);
    data.setEnableThirdQuarterBackgroundColor(false);
    data.setEnableEndBackgroundColor(false);
    data.setMainMenufontColor(Color{0.5, 0.5, 0.5, 1});
    data.setMainMenufontColorHover(Color{0.3, 0.3, 0.3, 1});
}

QString intensityShown(StylePanel* panel) {
    return panel->findChild<QLineEdit*>(QStringLiteral("textColorIntensityTextField"))->text();
}

} // namespace

void PanelsInWindowTest::quickMode_showsTheStore_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("shape");         // 0 square, 1 rounded, 2 round
    QTest::addColumn<QString>("well");      // the normal panel's main well
    QTest::addColumn<QString>("intensity"); // of the normal text colour
    QTest::addColumn<QString>("hoverIntensity");

    QTest::newRow("switching into quick mode") << "mode" << 1 << "#0000ff"
                                               << "50"
                                               << "30";
    QTest::newRow("opening a project") << "project" << 1 << "#0000ff"
                                       << "50"
                                       << "30";
    // Red at brightness 1: text and hover text at 0.4, the bar's gradient from the pick.
    QTest::newRow("menu colour picked") << "menuColour" << 2 << "#ff0000"
                                        << "40"
                                        << "40";
}

void PanelsInWindowTest::quickMode_showsTheStore() {
    QFETCH(QString, action);
    QFETCH(int, shape);
    QFETCH(QString, well);
    QFETCH(QString, intensity);
    QFETCH(QString, hoverIntensity);

    ShownWindow w;
    QVERIFY(w.active());
    const StylePanels& p = w.panels();
    auto* normalWell = p.quickModeNormalView->findChild<ColorPickerImageView*>(
        QStringLiteral("backgroundColorImage"));
    // The defaults first: a round bar, text brightness 72/255 and 20/255.
    w.window.modes()->showQuickMode();
    QCOMPARE(p.quickModeGeneralView->shapeComboBox()->currentIndex(), 2);
    QCOMPARE(intensityShown(p.quickModeNormalView), QStringLiteral("28"));
    QCOMPARE(intensityShown(p.quickModeHoverView), QStringLiteral("8"));

    if (action == QLatin1String("mode")) {
        QTest::keyClick(&w.window, Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(w.window.modes()->currentModeView(),
                 static_cast<QWidget*>(w.window.sideBarView()));
        setOtherDesign(w.data);
        QTest::keyClick(&w.window, Qt::Key_2, Qt::ControlModifier);
    } else if (action == QLatin1String("project")) {
        setOtherDesign(w.data);
        const QString path = w.base.filePath(QStringLiteral("Other.brindleprj"));
        QVERIFY(w.window.projectActions()->saveProjectToFile(path));
        for (int i = 0; i < kSettingCount; ++i)
            w.data.setValue(static_cast<Setting>(i),
                            GlobalData::defaultValue(static_cast<Setting>(i)));
        QVERIFY(w.window.document()->replaceNow(DesignSource::project(path)));
    } else {
        QTest::mouseClick(p.quickModeView->backgroundColorColorImage(), Qt::LeftButton);
        ColorPickerImageView::sharedColorDialog()->setCurrentColor(QColor(255, 0, 0));
        ColorPickerImageView::sharedColorDialog()->hide();
    }

    QCOMPARE(w.window.modes()->currentModeView(),
             static_cast<QWidget*>(w.window.quickSideBarView()));
    QCOMPARE(p.quickModeGeneralView->shapeComboBox()->currentIndex(), shape);
    QCOMPARE(hexadecimalValueOfAnNSColor(normalWell->backgroundColor()), well);
    QCOMPARE(intensityShown(p.quickModeNormalView), intensity);
    QCOMPARE(intensityShown(p.quickModeHoverView), hoverIntensity);
}

void PanelsInWindowTest::switching_keepsFocusOutOfThePreview_data() {
    QTest::addColumn<QString>("key");  // a mode shortcut, or "" for the Hover tab
    QTest::addColumn<QString>("view"); // where the focus should be now
    QTest::newRow("to quick mode") << "Ctrl+2"
                                   << "quickSideBarView";
    QTest::newRow("to the menu structure") << "Ctrl+1"
                                           << "menuStructureView";
    QTest::newRow("to the hover tab") << ""
                                      << "sideBarView";
}

void PanelsInWindowTest::switching_keepsFocusOutOfThePreview() {
    QFETCH(QString, key);
    QFETCH(QString, view);

    ShownWindow w;
    QSignalSpy loaded(w.window.previewView(), &QWebEngineView::loadFinished);
    QVERIFY(w.active());
    QVERIFY(loaded.wait(20000));
    w.window.modes()->showMainMenuMode();
    auto* radius = w.panels().sizeViewContainer->findChild<QLineEdit*>(
        QStringLiteral("borderRadiusTextField"));
    radius->setFocus(Qt::MouseFocusReason);
    QVERIFY(radius->hasFocus());

    if (key.isEmpty()) {
        TabStripView* strip = w.window.sideBarView()->tabStrip();
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->clickAreas().at(1).center());
    } else {
        const QKeyCombination combination = QKeySequence(key)[0];
        QTest::keyClick(&w.window, combination.key(), combination.keyboardModifiers());
    }
    QCoreApplication::processEvents();

    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused != nullptr);
    QVERIFY2(focused != w.window.previewView() && !w.window.previewView()->isAncestorOf(focused),
             focused->metaObject()->className());
    QWidget* expected = w.window.findChild<QWidget*>(view);
    QVERIFY(expected != nullptr);
    QVERIFY2(expected->isAncestorOf(focused), qPrintable(focused->objectName()));

    // A click in the preview is the one way in.
    QWidget* page = w.window.previewView()->focusProxy();
    QVERIFY(page != nullptr);
    QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(page->width() / 2, page->height() - 5));
    QTRY_VERIFY(page->hasFocus());
}

void PanelsInWindowTest::randomEdits_keepPreviewEqualToFreshBuild_data() {
    QTest::addColumn<quint32>("seed");
    QTest::newRow("seed 1") << quint32(1);
    QTest::newRow("seed 20261207") << quint32(20261207);
    if (const std::optional<quint32> asked = askedSeed())
        QTest::newRow("asked seed") << *asked;
}

// Whatever the user does, through any panel or the editor, the preview folder's files equal
// a fresh build from the store; in the end the saved project exports to the same texts.
void PanelsInWindowTest::randomEdits_keepPreviewEqualToFreshBuild() {
    QFETCH(quint32, seed);
    constexpr int kEdits = 300;

    ShownWindow shown;
    QVERIFY(shown.base.isValid());
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    const QTemporaryDir& base = shown.base;
    const IconFiles icons(base);
    QVERIFY(icons.written);
    GlobalData& data = shown.data;
    MainWindow& window = shown.window;

    // One picture per icon name: the tool's export below writes each item's own picture.
    RandomEdits edits(window, seed, {icons.icon}, icons.retinaIcon);
    // A menu edit changes the loaded page in place, to what a fresh load of the files shows.
    PreviewView* preview = window.previewView();
    QWebEngineView fresh;
    fresh.page()->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    fresh.resize(preview->size());
    fresh.show();
    QSignalSpy previewLoads(preview, &QWebEngineView::loadStarted);
    QStringList done;
    for (int step = 0; step < kEdits; ++step) {
        QTRY_VERIFY_WITH_TIMEOUT(preview->isShowingLatest(), 20000);
        const qsizetype loadsBefore = previewLoads.count();
        done << edits.next();
        QString problem = differenceFromFreshBuild(window, data);
        if (problem.isEmpty() && edits.menuEdited()) {
            QTRY_VERIFY_WITH_TIMEOUT(preview->isShowingLatest(), 20000);
            problem = previewLoads.count() != loadsBefore
                          ? QStringLiteral("the preview reloaded")
                          : menuDifferenceFromFreshLoad(preview, fresh);
        }
        if (!problem.isEmpty()) {
            QFAIL(
                qPrintable(QStringLiteral("seed %1, edit %2 (%3): %4\nlast edits: %5")
                               .arg(seed)
                               .arg(step)
                               .arg(done.last(), problem, done.mid(done.size() - 8).join(u"; "))));
        }
    }

    // Project files leave the separator switch out and the tool draws the lines, so turn
    // them on through their panel before saving.
    chooseItem(window.stylePanels().separatorViewContainer->findChild<QComboBox*>(
                   QStringLiteral("showSeparatorComboBox")),
               0);
    QVERIFY(data.showSeparator());
    const QString project = base.filePath(QStringLiteral("Random.brindleprj"));
    const QString exported = base.filePath(QStringLiteral("exported"));
    const QString tool = base.filePath(QStringLiteral("tool"));
    QVERIFY(QDir().mkpath(exported));
    QVERIFY(window.projectActions()->saveProjectToFile(project));
    QVERIFY(window.projectActions()->exportAllTo(exported));
    const testsupport::ToolRun run = testsupport::runTool(kExportTool, {project, tool});
    QVERIFY2(run.exitCode == 0, run.standardError.constData());
    const QString message = QStringLiteral("seed %1").arg(seed);
    // The same files, byte for byte.
    QVERIFY2(filesIn(tool) == filesIn(exported), qPrintable(message));
    for (const QString& name : filesIn(exported)) {
        QVERIFY2(testsupport::readBytes(QDir(tool).filePath(name)) ==
                     testsupport::readBytes(QDir(exported).filePath(name)),
                 qPrintable(message + QLatin1Char(' ') + name));
    }
}

void PanelsInWindowTest::modernPage_servesKeyboardTouchAndPhones_data() {
    QTest::addColumn<bool>("scripts");
    QTest::addColumn<QString>("design"); // a gallery design; empty for the default one
    // The preview shows the page with its scripts off; visitors may have them either way.
    // Without its script the page must still work (the checks' own scripts need the engine's
    // JavaScript, so the page loses its script by losing the file).
    QTest::addColumn<QString>("host"); // a host page's stylesheet, loaded before the menu's
    QTest::newRow("scripts off") << false << QString() << QString();
    QTest::newRow("scripts on") << true << QString() << QString();
    // Every design the gallery offers reads well and serves every visitor.
    initResources();
    for (const GalleryDesign& design :
         DesignGallery(QLatin1String(kBuiltInDesignsFolder), {}).designs())
        QTest::newRow(qPrintable(design.name)) << true << design.path << QString();
    // Inside a designer's site: a reset, a component framework, classless themes.
    for (const char* host :
         {"normalize.css/normalize.css", "bootstrap/dist/css/bootstrap.min.css",
          "tailwindcss/src/css/preflight.css", "@picocss/pico/css/pico.classless.min.css",
          "water.css/out/light.min.css"})
        QTest::newRow(host) << true << QString() << QString::fromLatin1(host);
}

void PanelsInWindowTest::modernPage_servesKeyboardTouchAndPhones() {
    QFETCH(bool, scripts);
    QFETCH(QString, design);
    QFETCH(QString, host);
    const QString axePath = QStringLiteral(BRINDLE_AXE_PATH);
    QFile axeFile(axePath);
    QVERIFY2(axeFile.open(QIODevice::ReadOnly),
             qPrintable(axePath + QStringLiteral(" is missing: run scripts/setup.sh")));
    const QString axe = QString::fromUtf8(axeFile.readAll());

    QTemporaryDir icons, exported;
    GlobalData data;
    if (!design.isEmpty()) {
        QFile file(design);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(openProjectData(data, file.readAll(), icons.path()));
        // At least 4.5 : 1 for every pair, whatever the text size.
        for (const StateContrast& state : checkContrast(data)) {
            for (const ContrastPair& pair : state.pairs)
                QVERIFY2(pair.ratio >= 4.5,
                         qPrintable(QStringLiteral("%1 %2: %3 on %4")
                                        .arg(int(state.level))
                                        .arg(int(state.state))
                                        .arg(contrastText(pair.ratio), pair.place)));
        }
        // The bar's normal text stays on its hover and active backgrounds while the pointer
        // is in an open sub-menu.
        const Color normalText = data.colorValue(Setting::mainMenufontColor);
        for (const StateContrast& state : checkContrast(data)) {
            if (state.level != MenuLevel::Main || state.state == MenuState::Normal)
                continue;
            for (const ContrastPair& pair : state.pairs)
                QVERIFY2(contrastRatio(normalText, pair.background) >= 4.5, qPrintable(pair.place));
        }
    }
    fillShopMenu(data, icons.path());
    data.setOutputOptions({OutputStyle::Modern, QStringLiteral("Shop"), 640});
    CodeDocuments documents(data);
    documents.insertHTML5Code();
    documents.insertCSS3Code();
    QVERIFY(exportAllFilesToFolder(documents.cssText(), documents.htmlText(),
                                   *data.getMenuRootNode(), icons.path(), exported.path(),
                                   documents.scriptText()));

    QVERIFY(QFile::exists(exported.filePath(QStringLiteral("menu.js"))));
    if (!host.isEmpty()) {
        QVERIFY(QFile::copy(QStringLiteral(BRINDLE_WEB_MODULES "/") + host,
                            exported.filePath(QStringLiteral("host.css"))));
        const QString index = exported.filePath(QStringLiteral("index.html"));
        const QString page = testsupport::readText(index).replace(
            QStringLiteral("\t<link rel=\"stylesheet\" href=\"styles.css\">\n"),
            QStringLiteral("\t<link rel=\"stylesheet\" href=\"host.css\">\n"
                           "\t<link rel=\"stylesheet\" href=\"styles.css\">\n"));
        QVERIFY(writeFileAtomically(index, page.toUtf8()));
    }
    if (!scripts)
        QVERIFY(QFile::remove(exported.filePath(QStringLiteral("menu.js"))));

    QWebEngineView view;
    view.resize(1280, 700);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    const QUrl url = QUrl::fromLocalFile(exported.filePath(QStringLiteral("index.html")));
    view.load(url);
    QVERIFY(loaded.wait(30000));
    QCOMPARE(loaded.first().first().toBool(), true);
    QWebEnginePage* page = view.page();
    // The page's script marks its buttons; without it they stay plain buttons.
    QCOMPARE(evaluate(page, QStringLiteral("document.querySelector('li > button')"
                                           ".hasAttribute('aria-expanded')")),
             QVariant(scripts));

    // A named navigation landmark, and no WCAG 2.x A/AA violation.
    QCOMPARE(evaluate(page, QStringLiteral("document.querySelector('nav ul').closest('nav')"
                                           ".getAttribute('aria-label')")),
             QVariant(QStringLiteral("Shop")));
    evaluate(page, axe + QStringLiteral("\n;true"));
    evaluate(page, QStringLiteral(
                       "window.axeReport = null; axe.run(document, {runOnly: {type: 'tag', values:"
                       " ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa']}}).then("
                       "r => { window.axeReport = r.violations.map(v => v.id + ' on ' +"
                       " v.nodes.map(n => n.target.join(' ')).join(', ')).join('; '); },"
                       " e => { window.axeReport = 'axe failed: ' + e; }); true"));
    QTRY_VERIFY_WITH_TIMEOUT(!evaluate(page, QStringLiteral("window.axeReport")).isNull(), 30000);
    QCOMPARE(evaluate(page, QStringLiteral("window.axeReport")).toString(), QString());

    // Tab reaches every sub-menu link while it is on screen, with a visible focus ring.
    const int subLinks = evaluate(page, QStringLiteral("document.querySelectorAll('li li a')"
                                                       ".length"))
                             .toInt();
    QCOMPARE(subLinks, 12);
    const QString probe = QStringLiteral(
        "(() => { const a = document.activeElement;"
        " const links = [...document.querySelectorAll('li li a')];"
        " const r = a.getBoundingClientRect();"
        " const hit = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);"
        " return {index: links.indexOf(a), visible: r.width > 0 && r.height > 0 && "
        "hit?.closest('a') === a,"
        " ring: getComputedStyle(a).outlineStyle !== 'none'}; })()");
    // Key events reach the page on another road than scripts: each Tab is waited for (the
    // focus moved) before the page is asked where the focus is.
    const auto pressTab = [&view, page] {
        evaluate(page, QStringLiteral("if (window.focusMoves === undefined) {"
                                      " window.focusMoves = 0; document.addEventListener("
                                      "'focusin', () => ++window.focusMoves); } true"));
        const int before = evaluate(page, QStringLiteral("window.focusMoves")).toInt();
        QTest::keyClick(view.focusProxy(), Qt::Key_Tab);
        return QTest::qWaitFor(
            [&] { return evaluate(page, QStringLiteral("window.focusMoves")).toInt() > before; },
            10000);
    };
    view.setFocus();
    QSet<int> reached;
    for (int tab = 0; tab < 60 && reached.size() < subLinks; ++tab) {
        QVERIFY(pressTab());
        const QVariantMap focus = evaluate(page, probe).toMap();
        const int index = focus.value(QStringLiteral("index")).toInt();
        if (index < 0)
            continue;
        QVERIFY2(focus.value(QStringLiteral("visible")).toBool(),
                 qPrintable(QStringLiteral("sub-menu link %1 has focus but is hidden").arg(index)));
        QVERIFY(focus.value(QStringLiteral("ring")).toBool());
        reached.insert(index);
    }
    QCOMPARE(reached.size(), subLinks);

    if (scripts) {
        // Escape closes the sub-menu and gives focus back to its owner's button.
        view.load(url);
        QVERIFY(loaded.wait(30000));
        view.setFocus();
        bool inSubMenu = false;
        for (int tab = 0; tab < 60 && !inSubMenu; ++tab) {
            QVERIFY(pressTab());
            inSubMenu = evaluate(page, probe).toMap().value(QStringLiteral("index")).toInt() >= 0;
        }
        QVERIFY(inSubMenu);
        evaluate(page, QStringLiteral("window.openList = document.activeElement.closest('ul');"
                                      " true"));
        QTest::keyClick(view.focusProxy(), Qt::Key_Escape);
        QTRY_COMPARE(evaluate(page, QStringLiteral("getComputedStyle(window.openList).display")),
                     QVariant(QStringLiteral("none")));
        QCOMPARE(evaluate(page, QStringLiteral("document.activeElement === window.openList"
                                               ".parentElement.querySelector(':scope > button')")),
                 QVariant(true));
    }

    // A 375 px phone: a "Menu" toggle, then a vertical menu of 44 px targets that does not
    // scroll sideways, whose sub-menus open with a tap on their button without leaving.
    view.load(url);
    QVERIFY(loaded.wait(30000));
    view.resize(375, 667);
    QTRY_COMPARE(evaluate(page, QStringLiteral("innerWidth")).toInt(), 375);
    QCOMPARE(evaluate(page, QStringLiteral("getComputedStyle(document.querySelector("
                                           "'.brindlenav')).display")),
             QVariant(QStringLiteral("none")));
    QVERIFY(
        evaluate(page, QStringLiteral("document.querySelector('label').offsetHeight")).toInt() >=
        44);
    QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {},
                      centreOf(page, QStringLiteral("label")));
    QTRY_COMPARE(evaluate(page, QStringLiteral("getComputedStyle(document.querySelector("
                                               "'.brindlenav')).display")),
                 QVariant(QStringLiteral("block")));
    const QVariantMap phone =
        evaluate(page,
                 QStringLiteral(
                     "(() => { const targets = [...document.querySelectorAll("
                     "'.brindlenav > li > a, .brindlenav > li > button')];"
                     " return {sideways: document.documentElement.scrollWidth > innerWidth,"
                     " small: targets.filter(t => { const r = t.getBoundingClientRect();"
                     " return r.width < 44 || r.height < 44 || r.right > innerWidth; }).length,"
                     " targets: targets.length}; })()"))
            .toMap();
    QCOMPARE(phone.value(QStringLiteral("sideways")).toBool(), false);
    QCOMPARE(phone.value(QStringLiteral("targets")).toInt(), 11);
    QCOMPARE(phone.value(QStringLiteral("small")).toInt(), 0);
    for (int owner = 1; owner <= 4; ++owner) {
        const QString button =
            QStringLiteral(".brindlenav > li:nth-child(%1) > button")
                .arg(QStringList{QString(), QStringLiteral("2"), QStringLiteral("3"),
                                 QStringLiteral("5"), QStringLiteral("6")}
                         .at(owner));
        QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {}, centreOf(page, button));
        QTRY_VERIFY(
            evaluate(page, QStringLiteral("(() => { const links = [...document.querySelector('%1')"
                                          ".parentElement.querySelectorAll('ul a')];"
                                          " return links.every(a => { const r = "
                                          "a.getBoundingClientRect(); return r.height >= 44 &&"
                                          " r.left >= 0 && r.right <= innerWidth; }); })()")
                               .arg(button))
                .toBool());
        QCOMPARE(page->url(), url);
    }
}

namespace {

// Where an interface sits in the tree, for a failure message: its widget's name or class,
// else its role, from the window down.
QString accessiblePath(QAccessibleInterface* iface) {
    QStringList steps;
    for (QAccessibleInterface* at = iface; at != nullptr && steps.size() < 30; at = at->parent()) {
        QString step;
        if (QObject* object = at->object())
            step = object->objectName().isEmpty()
                       ? QString::fromLatin1(object->metaObject()->className())
                       : object->objectName();
        else
            step = QString::fromLatin1(
                QMetaEnum::fromType<QAccessible::Role>().valueToKey(at->role()));
        steps.prepend(step);
        if (at->object() != nullptr && at->object()->isWidgetType() &&
            static_cast<QWidget*>(at->object())->isWindow())
            break;
    }
    return steps.join(u" / ");
}

// Every shown interface below `iface` that can take the keyboard focus and has no name.
// The preview's page is the designer's own generated menu, not a control of the window; its
// view is checked, its content is not.
void collectUnnamed(QAccessibleInterface* iface, const QWidget* preview, QStringList& unnamed,
                    int& focusable) {
    const QAccessible::State state = iface->state();
    if (state.invisible)
        return;
    if (state.focusable) {
        ++focusable;
        if (iface->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << accessiblePath(iface);
    }
    if (iface->object() == preview)
        return;
    for (int i = 0; i < iface->childCount(); ++i) {
        if (QAccessibleInterface* child = iface->child(i))
            collectUnnamed(child, preview, unnamed, focusable);
    }
}

// A key as the user presses it: to the widget with the focus.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr)
        target = QApplication::activeWindow();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

// Tab (or Shift+Tab) until `goal` has the focus; the names passed on the way, or a failure.
bool tabTo(const QWidget* goal, QStringList& passed, bool backwards = false) {
    for (int presses = 0; presses < 80; ++presses) {
        if (QApplication::focusWidget() == goal)
            return true;
        press(backwards ? Qt::Key_Backtab : Qt::Key_Tab,
              backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QWidget* now = QApplication::focusWidget();
        passed << (now == nullptr                    ? QStringLiteral("(none)")
                   : now->accessibleName().isEmpty() ? now->objectName()
                                                     : now->accessibleName());
    }
    return false;
}

} // namespace

// Rows for every side bar page: each mode, and each Normal, Hover or Active tab.
void addSideBarPageRows(bool withMenuStructure) {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("page"); // the Normal, Hover, Active or Current tab of a side bar
    using Mode = WorkspaceModes::Mode;
    if (withMenuStructure)
        QTest::newRow("menu structure") << int(Mode::MenuStructure) << 0;
    QTest::newRow("quick mode") << int(Mode::Quick) << 0;
    for (int page = 0; page < 4; ++page) {
        const char* tab = page == 0   ? "normal"
                          : page == 1 ? "hover"
                          : page == 2 ? "active"
                                      : "current";
        QTest::addRow("main menu, %s", tab) << int(Mode::MainMenu) << page;
        QTest::addRow("sub-menu, %s", tab) << int(Mode::SubMenu) << page;
    }
}

// Shows a mode and, in a side bar, its Normal, Hover or Active page.
void showSideBarPage(MainWindow& window, int mode, int page) {
    window.modes()->showMode(static_cast<WorkspaceModes::Mode>(mode));
    if (page > 0) {
        auto* view = static_cast<SideBarView*>(window.modes()->currentModeView());
        view->tabStrip()->selectTab(page);
        QCOMPARE(view->container()->currentPage(), page);
    }
    QCoreApplication::processEvents();
}

void PanelsInWindowTest::accessibility_everyFocusableControlHasAName_data() {
    addSideBarPageRows(true);
}

void PanelsInWindowTest::accessibility_everyFocusableControlHasAName() {
    QFETCH(int, mode);
    QFETCH(int, page);

    ShownWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    showSideBarPage(w.window, mode, page);

    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&w.window);
    QVERIFY(root != nullptr);
    QStringList unnamed;
    int focusable = 0;
    collectUnnamed(root, w.window.previewView(), unnamed, focusable);
    // The side bar's controls are in the count, not just the window's frame (the Current tab
    // holds one control, disabled in a Classic design).
    QVERIFY2(focusable > (page == 3 ? 5 : 10), qPrintable(QString::number(focusable)));
    QVERIFY2(unnamed.isEmpty(),
             qPrintable(u"Focusable but unnamed:\n  "_s + unnamed.join(u"\n  ")));
}

void PanelsInWindowTest::undoSteps_areNamedAsTheScreenNamesThem_data() {
    // The editor names its steps by the edit (Add Item, Delete Item).
    addSideBarPageRows(false);
}

// Every control of every panel names the undo step it makes as the screen and screen readers
// name it ("Undo Hover Background Opacity"), never by an internal setting name.
void PanelsInWindowTest::undoSteps_areNamedAsTheScreenNamesThem() {
    QFETCH(int, mode);
    QFETCH(int, page);
    ShownWindow w;
    QVERIFY(w.active());
    // The Current tab's choices are a Modern menu's.
    if (page == 3) {
        QComboBox* style = w.panels().outputViewContainer->styleComboBox();
        style->setCurrentIndex(1);
        emit style->activated(1);
    }
    showSideBarPage(w.window, mode, page);
    DesignHistory& history = w.window.document()->history();
    QStringList wrong;
    int checked = 0;
    for (QWidget* control : w.window.sideBarViewContainer()->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&w.window) || !control->isEnabled() ||
            qobject_cast<QAbstractSpinBox*>(control->parentWidget()))
            continue;
        const int before = history.stack().count();
        if (auto* field = qobject_cast<QLineEdit*>(control)) {
            const QString text = field->text();
            typeInto(field, text.contains(u'.') ? (text.toDouble() >= 0.9 ? u"0.1"_s : u"0.9"_s)
                                                : QString::number(text.toInt() == 0 ? 2 : 0));
        } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
            QTest::keyClick(box, Qt::Key_Space);
        } else if (auto* well = qobject_cast<ColorPickerImageView*>(control)) {
            QTest::mouseClick(well, Qt::LeftButton);
            ColorPickerImageView::sharedColorDialog()->setCurrentColor(
                well->backgroundColor().red > 0.5 ? QColor(10, 20, 30) : QColor(240, 230, 220));
        } else if (auto* lock = qobject_cast<LockImageView*>(control)) {
            QTest::mouseClick(lock, Qt::LeftButton);
        } else if (auto* choice = qobject_cast<QComboBox*>(control)) {
            chooseItem(choice, (choice->currentIndex() + 1) % choice->count());
        } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
            spin->setFocus();
            spin->selectAll();
            QTest::keyClicks(spin, QString::number(spin->value() + 10));
            QTest::keyClick(spin, Qt::Key_Return);
        } else {
            continue;
        }
        history.commitPending();
        if (history.stack().count() == before)
            continue; // that value was already there
        ++checked;
        const QString step = history.stack().undoText();
        // Opening a padlock is named for what it does, not as the closed padlock is.
        auto* lock = qobject_cast<LockImageView*>(control);
        const QString name = lock != nullptr && !lock->isLock() && !lock->unlockStepName().isEmpty()
                                 ? lock->unlockStepName()
                                 : control->accessibleName();
        if (step.toLower() != name.toLower())
            wrong << u"%1: “%2”"_s.arg(name, step);
    }
    QVERIFY2(checked >= (page == 3 ? 1 : 3), qPrintable(QString::number(checked)));
    QVERIFY2(wrong.isEmpty(),
             qPrintable(u"Steps not named as the screen names them:\n  "_s + wrong.join(u"\n  ")));
}

// The list of left-over work: every control named; arrows choose, Return restores the chosen
// copy, Tab reaches the buttons, Escape keeps everything for later.
void PanelsInWindowTest::recoveryList_worksByKeyboardAndIsNamed() {
    QTemporaryDir folder;
    QList<LeftWork> left;
    for (const char* name : {"shop", "blog"}) {
        LeftWork work;
        work.projectPath = folder.filePath(QLatin1String(name) + u".brindleprj"_s);
        work.originalPath = folder.filePath(QLatin1String(name) + u".brindleprj"_s);
        work.written = QDateTime::currentDateTime();
        work.itemCount = 3;
        work.firstTitles = {u"Home"_s, u"About"_s, u"Contact"_s};
        left << work;
    }
    QWidget owner;
    owner.show();
    auto* list = new LeftWorkDialog(left, &owner);
    QSignalSpy restored(list, &LeftWorkDialog::restoreRequested);
    QSignalSpy rejected(list, &QDialog::rejected);
    list->show();
    QVERIFY(QTest::qWaitForWindowActive(list));

    QStringList unnamed;
    int focusable = 0;
    collectUnnamed(QAccessible::queryAccessibleInterface(list), nullptr, unnamed, focusable);
    QVERIFY2(focusable >= 4, qPrintable(QString::number(focusable))); // list and three buttons
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));

    auto* rows = list->findChild<QListWidget*>(u"leftWorkList"_s);
    QCOMPARE(QApplication::focusWidget(), rows);
    QStringList passed;
    QVERIFY(tabTo(list->findChild<QPushButton*>(u"keepButton"_s), passed));
    QVERIFY(tabTo(rows, passed));
    press(Qt::Key_Down);
    QCOMPARE(rows->currentRow(), 1);
    press(Qt::Key_Return);
    QCOMPARE(restored.count(), 1);
    QCOMPARE(restored.first().first().value<LeftWork>().originalPath, left.at(1).originalPath);

    auto* again = new LeftWorkDialog(left.mid(0, 1), &owner);
    QSignalSpy kept(again, &QDialog::rejected);
    again->show();
    QVERIFY(QTest::qWaitForWindowActive(again));
    press(Qt::Key_Escape);
    QCOMPARE(kept.count(), 1);
    QCOMPARE(rejected.count(), 0);
}

// View → Check Contrast from the keyboard: the list takes the focus, arrows walk it, every
// control is named, Escape closes it.
void PanelsInWindowTest::contrastWindow_worksByKeyboardAndIsNamed() {
    ShownWindow w;
    QVERIFY(w.active());
    QAction* check = w.window.findChild<QAction*>(u"checkContrast"_s);
    QVERIFY(check);
    check->trigger();
    auto* window = w.window.findChild<ContrastWindow*>();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QStringList unnamed;
    int focusable = 0;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), nullptr, unnamed, focusable);
    QVERIFY2(focusable >= 2, qPrintable(QString::number(focusable))); // the list, Close
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
    QStringList passed;
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(window));
    QVERIFY2(tabTo(window->list(), passed), qPrintable(passed.mid(0, 6).join(u", ")));
    window->list()->setCurrentItem(window->list()->topLevelItem(0));
    press(Qt::Key_Down);
    QCOMPARE(window->list()->currentItem(),
             window->list()->itemBelow(window->list()->topLevelItem(0)));
    press(Qt::Key_Escape);
    QTRY_VERIFY(!window->isVisible());
}

// A designer without a mouse: Main Menu mode, the bar's start colour picked in the colour
// window, then the hover opacity typed and stepped — key events only.
namespace {

QStringList topTitles(const GlobalData& data) {
    QStringList titles;
    const Node* root = data.getMenuRootNode();
    for (int i = 0; i < root->childCount(); ++i)
        titles << root->childAt(i)->name();
    return titles;
}

// Opens the gallery from its command and waits until it has the keyboard.
DesignGalleryDialog* openGallery(MainWindow& window) {
    window.findChild<QAction*>(u"newFromDesign"_s)->trigger();
    auto* gallery = window.findChild<DesignGalleryDialog*>();
    if (gallery == nullptr || !QTest::qWaitForWindowActive(gallery))
        return nullptr;
    return gallery;
}

} // namespace

void PanelsInWindowTest::gallery_worksByKeyboardAndKeepsOrReplacesTheMenu() {
    ShownWindow w;
    QVERIFY(w.active());
    // At a first start there is no menu of one's own to keep: the design comes with its
    // sample menu, and nothing asks.
    DesignGalleryDialog* gallery = openGallery(w.window);
    QVERIFY(gallery);
    QTRY_COMPARE(QApplication::focusWidget(), gallery->findChild<QListWidget*>(u"designCards"_s));
    press(Qt::Key_Return);
    QTRY_VERIFY(w.window.findChild<DesignGalleryDialog*>() == nullptr);
    QTRY_COMPARE(topTitles(w.data),
                 QStringList({u"Home"_s, u"Products"_s, u"Services"_s, u"About"_s, u"Contact"_s}));
    QVERIFY(w.window.findChild<QMessageBox*>(u"keepMenuQuestion"_s) == nullptr);
    // A menu of one's own, then.
    MenuTreeModel* model = w.window.menuStructureView()->treeModel();
    QVERIFY(model->setData(model->index(0, 0), u"Start"_s));
    QTRY_VERIFY(w.window.document()->isModified());
    const QStringList ownMenu = topTitles(w.data);
    gallery = openGallery(w.window);
    QVERIFY(gallery);
    QStringList unnamed;
    int focusable = 0;
    collectUnnamed(QAccessible::queryAccessibleInterface(gallery), nullptr, unnamed, focusable);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
    auto* cards = gallery->findChild<QListWidget*>(u"designCards"_s);
    QTRY_COMPARE(QApplication::focusWidget(), cards);
    const QList<GalleryDesign> designs = w.window.gallery()->gallery().designs();
    QVERIFY(designs.size() >= 12);
    QCOMPARE(cards->count(), designs.size());
    QCOMPARE(cards->item(2)->data(Qt::AccessibleTextRole).toString(),
             designs.at(2).name + u", built-in design"_s);

    // Arrows move between cards; Return chooses; Return again keeps the menu.
    QCOMPARE(cards->currentRow(), 0);
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    QCOMPARE(cards->currentRow(), 2);
    press(Qt::Key_Return);
    QTRY_VERIFY(!gallery->isVisible());
    auto* question = w.window.findChild<QMessageBox*>(u"keepMenuQuestion"_s);
    QVERIFY(question);
    QVERIFY(QTest::qWaitForWindowActive(question));
    press(Qt::Key_Return);
    // The edited menu is in no file: discarding it as a file keeps it in the new design.
    QMessageBox* discard = nullptr;
    QTRY_VERIFY((discard = w.window.findChild<QMessageBox*>(u"unsavedChangesAlert"_s)));
    discard->button(QMessageBox::Discard)->click();
    QTRY_VERIFY(w.window.findChild<QMessageBox*>(u"unsavedChangesAlert"_s) == nullptr);
    GlobalData expected;
    QTemporaryDir icons;
    QVERIFY(openProjectData(expected, designs.at(2).bytes, icons.path()));
    QTRY_VERIFY(w.data.value(Setting::borderRadius) == expected.value(Setting::borderRadius));
    for (int i = 0; i < kPersistedSettingCount; ++i)
        QVERIFY2(w.data.value(Setting(i)) == expected.value(Setting(i)),
                 qPrintable(QString::number(i)));
    QCOMPARE(topTitles(w.data), ownMenu);
    QVERIFY(w.window.document()->filePath().isEmpty());
    // The kept menu is in no file yet: the design is unsaved, and closing asks.
    QVERIFY(w.window.document()->isModified());
    QVERIFY(w.window.isWindowModified());

    // The card shows the design as drawn by the engine: more than one colour.
    DesignThumbnails& thumbnails = w.window.gallery()->thumbnails();
    QTRY_VERIFY_WITH_TIMEOUT(!thumbnails.cached(designs.at(2)).isNull(), 60000);
    const QImage card = thumbnails.cached(designs.at(2));
    QSet<QRgb> colours;
    for (int y = 0; y < card.height(); y += 4)
        for (int x = 0; x < card.width(); x += 4)
            colours.insert(card.pixel(x, y));
    QVERIFY2(colours.size() > 3, qPrintable(QString::number(colours.size())));

    // Escape leaves the design as it is.
    gallery = openGallery(w.window);
    QVERIFY(gallery);
    press(Qt::Key_Escape);
    QTRY_VERIFY(w.window.findChild<DesignGalleryDialog*>() == nullptr);
    QVERIFY(w.data.value(Setting::borderRadius) == expected.value(Setting::borderRadius));

    // The first design with its sample menu.
    gallery = openGallery(w.window);
    QVERIFY(gallery);
    press(Qt::Key_Home);
    press(Qt::Key_Return);
    QTRY_VERIFY((question = w.window.findChild<QMessageBox*>(u"keepMenuQuestion"_s)));
    QVERIFY(QTest::qWaitForWindowActive(question));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
    QMessageBox* unsaved = nullptr;
    QTRY_VERIFY((unsaved = w.window.findChild<QMessageBox*>(u"unsavedChangesAlert"_s)));
    unsaved->button(QMessageBox::Discard)->click();
    QTRY_COMPARE(topTitles(w.data),
                 QStringList({u"Home"_s, u"Products"_s, u"Services"_s, u"About"_s, u"Contact"_s}));
    QVERIFY(w.data.value(Setting::mainMenufontColor) != expected.value(Setting::mainMenufontColor));
}

// File → Import Menu… takes a site's menu as one edit: the outline, the page and the preview
// show it, the style stays, what was left out is told once, and Undo brings the old menu back.
// A file without a menu is refused and changes nothing.
void PanelsInWindowTest::importMenu_replacesTheMenuAsOneStep() {
    ShownWindow w;
    QVERIFY(w.active());
    w.data.setBorderRadius(7);
    QTemporaryDir site;
    const auto writeFile = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    const QString page = site.filePath(u"index.html"_s);
    const QString empty = site.filePath(u"empty.html"_s);
    QVERIFY(writeFile(page, "<nav><ul><li><a href=\"/\">Start</a><li><a href=\"/shop/\">Shop"
                            "</a><ul><li><a href=\"/shop/a/\">Lamps</a><li><a href=\"javascript:"
                            "x()\">Run</a></ul></ul></nav>"));
    QVERIFY(writeFile(empty, "<p>No menu.</p>"));
    QVERIFY(w.window.findChild<QAction*>(u"importMenu"_s));
    const QStringList before = topTitles(w.data);
    DesignHistory& history = w.window.document()->history();
    history.commitPending();
    const int steps = history.stack().count();
    const auto shownBox = [&w](const QString& title) -> QMessageBox* {
        for (QMessageBox* box : w.window.findChildren<QMessageBox*>())
            if (box->isVisible() && box->windowTitle() == title)
                return box;
        return nullptr;
    };

    QVERIFY(!w.window.menuImport()->importFrom(empty));
    QTRY_VERIFY(shownBox(u"Menu Not Imported"_s));
    QVERIFY(shownBox(u"Menu Not Imported"_s)->text().contains(u"empty.html"_s));
    shownBox(u"Menu Not Imported"_s)->accept();
    history.commitPending();
    QCOMPARE(history.stack().count(), steps);
    QCOMPARE(topTitles(w.data), before);

    QVERIFY(w.window.menuImport()->importFrom(page));
    QTRY_VERIFY(shownBox(u"Menu Imported"_s));
    QVERIFY(shownBox(u"Menu Imported"_s)->text().contains(u"Script links"_s));
    shownBox(u"Menu Imported"_s)->accept();
    history.commitPending();
    QCOMPARE(history.stack().count(), steps + 1);
    QCOMPARE(history.stack().undoText(), u"Import Menu"_s);
    QCOMPARE(topTitles(w.data), QStringList({u"Start"_s, u"Shop"_s}));
    MenuTreeModel* model = w.window.menuStructureView()->treeModel();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->rowCount(model->index(1, 0)), 2);
    QCOMPARE(model->data(model->index(1, 0, model->index(1, 0))).toString(), u"Run"_s);
    const QString html = w.window.controller()->documents().htmlText();
    QVERIFY(html.contains(u"href=\"/shop/a/\">Lamps</a>"_s));
    QVERIFY(!html.contains(u"javascript"_s));
    QCOMPARE(w.data.borderRadius(), 7);
    QVERIFY(w.window.document()->isModified());

    history.undo();
    QCOMPARE(topTitles(w.data), before);
    QVERIFY(w.window.controller()->documents().htmlText().contains(before.at(1)));
    QCOMPARE(model->rowCount(), before.size());
    history.redo();
    QCOMPARE(topTitles(w.data), QStringList({u"Start"_s, u"Shop"_s}));
}

void PanelsInWindowTest::keyboardOnly_pickColourAndHoverOpacity() {
    ShownWindow w;
    QVERIFY(w.active());
    press(Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(w.window.modes()->currentModeView(), w.window.sideBarView());

    auto* well = w.panels().backgroundViewContainer->stopColorImage(0);
    QStringList passed;
    QVERIFY2(tabTo(well, passed), qPrintable(passed.join(u", ")));
    QCOMPARE(QAccessible::queryAccessibleInterface(well)->text(QAccessible::Name),
             u"Background start colour"_s);

    press(Qt::Key_Space);
    QColorDialog* dialog = ColorPickerImageView::sharedColorDialog();
    QVERIFY(dialog->isVisible());
    QCOMPARE(ColorPickerImageView::colorDialogTarget(), well);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(dialog));
    // The dialog's hexadecimal field takes a typed colour.
    QLineEdit* hex = nullptr;
    for (int presses = 0; presses < 60 && hex == nullptr; ++presses) {
        auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (field != nullptr && field->text().startsWith(u'#'))
            hex = field;
        else
            press(Qt::Key_Tab);
    }
    QVERIFY(hex != nullptr);
    press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(hex, u"#123456"_s);
    press(Qt::Key_Return);
    QCOMPARE(w.data.colorValue(Setting::startBackgroundColor), Color::fromBytes(0x12, 0x34, 0x56));
    press(Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(well));

    // Back to the state tabs; Right shows the hover page.
    TabStripView* strip = w.window.sideBarView()->tabStrip();
    QVERIFY2(tabTo(strip, passed, true), qPrintable(passed.join(u", ")));
    press(Qt::Key_Right);
    QCOMPARE(strip->selectIndex(), 1);
    QCOMPARE(w.window.sideBarView()->container()->currentPage(), 1);

    auto* opacity = w.panels().backgroundHoverViewContainer->findChild<QLineEdit*>(
        u"colorTransparencyTextField"_s);
    QVERIFY(opacity != nullptr);
    passed.clear();
    QVERIFY2(tabTo(opacity, passed), qPrintable(passed.join(u", ")));
    QCOMPARE(opacity->accessibleName(), u"Hover background opacity"_s);
    QTest::keyClicks(opacity, u"40"_s);
    press(Qt::Key_Return);
    QCOMPARE(w.data.integerValue(Setting::colorTransparencyHover), 40);
    press(Qt::Key_Up);
    QCOMPARE(w.data.integerValue(Setting::colorTransparencyHover), 41);
    QCOMPARE(opacity->text(), u"41"_s);
}

void PanelsInWindowTest::randomEdits_undoneAndRedoneAllTheWay_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("everyKind"); // the sequence holds edits of every kind
    QTest::newRow("seed 6") << quint32(6) << true;
    QTest::newRow("seed 20261207") << quint32(20261207) << true;
    if (const std::optional<quint32> asked = askedSeed())
        QTest::newRow("asked seed") << *asked << false;
}

// Every edit the random user makes is undone through the window's Edit menu, step by step,
// back to the untouched design, and redone with the keys to the last one. After each step
// the preview folder, the source views and the outline equal a fresh build from the store.
void PanelsInWindowTest::randomEdits_undoneAndRedoneAllTheWay() {
    QFETCH(quint32, seed);
    QFETCH(bool, everyKind);
    constexpr int kEdits = 150;

    ShownWindow shown;
    QVERIFY(shown.base.isValid());
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    const QTemporaryDir& base = shown.base;
    const IconFiles icons(base);
    QVERIFY(icons.written);
    GlobalData& data = shown.data;
    MainWindow& window = shown.window;
    const ShownTexts untouched = ShownTexts::of(window);

    // Two pictures share a name, so undoing an icon change has to bring the older file back.
    RandomEdits edits(window, seed, {icons.icon, icons.sameNamedIcon}, icons.retinaIcon);
    QStringList kinds;
    for (int i = 0; i < kEdits; ++i) {
        kinds << edits.next().section(QLatin1Char(' '), 0, 0);
        // The user's next action comes after the event loop has turned.
        QCoreApplication::processEvents();
    }
    const ShownTexts edited = ShownTexts::of(window);
    QVERIFY(edited.css != untouched.css);
    // Menu edits of each kind, detailed and quick panel edits.
    for (const char* kind : {"added", "edited", "renamed", "removed", "moved"})
        QVERIFY2(!everyKind || kinds.contains(QLatin1String(kind)), kind);
    for (const char* panels : {"^brindle::Quick\\w+\\.", "^brindle::(?!Quick)\\w+View\\."})
        QVERIFY2(!everyKind || !kinds.filter(QRegularExpression(QLatin1String(panels))).isEmpty(),
                 panels);
    QVERIFY(window.isWindowModified());

    QAction* undo = window.document()->undoAction();
    // The step's place and name when something differs after it.
    const auto check = [&](int count, const QString& step) {
        const QString problem = differenceFromFreshBuild(window, data);
        return problem.isEmpty() ? QString()
                                 : QStringLiteral("seed %1, step %2 \"%3\": %4")
                                       .arg(seed)
                                       .arg(count)
                                       .arg(step, problem);
    };
    int steps = 0;
    for (; undo->isEnabled() && steps <= kEdits; ++steps) {
        const QString step = undo->text();
        undo->trigger();
        const QString problem = check(steps + 1, step);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
    // Tab clicks and mode switches are no steps, refused edits neither.
    QVERIFY2(steps >= 10 && steps <= kEdits, qPrintable(QString::number(steps)));
    const ShownTexts undone = ShownTexts::of(window);
    QCOMPARE(undone.css, untouched.css);
    QCOMPARE(undone.html, untouched.html);
    QCOMPARE(undone.cssView, untouched.cssView);
    QCOMPARE(undone.htmlView, untouched.htmlView);
    QVERIFY(!window.isWindowModified());

    // Redo with both of its keys, from the window as the user has it: the colour window and
    // every pop-up list closed, the outline focused.
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (other != &window)
            other->hide();
    }
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.modes()->showMenuStructureMode();
    window.menuStructureView()->outLineView()->setFocus();
    QTRY_VERIFY(QApplication::focusWidget() == window.menuStructureView()->outLineView());
    QAction* redo = window.document()->redoAction();
    for (int redone = 0; redone < steps; ++redone) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused != nullptr);
        const QString step = redo->text();
        if (redone % 2 == 0)
            QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else
            QTest::keyClick(focused, Qt::Key_Y, Qt::ControlModifier);
        const QString problem = check(redone + 1, step);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
    QVERIFY(!redo->isEnabled());
    const ShownTexts redone = ShownTexts::of(window);
    QCOMPARE(redone.css, edited.css);
    QCOMPARE(redone.html, edited.html);
    QCOMPARE(redone.cssView, edited.cssView);
    QCOMPARE(redone.htmlView, edited.htmlView);
    QVERIFY(window.isWindowModified());
}

int main(int argc, char* argv[]) {
    // The embedded web view refuses its sandbox as root.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    PanelsInWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_panels_in_window.moc"
