#include "project/MenuImport.h"

#include <QCoreApplication>
#include <QStringConverter>
#include <QStringDecoder>

#include <gumbo.h>
#include <memory>

namespace brindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(MenuImport)
};

using Output = std::unique_ptr<GumboOutput, void (*)(GumboOutput*)>;

const GumboVector* childrenOf(const GumboNode* node) {
    if (node->type == GUMBO_NODE_DOCUMENT)
        return &node->v.document.children;
    if (node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE)
        return &node->v.element.children;
    return nullptr;
}

template <typename Visit> void forEachChild(const GumboNode* node, Visit visit) {
    if (const GumboVector* children = childrenOf(node)) {
        for (unsigned i = 0; i < children->length; ++i)
            visit(static_cast<const GumboNode*>(children->data[i]));
    }
}

GumboTag tagOf(const GumboNode* node) {
    return node->type == GUMBO_NODE_ELEMENT ? node->v.element.tag : GUMBO_TAG_UNKNOWN;
}

bool isList(GumboTag tag) {
    return tag == GUMBO_TAG_UL || tag == GUMBO_TAG_OL || tag == GUMBO_TAG_MENU;
}

// Content a visitor never reads as a title or a link of the menu.
bool isHidden(const GumboNode* node) {
    switch (node->type == GUMBO_NODE_TEMPLATE ? GUMBO_TAG_TEMPLATE : tagOf(node)) {
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_STYLE:
    case GUMBO_TAG_TEMPLATE:
    case GUMBO_TAG_NOSCRIPT:
    case GUMBO_TAG_HEAD:
    case GUMBO_TAG_SVG:
        return true;
    default:
        return false;
    }
}

QString attribute(const GumboNode* node, const char* name) {
    if (node->type != GUMBO_NODE_ELEMENT)
        return {};
    const GumboAttribute* found = gumbo_get_attribute(&node->v.element.attributes, name);
    return found ? QString::fromUtf8(found->value) : QString();
}

void appendText(const GumboNode* node, QString& text) {
    switch (node->type) {
    case GUMBO_NODE_TEXT:
    case GUMBO_NODE_WHITESPACE:
    case GUMBO_NODE_CDATA:
        text += QString::fromUtf8(node->v.text.text);
        return;
    case GUMBO_NODE_ELEMENT:
        if (isHidden(node))
            return;
        if (tagOf(node) == GUMBO_TAG_BR)
            text += QLatin1Char(' ');
        forEachChild(node, [&text](const GumboNode* child) { appendText(child, text); });
        return;
    default:
        return;
    }
}

// The first element below `node` that `wanted` accepts, in document order, not looking into
// lists or list items (a sub-menu's links are not its owner's).
template <typename Wanted>
const GumboNode* firstOutsideLists(const GumboNode* node, Wanted wanted) {
    const GumboNode* found = nullptr;
    forEachChild(node, [&](const GumboNode* child) {
        if (found || child->type != GUMBO_NODE_ELEMENT || isHidden(child))
            return;
        if (wanted(child))
            found = child;
        else if (!isList(tagOf(child)) && tagOf(child) != GUMBO_TAG_LI)
            found = firstOutsideLists(child, wanted);
    });
    return found;
}

// What a visitor reads as the element's title: its text, else a picture's description, else
// its accessible label or tooltip.
QString titleOf(const GumboNode* node) {
    QString text;
    appendText(node, text);
    text = foldedWhiteSpace(text);
    if (text.isEmpty()) {
        const GumboNode* image =
            firstOutsideLists(node, [](const GumboNode* n) { return tagOf(n) == GUMBO_TAG_IMG; });
        if (image)
            text = foldedWhiteSpace(attribute(image, "alt"));
    }
    for (const char* name : {"aria-label", "title"}) {
        if (text.isEmpty())
            text = foldedWhiteSpace(attribute(node, name));
    }
    return text;
}

// The text of an item that has no link or button: its own words, not its sub-menu's.
QString ownText(const GumboNode* node) {
    QString text;
    forEachChild(node, [&text](const GumboNode* child) {
        if (!isList(tagOf(child)) && tagOf(child) != GUMBO_TAG_LI)
            appendText(child, text);
    });
    return foldedWhiteSpace(text);
}

int linkCount(const GumboNode* node) {
    int count = tagOf(node) == GUMBO_TAG_A && !attribute(node, "href").isNull() ? 1 : 0;
    forEachChild(node, [&count](const GumboNode* child) {
        if (!isHidden(child))
            count += linkCount(child);
    });
    return count;
}

bool ownsAList(GumboTag tag) {
    return tag == GUMBO_TAG_BUTTON || tag == GUMBO_TAG_SUMMARY;
}

// An element that holds a button or summary of its own, besides `owner`: the button owns the
// lists beside it, so the element is one item.
bool isDisclosure(const GumboNode* node, const GumboNode* owner) {
    bool found = false;
    forEachChild(node, [&](const GumboNode* child) {
        found = found || (child != owner && ownsAList(tagOf(child)));
    });
    return found;
}

void collectItems(const GumboNode* node, QList<ImportedItem>& items, const GumboNode* skip);

ImportedItem itemOf(const GumboNode* node) {
    ImportedItem item;
    const GumboNode* owner = firstOutsideLists(
        node, [](const GumboNode* n) { return tagOf(n) == GUMBO_TAG_A || ownsAList(tagOf(n)); });
    if (owner) {
        item.title = titleOf(owner);
        if (tagOf(owner) == GUMBO_TAG_A)
            item.link = attribute(owner, "href").trimmed();
    } else {
        item.title = ownText(node);
    }
    collectItems(node, item.children, owner);
    return item;
}

// The items below `node`: each list item, each link outside one, each element whose button
// owns a list.
void collectItems(const GumboNode* node, QList<ImportedItem>& items, const GumboNode* skip) {
    forEachChild(node, [&](const GumboNode* child) {
        if (child == skip || child->type != GUMBO_NODE_ELEMENT || isHidden(child))
            return;
        const GumboTag tag = tagOf(child);
        if (tag == GUMBO_TAG_LI || (tag != GUMBO_TAG_A && isDisclosure(child, skip))) {
            ImportedItem item = itemOf(child);
            // A separator or an empty list item is no item at all.
            if (!item.title.isEmpty() || !item.link.isEmpty() || !item.children.isEmpty())
                items.append(std::move(item));
        } else if (tag == GUMBO_TAG_A) {
            items.append({titleOf(child), attribute(child, "href").trimmed(), {}});
        } else {
            collectItems(child, items, skip);
        }
    });
}

const GumboNode* firstNavWithLinks(const GumboNode* node) {
    if (tagOf(node) == GUMBO_TAG_NAV && linkCount(node) > 0)
        return node;
    const GumboNode* found = nullptr;
    forEachChild(node, [&found](const GumboNode* child) {
        if (!found && !isHidden(child))
            found = firstNavWithLinks(child);
    });
    return found;
}

// The outermost list holding the most links; the first of equals.
void largestList(const GumboNode* node, const GumboNode*& best, int& bestCount) {
    if (isList(tagOf(node))) {
        const int count = linkCount(node);
        if (count > bestCount) {
            best = node;
            bestCount = count;
        }
        return;
    }
    forEachChild(node, [&](const GumboNode* child) {
        if (!isHidden(child))
            largestList(child, best, bestCount);
    });
}

// Gumbo reads UTF-8: a page in another encoding, declared or not, is converted first.
QByteArray asUtf8(const QByteArray& bytes) {
    const auto declared = QStringConverter::encodingForHtml(bytes);
    if (declared && *declared != QStringConverter::Utf8) {
        QStringDecoder decode(*declared);
        return QString(decode(bytes)).toUtf8();
    }
    QStringDecoder decodeUtf8(QStringConverter::Utf8);
    [[maybe_unused]] const QString text = decodeUtf8(bytes);
    return decodeUtf8.hasError() ? QString::fromLatin1(bytes).toUtf8() : bytes;
}

} // namespace

MenuImport readHtmlMenu(const QByteArray& bytes) {
    const QByteArray utf8 = asUtf8(bytes);
    const Output output(
        gumbo_parse_with_options(&kGumboDefaultOptions, utf8.constData(), size_t(utf8.size())),
        [](GumboOutput* parsed) { gumbo_destroy_output(&kGumboDefaultOptions, parsed); });
    if (!output)
        return MenuImport::refused(Texts::tr("The page cannot be read."));
    const GumboNode* root = firstNavWithLinks(output->document);
    if (!root) {
        int count = 0;
        largestList(output->document, root, count);
    }
    if (!root)
        return MenuImport::refused(Texts::tr("The page has no navigation and no list of links."));
    MenuImport result;
    collectItems(root, result.items, nullptr);
    return result;
}

} // namespace brindle
