#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace brindle {

struct SvgElement;

// The CSS an SVG icon may carry, as browsers read it: declarations in style attributes and
// style sheets of type, class and id selectors.
namespace svgcss {

struct Declaration {
    QString property; // lower case
    QString value;    // trimmed, without "!important"
    bool important = false;
};

// "fill: red; stroke: url('#a;b') !important" split where a browser splits it.
QList<Declaration> parseDeclarations(const QString& block);
QString writtenDeclarations(const QList<Declaration>& declarations);

// How shapes are painted, never how a box is laid out or what it loads.
bool isPaintingProperty(const QString& property);

// Nothing in a value may reach a script, another file or another style sheet: no control
// characters, escapes, at-rules or markup; functions only for colours, transforms and url()
// into the file (#id); quotes only inside that url().
bool isSafeValue(const QString& value);

// Black in any of its spellings, or already the text's colour.
bool isBlack(const QString& value);

// What a browser's URL parser makes of a link: tabs and line breaks gone, spaces and control
// characters trimmed from both ends.
QString parsedUrl(QString url);

// The ids a value names with url(#id), as a browser reads them (spaces inside the brackets
// and quotes left out).
QStringList urlTargets(const QString& value);
// The value with each url(#id) written anew: `rewrite` gives the new id, or an empty string
// to say that the reference names nothing.
QString withUrlTargets(const QString& value, const std::function<QString(const QString&)>& rewrite);
// Whether `value` consists only of one url() and perhaps a fallback colour, which is returned.
QString fallbackAfterUrl(const QString& value);

// The declarations of `declarations` that paint and reach nothing outside the file; the others
// are named in `leftOut`.
QList<Declaration> paintingDeclarations(const QList<Declaration>& declarations,
                                        QStringList& leftOut);

// A style sheet of rules whose selectors are types, classes and ids, alone, together and
// joined by descendant or child combinators, as far as they paint. What else it holds is named
// in `leftOut`.
class StyleSheet {
public:
    explicit StyleSheet(const QString& text = {});

    struct Matched {
        QList<Declaration> normal;    // weakest first
        QList<Declaration> important; // weakest first
    };
    // The declarations that apply to each element of the tree under `root`.
    QHash<const SvgElement*, Matched> match(const SvgElement& root) const;

    const QStringList& leftOut() const { return m_leftOut; }
    bool isEmpty() const { return m_rules.isEmpty(); }

    static constexpr int kMostRules = 1000;
    static constexpr int kMostCompounds = 8;

private:
    struct Compound {
        QString type; // empty: any
        QString id;
        QStringList classes;
    };
    struct Rule {
        QList<Compound> compounds; // the subject last
        QList<bool> childOf;       // before each compound after the first: '>' or a descendant
        int specificity = 0;
        int order = 0;
        QList<Declaration> declarations;
    };

    void addRules(const QString& selectors, const QString& block);
    static bool parseSelector(const QString& text, Rule& rule);
    static bool matches(const Compound& compound, const SvgElement& element);

    QList<Rule> m_rules;
    QStringList m_leftOut;
};

} // namespace svgcss

} // namespace brindle
