#include "project/MenuImport.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QUrl>
#include <QXmlStreamReader>

#include <memory>
#include <vector>

namespace brindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(MenuImport)
};

// "laptops-and-tablets" reads "Laptops and Tablets": words capitalised, the small ones
// inside a title left small.
QString titleOfSegment(QString segment) {
    static const QRegularExpression extension(QStringLiteral("\\.(html?|php|aspx?|jsp)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression separators(QStringLiteral("[-_+\\s]+"));
    static const QStringList small = {
        QStringLiteral("a"),  QStringLiteral("an"),  QStringLiteral("and"), QStringLiteral("as"),
        QStringLiteral("at"), QStringLiteral("but"), QStringLiteral("by"),  QStringLiteral("for"),
        QStringLiteral("in"), QStringLiteral("nor"), QStringLiteral("of"),  QStringLiteral("on"),
        QStringLiteral("or"), QStringLiteral("the"), QStringLiteral("to"),  QStringLiteral("with")};
    segment.remove(extension);
    QStringList words = segment.split(separators, Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < words.size(); ++i) {
        QString& word = words[i];
        if (i > 0 && small.contains(word))
            continue;
        word[0] = word.at(0).toUpper();
    }
    return words.join(QLatin1Char(' '));
}

// A page's address without its "index.html": the folder it stands for.
QStringList segmentsOf(const QUrl& url) {
    static const QRegularExpression indexPage(QStringLiteral("^index\\.(html?|php|aspx?|jsp)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    QStringList segments = url.path(QUrl::FullyDecoded).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (!segments.isEmpty() && indexPage.match(segments.last()).hasMatch())
        segments.removeLast();
    return segments;
}

// The item of each path, made on the way when a parent path is not listed itself.
class PathTree {
public:
    ImportedItem& itemFor(const QStringList& segments) {
        Branch* branch = &m_root;
        for (const QString& segment : segments) {
            Branch*& child = branch->bySegment[segment];
            if (!child) {
                branch->children.push_back(std::make_unique<Branch>());
                child = branch->children.back().get();
                child->item.title = titleOfSegment(segment);
            }
            branch = child;
        }
        return branch->item;
    }
    QList<ImportedItem> items() const { return itemsOf(m_root); }

private:
    struct Branch {
        ImportedItem item;
        std::vector<std::unique_ptr<Branch>> children; // in the order first listed
        QHash<QString, Branch*> bySegment;
    };
    static QList<ImportedItem> itemsOf(const Branch& branch) {
        QList<ImportedItem> items;
        for (const auto& child : branch.children) {
            items.append(child->item);
            items.last().children = itemsOf(*child);
        }
        return items;
    }
    Branch m_root;
};

} // namespace

MenuImport readSitemapMenu(const QByteArray& bytes) {
    QXmlStreamReader xml(bytes);
    QList<QUrl> addresses;
    int notWeb = 0;
    bool sawRoot = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (!sawRoot) {
            sawRoot = true;
            if (xml.name() == u"sitemapindex")
                return MenuImport::refused(
                    Texts::tr("The file is a sitemap index: import one of the sitemaps it lists."));
            if (xml.name() != u"urlset")
                return MenuImport::refused(
                    Texts::tr("The file is not a sitemap (a urlset of sitemaps.org)."));
            continue;
        }
        if (xml.name() != u"loc")
            continue;
        const QUrl url(xml.readElementText().trimmed(), QUrl::StrictMode);
        if (url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https") &&
            !url.host().isEmpty())
            addresses.append(url);
        else
            ++notWeb;
    }
    if (xml.hasError())
        return MenuImport::refused(Texts::tr("The sitemap cannot be read: %1 (line %2).")
                                       .arg(xml.errorString())
                                       .arg(xml.lineNumber()));
    if (!sawRoot)
        return MenuImport::refused(
            Texts::tr("The file is not a sitemap (a urlset of sitemaps.org)."));

    bool oneSite = true;
    for (const QUrl& url : std::as_const(addresses))
        oneSite =
            oneSite && url.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment) ==
                           addresses.first().adjusted(QUrl::RemovePath | QUrl::RemoveQuery |
                                                      QUrl::RemoveFragment);
    MenuImport result;
    PathTree tree;
    ImportedItem home;
    int twice = 0;
    for (const QUrl& url : std::as_const(addresses)) {
        const QString link =
            oneSite ? url.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::FullyEncoded)
                    : url.toString(QUrl::FullyEncoded);
        const QStringList segments = segmentsOf(url);
        if (segments.isEmpty()) {
            // The site's home page leads the menu.
            if (!home.link.isEmpty()) {
                ++twice;
                continue;
            }
            home = {Texts::tr("Home"), link.isEmpty() ? QStringLiteral("/") : link, {}};
            continue;
        }
        ImportedItem& item = tree.itemFor(segments);
        if (!item.link.isEmpty())
            ++twice;
        else
            item.link = link;
    }
    result.items = tree.items();
    if (!home.link.isEmpty())
        result.items.prepend(home);
    if (twice)
        result.notTaken << Texts::tr("Addresses listed twice, taken once: %1").arg(twice);
    if (notWeb)
        result.notTaken
            << Texts::tr("Entries that are not web addresses, left out: %1").arg(notWeb);
    if (result.items.isEmpty())
        return MenuImport::refused(Texts::tr("The sitemap lists no web addresses."));
    return result;
}

} // namespace brindle
