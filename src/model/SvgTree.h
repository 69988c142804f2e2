#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <variant>
#include <vector>

namespace brindle {

// An SVG file's elements read whole, so that what refers to what can be seen before anything
// is written. The reader refuses what an icon never needs (a DTD or entities) and stops at the
// limits, with the reason.
inline constexpr qint64 kLargestSvgBytes = 1024 * 1024; // also after a .svgz is inflated
inline constexpr int kMostSvgElements = 10000;
inline constexpr int kDeepestSvgNesting = 64;

struct SvgAttribute {
    QString name;          // local name
    QString qualifiedName; // as written: "xlink:href"
    QString namespaceUri;
    QString value;
};

struct SvgElement {
    QString name; // local name
    QString qualifiedName;
    bool inSvgNamespace = false;
    QList<SvgAttribute> attributes;
    QString text; // the characters directly inside, white space between elements left out
    std::vector<std::unique_ptr<SvgElement>> children;
    SvgElement* parent = nullptr;

    const SvgAttribute* attribute(const QString& localName, const QString& ns = {}) const;
    QString value(const QString& localName) const;
};

struct SvgTree {
    std::unique_ptr<SvgElement> root;
    bool hadProcessingInstructions = false;
};

std::variant<SvgTree, QString> readSvgTree(const QByteArray& bytes);

inline const QString kSvgNamespace = QStringLiteral("http://www.w3.org/2000/svg");
inline const QString kXlinkNamespace = QStringLiteral("http://www.w3.org/1999/xlink");

} // namespace brindle
