#include "translations/Translations.h"

#include "platform/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

// The .qm files live in this static library's resources: registered here, outside any namespace.
static void registerTranslationResources() {
    Q_INIT_RESOURCE(brindle_translations);
}

namespace brindle {

namespace {

constexpr auto kResourceFolder = ":/translations";

std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

} // namespace

QStringList shippedLanguages() {
    registerTranslationResources();
    QStringList languages;
    const QStringList files =
        QDir(QLatin1String(kResourceFolder)).entryList({QStringLiteral("brindle_*.qm")});
    for (const QString& file : files)
        languages << file.mid(8).chopped(3);
    return languages;
}

QString languageFor(const QLocale& locale) {
    const QStringList shipped = shippedLanguages();
    const QString full = locale.name(); // "pt_BR"
    if (shipped.contains(full))
        return full;
    const QString language = full.section(u'_', 0, 0);
    // Portuguese is shipped as spoken in Brazil; it serves every Portuguese locale.
    for (const QString& name : shipped)
        if (name.section(u'_', 0, 0) == language)
            return name;
    return {};
}

bool useLanguage(QCoreApplication& app, const QString& language) {
    registerTranslationResources();
    std::vector<std::unique_ptr<QTranslator>> next;
    if (!language.isEmpty()) {
        auto own = std::make_unique<QTranslator>();
        if (!own->load(QStringLiteral("brindle_") + language, QLatin1String(kResourceFolder)))
            return false;
        next.push_back(std::move(own));
        // Qt's own catalogues: missing ones leave Qt's texts in English, nothing more.
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        for (const char* catalogue : {"qt_", "qtbase_", "qtwebengine_"}) {
            auto qt = std::make_unique<QTranslator>();
            if (qt->load(QLatin1String(catalogue) + language, qtFolder))
                next.push_back(std::move(qt));
        }
    }
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed() = std::move(next);
    setInterfaceLanguage(language);
    for (const auto& translator : installed())
        QCoreApplication::installTranslator(translator.get());
    if (auto* gui = qobject_cast<QGuiApplication*>(&app))
        gui->setLayoutDirection(
            QLocale(language.isEmpty() ? QStringLiteral("en") : language).textDirection() ==
                    Qt::RightToLeft
                ? Qt::RightToLeft
                : Qt::LeftToRight);
    return true;
}

} // namespace brindle
