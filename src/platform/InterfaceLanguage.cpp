#include "platform/InterfaceLanguage.h"

namespace brindle {

namespace {
QString& current() {
    static QString language;
    return language;
}
} // namespace

QString interfaceLanguage() {
    return current();
}

void setInterfaceLanguage(const QString& language) {
    current() = language;
}

} // namespace brindle
