#pragma once

#include "mypictures/photo.h"
#include "mypictures/picture_set.h"

#include <QDir>
#include <QPainter>

namespace quilora::testing {

// Twelve photos of plainly different colours, each with a dark square at its centre.
inline QStringList twelvePhotos(const QDir& dir) {
    QStringList files;
    for (int k = 0; k < mypictures::kPhotosPerSet; ++k) {
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(k * 30, 200, 230));
        QPainter(&image).fillRect(170, 120, 60, 60, Qt::black);
        files.append(dir.filePath(QStringLiteral("photo%1.png").arg(k)));
        image.save(files.last());
    }
    return files;
}

// These photos, each framed whole, as a set with name cards when names are given.
inline mypictures::NewSet setOf(const QStringList& files, const QString& name,
                                const QStringList& cardNames = {}) {
    mypictures::NewSet set{name, {}, !cardNames.isEmpty()};
    for (qsizetype k = 0; k < files.size(); ++k) {
        const QImage photo = mypictures::loadPhoto(files[k]).image;
        set.cards.append({photo, mypictures::Crop(photo.size()), cardNames.value(k)});
    }
    return set;
}

} // namespace quilora::testing
