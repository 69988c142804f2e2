#include "generator/Snippet.h"

#include "generator/CodeDocuments.h"
#include "generator/StyleTemplates.h"
#include "model/GlobalData.h"

namespace brindle {

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
    snippet.css = documents.cssText();
    snippet.script = documents.scriptText();
    return snippet;
}

} // namespace brindle
