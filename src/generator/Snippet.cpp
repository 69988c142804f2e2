#include "generator/Snippet.h"

#include "generator/CodeDocuments.h"
#include "generator/StyleTemplates.h"
#include "generator/TextEscaping.h"
#include "model/GlobalData.h"
#include "model/Node.h"

#include <QHash>
#include <QRegularExpression>

namespace brindle {

namespace {

// Every picture the stylesheet names, under its snippet name. One pass over the url("…")
// tokens, each matched whole: a picture already called "NAME-x.png" is never renamed twice.
QString withPictureNames(const QString& css, const QHash<QString, QString>& renamed) {
    static const QRegularExpression url(QStringLiteral(R"re(url\("((?:[^"\\]|\\.)*)"\))re"));
    QString text;
    text.reserve(css.size() + 16 * renamed.size());
    qsizetype copied = 0;
    for (QRegularExpressionMatchIterator it = url.globalMatch(css); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const auto found = renamed.constFind(match.captured(1));
        if (found == renamed.cend())
            continue;
        text += QStringView(css).mid(copied, match.capturedStart(1) - copied);
        text += found.value();
        copied = match.capturedEnd(1);
    }
    text += QStringView(css).mid(copied);
    return text;
}

void collectPictureNames(const Node& node, QStringList& names) {
    for (const QString& name : {node.imageFileName(), node.retinaImageFileName(),
                                node.hasSvgIcon() ? node.svgIcon().fileName : QString()}) {
        if (!name.isEmpty())
            names.append(name);
    }
    for (int i = 0; i < node.childCount(); ++i)
        collectPictureNames(*node.childAt(i), names);
}

} // namespace

Snippet buildSnippet(const GlobalData& data) {
    OutputOptions options = data.outputOptions();
    options.style = OutputStyle::Modern;
    CodeDocuments documents(data);
    documents.builders().setOptionsOverride(options);
    documents.insertHTML5Code();
    documents.insertCSS3Code();

    const QString& page = documents.htmlText();
    const qsizetype start = page.indexOf(QLatin1String("<nav "));
    const QLatin1String close("</nav>\n");
    const qsizetype end = page.indexOf(close, start);
    Snippet snippet;
    const QString name = writtenClassName(documents.builders().options());
    snippet.pageName = name + QStringLiteral(".html");
    snippet.stylesheetName = name + QStringLiteral(".css");
    snippet.scriptName = name + QStringLiteral(".js");
    snippet.html = QStringLiteral("<!-- The menu: put these two lines into the <head> of your "
                                  "page, and keep %1, %2\n"
                                  "     and the pictures beside it.\n"
                                  "\t<link rel=\"stylesheet\" href=\"%1\">\n"
                                  "\t<script src=\"%2\" defer></script>\n"
                                  "-->\n")
                       .arg(snippet.stylesheetName, snippet.scriptName) +
                   page.mid(start, end + close.size() - start);
    snippet.picturePrefix = name + u'-';
    // Every icon, as the stylesheet names it.
    QStringList pictures;
    collectPictureNames(*data.getMenuRootNode(), pictures);
    QHash<QString, QString> renamed;
    for (const QString& picture : std::as_const(pictures))
        renamed.insert(cssUrlOfFileName(picture), cssUrlOfFileName(snippet.pictureName(picture)));
    snippet.css = withPictureNames(documents.cssText(), renamed);
    snippet.script = documents.scriptText();
    return snippet;
}

} // namespace brindle
