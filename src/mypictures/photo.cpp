#include "mypictures/photo.h"

#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quilora::mypictures {

QSize workingSize(QSize stored) {
    if (stored.isEmpty())
        return stored;
    const double shortSide = std::min(stored.width(), stored.height());
    const double longSide = std::max(stored.width(), stored.height());
    const double scale =
        std::min({1.0, kWorkingShortSide / shortSide, kWorkingLongSide / longSide});
    if (scale >= 1.0)
        return stored;
    return QSize(std::max(1, static_cast<int>(std::lround(stored.width() * scale))),
                 std::max(1, static_cast<int>(std::lround(stored.height() * scale))));
}

LoadedPhoto loadPhoto(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size(); // from the header, before any rotation
    if (!reader.canRead())
        return {{}, Text::MakerPhotoUnreadable};
    // A scaled decode keeps a 100-megapixel JPEG to a few megabytes: the decoder itself scales
    // down. Formats that cannot still meet Qt's allocation limit, which is left as it is.
    if (stored.isValid() && workingSize(stored) != stored)
        reader.setScaledSize(workingSize(stored));
    QImage image = reader.read();
    if (image.isNull()) {
        const double megabytes =
            stored.isValid() ? 4.0 * stored.width() * stored.height() / 1048576.0 : 0;
        const bool tooLarge = reader.error() != QImageReader::UnsupportedFormatError &&
                              QImageReader::allocationLimit() > 0 &&
                              megabytes > QImageReader::allocationLimit();
        return {{}, tooLarge ? Text::MakerPhotoTooLarge : Text::MakerPhotoUnreadable};
    }
    // Formats without a scaled decoder ignore the request; bring them down here.
    const QSize wanted = workingSize(image.size());
    if (wanted != image.size())
        image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
        painter.end();
        return {flat, std::nullopt};
    }
    return {image.convertToFormat(QImage::Format_RGB32), std::nullopt};
}

QString readablePatterns() {
    QStringList patterns;
    for (const QByteArray& suffix : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(suffix));
    return patterns.join(QLatin1Char(' '));
}

} // namespace quilora::mypictures
