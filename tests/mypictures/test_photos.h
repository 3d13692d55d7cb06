#pragma once

#include "mypictures/photo.h"
#include "mypictures/picture_set.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>

namespace quilora::testing {

// A photo in four plain colours, one to a quarter: red, green / blue, yellow.
inline QImage quarters(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = size.width() / 2, h = size.height() / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, size.width() - w, h, Qt::green);
    painter.fillRect(0, h, w, size.height() - h, Qt::blue);
    painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::yellow);
    return image;
}

// A JPEG of `image` with an EXIF APP1 segment holding only the orientation tag.
inline QByteArray jpegWithOrientation(const QImage& image, quint16 orientation) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.write(image);
    // Big-endian TIFF header, one IFD with one SHORT entry, no next IFD.
    QByteArray tiff("MM\0\x2a\0\0\0\x08", 8);
    const auto be16 = [&](quint16 v) { tiff.append(char(v >> 8)).append(char(v & 0xff)); };
    be16(1);
    be16(0x0112);
    be16(3);
    tiff.append(QByteArray("\0\0\0\x01", 4));
    be16(orientation);
    tiff.append(QByteArray(2, '\0')).append(QByteArray(4, '\0'));
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray app1("\xff\xe1", 2);
    const quint16 length = static_cast<quint16>(payload.size() + 2);
    app1.append(char(length >> 8)).append(char(length & 0xff)).append(payload);
    return jpeg.insert(2, app1); // right after the start-of-image marker
}

inline QString writeBytes(const QDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

inline QString savePhoto(const QDir& dir, const QString& name, const QImage& image) {
    image.save(dir.filePath(name));
    return dir.filePath(name);
}

// Twelve photos of plainly different colours, each with a dark square at its centre.
inline QStringList twelvePhotos(const QDir& dir) {
    QStringList files;
    for (int k = 0; k < mypictures::kPhotosPerSet; ++k) {
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(k * 30, 200, 230));
        QPainter(&image).fillRect(170, 120, 60, 60, Qt::black);
        files.append(savePhoto(dir, QStringLiteral("photo%1.png").arg(k), image));
    }
    return files;
}

inline mypictures::NewSet setOf(const QStringList& files, const QString& name,
                                const QStringList& cardNames = {}) {
    mypictures::NewSet set;
    set.name = name;
    set.withNames = !cardNames.isEmpty();
    for (qsizetype k = 0; k < files.size(); ++k) {
        const QImage photo = mypictures::loadPhoto(files[k]).image;
        set.cards.append({photo, mypictures::Crop(photo.size()), cardNames.value(k)});
    }
    return set;
}

// How far two colours lie apart, channel by channel at most.
inline int colourDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

} // namespace quilora::testing
