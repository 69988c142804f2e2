#include "model/SvgCss.h"

#include "model/SvgTree.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QVarLengthArray>

#include <algorithm>

namespace brindle::svgcss {

// This file's messages, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SvgCss)
};

namespace {

bool isCssSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// The value without CSS white space, in lower case.
QString folded(const QString& value) {
    QString result;
    result.reserve(value.size());
    for (const QChar c : value) {
        if (!isCssSpace(c))
            result += c.toLower();
    }
    return result;
}

// Where `text` splits at `separator` outside quotes and brackets.
QStringList splitOutside(const QString& text, QChar separator) {
    QStringList parts;
    QChar quote;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            depth = std::max(0, depth - 1);
        } else if (c == separator && depth == 0) {
            parts.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.mid(start));
    return parts;
}

// A url() with its argument: unquoted, or in either quotes.
const QRegularExpression& urlPattern() {
    static const QRegularExpression pattern(
        QStringLiteral("url\\(\\s*(?:\"([^\"]*)\"|'([^']*)'|([^)'\"\\s]*))\\s*\\)"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

QString localTarget(const QRegularExpressionMatch& match) {
    const QString url = parsedUrl(match.captured(1) + match.captured(2) + match.captured(3));
    return url.startsWith(u'#') ? url.mid(1) : QString();
}

} // namespace

QString parsedUrl(QString url) {
    url.remove(u'\t').remove(u'\n').remove(u'\r');
    qsizetype from = 0;
    qsizetype to = url.size();
    while (from < to && url.at(from).unicode() <= 0x20)
        ++from;
    while (to > from && url.at(to - 1).unicode() <= 0x20)
        --to;
    return url.mid(from, to - from);
}

QList<Declaration> parseDeclarations(const QString& block) {
    static const QRegularExpression important(QStringLiteral("!\\s*important\\s*$"),
                                              QRegularExpression::CaseInsensitiveOption);
    QList<Declaration> declarations;
    for (const QString& part : splitOutside(block, u';')) {
        const qsizetype colon = part.indexOf(u':');
        if (colon < 0)
            continue;
        Declaration declaration;
        declaration.property = part.left(colon).trimmed().toLower();
        declaration.value = part.mid(colon + 1);
        const QRegularExpressionMatch bang = important.match(declaration.value);
        if (bang.hasMatch()) {
            declaration.important = true;
            declaration.value.truncate(bang.capturedStart());
        }
        declaration.value = declaration.value.trimmed();
        if (!declaration.property.isEmpty())
            declarations.append(declaration);
    }
    return declarations;
}

QString writtenDeclarations(const QList<Declaration>& declarations) {
    QStringList written;
    for (const Declaration& declaration : declarations)
        written.append(declaration.property + u':' + declaration.value);
    return written.join(u';');
}

bool isPaintingProperty(const QString& property) {
    static const QSet<QString> names = {
        QStringLiteral("fill"),
        QStringLiteral("fill-opacity"),
        QStringLiteral("fill-rule"),
        QStringLiteral("stroke"),
        QStringLiteral("stroke-width"),
        QStringLiteral("stroke-opacity"),
        QStringLiteral("stroke-linecap"),
        QStringLiteral("stroke-linejoin"),
        QStringLiteral("stroke-miterlimit"),
        QStringLiteral("stroke-dasharray"),
        QStringLiteral("stroke-dashoffset"),
        QStringLiteral("opacity"),
        QStringLiteral("color"),
        QStringLiteral("display"),
        QStringLiteral("visibility"),
        QStringLiteral("clip-path"),
        QStringLiteral("clip-rule"),
        QStringLiteral("mask"),
        QStringLiteral("stop-color"),
        QStringLiteral("stop-opacity"),
        QStringLiteral("vector-effect"),
        QStringLiteral("shape-rendering"),
        QStringLiteral("paint-order"),
    };
    return names.contains(property);
}

bool isSafeValue(const QString& value) {
    const QString plain = folded(value);
    for (const QChar c : plain) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == u'\\' || u == u'@' || u == u'<')
            return false;
    }
    if (plain.contains(QLatin1String("javascript:")))
        return false;
    static const QSet<QString> functions = {
        QStringLiteral("url"),       QStringLiteral("rgb"),   QStringLiteral("rgba"),
        QStringLiteral("hsl"),       QStringLiteral("hsla"),  QStringLiteral("matrix"),
        QStringLiteral("translate"), QStringLiteral("scale"), QStringLiteral("rotate"),
        QStringLiteral("skewx"),     QStringLiteral("skewy"),
    };
    static const QRegularExpression call(QStringLiteral("([^\\s(),;:{}\"'#]*)\\("));
    static const QRegularExpression inside(QStringLiteral("^url\\(['\"]?#[^'\"()]*['\"]?\\)"));
    for (auto it = call.globalMatch(plain); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (!functions.contains(match.captured(1)))
            return false;
        if (match.captured(1) == QLatin1String("url") &&
            !inside.match(QStringView(plain).mid(match.capturedStart())).hasMatch())
            return false;
    }
    static const QRegularExpression quotedUrl(QStringLiteral("url\\(['\"][^)]*\\)"));
    return !QString(plain).remove(quotedUrl).contains(QRegularExpression(QStringLiteral("['\"]")));
}

bool isBlack(const QString& value) {
    const QString plain = value.trimmed().toLower();
    if (plain == QLatin1String("black") || plain == QLatin1String("currentcolor"))
        return true;
    static const QRegularExpression hex(QStringLiteral("^#(0{3}f?|0{6}(ff)?)$"));
    if (hex.match(plain).hasMatch())
        return true;
    static const QRegularExpression rgb(QStringLiteral("^rgba?\\((.*)\\)$"));
    const QRegularExpressionMatch call = rgb.match(plain);
    if (!call.hasMatch())
        return false;
    const QStringList arguments = call.captured(1).split(
        QRegularExpression(QStringLiteral("\\s*[\\s,/]\\s*")), Qt::SkipEmptyParts);
    if (arguments.size() != 3 && arguments.size() != 4)
        return false;
    static const QRegularExpression zero(QStringLiteral("^[+-]?0*\\.?0*%?$"));
    static const QRegularExpression opaque(QStringLiteral("^(1(\\.0*)?|100(\\.0*)?%)$"));
    for (int i = 0; i < 3; ++i) {
        if (!zero.match(arguments.at(i)).hasMatch())
            return false;
    }
    return arguments.size() == 3 || opaque.match(arguments.at(3)).hasMatch();
}

QStringList urlTargets(const QString& value) {
    QStringList targets;
    for (auto it = urlPattern().globalMatch(value); it.hasNext();) {
        const QString target = localTarget(it.next());
        if (!target.isEmpty())
            targets.append(target);
    }
    return targets;
}

QString withUrlTargets(const QString& value,
                       const std::function<QString(const QString&)>& rewrite) {
    QString result;
    qsizetype last = 0;
    for (auto it = urlPattern().globalMatch(value); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString target = localTarget(match);
        if (target.isEmpty())
            continue;
        result += QStringView(value).mid(last, match.capturedStart() - last);
        result += QStringLiteral("url(#") + rewrite(target) + u')';
        last = match.capturedEnd();
    }
    return result + QStringView(value).mid(last);
}

QString fallbackAfterUrl(const QString& value) {
    const QString rest = QString(value).remove(urlPattern()).trimmed();
    return rest.isEmpty() ? QStringLiteral("none") : rest;
}

QList<Declaration> paintingDeclarations(const QList<Declaration>& declarations,
                                        QStringList& leftOut) {
    QList<Declaration> kept;
    for (const Declaration& declaration : declarations) {
        if (!isPaintingProperty(declaration.property))
            leftOut.append(Texts::tr("%1 style property").arg(declaration.property.left(40)));
        else if (!isSafeValue(declaration.value))
            leftOut.append(
                Texts::tr("%1 style value reaching outside the file").arg(declaration.property));
        else
            kept.append(declaration);
    }
    return kept;
}

StyleSheet::StyleSheet(const QString& text) {
    static const QRegularExpression comment(QStringLiteral("/\\*.*?(\\*/|$)"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QString sheet = QString(text).remove(comment);
    const qsizetype n = sheet.size();
    qsizetype i = 0;
    // The end of the block that opens at `open`, or of the text.
    const auto blockEnd = [&](qsizetype open) {
        int depth = 0;
        for (qsizetype j = open; j < n; ++j) {
            if (sheet.at(j) == u'{')
                ++depth;
            else if (sheet.at(j) == u'}' && --depth == 0)
                return j;
        }
        return n;
    };
    while (i < n) {
        while (i < n && (isCssSpace(sheet.at(i)) || sheet.at(i) == u'}'))
            ++i;
        if (QStringView(sheet).mid(i).startsWith(QLatin1String("<!--")))
            i += 4;
        else if (QStringView(sheet).mid(i).startsWith(QLatin1String("-->")))
            i += 3;
        if (i >= n)
            break;
        const qsizetype open = sheet.indexOf(u'{', i);
        if (sheet.at(i) == u'@') {
            static const QRegularExpression name(QStringLiteral("^@([\\w-]*)"));
            m_leftOut.append(QStringLiteral("@%1 rule")
                                 .arg(name.match(QStringView(sheet).mid(i)).captured(1).left(40)));
            const qsizetype semicolon = sheet.indexOf(u';', i);
            i = (semicolon >= 0 && (open < 0 || semicolon < open)) ? semicolon + 1
                : open < 0                                         ? n
                                                                   : blockEnd(open) + 1;
            continue;
        }
        if (open < 0)
            break;
        const qsizetype close = blockEnd(open);
        addRules(sheet.mid(i, open - i), sheet.mid(open + 1, close - open - 1));
        i = close + 1;
    }
}

void StyleSheet::addRules(const QString& selectors, const QString& block) {
    const QList<Declaration> declarations =
        paintingDeclarations(parseDeclarations(block), m_leftOut);
    const int order = int(m_rules.size());
    for (const QString& text : selectors.split(u',')) {
        Rule rule;
        rule.order = order;
        rule.declarations = declarations;
        if (m_rules.size() >= kMostRules || !parseSelector(text.simplified(), rule)) {
            m_leftOut.append(Texts::tr("style rule for %1").arg(text.simplified().left(40)));
            continue;
        }
        if (!declarations.isEmpty())
            m_rules.append(rule);
    }
}

bool StyleSheet::parseSelector(const QString& text, Rule& rule) {
    static const QRegularExpression compoundPattern(
        QStringLiteral("^(\\*|[A-Za-z_][\\w-]*)?((?:[.#]-?[A-Za-z_][\\w-]*)*)$"));
    static const QRegularExpression part(QStringLiteral("([.#])([\\w-]+)"));
    const QStringList tokens =
        QString(text).replace(u'>', QLatin1String(" > ")).split(u' ', Qt::SkipEmptyParts);
    bool child = false;
    for (qsizetype t = 0; t < tokens.size(); ++t) {
        if (tokens.at(t) == QLatin1String(">")) {
            if (rule.compounds.isEmpty() || child)
                return false;
            child = true;
            continue;
        }
        const QRegularExpressionMatch match = compoundPattern.match(tokens.at(t));
        if (!match.hasMatch() || tokens.at(t).isEmpty())
            return false;
        Compound compound;
        if (match.captured(1) != QLatin1String("*"))
            compound.type = match.captured(1);
        rule.specificity += compound.type.isEmpty() ? 0 : 1;
        for (auto it = part.globalMatch(match.captured(2)); it.hasNext();) {
            const QRegularExpressionMatch piece = it.next();
            if (piece.captured(1) == QLatin1String("#")) {
                if (!compound.id.isEmpty() && compound.id != piece.captured(2))
                    return false; // two ids never match one element
                compound.id = piece.captured(2);
                rule.specificity += 10000;
            } else {
                compound.classes.append(piece.captured(2));
                rule.specificity += 100;
            }
        }
        if (!rule.compounds.isEmpty())
            rule.childOf.append(child);
        rule.compounds.append(compound);
        child = false;
    }
    return !rule.compounds.isEmpty() && !child && rule.compounds.size() <= kMostCompounds;
}

bool StyleSheet::matches(const Compound& compound, const SvgElement& element) {
    if (!element.inSvgNamespace || (!compound.type.isEmpty() && compound.type != element.name))
        return false;
    if (!compound.id.isEmpty() && element.value(QStringLiteral("id")) != compound.id)
        return false;
    if (!compound.classes.isEmpty()) {
        const QStringList classes =
            element.value(QStringLiteral("class"))
                .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        for (const QString& name : compound.classes) {
            if (!classes.contains(name))
                return false;
        }
    }
    return true;
}

QHash<const SvgElement*, StyleSheet::Matched> StyleSheet::match(const SvgElement& root) const {
    struct Hit {
        int specificity;
        int order;
        const Declaration* declaration;
    };
    QHash<const SvgElement*, QList<Hit>> hits;
    using Flags = QVarLengthArray<bool, kMostCompounds>;
    for (const Rule& rule : m_rules) {
        const qsizetype count = rule.compounds.size();
        // Per element: whether the selector's first k+1 compounds match with the last of them
        // on the element (`here`), or on the element or one of its ancestors (`within`).
        const std::function<void(const SvgElement&, const Flags&, const Flags&)> walk =
            [&](const SvgElement& element, const Flags& parentHere, const Flags& parentWithin) {
                Flags here(count, false);
                Flags within(count, false);
                for (qsizetype k = 0; k < count; ++k) {
                    here[k] = matches(rule.compounds.at(k), element) &&
                              (k == 0 || (rule.childOf.at(k - 1) ? parentHere.at(k - 1)
                                                                 : parentWithin.at(k - 1)));
                    within[k] = here[k] || parentWithin.at(k);
                }
                if (here[count - 1]) {
                    for (const Declaration& declaration : rule.declarations)
                        hits[&element].append({rule.specificity, rule.order, &declaration});
                }
                for (const auto& child : element.children)
                    walk(*child, here, within);
            };
        walk(root, Flags(count, false), Flags(count, false));
    }
    QHash<const SvgElement*, Matched> matched;
    for (auto it = hits.begin(); it != hits.end(); ++it) {
        std::stable_sort(it->begin(), it->end(), [](const Hit& a, const Hit& b) {
            return std::tie(a.specificity, a.order) < std::tie(b.specificity, b.order);
        });
        Matched& result = matched[it.key()];
        for (const Hit& hit : *it)
            (hit.declaration->important ? result.important : result.normal)
                .append(*hit.declaration);
    }
    return matched;
}

} // namespace brindle::svgcss
