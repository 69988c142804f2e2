#include "project/ProjectReader.h"

#include "model/IconFileName.h"
#include "model/SvgCleaner.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <cmath>
#include <limits>
#include <optional>

namespace brindle {

// This file's messages, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ProjectReader)
};

namespace {

using Kind = PlistElement::Kind;

// Integers larger than this cannot come from the editor's steppers; refusing them keeps
// every later sum of a few settings far from overflowing.
constexpr qint64 kLargestInteger = std::numeric_limits<qint32>::max();
constexpr qint64 kSmallestInteger = std::numeric_limits<qint32>::min();

constexpr qsizetype kSettingsEnd = 1 + kPersistedSettingCount; // position of the item count

QString expectedKindName(Kind kind) {
    PlistElement element;
    element.kind = kind;
    return plistKindName(element);
}

// Reads the elements strictly in sequence, each with the kind the layout demands, and
// remembers the first problem.
class ElementCursor {
public:
    explicit ElementCursor(const QList<PlistElement>& elements) : m_elements(elements) {}

    qsizetype position() const { return m_position; }
    qsizetype remaining() const { return m_elements.size() - m_position; }
    const QString& error() const { return m_error; }
    bool failed() const { return !m_error.isEmpty(); }

    void fail(const QString& reason) {
        if (m_error.isEmpty())
            m_error = reason;
    }

    // The next element if it has the kind; `what` names it in the message otherwise.
    const PlistElement* take(Kind kind, const QString& what) {
        if (failed())
            return nullptr;
        if (m_position >= m_elements.size()) {
            fail(Texts::tr("the file ends early: %1 is missing").arg(what));
            return nullptr;
        }
        const PlistElement& element = m_elements.at(m_position);
        if (element.kind != kind) {
            fail(Texts::tr("element %1 (%2) should be %3 but is %4")
                     .arg(m_position)
                     .arg(what, expectedKindName(kind), plistKindName(element)));
            return nullptr;
        }
        ++m_position;
        return &element;
    }

    std::optional<QString> takeText(const QString& what) {
        const PlistElement* element = take(Kind::String, what);
        return element ? std::optional<QString>(element->text) : std::nullopt;
    }

    std::optional<bool> takeBoolean(const QString& what) {
        const PlistElement* element = take(Kind::Boolean, what);
        return element ? std::optional<bool>(element->boolean) : std::nullopt;
    }

    // An integer within the range that any setting or gap can sensibly hold.
    std::optional<qint64> takeInteger(const QString& what) {
        const PlistElement* element = take(Kind::Integer, what);
        if (!element)
            return std::nullopt;
        if (element->integer < kSmallestInteger || element->integer > kLargestInteger) {
            fail(Texts::tr("element %1 (%2) holds %3, which is out of range")
                     .arg(m_position - 1)
                     .arg(what)
                     .arg(element->integer));
            return std::nullopt;
        }
        return element->integer;
    }

    // A real; an integer is accepted in its place.
    std::optional<double> takeReal(const QString& what) {
        if (failed())
            return std::nullopt;
        if (m_position < m_elements.size() && m_elements.at(m_position).kind == Kind::Integer)
            return static_cast<double>(take(Kind::Integer, what)->integer);
        const PlistElement* element = take(Kind::Real, what);
        if (!element)
            return std::nullopt;
        if (!std::isfinite(element->real)) {
            fail(Texts::tr("element %1 (%2) is not a finite number").arg(m_position - 1).arg(what));
            return std::nullopt;
        }
        return element->real;
    }

    // A number of records that follow, each at least `minimumRecordLength` elements long.
    std::optional<qint64> takeCount(const QString& what, qsizetype minimumRecordLength) {
        const PlistElement* element = take(Kind::Integer, what);
        if (!element)
            return std::nullopt;
        const qint64 count = element->integer;
        if (count < 0) {
            fail(Texts::tr("element %1 (%2) is negative: %3")
                     .arg(m_position - 1)
                     .arg(what)
                     .arg(count));
            return std::nullopt;
        }
        if (count > remaining() / minimumRecordLength) {
            fail(Texts::tr("element %1 (%2) claims %3 items, more than the file holds")
                     .arg(m_position - 1)
                     .arg(what)
                     .arg(count));
            return std::nullopt;
        }
        return count;
    }

private:
    const QList<PlistElement>& m_elements;
    qsizetype m_position = 1; // element 0 is the version, checked before
    QString m_error;
};

struct RecordLayout {
    bool hasLink;
    bool thirdLevel;                 // each sub-item is followed by its items
    qsizetype minimumInnerLength;    // fields without icons
    qsizetype minimumSubItemLength;  // … and the count of items below, in a three-level file
    qsizetype minimumTopLevelLength; // … and the sub-item count
};

RecordLayout layoutOf(const QString& version) {
    const bool thirdLevel = version == QLatin1String(kProjectVersion32);
    const bool hasLink = thirdLevel || version == QLatin1String(kProjectVersion3) ||
                         version == QLatin1String(kProjectVersion31);
    const qsizetype fields = hasLink ? 6 : 5;
    const qsizetype subItem = thirdLevel ? fields + 1 : fields;
    return {hasLink, thirdLevel, fields, subItem, fields + 1};
}

bool readSettings(ElementCursor& cursor, ProjectDesign& design) {
    for (int i = 0; i < kPersistedSettingCount; ++i) {
        const Setting setting = static_cast<Setting>(i);
        const SettingInfo& info = settingInfo(setting);
        const QString what =
            Texts::tr("setting %1").arg(quotedForMessage(QLatin1String(info.name)));
        SettingValue& value = design.settings[static_cast<size_t>(i)];
        switch (info.kind) {
        case SettingKind::Integer:
            if (auto number = cursor.takeInteger(what))
                value = *number;
            break;
        case SettingKind::Double:
            if (auto number = cursor.takeReal(what))
                value = *number;
            break;
        case SettingKind::Boolean:
            if (auto flag = cursor.takeBoolean(what))
                value = *flag;
            break;
        case SettingKind::Colour:
            if (auto text = cursor.takeText(what))
                value = nscolorValueOfAnHexadecimal(*text);
            break;
        case SettingKind::Text:
            if (auto text = cursor.takeText(what))
                value = setting == Setting::mainMenufontFamily ? sanitizedFontFamily(*text) : *text;
            break;
        }
        if (cursor.failed())
            return false;
    }
    return true;
}

// Why a stored icon name cannot be used, or nothing. The name becomes a file on disk and a
// URL in the stylesheet, and both must be exactly the name the file holds: text that does
// not decode cleanly is refused, not mended.
QString iconFileNameProblem(const PlistElement& name) {
    if (!name.validUtf8)
        return Texts::tr("which is not valid UTF-8 text");
    if (name.text.toUtf8().size() > kLongestIconFileNameBytes)
        return Texts::tr("which is longer than a file name may be (%1 bytes)")
            .arg(kLongestIconFileNameBytes);
    if (!isSafeIconFileName(name.text))
        return Texts::tr("which is not a plain file name or is reserved for a generated file");
    return QString();
}

bool readIcon(ElementCursor& cursor, const QString& what, ProjectIcon& icon) {
    const auto present = cursor.takeBoolean(what + Texts::tr(", present"));
    if (!present)
        return false;
    icon.present = *present;
    if (!icon.present)
        return true;
    const PlistElement* fileName = cursor.take(Kind::String, what + Texts::tr(", file name"));
    if (!fileName)
        return false;
    const QString problem = iconFileNameProblem(*fileName);
    if (!problem.isEmpty()) {
        cursor.fail(Texts::tr("%1 has the file name %2, %3")
                        .arg(what, quotedForMessage(fileName->text), problem));
        return false;
    }
    const PlistElement* bytes = cursor.take(Kind::Data, what + Texts::tr(", image"));
    if (!bytes)
        return false;
    icon.fileName = fileName->text;
    icon.bytes = bytes->data;
    return true;
}

bool readItemFields(ElementCursor& cursor, const RecordLayout& layout, const QString& what,
                    ProjectItem& item) {
    const auto name = cursor.takeText(what + Texts::tr(", title"));
    const auto iconID = cursor.takeText(what + Texts::tr(", icon class"));
    std::optional<QString> link = QString(QLatin1String(""));
    if (layout.hasLink)
        link = cursor.takeText(what + Texts::tr(", link"));
    const auto gap = cursor.takeInteger(what + Texts::tr(", icon gap"));
    if (cursor.failed())
        return false;
    item.name = *name;
    item.iconID = *iconID;
    item.link = *link;
    item.paddingRight = *gap;
    return readIcon(cursor, what + Texts::tr(", icon"), item.image) &&
           readIcon(cursor, what + Texts::tr(", double-resolution icon"), item.retinaImage);
}

bool readItems(ElementCursor& cursor, const RecordLayout& layout, ProjectDesign& design) {
    const auto topLevelCount =
        cursor.takeCount(Texts::tr("number of menu items"), layout.minimumTopLevelLength);
    if (!topLevelCount)
        return false;
    for (qint64 i = 0; i < *topLevelCount; ++i) {
        const QString what = Texts::tr("menu item %1").arg(i + 1);
        ProjectItem item;
        if (!readItemFields(cursor, layout, what, item))
            return false;
        const auto subItemCount = cursor.takeCount(what + Texts::tr(", number of sub-items"),
                                                   layout.minimumSubItemLength);
        if (!subItemCount)
            return false;
        for (qint64 j = 0; j < *subItemCount; ++j) {
            ProjectItem subItem;
            const QString subWhat = Texts::tr("sub-item %1 of %2").arg(j + 1).arg(what);
            if (!readItemFields(cursor, layout, subWhat, subItem))
                return false;
            if (layout.thirdLevel) {
                const auto innerCount = cursor.takeCount(
                    subWhat + Texts::tr(", number of sub-items"), layout.minimumInnerLength);
                if (!innerCount)
                    return false;
                for (qint64 k = 0; k < *innerCount; ++k) {
                    ProjectItem innerItem;
                    if (!readItemFields(cursor, layout,
                                        Texts::tr("sub-item %1 of %2").arg(k + 1).arg(subWhat),
                                        innerItem))
                        return false;
                    subItem.children.append(std::move(innerItem));
                }
            }
            item.children.append(std::move(subItem));
        }
        design.items.append(std::move(item));
    }
    if (cursor.remaining() > 0) {
        cursor.fail(Texts::tr("the file has %1 unexpected elements after its last menu item")
                        .arg(cursor.remaining()));
        return false;
    }
    return true;
}

// One item's SVG icon from the items section. Everything is checked as a chosen file is, and
// more: the document must already be clean, since the editor writes nothing else.
QString readSvgIcon(const PlistElement& entry, const QString& what, ProjectSvgIcon& icon) {
    if (entry.kind != Kind::Dictionary)
        return Texts::tr("%1 should be a dictionary but is %2").arg(what, plistKindName(entry));
    for (const QString& key : entry.keys) {
        if (key != QLatin1String(kSvgIconKey) && key != QLatin1String(kSvgFileNameKey) &&
            key != QLatin1String(kSvgFollowsTextColourKey))
            return Texts::tr("%1 has the unknown key %2").arg(what, quotedForMessage(key));
    }
    const PlistElement* text = entry.valueForKey(QLatin1String(kSvgIconKey));
    const PlistElement* name = entry.valueForKey(QLatin1String(kSvgFileNameKey));
    const PlistElement* follows = entry.valueForKey(QLatin1String(kSvgFollowsTextColourKey));
    if (!text || text->kind != Kind::String || !text->validUtf8)
        return Texts::tr("%1 has no SVG document as UTF-8 text").arg(what);
    if (!name || name->kind != Kind::String)
        return Texts::tr("%1 has no SVG file name").arg(what);
    if (const QString problem = iconFileNameProblem(*name); !problem.isEmpty())
        return Texts::tr("%1 has the file name %2, %3")
            .arg(what, quotedForMessage(name->text), problem);
    if (!name->text.endsWith(QLatin1String(".svg")))
        return Texts::tr("%1 has the file name %2, which does not end in “.svg”")
            .arg(what, quotedForMessage(name->text));
    if (follows && follows->kind != Kind::Boolean)
        return Texts::tr("%1 says whether it follows the text colour with %2, not a boolean")
            .arg(what, plistKindName(*follows));
    const QByteArray document = text->text.toUtf8();
    const auto cleaned = cleanSvgIcon(document);
    if (const QString* reason = std::get_if<QString>(&cleaned))
        return Texts::tr("%1 cannot be used: %2").arg(what, *reason);
    const CleanSvg& clean = std::get<CleanSvg>(cleaned);
    if (!clean.removed.isEmpty())
        return Texts::tr("%1 holds what an icon must not: %2")
            .arg(what, clean.removed.join(QStringLiteral(", ")));
    icon = {true, clean.text, name->text, follows && follows->boolean};
    return {};
}

QString readItemSection(const PlistElement& options, QList<ProjectItem>& items) {
    const PlistElement* section = options.valueForKey(QLatin1String(kItemsKey));
    if (!section)
        return {};
    if (section->kind != Kind::Dictionary)
        return Texts::tr("the items section should be a dictionary but is %1")
            .arg(plistKindName(*section));
    QHash<QString, ProjectItem*> byPlace;
    for (qsizetype i = 0; i < items.size(); ++i) {
        byPlace.insert(itemPlaceKey(i), &items[i]);
        for (qsizetype j = 0; j < items.at(i).children.size(); ++j) {
            ProjectItem& subItem = items[i].children[j];
            byPlace.insert(itemPlaceKey(i, j), &subItem);
            for (qsizetype k = 0; k < subItem.children.size(); ++k)
                byPlace.insert(itemPlaceKey(i, j, k), &subItem.children[k]);
        }
    }
    for (qsizetype k = 0; k < section->keys.size(); ++k) {
        const QString& place = section->keys.at(k);
        ProjectItem* item = byPlace.value(place);
        const QString what = Texts::tr("the icon of item %1").arg(quotedForMessage(place));
        if (!item)
            return Texts::tr("the items section names %1, which the menu does not have")
                .arg(quotedForMessage(place));
        if (const QString problem =
                readSvgIcon(section->values.at(static_cast<size_t>(k)), what, item->svgIcon);
            !problem.isEmpty())
            return problem;
        // Drawn as pictures too, for pages and readers without SVG.
        if (!item->image.present || !item->retinaImage.present)
            return Texts::tr("%1 is an SVG without its two pictures").arg(what);
    }
    return {};
}

} // namespace

QString itemPlaceKey(qsizetype topLevelIndex, qsizetype subIndex, qsizetype innerIndex) {
    QString key = QString::number(topLevelIndex + 1);
    for (const qsizetype index : {subIndex, innerIndex}) {
        if (index < 0)
            break;
        key += QLatin1Char('.') + QString::number(index + 1);
    }
    return key;
}

QString quotedForMessage(const QString& text) {
    constexpr qsizetype kLongest = 80;
    QString shown = text.left(kLongest);
    for (QChar& c : shown) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QChar(0xFFFD);
    }
    if (text.size() > kLongest)
        shown += QStringLiteral("…");
    return QStringLiteral("“") + shown + QStringLiteral("”");
}

QString projectVersionOf(const PlistArrayReadResult& read) {
    if (read.status != PlistArrayReadResult::Status::Ok || read.elements.isEmpty() ||
        read.elements.first().kind != Kind::String)
        return QLatin1String(kProjectVersion1);
    return read.elements.first().text;
}

std::variant<OutputOptions, QString> readOutputOptions(const PlistElement& element) {
    if (element.kind != Kind::Dictionary)
        return Texts::tr("the last element should be a dictionary of output options but is "
                         "%1")
            .arg(plistKindName(element));
    OutputOptions options;
    // Keys this version does not know are left alone: a later version may add some.
    if (const PlistElement* style = element.valueForKey(QLatin1String(kOutputStyleKey))) {
        const auto known =
            style->kind == Kind::String ? outputStyleOfName(style->text) : std::nullopt;
        if (!known)
            return Texts::tr("the output style is not “classic” or “modern”");
        options.style = *known;
    }
    if (const PlistElement* label = element.valueForKey(QLatin1String(kNavigationLabelKey))) {
        const std::optional<QString> name =
            label->kind == Kind::String ? sanitizedNavLabel(label->text) : std::nullopt;
        if (!name)
            return Texts::tr("the navigation label is not a text that names something");
        options.navLabel = *name;
    }
    if (const PlistElement* width = element.valueForKey(QLatin1String(kPhoneBreakpointKey))) {
        if (width->kind != Kind::Integer || width->integer < OutputOptions::kSmallestBreakpoint ||
            width->integer > OutputOptions::kLargestBreakpoint)
            return Texts::tr("the phone breakpoint is not a width from %1 to %2 pixels")
                .arg(OutputOptions::kSmallestBreakpoint)
                .arg(OutputOptions::kLargestBreakpoint);
        options.breakpoint = width->integer;
    }
    if (const PlistElement* name = element.valueForKey(QLatin1String(kClassNameKey))) {
        if (name->kind != Kind::String || !isValidClassName(name->text))
            return Texts::tr("the class name is not a CSS class name of up to %1 letters, "
                             "digits, “-” and “_”")
                .arg(OutputOptions::kLongestClassName);
        options.className = name->text;
    }
    if (const PlistElement* direction = element.valueForKey(QLatin1String(kDirectionKey))) {
        const auto known =
            direction->kind == Kind::String ? menuDirectionOfName(direction->text) : std::nullopt;
        if (!known)
            return Texts::tr("the menu's direction is not “page”, “ltr” or “rtl”");
        options.direction = *known;
    }
    for (const auto& [key, look] :
         {std::pair{kCurrentPageLookKey, &options.currentPageLook},
          std::pair{kSubMenuCurrentPageLookKey, &options.subMenuCurrentPageLook}}) {
        if (const PlistElement* value = element.valueForKey(QLatin1String(key))) {
            const auto known =
                value->kind == Kind::String ? currentPageLookOfName(value->text) : std::nullopt;
            if (!known)
                return Texts::tr("the current page's look is not “active”, “hover” or “plain”");
            *look = *known;
        }
    }
    return options;
}

std::variant<ProjectDesign, QString> readProjectDesign(const QList<PlistElement>& allElements) {
    if (allElements.isEmpty() || allElements.first().kind != Kind::String)
        return Texts::tr("the file has no version, so it is not a project file");
    const QString& version = allElements.first().text;
    if (version != QLatin1String(kProjectVersion3) && version != QLatin1String(kProjectVersion2) &&
        version != QLatin1String(kProjectVersion31) && version != QLatin1String(kProjectVersion32))
        return Texts::tr("the file has the version %1, which this application cannot read")
            .arg(quotedForMessage(version));
    QList<PlistElement> elements = allElements;
    OutputOptions options;
    PlistElement optionsElement;
    if (version == QLatin1String(kProjectVersion31) ||
        version == QLatin1String(kProjectVersion32)) {
        // The options come last, so the 3.0 layout before them reads unchanged.
        optionsElement = elements.takeLast();
        auto read = readOutputOptions(optionsElement);
        if (const QString* error = std::get_if<QString>(&read))
            return *error;
        options = std::get<OutputOptions>(read);
    }
    if (elements.size() <= kSettingsEnd)
        return Texts::tr("the file ends early: it has %1 elements, too few for the settings "
                         "and the number of menu items")
            .arg(elements.size());

    ProjectDesign design;
    ElementCursor cursor(elements);
    if (!readSettings(cursor, design) || !readItems(cursor, layoutOf(version), design))
        return cursor.error();
    if (const QString problem = readItemSection(optionsElement, design.items); !problem.isEmpty())
        return problem;
    repairIconClasses(design.items);
    design.outputOptions = options;
    return design;
}

void repairIconClasses(QList<ProjectItem>& items) {
    // File order: each item, then the items below it.
    QList<ProjectItem*> ordered;
    const auto walk = [&ordered](auto& self, QList<ProjectItem>& list) -> void {
        for (ProjectItem& item : list) {
            ordered.append(&item);
            self(self, item.children);
        }
    };
    walk(walk, items);
    qint64 next = 0;
    for (const ProjectItem* item : ordered)
        next = std::max(next, iconClassNumber(item->iconID) + 1);
    QSet<QString> seen;
    for (ProjectItem* item : ordered) {
        if (iconClassNumber(item->iconID) >= 0 && !seen.contains(item->iconID)) {
            seen.insert(item->iconID);
            continue;
        }
        item->iconID = QStringLiteral("icon%1").arg(next++);
    }
}

QString sanitizedFontFamily(const QString& family) {
    QString cleaned;
    cleaned.reserve(family.size());
    for (QChar c : family) {
        const char16_t u = c.unicode();
        if (u == u';' || u == u'{' || u == u'}' || u < 0x20 || u == 0x7F)
            continue;
        cleaned.append(c);
    }
    return cleaned;
}

} // namespace brindle
