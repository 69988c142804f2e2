#include "model/SvgDocument.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>

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

// Geometry and presentation; never an event handler or a link to another file.
const QSet<QString>& allowedAttributes() {
    static const QSet<QString> names = {
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
        QStringLiteral("clipPathUnits"),
        QStringLiteral("mask"),
        QStringLiteral("maskUnits"),
        QStringLiteral("maskContentUnits"),
        QStringLiteral("offset"),
        QStringLiteral("stop-color"),
        QStringLiteral("stop-opacity"),
        QStringLiteral("gradientUnits"),
        QStringLiteral("gradientTransform"),
        QStringLiteral("spreadMethod"),
        QStringLiteral("vector-effect"),
        QStringLiteral("shape-rendering"),
        QStringLiteral("href"),
    };
    return names;
}

QString folded(const QString& value) {
    QString result;
    for (const QChar c : value) {
        if (!c.isSpace() && c.category() != QChar::Other_Control)
            result += c.toLower();
    }
    return result;
}

// Every url(…) points into the file (#id), and nothing reaches a script or another sheet.
bool isSafeValue(const QString& value) {
    const QString plain = folded(value);
    if (plain.contains(QLatin1String("javascript:")) || plain.contains(QLatin1String("@import")) ||
        plain.contains(QLatin1String("expression(")) || plain.contains(QLatin1Char('\\')) ||
        plain.contains(QLatin1String("</")))
        return false;
    qsizetype at = 0;
    while ((at = plain.indexOf(QLatin1String("url("), at)) >= 0) {
        at += 4;
        if (at < plain.size() && (plain.at(at) == u'"' || plain.at(at) == u'\''))
            ++at;
        if (at >= plain.size() || plain.at(at) != u'#')
            return false;
    }
    return true;
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
    static const QRegularExpression reference(QStringLiteral("(url\\(\\s*['\"]?#)"));
    QString result = value;
    return result.replace(reference, QStringLiteral("\\1") + prefix);
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

    void writeAttributes(bool root) {
        bool fillWritten = false;
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
            if (m_follow && name == QLatin1String("style"))
                value = followingStyle(value);
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
        if (!m_removed.contains(what))
            m_removed.append(what);
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
    QStringList m_removed;
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
