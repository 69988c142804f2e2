#include "workspace/PreviewStates.h"

#include <QStringList>

namespace brindle {

namespace {

// The selector list with each state replaced by its pin class; only the selectors that
// name a state are kept. Empty when none does.
QString pinnedSelectors(QStringView selectors) {
    QStringList pinned;
    for (const QStringView selector : selectors.split(u',')) {
        if (!selector.contains(u":hover") && !selector.contains(u":active"))
            continue;
        QString copy = selector.trimmed().toString();
        copy.replace(QStringLiteral(":hover"), QLatin1Char('.') + QLatin1String(kPinnedHoverClass));
        copy.replace(QStringLiteral(":active"),
                     QLatin1Char('.') + QLatin1String(kPinnedActiveClass));
        pinned.append(copy);
    }
    return pinned.join(QStringLiteral(", "));
}

// Walks one block's contents (the whole sheet, or an at-rule's body) from `pos` to its
// closing brace, which it consumes; appends the pinned copies to `out`.
void pinBlock(const QString& css, qsizetype& pos, QString& out) {
    qsizetype start = pos;
    while (pos < css.size()) {
        const QChar c = css[pos];
        if (c == u'}') {
            ++pos;
            return;
        }
        if (c == u';' && css.mid(start, pos - start).trimmed().startsWith(u'@')) {
            start = ++pos; // an at-rule without a block (@import, @charset)
            continue;
        }
        if (c != u'{') {
            ++pos;
            continue;
        }
        const QString prelude = css.mid(start, pos - start).trimmed();
        ++pos;
        if (prelude.startsWith(u'@')) {
            QString inner;
            pinBlock(css, pos, inner);
            if (!inner.isEmpty())
                out += prelude + QStringLiteral(" {\n") + inner + QStringLiteral("}\n");
        } else {
            const qsizetype end = css.indexOf(u'}', pos);
            const qsizetype stop = end < 0 ? css.size() : end;
            const QString selectors = pinnedSelectors(prelude);
            if (!selectors.isEmpty())
                out += selectors + QStringLiteral(" {") + css.mid(pos, stop - pos) +
                       QStringLiteral("}\n");
            pos = stop + 1;
        }
        start = pos;
    }
}

// Comments could hide braces; they carry nothing the pins need.
QString withoutComments(const QString& css) {
    QString text;
    text.reserve(css.size());
    qsizetype pos = 0;
    while (pos < css.size()) {
        const qsizetype open = css.indexOf(QStringLiteral("/*"), pos);
        if (open < 0) {
            text += QStringView(css).mid(pos);
            break;
        }
        text += QStringView(css).mid(pos, open - pos);
        const qsizetype close = css.indexOf(QStringLiteral("*/"), open + 2);
        pos = close < 0 ? css.size() : close + 2;
    }
    return text;
}

} // namespace

QString pinnedStateRules(const QString& css) {
    const QString text = withoutComments(css);
    QString out;
    qsizetype pos = 0;
    while (pos < text.size())
        pinBlock(text, pos, out);
    return out;
}

} // namespace brindle
