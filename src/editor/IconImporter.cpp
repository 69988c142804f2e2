#include "editor/IconImporter.h"

#include "model/IconFileName.h"
#include "model/Node.h"
#include "platform/Log.h"
#include "workspace/FileWriter.h"
#include "workspace/FreeFileName.h"
#include "workspace/IconImage.h"
#include "workspace/PreviewFolder.h"
#include "workspace/SvgIcon.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace brindle {

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(IconImporter)
};

ImportedIcon failure(const QString& reason) {
    ImportedIcon result;
    result.error = reason;
    return result;
}

// Only what the chooser offers: pictures a browser shows under an icon's file name.
bool isChooserFormat(const QByteArray& bytes) {
    const QByteArray format = pictureFormat(bytes);
    return format == "png" || format == "jpeg" || format == "gif";
}

} // namespace

IconImporter::IconImporter(QString previewFolder) : m_folder(std::move(previewFolder)) {}

ImportedIcon IconImporter::import(const QString& sourcePath) const {
    if (m_folder.isEmpty() || !QFileInfo(m_folder).isDir())
        return failure(Texts::tr("The preview folder is not available."));
    const QFileInfo source(sourcePath);
    if (!source.isFile() || !source.isReadable())
        return failure(Texts::tr("The file cannot be read."));
    const QString tooLarge = Texts::tr("The file is larger than %1 MB.").arg(kMaxFileBytes >> 20);
    if (source.size() > kMaxFileBytes)
        return failure(tooLarge);

    QFile in(sourcePath);
    if (!in.open(QIODevice::ReadOnly))
        return failure(Texts::tr("The file cannot be read (%1).").arg(in.errorString()));
    const QByteArray bytes = in.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return failure(tooLarge);
    if (!isChooserFormat(bytes))
        return failure(Texts::tr("It is not a PNG, JPEG or GIF picture."));

    ImportedIcon result;
    result.image = decodeIconImage(bytes);
    if (result.image.isNull())
        return failure(
            Texts::tr("The picture cannot be decoded, or it is larger than %1 pixels on a "
                      "side or %2 million pixels in all.")
                .arg(kLargestIconSide)
                .arg(kLargestIconPixelCount >> 20));

    if (isSvgFileName(source.fileName()))
        return failure(Texts::tr("An SVG icon goes into the Icon field; it is sharp at every size "
                                 "without a double-resolution file."));

    const QString wanted = safeIconFileName(source.fileName());
    // Written exactly as opening a saved project writes it, so that exports made before and
    // after a save and reopen, and by the command-line tool, hold the same bytes. The format
    // follows the suffix, which a free name keeps.
    const QByteArray encoded = encodeIconForFileName(result.image, wanted);
    if (encoded.isEmpty())
        return failure(Texts::tr("It cannot be encoded for the preview folder."));
    // Designers have many files called icon.png: a different picture under a name already
    // in use gets a name of its own; the same picture shares the copy.
    result.fileName = freeFileNameInFolder(m_folder, wanted, encoded);
    if (result.fileName != wanted)
        result.renamedFrom = wanted;
    qCInfo(lcBrindle).noquote() << "destination:" << QDir(m_folder).filePath(result.fileName);
    // A file that already holds the picture stays as it is: the preview's page may show it.
    if (const WriteResult written =
            PreviewFolder::writeFileUnlessSame(m_folder, result.fileName, encoded);
        !written)
        return failure(
            Texts::tr("It cannot be copied into the preview folder (%1).").arg(written.error));
    result.ok = true;
    return result;
}

bool IconImporter::place(const QString& wanted, const QByteArray& bytes, QString& name,
                         bool& created, QString& error) const {
    name = freeFileNameInFolder(m_folder, wanted, bytes);
    created = !QFileInfo::exists(QDir(m_folder).filePath(name));
    const WriteResult written = PreviewFolder::writeFileUnlessSame(m_folder, name, bytes);
    if (!written)
        error = Texts::tr("It cannot be copied into the preview folder (%1).").arg(written.error);
    return bool(written);
}

ImportedSvgIcon IconImporter::importSvg(const QString& sourcePath, int tallest) const {
    ImportedSvgIcon result;
    const auto fail = [&result](const QString& reason) {
        result.error = reason;
        return result;
    };
    if (m_folder.isEmpty() || !QFileInfo(m_folder).isDir())
        return fail(Texts::tr("The preview folder is not available."));
    const QFileInfo source(sourcePath);
    QFile in(sourcePath);
    if (!source.isFile() || !in.open(QIODevice::ReadOnly))
        return fail(Texts::tr("The file cannot be read."));
    // A compressed file is read whole only up to the limit; inflating it stops there too.
    const bool compressed = isCompressedSvgFileName(source.fileName());
    QByteArray bytes = in.read(kLargestSvgBytes + 1);
    if (compressed && bytes.size() <= kLargestSvgBytes) {
        auto inflated = inflateSvgz(bytes);
        if (const QString* reason = std::get_if<QString>(&inflated))
            return fail(Texts::tr("It cannot be used: %1.").arg(*reason));
        bytes = std::get<QByteArray>(inflated);
    }
    auto cleaned = cleanSvgIcon(bytes);
    if (const QString* reason = std::get_if<QString>(&cleaned))
        return fail(Texts::tr("It cannot be used: %1.").arg(*reason));
    const CleanSvg& icon = std::get<CleanSvg>(cleaned);
    const QSize size = svgIconPageSize(icon, tallest);
    if (std::max(size.width(), size.height()) > kLargestSvgIconSide)
        return fail(Texts::tr("It is %1 × %2 px large; a menu icon is at most %3 px on a side.")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(kLargestSvgIconSide));
    const QImage picture = renderSvgIcon(icon.text, size, 1);
    const QImage retinaPicture = renderSvgIcon(icon.text, size, 2);
    if (picture.isNull() || retinaPicture.isNull())
        return fail(Texts::tr("It cannot be drawn."));

    // NAME.svg, NAME.png and NAME@2x.png, the longest of them a file name still.
    QString stem = safeIconFileName(source.completeBaseName() + QStringLiteral(".svg"));
    stem.chop(4);
    const QString retinaSuffix = QStringLiteral("@2x.png");
    while ((stem + retinaSuffix).toUtf8().size() > kLongestIconFileNameBytes)
        stem.chop(stem.size() >= 2 && stem.back().isLowSurrogate() ? 2 : 1);
    if (stem.isEmpty())
        stem = QStringLiteral("icon");
    QString error;
    QStringList created;
    const auto take = [&](const QString& wanted, const QByteArray& content, QString& name) {
        if (content.isEmpty())
            return false;
        bool isNew = false;
        if (!place(wanted, content, name, isNew, error))
            return false;
        if (isNew)
            created << name;
        return true;
    };
    result.picture.image = normalizedIconImage(picture);
    result.retinaPicture.image = normalizedIconImage(retinaPicture);
    const QByteArray png = encodeIconForFileName(result.picture.image, QStringLiteral("a.png"));
    const QByteArray retinaPng =
        encodeIconForFileName(result.retinaPicture.image, QStringLiteral("a.png"));
    if (!take(stem + QStringLiteral(".svg"), icon.text, result.svg.fileName) ||
        !take(stem + QStringLiteral(".png"), png, result.picture.fileName) ||
        !take(stem + retinaSuffix, retinaPng, result.retinaPicture.fileName)) {
        // On failure the folder is as it was: what this icon wrote goes again.
        for (const QString& name : created)
            QFile::remove(QDir(m_folder).filePath(name));
        return fail(error.isEmpty() ? Texts::tr("It cannot be encoded for the preview folder.")
                                    : error);
    }
    qCInfo(lcBrindle).noquote() << "destination:" << QDir(m_folder).filePath(result.svg.fileName);
    result.svg.text = icon.text;
    result.removed = icon.removed;
    result.picture.ok = result.retinaPicture.ok = result.ok = true;
    return result;
}

void applySvgIcon(Node& node, const ImportedSvgIcon& icon, bool followsTextColour) {
    setNodeImage(node, icon.picture.fileName, icon.picture.image);
    setNodeRetinaImage(node, icon.retinaPicture.fileName, icon.retinaPicture.image);
    NodeSvgIcon svg = icon.svg;
    svg.followsTextColour = followsTextColour;
    node.setSvgIcon(svg);
}

void clearSvgIcon(Node& node) {
    clearNormalIcon(node);
    clearRetinaIcon(node);
    node.setSvgIcon({});
}

void applyNormalIcon(Node& node, const ImportedIcon& icon) {
    setNodeImage(node, icon.fileName, icon.image);
    qCInfo(lcBrindle, "imageSize: %f, %f", double(icon.image.width()), double(icon.image.height()));
}

void applyRetinaIcon(Node& node, const ImportedIcon& icon) {
    setNodeRetinaImage(node, icon.fileName, icon.image);
    qCInfo(lcBrindle).noquote() << "retinaFileName:" << icon.fileName;
}

void clearNormalIcon(Node& node) {
    node.setImageFileName(QLatin1String(""));
    node.setImage(QImage());
    node.setImageWidth(0);
    node.setImageHeight(0);
}

void clearRetinaIcon(Node& node) {
    node.setRetinaImageFileName(QLatin1String(""));
    node.setRetinaImage(QImage());
    node.setRetinaImageWidth(0);
    node.setRetinaImageHeight(0);
    node.setScaledImage(QImage());
}

} // namespace brindle
