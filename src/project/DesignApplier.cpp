#include "project/DesignApplier.h"

#include "model/GlobalData.h"
#include "model/IconFileName.h"
#include "model/Node.h"
#include "project/ProjectReader.h"
#include "workspace/FileWriter.h"
#include "workspace/FreeFileName.h"
#include "workspace/IconImage.h"
#include "workspace/PreviewFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QHash>
#include <QtConcurrent/QtConcurrentMap>

namespace brindle {

// This file's messages, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DesignApplier)
};

namespace {

// A stored picture as a browser file needs it: decoded once, encoded in the format of a name's
// suffix. Opening a large project is mostly this work, so it runs on every core, and once per
// picture and format however many items share it.
struct PreparedIcon {
    QByteArray stored;  // the project's bytes
    QString suffix;     // lower case; the browser format follows it
    QImage image;       // null when the bytes cannot be decoded
    QByteArray encoded; // empty when the picture cannot be encoded
};

QString suffixOf(const QString& fileName) {
    return QFileInfo(fileName).suffix().toLower();
}

QString preparedKey(const QByteArray& stored, const QString& suffix) {
    return suffix + QLatin1Char('/') +
           QString::fromLatin1(QCryptographicHash::hash(stored, QCryptographicHash::Sha1).toHex());
}

QHash<QString, PreparedIcon> prepareIcons(const QList<ProjectItem>& items) {
    QHash<QString, PreparedIcon> prepared;
    const auto want = [&prepared](const ProjectIcon& icon) {
        if (!icon.present)
            return;
        const QString suffix = suffixOf(icon.fileName);
        const QString key = preparedKey(icon.bytes, suffix);
        if (!prepared.contains(key))
            prepared.insert(key, PreparedIcon{icon.bytes, suffix, {}, {}});
    };
    const auto walk = [&want](auto& self, const QList<ProjectItem>& list) -> void {
        for (const ProjectItem& item : list) {
            want(item.image);
            want(item.retinaImage);
            self(self, item.children);
        }
    };
    walk(walk, items);
    QList<PreparedIcon*> jobs;
    for (PreparedIcon& icon : prepared)
        jobs.append(&icon);
    QtConcurrent::blockingMap(jobs, [](PreparedIcon* icon) {
        icon->image = normalizedIconImage(decodeIconImage(icon->stored));
        if (!icon->image.isNull())
            icon->encoded =
                encodeIconForFileName(icon->image, QStringLiteral("icon.") + icon->suffix);
    });
    return prepared;
}

class TreeBuilder {
public:
    TreeBuilder(const QString& previewFolder, QHash<QString, PreparedIcon> prepared)
        : m_previewFolder(previewFolder), m_prepared(std::move(prepared)) {}

    // The item with the items below it.
    std::unique_ptr<Node> makeTree(const ProjectItem& item, Node* parent) {
        auto node = makeNode(item, parent);
        for (const ProjectItem& child : item.children)
            node->appendChild(makeTree(child, node.get()));
        node->setIsGroup(node->childCount() > 0);
        return node;
    }

    std::unique_ptr<Node> makeNode(const ProjectItem& item, Node* parent) {
        auto node = Node::make(item.name, item.iconID, parent);
        node->setLink(item.link);
        node->setPaddingRight(item.paddingRight);
        const QImage image = takeIcon(item, item.image);
        if (!image.isNull())
            setNodeImage(*node, m_takenName, image);
        const QImage retinaImage = takeIcon(item, item.retinaImage);
        if (!retinaImage.isNull())
            setNodeRetinaImage(*node, m_takenName, retinaImage);
        if (item.svgIcon.present && !image.isNull() && !retinaImage.isNull())
            takeSvgIcon(item, *node);
        return node;
    }

    const QStringList& warnings() const { return m_warnings; }
    const QStringList& renamed() const { return m_renamed; }

private:
    // Decodes the stored picture and writes it into the preview folder in the format its
    // name names (the project keeps TIFF, which browsers cannot show); a null image when
    // either fails.
    QImage takeIcon(const ProjectItem& item, const ProjectIcon& icon) {
        if (!icon.present)
            return {};
        const QString title = quotedForMessage(item.name);
        const QString fileName = quotedForMessage(icon.fileName);
        // Says why the icon is left out; the item goes without it.
        const auto leaveOut = [&](const QString& why) {
            m_warnings.append(Texts::tr("The icon %1 of %2 %3").arg(fileName, title, why));
            return QImage();
        };
        if (m_previewFolder.isEmpty())
            return leaveOut(Texts::tr("was left out: there is no preview folder."));
        const PreparedIcon ready =
            m_prepared.value(preparedKey(icon.bytes, suffixOf(icon.fileName)));
        const QImage& image = ready.image;
        if (image.isNull())
            return leaveOut(Texts::tr("cannot be decoded and was left out."));
        const QByteArray& encoded = ready.encoded;
        if (encoded.isEmpty())
            return leaveOut(Texts::tr("cannot be encoded and was left out."));
        // Items of files made elsewhere may use one name for different pictures: each
        // picture keeps a file of its own, as the editor would have named it.
        const QString name = freeFileNameAmong(m_written, icon.fileName, encoded);
        // Opening the same project again finds its icons already in place.
        const WriteResult written =
            PreviewFolder::writeFileUnlessSame(m_previewFolder, name, encoded);
        if (!written)
            return leaveOut(Texts::tr("cannot be written to the preview folder (%1) and "
                                      "was left out.")
                                .arg(written.error));
        m_written.insert(name, encoded);
        if (name != icon.fileName)
            m_renamed.append(Texts::tr("The icon %1 of %2 is kept as %3: another picture "
                                       "has its name.")
                                 .arg(fileName, title, quotedForMessage(name)));
        m_takenName = name;
        return image;
    }

    // The SVG beside its pictures; without it the item keeps the pictures alone.
    void takeSvgIcon(const ProjectItem& item, Node& node) {
        const QByteArray& text = item.svgIcon.text;
        const QString name = freeFileNameAmong(m_written, item.svgIcon.fileName, text);
        const WriteResult written = PreviewFolder::writeFileUnlessSame(m_previewFolder, name, text);
        if (!written) {
            m_warnings.append(Texts::tr("The SVG icon %1 of %2 cannot be written to the "
                                        "preview folder (%3); its pictures stand for it.")
                                  .arg(quotedForMessage(item.svgIcon.fileName),
                                       quotedForMessage(item.name), written.error));
            return;
        }
        m_written.insert(name, text);
        node.setSvgIcon({text, name, item.svgIcon.followsTextColour});
    }

    const QString m_previewFolder;
    const QHash<QString, PreparedIcon> m_prepared;
    QStringList m_warnings;
    QStringList m_renamed;
    QHash<QString, QByteArray> m_written; // by this design, name → bytes
    QString m_takenName;
};

} // namespace

namespace {

// "item 2 of the bar", "item 1 under “Products”": where a designer finds an item without a
// title (a link that says nothing) in the outline.
// An untitled owner is named by its place in turn. `owner` is empty for the bar.
void collectUntitledItems(const QList<ProjectItem>& items, const QString& owner,
                          QStringList& places) {
    for (qsizetype i = 0; i < items.size(); ++i) {
        const ProjectItem& item = items.at(i);
        const bool untitled = isBlankTitle(item.name);
        const QString name = !untitled ? QStringLiteral("“%1”").arg(item.name.trimmed())
                             : owner.isEmpty()
                                 ? Texts::tr("item %1 of the bar").arg(i + 1)
                                 : Texts::tr("item %1 under %2").arg(i + 1).arg(owner);
        if (untitled)
            places << name;
        collectUntitledItems(item.children, name, places);
    }
}

QStringList untitledItems(const QList<ProjectItem>& items) {
    QStringList places;
    collectUntitledItems(items, QString(), places);
    return places;
}

} // namespace

AppliedDesign applyProjectDesign(GlobalData& data, const ProjectDesign& design,
                                 const QString& previewFolder) {
    for (int i = 0; i < kPersistedSettingCount; ++i)
        data.setValue(static_cast<Setting>(i), design.settings[static_cast<size_t>(i)]);
    data.setOutputOptions(design.outputOptions);

    Node* root = data.getMenuRootNode();
    root->clearChildren();
    TreeBuilder builder(previewFolder, previewFolder.isEmpty() ? QHash<QString, PreparedIcon>()
                                                               : prepareIcons(design.items));
    for (const ProjectItem& item : design.items)
        data.addMenuRootNodeChild(builder.makeTree(item, root));
    return {builder.warnings(), builder.renamed(), untitledItems(design.items)};
}

} // namespace brindle
