#pragma once

#include <QPixmap>
#include <QString>

namespace quilora::ui {

// The double-size file beside a picture, as Qt names it: ".../img0/3.gif" -> ".../img0/3@2x.gif".
QString doubleSizePath(const QString& path);

// The picture at `path` ready to draw at its own (logical) size on a screen with the given device
// pixel ratio. At a ratio of 1 or less that is the file itself, and the @2x file is not read.
// Above 1 it comes from the @2x file: as it is at a ratio of 2, smoothly scaled to the screen's
// pixels at any other ratio, carrying that ratio so that it draws at the logical size. Without a
// readable @2x file of exactly twice the picture's size, it is the file itself again.
QPixmap sharpPicture(const QString& path, qreal devicePixelRatio);

} // namespace quilora::ui
