#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace brindle {

// The languages the window speaks besides English, as locale names ("de", "pt_BR").
QStringList shippedLanguages();

// The shipped language that serves `locale`: its full name ("pt_BR") or its language ("de");
// empty for English and for languages not shipped.
QString languageFor(const QLocale& locale);

// Speaks `language` (a name from shippedLanguages(); empty: English): Brindle's own texts and
// Qt's (standard buttons, file and colour dialogs, the web view's menu), and lays the window
// out right to left for Arabic and Hebrew. Replaces the translators installed before; false
// when the language's texts cannot be loaded (the window stays as it was).
bool useLanguage(QCoreApplication& app, const QString& language);

} // namespace brindle
