// SPDX-License-Identifier: GPL-3.0-or-later
#include "mypictures/photo.h"

#include "core/files.h"
#include "core/pictures.h"
#include "core/rounding.h"
#include "mypictures/crop.h"
#include "mypictures/heif.h"

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
// up to 6 bytes a pixel, a HEIF's planes and their colours 5.5). A sequential JPEG is scaled as
// it is decoded and costs little.
constexpr qint64 kPhotoBytes = 64 << 20;
constexpr qint64 kWholeDecodePixels = 40'000'000;

// Whether a JPEG ends before its end-of-image marker, so that the decoder fills the rest of the
// picture with grey and tells so only in a log warning. Its segments are stepped over by their
// lengths, and a scan's coded data, where a 0xFF byte is always followed by 0 or a restart
// marker, up to the next marker: so a thumbnail's marker inside a segment never counts.
bool endsEarly(const QByteArray& jpeg) {
    const auto byte = [&](qsizetype at) { return quint8(jpeg[at]); };
    qsizetype at = 2; // past the start-of-image marker
    while (at < jpeg.size()) {
        if (byte(at) != 0xFF) { // within a scan's coded data
            at = jpeg.indexOf(char(0xFF), at);
            if (at < 0)
                return true;
            continue;
        }
        while (at < jpeg.size() && byte(at) == 0xFF) // fill bytes
            ++at;
        if (at == jpeg.size())
            return true;
        const quint8 marker = byte(at++);
        if (marker == 0xD9)
            return false;
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // coded data or a marker without a segment
        if (at + 2 > jpeg.size())
            return true;
        at += byte(at) << 8 | byte(at + 1);
    }
    return true;
}

// HEIF and AVIF photos are ISO media files, which start with their file-type box.
bool isMediaFile(const QByteArray& bytes) {
    return bytes.mid(4, 4) == "ftyp";
}

LoadedPhoto refused(Text why) {
    return {{}, why, std::nullopt};
}

// The photo as the maker keeps it: any transparency laid on white, and what the player should
// know of it. Its card's frame, the largest 9:8 part, is enlarged on the cards that dense
// screens show when the photo is narrower or lower than they are.
LoadedPhoto used(const QImage& image, bool cutOff) {
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    std::optional<Text> warning;
    if (cutOff)
        warning = Text::MakerPhotoCutOff;
    else if (image.width() < 2 * kCardWidth || image.height() < 2 * kCardHeight)
        warning = Text::MakerPhotoTooSmall;
    return {flat, std::nullopt, warning};
}

} // namespace

QSize workingSize(QSize stored) {
    if (stored.isEmpty())
        return stored;
    const double shortSide = std::min(stored.width(), stored.height());
    const double longSide = std::max(stored.width(), stored.height());
    const double scale =
        std::min({1.0, kWorkingShortSide / shortSide, kWorkingLongSide / longSide});
    return QSize(std::max(1, static_cast<int>(core::roundHalfAway(stored.width() * scale))),
                 std::max(1, static_cast<int>(core::roundHalfAway(stored.height() * scale))));
}

LoadedPhoto loadPhoto(const QString& path) {
    const core::FileBytes file = core::readFile(path, kPhotoBytes);
    if (file.status != core::ReadStatus::Read) // a FIFO, a device, a folder: no photo
        return refused(Text::MakerPhotoUnreadable);
    if (!file.whole)
        return refused(Text::MakerPhotoTooLarge);
    if (isMediaFile(file.bytes)) {
        QImage image;
        const HeifOutcome outcome = decodeHeif(file.bytes, kWholeDecodePixels, workingSize, &image);
        if (outcome == HeifOutcome::Decoded)
            return used(image, false);
        return refused(outcome == HeifOutcome::TooLarge ? Text::MakerPhotoTooLarge
                                                        : Text::MakerPhotoUnreadable);
    }
    const QByteArray format =
        core::pictureFormat(file.bytes, QFileInfo(path).suffix().toLower().toLatin1());
    const core::PictureHeader header = core::pictureHeader(file.bytes, format);
    const QSize stored = header.size; // before any rotation; invalid when the header tells none
    if (!header.scaledInDecoder &&
        qint64(stored.width()) * std::max(stored.height(), 0) > kWholeDecodePixels)
        return refused(Text::MakerPhotoTooLarge);
    QBuffer buffer;
    buffer.setData(file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(true);
    // A scaled decode keeps a 100-megapixel JPEG to a few megabytes: the decoder itself scales
    // down. Formats that cannot still meet Qt's allocation limit, which is left as it is. An
    // unknown size stays unknown, which asks for no scaling.
    reader.setScaledSize(workingSize(stored));
    const QImage image = reader.read();
    if (image.isNull()) {
        // Past Qt's limit (none when 0), Qt would not even try; an unknown size is never past it.
        const double megabytes = 4.0 * stored.width() * stored.height() / 1048576.0;
        const bool tooLarge =
            QImageReader::allocationLimit() > 0 && megabytes > QImageReader::allocationLimit();
        return refused(tooLarge ? Text::MakerPhotoTooLarge : Text::MakerPhotoUnreadable);
    }
    // Formats that tell their size only once decoded (ICNS, MNG) come whole; bring them down
    // here. A photo already at its working size comes back as it is.
    return used(
        image.scaled(workingSize(image.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
        file.bytes.startsWith("\xFF\xD8") && endsEarly(file.bytes));
}

QString readablePatterns() {
    QStringList patterns;
    for (const QByteArray& suffix : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(suffix));
    for (const char* suffix : {"*.heic", "*.heif", "*.avif"})
        if (!patterns.contains(QLatin1String(suffix)))
            patterns.append(QLatin1String(suffix));
    return patterns.join(QLatin1Char(' '));
}

} // namespace quilora::mypictures
