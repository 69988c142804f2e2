#include "generator/MenuListChange.h"

#include <QHash>
#include <QStringView>

#include <algorithm>
#include <vector>

namespace brindle {

namespace {

// Where each top-level item of a list content stands: from its "<li>", which starts a line
// after one tab (deeper items have more), to the end of its "</li>".
struct ItemBounds {
    qsizetype start;
    qsizetype end;
};

QList<ItemBounds> topLevelItems(const QString& content) {
    static const QString kItemLine = QStringLiteral("\n\t<li>");
    QList<ItemBounds> items;
    for (qsizetype at = content.indexOf(kItemLine); at >= 0;) {
        const qsizetype next = content.indexOf(kItemLine, at + 1);
        qsizetype end = next >= 0 ? next : content.size();
        while (end > at && content.at(end - 1).isSpace())
            --end;
        items.append({at + 2, end});
        at = next;
    }
    return items;
}

// Every item on a line of its own after one tab, ending in its "</li>", and nothing but a line
// break after the last: the page then holds one text node before each item and one after the
// last.
bool laidOutOneToALine(const QString& content, const QList<ItemBounds>& items) {
    qsizetype gapStart = 0;
    for (const ItemBounds& item : items) {
        if (QStringView(content).mid(gapStart, item.start - gapStart) != u"\n\t" ||
            !QStringView(content).mid(item.start, item.end - item.start).endsWith(u"</li>"))
            return false;
        gapStart = item.end;
    }
    return QStringView(content).mid(gapStart).trimmed().isEmpty();
}

// The items of the new list that keep their place, given `order` (each new item's old index,
// or -1 for a new one): the longest run of old items still in their old order.
std::vector<char> itemsInPlace(const QList<qsizetype>& order) {
    // Patience sorting: tails[k] ends the best run of length k + 1 found so far.
    QList<qsizetype> tails, before(order.size(), -1);
    for (qsizetype i = 0; i < order.size(); ++i) {
        if (order.at(i) < 0)
            continue;
        const auto at =
            std::lower_bound(tails.begin(), tails.end(), i,
                             [&](qsizetype a, qsizetype) { return order.at(a) < order.at(i); });
        if (at != tails.begin())
            before[i] = *(at - 1);
        if (at == tails.end())
            tails.append(i);
        else
            *at = i;
    }
    std::vector<char> inPlace(size_t(order.size()), 0);
    for (qsizetype i = tails.isEmpty() ? -1 : tails.last(); i >= 0; i = before.at(i))
        inPlace[size_t(i)] = 1;
    return inPlace;
}

} // namespace

std::optional<ListChange> menuListChange(const QString& shown, const QString& now) {
    const QList<ItemBounds> before = topLevelItems(shown), after = topLevelItems(now);
    if (before.isEmpty() || after.isEmpty() || !laidOutOneToALine(shown, before) ||
        !laidOutOneToALine(now, after))
        return std::nullopt;
    const auto text = [](const QString& content, const ItemBounds& item) {
        return QStringView(content).mid(item.start, item.end - item.start);
    };
    // Equal items are matched in order: the first old one to the first new one.
    QHash<QStringView, QList<qsizetype>> unmatched;
    for (qsizetype i = before.size() - 1; i >= 0; --i)
        unmatched[text(shown, before.at(i))].append(i);
    QList<qsizetype> order;
    for (const ItemBounds& item : after) {
        const auto found = unmatched.find(text(now, item));
        order.append(found == unmatched.end() || found->isEmpty() ? -1 : found->takeLast());
    }
    const std::vector<char> inPlace = itemsInPlace(order);
    ListChange change{before.size(), {}};
    for (qsizetype i = 0; i < order.size(); ++i) {
        if (order.at(i) < 0)
            change.steps.append({ListStep::Kind::New, -1, text(now, after.at(i)).toString()});
        else if (inPlace.at(size_t(i)))
            change.steps.append({ListStep::Kind::Stays, order.at(i), {}});
        else
            change.steps.append({ListStep::Kind::Moves, order.at(i), {}});
    }
    return change;
}

} // namespace brindle
