#include "model/SvgDocument.h"

#include <QBuffer>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace brindle {

namespace {

const QString kSvgNamespace = QStringLiteral("http://www.w3.org/2000/svg");
const QString kXlinkNamespace = QStringLiteral("http://www.w3.org/1999/xlink");

// What draws an icon: shapes, paths, groups, references within the file, gradients, clipping
// and masking, and the texts that name it.
const QSet<QString>& allowedElements() {
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
        QStringLiteral("style"),
    };
    return names;
}

// How shapes are painted, never how a box is laid out or what it loads: the presentation
// attributes, and all that a style attribute keeps.
const QSet<QString>& paintingProperties() {
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
    return names;
}

// Geometry and painting; never an event handler or a link to another file.
const QSet<QString>& allowedAttributes() {
    static const QSet<QString> names =
        QSet<QString>{
            QStringLiteral("id"),
            QStringLiteral("class"),
            QStringLiteral("style"),
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
            QStringLiteral("href"),
        }
            .unite(paintingProperties());
    return names;
}

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

// Nothing in a value may reach a script, another file or another style sheet: no control
// characters, escapes, at-rules or markup; functions only for colours, transforms and url()
// into the file (#id); quotes only inside that url().
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
    static const QRegularExpression inside(QStringLiteral("^url\\(['\"]?#[\\w.-]*['\"]?\\)"));
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
    static const QSet<QString> black = {
        QStringLiteral("#000"),         QStringLiteral("#000000"),    QStringLiteral("black"),
        QStringLiteral("currentcolor"), QStringLiteral("rgb(0,0,0)"),
    };
    return black.contains(folded(value));
}

// "fill: #000; stroke: red" with black fills and strokes made currentColor.
QString followingStyle(const QString& style) {
    QStringList declarations = style.split(u';');
    for (QString& declaration : declarations) {
        const qsizetype colon = declaration.indexOf(u':');
        if (colon < 0)
            continue;
        const QString property = declaration.left(colon).trimmed();
        if ((property == QLatin1String("fill") || property == QLatin1String("stroke")) &&
            isBlack(declaration.mid(colon + 1)))
            declaration = property + QStringLiteral(":currentColor");
    }
    return declarations.join(u';');
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

QSizeF statedSize(const QXmlStreamAttributes& attributes) {
    const QSizeF size(pixels(attributes.value(QLatin1String("width")).toString()),
                      pixels(attributes.value(QLatin1String("height")).toString()));
    return size.isEmpty() ? QSizeF() : size;
}

QSizeF viewBoxSize(const QXmlStreamAttributes& attributes) {
    const QStringList box =
        attributes.value(QLatin1String("viewBox"))
            .toString()
            .split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    if (box.size() != 4)
        return {};
    const QSizeF size(pixels(box.at(2)), pixels(box.at(3)));
    return size.isEmpty() ? QSizeF() : size;
}

// How the icon is written: as a file of its own, or inside a page's link.
struct Writing {
    bool follow = false;
    bool inlined = false;
    QString idPrefix; // inline only
    QSize size;       // inline only
};

// "#a" and "url(#a)" made to name the prefixed ids.
QString withPrefixedReferences(const QString& value, const QString& prefix) {
    static const QRegularExpression reference(QStringLiteral("(url\\(\\s*['\"]?\\s*#)"),
                                              QRegularExpression::CaseInsensitiveOption);
    QString result = value;
    return result.replace(reference, QStringLiteral("\\1") + prefix);
}

// What a cleaned icon draws once its <use> elements are followed: each draws its target
// again, and targets may hold more of them, so a small file can draw billions of shapes. Refused
// past the element limit, when uses refer to each other in a circle, or nest too deep.
QString useExpansionProblem(const QByteArray& clean) {
    struct Part {
        qint64 count = 0;
        QStringList targets; // of the <use> elements inside
    };
    QHash<QString, Part> byId;
    std::vector<std::pair<QString, Part>> open;
    Part whole;
    QXmlStreamReader reader(clean);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            Part part;
            part.count = 1;
            const QXmlStreamAttributes attributes = reader.attributes();
            if (reader.name() == QLatin1String("use")) {
                const QString href =
                    attributes.value(kXlinkNamespace, QLatin1String("href")).toString() +
                    attributes.value(QLatin1String("href")).toString();
                if (href.startsWith(u'#'))
                    part.targets.append(href.mid(1));
            }
            open.emplace_back(attributes.value(QLatin1String("id")).toString(), std::move(part));
        } else if (token == QXmlStreamReader::EndElement && !open.empty()) {
            auto [id, part] = std::move(open.back());
            open.pop_back();
            Part& outer = open.empty() ? whole : open.back().second;
            outer.count += part.count;
            outer.targets += part.targets;
            if (!id.isEmpty())
                byId.insert(id, std::move(part));
        }
    }
    constexpr qint64 kLimit = kMostSvgElements;
    QHash<QString, qint64> drawn;
    QSet<QString> following;
    QString problem;
    const std::function<qint64(const Part&, int)> total = [&](const Part& part, int depth) {
        qint64 count = part.count;
        for (const QString& target : part.targets) {
            if (count > kLimit || !problem.isEmpty())
                break;
            const auto found = byId.constFind(target);
            if (found == byId.cend())
                continue;
            if (!drawn.contains(target)) {
                if (following.contains(target) || depth >= kDeepestSvgNesting) {
                    problem = QStringLiteral("its use elements refer to each other in a circle "
                                             "or nest more than %1 deep")
                                  .arg(kDeepestSvgNesting);
                    break;
                }
                following.insert(target);
                drawn.insert(target, total(found.value(), depth + 1));
                following.remove(target);
            }
            count += drawn.value(target);
        }
        return std::min(count, kLimit + 1);
    };
    if (total(whole, 0) > kLimit && problem.isEmpty())
        problem = QStringLiteral("its use elements would draw more than %1 elements").arg(kLimit);
    return problem;
}

class Cleaner {
public:
    Cleaner(const QByteArray& bytes, Writing writing)
        : m_reader(bytes), m_writing(std::move(writing)), m_follow(m_writing.follow) {
        m_buffer.open(QIODevice::WriteOnly);
        m_writer.setDevice(&m_buffer);
    }

    std::variant<CleanSvg, QString> run() {
        while (!m_reader.atEnd()) {
            switch (m_reader.readNext()) {
            case QXmlStreamReader::DTD:
            case QXmlStreamReader::EntityReference:
                return QStringLiteral("it declares a DTD or entities, which an icon never needs");
            case QXmlStreamReader::ProcessingInstruction:
                leftOut(QStringLiteral("processing instruction"));
                break;
            case QXmlStreamReader::StartElement:
                if (const QString problem = startElement(); !problem.isEmpty())
                    return problem;
                break;
            case QXmlStreamReader::EndElement:
                endElement();
                break;
            case QXmlStreamReader::Characters:
                if (m_skipFrom == 0 && m_textElement && !m_reader.isWhitespace())
                    m_writer.writeCharacters(m_reader.text().toString());
                break;
            default:
                break;
            }
        }
        if (m_reader.hasError())
            return QStringLiteral("it is not well-formed XML (%1)").arg(m_reader.errorString());
        if (!m_rootSeen)
            return QStringLiteral("it is not an SVG image");
        m_writer.writeEndDocument();
        if (const QString problem = useExpansionProblem(m_buffer.data()); !problem.isEmpty())
            return problem;
        return CleanSvg{m_buffer.data(), m_removed, m_size, m_viewBox};
    }

private:
    QString startElement() {
        ++m_depth;
        if (m_depth > kDeepestSvgNesting)
            return QStringLiteral("its elements are nested more than %1 deep")
                .arg(kDeepestSvgNesting);
        if (++m_elements > kMostSvgElements)
            return QStringLiteral("it has more than %1 elements").arg(kMostSvgElements);
        if (m_skipFrom > 0)
            return {};
        const QString name = m_reader.name().toString();
        const QStringView ns = m_reader.namespaceUri();
        const bool svg = ns.isEmpty() || ns == kSvgNamespace;
        if (!m_rootSeen) {
            if (!svg || name != QLatin1String("svg"))
                return QStringLiteral("it is not an SVG image");
            m_rootSeen = true;
            m_size = statedSize(m_reader.attributes());
            m_viewBox = viewBoxSize(m_reader.attributes());
            m_writer.writeDefaultNamespace(kSvgNamespace);
            // Inside a page, links are written as plain href, which every browser of today
            // reads, and need no namespace.
            if (!m_writing.inlined)
                m_writer.writeNamespace(kXlinkNamespace, QStringLiteral("xlink"));
        }
        if (!svg || !allowedElements().contains(name)) {
            leftOut(m_reader.qualifiedName().toString() + QStringLiteral(" element"));
            m_skipFrom = m_depth;
            return {};
        }
        m_textElement = name == QLatin1String("title") || name == QLatin1String("desc");
        if (m_writing.inlined && (m_textElement || name == QLatin1String("style"))) {
            m_skipFrom = m_depth; // a tooltip, or a style sheet for the whole page
            m_textElement = false;
            return {};
        }
        if (name == QLatin1String("style"))
            return styleElement();
        m_writer.writeStartElement(kSvgNamespace, name);
        writeAttributes(m_depth == 1);
        return {};
    }

    // A style sheet is kept only whole and only when it reaches nothing outside the file.
    QString styleElement() {
        const QString sheet = m_reader.readElementText(QXmlStreamReader::SkipChildElements);
        --m_depth;
        if (!isSafeValue(sheet)) {
            leftOut(QStringLiteral("style element"));
            return {};
        }
        m_writer.writeStartElement(kSvgNamespace, QStringLiteral("style"));
        m_writer.writeCharacters(m_follow ? followingStyle(sheet) : sheet);
        m_writer.writeEndElement();
        return {};
    }

    // The declarations of a style attribute that paint; the others are left out by name.
    QString paintingStyle(const QString& style) {
        QStringList kept;
        for (const QString& declaration : style.split(u';', Qt::SkipEmptyParts)) {
            const QString property = declaration.section(u':', 0, 0).trimmed().toLower();
            if (paintingProperties().contains(property))
                kept.append(declaration);
            else if (!property.isEmpty())
                leftOut(QStringLiteral("%1 style property").arg(property.left(40)));
        }
        return kept.join(u';');
    }

    void writeAttributes(bool root) {
        bool fillWritten = false;
        bool linkWritten = false;
        for (const QXmlStreamAttribute& attribute : m_reader.attributes()) {
            const QString name = attribute.name().toString();
            const QStringView ns = attribute.namespaceUri();
            QString value = attribute.value().toString();
            const bool link = name == QLatin1String("href");
            if (!(ns.isEmpty() || (link && ns == kXlinkNamespace)) ||
                !allowedAttributes().contains(name)) {
                leftOut(attribute.qualifiedName().toString() + QStringLiteral(" attribute"));
                continue;
            }
            if ((link && !QRegularExpression(QStringLiteral("^#[A-Za-z_][\\w.-]*$"))
                              .match(value)
                              .hasMatch()) ||
                !isSafeValue(value)) {
                leftOut(link ? QStringLiteral("link outside the file")
                             : name + QStringLiteral(" value reaching outside the file"));
                continue;
            }
            if (m_follow && (name == QLatin1String("fill") || name == QLatin1String("stroke")) &&
                isBlack(value))
                value = QStringLiteral("currentColor");
            if (name == QLatin1String("style")) {
                value = paintingStyle(value);
                if (value.trimmed().isEmpty())
                    continue;
            }
            if (m_follow && name == QLatin1String("style"))
                value = followingStyle(value);
            if (link) {
                if (linkWritten)
                    continue; // href and xlink:href together: the first one counts
                linkWritten = true;
            }
            if (m_writing.inlined && root &&
                (name == QLatin1String("style") || name == QLatin1String("transform")))
                continue; // the page places and sizes the icon, nothing of its own
            if (m_writing.inlined) {
                if (name == QLatin1String("class") ||
                    (root && (name == QLatin1String("width") || name == QLatin1String("height"))))
                    continue; // the page's classes are not the icon's; the size is the page's
                if (name == QLatin1String("id") || link)
                    value = (link ? QStringLiteral("#") : QString()) + m_writing.idPrefix +
                            value.mid(link ? 1 : 0);
                else
                    value = withPrefixedReferences(value, m_writing.idPrefix);
            }
            fillWritten = fillWritten || name == QLatin1String("fill");
            if (link)
                m_writing.inlined ? m_writer.writeAttribute(name, value)
                                  : m_writer.writeAttribute(kXlinkNamespace, name, value);
            else
                m_writer.writeAttribute(name, value);
        }
        if (root && m_writing.inlined) {
            m_writer.writeAttribute(QStringLiteral("width"),
                                    QString::number(m_writing.size.width()));
            m_writer.writeAttribute(QStringLiteral("height"),
                                    QString::number(m_writing.size.height()));
            m_writer.writeAttribute(QStringLiteral("aria-hidden"), QStringLiteral("true"));
        }
        // An icon without a fill of its own is drawn black: that black follows the text too.
        if (root && m_follow && !fillWritten)
            m_writer.writeAttribute(QStringLiteral("fill"), QStringLiteral("currentColor"));
    }

    void endElement() {
        if (m_skipFrom > 0) {
            if (m_depth == m_skipFrom)
                m_skipFrom = 0;
        } else {
            m_writer.writeEndElement();
        }
        m_textElement = false;
        --m_depth;
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

    QXmlStreamReader m_reader;
    QBuffer m_buffer;
    QXmlStreamWriter m_writer;
    const Writing m_writing;
    const bool m_follow;
    int m_depth = 0;
    int m_elements = 0;
    int m_skipFrom = 0; // the depth of an element left out with everything in it
    bool m_rootSeen = false;
    bool m_textElement = false;
    static constexpr qsizetype kLongestRemovedList = 12;
    QStringList m_removed;
    QSet<QString> m_removedNames;
    QSizeF m_size;
    QSizeF m_viewBox;
};

} // namespace

std::variant<CleanSvg, QString> cleanSvgIcon(const QByteArray& bytes, bool followTextColour) {
    if (bytes.size() > kLargestSvgBytes)
        return QStringLiteral("it is larger than %1 KB").arg(kLargestSvgBytes / 1024);
    return Cleaner(bytes, Writing{followTextColour, false, {}, {}}).run();
}

QString inlineSvgIcon(const QByteArray& cleanText, bool followTextColour, const QString& idPrefix,
                      QSize size) {
    if (cleanText.size() > kLargestSvgBytes || size.isEmpty())
        return {};
    const auto written = Cleaner(cleanText, Writing{followTextColour, true, idPrefix, size}).run();
    const CleanSvg* icon = std::get_if<CleanSvg>(&written);
    return icon ? QString::fromUtf8(icon->text).trimmed() : QString();
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
