#pragma once

#include "generator/CodeBuilders.h"
#include "generator/Fragment.h"
#include "generator/FragmentRegistry.h"
#include "model/OutputOptions.h"

#include <QObject>
#include <QString>

namespace brindle {

class GlobalData;

// The two generated texts, the stylesheet and the page, with the fragment registry that
// records where each generated piece stands. Each text is built once; afterwards it changes
// only by splicing one fragment at a time, and every splice is announced so that the source
// views can mirror it. Positions are UTF-16 code units, always taken from string lengths.
class CodeDocuments : public QObject {
    Q_OBJECT

public:
    explicit CodeDocuments(const GlobalData& data, QObject* parent = nullptr);

    // Builds the page text (replacing any earlier one) and records the list markup's position.
    void insertHTML5Code();
    // Builds the stylesheet text (replacing any earlier one) and records every stylesheet
    // fragment's position.
    void insertCSS3Code();

    // Both texts again, in the frame of the design's current output options (a change of
    // style, label or breakpoint changes the frame, not one fragment). Announced by
    // textsRebuilt.
    void rebuildForOutputOptions();

    const QString& cssText() const { return m_cssText; }
    // The stylesheet in parts that join to it, in cascade order: before the icon rules, the
    // icon rules, after them (a menu edit changes the middle one). Whole rules each; the
    // whole text alone while the icon rules are not placed.
    QStringList stylesheetParts() const;
    // The script the page loads ("menu.js"), or nothing when the page loads none.
    QString scriptText() const;
    // Whether the page shows SVG icons as SVG (as a file or inside it) rather than as pictures.
    bool writesSvgIcons() const;
    // Whether the stylesheet shows the arrow picture ("bottom.png") rather than drawing it.
    bool drawsArrowPicture() const;
    const QString& htmlText() const { return m_htmlText; }
    // The page text without the menu markup: what a change of the menu leaves as it is.
    QString pageFrame() const;
    // The menu list's content as the page holds it: from the end of the list's opening tag to
    // the end of its last item (what the list's innerHTML parses to).
    QString menuListContent() const;
    const QString& fragmentText(Fragment f) const { return m_registry.text(f); }
    qint64 fragmentIndex(Fragment f) const { return m_registry.index(f); }

    // Rebuilds `f` and replaces its old characters in its text with the new ones; for a
    // stylesheet fragment the later positions move by the change in length. Announces the
    // splice with cssSpliced or htmlSpliced. Before its text is built, only the builder runs.
    void spliceFragment(Fragment f);
    // Every stylesheet fragment starting strictly after `position` moves by `change`.
    void calculatePosIndex(qint64 position, qint64 change);

    CodeBuilders& builders() { return m_builders; }
    const CodeBuilders& builders() const { return m_builders; }
    qint64 currentMainMenuLineHeight() const { return m_builders.currentMainMenuLineHeight(); }
    qint64 currentSubMenuLineHeight() const { return m_builders.currentSubMenuLineHeight(); }

signals:
    void cssSpliced(qint64 position, qint64 oldLength, const QString& newText);
    void htmlSpliced(qint64 position, qint64 oldLength, const QString& newText);
    void textsRebuilt();

private:
    FragmentRegistry m_registry;
    CodeBuilders m_builders;
    QString m_cssText;
    QString m_htmlText;
    OutputOptions m_htmlOptions; // those the page text was built with
};

} // namespace brindle
