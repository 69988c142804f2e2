#include "project/ProjectWriter.h"

#include "model/GlobalData.h"
#include "model/IconFileName.h"
#include "platform/Log.h"
#include "project/ProjectDesign.h"
#include "project/ProjectReader.h"
#include "workspace/IconImage.h"

#include <QDir>
#include <QFileInfo>

namespace brindle {

namespace {

PlistElement settingElement(const GlobalData& data, Setting setting) {
    switch (settingInfo(setting).kind) {
    case SettingKind::Integer:
        return PlistElement::fromInteger(data.integerValue(setting));
    case SettingKind::Double:
        return PlistElement::fromReal(data.doubleValue(setting));
    case SettingKind::Boolean:
        return PlistElement::fromBoolean(data.booleanValue(setting));
    case SettingKind::Colour:
        return PlistElement::fromString(hexadecimalValueOfAnNSColor(data.colorValue(setting)));
    case SettingKind::Text:
        return PlistElement::fromString(data.textValue(setting));
    }
    return PlistElement::fromString(QString());
}

class RecordWriter {
public:
    RecordWriter(QList<PlistElement>& elements, const QString& previewFolder)
        : m_elements(elements), m_previewFolder(previewFolder) {}

    // True when both pictures were written (an SVG icon is kept only with them).
    bool appendItem(const Node& node) {
        m_elements.append(PlistElement::fromString(node.name()));
        m_elements.append(PlistElement::fromString(node.iconID()));
        m_elements.append(PlistElement::fromString(node.link()));
        m_elements.append(PlistElement::fromInteger(node.paddingRight()));
        const bool picture = appendIcon(node.imageFileName());
        const bool retinaPicture = appendIcon(node.retinaImageFileName());
        return picture && retinaPicture;
    }

private:
    bool appendIcon(const QString& fileName) {
        const QByteArray tiff = iconTiff(fileName);
        if (tiff.isEmpty()) {
            m_elements.append(PlistElement::fromBoolean(false));
            return false;
        }
        m_elements.append(PlistElement::fromBoolean(true));
        m_elements.append(PlistElement::fromString(fileName));
        m_elements.append(PlistElement::fromData(tiff));
        return true;
    }

    // The icon's picture from the preview folder, re-encoded as TIFF; empty when the icon
    // is left out. A name the reader would refuse is never written.
    QByteArray iconTiff(const QString& fileName) const {
        if (fileName.isEmpty() || m_previewFolder.isEmpty() || !isSafeIconFileName(fileName))
            return {};
        const QString path = QDir(m_previewFolder).filePath(fileName);
        if (!QFileInfo(path).isFile())
            return {};
        qCInfo(lcBrindle).noquote() << path;
        return encodeTiffImage(loadIconImage(path));
    }

    QList<PlistElement>& m_elements;
    const QString m_previewFolder;
};

} // namespace

namespace {

PlistElement svgIconElement(const NodeSvgIcon& icon) {
    return PlistElement::fromDictionary({QLatin1String(kSvgIconKey), QLatin1String(kSvgFileNameKey),
                                         QLatin1String(kSvgFollowsTextColourKey)},
                                        {PlistElement::fromString(QString::fromUtf8(icon.text)),
                                         PlistElement::fromString(icon.fileName),
                                         PlistElement::fromBoolean(icon.followsTextColour)});
}

// The items section: each item with an SVG icon, by place. Empty when none has one.
class ItemSection {
public:
    void add(const Node& item, const QString& place, bool picturesWritten) {
        // Without its pictures the file would be refused; the pictures alone stand then.
        if (!item.hasSvgIcon() || !picturesWritten || !isSafeIconFileName(item.svgIcon().fileName))
            return;
        m_places.append(place);
        m_entries.push_back(svgIconElement(item.svgIcon()));
    }
    bool isEmpty() const { return m_places.isEmpty(); }
    PlistElement element() const { return PlistElement::fromDictionary(m_places, m_entries); }

private:
    QStringList m_places;
    std::vector<PlistElement> m_entries;
};

} // namespace

PlistElement outputOptionsElement(const OutputOptions& options) {
    QStringList keys = {QLatin1String(kOutputStyleKey), QLatin1String(kNavigationLabelKey),
                        QLatin1String(kPhoneBreakpointKey)};
    std::vector<PlistElement> values = {PlistElement::fromString(outputStyleName(options.style)),
                                        PlistElement::fromString(options.navLabel),
                                        PlistElement::fromInteger(options.breakpoint)};
    // Files of designs that kept the default name stay as they were written before.
    if (options.className != OutputOptions::defaultClassName()) {
        keys.append(QLatin1String(kClassNameKey));
        values.push_back(PlistElement::fromString(options.className));
    }
    if (options.direction != MenuDirection::Page) {
        keys.append(QLatin1String(kDirectionKey));
        values.push_back(PlistElement::fromString(menuDirectionName(options.direction)));
    }
    for (const auto& [key, look] :
         {std::pair{kCurrentPageLookKey, options.currentPageLook},
          std::pair{kSubMenuCurrentPageLookKey, options.subMenuCurrentPageLook}}) {
        if (look != CurrentPageLook::Active) {
            keys.append(QLatin1String(key));
            values.push_back(PlistElement::fromString(currentPageLookName(look)));
        }
    }
    return PlistElement::fromDictionary(keys, values);
}

QList<PlistElement> projectElements(const GlobalData& data) {
    QList<PlistElement> elements;
    const OutputOptions& options = data.outputOptions();
    elements.append(PlistElement()); // the version, known at the end
    for (int i = 0; i < kPersistedSettingCount; ++i)
        elements.append(settingElement(data, static_cast<Setting>(i)));

    const Node* root = data.getMenuRootNode();
    elements.append(PlistElement::fromInteger(root->childCount()));
    RecordWriter writer(elements, data.tempFolderPath());
    ItemSection items;
    const bool thirdLevel = itemsOnLevel(*root, kDeepestMenuLevel) > 0;
    for (int i = 0; i < root->childCount(); ++i) {
        const Node* item = root->childAt(i);
        items.add(*item, itemPlaceKey(i), writer.appendItem(*item));
        elements.append(PlistElement::fromInteger(item->childCount()));
        for (int j = 0; j < item->childCount(); ++j) {
            const Node* subItem = item->childAt(j);
            items.add(*subItem, itemPlaceKey(i, j), writer.appendItem(*subItem));
            if (!thirdLevel)
                continue;
            elements.append(PlistElement::fromInteger(subItem->childCount()));
            for (int k = 0; k < subItem->childCount(); ++k) {
                const Node* innerItem = subItem->childAt(k);
                items.add(*innerItem, itemPlaceKey(i, j, k), writer.appendItem(*innerItem));
            }
        }
    }
    // A design at the default options, without SVG icons and without a third level saves
    // exactly what Version 3.0 files always held.
    const bool withOptions = thirdLevel || !options.isDefault() || !items.isEmpty();
    elements.first() = PlistElement::fromString(QLatin1String(thirdLevel    ? kProjectVersion32
                                                              : withOptions ? kProjectVersion31
                                                                            : kProjectVersion3));
    if (withOptions) {
        PlistElement dictionary = outputOptionsElement(options);
        if (!items.isEmpty()) {
            dictionary.keys.append(QLatin1String(kItemsKey));
            dictionary.values.push_back(items.element());
        }
        elements.append(dictionary);
    }
    return elements;
}

} // namespace brindle
