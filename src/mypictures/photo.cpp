#include "mypictures/photo.h"

#include "core/files.h"
#include "core/pictures.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quilora::mypictures {
namespace {

// What one photo may cost the maker, so that it stays under 400 MB: its file, and the pixels of
// a photo that is decoded whole before it is scaled down (a progressive JPEG's coefficients take
// up to 6 bytes a pixel). A sequential JPEG is scaled as it is decoded and costs little.
constexpr qint64 kPhotoBytes = 64 << 20;
constexpr qint64 kWholeDecodePixels = 40'000'000;

} // namespace

QSize workingSize(QSize stored) {
    if (stored.isEmpty())
        return stored;
    const double shortSide = std::min(stored.width(), stored.height());
    const double longSide = std::max(stored.width(), stored.height());
    const double scale =
        std::min({1.0, kWorkingShortSide / shortSide, kWorkingLongSide / longSide});
    return QSize(std::max(1, static_cast<int>(std::lround(stored.width() * scale))),
                 std::max(1, static_cast<int>(std::lround(stored.height() * scale))));
}

LoadedPhoto loadPhoto(const QString& path) {
    const core::FileBytes file = core::readFile(path, kPhotoBytes);
    if (file.status != core::ReadStatus::Read) // a FIFO, a device, a folder: no photo
        return {{}, Text::MakerPhotoUnreadable};
    if (!file.whole)
        return {{}, Text::MakerPhotoTooLarge};
    const QByteArray format =
        core::pictureFormat(file.bytes, QFileInfo(path).suffix().toLower().toLatin1());
    const core::PictureHeader header = core::pictureHeader(file.bytes, format);
    const QSize stored = header.size; // before any rotation; invalid when the header tells none
    if (!header.scaledInDecoder &&
        qint64(stored.width()) * std::max(stored.height(), 0) > kWholeDecodePixels)
        return {{}, Text::MakerPhotoTooLarge};
    QBuffer buffer;
    buffer.setData(file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(true);
    // A scaled decode keeps a 100-megapixel JPEG to a few megabytes: the decoder itself scales
    // down. Formats that cannot still meet Qt's allocation limit, which is left as it is. An
    // unknown size stays unknown, which asks for no scaling.
    reader.setScaledSize(workingSize(stored));
    QImage image = reader.read();
    if (image.isNull()) {
        // Past Qt's limit (none when 0), Qt would not even try; an unknown size is never past it.
        const double megabytes = 4.0 * stored.width() * stored.height() / 1048576.0;
        const bool tooLarge =
            QImageReader::allocationLimit() > 0 && megabytes > QImageReader::allocationLimit();
        return {{}, tooLarge ? Text::MakerPhotoTooLarge : Text::MakerPhotoUnreadable};
    }
    // Formats that tell their size only once decoded (ICNS, MNG) come whole; bring them down
    // here. A photo already at its working size comes back as it is.
    image =
        image.scaled(workingSize(image.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Any transparency laid on white; painting an opaque photo changes nothing.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    return {flat, std::nullopt};
}

QString readablePatterns() {
    QStringList patterns;
    for (const QByteArray& suffix : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(suffix));
    return patterns.join(QLatin1Char(' '));
}

} // namespace quilora::mypictures
