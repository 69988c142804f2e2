#include "generator/InlineSvg.h"

#include "model/SvgCleaner.h"
#include "model/SvgCss.h"

#include <QBuffer>
#include <QCache>
#include <QMutex>
#include <QRegularExpression>
#include <QTransform>
#include <QXmlStreamWriter>

#include <algorithm>

namespace brindle {

namespace {

using svgcss::Declaration;

// The user space of the root's viewBox mapped onto a `size` box, as preserveAspectRatio says.
QTransform viewBoxToBox(const SvgElement& root, QSize size) {
    const QStringList box =
        root.value(QStringLiteral("viewBox"))
            .split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    bool ok[4] = {};
    const double x = box.value(0).toDouble(&ok[0]);
    const double y = box.value(1).toDouble(&ok[1]);
    const double width = box.value(2).toDouble(&ok[2]);
    const double height = box.value(3).toDouble(&ok[3]);
    if (box.size() != 4 || !std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }) ||
        width <= 0 || height <= 0)
        return {};
    const QString aspect = root.value(QStringLiteral("preserveAspectRatio")).simplified();
    double sx = size.width() / width;
    double sy = size.height() / height;
    if (!aspect.startsWith(QLatin1String("none"))) {
        const bool slice = aspect.endsWith(QLatin1String("slice"));
        sx = sy = slice ? std::max(sx, sy) : std::min(sx, sy);
    }
    const auto align = [&](QLatin1String min, QLatin1String max, double room) {
        return aspect.contains(min) ? 0.0 : aspect.contains(max) ? room : room / 2;
    };
    const double dx =
        aspect.startsWith(QLatin1String("none"))
            ? 0
            : align(QLatin1String("xMin"), QLatin1String("xMax"), size.width() - width * sx);
    const double dy =
        aspect.startsWith(QLatin1String("none"))
            ? 0
            : align(QLatin1String("YMin"), QLatin1String("YMax"), size.height() - height * sy);
    return QTransform(sx, 0, 0, sy, dx - x * sx, dy - y * sy);
}

QString matrix(const QTransform& t) {
    const auto n = [](double value) { return QString::number(value == 0 ? 0.0 : value, 'g', 8); };
    return QStringLiteral("matrix(%1 %2 %3 %4 %5 %6)")
        .arg(n(t.m11()), n(t.m12()), n(t.m21()), n(t.m22()), n(t.dx()), n(t.dy()));
}

class InlineWriter {
public:
    InlineWriter(bool follow, QString idPrefix, QSize size)
        : m_follow(follow), m_prefix(std::move(idPrefix)), m_size(size) {
        m_buffer.open(QIODevice::WriteOnly);
        m_writer.setDevice(&m_buffer);
    }

    QString written(const SvgElement& root) {
        m_writer.writeDefaultNamespace(kSvgNamespace);
        m_writer.writeStartElement(kSvgNamespace, QStringLiteral("svg"));
        writeAttributes(root, true);
        // A transform of the root turns the icon about its box's middle; inside the page it
        // turns within the box, clipped by it, as it does in a picture.
        const QString transform = root.value(QStringLiteral("transform"));
        if (!transform.isEmpty()) {
            const QTransform toBox = viewBoxToBox(root, m_size);
            const double middleX = m_size.width() / 2.0;
            const double middleY = m_size.height() / 2.0;
            m_writer.writeStartElement(kSvgNamespace, QStringLiteral("g"));
            m_writer.writeAttribute(
                QStringLiteral("transform"),
                matrix(toBox.inverted()) +
                    QStringLiteral(" translate(%1 %2) ").arg(middleX).arg(middleY) + transform +
                    QStringLiteral(" translate(%1 %2) ").arg(-middleX).arg(-middleY) +
                    matrix(toBox));
        }
        for (const auto& child : root.children)
            write(*child);
        if (!transform.isEmpty())
            m_writer.writeEndElement();
        m_writer.writeEndElement();
        return QString::fromUtf8(m_buffer.data()).trimmed();
    }

private:
    void write(const SvgElement& element) {
        if (element.name == QLatin1String("title") || element.name == QLatin1String("desc"))
            return; // a tooltip over the link
        m_writer.writeStartElement(kSvgNamespace, element.name);
        writeAttributes(element, false);
        for (const auto& child : element.children)
            write(*child);
        m_writer.writeEndElement();
    }

    void writeAttributes(const SvgElement& element, bool root) {
        QList<Declaration> style;
        for (const SvgAttribute& attribute : element.attributes) {
            const QString& name = attribute.name;
            if (name == QLatin1String("style")) {
                for (const Declaration& declaration : svgcss::parseDeclarations(attribute.value))
                    setProperty(style, declaration.property, declaration.value);
            } else if (svgcss::isPaintingProperty(name)) {
                setProperty(style, name, attribute.value);
            } else if (name == QLatin1String("href")) {
                m_writer.writeAttribute(name, u'#' + m_prefix + attribute.value.mid(1));
            } else if (name == QLatin1String("id")) {
                m_writer.writeAttribute(name, m_prefix + attribute.value);
            } else if (!(root &&
                         (name == QLatin1String("width") || name == QLatin1String("height") ||
                          name == QLatin1String("x") || name == QLatin1String("y") ||
                          name == QLatin1String("transform")))) {
                m_writer.writeAttribute(name, attribute.value);
            }
        }
        if (root) {
            m_writer.writeAttribute(QStringLiteral("width"), QString::number(m_size.width()));
            m_writer.writeAttribute(QStringLiteral("height"), QString::number(m_size.height()));
            m_writer.writeAttribute(QStringLiteral("aria-hidden"), QStringLiteral("true"));
            // The icon's default fill is black, whatever the page's elements inherit.
            const bool filled = std::any_of(style.cbegin(), style.cend(), [](const Declaration& d) {
                return d.property == QLatin1String("fill");
            });
            if (!filled)
                style.append({QStringLiteral("fill"),
                              m_follow ? QStringLiteral("currentColor") : QStringLiteral("black")});
        }
        if (!style.isEmpty())
            m_writer.writeAttribute(QStringLiteral("style"), svgcss::writtenDeclarations(style));
    }

    // Presentation attributes come first and the style attribute's declarations replace them.
    void setProperty(QList<Declaration>& style, const QString& property, const QString& value) {
        QString written =
            svgcss::withUrlTargets(value, [this](const QString& id) { return m_prefix + id; });
        if (m_follow &&
            (property == QLatin1String("fill") || property == QLatin1String("stroke")) &&
            svgcss::isBlack(written))
            written = QStringLiteral("currentColor");
        const auto same = std::find_if(style.begin(), style.end(), [&](const Declaration& d) {
            return d.property == property;
        });
        if (same == style.end())
            style.append({property, written});
        else
            same->value = written;
    }

    const bool m_follow;
    const QString m_prefix;
    const QSize m_size;
    QBuffer m_buffer;
    QXmlStreamWriter m_writer;
};

} // namespace

QString inlineSvgIcon(const QByteArray& cleanText, bool followTextColour, const QString& idPrefix,
                      QSize size) {
    if (size.isEmpty())
        return {};
    // A menu is written anew at every change, with the same icons: each is written once.
    static QMutex guard;
    static QCache<QByteArray, QString> written(4 * 1024 * 1024); // characters
    const QByteArray key = QByteArray::number(followTextColour) + ' ' + idPrefix.toUtf8() + ' ' +
                           QByteArray::number(size.width()) + 'x' +
                           QByteArray::number(size.height()) + ' ' + cleanText;
    {
        const QMutexLocker locked(&guard);
        if (const QString* known = written.object(key))
            return *known;
    }
    // Cleaned again: what is put inside a page is never taken on trust.
    const auto cleaned = cleanSvgIcon(cleanText, followTextColour);
    const CleanSvg* icon = std::get_if<CleanSvg>(&cleaned);
    if (icon == nullptr)
        return {};
    auto tree = readSvgTree(icon->text);
    const SvgTree* read = std::get_if<SvgTree>(&tree);
    const QString text =
        read ? InlineWriter(followTextColour, idPrefix, size).written(*read->root) : QString();
    const QMutexLocker locked(&guard);
    written.insert(key, new QString(text), std::max<qsizetype>(1, text.size()));
    return text;
}

} // namespace brindle
