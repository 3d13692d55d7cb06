// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace quilora::ui {

// The double-size file beside a picture, as Qt names it: ".../img0/3.gif" -> ".../img0/3@2x.gif".
QString doubleSizePath(const QString& path);

// What the game may read of a picture of one kind: a file of at most `bytes`, whose header
// tells at most `largest` pixels each way.
struct PictureLimits {
    qint64 bytes;
    QSize largest;
};
// A card is 90 x 80 (180 x 160 at twice the size): a card file may be four times that each way.
inline constexpr PictureLimits kCardLimits{1 << 20, {720, 640}};
// The window is 641 x 425: a background may be twice its double size each way.
inline constexpr PictureLimits kBackgroundLimits{8 << 20, {2564, 1700}};

// The bytes of a picture file and, for a dense screen, of its double-size file: read once, so
// that what is drawn later is what was there when they were read.
struct PictureFiles {
    QByteArray picture;
    QByteArray doubleSize;
    QByteArray format; // the files' suffix
};
PictureFiles readPictureFiles(const QString& path, bool dense, const PictureLimits& limits);

// The picture ready to draw at its own (logical) size on a screen with the given device pixel
// ratio. At a ratio of 1 or less that is the picture itself. Above 1 it comes from the
// double-size file: as it is at a ratio of 2, smoothly scaled to the screen's pixels at any
// other ratio, carrying that ratio so that it draws at the logical size. Without a readable
// double-size file of exactly twice the picture's size, it is the picture itself again. Null
// when neither can be read within the limits.
QPixmap sharpPicture(const PictureFiles& files, qreal devicePixelRatio,
                     const PictureLimits& limits);
QPixmap sharpPicture(const QString& path, qreal devicePixelRatio, const PictureLimits& limits);

// Card pictures, each decoded once for the screen's scale from the bytes read when it was dealt;
// a change of scale decodes them again.
class CardPictures {
public:
    QPixmap get(const QString& path, const QHash<QString, PictureFiles>& files, qreal ratio);
    void clear() { pictures_.clear(); }

private:
    QHash<QString, QPixmap> pictures_;
    qreal ratio_ = 0;
};

} // namespace quilora::ui
