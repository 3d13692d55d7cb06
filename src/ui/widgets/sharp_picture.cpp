// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/sharp_picture.h"

#include "core/files.h"
#include "core/pictures.h"

#include <QFileInfo>

namespace quilora::ui {

QString doubleSizePath(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= path.lastIndexOf(QLatin1Char('/')))
        return path + QLatin1String("@2x");
    return QString(path).insert(dot, QLatin1String("@2x"));
}

PictureFiles readPictureFiles(const QString& path, bool dense, const PictureLimits& limits) {
    // A file past the limit is not the picture it claims to be: none rather than its head.
    const auto read = [&](const QString& file) {
        const core::FileBytes bytes = core::readFile(file, limits.bytes);
        return bytes.whole ? bytes.bytes : QByteArray();
    };
    return {read(path), dense ? read(doubleSizePath(path)) : QByteArray(),
            QFileInfo(path).suffix().toLower().toLatin1()};
}

QPixmap sharpPicture(const PictureFiles& files, qreal devicePixelRatio,
                     const PictureLimits& limits) {
    if (devicePixelRatio > 1 && !files.doubleSize.isEmpty()) {
        // Only the header of the small file is read: it tells the size to draw at, and a @2x file
        // of another size belongs to some other picture (a set whose small files were replaced).
        const QSize logical = core::pictureHeader(files.picture, files.format).size;
        QImage large = core::decodePicture(files.doubleSize, limits.largest, files.format);
        if (logical.isValid() && !large.isNull() && large.size() == logical * 2) {
            const QSize device(qRound(logical.width() * devicePixelRatio),
                               qRound(logical.height() * devicePixelRatio));
            if (device != large.size())
                large = large.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            large.setDevicePixelRatio(devicePixelRatio);
            return QPixmap::fromImage(std::move(large));
        }
    }
    return QPixmap::fromImage(core::decodePicture(files.picture, limits.largest, files.format));
}

QPixmap sharpPicture(const QString& path, qreal devicePixelRatio, const PictureLimits& limits) {
    return sharpPicture(readPictureFiles(path, devicePixelRatio > 1, limits), devicePixelRatio,
                        limits);
}

QPixmap CardPictures::get(const QString& path, const QHash<QString, PictureFiles>& files,
                          qreal ratio) {
    if (path.isEmpty())
        return {};
    if (ratio != ratio_) {
        pictures_.clear();
        ratio_ = ratio;
    }
    auto it = pictures_.find(path);
    if (it == pictures_.end())
        it = pictures_.insert(path, sharpPicture(files.value(path), ratio, kCardLimits));
    return *it;
}

} // namespace quilora::ui
