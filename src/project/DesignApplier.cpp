#include "project/DesignApplier.h"

#include "model/GlobalData.h"
#include "project/ProjectReader.h"
#include "workspace/FileWriter.h"
#include "workspace/IconImage.h"
#include "workspace/PreviewFolder.h"

namespace brindle {

namespace {

class TreeBuilder {
public:
    explicit TreeBuilder(const QString& previewFolder) : m_previewFolder(previewFolder) {}

    std::unique_ptr<Node> makeNode(const ProjectItem& item, Node* parent) {
        auto node = Node::make(item.name, item.iconID, parent);
        node->setLink(item.link);
        node->setPaddingRight(item.paddingRight);
        const QImage image = takeIcon(item, item.image);
        if (!image.isNull())
            setNodeImage(*node, item.image.fileName, image);
        const QImage retinaImage = takeIcon(item, item.retinaImage);
        if (!retinaImage.isNull())
            setNodeRetinaImage(*node, item.retinaImage.fileName, retinaImage);
        return node;
    }

    const QStringList& warnings() const { return m_warnings; }

private:
    // Decodes the stored picture and writes it into the preview folder in the format its
    // name names (the project keeps TIFF, which browsers cannot show); a null image when
    // either fails.
    QImage takeIcon(const ProjectItem& item, const ProjectIcon& icon) {
        if (!icon.present)
            return {};
        const QString title = quotedForMessage(item.name);
        const QString fileName = quotedForMessage(icon.fileName);
        if (m_previewFolder.isEmpty()) {
            m_warnings.append(QStringLiteral("The icon %1 of %2 was left out: there is no "
                                             "preview folder.")
                                  .arg(fileName, title));
            return {};
        }
        const QImage image = normalizedIconImage(decodeIconImage(icon.bytes));
        if (image.isNull()) {
            m_warnings.append(QStringLiteral("The icon %1 of %2 cannot be decoded and was left "
                                             "out.")
                                  .arg(fileName, title));
            return {};
        }
        const QByteArray encoded = encodeIconForFileName(image, icon.fileName);
        const WriteResult written =
            encoded.isEmpty()
                ? WriteResult{false, QStringLiteral("the picture cannot be encoded")}
                // Opening the same project again finds its icons already in place.
                : PreviewFolder::writeFileUnlessSame(m_previewFolder, icon.fileName, encoded);
        if (!written) {
            m_warnings.append(QStringLiteral("The icon %1 of %2 cannot be written to the "
                                             "preview folder (%3) and was left out.")
                                  .arg(fileName, title, written.error));
            return {};
        }
        return image;
    }

    const QString m_previewFolder;
    QStringList m_warnings;
};

} // namespace

QStringList applyProjectDesign(GlobalData& data, const ProjectDesign& design,
                               const QString& previewFolder) {
    for (int i = 0; i < kPersistedSettingCount; ++i)
        data.setValue(static_cast<Setting>(i), design.settings[static_cast<size_t>(i)]);
    data.setOutputOptions(design.outputOptions);

    Node* root = data.getMenuRootNode();
    root->clearChildren();
    TreeBuilder builder(previewFolder);
    for (const ProjectItem& item : design.items) {
        auto node = builder.makeNode(item, root);
        for (const ProjectItem& child : item.children)
            node->appendChild(builder.makeNode(child, node.get()));
        node->setIsGroup(node->childCount() > 0);
        data.addMenuRootNodeChild(std::move(node));
    }
    return builder.warnings();
}

} // namespace brindle
