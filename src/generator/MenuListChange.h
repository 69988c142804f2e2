#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace brindle {

// One item of a menu list after a change, as the page that shows the list before it can get
// there: an old item that stays where it is, an old item that moves here, or new markup.
struct ListStep {
    enum class Kind { Stays, Moves, New };
    Kind kind = Kind::New;
    qsizetype oldIndex = -1; // for Stays and Moves
    QString markup;          // for New

    bool operator==(const ListStep&) const = default;
};

// The change from the list content `shown` (the markup inside a menu's list, each top-level
// item on a line of its own after one tab) to `now`, item by item. Equal items are matched in
// their order; as many old items as can stay in place do, so a rename rewrites one item and a
// move moves one. Nothing when either list has no items or its items are not laid out so.
struct ListChange {
    qsizetype itemsBefore = 0;
    QList<ListStep> steps; // one per item of `now`, in order
};
std::optional<ListChange> menuListChange(const QString& shown, const QString& now);

} // namespace brindle
