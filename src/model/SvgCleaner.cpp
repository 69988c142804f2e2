#include "model/SvgCleaner.h"

#include "model/SvgCss.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace brindle {

// This file's messages, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SvgCleaner)
};

namespace {

using svgcss::Declaration;

// What draws an icon: shapes, paths, groups, references within the file, gradients, clipping
// and masking, and the texts that name it.
bool isAllowedElement(const QString& name) {
    static const QSet<QString> names = {
        QStringLiteral("svg"),
        QStringLiteral("g"),
        QStringLiteral("path"),
        QStringLiteral("rect"),
        QStringLiteral("circle"),
        QStringLiteral("ellipse"),
        QStringLiteral("line"),
        QStringLiteral("polyline"),
        QStringLiteral("polygon"),
        QStringLiteral("defs"),
        QStringLiteral("use"),
        QStringLiteral("symbol"),
        QStringLiteral("linearGradient"),
        QStringLiteral("radialGradient"),
        QStringLiteral("stop"),
        QStringLiteral("clipPath"),
        QStringLiteral("mask"),
        QStringLiteral("title"),
        QStringLiteral("desc"),
    };
    return names.contains(name);
}

// Geometry and the painting properties; never an event handler or a link to another file.
bool isAllowedAttribute(const QString& name) {
    static const QSet<QString> names = {
        QStringLiteral("id"),
        QStringLiteral("viewBox"),
        QStringLiteral("preserveAspectRatio"),
        QStringLiteral("width"),
        QStringLiteral("height"),
        QStringLiteral("x"),
        QStringLiteral("y"),
        QStringLiteral("x1"),
        QStringLiteral("y1"),
        QStringLiteral("x2"),
        QStringLiteral("y2"),
        QStringLiteral("cx"),
        QStringLiteral("cy"),
        QStringLiteral("r"),
        QStringLiteral("rx"),
        QStringLiteral("ry"),
        QStringLiteral("fx"),
        QStringLiteral("fy"),
        QStringLiteral("fr"),
        QStringLiteral("d"),
        QStringLiteral("points"),
        QStringLiteral("pathLength"),
        QStringLiteral("transform"),
        QStringLiteral("clipPathUnits"),
        QStringLiteral("maskUnits"),
        QStringLiteral("maskContentUnits"),
        QStringLiteral("offset"),
        QStringLiteral("gradientUnits"),
        QStringLiteral("gradientTransform"),
        QStringLiteral("spreadMethod"),
    };
    return names.contains(name) || svgcss::isPaintingProperty(name);
}

// The elements whose href draws or inherits from another element of the file.
bool followsHref(const QString& element) {
    return element == QLatin1String("use") || element == QLatin1String("linearGradient") ||
           element == QLatin1String("radialGradient");
}

// An id that url(#id) and href="#id" can name as written.
bool isNameableId(const QString& id) {
    static const QRegularExpression pattern(QStringLiteral("^[^\\s\"'()\\\\#%<>&;,]+$"));
    return pattern.match(id).hasMatch();
}

// A length in CSS px: a plain number or one in px; nothing for other units.
double pixels(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([0-9]*\\.?[0-9]+)\\s*(px)?\\s*$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0;
    const double value = match.captured(1).toDouble();
    return std::isfinite(value) && value > 0 && value <= 8192 ? value : 0;
}

QSizeF statedSize(const SvgElement& root) {
    const QSizeF size(pixels(root.value(QStringLiteral("width"))),
                      pixels(root.value(QStringLiteral("height"))));
    return size.isEmpty() ? QSizeF() : size;
}

QSizeF viewBoxSize(const SvgElement& root) {
    const QStringList box =
        root.value(QStringLiteral("viewBox"))
            .split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    if (box.size() != 4)
        return {};
    const QSizeF size(pixels(box.at(2)), pixels(box.at(3)));
    return size.isEmpty() ? QSizeF() : size;
}

class Cleaner {
public:
    explicit Cleaner(bool followTextColour) : m_follow(followTextColour) {}

    std::variant<CleanSvg, QString> run(const QByteArray& bytes) {
        auto read = readSvgTree(bytes);
        if (const QString* problem = std::get_if<QString>(&read))
            return *problem;
        SvgTree tree = std::move(std::get<SvgTree>(read));
        if (tree.hadProcessingInstructions)
            leftOut(Texts::tr("processing instruction"));
        SvgElement& root = *tree.root;

        // The style sheets apply to the file as written, before anything is unwrapped.
        QString sheetText;
        collectStyleSheets(root, sheetText);
        const svgcss::StyleSheet sheet(sheetText);
        for (const QString& what : sheet.leftOut())
            leftOut(what);
        const auto matched = sheet.match(root);

        prune(root);
        collectIds(root);
        resolve(root, matched, true);
        if (const QString problem = referenceProblem(root); !problem.isEmpty())
            return problem;
        return CleanSvg{written(root), m_removed, statedSize(root), viewBoxSize(root)};
    }

private:
    void collectStyleSheets(const SvgElement& element, QString& sheet) {
        for (const auto& child : element.children) {
            if (child->inSvgNamespace && child->name == QLatin1String("style")) {
                const QString type = child->value(QStringLiteral("type")).trimmed().toLower();
                if (type.isEmpty() || type == QLatin1String("text/css"))
                    sheet += child->text + u'\n';
            } else {
                collectStyleSheets(*child, sheet);
            }
        }
    }

    // Leaves the elements that draw: a link becomes the group it draws as, a switch the one
    // child a browser shows; style sheets have been applied; anything else goes with all
    // that is in it.
    void prune(SvgElement& element) {
        auto& children = element.children;
        for (auto it = children.begin(); it != children.end();) {
            SvgElement& child = **it;
            const bool svg = child.inSvgNamespace;
            if (svg && child.name == QLatin1String("style")) {
                it = children.erase(it);
                continue;
            }
            if (svg && child.name == QLatin1String("a")) {
                unwrapLink(child);
            } else if (svg && child.name == QLatin1String("switch")) {
                keepShownChoice(child);
            } else if (!svg || !isAllowedElement(child.name)) {
                leftOut(Texts::tr("%1 element").arg(child.qualifiedName));
                it = children.erase(it);
                continue;
            }
            prune(child);
            ++it;
        }
    }

    void unwrapLink(SvgElement& link) {
        link.name = link.qualifiedName = QStringLiteral("g");
        const auto isLinkAttribute = [](const SvgAttribute& attribute) {
            return attribute.namespaceUri.isEmpty() || attribute.namespaceUri == kXlinkNamespace
                       ? attribute.name == QLatin1String("href") ||
                             attribute.name == QLatin1String("target")
                       : false;
        };
        if (link.attributes.removeIf(isLinkAttribute) > 0)
            leftOut(Texts::tr("a element's link"));
    }

    // A browser draws the first child whose conditions it meets; it knows no extensions, and
    // a language condition is met for English.
    void keepShownChoice(SvgElement& choice) {
        choice.name = choice.qualifiedName = QStringLiteral("g");
        const auto isShown = [](const SvgElement& child) {
            if (child.attribute(QStringLiteral("requiredExtensions")))
                return false;
            const SvgAttribute* language = child.attribute(QStringLiteral("systemLanguage"));
            return !language ||
                   language->value.split(u',').contains(QStringLiteral("en"),
                                                        Qt::CaseInsensitive) ||
                   language->value.contains(QRegularExpression(QStringLiteral("(^|,)\\s*en-")));
        };
        auto& children = choice.children;
        const auto shown = std::find_if(children.begin(), children.end(),
                                        [&](const auto& child) { return isShown(*child); });
        std::unique_ptr<SvgElement> kept;
        for (auto it = children.begin(); it != children.end(); ++it) {
            if (it == shown)
                kept = std::move(*it);
            else if (!(*it)->inSvgNamespace || (*it)->name != QLatin1String("style"))
                leftOut(Texts::tr("%1 element").arg((*it)->qualifiedName));
        }
        children.clear();
        if (kept)
            children.push_back(std::move(kept));
    }

    // Browsers find an id's first element; the later ones lose theirs, so that every count
    // below follows the same element as a browser.
    void collectIds(SvgElement& element) {
        for (auto it = element.attributes.begin(); it != element.attributes.end();) {
            if (it->name != QLatin1String("id") || !it->namespaceUri.isEmpty()) {
                ++it;
                continue;
            }
            if (!isNameableId(it->value)) {
                leftOut(Texts::tr("id value a reference cannot name"));
            } else if (m_byId.contains(it->value)) {
                leftOut(Texts::tr("repeated id"));
            } else {
                m_byId.insert(it->value, &element);
                ++it;
                continue;
            }
            it = element.attributes.erase(it);
        }
        for (const auto& child : element.children)
            collectIds(*child);
    }

    // The element's attributes as they are written: allowed ones with safe values, the style
    // sheet's declarations and the style attribute's in one style attribute, links and
    // references resolved.
    void resolve(SvgElement& element,
                 const QHash<const SvgElement*, svgcss::StyleSheet::Matched>& matched, bool root) {
        QList<SvgAttribute> kept;
        QList<Declaration> inlineStyle;
        qsizetype stylePosition = -1;
        qsizetype linkPosition = -1;
        QString link;
        bool plainLink = false;
        for (const SvgAttribute& attribute : std::as_const(element.attributes)) {
            const bool isLink =
                attribute.name == QLatin1String("href") &&
                (attribute.namespaceUri.isEmpty() || attribute.namespaceUri == kXlinkNamespace);
            if (isLink && followsHref(element.name)) {
                // A browser of today reads href before xlink:href.
                if (!plainLink) {
                    link = attribute.value;
                    plainLink = attribute.namespaceUri.isEmpty();
                }
                if (linkPosition < 0)
                    linkPosition = kept.size();
                continue;
            }
            if (!attribute.namespaceUri.isEmpty() ||
                (!isAllowedAttribute(attribute.name) && attribute.name != QLatin1String("class") &&
                 attribute.name != QLatin1String("style"))) {
                leftOut(Texts::tr("%1 attribute").arg(attribute.qualifiedName));
                continue;
            }
            if (attribute.name == QLatin1String("class"))
                continue; // the style sheet has been applied
            if (attribute.name == QLatin1String("style")) {
                QStringList left;
                inlineStyle =
                    svgcss::paintingDeclarations(svgcss::parseDeclarations(attribute.value), left);
                for (const QString& what : left)
                    leftOut(what);
                stylePosition = kept.size();
                continue;
            }
            if (!svgcss::isSafeValue(attribute.value)) {
                leftOut(attribute.name + Texts::tr(" value reaching outside the file"));
                continue;
            }
            kept.append(attribute);
        }

        // The cascade: the sheet, the style attribute, the sheet's !important, the style
        // attribute's; a later declaration of a property replaces an earlier one in its place.
        QList<Declaration> style;
        const auto add = [&](const QList<Declaration>& declarations, bool important) {
            for (const Declaration& declaration : declarations) {
                if (declaration.important != important)
                    continue;
                const auto same =
                    std::find_if(style.begin(), style.end(), [&](const Declaration& d) {
                        return d.property == declaration.property;
                    });
                if (same == style.end())
                    style.append(declaration);
                else
                    same->value = declaration.value;
            }
        };
        const svgcss::StyleSheet::Matched fromSheet = matched.value(&element);
        add(fromSheet.normal, false);
        add(inlineStyle, false);
        add(fromSheet.important, true);
        add(inlineStyle, true);
        for (Declaration& declaration : style)
            declaration.important = false;

        // A property set in the style needs no presentation attribute, which it would beat.
        kept.removeIf([&](const SvgAttribute& attribute) {
            return std::any_of(style.cbegin(), style.cend(), [&](const Declaration& declaration) {
                return declaration.property == attribute.name;
            });
        });
        for (SvgAttribute& attribute : kept)
            attribute.value =
                followed(attribute.name, resolvedReferences(attribute.name, attribute.value));
        kept.removeIf([](const SvgAttribute& attribute) { return attribute.value.isNull(); });
        for (Declaration& declaration : style)
            declaration.value = followed(
                declaration.property, resolvedReferences(declaration.property, declaration.value));
        style.removeIf([](const Declaration& declaration) { return declaration.value.isNull(); });

        if (!style.isEmpty()) {
            const SvgAttribute written{QStringLiteral("style"),
                                       QStringLiteral("style"),
                                       {},
                                       svgcss::writtenDeclarations(style)};
            kept.insert(stylePosition < 0 ? kept.size() : std::min(stylePosition, kept.size()),
                        written);
        }
        if (linkPosition >= 0) {
            const QString target = svgcss::parsedUrl(link);
            if (!target.startsWith(u'#') || target.size() < 2)
                leftOut(Texts::tr("link outside the file"));
            else if (!m_byId.contains(target.mid(1)))
                leftOut(Texts::tr("link to a missing element"));
            else
                kept.insert(std::min(linkPosition, kept.size()),
                            SvgAttribute{QStringLiteral("href"), QStringLiteral("xlink:href"),
                                         kXlinkNamespace, target});
        }
        // An icon without a fill of its own is drawn black: that black follows the text too.
        const auto fills = [](const SvgAttribute& attribute) {
            if (attribute.name == QLatin1String("fill"))
                return true;
            if (attribute.name != QLatin1String("style"))
                return false;
            const QList<Declaration> declarations = svgcss::parseDeclarations(attribute.value);
            return std::any_of(
                declarations.cbegin(), declarations.cend(),
                [](const Declaration& d) { return d.property == QLatin1String("fill"); });
        };
        if (root && m_follow && std::none_of(kept.cbegin(), kept.cend(), fills))
            kept.append({QStringLiteral("fill"),
                         QStringLiteral("fill"),
                         {},
                         QStringLiteral("currentColor")});
        element.attributes = kept;
        for (const auto& child : element.children)
            resolve(*child, matched, false);
    }

    // The value with each url(#id) written as a browser reads it. A paint naming no element
    // falls back as a browser's does; any other property naming none is left out (null).
    QString resolvedReferences(const QString& property, const QString& value) {
        const QStringList targets = svgcss::urlTargets(value);
        if (targets.isEmpty())
            return value;
        const bool missing = std::any_of(targets.cbegin(), targets.cend(),
                                         [&](const QString& id) { return !m_byId.contains(id); });
        if (!missing)
            return svgcss::withUrlTargets(value, [](const QString& id) { return id; });
        leftOut(Texts::tr("reference to a missing element"));
        if (property == QLatin1String("fill") || property == QLatin1String("stroke"))
            return svgcss::fallbackAfterUrl(value);
        return {};
    }

    QString followed(const QString& property, const QString& value) const {
        if (m_follow && !value.isNull() &&
            (property == QLatin1String("fill") || property == QLatin1String("stroke")) &&
            svgcss::isBlack(value))
            return QStringLiteral("currentColor");
        return value;
    }

    // What the icon draws once every reference is followed as a browser follows it: a use
    // draws its target again, a clip path or mask draws its content for each element that
    // names it, a gradient takes what it names. Small files can so draw billions of shapes.
    QString referenceProblem(const SvgElement& root) {
        constexpr qint64 kLimit = kMostSvgElements;
        QHash<const SvgElement*, qint64> drawn;
        QSet<const SvgElement*> following;
        QString problem;
        const std::function<qint64(const SvgElement&, int)> count = [&](const SvgElement& element,
                                                                        int hops) -> qint64 {
            if (const auto known = drawn.constFind(&element); known != drawn.cend())
                return *known;
            if (following.contains(&element)) {
                problem = Texts::tr("its elements refer to each other in a circle");
                return kLimit + 1;
            }
            if (hops > kDeepestSvgNesting) {
                problem =
                    Texts::tr("its references nest more than %1 deep").arg(kDeepestSvgNesting);
                return kLimit + 1;
            }
            following.insert(&element);
            qint64 total = 1;
            for (const auto& child : element.children) {
                if (total > kLimit || !problem.isEmpty())
                    break;
                total += count(*child, hops);
            }
            for (const QString& target : references(element)) {
                if (total > kLimit || !problem.isEmpty())
                    break;
                if (const SvgElement* named = m_byId.value(target))
                    total += count(*named, hops + 1);
            }
            following.remove(&element);
            total = std::min(total, kLimit + 1);
            drawn.insert(&element, total);
            return total;
        };
        if (count(root, 0) > kLimit && problem.isEmpty())
            problem = Texts::tr("its references would draw more than %1 elements").arg(kLimit);
        return problem;
    }

    static QStringList references(const SvgElement& element) {
        QStringList targets;
        for (const SvgAttribute& attribute : element.attributes) {
            if (attribute.name == QLatin1String("href"))
                targets.append(attribute.value.mid(1));
            else
                targets += svgcss::urlTargets(attribute.value);
        }
        return targets;
    }

    QByteArray written(const SvgElement& root) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QXmlStreamWriter writer(&buffer);
        writer.writeDefaultNamespace(kSvgNamespace);
        writer.writeNamespace(kXlinkNamespace, QStringLiteral("xlink"));
        write(writer, root);
        writer.writeEndDocument();
        return buffer.data();
    }

    void write(QXmlStreamWriter& writer, const SvgElement& element) {
        writer.writeStartElement(kSvgNamespace, element.name);
        for (const SvgAttribute& attribute : element.attributes) {
            if (attribute.namespaceUri.isEmpty())
                writer.writeAttribute(attribute.name, attribute.value);
            else
                writer.writeAttribute(attribute.namespaceUri, attribute.name, attribute.value);
        }
        if (element.name == QLatin1String("title") || element.name == QLatin1String("desc"))
            writer.writeCharacters(element.text);
        for (const auto& child : element.children)
            write(writer, *child);
        writer.writeEndElement();
    }

    void leftOut(const QString& what) {
        if (m_removedNames.contains(what))
            return;
        m_removedNames.insert(what);
        // A file with thousands of kinds of editor attributes is named by its first few.
        if (m_removed.size() < kLongestRemovedList)
            m_removed.append(what);
        else if (m_removed.size() == kLongestRemovedList)
            m_removed.append(QStringLiteral("more"));
    }

    const bool m_follow;
    QHash<QString, const SvgElement*> m_byId;
    static constexpr qsizetype kLongestRemovedList = 12;
    QStringList m_removed;
    QSet<QString> m_removedNames;
};

} // namespace

std::variant<CleanSvg, QString> cleanSvgIcon(const QByteArray& bytes, bool followTextColour) {
    return Cleaner(followTextColour).run(bytes);
}

QSize svgIconPageSize(const CleanSvg& icon, int tallest) {
    const auto whole = [](double px) { return std::max(1, int(std::lround(px))); };
    if (!icon.size.isEmpty())
        return {whole(icon.size.width()), whole(icon.size.height())};
    tallest = std::max(1, tallest);
    if (icon.viewBox.isEmpty())
        return {tallest, tallest};
    const double scale = std::min(1.0, tallest / icon.viewBox.height());
    return {whole(icon.viewBox.width() * scale), whole(icon.viewBox.height() * scale)};
}

} // namespace brindle
