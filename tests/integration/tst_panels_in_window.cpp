// The whole road of a change: a user edits a panel in the main window, the controller
// splices the stylesheet and rewrites styles.css in the preview folder.

#include "TestFiles.h"
#include "controller/MainWindow.h"
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
#include "widgets/Stepper.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QLoggingCategory>
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
