// Exported Modern pages as visitors meet them inside the designer's own site: host
// stylesheets loaded first, two menus side by side, any bar padding, the menu script.

#include "PageSupport.h"
#include "TestFiles.h"
#include "checker/MenuChecker.h"
#include "editor/IconImporter.h"
#include "generator/CodeDocuments.h"
#include "generator/InlineSvg.h"
#include "generator/Snippet.h"
#include "model/GlobalData.h"
#include "project/ProjectFile.h"
#include "workspace/Export.h"
#include "workspace/FileWriter.h"
#include "workspace/SvgIcon.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <unistd.h>

using namespace brindle;

Q_DECLARE_METATYPE(brindle::MenuDirection)
Q_DECLARE_METATYPE(brindle::CurrentPageLook)
using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

const QString kModules = QStringLiteral(BRINDLE_WEB_MODULES);

bool writeFile(const QString& path, const QString& text) {
    return bool(writeFileAtomically(path, text.toUtf8()));
}

// The menu exported into `folder` in the style.
bool exportIn(OutputStyle style, GlobalData& data, const QString& iconFolder,
              const QString& folder) {
    OutputOptions options = data.outputOptions();
    options.style = style;
    data.setOutputOptions(options);
    return QDir().mkpath(folder) &&
           bool(exportDesign(data, iconFolder, folder, ExportForm::Page, ExistingFiles::Replace));
}

// The shop menu exported as a Modern page into `folder`.
bool exportShop(GlobalData& data, const QString& iconFolder, const QString& folder) {
    return exportIn(OutputStyle::Modern, data, iconFolder, folder);
}

// The box an element takes in the view, in device pixels of the view's grab.
QRect boxOf(QWebEnginePage* page, const QString& selector) {
    const QVariantList box =
        evaluate(page, QStringLiteral("(() => { const r = document.querySelector('%1')"
                                      ".getBoundingClientRect(); return [r.x, r.y, r.width, "
                                      "r.height].map(v => v * devicePixelRatio); })()")
                           .arg(selector))
            .toList();
    return box.size() == 4 ? QRect(qRound(box[0].toDouble()), qRound(box[1].toDouble()),
                                   qRound(box[2].toDouble()), qRound(box[3].toDouble()))
                           : QRect();
}

// What of the view lies from the menu's top-left corner, `size` large.
QImage menuRegion(QWebEngineView& view, QSize size) {
    const QVariantList corner =
        evaluate(view.page(), QStringLiteral("(() => { const r = document.querySelector('nav')"
                                             ".getBoundingClientRect(); return [r.x, r.y]; })()"))
            .toList();
    if (corner.size() != 2)
        return {};
    return view.grab(QRect(QPoint(corner[0].toInt(), corner[1].toInt()), size))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The share of pixels (0–1) whose channels differ by more than a rounding.
double differingShare(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))}) > 12)
                ++differing;
        }
    }
    return double(differing) / (double(a.width()) * a.height());
}

bool waitForScript(QWebEnginePage* page, const QString& condition) {
    return QTest::qWaitFor([&] { return evaluate(page, condition).toBool(); }, 5000);
}

// Serves the files of one folder over HTTP on a free local port, as a site's server would.
class FolderServer : public QTcpServer {
public:
    explicit FolderServer(const QString& folder) : m_folder(folder) {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
        });
    }
    QString address() const { return u"http://127.0.0.1:%1/"_s.arg(serverPort()); }

private:
    void answer(QTcpSocket* socket) {
        const QByteArray request = socket->readAll();
        QString path = QUrl(QString::fromLatin1(request.split(' ').value(1))).path();
        if (path.endsWith(u'/'))
            path += u"index.html"_s;
        QFile file(m_folder + path);
        const bool found = !path.contains(u".."_s) && file.open(QIODevice::ReadOnly);
        const QByteArray body = found ? file.readAll() : QByteArray("missing");
        const QByteArray type = path.endsWith(u".css"_s)  ? "text/css"
                                : path.endsWith(u".js"_s) ? "text/javascript"
                                                          : "text/html; charset=utf-8";
        socket->write(QByteArray(found ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") +
                      "Content-Type: " + type + "\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
    QString m_folder;
};

} // namespace

class ExportedPagesTest : public QObject {
    Q_OBJECT

private slots:
    void hostPage_leavesTheMenuAsItIs_data();
    void hostPage_leavesTheMenuAsItIs();
    void bar_staysInsideItsContainer();
    void twoMenus_withTheirOwnClassNames_keepToThemselves();
    void direction_mirrorsTheMenu_data();
    void direction_mirrorsTheMenu();
    void menuScript_tellsWhatIsShownAndLetsGo();
    void currentPage_isMarkedWhereverThePageIs_data();
    void currentPage_isMarkedWhereverThePageIs();
    void svgIcon_isDrawnAsQtDrawsIt_data();
    void svgIcon_isDrawnAsQtDrawsIt();
    void svgIcon_insideTheLinkTakesItsColours();
    void svgIcon_cleanedDrawsAsTheOriginal_data();
    void svgIcon_cleanedDrawsAsTheOriginal();
    void everyDesign_iconsOnTheLineAndPhoneColumns_data();
    void everyDesign_iconsOnTheLineAndPhoneColumns();
};

void ExportedPagesTest::hostPage_leavesTheMenuAsItIs_data() {
    QTest::addColumn<QString>("host"); // a stylesheet in the pinned web modules
    // Resets, a component framework, and classless themes that style nav, ul, li, a and
    // button themselves.
    QTest::newRow("normalize") << "normalize.css/normalize.css";
    QTest::newRow("bootstrap") << "bootstrap/dist/css/bootstrap.min.css";
    QTest::newRow("tailwind preflight") << "tailwindcss/src/css/preflight.css";
    QTest::newRow("pico classless") << "@picocss/pico/css/pico.classless.min.css";
    QTest::newRow("water") << "water.css/out/light.min.css";
}

void ExportedPagesTest::hostPage_leavesTheMenuAsItIs() {
    QFETCH(QString, host);
    const QString hostCss = QDir(kModules).filePath(host);
    QVERIFY2(QFile::exists(hostCss), qPrintable(hostCss + u" is missing: run scripts/setup.sh"));
    QTemporaryDir icons, folder;
    GlobalData data;
    fillShopMenu(data, icons.path());
    QVERIFY(exportShop(data, icons.path(), folder.path()));
    // Both pages give the menu a container of one width: hosts may narrow the body.
    QString page = testsupport::readText(folder.filePath(QStringLiteral("index.html")))
                       .replace(QStringLiteral("<nav "), QStringLiteral("<div style=\"width: "
                                                                        "760px\">\n<nav "))
                       .replace(QStringLiteral("</nav>\n"), QStringLiteral("</nav>\n</div>\n"));
    QVERIFY(writeFile(folder.filePath(QStringLiteral("alone.html")), page));
    QVERIFY(QFile::copy(hostCss, folder.filePath(QStringLiteral("host.css"))));
    page.replace(QStringLiteral("\t<link rel=\"stylesheet\" href=\"styles.css\">\n"),
                 QStringLiteral("\t<link rel=\"stylesheet\" href=\"host.css\">\n"
                                "\t<link rel=\"stylesheet\" href=\"styles.css\">\n"));
    QVERIFY(writeFile(folder.filePath(QStringLiteral("hosted.html")), page));

    QWebEngineView view;
    view.resize(1000, 500);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QList<QImage> shots;
    for (const char* name : {"alone.html", "hosted.html"}) {
        QVERIFY(loadPage(view, folder.filePath(QLatin1String(name))));
        // The first sub-menu open under the pointer, as a visitor sees it.
        QTest::mouseMove(view.focusProxy(),
                         centreOf(view.page(), QStringLiteral("nav > ul > li:nth-child(2) > a")));
        QVERIFY(
            waitForScript(view.page(), QStringLiteral("getComputedStyle(document.querySelector("
                                                      "'nav > ul > li:nth-child(2) > ul')).display "
                                                      "!== 'none'")));
        QTest::qWait(100);
        shots << menuRegion(view, QSize(780, 260));
    }
    const double share = differingShare(shots.at(0), shots.at(1));
    if (share > 0.005) {
        shots.at(0).save(QDir::temp().filePath(QStringLiteral("menu-alone.png")));
        shots.at(1).save(QDir::temp().filePath(QStringLiteral("menu-hosted.png")));
    }
    QVERIFY2(
        share <= 0.005,
        qPrintable(QStringLiteral("%1 % of the menu's pixels differ").arg(share * 100, 0, 'f', 2)));
}

void ExportedPagesTest::bar_staysInsideItsContainer() {
    QWebEngineView view;
    view.resize(1280, 600);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    for (const qint64 padding : {0, 37, 200}) {
        for (const qint64 border : {0, 5}) {
            QTemporaryDir icons, folder;
            GlobalData data;
            data.setPaddingLeft(padding);
            data.setPaddingRight(padding);
            data.setBorderSize(border);
            QVERIFY(exportShop(data, icons.path(), folder.path()));
            for (const int width : {1280, 375}) {
                view.resize(width, 600);
                QVERIFY(loadPage(view, folder.filePath(QStringLiteral("index.html"))));
                QTRY_COMPARE(evaluate(view.page(), QStringLiteral("innerWidth")).toInt(), width);
                // At 375 px the phone menu is opened first.
                evaluate(view.page(), QStringLiteral("document.querySelector('nav input')"
                                                     ".checked = true; true"));
                const QString where = QStringLiteral("padding %1, border %2, %3 px")
                                          .arg(padding)
                                          .arg(border)
                                          .arg(width);
                QVERIFY2(evaluate(view.page(),
                                  QStringLiteral("document.documentElement.scrollWidth <= "
                                                 "innerWidth && document.querySelector('nav ul')"
                                                 ".getBoundingClientRect().right <= innerWidth"))
                             .toBool(),
                         qPrintable(where));
            }
        }
    }
}

void ExportedPagesTest::twoMenus_withTheirOwnClassNames_keepToThemselves() {
    QTemporaryDir icons, folder;
    QDir root(folder.path());
    GlobalData data;
    fillShopMenu(data, icons.path());
    // Both menus exported into one folder: their files are named after them.
    QString body;
    for (const char* name : {"topnav", "sidenav"}) {
        OutputOptions options = data.outputOptions();
        options.className = QLatin1String(name);
        options.navLabel = QLatin1String(name);
        data.setOutputOptions(options);
        const Snippet snippet = buildSnippet(data);
        // Each menu's pictures carry its name: the second replaces nothing of the first.
        const ExportResult written =
            exportDesign(data, icons.path(), root.path(), ExportForm::Snippet, ExistingFiles::Keep);
        QVERIFY2(written, qPrintable(written.error));
        // The page's own content between the two menus.
        body += snippet.html + (body.isEmpty() ? QStringLiteral("<p style=\"height: 200px\">"
                                                                "Text of the page.</p>\n")
                                               : QString());
    }
    QVERIFY(writeFile(
        root.filePath(QStringLiteral("index.html")),
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<link rel=\"stylesheet\" href=\"topnav.css\">\n"
                       "<link rel=\"stylesheet\" href=\"sidenav.css\">\n"
                       "<script src=\"topnav.js\" defer></script>\n"
                       "<script src=\"sidenav.js\" defer></script>\n"
                       "<title>Two menus</title>\n</head>\n<body>\n") +
            body + QStringLiteral("</body>\n</html>\n")));

    QWebEngineView view;
    view.resize(1280, 700);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(loadPage(view, root.filePath(QStringLiteral("index.html"))));
    QWebEnginePage* page = view.page();
    // Each script took its own menu.
    QVERIFY(waitForScript(page, QStringLiteral("[...document.querySelectorAll('nav li > "
                                               "button')].every(b => b.hasAttribute("
                                               "'aria-expanded')) && document.querySelectorAll("
                                               "'nav li > button').length === 8")));
    const QString shownIn = QStringLiteral(
        "[...document.querySelectorAll('.%1-nav li > ul')].filter(u => getComputedStyle(u)"
        ".display !== 'none').length");

    // A press on the second menu's button opens its sub-menu and nothing of the first.
    QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {},
                      centreOf(page, QStringLiteral(".sidenav-nav li > button")));
    QTRY_COMPARE(evaluate(page, shownIn.arg(u"sidenav")).toInt(), 1);
    QCOMPARE(evaluate(page, shownIn.arg(u"topnav")).toInt(), 0);
    QCOMPARE(evaluate(page, QStringLiteral("document.querySelector('.topnav-nav li > button')"
                                           ".getAttribute('aria-expanded')")),
             QVariant(u"false"_s));
    QTest::keyClick(view.focusProxy(), Qt::Key_Escape);
    QTRY_COMPARE(evaluate(page, shownIn.arg(u"sidenav")).toInt(), 0);
    QCOMPARE(evaluate(page, QStringLiteral("document.activeElement === document.querySelector("
                                           "'.sidenav-nav li > button')")),
             QVariant(true));

    // Tab reaches every sub-menu link of both menus while it is on screen.
    QTest::mouseMove(view.focusProxy(), QPoint(1200, 650));
    evaluate(page, QStringLiteral("document.activeElement.blur(); window.reached = new Set();"
                                  " document.addEventListener('focusin', e => { const a = "
                                  "e.target; const r = a.getBoundingClientRect(); if "
                                  "(a.closest('li li') && document.elementFromPoint(r.x + "
                                  "r.width / 2, r.y + r.height / 2)?.closest('a') === a) "
                                  "window.reached.add(a); }); true"));
    view.setFocus();
    for (int tab = 0; tab < 80; ++tab)
        QTest::keyClick(view.focusProxy(), Qt::Key_Tab);
    QTRY_COMPARE(evaluate(page, QStringLiteral("window.reached.size")).toInt(), 24);

    // Phones: each toggle opens its own menu only.
    view.resize(375, 700);
    QTRY_COMPARE(evaluate(page, QStringLiteral("innerWidth")).toInt(), 375);
    const QString listShown =
        QStringLiteral("getComputedStyle(document.querySelector('.%1-nav .%1')).display");
    QCOMPARE(evaluate(page, listShown.arg(u"topnav")), QVariant(u"none"_s));
    QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {},
                      centreOf(page, QStringLiteral(".topnav-nav label")));
    QTRY_COMPARE(evaluate(page, listShown.arg(u"topnav")), QVariant(u"block"_s));
    QCOMPARE(evaluate(page, listShown.arg(u"sidenav")), QVariant(u"none"_s));
}

void ExportedPagesTest::menuScript_tellsWhatIsShownAndLetsGo() {
    QTemporaryDir icons, folder;
    GlobalData data;
    fillShopMenu(data, icons.path());
    QVERIFY(exportShop(data, icons.path(), folder.path()));
    QWebEngineView view;
    view.resize(1280, 700);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(loadPage(view, folder.filePath(QStringLiteral("index.html"))));
    QWebEnginePage* page = view.page();
    // The shop's items with sub-menus: Shop, Brands, Stores and Help.
    const auto item = [](int n) {
        return QStringLiteral("nav > ul > li:nth-child(%1)").arg(QList<int>{2, 3, 5, 6}.at(n));
    };
    const auto owner = [&item](int n) {
        return QStringLiteral("document.querySelector('%1')").arg(item(n));
    };
    const auto expanded = [&](int n) {
        return evaluate(page, owner(n) + QStringLiteral(".querySelector('button')"
                                                        ".getAttribute('aria-expanded')"))
            .toString();
    };
    const auto shown = [&](int n) {
        return evaluate(page, QStringLiteral("getComputedStyle(%1.querySelector('ul')).display "
                                             "!== 'none'")
                                  .arg(owner(n)))
            .toBool();
    };
    QVERIFY(waitForScript(page, owner(0) + QStringLiteral(".querySelector('button')"
                                                          ".hasAttribute('aria-expanded')")));
    // The pointer away from the menu: nothing shown, nothing reported expanded.
    QTest::mouseMove(view.focusProxy(), QPoint(1200, 650));
    QTRY_VERIFY(!shown(0));
    QTRY_COMPARE(expanded(0), u"false"_s);

    // Opened by hover: reported expanded, and no longer once the pointer has left.
    QTest::mouseMove(view.focusProxy(), centreOf(page, item(0) + QStringLiteral(" > a")));
    QTRY_VERIFY(shown(0));
    QTRY_COMPARE(expanded(0), u"true"_s);
    QTest::mouseMove(view.focusProxy(), QPoint(1200, 650));
    QTRY_VERIFY(!shown(0));
    QTRY_COMPARE(expanded(0), u"false"_s);

    // Opened by keyboard focus: reported expanded.
    view.setFocus();
    QTest::keyClick(view.focusProxy(), Qt::Key_Tab);
    QTest::keyClick(view.focusProxy(), Qt::Key_Tab);
    QTRY_VERIFY(shown(0));
    QTRY_COMPARE(expanded(0), u"true"_s);

    // Opening another closes the first.
    QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {},
                      centreOf(page, item(1) + QStringLiteral(" > button")));
    QTRY_VERIFY(shown(1));
    QVERIFY(!shown(0));
    QCOMPARE(expanded(0), u"false"_s);
    QCOMPARE(expanded(1), u"true"_s);

    // A press elsewhere closes it, also where a click moves no focus (Safari, iOS).
    evaluate(page, QStringLiteral("document.activeElement.blur(); %1.querySelector('button')"
                                  ".click(); true")
                       .arg(owner(2)));
    QTRY_VERIFY(shown(2));
    QVERIFY(!shown(1));
    QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {}, QPoint(1200, 650));
    QTRY_VERIFY(!shown(2));
    QCOMPARE(expanded(2), u"false"_s);
    // Nothing stays shut: the item opens again under the pointer, and one closed by opening
    // another opens again by keyboard focus.
    QTest::mouseMove(view.focusProxy(), centreOf(page, item(2) + QStringLiteral(" > a")));
    QTRY_VERIFY(shown(2));
    QTest::mouseMove(view.focusProxy(), QPoint(1200, 650));
    QTRY_VERIFY(!shown(2));
    evaluate(page, QStringLiteral("document.activeElement.blur(); %1.querySelector('button')"
                                  ".click(); %2.querySelector('button').click(); true")
                       .arg(owner(0), owner(1)));
    QTRY_VERIFY(shown(1));
    QVERIFY(!shown(0));
    evaluate(page, owner(0) + QStringLiteral(".querySelector('a').focus(); true"));
    QTRY_VERIFY(shown(0));
    QTRY_COMPARE(expanded(0), u"true"_s);

    // Escape closes and gives the focus to the owner's button.
    evaluate(page, owner(3) + QStringLiteral(".querySelector('a').focus(); true"));
    QTRY_VERIFY(shown(3));
    QTest::keyClick(view.focusProxy(), Qt::Key_Escape);
    QTRY_VERIFY(!shown(3));
    QCOMPARE(expanded(3), u"false"_s);
    QVERIFY(evaluate(page, QStringLiteral("document.activeElement === %1.querySelector('button')")
                               .arg(owner(3)))
                .toBool());
}

void ExportedPagesTest::svgIcon_isDrawnAsQtDrawsIt_data() {
    QTest::addColumn<QString>("icon"); // in the pinned web modules
    QTest::addColumn<double>("zoom");  // device pixels per CSS px
    // Icons of two common sets: one drawn with strokes, one with fills.
    for (const double zoom : {1.0, 2.0}) {
        QTest::addRow("stroked, %gx", zoom) << "feather-icons/dist/icons/home.svg" << zoom;
        QTest::addRow("filled, %gx", zoom) << "bootstrap-icons/icons/house.svg" << zoom;
    }
}

void ExportedPagesTest::svgIcon_isDrawnAsQtDrawsIt() {
    QFETCH(QString, icon);
    QFETCH(double, zoom);
    const QString source = QDir(kModules).filePath(icon);
    QVERIFY2(QFile::exists(source), qPrintable(source + u" is missing: run scripts/setup.sh"));
    QTemporaryDir preview, classic, modern;
    GlobalData data;
    data.setTempFolderPath(preview.path());
    const ImportedSvgIcon taken = IconImporter(preview.path()).importSvg(source, 16);
    QVERIFY2(taken.ok, qPrintable(taken.error));
    Node* home = data.getMenuRootNode()->childAt(0);
    home->setIconID(QStringLiteral("icon0"));
    applySvgIcon(*home, taken, false);
    // Classic shows the pictures Qt drew at 1× and 2×; Modern the SVG file, drawn by the
    // browser. Where the icon stands, the two agree.
    QVERIFY(exportIn(OutputStyle::Classic, data, preview.path(), classic.path()));
    QVERIFY(exportIn(OutputStyle::Modern, data, preview.path(), modern.path()));
    QVERIFY(QFile::exists(modern.filePath(taken.svg.fileName)));
    QVERIFY(!QFile::exists(modern.filePath(taken.picture.fileName)));
    QVERIFY(QFile::exists(classic.filePath(taken.retinaPicture.fileName)));

    QWebEngineView view;
    view.resize(1400, 300); // wider than the phone menu's breakpoint at 2×
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setZoomFactor(zoom);
    QList<QImage> shots;
    for (const QString& page : {classic.filePath(QStringLiteral("index.html")),
                                modern.filePath(QStringLiteral("index.html"))}) {
        QVERIFY(loadPage(view, page));
        QVERIFY(QTest::qWaitFor([&] {
            return qFuzzyCompare(evaluate(view.page(), u"devicePixelRatio"_s).toDouble(), zoom);
        }));
        QTest::qWait(100);
        const QRect link = boxOf(view.page(), QStringLiteral("a.icon0, a.brindlenav-icon0"));
        QVERIFY(!link.isEmpty());
        const QSize size = QSize(int(home->imageWidth()), int(home->imageHeight())) * zoom;
        const QImage shot = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        // The icon stands 20 px across and 10 px down the link.
        shots << shot.copy(QRect(link.topLeft() + QPoint(20, 10) * zoom, size));
    }
    // Lines drawn by two renderers differ at their edges by a shade; the icon must not move,
    // change size or lose a part.
    const double share = differingShare(shots.at(0), shots.at(1));
    qInfo("%.2f %% of the icon's %d pixels differ", share * 100,
          shots.at(0).width() * shots.at(0).height());
    if (share > 0.06) {
        shots.at(0).save(QDir::temp().filePath(QStringLiteral("icon-qt.png")));
        shots.at(1).save(QDir::temp().filePath(QStringLiteral("icon-browser.png")));
    }
    QVERIFY2(
        share <= 0.06,
        qPrintable(QStringLiteral("%1 % of the icon's pixels differ").arg(share * 100, 0, 'f', 2)));
    // It is drawn at all: dark strokes or fills stand out from the light bar.
    int dark = 0;
    for (int y = 0; y < shots.at(1).height(); ++y)
        for (int x = 0; x < shots.at(1).width(); ++x)
            dark += qGray(shots.at(1).pixel(x, y)) < 80;
    QVERIFY2(dark > shots.at(1).width(), qPrintable(QString::number(dark)));
}

void ExportedPagesTest::svgIcon_insideTheLinkTakesItsColours() {
    QTemporaryDir preview, sources, folder;
    const QString square = sources.filePath(QStringLiteral("square.svg"));
    QVERIFY(writeFile(square, QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                             "viewBox=\"0 0 32 32\"><defs><linearGradient "
                                             "id=\"g\"><stop offset=\"0\"/></linearGradient>"
                                             "</defs><rect width=\"32\" height=\"32\" "
                                             "fill=\"#000\"/></svg>")));
    GlobalData data;
    data.setTempFolderPath(preview.path());
    data.setMainMenufontColor(Color::fromBytes(200, 0, 0));
    data.setMainMenufontColorHover(Color::fromBytes(0, 0, 200));
    data.setMainMenufontColorActive(Color::fromBytes(0, 160, 0));
    const ImportedSvgIcon taken = IconImporter(preview.path()).importSvg(square, 16);
    QVERIFY(taken.ok);
    // The same icon twice on one page: each keeps ids of its own.
    Node* home = data.getMenuRootNode()->childAt(0);
    home->setIconID(QStringLiteral("icon0"));
    applySvgIcon(*home, taken, true);
    applySvgIcon(*data.getMenuRootNode()->childAt(2), taken, true);
    QVERIFY(exportIn(OutputStyle::Modern, data, preview.path(), folder.path()));
    QVERIFY(!QFile::exists(folder.filePath(taken.svg.fileName))); // inside the page only
    QString page = readText(folder.filePath(QStringLiteral("index.html")));
    QCOMPARE(page.count(u"<svg "_s), 2);
    QCOMPARE(page.count(u"aria-hidden=\"true\""_s), 2);
    // A host page whose rules for svg shapes beat presentation attributes, and whose
    // breadcrumb style puts a separator before every item but the first.
    page.replace(u"<link rel=\"stylesheet\""_s,
                 u"<style>svg rect { fill: #333 } svg * { stroke: lime; stroke-width: 90 } "
                 "svg { fill: #333 } nav li + li::before { content: \"/\"; color: red }</style>\n"
                 "\t<link rel=\"stylesheet\""_s);
    QVERIFY(writeFile(folder.filePath(QStringLiteral("index.html")), page));

    QWebEngineView view;
    view.resize(900, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(loadPage(view, folder.filePath(QStringLiteral("index.html"))));
    QWebEnginePage* web = view.page();
    QCOMPARE(evaluate(web, u"new Set([...document.querySelectorAll('[id]')].map(e => e.id)).size"
                           u" === document.querySelectorAll('[id]').length"_s)
                 .toBool(),
             true);
    // Where the picture would be, scaled to the line (16 px); the link's name is its title.
    const QRect link = boxOf(web, QStringLiteral("a.brindlenav-icon0"));
    const QRect svg = boxOf(web, QStringLiteral("a.brindlenav-icon0 > svg"));
    QCOMPARE(svg, QRect(link.topLeft() + QPoint(20, 10), QSize(16, 16)));
    const auto iconColour = [&] { return view.grab().toImage().pixelColor(svg.center()); };
    const auto near = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue()) <=
               12;
    };
    QVERIFY2(near(iconColour(), QColor(200, 0, 0)), qPrintable(iconColour().name()));
    QCOMPARE(evaluate(web, u"getComputedStyle(document.querySelector('nav li + li'), "
                           u"'::before').content"_s)
                 .toString(),
             u"none"_s);
    QTest::mouseMove(view.focusProxy(), svg.center());
    QVERIFY2(QTest::qWaitFor([&] { return near(iconColour(), QColor(0, 0, 200)); }),
             qPrintable(iconColour().name()));
    QTest::mousePress(view.focusProxy(), Qt::LeftButton, {}, svg.center());
    QVERIFY2(QTest::qWaitFor([&] { return near(iconColour(), QColor(0, 160, 0)); }),
             qPrintable(iconColour().name()));
    QTest::mouseRelease(view.focusProxy(), Qt::LeftButton, {}, svg.center());
}

void ExportedPagesTest::svgIcon_cleanedDrawsAsTheOriginal_data() {
    QTest::addColumn<QString>("original");
    const QString svg = u"<svg xmlns=\"http://www.w3.org/2000/svg\" "
                        u"xmlns:xlink=\"http://www.w3.org/1999/xlink\" "_s;
    // As design tools write them: a style sheet of classes, a switch for the tool's own data,
    // a link around shapes, a rule for print.
    QTest::newRow("classes, switch, link")
        << svg +
               u"viewBox=\"0 0 24 24\" "
               u"style=\"enable-background:new 0 0 24 24\" xml:space=\"preserve\"><style "
               u"type=\"text/css\">.st0{fill:none;stroke:#1D1D1B;stroke-width:2}.st1{fill:#E30613}"
               u"@media print { .st1 { fill: blue } }</style><switch><foreignObject "
               u"requiredExtensions=\"http://ns.test/tool\" width=\"1\" height=\"1\"/><g>"
               u"<circle class=\"st0\" cx=\"12\" cy=\"12\" r=\"9\"/><a "
               u"xlink:href=\"https://x.test\">"
               u"<rect class=\"st1\" x=\"9\" y=\"9\" width=\"6\" height=\"6\"/></a></g></switch></svg>"_s;
    // Text turned into paths keeps its font in the style; both kinds of link, the newer first
    // in the file or not; an id starting with a digit; a transform on the root.
    QTest::newRow("font in a style, two links, a turned root")
        << svg +
               u"width=\"24\" "
               u"height=\"24\" viewBox=\"0 0 24 24\" transform=\"rotate(30) translate(2 0)\"><defs>"
               u"<linearGradient id=\"1g\"><stop offset=\"0\" style=\"stop-color:#00f\"/><stop "
               u"offset=\"1\" stop-color=\"#0f0\"/></linearGradient><path id=\"p\" d=\"M4 "
               u"4h16v4H4z\"/>"
               u"<path id=\"q\" d=\"M4 14h16v6H4z\"/></defs><path style=\"font-size:12px;"
               u"font-family:'Open Sans';fill:#000;stroke:none\" d=\"M4 10h16v2H4z\"/><use "
               u"xlink:href=\"#q\" href=\"#p\" fill=\"url(#1g)\"/><use href=\"#q\" "
               u"xlink:href=\"#p\" "
               u"opacity=\".5\"/></svg>"_s;
    QTest::newRow("repeated ids, weights and !important")
        << svg +
               u"viewBox=\"0 0 24 24\">"
               u"<style>#a { fill: red } path { fill: blue !important } g > .c { stroke: #0a0; "
               u"stroke-width: 3 }</style><g><path id=\"a\" class=\"c\" d=\"M3 3h8v8H3z\" "
               u"style=\"fill: green\"/></g><path id=\"a\" d=\"M13 13h8v8h-8z\"/><use href=\"#a\" "
               u"x=\"10\"/></svg>"_s;
}

void ExportedPagesTest::svgIcon_cleanedDrawsAsTheOriginal() {
    QFETCH(QString, original);
    const auto cleaned = cleanSvgIcon(original.toUtf8());
    QVERIFY(std::holds_alternative<CleanSvg>(cleaned));
    const CleanSvg& icon = std::get<CleanSvg>(cleaned);
    QVERIFY(!icon.removed.isEmpty());
    QTemporaryDir folder;
    QVERIFY(writeFile(folder.filePath(u"original.svg"_s), original));
    QVERIFY(writeFile(folder.filePath(u"clean.svg"_s), QString::fromUtf8(icon.text)));
    // The file as a picture, the cleaned file as a picture, and the icon inside a page.
    const QString box = u"<div style=\"position: absolute; top: 0; left: %1px; width: 48px; "
                        u"height: 48px\">%2</div>\n"_s;
    QVERIFY(
        writeFile(folder.filePath(u"index.html"_s),
                  u"<!DOCTYPE html>\n<html><body style=\"margin: 0\">\n"_s +
                      box.arg(0).arg(u"<img src=\"original.svg\" width=\"48\" height=\"48\">"_s) +
                      box.arg(60).arg(u"<img src=\"clean.svg\" width=\"48\" height=\"48\">"_s) +
                      box.arg(120).arg(inlineSvgIcon(icon.text, false, u"p-"_s, QSize(48, 48))) +
                      u"</body></html>\n"_s));
    QWebEngineView view;
    view.resize(300, 100);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(loadPage(view, folder.filePath(u"index.html"_s)));
    QVERIFY(waitForScript(view.page(), u"[...document.images].every(i => i.complete)"_s));
    QTest::qWait(100);
    const QImage shot = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawn = shot.copy(0, 0, 48, 48);
    int painted = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            painted += drawn.pixel(x, y) != qRgb(255, 255, 255);
    QVERIFY2(painted > 200, qPrintable(QString::number(painted)));
    // The cleaned file draws the same pixels; inside the page a line's edge may take another
    // shade, as a page and a picture are rasterised apart.
    for (const auto& [left, most] : {std::pair{60, 0.0}, std::pair{120, 0.005}}) {
        const double share = differingShare(drawn, shot.copy(left, 0, 48, 48));
        if (share > most) {
            drawn.save(QDir::temp().filePath(u"svg-original.png"_s));
            shot.save(QDir::temp().filePath(u"svg-cleaned.png"_s));
        }
        QVERIFY2(share <= most,
                 qPrintable(u"%1: %2 % of the pixels differ"_s.arg(left).arg(share * 100)));
    }
}

void ExportedPagesTest::everyDesign_iconsOnTheLineAndPhoneColumns_data() {
    QTest::addColumn<QString>("design");
    QTest::addColumn<QString>("icons");        // "", "mixed" or "unreadable"
    QTest::addColumn<QStringList>("findings"); // what the checker must report, in part
    const QStringList designs =
        QDir(QStringLiteral(BRINDLE_DESIGNS)).entryList({u"*.brindleprj"_s}, QDir::Files);
    QVERIFY(designs.size() >= 12);
    for (const QString& design : designs) {
        QTest::addRow("%s", qPrintable(design)) << design << QString() << QStringList();
        QTest::addRow("%s, icons", qPrintable(design)) << design << u"mixed"_s << QStringList();
    }
    // The checker fails what a visitor could not see: a black icon and a dark grey title on
    // a near-black bar, a picture in the bar's own colour.
    QTest::newRow("unreadable on Flat Dark")
        << u"02 Flat Dark.brindleprj"_s << u"unreadable"_s
        << QStringList{u"the icon of “Home”: 1.2 : 1"_s, u"the icon of “Products”: 1."_s,
                       u"“About” (bar): 1.2 : 1"_s, u"the arrow of “Products”: 1.2 : 1"_s};
}

// Every built-in design as a Modern page at desktop, tablet and phone widths, plain and with
// icons of 16 and 24 px (pictures with a light and a dark half, an SVG in the text's colour),
// measured by the checker designers run on their exports: contrast in every state, icons on
// their title's line, the phone menu's columns.
void ExportedPagesTest::everyDesign_iconsOnTheLineAndPhoneColumns() {
    QFETCH(QString, design);
    QFETCH(QString, icons);
    QFETCH(QStringList, findings);
    QTemporaryDir preview, folder;
    GlobalData data;
    data.setTempFolderPath(preview.path());
    QFile file(QDir(QStringLiteral(BRINDLE_DESIGNS)).filePath(design));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(openProjectData(data, file.readAll(), preview.path()));
    Node* root = data.getMenuRootNode();
    if (!icons.isEmpty()) {
        const QString square = preview.filePath(u"square.svg"_s);
        QVERIFY(writeFile(square, u"<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"24\" "
                                  u"height=\"24\" viewBox=\"0 0 24 24\"><rect width=\"24\" "
                                  u"height=\"24\"/></svg>"_s));
        const ImportedSvgIcon taken = IconImporter(preview.path()).importSvg(square, 24);
        QVERIFY2(taken.ok, qPrintable(taken.error));
        const bool readable = icons == u"mixed";
        applySvgIcon(*root->childAt(0), taken, readable);
        for (Node* item : {root->childAt(1), root->childAt(1)->childAt(0)}) {
            QImage picture(16, 16, QImage::Format_ARGB32);
            picture.fill(Qt::white);
            for (int y = 8; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    picture.setPixel(x, y, qRgb(0, 0, 0));
            if (!readable)
                picture.fill(QColor(0x1e, 0x1f, 0x26)); // the bar's own colour
            const QString name = u"dot%1.png"_s.arg(item->iconID());
            QVERIFY(picture.save(preview.filePath(name)));
            item->setImageFileName(name);
            item->setImageWidth(16);
            item->setImageHeight(16);
            item->setPaddingRight(6);
        }
        if (!readable)
            data.setMainMenufontColor(Color::fromBytes(0x33, 0x33, 0x33));
    }
    QVERIFY(exportIn(OutputStyle::Modern, data, preview.path(), folder.path()));

    QWebEngineView view;
    view.resize(1280, 800);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const MenuCheckReport report = MenuChecker(view).check(folder.path());
    QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
    // Ten titles and the toggle's label in five states at three widths, but fewer when a
    // design's drop-downs overlap nothing; every arrow and icon in three states.
    QVERIFY(report.titles >= 150);
    QVERIFY(report.graphics >= (icons.isEmpty() ? 21 : 48));
    QStringList found;
    for (const MenuFinding& finding : report.findings)
        found << u"%1 px, %2: %3"_s.arg(finding.width).arg(finding.state, finding.text);
    for (const QString& expected : findings) {
        QVERIFY2(found.filter(expected).size() >= 3, // at each width
                 qPrintable(expected + u" not in:\n"_s + found.join(u'\n')));
    }
    if (findings.isEmpty())
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

void ExportedPagesTest::direction_mirrorsTheMenu_data() {
    QTest::addColumn<QString>("pageDirection"); // the host page's <html dir>, empty: none
    QTest::addColumn<MenuDirection>("menuDirection");
    QTest::addColumn<bool>("rightToLeft"); // how the menu must read
    QTest::newRow("right-to-left page") << u"rtl"_s << MenuDirection::Page << true;
    QTest::newRow("menu set right to left") << QString() << MenuDirection::RightToLeft << true;
    QTest::newRow("menu set left to right in a right-to-left page")
        << u"rtl"_s << MenuDirection::LeftToRight << false;
    QTest::newRow("left-to-right page") << u"ltr"_s << MenuDirection::Page << false;
}

// The shop menu with icons: in a right-to-left menu the first item stands at the right, the
// items run leftwards, each drop-down hangs from its owner's right edge, an icon stands at its
// title's right and the arrow at its left; a title keeps its link's look inside its isolating
// wrapper; the checker finds nothing, the phone menu's columns measured from the right; near
// the window's far edge a drop-down turns to stay inside it.
void ExportedPagesTest::direction_mirrorsTheMenu() {
    QFETCH(QString, pageDirection);
    QFETCH(MenuDirection, menuDirection);
    QFETCH(bool, rightToLeft);
    QTemporaryDir icons, folder;
    GlobalData data;
    fillShopMenu(data, icons.path());
    OutputOptions options = data.outputOptions();
    options.direction = menuDirection;
    data.setOutputOptions(options);
    QVERIFY(exportShop(data, icons.path(), folder.path()));
    if (!pageDirection.isEmpty()) {
        QFile page(folder.filePath(u"index.html"_s));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(page.readAll());
        page.close();
        text.replace(u"<html lang=\"en\">"_s,
                     u"<html lang=\"en\" dir=\"%1\">"_s.arg(pageDirection));
        QVERIFY(writeFile(folder.filePath(u"index.html"_s), text));
    }
    QWebEngineView view;
    view.resize(1280, 700);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(loadPage(view, folder.filePath(u"index.html"_s)));
    QWebEnginePage* page = view.page();
    evaluate(page, u"document.querySelector('nav > ul > li:nth-child(3)').classList"
                   ".add('brindlenav-open'); true"_s);
    const QString measured = evaluate(page, uR"((() => { try {
        const box = e => e.getBoundingClientRect();
        const items = [...document.querySelectorAll('nav > ul > li')].map(li => box(li));
        const owner = document.querySelector('nav > ul > li:nth-child(3)');
        const link = owner.querySelector(':scope > a'), title = link.querySelector('bdi');
        const list = owner.querySelector(':scope > ul'), button = owner.querySelector('button');
        const iconLink = document.querySelector('nav > ul > li:first-child > a');
        const iconStyle = getComputedStyle(iconLink);
        const iconX = parseFloat(iconStyle.backgroundPositionX);
        const linkTitle = box(iconLink.querySelector('bdi'));
        const look = e => { const s = getComputedStyle(e);
                            return [s.textShadow, s.whiteSpace, s.letterSpacing].join('|'); };
        return JSON.stringify({
            firstLeft: items[0].left, firstRight: items[0].right,
            secondLeft: items[1].left, secondRight: items[1].right,
            ownerLeft: box(owner).left, ownerRight: box(owner).right,
            listLeft: box(list).left, listRight: box(list).right,
            buttonCentre: box(button).left + box(button).width / 2,
            titleCentre: box(title).left + box(title).width / 2,
            iconAtRight: iconStyle.backgroundPositionX.startsWith('calc') ||
                         iconStyle.backgroundPosition.includes('right'),
            iconX, linkTitleLeft: linkTitle.left, linkTitleRight: linkTitle.right,
            linkLeft: box(iconLink).left, linkRight: box(iconLink).right,
            same: look(title) === look(link), shadow: getComputedStyle(link).textShadow });
    } catch (e) { return String(e); } })())"_s)
                                 .toString();
    const QJsonObject shown = QJsonDocument::fromJson(measured.toUtf8()).object();
    QVERIFY2(!shown.isEmpty(), qPrintable(measured));
    const auto at = [&shown](const char* key) {
        return shown.value(QLatin1String(key)).toDouble();
    };
    if (rightToLeft) {
        QVERIFY2(at("firstRight") > at("secondRight"),
                 qPrintable(QString::number(at("firstRight"))));
        QVERIFY(std::abs(at("listRight") - at("ownerRight")) <= 1.0);
        QVERIFY(at("buttonCentre") < at("titleCentre"));
    } else {
        QVERIFY(at("firstLeft") < at("secondLeft"));
        QVERIFY(std::abs(at("listLeft") - at("ownerLeft")) <= 1.0);
        QVERIFY(at("buttonCentre") > at("titleCentre"));
    }
    // The picture stands 20 px in from the line's start: right of the title, or left of it.
    QCOMPARE(shown.value(u"iconAtRight"_s).toBool(), rightToLeft);
    QVERIFY(shown.value(u"same"_s).toBool());
    QVERIFY(shown.value(u"shadow"_s).toString() != u"none"_s);

    // Moved until its owner ends 10 px before the window's far edge, the drop-down (wider
    // than its owner) opened by the keyboard hangs from the owner's other edge and stays
    // inside the window; moved back, it hangs from its own start again.
    const QString placed = evaluate(page, uR"((() => {
        const nav = document.querySelector('nav');
        const owner = document.querySelector('nav > ul > li:nth-child(3)');
        owner.classList.remove('brindlenav-open');
        const list = owner.querySelector(':scope > ul');
        const ltr = getComputedStyle(nav).direction === 'ltr', o = owner.getBoundingClientRect();
        nav.style.position = 'relative';
        nav.style.insetInlineStart = (ltr ? innerWidth - 10 - o.right : o.left - 10) + 'px';
        owner.querySelector('button').focus();
        const r = list.getBoundingClientRect(), moved = owner.getBoundingClientRect();
        const result = [r.left >= 0 && r.right <= document.documentElement.clientWidth,
                        Math.abs(ltr ? r.right - moved.right : r.left - moved.left) <= 1,
                        r.width > o.width + 10];
        nav.style.insetInlineStart = '0px';
        dispatchEvent(new Event('resize'));
        const back = list.getBoundingClientRect(), home = owner.getBoundingClientRect();
        result.push(Math.abs(ltr ? back.left - home.left : back.right - home.right) <= 1);
        return result.join(); })())"_s)
                               .toString();
    QCOMPARE(placed, u"true,true,true,true"_s);

    const MenuCheckReport report = MenuChecker(view).check(folder.path());
    QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
    QStringList found;
    for (const MenuFinding& finding : report.findings)
        found << u"%1 px, %2: %3"_s.arg(finding.width).arg(finding.state, finding.text);
    // Where icons and titles stand; the shop's own colours are no matter of direction.
    found = found.filter(QRegularExpression(u"stands|start"_s));
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

void ExportedPagesTest::currentPage_isMarkedWhereverThePageIs_data() {
    QTest::addColumn<bool>("http");       // else a file
    QTest::addColumn<QString>("address"); // in the site's folder
    QTest::addColumn<CurrentPageLook>("look");
    QTest::addColumn<QString>("marked");  // the marked link's title
    QTest::addColumn<QString>("section"); // the bar's item that holds it, when another
    const auto active = CurrentPageLook::Active;
    QTest::newRow("index.html") << false << u"index.html"_s << active << u"Home"_s << QString();
    QTest::newRow("a sub-item's page")
        << false << u"lamps.html"_s << active << u"Lamps"_s << u"Products"_s;
    QTest::newRow("a third-level item's page")
        << false << u"desk.html"_s << active << u"Desk lamps"_s << u"Products"_s;
    QTest::newRow("the page's own query and fragment")
        << false << u"lamps.html?size=2#top"_s << active << u"Lamps"_s << u"Products"_s;
    QTest::newRow("a link's query the page lacks")
        << false << u"chairs.html"_s << active << QString() << QString();
    QTest::newRow("a link's query the page has")
        << false << u"chairs.html?colour=red"_s << active << u"Chairs"_s << u"Products"_s;
    QTest::newRow("a link's fragment")
        << false << u"about.html"_s << active << u"About"_s << QString();
    QTest::newRow("a page of no item")
        << false << u"other.html"_s << active << QString() << QString();
    QTest::newRow("over http") << true << u"lamps.html"_s << active << u"Lamps"_s << u"Products"_s;
    QTest::newRow("the site's root over http")
        << true << QString() << active << u"Home"_s << QString();
    QTest::newRow("looking hovered")
        << false << u"lamps.html"_s << CurrentPageLook::Hover << u"Lamps"_s << u"Products"_s;
    QTest::newRow("looking as the others")
        << false << u"lamps.html"_s << CurrentPageLook::Plain << u"Lamps"_s << u"Products"_s;
}

// Wherever the exported menu is shown, its script marks the link to that page (and the bar's
// item above it) and the marks take the look chosen for the bar and the drop-downs.
void ExportedPagesTest::currentPage_isMarkedWhereverThePageIs() {
    QFETCH(bool, http);
    QFETCH(QString, address);
    QFETCH(CurrentPageLook, look);
    QFETCH(QString, marked);
    QFETCH(QString, section);
    QTemporaryDir folder;
    GlobalData data;
    Node* root = data.getMenuRootNode();
    root->clearChildren();
    const auto add = [&data](Node* parent, const QString& title, const QString& link) {
        auto item = Node::make(title, u"icon%1"_s.arg(title.size()));
        item->setLink(link);
        return parent ? data.insertMenuRootNodeChild(std::move(item), parent, -1)
                      : data.addMenuRootNodeChild(std::move(item));
    };
    add(nullptr, u"Home"_s, u"./"_s);
    Node* products = add(nullptr, u"Products"_s, QString());
    Node* lamps = add(products, u"Lamps"_s, u"lamps.html"_s);
    add(lamps, u"Desk lamps"_s, u"desk.html"_s);
    add(products, u"Chairs"_s, u"chairs.html?colour=red"_s);
    add(nullptr, u"About"_s, u"about.html#team"_s);
    add(nullptr, u"Contact"_s, QString());
    // Pressed items show red in the bar and blue in the drop-downs, hovered ones green.
    data.setMainMenufontColorActive(Color{1, 0, 0, 1});
    data.setSubMenufontColorActive(Color{0, 0, 1, 1});
    data.setMainMenufontColorHover(Color{0, 1, 0, 1});
    data.setSubMenufontColorHover(Color{0, 1, 0, 1});
    OutputOptions options = data.outputOptions();
    options.currentPageLook = look;
    options.subMenuCurrentPageLook = look;
    data.setOutputOptions(options);
    QVERIFY(exportShop(data, folder.path(), folder.path()));
    for (const char* page : {"lamps.html", "desk.html", "chairs.html", "about.html", "other.html"})
        QVERIFY(
            QFile::copy(folder.filePath(u"index.html"_s), folder.filePath(QLatin1String(page))));

    FolderServer server(folder.path());
    const QUrl url = http ? QUrl(server.address() + address)
                          : QUrl(QUrl::fromLocalFile(folder.path() + u'/').toString() + address);
    QWebEngineView view;
    view.resize(1280, 600);
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.load(url);
    QVERIFY(loaded.wait(30000) && loaded.first().first().toBool());
    const QStringList shown = evaluate(view.page(), uR"((() => {
            const titles = s => [...document.querySelectorAll(s)].map(e => e.textContent).join();
            const colour = s => { const e = document.querySelector(s);
                                  return e ? getComputedStyle(e).color : ''; };
            return [titles('nav a[aria-current=page]'), titles('nav li.brindlenav-current > a'),
                    titles('nav li.brindlenav-section > a'),
                    colour('nav li.brindlenav-section > a'),
                    colour('nav ul ul a[aria-current=page]'),
                    colour('nav > ul > li:last-child > a'),
                    [...document.querySelectorAll('nav li li > button')].map(b =>
                        b.getAttribute('aria-expanded') + ':' +
                        getComputedStyle(b.nextElementSibling).display).join()]; })())"_s)
                                  .toStringList();
    QCOMPARE(shown.size(), 7);
    // The list inside the drop-down starts open only when it holds the page shown.
    QCOMPARE(shown.at(6), marked == u"Desk lamps"_s ? u"true:block"_s : u"false:none"_s);
    QCOMPARE(shown.at(0), marked);
    QCOMPARE(shown.at(1), marked);
    QCOMPARE(shown.at(2), section);
    if (section.isEmpty())
        return;
    const QString plain = shown.at(5);
    const QString green = u"rgb(0, 255, 0)"_s;
    QCOMPARE(shown.at(3), look == CurrentPageLook::Active  ? u"rgb(255, 0, 0)"_s
                          : look == CurrentPageLook::Hover ? green
                                                           : plain);
    if (look == CurrentPageLook::Plain)
        QVERIFY(shown.at(4) != u"rgb(0, 0, 255)"_s && shown.at(4) != green);
    else
        QCOMPARE(shown.at(4), look == CurrentPageLook::Active ? u"rgb(0, 0, 255)"_s : green);
}

int main(int argc, char* argv[]) {
    // The web engine refuses its sandbox as root.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ExportedPagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exported_pages.moc"
