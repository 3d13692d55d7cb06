// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>

namespace quilora::mypictures {

// Cards are 90 x 80 pixels, and twice that for screens of double density.
constexpr int kCardWidth = 90;
constexpr int kCardHeight = 80;

// The part of a photo that goes on its card: a 9:8 frame that always lies inside the photo. It
// starts as the largest centred frame; zooming shrinks it about its centre.
class Crop {
public:
    static constexpr double kMaxZoom = 4.0;

    Crop() = default;
    explicit Crop(QSize photo);
    // A frame as it was kept: centred on `centre` at `zoom`, as far as the photo allows.
    Crop(QSize photo, QPointF centre, double zoom);

    // In the photo's pixels.
    QRectF rect() const;
    double zoom() const { return zoom_; }
    QPointF centre() const { return centre_; }
    QSize photoSize() const { return photo_; }

    // Moves the frame by this many photo pixels, as far as the photo allows.
    void moveBy(QPointF delta);
    // 1 is the largest frame, kMaxZoom the smallest; the centre stays where the photo allows.
    void setZoom(double zoom);

private:
    void keepInside();

    QSize photo_;
    QPointF centre_;
    double zoom_ = 1.0;
};

} // namespace quilora::mypictures
