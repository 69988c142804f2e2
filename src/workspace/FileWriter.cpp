#include "workspace/FileWriter.h"

#include "resources/Resources.h"

#include <QBuffer>
#include <QSaveFile>

namespace brindle {

WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so a failed write (a full disk) shows in write()'s result: commit() can
    // report success after a buffered flush failed, and would then rename a short file over
    // the previous one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {};
}

WriteResult writeTextFileAtomically(const QString& path, const QString& text) {
    return writeFileAtomically(path, text.toUtf8());
}

QByteArray arrowImagePng() {
    initResources();
    QImage arrow(QStringLiteral(":/images/Bottom.png"));
    if (arrow.size() != QSize(16, 16))
        arrow = arrow.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Logical size 16 × 16 points: 72 dots per inch. Set explicitly, because the default
    // resolution depends on the process and the bytes must not.
    constexpr int kDotsPerMeterAt72Dpi = 2835;
    arrow.setDotsPerMeterX(kDotsPerMeterAt72Dpi);
    arrow.setDotsPerMeterY(kDotsPerMeterAt72Dpi);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    arrow.save(&buffer, "PNG");
    return bytes;
}

} // namespace brindle
