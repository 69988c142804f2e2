#pragma once

#include <QString>

namespace brindle {

// The language the window speaks, as a locale name ("de", "pt_BR"); empty for English. Code
// that applies English spelling rules to translated texts (title case, sentence case) asks it.
QString interfaceLanguage();
void setInterfaceLanguage(const QString& language);
inline bool interfaceIsEnglish() {
    return interfaceLanguage().isEmpty();
}

} // namespace brindle
