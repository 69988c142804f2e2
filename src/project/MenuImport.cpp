#include "project/MenuImport.h"

#include "model/Node.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <functional>
#include <vector>

namespace brindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(MenuImport)
};

// A link a browser would run as a script (or show as a page of its own) instead of opening:
// read as a URL parser reads it, with leading controls and spaces, tabs and line breaks
// ignored.
bool isScriptLink(QString link) {
    static const QRegularExpression ignored(QStringLiteral("[\\t\\n\\r]"));
    link.remove(ignored);
    qsizetype start = 0;
    while (start < link.size() && link.at(start).unicode() <= 0x20)
        ++start;
    const QString scheme = link.mid(start, 11).toLower();
    return scheme.startsWith(QLatin1String("javascript:")) ||
           scheme.startsWith(QLatin1String("vbscript:")) ||
           scheme.startsWith(QLatin1String("data:"));
}

struct Fitting {
    int deeper = 0;
    int untitled = 0;
    int scriptLinks = 0;
};

void clean(ImportedItem& item, Fitting& fitting) {
    item.title = foldedWhiteSpace(item.title);
    item.link = item.link.trimmed();
    if (isScriptLink(item.link)) {
        item.link.clear();
        ++fitting.scriptLinks;
    }
}

// Every item below, in reading order, as one flat list.
void flattenInto(QList<ImportedItem>& items, QList<ImportedItem>& flat, Fitting& fitting) {
    for (ImportedItem& item : items) {
        QList<ImportedItem> below = std::move(item.children);
        item.children.clear();
        ++fitting.deeper;
        flat.append(std::move(item));
        flattenInto(below, flat, fitting);
    }
}

// Items at `level` (1: the bar): titled, without script links, no deeper than the menu goes.
// An untitled item leaves its sub-items in its place.
QList<ImportedItem> fitted(QList<ImportedItem> items, int level, Fitting& fitting) {
    QList<ImportedItem> result;
    for (ImportedItem& item : items) {
        QList<ImportedItem> here;
        if (level >= kDeepestMenuLevel) {
            QList<ImportedItem> below = std::move(item.children);
            item.children.clear();
            here.append(std::move(item));
            flattenInto(below, here, fitting);
        } else {
            item.children = fitted(std::move(item.children), level + 1, fitting);
            here.append(std::move(item));
        }
        for (ImportedItem& taken : here) {
            clean(taken, fitting);
            if (!taken.title.isEmpty()) {
                result.append(std::move(taken));
            } else {
                ++fitting.untitled;
                result.append(std::move(taken.children));
            }
        }
    }
    return result;
}

qsizetype itemCount(const QList<ImportedItem>& items) {
    qsizetype count = items.size();
    for (const ImportedItem& item : items)
        count += itemCount(item.children);
    return count;
}

// An outline line's own text: "- [Title](link)" gives both, anything else is a title.
ImportedItem outlineItem(QString text) {
    static const QRegularExpression bullet(QStringLiteral("^([-*+]|\\d{1,9}[.)])\\s+"));
    static const QRegularExpression link(
        QStringLiteral("^\\[((?:[^\\]\\\\]|\\\\.)*)\\]\\(\\s*<?((?:[^\\s()<>]|\\([^\\s()]*\\))*)>?"
                       "(?:\\s+\"[^\"]*\")?\\s*\\)$"));
    static const QRegularExpression escaped(QStringLiteral("\\\\([!-/:-@\\[-`{-~])"));
    text.remove(bullet);
    text = text.trimmed();
    ImportedItem item;
    if (const auto match = link.match(text); match.hasMatch()) {
        item.title = match.captured(1);
        item.link = match.captured(2);
    } else {
        item.title = text;
    }
    item.title.replace(escaped, QStringLiteral("\\1"));
    return item;
}

} // namespace

QString foldedWhiteSpace(const QString& text) {
    return text.simplified();
}

MenuSourceKind menuSourceKind(const QString& fileName, const QByteArray& bytes) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"xml")
        return MenuSourceKind::Sitemap;
    if (suffix == u"html" || suffix == u"htm" || suffix == u"xhtml")
        return MenuSourceKind::Html;
    if (suffix == u"md" || suffix == u"markdown" || suffix == u"txt")
        return MenuSourceKind::Outline;
    const QByteArray start = bytes.left(1024).trimmed();
    if (start.startsWith("<?xml") || start.contains("<urlset"))
        return MenuSourceKind::Sitemap;
    if (start.startsWith('<') || start.startsWith("\xEF\xBB\xBF<"))
        return MenuSourceKind::Html;
    return MenuSourceKind::Outline;
}

MenuImport readOutlineMenu(const QByteArray& bytes) {
    // A line's indentation in columns, a tab reaching the next multiple of four.
    struct Line {
        int indent = 0;
        ImportedItem item;
        std::vector<size_t> children;
    };
    std::vector<Line> lines;
    std::vector<size_t> topLevel;
    std::vector<size_t> open; // the lines a deeper line may belong to, outermost first
    const QString text = QString::fromUtf8(bytes);
    for (QStringView raw : QStringView(text).split(u'\n')) {
        int indent = 0;
        qsizetype at = 0;
        for (; at < raw.size() && (raw[at] == u' ' || raw[at] == u'\t'); ++at)
            indent = raw[at] == u'\t' ? (indent / 4 + 1) * 4 : indent + 1;
        const QString content = raw.mid(at).toString().trimmed();
        // Blank lines and Markdown headings hold no item.
        if (content.isEmpty() || content.startsWith(u'#'))
            continue;
        while (!open.empty() && lines[open.back()].indent >= indent)
            open.pop_back();
        lines.push_back({indent, outlineItem(content), {}});
        (open.empty() ? topLevel : lines[open.back()].children).push_back(lines.size() - 1);
        open.push_back(lines.size() - 1);
    }
    const std::function<QList<ImportedItem>(const std::vector<size_t>&)> itemsOf =
        [&](const std::vector<size_t>& indices) {
            QList<ImportedItem> items;
            for (const size_t index : indices) {
                items.append(lines[index].item);
                items.last().children = itemsOf(lines[index].children);
            }
            return items;
        };
    MenuImport result;
    result.items = itemsOf(topLevel);
    return result;
}

MenuImport importMenu(const QString& fileName, const QByteArray& bytes) {
    if (bytes.size() > kLargestMenuSourceBytes)
        return MenuImport::refused(
            Texts::tr("The file is larger than %1 MB.").arg(kLargestMenuSourceBytes >> 20));
    MenuImport read;
    switch (menuSourceKind(fileName, bytes)) {
    case MenuSourceKind::Html:
        read = readHtmlMenu(bytes);
        break;
    case MenuSourceKind::Sitemap:
        read = readSitemapMenu(bytes);
        break;
    case MenuSourceKind::Outline:
        read = readOutlineMenu(bytes);
        break;
    }
    if (!read)
        return read;
    Fitting fitting;
    read.items = fitted(std::move(read.items), 1, fitting);
    if (read.items.isEmpty())
        return MenuImport::refused(Texts::tr("No menu items were found in the file."));
    if (const qsizetype count = itemCount(read.items); count > kMostImportedItems)
        return MenuImport::refused(Texts::tr("The menu has %1 items; a menu holds at most %2.")
                                       .arg(count)
                                       .arg(kMostImportedItems));
    if (fitting.deeper)
        read.notTaken << Texts::tr("Items deeper than %1 levels, placed in level %1: %2")
                             .arg(kDeepestMenuLevel)
                             .arg(fitting.deeper);
    if (fitting.untitled)
        read.notTaken << Texts::tr("Items without a title, left out: %1").arg(fitting.untitled);
    if (fitting.scriptLinks)
        read.notTaken << Texts::tr("Script links, left out (their items kept without a link): %1")
                             .arg(fitting.scriptLinks);
    return read;
}

MenuImport importMenuFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return MenuImport::refused(
            Texts::tr("The file cannot be read: %1").arg(file.errorString()));
    if (file.size() > kLargestMenuSourceBytes)
        return MenuImport::refused(
            Texts::tr("The file is larger than %1 MB.").arg(kLargestMenuSourceBytes >> 20));
    const QByteArray bytes = file.read(kLargestMenuSourceBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return MenuImport::refused(
            Texts::tr("The file cannot be read: %1").arg(file.errorString()));
    return importMenu(path, bytes);
}

std::unique_ptr<Node> menuTreeOf(const QList<ImportedItem>& items) {
    auto root = std::make_unique<Node>();
    int number = 0;
    const std::function<void(Node&, const QList<ImportedItem>&)> add =
        [&](Node& parent, const QList<ImportedItem>& children) {
            for (const ImportedItem& item : children) {
                Node* node = parent.appendChild(
                    Node::make(item.title, QStringLiteral("icon%1").arg(++number)));
                node->setParent(&parent);
                node->setLink(item.link);
                node->setIsGroup(!item.children.isEmpty());
                add(*node, item.children);
            }
        };
    add(*root, items);
    return root;
}

} // namespace brindle
