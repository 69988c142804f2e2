#include "MenuText.h"
#include "TestFiles.h"
#include "editor/IconClassCounter.h"
#include "editor/IconImporter.h"
#include "editor/MenuItemForm.h"
#include "editor/MenuStructureView.h"
#include "editor/MenuTreeModel.h"
#include "model/GlobalData.h"
#include "model/IconFileName.h"
#include "model/Node.h"
#include "platform/NotificationCenter.h"
#include "widgets/Stepper.h"
#include "workspace/IconImage.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <memory>

using namespace brindle;
using IconSlot = MenuItemForm::IconSlot;

namespace {

const QString kUpdated = QStringLiteral("MenuStructureDataUpdated");

// Records every "MenuStructureDataUpdated" with its sender.
struct NotificationLog {
    explicit NotificationLog(NotificationCenter& center) : center(center) {
        center.addObserver(this, kUpdated, nullptr,
                           [this](const Notification& n) { senders << n.sender; });
    }
    ~NotificationLog() { center.removeObserver(this); }
    NotificationCenter& center;
    QList<const void*> senders;
};

// The tree as text: titles in order, sub-items in brackets.
QString describe(const Node& node) {
    return testsupport::describeMenu(node);
}

// Every parent reference and group flag agrees with the lists, and no item lies deeper than
// the menu's levels.
bool treeIsConsistent(const Node& parent, int level = 1) {
    for (int i = 0; i < parent.childCount(); ++i) {
        const Node* item = parent.childAt(i);
        if (level > kDeepestMenuLevel || item->parent() != &parent ||
            item->isGroup() != (item->childCount() > 0) || !treeIsConsistent(*item, level + 1))
            return false;
    }
    return true;
}

const QString kThreeLevels = QStringLiteral("Home,Products[Tessaly,Brindle[Deep]],Forums");

// "Products/Brindle" → the index of that item; "" → the top level.
QModelIndex indexAt(const MenuTreeModel& model, const QString& path) {
    QModelIndex index;
    if (path.isEmpty())
        return index;
    for (const QString& title : path.split(QLatin1Char('/'))) {
        QModelIndex found;
        for (int row = 0; row < model.rowCount(index); ++row) {
            const QModelIndex candidate = model.index(row, 0, index);
            if (candidate.data().toString() == title)
                found = candidate;
        }
        if (!found.isValid())
            return {};
        index = found;
    }
    return index;
}

bool writePicture(const QString& path, QSize size, QColor colour, const char* format = "PNG") {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image.save(path, format);
}

// A store with the default menu, a preview folder, its own notification centre and a view.
struct Fixture {
    // The default menu, or the one `tree` describes.
    explicit Fixture(const QString& tree = {}) {
        if (!tree.isEmpty())
            store.replaceMenu(testsupport::menuOfText(tree));
        store.setTempFolderPath(preview.path());
        view = std::make_unique<MenuStructureView>(store, center);
        tester = std::make_unique<QAbstractItemModelTester>(
            view->treeModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }
    MenuTreeModel& model() const { return *view->treeModel(); }
    MenuItemForm& form() const { return *view->popover(); }
    Node& root() const { return *store.getMenuRootNode(); }
    void select(const QString& path) const {
        const QModelIndex index = indexAt(model(), path);
        if (index.isValid())
            view->outLineView()->setCurrentIndex(index);
        else
            view->outLineView()->selectionModel()->clear();
    }
    Node* node(const QString& path) const { return model().nodeFromIndex(indexAt(model(), path)); }
    QString source(const QString& name) const { return sources.filePath(name); }
    // Fills and confirms the add form.
    Node* add(const QString& title, const QString& icon = {}, const QString& retina = {}) {
        view->showAddMenuPopOver();
        form().findChild<QLineEdit*>(QStringLiteral("newMenuTextField"))->setText(title);
        if (!icon.isEmpty())
            form().chooseImageFile(icon);
        if (!retina.isEmpty())
            form().chooseRetinaImageFile(retina);
        return confirm();
    }
    // Presses the form's confirm button; returns the item it added, if any.
    Node* confirm() {
        const QList<Node*> before = allItems();
        view->saveButtonClicked();
        for (Node* item : allItems())
            if (!before.contains(item))
                newest = item;
        return newest;
    }
    QList<Node*> allItems() const {
        QList<Node*> items;
        const auto walk = [&items](auto& self, Node& parent) -> void {
            for (int i = 0; i < parent.childCount(); ++i) {
                items << parent.childAt(i);
                self(self, *parent.childAt(i));
            }
        };
        walk(walk, root());
        return items;
    }
    // The item that the last add placed in the tree.
    Node* lastAdded() const { return newest; }
    QMessageBox* alert(const QString& name) const { return view->findChild<QMessageBox*>(name); }

    QTemporaryDir preview;
    QTemporaryDir sourceDir;
    QDir sources{sourceDir.path()};
    GlobalData store;
    NotificationCenter center;
    NotificationLog log{center};
    std::unique_ptr<MenuStructureView> view;
    std::unique_ptr<QAbstractItemModelTester> tester;
    Node* newest = nullptr;
};

} // namespace

class EditorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void addForm_offersKindsBySelection_data();
    void addForm_offersKindsBySelection();
    void addMenu_placesItemByKind_data();
    void addMenu_placesItemByKind();
    void addMenu_numbersIconClassesFromSix();
    void iconClasses_stayUniqueAfterProjectOpened_data();
    void iconClasses_stayUniqueAfterProjectOpened();
    void icons_sizedFromPixels_data();
    void icons_sizedFromPixels();
    void blankTitles_areRefused_data();
    void blankTitles_areRefused();
    void icons_sameNameKeepsEveryPicture_data();
    void icons_sameNameKeepsEveryPicture();
    void icons_copyGetsSafeName_data();
    void icons_copyGetsSafeName();
    void icons_unusableFileLeavesItemWithoutIt_data();
    void icons_unusableFileLeavesItemWithoutIt();
    void icons_onlyWhenChosenInThisForm();
    void edit_iconFields_data();
    void edit_iconFields();
    void edit_keepsLinkAndFields();
    void remove_onlySubItemMakesParentPlain();
    void remove_selectsRowAbove();
    void remove_byDeleteKey();
    void deleteAlert_data();
    void deleteAlert();
    void drop_data();
    void drop();
    void drop_keepsThreeLevels_data();
    void drop_keepsThreeLevels();
    void drop_foreignDragChangesNothing();
    void drop_lastSubItemOutMakesParentPlain();
    void rename_inPlace();
    void iconGapPair_data();
    void iconGapPair();
    void iconGapField_refusesLetters();
    void outline_showsIconPictures();
    void reloadData_showsReplacedTree();
    void fileChooser_opensWithoutBlocking();
    void svgIcons_takenCleanOrRefused_data();
    void svgIcons_takenCleanOrRefused();
    void svgIcon_formFollowsTheChoice();
};

void EditorTest::initTestCase() {
    // The icon chooser remembers its folder in the user defaults: the test's own, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QLoggingCategory::setFilterRules(QStringLiteral("brindle.info=false"));
}

void EditorTest::addForm_offersKindsBySelection_data() {
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<QString>("preselected");
    const QStringList mainOnly{QStringLiteral("Main Menu")};
    const QStringList both{QStringLiteral("Main Menu"), QStringLiteral("Sub Menu")};
    const QStringList all = both + QStringList{QStringLiteral("Third Level")};
    QTest::newRow("nothing selected") << "" << mainOnly << "Main Menu";
    QTest::newRow("top-level item") << "Products" << both << "Sub Menu";
    QTest::newRow("sub-item") << "Products/Tessaly" << all << "Third Level";
    QTest::newRow("sub-item with items") << "Products/Brindle" << all << "Third Level";
    QTest::newRow("third-level item") << "Products/Brindle/Deep" << all << "Third Level";
}

void EditorTest::addForm_offersKindsBySelection() {
    QFETCH(QString, selection);
    QFETCH(QStringList, kinds);
    QFETCH(QString, preselected);
    Fixture f(kThreeLevels);
    f.select(selection);
    f.view->showAddMenuPopOver();
    QVERIFY(f.form().isVisible());
    QCOMPARE(f.form().kindEntries(), kinds);
    auto* kind = f.form().findChild<QComboBox*>(QStringLiteral("newMenuComboBox"));
    QCOMPARE(kind->currentText(), preselected);
    QVERIFY(kind->isEnabled());
    QCOMPARE(f.form().findChild<QPushButton*>(QStringLiteral("createMenuButton"))->text(),
             QStringLiteral("C&reate"));
    // The add button toggles the popover.
    f.view->showAddMenuPopOver();
    QVERIFY(!f.form().isVisible());
    QVERIFY(f.log.senders.isEmpty());
}

void EditorTest::addMenu_placesItemByKind_data() {
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("tree");
    QTest::newRow("main menu, nothing selected")
        << ""
        << "Main Menu"
        << "Home,Products[Tessaly,Brindle[Deep]],Forums,New";
    QTest::newRow("main menu goes last whatever is selected")
        << "Products/Brindle/Deep"
        << "Main Menu"
        << "Home,Products[Tessaly,Brindle[Deep]],Forums,New";
    QTest::newRow("sub menu under the selected item")
        << "Home"
        << "Sub Menu"
        << "Home[New],Products[Tessaly,Brindle[Deep]],Forums";
    QTest::newRow("sub menu appended to the list")
        << "Products"
        << "Sub Menu"
        << "Home,Products[Tessaly,Brindle[Deep],New],Forums";
    QTest::newRow("sub menu beside the selected sub-item")
        << "Products/Tessaly"
        << "Sub Menu"
        << "Home,Products[Tessaly,Brindle[Deep],New],Forums";
    QTest::newRow("sub menu from the third level goes to its drop-down")
        << "Products/Brindle/Deep"
        << "Sub Menu"
        << "Home,Products[Tessaly,Brindle[Deep],New],Forums";
    QTest::newRow("third level under the selected sub-item")
        << "Products/Tessaly"
        << "Third Level"
        << "Home,Products[Tessaly[New],Brindle[Deep]],Forums";
    QTest::newRow("third level beside the selected third-level item")
        << "Products/Brindle/Deep"
        << "Third Level"
        << "Home,Products[Tessaly,Brindle[Deep,New]],Forums";
}

void EditorTest::addMenu_placesItemByKind() {
    QFETCH(QString, selection);
    QFETCH(QString, kind);
    QFETCH(QString, tree);
    Fixture f(kThreeLevels);
    f.select(selection);
    f.view->showAddMenuPopOver();
    f.form()
        .findChild<QLineEdit*>(QStringLiteral("newMenuTextField"))
        ->setText(QStringLiteral("New"));
    f.form()
        .findChild<QLineEdit*>(QStringLiteral("linkTextField"))
        ->setText(QStringLiteral("https://example.org/new"));
    f.form().findChild<QComboBox*>(QStringLiteral("newMenuComboBox"))->setCurrentText(kind);
    f.confirm();
    QVERIFY(!f.form().isVisible());
    QCOMPARE(describe(f.root()), tree);
    QVERIFY(treeIsConsistent(f.root()));
    const Node* added = f.lastAdded();
    QCOMPARE(added->name(), QStringLiteral("New"));
    QCOMPARE(added->link(), QStringLiteral("https://example.org/new"));
    QVERIFY(!added->hasIcon());
    QCOMPARE(f.log.senders, QList<const void*>{f.view.get()});
    if (added->parent() != &f.root())
        QVERIFY(f.view->outLineView()->isExpanded(f.model().indexOfNode(added->parent())));
}

void EditorTest::addMenu_numbersIconClassesFromSix() {
    Fixture f;
    QStringList classes;
    for (const char* title : {"One", "Two", "Three"})
        classes << f.add(QString::fromLatin1(title))->iconID();
    QCOMPARE(classes, (QStringList{QStringLiteral("icon6"), QStringLiteral("icon7"),
                                   QStringLiteral("icon8")}));
    QCOMPARE(f.log.senders.size(), 3);
}

void EditorTest::iconClasses_stayUniqueAfterProjectOpened_data() {
    QTest::addColumn<QStringList>("openedClasses");
    QTest::addColumn<QString>("expected");
    QTest::newRow("small classes: counter starts at 6")
        << QStringList{QStringLiteral("icon0"), QStringLiteral("icon2")} << "icon6";
    QTest::newRow("past six: one more than the largest")
        << QStringList{QStringLiteral("icon3"), QStringLiteral("icon12"), QStringLiteral("icon7")}
        << "icon13";
    QTest::newRow("largest kept class: smallest free number")
        << QStringList{QStringLiteral("icon6"), QStringLiteral("icon999999999")} << "icon7";
}

void EditorTest::iconClasses_stayUniqueAfterProjectOpened() {
    QFETCH(QStringList, openedClasses);
    QFETCH(QString, expected);
    Fixture f;
    // What opening a project does: the children are replaced without notice.
    f.root().clearChildren();
    for (const QString& iconClass : openedClasses)
        f.root().appendChild(Node::make(iconClass.toUpper(), iconClass, &f.root()));
    f.view->reloadData();
    QVERIFY(f.log.senders.isEmpty());
    QCOMPARE(f.add(QStringLiteral("New"))->iconID(), expected);
    QStringList all;
    for (int i = 0; i < f.root().childCount(); ++i)
        all << f.root().childAt(i)->iconID();
    QCOMPARE(all.removeDuplicates(), 0);
}

void EditorTest::icons_sizedFromPixels_data() {
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("32 x 32") << QSize(32, 32) << QSize(16, 16);
    QTest::newRow("33 wide") << QSize(33, 32) << QSize(16, 16);
    QTest::newRow("odd both") << QSize(41, 21) << QSize(20, 10);
}

void EditorTest::icons_sizedFromPixels() {
    QFETCH(QSize, pixels);
    QFETCH(QSize, shown);
    Fixture f;
    QVERIFY(writePicture(f.source(QStringLiteral("retina.png")), pixels, Qt::red));
    QVERIFY(writePicture(f.source(QStringLiteral("normal.gif")), pixels, Qt::blue, "GIF") ||
            writePicture(f.source(QStringLiteral("normal.gif")), pixels, Qt::blue, "PNG"));
    const Node* item = f.add(QStringLiteral("Pictured"), f.source(QStringLiteral("normal.gif")),
                             f.source(QStringLiteral("retina.png")));
    QCOMPARE(item->imageFileName(), QStringLiteral("normal.gif"));
    QCOMPARE(item->imageWidth(), qint64(pixels.width()));
    QCOMPARE(item->imageHeight(), qint64(pixels.height()));
    QCOMPARE(item->retinaImageFileName(), QStringLiteral("retina.png"));
    QCOMPARE(item->retinaImage().size(), pixels);
    QCOMPARE(item->retinaImageWidth(), qint64(shown.width()));
    QCOMPARE(item->retinaImageHeight(), qint64(shown.height()));
    QCOMPARE(item->scaledImage().size(), shown);
    QCOMPARE(item->scaledImage().pixelColor(shown.width() / 2, shown.height() / 2),
             QColor(Qt::red));
    QVERIFY(QFile::exists(QDir(f.preview.path()).filePath(QStringLiteral("normal.gif"))));
    QVERIFY(QFile::exists(QDir(f.preview.path()).filePath(QStringLiteral("retina.png"))));
}

void EditorTest::blankTitles_areRefused_data() {
    QTest::addColumn<QString>("title");
    QTest::newRow("empty") << QString();
    QTest::newRow("spaces") << QStringLiteral("   ");
    QTest::newRow("tab and line break") << QStringLiteral("\t\n");
    QTest::newRow("no-break space") << QStringLiteral("\u00a0");
}

// A link without a title says nothing: the add form, the edit form and a rename in place
// refuse one, say why, and change nothing.
void EditorTest::blankTitles_areRefused() {
    QFETCH(QString, title);
    Fixture f;
    QSignalSpy told(f.view.get(), &MenuStructureView::statusMessage);
    const QList<Node*> before = f.allItems();

    f.add(title);
    QCOMPARE(f.allItems(), before);
    QCOMPARE(told.count(), 1);

    f.select(QStringLiteral("Home"));
    f.view->showEditMenuPopOver();
    f.form().findChild<QLineEdit*>(QStringLiteral("newMenuTextField"))->setText(title);
    f.confirm();
    QCOMPARE(f.root().childAt(0)->name(), QStringLiteral("Home"));
    QCOMPARE(told.count(), 2);

    QVERIFY(!f.model().setData(f.model().index(0, 0), title, Qt::EditRole));
    QCOMPARE(f.root().childAt(0)->name(), QStringLiteral("Home"));
    QCOMPARE(told.count(), 3);
    // A title with something to say is taken.
    QVERIFY(f.model().setData(f.model().index(0, 0), QStringLiteral(" Start "), Qt::EditRole));
    QCOMPARE(f.root().childAt(0)->name(), QStringLiteral(" Start "));
}

void EditorTest::icons_sameNameKeepsEveryPicture_data() {
    QTest::addColumn<QColor>("secondColour");
    QTest::addColumn<QString>("secondName");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("told");
    QTest::newRow("different pictures")
        << QColor(Qt::blue) << QStringLiteral("star-2.png")
        << QStringList{QStringLiteral("star-2.png"), QStringLiteral("star.png")} << true;
    QTest::newRow("the same picture") << QColor(Qt::red) << QStringLiteral("star.png")
                                      << QStringList{QStringLiteral("star.png")} << false;
}

// Two files called star.png from two folders: a different picture gets a free name and is
// said in the status bar; the same picture shares the copy.
void EditorTest::icons_sameNameKeepsEveryPicture() {
    QFETCH(QColor, secondColour);
    QFETCH(QString, secondName);
    QFETCH(QStringList, files);
    QFETCH(bool, told);
    Fixture f;
    QSignalSpy status(f.view.get(), &MenuStructureView::statusMessage);
    QVERIFY(f.sources.mkpath(QStringLiteral("a")) && f.sources.mkpath(QStringLiteral("b")));
    QVERIFY(writePicture(f.source(QStringLiteral("a/star.png")), QSize(8, 8), Qt::red));
    QVERIFY(writePicture(f.source(QStringLiteral("b/star.png")), QSize(8, 8), secondColour));
    const Node* first = f.add(QStringLiteral("First"), f.source(QStringLiteral("a/star.png")));
    const Node* second = f.add(QStringLiteral("Second"), f.source(QStringLiteral("b/star.png")));
    QCOMPARE(first->imageFileName(), QStringLiteral("star.png"));
    QCOMPARE(second->imageFileName(), secondName);
    QCOMPARE(QDir(f.preview.path()).entryList(QDir::Files, QDir::Name), files);
    const auto shownColour = [&](const QString& name) {
        return QImage(QDir(f.preview.path()).filePath(name)).pixelColor(0, 0);
    };
    QCOMPARE(shownColour(QStringLiteral("star.png")), QColor(Qt::red));
    QCOMPARE(shownColour(secondName), secondColour);
    QCOMPARE(status.count(), told ? 1 : 0);
    if (told)
        QVERIFY(status.first().first().toString().contains(QStringLiteral("star-2.png")));
}

void EditorTest::icons_copyGetsSafeName_data() {
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("stored");
    QTest::newRow("arrow image's name") << "bottom.png"
                                        << "icon-bottom.png";
    QTest::newRow("page's name") << "index.html"
                                 << "icon-index.html";
    QTest::newRow("stylesheet's name") << "styles.css"
                                       << "icon-styles.css";
    QTest::newRow("backslash") << "a\\b.png"
                               << "a_b.png";
    QTest::newRow("plain name") << "logo.png"
                                << "logo.png";
    // As long as a file name can be: its copy is written all the same.
    QTest::newRow("longest name") << QString(251, u'l') + ".png" << QString(251, u'l') + ".png";
}

void EditorTest::icons_copyGetsSafeName() {
    QFETCH(QString, picked);
    QFETCH(QString, stored);
    Fixture f;
    const QDir preview(f.preview.path());
    // Generated files already in the folder must survive.
    for (const char* generated : {"bottom.png", "index.html", "styles.css"}) {
        QFile file(preview.filePath(QString::fromLatin1(generated)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("generated");
    }
    QVERIFY(writePicture(f.source(picked), QSize(4, 4), Qt::green));
    const Node* item = f.add(QStringLiteral("Safe"), f.source(picked));
    QCOMPARE(item->imageFileName(), stored);
    QVERIFY(!QImage(preview.filePath(stored)).isNull());
    for (const char* generated : {"bottom.png", "index.html", "styles.css"}) {
        QFile file(preview.filePath(QString::fromLatin1(generated)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("generated"));
    }
}

void EditorTest::icons_unusableFileLeavesItemWithoutIt_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("not a picture") << QByteArray("just some text") << QSize();
    QTest::newRow("truncated picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << QSize();
    QTest::newRow("too many pixels") << QByteArray() << QSize(kLargestIconSide + 1, 1);
    QTest::newRow("BMP picture") << QByteArray("BMP") << QSize(4, 4);
    if (QImageWriter::supportedImageFormats().contains("tiff"))
        QTest::newRow("TIFF picture") << QByteArray("TIFF") << QSize(4, 4);
    QTest::newRow("missing file") << QByteArray("missing") << QSize();
}

void EditorTest::icons_unusableFileLeavesItemWithoutIt() {
    QFETCH(QByteArray, content);
    QFETCH(QSize, pixels);
    Fixture f;
    const QString path = f.source(QStringLiteral("broken.png"));
    if (content == "BMP" || content == "TIFF") {
        QVERIFY(writePicture(path, pixels, Qt::red, content.constData()));
    } else if (pixels.isValid()) {
        QVERIFY(writePicture(path, pixels, Qt::red));
    } else if (content != "missing") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const Node* item = f.add(QStringLiteral("Plain"), path, path);
    QVERIFY(!item->hasIcon());
    QVERIFY(item->image().isNull());
    QVERIFY(item->retinaImage().isNull());
    QCOMPARE(f.log.senders.size(), 1); // the item itself was added
    QVERIFY(QDir(f.preview.path()).entryList(QDir::Files).isEmpty());
    QMessageBox* alert = f.alert(QStringLiteral("iconProblemAlert"));
    QVERIFY(alert);
    QVERIFY(alert->isVisible());
    QCOMPARE(alert->windowModality(), Qt::WindowModal);
    QVERIFY(alert->informativeText().contains(QStringLiteral("broken.png")));
}

void EditorTest::icons_onlyWhenChosenInThisForm() {
    Fixture f;
    QVERIFY(writePicture(f.source(QStringLiteral("a.png")), QSize(8, 8), Qt::red));
    const Node* first = f.add(QStringLiteral("First"), f.source(QStringLiteral("a.png")),
                              f.source(QStringLiteral("a.png")));
    QVERIFY(first->hasIcon());
    const Node* second = f.add(QStringLiteral("Second"));
    QVERIFY(!second->hasIcon());
    QVERIFY(second->image().isNull());
    QVERIFY(second->scaledImage().isNull());
    // The add form shows empty icon fields again.
    f.view->showAddMenuPopOver();
    QVERIFY(f.form().findChild<QLineEdit*>(QStringLiteral("imageTextField"))->text().isEmpty());
    QCOMPARE(f.form().iconChoice(IconSlot::Normal).kind, MenuItemForm::IconChoice::Kind::Unchanged);
}

void EditorTest::edit_iconFields_data() {
    QTest::addColumn<QString>("action"); // untouched, cleared, replaced, broken
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<int>("expectedWidth");
    QTest::addColumn<bool>("alert");
    QTest::newRow("untouched keeps") << "untouched"
                                     << "old.png" << 8 << false;
    QTest::newRow("cleared drops") << "cleared"
                                   << "" << 0 << false;
    QTest::newRow("new choice replaces") << "replaced"
                                         << "new.png" << 20 << false;
    QTest::newRow("unusable choice keeps") << "broken"
                                           << "old.png" << 8 << true;
}

void EditorTest::edit_iconFields() {
    QFETCH(QString, action);
    QFETCH(QString, expectedName);
    QFETCH(int, expectedWidth);
    QFETCH(bool, alert);
    Fixture f;
    QVERIFY(writePicture(f.source(QStringLiteral("old.png")), QSize(8, 8), Qt::red));
    QVERIFY(writePicture(f.source(QStringLiteral("new.png")), QSize(20, 20), Qt::blue));
    QFile broken(f.source(QStringLiteral("broken.png")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("nope");
    broken.close();
    Node* item = f.add(QStringLiteral("Item"), f.source(QStringLiteral("old.png")),
                       f.source(QStringLiteral("old.png")));
    f.log.senders.clear();

    f.select(QStringLiteral("Item"));
    f.view->showEditMenuPopOver();
    QVERIFY(f.form().isVisible());
    QCOMPARE(f.form().findChild<QPushButton*>(QStringLiteral("createMenuButton"))->text(),
             QStringLiteral("&Save"));
    QCOMPARE(f.form().findChild<QLineEdit*>(QStringLiteral("imageTextField"))->text(),
             QStringLiteral("old.png"));
    QVERIFY(!f.form().findChild<QComboBox*>(QStringLiteral("newMenuComboBox"))->isEnabled());
    for (IconSlot slot : {IconSlot::Normal, IconSlot::Retina}) {
        if (action == QLatin1String("cleared"))
            f.form().clearIconFile(slot);
        else if (action == QLatin1String("replaced"))
            f.form().chooseIconFile(slot, f.source(QStringLiteral("new.png")));
        else if (action == QLatin1String("broken"))
            f.form().chooseIconFile(slot, f.source(QStringLiteral("broken.png")));
    }
    f.view->saveButtonClicked();

    QCOMPARE(f.log.senders, QList<const void*>{f.view.get()});
    QCOMPARE(item->imageFileName(), expectedName);
    QCOMPARE(item->retinaImageFileName(), expectedName);
    QCOMPARE(item->imageWidth(), qint64(expectedWidth));
    QCOMPARE(item->image().width(), expectedWidth);
    QCOMPARE(item->retinaImageWidth(), qint64(expectedWidth / 2));
    QCOMPARE(item->scaledImage().width(), expectedWidth / 2);
    QCOMPARE(f.alert(QStringLiteral("iconProblemAlert")) != nullptr, alert);
}

void EditorTest::edit_keepsLinkAndFields() {
    Fixture f;
    Node* home = f.node(QStringLiteral("Home"));
    f.select(QStringLiteral("Home"));
    f.view->showEditMenuPopOver();
    auto* link = f.form().findChild<QLineEdit*>(QStringLiteral("linkTextField"));
    QVERIFY(link->text().isEmpty()); // "http://www." is only a placeholder
    QCOMPARE(link->placeholderText(), QStringLiteral("http://www."));
    f.view->saveButtonClicked();
    QCOMPARE(home->link(), QString());
    QCOMPARE(home->name(), QStringLiteral("Home"));
    QCOMPARE(home->iconID(), QStringLiteral("icon0"));

    f.select(QStringLiteral("Products/Tessaly"));
    f.view->showEditMenuPopOver();
    QCOMPARE(f.form().findChild<QComboBox*>(QStringLiteral("newMenuComboBox"))->currentText(),
             QStringLiteral("Sub Menu"));
    f.form()
        .findChild<QLineEdit*>(QStringLiteral("newMenuTextField"))
        ->setText(QStringLiteral("Tessaly Pro"));
    link->setText(QStringLiteral("https://example.org/t"));
    auto* gap = f.form().findChild<QLineEdit*>(QStringLiteral("paddingRightTextField"));
    gap->setText(QStringLiteral("7")); // still being typed when Save is pressed
    f.view->saveButtonClicked();
    const Node* tessaly = f.node(QStringLiteral("Products/Tessaly Pro"));
    QVERIFY(tessaly);
    QCOMPARE(tessaly->link(), QStringLiteral("https://example.org/t"));
    QCOMPARE(tessaly->paddingRight(), qint64(7));
    QCOMPARE(f.log.senders.size(), 2);
}

void EditorTest::remove_onlySubItemMakesParentPlain() {
    Fixture f;
    f.select(QStringLiteral("Home"));
    f.add(QStringLiteral("Only"));
    f.select(QStringLiteral("Home"));
    // Added as "Sub Menu" (preselected with a top-level item selected).
    const QModelIndex home = indexAt(f.model(), QStringLiteral("Home"));
    QVERIFY(f.model().hasChildren(home));
    QVERIFY(f.node(QStringLiteral("Home"))->isGroup());
    f.log.senders.clear();

    f.select(QStringLiteral("Home/Only"));
    f.view->removeMenu();
    QVERIFY(!f.alert(QStringLiteral("deleteAlert"))); // no sub-items: no question
    QCOMPARE(describe(f.root()), QStringLiteral("Home,Products[Tessaly,Brindle],Forums"));
    QVERIFY(!f.node(QStringLiteral("Home"))->isGroup());
    QVERIFY(!f.model().hasChildren(indexAt(f.model(), QStringLiteral("Home"))));
    QCOMPARE(f.log.senders, QList<const void*>{f.view.get()});
}

void EditorTest::remove_selectsRowAbove() {
    Fixture f;
    f.select(QStringLiteral("Forums"));
    f.view->removeMenu();
    QCOMPARE(f.view->currentNode(), f.node(QStringLiteral("Products/Brindle")));
    QVERIFY(f.view->removeButton()->isEnabled());
    f.select(QStringLiteral("Home"));
    f.view->removeMenu();
    QCOMPARE(f.view->currentNode(), &f.root()); // the first row: nothing above
    QVERIFY(!f.view->removeButton()->isEnabled());
    QVERIFY(!f.view->editButton()->isEnabled());
    QCOMPARE(describe(f.root()), QStringLiteral("Products[Tessaly,Brindle]"));
    QCOMPARE(f.log.senders.size(), 2);
}

void EditorTest::remove_byDeleteKey() {
    Fixture f;
    f.view->show();
    f.view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.view.get()));
    f.select(QStringLiteral("Forums"));
    f.view->outLineView()->setFocus();
    QTest::keyClick(f.view->outLineView(), Qt::Key_Delete);
    QCOMPARE(describe(f.root()), QStringLiteral("Home,Products[Tessaly,Brindle]"));
    QCOMPARE(f.log.senders.size(), 1);
}

void EditorTest::deleteAlert_data() {
    QTest::addColumn<QString>("answer"); // a button's text, or a key sequence if typed
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("tree");
    QTest::addColumn<int>("notifications");
    const QString unchanged = QStringLiteral("Home,Products[Tessaly,Brindle],Forums");
    QTest::newRow("cancel") << "Cancel" << false << unchanged << 0;
    QTest::newRow("escape") << "Esc" << true << unchanged << 0;
    QTest::newRow("return keeps the items") << "Return" << true << unchanged << 0;
    QTest::newRow("delete") << "Delete" << false << "Home,Forums" << 1;
    QTest::newRow("delete by its mnemonic") << "Alt+D" << true << "Home,Forums" << 1;
}

void EditorTest::deleteAlert() {
    QFETCH(QString, answer);
    QFETCH(bool, typed);
    QFETCH(QString, tree);
    QFETCH(int, notifications);
    Fixture f;
    f.select(QStringLiteral("Products"));
    f.view->removeMenu();
    QMessageBox* alert = f.alert(QStringLiteral("deleteAlert"));
    QVERIFY(alert);
    QVERIFY(alert->isVisible()); // opened, not run: nothing blocks
    QCOMPARE(alert->windowModality(), Qt::WindowModal);
    QCOMPARE(alert->text(), QStringLiteral("Delete Menu"));
    QCOMPARE(
        alert->informativeText(),
        QStringLiteral("Are you sure you want to delete \"Products\" and all of its sub menus?"));
    QCOMPARE(alert->buttons().size(), 2);
    for (const QLabel* label : alert->findChildren<QLabel*>())
        QCOMPARE(label->textFormat(), Qt::PlainText); // a title is never read as markup
    QCOMPARE(describe(f.root()), QStringLiteral("Home,Products[Tessaly,Brindle],Forums"));
    QCOMPARE(alert->defaultButton()->text(), QStringLiteral("Cancel"));
    if (typed) {
        // Mnemonics reach only the active window.
        alert->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(alert));
        const QKeyCombination key = QKeySequence(answer)[0];
        QTest::keyClick(alert, key.key(), key.keyboardModifiers());
    } else {
        for (QAbstractButton* button : alert->buttons())
            if (button->text().remove(QLatin1Char('&')) == answer)
                button->click();
    }
    // A mnemonic clicks with a short animation; every answer ends by closing the alert.
    const QPointer<QMessageBox> open(alert);
    QTRY_VERIFY(!open || !open->isVisible());
    QCOMPARE(describe(f.root()), tree);
    QCOMPARE(f.log.senders.size(), notifications);
    if (notifications == 1)
        QCOMPARE(f.view->currentNode(), f.node(QStringLiteral("Home")));
    else
        QCOMPARE(f.view->currentNode(), f.node(QStringLiteral("Products")));
}

void EditorTest::drop_data() {
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<QString>("target"); // "" for the top level
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("tree");
    const QString unchanged = QStringLiteral("Home,Products[Tessaly,Brindle],Forums");
    QTest::newRow("sub-item onto another top-level item")
        << "Products/Tessaly"
        << "Home" << -1 << "Home[Tessaly],Products[Brindle],Forums";
    QTest::newRow("sub-item between top-level items")
        << "Products/Tessaly"
        << "" << 2 << "Home,Products[Brindle],Tessaly,Forums";
    QTest::newRow("onto a sub-item makes a third level")
        << "Home"
        << "Products/Brindle" << -1 << "Products[Tessaly,Brindle[Home]],Forums";
    QTest::newRow("into a sub-item's list")
        << "Home"
        << "Products/Brindle" << 0 << "Products[Tessaly,Brindle[Home]],Forums";
    QTest::newRow("first of three after the third")
        << "Home"
        << "" << 3 << "Products[Tessaly,Brindle],Forums,Home";
    QTest::newRow("last of three to the front")
        << "Forums"
        << "" << 0 << "Forums,Home,Products[Tessaly,Brindle]";
    QTest::newRow("item with sub-items moved within the top level keeps them")
        << "Products"
        << "" << 0 << "Products[Tessaly,Brindle],Home,Forums";
    QTest::newRow("item with sub-items moved to the end keeps them")
        << "Products"
        << "" << 3 << "Home,Forums,Products[Tessaly,Brindle]";
    QTest::newRow("item with sub-items onto another item takes them one level down")
        << "Products"
        << "Home" << -1 << "Home[Products[Tessaly,Brindle]],Forums";
    QTest::newRow("item with sub-items onto a sub-item refused: four levels")
        << "Products"
        << "Products/Brindle" << -1 << unchanged;
    QTest::newRow("top-level item onto itself refused") << "Home"
                                                        << "Home" << -1 << unchanged;
    QTest::newRow("top-level item into its own list refused") << "Home"
                                                              << "Home" << 0 << unchanged;
    QTest::newRow("top-level item becomes a sub-item")
        << "Forums"
        << "Products" << -1 << "Home,Products[Tessaly,Brindle,Forums]";
    QTest::newRow("top-level item between sub-items")
        << "Forums"
        << "Products" << 1 << "Home,Products[Tessaly,Forums,Brindle]";
    QTest::newRow("sub-items reordered")
        << "Products/Brindle"
        << "Products" << 0 << "Home,Products[Brindle,Tessaly],Forums";
    QTest::newRow("sub-item onto its own parent goes last")
        << "Products/Tessaly"
        << "Products" << -1 << "Home,Products[Brindle,Tessaly],Forums";
    QTest::newRow("same place before itself") << "Home"
                                              << "" << 0 << unchanged;
    QTest::newRow("same place after itself") << "Home"
                                             << "" << 1 << unchanged;
    QTest::newRow("last sub-item onto its own parent") << "Products/Brindle"
                                                       << "Products" << -1 << unchanged;
    // Below the last row of the outline the view offers the top level without a row.
    QTest::newRow("below the last row goes to the end of the bar")
        << "Home"
        << "" << -1 << "Products[Tessaly,Brindle],Forums,Home";
    QTest::newRow("sub-item below the last row")
        << "Products/Tessaly"
        << "" << -1 << "Home,Products[Brindle],Forums,Tessaly";
    QTest::newRow("item with sub-items below the last row")
        << "Products"
        << "" << -1 << "Home,Forums,Products[Tessaly,Brindle]";
    QTest::newRow("last item below the last row stays") << "Forums"
                                                        << "" << -1 << unchanged;
    // Downward within one list: the slot is counted before the item leaves its row.
    QTest::newRow("first of three into the middle")
        << "Home"
        << "" << 2 << "Products[Tessaly,Brindle],Home,Forums";
}

void EditorTest::drop() {
    QFETCH(QString, dragged);
    QFETCH(QString, target);
    QFETCH(int, row);
    QFETCH(QString, tree);
    // The three-level rows start from a menu of three levels.
    Fixture f(qstrcmp(QTest::currentTestFunction(), "drop_keepsThreeLevels") == 0 ? kThreeLevels
                                                                                  : QString());
    const bool changes = tree != describe(f.root());
    const QModelIndex source = indexAt(f.model(), dragged);
    QVERIFY(source.isValid());
    const QPersistentModelIndex movedItem(source);
    std::unique_ptr<QMimeData> data(f.model().mimeData({source}));
    QVERIFY(data);
    QCOMPARE(data->text(), dragged.section(QLatin1Char('/'), -1));
    QVERIFY(data->hasFormat(QStringLiteral("text/plain")));
    const QModelIndex parent = indexAt(f.model(), target);
    QVERIFY(target.isEmpty() || parent.isValid());

    QCOMPARE(f.model().canDropMimeData(data.get(), Qt::MoveAction, row, 0, parent), changes);
    // Never reported as accepted: the view must not remove rows after the model moved them.
    QVERIFY(!f.model().dropMimeData(data.get(), Qt::MoveAction, row, 0, parent));
    QCOMPARE(describe(f.root()), tree);
    QVERIFY(treeIsConsistent(f.root()));
    QCOMPARE(f.log.senders, changes ? QList<const void*>{f.view.get()} : QList<const void*>{});
    // The moved item kept its identity (and so its icon class, icons and link).
    QVERIFY(movedItem.isValid());
    QCOMPARE(movedItem.data().toString(), dragged.section(QLatin1Char('/'), -1));
    if (changes && movedItem.parent().isValid())
        QVERIFY(f.view->outLineView()->isExpanded(movedItem.parent()));
}

// A menu of three levels keeps three: nothing is taken deeper, nothing is lost.
void EditorTest::drop_keepsThreeLevels_data() {
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<QString>("target"); // "" for the top level
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("tree");
    const QString three = kThreeLevels;
    QTest::newRow("third-level item onto a top-level item")
        << "Products/Brindle/Deep"
        << "Home" << -1 << "Home[Deep],Products[Tessaly,Brindle],Forums";
    QTest::newRow("third-level item into another sub-item")
        << "Products/Brindle/Deep"
        << "Products/Tessaly" << -1 << "Home,Products[Tessaly[Deep],Brindle],Forums";
    QTest::newRow("onto a third-level item refused") << "Home"
                                                     << "Products/Brindle/Deep" << -1 << three;
    QTest::newRow("sub-item with items onto another sub-item refused")
        << "Products/Brindle"
        << "Products/Tessaly" << -1 << three;
    QTest::newRow("sub-item with items onto a top-level item keeps them")
        << "Products/Brindle"
        << "Forums" << -1 << "Home,Products[Tessaly],Forums[Brindle[Deep]]";
    QTest::newRow("three levels onto another item refused") << "Products"
                                                            << "Home" << -1 << three;
    QTest::newRow("three levels along the bar")
        << "Products"
        << "" << 0 << "Products[Tessaly,Brindle[Deep]],Home,Forums";
    QTest::newRow("an item into its own sub-item refused") << "Products"
                                                           << "Products/Tessaly" << -1 << three;
}

void EditorTest::drop_keepsThreeLevels() {
    drop();
}

void EditorTest::drop_foreignDragChangesNothing() {
    Fixture f;
    const QString before = describe(f.root());
    const QModelIndex home = indexAt(f.model(), QStringLiteral("Home"));
    const QModelIndex products = indexAt(f.model(), QStringLiteral("Products"));

    QMimeData text; // plain text from another application
    text.setText(QStringLiteral("Home"));
    QVERIFY(!f.model().canDropMimeData(&text, Qt::MoveAction, -1, 0, products));
    QVERIFY(!f.model().dropMimeData(&text, Qt::MoveAction, -1, 0, products));

    // An item dragged from another outline on the same tree.
    MenuTreeModel other(f.store);
    std::unique_ptr<QMimeData> foreign(other.mimeData({other.index(0, 0)}));
    QVERIFY(!f.model().dropMimeData(foreign.get(), Qt::MoveAction, -1, 0, products));

    // Not a move.
    std::unique_ptr<QMimeData> own(f.model().mimeData({home}));
    QVERIFY(!f.model().canDropMimeData(own.get(), Qt::CopyAction, -1, 0, products));
    QVERIFY(!f.model().dropMimeData(own.get(), Qt::CopyAction, -1, 0, products));

    // The dragged item was removed before the drop.
    f.select(QStringLiteral("Home"));
    f.view->removeMenu();
    f.log.senders.clear();
    const QString afterRemoval = describe(f.root());
    QVERIFY(!f.model().dropMimeData(own.get(), Qt::MoveAction, -1, 0,
                                    indexAt(f.model(), QStringLiteral("Products"))));
    QCOMPARE(describe(f.root()), afterRemoval);
    QVERIFY(f.log.senders.isEmpty());
    QVERIFY(before != afterRemoval);
}

void EditorTest::drop_lastSubItemOutMakesParentPlain() {
    Fixture f;
    for (const char* name : {"Products/Tessaly", "Products/Brindle"}) {
        std::unique_ptr<QMimeData> data(
            f.model().mimeData({indexAt(f.model(), QString::fromLatin1(name))}));
        f.model().dropMimeData(data.get(), Qt::MoveAction, 0, 0, QModelIndex());
    }
    QCOMPARE(describe(f.root()), QStringLiteral("Brindle,Tessaly,Home,Products,Forums"));
    QVERIFY(!f.node(QStringLiteral("Products"))->isGroup());
    QVERIFY(!f.model().hasChildren(indexAt(f.model(), QStringLiteral("Products"))));
    QVERIFY(treeIsConsistent(f.root()));
    QCOMPARE(f.log.senders.size(), 2);
}

void EditorTest::rename_inPlace() {
    Fixture f;
    f.view->show();
    QTreeView* outline = f.view->outLineView();
    const QModelIndex forums = indexAt(f.model(), QStringLiteral("Forums"));
    outline->setCurrentIndex(forums);
    outline->edit(forums);
    auto* editor = outline->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("Community"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(); // the delegate commits through a queued call
    QCOMPARE(describe(f.root()), QStringLiteral("Home,Products[Tessaly,Brindle],Community"));
    QCOMPARE(f.log.senders, QList<const void*>{f.view.get()});
    // Setting the same title again is no change.
    QVERIFY(f.model().setData(forums, QStringLiteral("Community")));
    QCOMPARE(f.log.senders.size(), 1);
    // Return on an item, not renaming, opens its form.
    f.view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.view.get()));
    outline->setFocus();
    QVERIFY(!f.form().isVisible());
    QTest::keyClick(outline, Qt::Key_Return);
    QVERIFY(f.form().isVisible() && f.form().isEditing());
    QCOMPARE(f.form().findChild<QLineEdit*>(QStringLiteral("newMenuTextField"))->text(),
             QStringLiteral("Community"));
}

void EditorTest::iconGapPair_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("steps"); // stepper clicks after typing, negative: down
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("in range") << "12" << 0 << qint64(12) << "12";
    QTest::newRow("above the maximum") << "150" << 0 << MenuItemForm::kIconGapMaximum << "100";
    QTest::newRow("below the minimum") << "-5" << 0 << qint64(0) << "0";
    QTest::newRow("empty") << "" << 0 << qint64(0) << "0";
    QTest::newRow("signed, with spaces") << " +5 " << 0 << qint64(5) << "5";
    QTest::newRow("stepper up") << "5" << 2 << qint64(7) << "7";
    QTest::newRow("stepper down stops at 0") << "1" << -3 << qint64(0) << "0";
    QTest::newRow("stepper up stops at maximum") << "99" << 4 << qint64(100) << "100";
}

void EditorTest::iconGapPair() {
    QFETCH(QString, typed);
    QFETCH(int, steps);
    QFETCH(qint64, stored);
    QFETCH(QString, shown);
    Fixture f;
    f.view->showAddMenuPopOver();
    auto* field = f.form().findChild<QLineEdit*>(QStringLiteral("paddingRightTextField"));
    auto* stepper = f.form().findChild<Stepper*>(QStringLiteral("paddingRightStepper"));
    QCOMPARE(field->text(), QStringLiteral("0"));
    field->setText(typed);
    f.form().updatePaddingRightTextFieldValue();
    for (int i = 0; i < std::abs(steps); ++i)
        steps > 0 ? stepper->stepUp() : stepper->stepDown();
    QCOMPARE(field->text(), shown);
    QCOMPARE(f.form().iconGap(), stored);
    f.form()
        .findChild<QLineEdit*>(QStringLiteral("newMenuTextField"))
        ->setText(QStringLiteral("Gap"));
    f.confirm();
    QVERIFY(f.lastAdded());
    QCOMPARE(f.lastAdded()->paddingRight(), stored);
}

void EditorTest::iconGapField_refusesLetters() {
    Fixture f;
    f.view->showAddMenuPopOver();
    auto* field = f.form().findChild<QLineEdit*>(QStringLiteral("paddingRightTextField"));
    field->clear();
    QTest::keyClicks(field, QStringLiteral("12a"));
    QCOMPARE(field->text(), QStringLiteral("12"));
}

void EditorTest::outline_showsIconPictures() {
    Fixture f;
    QVERIFY(writePicture(f.source(QStringLiteral("n.png")), QSize(16, 16), Qt::red));
    QVERIFY(writePicture(f.source(QStringLiteral("r.png")), QSize(32, 32), Qt::blue));
    f.add(QStringLiteral("Normal"), f.source(QStringLiteral("n.png")));
    f.add(QStringLiteral("Retina"), {}, f.source(QStringLiteral("r.png")));
    auto pictureOf = [&](const char* title) {
        const QVariant decoration =
            indexAt(f.model(), QString::fromLatin1(title)).data(Qt::DecorationRole);
        return decoration.value<QIcon>().pixmap(16, 16).toImage();
    };
    QVERIFY(!indexAt(f.model(), QStringLiteral("Home")).data(Qt::DecorationRole).isValid());
    QCOMPARE(pictureOf("Normal").pixelColor(8, 8), QColor(Qt::red));
    QCOMPARE(pictureOf("Retina").pixelColor(8, 8), QColor(Qt::blue));
}

void EditorTest::reloadData_showsReplacedTree() {
    Fixture f;
    f.select(QStringLiteral("Products"));
    f.view->showAddMenuPopOver();
    // Opening a project: new children with parents left unset by the reader.
    f.root().clearChildren();
    Node* about =
        f.root().appendChild(Node::make(QStringLiteral("About"), QStringLiteral("icon1")));
    about->appendChild(Node::make(QStringLiteral("Team"), QStringLiteral("icon2")));
    about->setIsGroup(true);
    f.view->reloadData();
    QVERIFY(!f.form().isVisible());
    QCOMPARE(f.model().rowCount(), 1);
    QCOMPARE(indexAt(f.model(), QStringLiteral("About/Team")).data().toString(),
             QStringLiteral("Team"));
    QVERIFY(treeIsConsistent(f.root()));
    QCOMPARE(f.view->currentNode(), &f.root());
    QVERIFY(!f.view->editButton()->isEnabled());
    QVERIFY(f.log.senders.isEmpty());
}

void EditorTest::fileChooser_opensWithoutBlocking() {
    Fixture f;
    f.view->show();
    f.view->showAddMenuPopOver();
    f.form().selectImageFile();
    // A sheet on the panel's window, not a child of the popover.
    auto* dialog = f.view->findChild<QFileDialog*>(QStringLiteral("iconFileDialog"));
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
    const QString filter = dialog->nameFilters().join(QLatin1Char(' '));
    for (const char* suffix : {"*.png", "*.jpeg", "*.jpg", "*.gif"})
        QVERIFY(filter.contains(QLatin1String(suffix)));
    QVERIFY(!filter.contains(QLatin1String("*.bmp")));
    QVERIFY(writePicture(f.source(QStringLiteral("pick.png")), QSize(4, 4), Qt::red));
    dialog->fileSelected(f.source(QStringLiteral("pick.png"))); // what confirming does
    dialog->close();
    QVERIFY(f.form().isVisible()); // the popover is back, with the choice in it
    QCOMPARE(f.form().findChild<QLineEdit*>(QStringLiteral("imageTextField"))->text(),
             QStringLiteral("pick.png"));

    // A replaced chooser gets the slot and answers later.
    std::function<void(QString)> pending;
    IconSlot asked = IconSlot::Normal;
    f.form().setFileChooser([&](QWidget*, IconSlot slot, std::function<void(QString)> done) {
        asked = slot;
        pending = std::move(done);
    });
    f.form().selectRetinaImageFile();
    QCOMPARE(asked, IconSlot::Retina);
    QVERIFY(pending);
    pending(f.source(QStringLiteral("pick.png")));
    QCOMPARE(f.form().iconChoice(IconSlot::Retina).path, f.source(QStringLiteral("pick.png")));
    f.form()
        .findChild<QLineEdit*>(QStringLiteral("newMenuTextField"))
        ->setText(QStringLiteral("Picked"));
    f.confirm();
    QVERIFY(f.lastAdded());
    QCOMPARE(f.lastAdded()->retinaImageFileName(), QStringLiteral("pick.png"));
    QCOMPARE(f.lastAdded()->imageFileName(), QStringLiteral("pick.png"));
}

namespace {

QByteArray svgFile(const QByteArray& inside, const QByteArray& rootAttributes = {}) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\"" + rootAttributes + ">" + inside + "</svg>";
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

void EditorTest::svgIcons_takenCleanOrRefused_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");      // on the page; empty: refused
    QTest::addColumn<QString>("message"); // the status line, or part of the refusal
    const QByteArray square = "<rect width=\"10\" height=\"10\" fill=\"#000\"/>";
    QTest::newRow("stated size") << "star.svg" << svgFile(square, " width=\"20\" height=\"12\"")
                                 << QSize(20, 12) << QString();
    // The default text (14 px) and no bar padding: the line of 16 px.
    QTest::newRow("viewBox only, scaled to the text")
        << "wide.svg" << svgFile(square, " viewBox=\"0 0 48 24\"") << QSize(32, 16) << QString();
    QTest::newRow("compressed") << "zip.svgz"
                                << testsupport::gzipped(
                                       svgFile(square, " width=\"8\" height=\"8\""))
                                << QSize(8, 8) << QString();
    QTest::newRow("script and handler cleaned")
        << "evil.svg"
        << svgFile("<script>alert(1)</script>" + square,
                   " width=\"8\" height=\"8\" onload=\"alert(2)\"")
        << QSize(8, 8) << QStringLiteral("left out script element, onload attribute");
    QTest::newRow("entities refused")
        << "bomb.svg"
        << "<!DOCTYPE svg [<!ENTITY a \"aaaa\">]>" + svgFile("<title>&a;</title>") << QSize()
        << QStringLiteral("DTD");
    QTest::newRow("compressed bomb refused")
        << "bomb.svgz" << testsupport::gzipped(svgFile(QByteArray(3 << 20, ' '))) << QSize()
        << QStringLiteral("decompressed");
    QTest::newRow("poster size refused")
        << "poster.svg" << svgFile(square, " width=\"4000\" height=\"3000\"") << QSize()
        << QStringLiteral("4000 × 3000 px");
    QTest::newRow("picture named .svg refused")
        << "photo.svg" << testsupport::encodedImage(QImage(4, 4, QImage::Format_RGB32), "PNG")
        << QSize() << QStringLiteral("not well-formed");
}

void EditorTest::svgIcons_takenCleanOrRefused() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(QString, message);
    Fixture f;
    QSignalSpy status(f.view.get(), &MenuStructureView::statusMessage);
    writeFile(f.source(fileName), bytes);
    QVERIFY(writePicture(f.source(QStringLiteral("other@2x.png")), QSize(8, 8), Qt::red));
    // A 2× file chosen while the icon is an SVG gives way to the SVG's own picture.
    const Node* item =
        f.add(QStringLiteral("Item"), f.source(fileName), f.source(QStringLiteral("other@2x.png")));
    const QStringList written = QDir(f.preview.path()).entryList(QDir::Files);
    if (size.isEmpty()) {
        QVERIFY(!item->hasIcon() && !item->hasSvgIcon());
        QVERIFY(written.isEmpty());
        QMessageBox* alert = f.alert(QStringLiteral("iconProblemAlert"));
        QVERIFY(alert);
        QVERIFY2(alert->informativeText().contains(message), qPrintable(alert->informativeText()));
        return;
    }
    const QString stem = QFileInfo(fileName).completeBaseName();
    QCOMPARE(item->svgIcon().fileName, stem + QStringLiteral(".svg"));
    QCOMPARE(item->imageFileName(), stem + QStringLiteral(".png"));
    QCOMPARE(item->retinaImageFileName(), stem + QStringLiteral("@2x.png"));
    QCOMPARE(QSize(int(item->imageWidth()), int(item->imageHeight())), size);
    QCOMPARE(QSize(int(item->retinaImageWidth()), int(item->retinaImageHeight())), size);
    QCOMPARE(item->retinaImage().size(), size * 2);
    // Drawn: the picture holds the black square.
    QCOMPARE(item->image().pixelColor(1, 1), QColor(Qt::black));
    QCOMPARE(written, (QStringList{stem + ".png", stem + ".svg", stem + "@2x.png"}));
    const QByteArray file = testsupport::readBytes(f.preview.filePath(stem + ".svg")).toLower();
    QCOMPARE(file, item->svgIcon().text.toLower());
    QVERIFY(!file.contains("script") && !file.contains("onload"));
    if (message.isEmpty())
        QCOMPARE(status.count(), 0);
    else
        QVERIFY2(status.count() == 1 && status.at(0).at(0).toString().contains(message),
                 qPrintable(status.value(0).value(0).toString()));
    // The outline draws it from the document.
    const QIcon outline =
        indexAt(f.model(), QStringLiteral("Item")).data(Qt::DecorationRole).value<QIcon>();
    QCOMPARE(outline.pixmap(QSize(16, 16)).toImage().pixelColor(2, 2), QColor(Qt::black));
}

void EditorTest::svgIcon_formFollowsTheChoice() {
    Fixture f;
    writeFile(f.source(QStringLiteral("a.svg")),
              svgFile("<rect width=\"4\" height=\"4\"/>", " width=\"4\" height=\"4\""));
    QVERIFY(writePicture(f.source(QStringLiteral("b.png")), QSize(6, 6), Qt::red));
    auto* retinaField = f.form().findChild<QLineEdit*>(QStringLiteral("retinaImageTextField"));
    auto* follows = f.form().findChild<QCheckBox*>(QStringLiteral("followsTextColourCheckBox"));
    auto* gap = f.form().findChild<QLineEdit*>(QStringLiteral("paddingRightTextField"));
    // A Classic page shows the icon's pictures: following the text colour is not offered,
    // and the box says why.
    f.view->showAddMenuPopOver();
    f.form().chooseImageFile(f.source(QStringLiteral("a.svg")));
    QVERIFY(!follows->isEnabled());
    QVERIFY(follows->toolTip().contains(QStringLiteral("Modern")));
    f.view->showAddMenuPopOver(); // closes it
    OutputOptions modern;
    modern.style = OutputStyle::Modern;
    f.store.setOutputOptions(modern);
    f.view->showAddMenuPopOver();
    QVERIFY(retinaField->isEnabled());
    QVERIFY(!follows->isEnabled());
    QCOMPARE(gap->text(), QStringLiteral("0"));
    f.form().chooseImageFile(f.source(QStringLiteral("a.svg")));
    // A first icon gets room beside the title.
    QCOMPARE(gap->text(), QStringLiteral("6"));
    // No 2× file for an SVG, and the form says why.
    QVERIFY(!retinaField->isEnabled());
    QVERIFY(retinaField->toolTip().contains(QStringLiteral("sharp at every size")));
    QVERIFY(follows->isEnabled());
    follows->setChecked(true);
    f.form()
        .findChild<QLineEdit*>(QStringLiteral("newMenuTextField"))
        ->setText(QStringLiteral("A"));
    Node* item = f.confirm();
    QVERIFY(item->svgIcon().followsTextColour);

    // Editing shows the SVG, its choice, and keeps both unless changed.
    f.select(QStringLiteral("A"));
    f.view->showEditMenuPopOver();
    QCOMPARE(f.form().findChild<QLineEdit*>(QStringLiteral("imageTextField"))->text(),
             QStringLiteral("a.svg"));
    QVERIFY(follows->isChecked() && !retinaField->isEnabled());
    // An item's own gap stays, also when its icon is replaced.
    gap->setText(QStringLiteral("0"));
    f.form().updatePaddingRightTextFieldValue();
    f.form().chooseImageFile(f.source(QStringLiteral("a.svg")));
    QCOMPARE(gap->text(), QStringLiteral("0"));
    follows->setChecked(false);
    f.view->saveButtonClicked();
    QVERIFY(item->hasSvgIcon() && !item->svgIcon().followsTextColour);

    // A picture replaces the SVG with everything drawn from it.
    f.view->showEditMenuPopOver();
    f.form().chooseImageFile(f.source(QStringLiteral("b.png")));
    QVERIFY(retinaField->isEnabled() && !follows->isEnabled());
    f.view->saveButtonClicked();
    QVERIFY(!item->hasSvgIcon());
    QCOMPARE(item->imageFileName(), QStringLiteral("b.png"));
    QVERIFY(item->retinaImageFileName().isEmpty());

    // Changing one's mind: a picture after an SVG takes the 2× file chosen before.
    f.view->showAddMenuPopOver();
    f.form()
        .findChild<QLineEdit*>(QStringLiteral("newMenuTextField"))
        ->setText(QStringLiteral("B"));
    f.form().chooseRetinaImageFile(f.source(QStringLiteral("b.png")));
    f.form().chooseImageFile(f.source(QStringLiteral("a.svg")));
    QVERIFY(retinaField->text().isEmpty());
    f.form().chooseImageFile(f.source(QStringLiteral("b.png")));
    QCOMPARE(retinaField->text(), QStringLiteral("b.png"));
    Node* second = f.confirm();
    QVERIFY(!second->hasSvgIcon());
    QCOMPARE(second->retinaImageFileName(), QStringLiteral("b.png"));

    // Clearing an SVG icon clears its pictures too.
    f.select(QStringLiteral("A"));
    f.view->showEditMenuPopOver();
    f.form().chooseImageFile(f.source(QStringLiteral("a.svg")));
    f.view->saveButtonClicked();
    QVERIFY(item->hasSvgIcon());
    f.view->showEditMenuPopOver();
    f.form().clearImageFile();
    QVERIFY(retinaField->isEnabled());
    f.view->saveButtonClicked();
    QVERIFY(!item->hasIcon() && !item->hasSvgIcon());

    // A name as long as a file name may be: all three files keep to that length.
    const QString longest = QString(251, u'a') + QStringLiteral(".svg");
    writeFile(f.source(longest),
              svgFile("<rect width=\"4\" height=\"4\"/>", " width=\"4\" height=\"4\""));
    const ImportedSvgIcon taken = IconImporter(f.preview.path()).importSvg(f.source(longest), 16);
    QVERIFY2(taken.ok, qPrintable(taken.error));
    QCOMPARE(taken.retinaPicture.fileName, QString(248, u'a') + QStringLiteral("@2x.png"));
    QCOMPARE(taken.svg.fileName, QString(248, u'a') + QStringLiteral(".svg"));
}

QTEST_MAIN(EditorTest)
#include "tst_editor.moc"
