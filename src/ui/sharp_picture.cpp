#include "ui/sharp_picture.h"

#include <QImageReader>

namespace quilora::ui {

QString doubleSizePath(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= path.lastIndexOf(QLatin1Char('/')))
        return path + QLatin1String("@2x");
    return QString(path).insert(dot, QLatin1String("@2x"));
}

QPixmap sharpPicture(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1) {
        // Only the header of the small file is read: it tells the size to draw at, and a @2x file
        // of another size belongs to some other picture (a set whose small files were replaced).
        const QSize logical = QImageReader(path).size();
        QImage large = QImageReader(doubleSizePath(path)).read();
        if (logical.isValid() && !large.isNull() && large.size() == logical * 2) {
            const QSize device(qRound(logical.width() * devicePixelRatio),
                               qRound(logical.height() * devicePixelRatio));
            if (device != large.size())
                large = large.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            large.setDevicePixelRatio(devicePixelRatio);
            return QPixmap::fromImage(std::move(large));
        }
    }
    return QPixmap(path);
}

} // namespace quilora::ui
