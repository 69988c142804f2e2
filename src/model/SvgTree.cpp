#include "model/SvgTree.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace brindle {

// This file's messages, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SvgTree)
};

const SvgAttribute* SvgElement::attribute(const QString& localName, const QString& ns) const {
    for (const SvgAttribute& attribute : attributes) {
        if (attribute.name == localName && attribute.namespaceUri == ns)
            return &attribute;
    }
    return nullptr;
}

QString SvgElement::value(const QString& localName) const {
    const SvgAttribute* found = attribute(localName);
    return found ? found->value : QString();
}

std::variant<SvgTree, QString> readSvgTree(const QByteArray& bytes) {
    if (bytes.size() > kLargestSvgBytes)
        return Texts::tr("it is larger than %1 KB").arg(kLargestSvgBytes / 1024);
    QXmlStreamReader reader(bytes);
    SvgTree tree;
    SvgElement* current = nullptr;
    int depth = 0;
    int elements = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            return Texts::tr("it declares a DTD or entities, which an icon never needs");
        case QXmlStreamReader::ProcessingInstruction:
            tree.hadProcessingInstructions = true;
            break;
        case QXmlStreamReader::StartElement: {
            if (++depth > kDeepestSvgNesting)
                return Texts::tr("its elements are nested more than %1 deep")
                    .arg(kDeepestSvgNesting);
            if (++elements > kMostSvgElements)
                return Texts::tr("it has more than %1 elements").arg(kMostSvgElements);
            auto element = std::make_unique<SvgElement>();
            element->name = reader.name().toString();
            element->qualifiedName = reader.qualifiedName().toString();
            element->inSvgNamespace =
                reader.namespaceUri().isEmpty() || reader.namespaceUri() == kSvgNamespace;
            for (const QXmlStreamAttribute& attribute : reader.attributes())
                element->attributes.append(
                    {attribute.name().toString(), attribute.qualifiedName().toString(),
                     attribute.namespaceUri().toString(), attribute.value().toString()});
            SvgElement* added = element.get();
            if (current == nullptr) {
                if (!element->inSvgNamespace || element->name != QLatin1String("svg"))
                    return Texts::tr("it is not an SVG image");
                tree.root = std::move(element);
            } else {
                element->parent = current;
                current->children.push_back(std::move(element));
            }
            current = added;
            break;
        }
        case QXmlStreamReader::EndElement:
            --depth;
            current = current ? current->parent : nullptr;
            break;
        case QXmlStreamReader::Characters:
            if (current != nullptr && !reader.isWhitespace())
                current->text += reader.text();
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        return Texts::tr("it is not well-formed XML (%1)").arg(reader.errorString());
    if (!tree.root)
        return Texts::tr("it is not an SVG image");
    return tree;
}

} // namespace brindle
