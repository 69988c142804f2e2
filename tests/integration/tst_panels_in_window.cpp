// The whole road of a change: a user edits a panel in the main window, the controller
// splices the stylesheet and rewrites styles.css in the preview folder.

#include "TestFiles.h"
#include "controller/MainWindow.h"
#include "controller/PreviewView.h"
#include "controller/ProjectActions.h"
#include "generator/CodeDocuments.h"
#include "model/GlobalData.h"
#include "panels/BackgroundView.h"
#include "panels/QuickModeView.h"
#include "panels/SizeView.h"
#include "panels/StylePanel.h"
#include "panels/StylePanels.h"
#include "panels/TextView.h"
#include "platform/NotificationCenter.h"
#include "resources/Resources.h"
#include "widgets/ColorPickerImageView.h"
#include "widgets/LockImageView.h"
#include "widgets/SideBarContainer.h"
#include "widgets/Stepper.h"
#include "widgets/TabStripView.h"
#include "widgets/WorkspaceModes.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace brindle;

namespace {

void chooseItem(QComboBox* box, int index) {
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QRect item = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
}

void typeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
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

} // namespace

class PanelsInWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QLoggingCategory::setFilterRules(QStringLiteral("brindle.info=false"));
        initResources();
    }

    void panelChange_reachesStylesheetFile_data();
    void panelChange_reachesStylesheetFile();
    void quickMode_showsTheStore_data();
    void quickMode_showsTheStore();
    void switching_keepsFocusOutOfThePreview_data();
    void switching_keepsFocusOutOfThePreview();
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
        QVERIFY(w.window.projectActions()->processOpenProject(path));
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
