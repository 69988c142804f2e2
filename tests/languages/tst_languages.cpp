#include "controller/ContrastWindow.h"
#include "controller/MainWindow.h"
#include "model/GlobalData.h"
#include "model/SvgCleaner.h"
#include "platform/NotificationCenter.h"
#include "project/ProjectFile.h"
#include "translations/Translations.h"
#include "widgets/SideBarContainer.h"
#include "widgets/TabStripView.h"
#include "widgets/WorkspaceModes.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineView>
#include <QXmlStreamReader>

#include <functional>
#include <unistd.h>

using namespace brindle;

namespace {

// "&Save", "Save(&S)", "Sa&ve:" all read "Save"; "&&" is a plain "&".
QString shown(QString text) {
    text.remove(QRegularExpression(QStringLiteral("\\(&\\w\\)")));
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    text = text.trimmed();
    while (text.endsWith(u':') || text.endsWith(u'…'))
        text.chop(1);
    return text.trimmed();
}

// English text → its translation, for the texts the language translates differently.
QHash<QString, QString> translatedTexts(const QString& language) {
    QFile file(QStringLiteral(BRINDLE_TRANSLATIONS_DIR "/brindle_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QHash<QString, QString> texts;
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation") {
            const QString translation = xml.readElementText();
            if (shown(translation) != shown(source))
                texts.insert(shown(source), translation);
        }
    }
    return texts;
}

struct ShownText {
    QString text;
    QString where;
};

// What the window shows in words of its own: labels, buttons, group titles, tabs, the
// choices of fixed combo boxes, menus and window titles. Items of lists and trees (the
// designer's menu), editors, source views and the preview are the designer's content.
void collect(QWidget* root, QList<ShownText>& into, QStringList& clipped) {
    const QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->isVisible())
            continue;
        bool content = false;
        for (QWidget* up = widget; up && up != root; up = up->parentWidget())
            content = content || qobject_cast<QAbstractItemView*>(up) ||
                      qobject_cast<QWebEngineView*>(up);
        if (content)
            continue;
        const QString where = widget->metaObject()->className() + (u" "_qs + widget->objectName());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const QString text = Qt::mightBeRichText(label->text())
                                     ? QTextDocument(label->text()).toPlainText()
                                     : label->text();
            if (text.isEmpty())
                continue;
            into.append({text, where});
            const int needed = label->fontMetrics().horizontalAdvance(shown(label->text()));
            if (!label->wordWrap() && !text.contains(u'\n') && label->pixmap().isNull() &&
                label->contentsRect().width() + 1 < needed)
                clipped << u"%1 “%2”: %3 of %4 px"_qs.arg(where, text)
                               .arg(label->contentsRect().width())
                               .arg(needed);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->text().isEmpty())
                continue;
            into.append({button->text(), where});
            if ((qobject_cast<QPushButton*>(button) || qobject_cast<QCheckBox*>(button) ||
                 qobject_cast<QRadioButton*>(button)) &&
                button->width() + 1 < button->sizeHint().width())
                clipped << u"%1 “%2”: %3 of %4 px"_qs.arg(where, button->text())
                               .arg(button->width())
                               .arg(button->sizeHint().width());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            into.append({group->title(), where});
        } else if (auto* strip = qobject_cast<TabStripView*>(widget)) {
            for (const QString& tab : strip->tabs())
                into.append({tab, where});
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                into.append({tabs->tabText(i), where});
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            if (combo->isEditable() || combo->objectName().startsWith(u"font"))
                continue; // font names and typed values
            for (int i = 0; i < combo->count(); ++i)
                into.append({combo->itemText(i), where});
        }
        if (!widget->accessibleName().isEmpty())
            into.append({widget->accessibleName(), where + u" (spoken)"_qs});
    }
}

void collectMenu(QMenu* menu, QList<ShownText>& into) {
    into.append({menu->title(), u"menu"_qs});
    for (QAction* action : menu->actions()) {
        if (action->menu())
            collectMenu(action->menu(), into);
        else if (!action->isSeparator() && !action->text().isEmpty())
            into.append({action->text(), u"menu " + shown(menu->title())});
    }
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(useLanguage(*qApp, QString())); }
    void everyWindow_speaksTheLanguage_data();
    void everyWindow_speaksTheLanguage();
    void language_followsTheLocale_data();
    void language_followsTheLocale();
    void damagedFile_isToldInTheLanguage_data() { everyWindow_speaksTheLanguage_data(); }
    void damagedFile_isToldInTheLanguage();
};

void LanguagesTest::everyWindow_speaksTheLanguage_data() {
    QTest::addColumn<QString>("language");
    const QStringList languages = shippedLanguages();
    QVERIFY(languages.size() >= 7);
    for (const QString& language : languages)
        QTest::newRow(qPrintable(language)) << language;
}

// Every mode and tab, the menus and Check Contrast: no English text the language translates
// otherwise, none at all in the non-Latin scripts beyond names that stay as they are, no
// label or button narrower than its text; Arabic and Hebrew lay the window out right to left.
void LanguagesTest::everyWindow_speaksTheLanguage() {
    QFETCH(QString, language);
    QVERIFY(useLanguage(*qApp, language));
    const QHash<QString, QString> translated = translatedTexts(language);
    QVERIFY(translated.size() > 300);
    GlobalData data;
    NotificationCenter center;
    QTemporaryDir base;
    MainWindow window(data, center);
    window.setUp({}, base.path());
    window.resize(1280, 860);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const bool rightToLeft = language == u"ar" || language == u"he";
    QCOMPARE(window.layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);

    QList<ShownText> texts;
    QStringList clipped;
    for (QMenu* menu : window.menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        collectMenu(menu, texts);
    for (int mode = 0; mode < WorkspaceModes::kModeCount; ++mode) {
        window.modes()->showMode(WorkspaceModes::Mode(mode));
        for (int tab = 0; tab < 4; ++tab) {
            for (SideBarView* side : {window.sideBarView(), window.subMenuSideBarView()})
                if (side->isVisible())
                    side->tabStrip()->setSelectIndex(tab);
            QCoreApplication::processEvents();
            collect(&window, texts, clipped);
        }
    }
    window.findChild<QAction*>(u"checkContrast"_qs)->trigger();
    auto* contrast = window.findChild<ContrastWindow*>();
    QVERIFY(contrast);
    QTreeWidgetItem* header = contrast->list()->headerItem();
    for (int column = 0; column < header->columnCount(); ++column)
        texts.append({header->text(column), u"Check Contrast header"_qs});
    for (int row = 0; row < contrast->list()->topLevelItemCount(); ++row)
        texts.append({contrast->list()->topLevelItem(row)->text(0), u"Check Contrast"_qs});
    collect(contrast, texts, clipped);
    texts.append({contrast->windowTitle(), u"window title"_qs});
    contrast->close();
    // The windows of the Help and File menus that open beside the main window.
    const auto shownDialog = [&window]() -> QDialog* {
        for (QDialog* dialog : window.findChildren<QDialog*>())
            if (dialog->isVisible())
                return dialog;
        return nullptr;
    };
    const auto walkDialog = [&](const std::function<void()>& open) {
        open();
        QTRY_VERIFY(shownDialog());
        QDialog* dialog = shownDialog();
        QCoreApplication::processEvents();
        texts.append({dialog->windowTitle(), u"window title"_qs});
        collect(dialog, texts, clipped);
        dialog->reject();
        QTRY_VERIFY(!dialog->isVisible());
    };
    for (const char* opens : {"showAbout", "showRelatedApps", "newFromDesign"})
        walkDialog([&] { window.findChild<QAction*>(QLatin1StringView(opens))->trigger(); });
    // The item form, as "+" opens it for a new item.
    window.modes()->showMode(WorkspaceModes::Mode::MenuStructure);
    walkDialog([&] { window.findChild<QToolButton*>(u"addButton"_qs)->click(); });

    // Names that stay as they are in every language.
    static const QRegularExpression kept(
        u"^(Brindle|HTML|CSS|SVG|PNG|JPEG|GIF|TIFF|Ctrl|Shift|Alt|Return|index|html|styles|"
        u"brindleprj|brindlenav|Main|Menu|Bluefish|Geany|Firefox|Developer|Edition|GIMP|Inkscape|"
        u"FileZilla|KColorChooser|Copyright)$"_qs);
    static const QRegularExpression latinWord(u"[A-Za-z]{4,}"_qs);
    const bool nonLatin = language == u"ja" || rightToLeft;
    QStringList english;
    for (const ShownText& text : std::as_const(texts)) {
        if (translated.contains(shown(text.text))) {
            english << u"%1: %2"_qs.arg(text.where, text.text);
            continue;
        }
        if (!nonLatin || text.text.contains(u"://"))
            continue; // addresses are no words
        auto words = latinWord.globalMatch(text.text);
        while (words.hasNext()) {
            const QString word = words.next().captured();
            if (!kept.match(word).hasMatch()) {
                english << u"%1: %2"_qs.arg(text.where, text.text);
                break;
            }
        }
    }
    english.removeDuplicates();
    clipped.removeDuplicates();
    QVERIFY2(english.isEmpty(), qPrintable(u"English left:\n"_qs + english.join(u'\n')));
    QVERIFY2(clipped.isEmpty(), qPrintable(u"Clipped:\n"_qs + clipped.join(u'\n')));
}

void LanguagesTest::language_followsTheLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language"); // empty: English
    QTest::newRow("German in Austria") << u"de_AT"_qs << u"de"_qs;
    QTest::newRow("Portuguese in Brazil") << u"pt_BR"_qs << u"pt_BR"_qs;
    QTest::newRow("Portuguese in Portugal") << u"pt_PT"_qs << u"pt_BR"_qs;
    QTest::newRow("Hebrew") << u"he_IL"_qs << u"he"_qs;
    QTest::newRow("Arabic in Egypt") << u"ar_EG"_qs << u"ar"_qs;
    QTest::newRow("Italian: not shipped") << u"it_IT"_qs << QString();
    QTest::newRow("English") << u"en_GB"_qs << QString();
}

void LanguagesTest::language_followsTheLocale() {
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QCOMPARE(languageFor(QLocale(locale)), language);
    // Switching there and back leaves English texts and a left-to-right window.
    QVERIFY(useLanguage(*qApp, language));
    QVERIFY(useLanguage(*qApp, QString()));
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
    QCOMPARE(QCoreApplication::translate("brindle::MainWindow", "&File"), u"&File"_qs);
    QVERIFY(!useLanguage(*qApp, u"xx"_qs));
}

// A refused file's message names the element in the designer's words, every piece of it;
// so does the list of what an icon had to leave out.
void LanguagesTest::damagedFile_isToldInTheLanguage() {
    QFETCH(QString, language);
    QVERIFY(useLanguage(*qApp, language));
    GlobalData data;
    Node* products = data.addMenuRootNodeChild(Node::make(u"Products"_qs, u"icon1"_qs));
    products->setIsGroup(true);
    data.insertMenuRootNodeChild(Node::make(u"Laptops"_qs, u"icon2"_qs), products, -1);
    QByteArray bytes = projectData(data);
    QVERIFY(bytes.contains("<string>Laptops</string>"));
    bytes.replace("<string>Laptops</string>", "<date>2026-01-01T00:00:00Z</date>");
    QTemporaryDir preview;
    GlobalData opened;
    const OpenResult result = openProjectData(opened, bytes, preview.path());
    QVERIFY(!result.ok);
    const auto cleaned = cleanSvgIcon("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 4 "
                                      "4\"><script>x()</script><rect onclick=\"x()\" width=\"4\" "
                                      "height=\"4\"/></svg>");
    QVERIFY(std::holds_alternative<CleanSvg>(cleaned));
    const QString told = result.error + u'\n' + std::get<CleanSvg>(cleaned).removed.join(u", "_qs);
    // The names in the file and the markup stay as they are; everything around them is told.
    static const QRegularExpression english(
        u"\\b(sub-item|of|title|text|a date|element|attribute|setting)\\b"_qs);
    QString words = told;
    words.remove(QRegularExpression(u"\\b(script|onclick)\\b"_qs));
    QVERIFY2(!english.match(words).hasMatch(), qPrintable(told));
    QVERIFY2(told.contains(u"script"_qs) && told.contains(u"onclick"_qs), qPrintable(told));
}

int main(int argc, char* argv[]) {
    // The web engine refuses its sandbox as root.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    LanguagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_languages.moc"
