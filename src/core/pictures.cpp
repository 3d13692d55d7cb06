// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pictures.h"

#include <QBuffer>
#include <QImageReader>

namespace quilora::core {
namespace {

// Whether a JPEG's frame is sequential with Huffman coding (SOF0, SOF1), the only kind that
// libjpeg decodes a band at a time. The markers are walked from the start of the image to the
// first frame header; APPn segments (an EXIF thumbnail has frames of its own) are skipped whole.
bool sequentialJpeg(const QByteArray& bytes) {
    const auto at = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    qsizetype i = 2;
    while (i + 3 < bytes.size()) {
        if (at(i) != 0xFF)
            return false;
        const unsigned char marker = at(i + 1);
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return marker == 0xC0 || marker == 0xC1;
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            i += 2;
            continue;
        }
        i += 2 + (at(i + 2) << 8 | at(i + 3));
    }
    return false;
}

} // namespace

QByteArray pictureFormat(const QByteArray& bytes, const QByteArray& hint) {
    if (hint.isEmpty())
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, hint).canRead() ? hint : QByteArray();
}

PictureHeader pictureHeader(const QByteArray& bytes, const QByteArray& format) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, pictureFormat(bytes, format));
    PictureHeader header{reader.size(), bytes.startsWith("\xFF\xD8") && sequentialJpeg(bytes)};
    // Qt tells a GIF's first frame, but decodes onto its whole logical screen.
    if (bytes.startsWith("GIF8") && bytes.size() >= 10) {
        const auto le16 = [&](qsizetype i) {
            return static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1])
                                                              << 8;
        };
        header.size = header.size.expandedTo(QSize(le16(6), le16(8)));
    }
    return header;
}

QImage decodePicture(const QByteArray& bytes, QSize largest, const QByteArray& format) {
    const QSize size = pictureHeader(bytes, format).size;
    if (!size.isValid() || size.width() > largest.width() || size.height() > largest.height())
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, pictureFormat(bytes, format)).read();
}

} // namespace quilora::core
