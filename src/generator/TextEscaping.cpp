#include "generator/TextEscaping.h"

namespace brindle {

namespace {

// Most texts need no change; copy only when something has to be replaced.
template <typename Replacement> QString escaped(const QString& text, Replacement replacement) {
    qsizetype first = 0;
    while (first < text.size() && replacement(text.at(first)) == nullptr)
        ++first;
    if (first == text.size())
        return text;
    QString result;
    result.reserve(text.size() + 16);
    result.append(QStringView(text).first(first));
    for (qsizetype i = first; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (const char* entity = replacement(c))
            result.append(QLatin1String(entity));
        else
            result.append(c);
    }
    return result;
}

const char* htmlTextEntity(QChar c) {
    switch (c.unicode()) {
    case u'&':
        return "&amp;";
    case u'<':
        return "&lt;";
    case u'>':
        return "&gt;";
    default:
        return nullptr;
    }
}

const char* htmlAttributeEntity(QChar c) {
    if (c == u'"')
        return "&quot;";
    return htmlTextEntity(c);
}

const char* cssStringEscape(QChar c) {
    switch (c.unicode()) {
    case u'\\':
        return "\\\\";
    case u'"':
        return "\\\"";
    default:
        return nullptr;
    }
}

} // namespace

QString escapeHtmlText(const QString& text) {
    return escaped(text, htmlTextEntity);
}

QString escapeHtmlAttribute(const QString& text) {
    return escaped(text, htmlAttributeEntity);
}

QString escapeCssString(const QString& text) {
    return escaped(text, cssStringEscape);
}

QString cssUrlOfFileName(const QString& fileName) {
    QString path;
    path.reserve(fileName.size());
    for (const QChar c : fileName) {
        switch (c.unicode()) {
        case u'%':
            path += QLatin1String("%25");
            break;
        case u'#':
            path += QLatin1String("%23");
            break;
        case u'?':
            path += QLatin1String("%3F");
            break;
        default:
            path += c;
        }
    }
    return escapeCssString(path);
}

} // namespace brindle
