// SPDX-License-Identifier: GPL-3.0-or-later
#include "mypictures/crop.h"

#include <algorithm>

namespace quilora::mypictures {
namespace {

QSizeF largestFrame(QSize photo) {
    const double width = std::min<double>(photo.width(), photo.height() * kCardWidth /
                                                             static_cast<double>(kCardHeight));
    return {width, width * kCardHeight / kCardWidth};
}

// Where the frame spans the whole side, rounding may put lo a hair above hi: then the middle.
double keepBetween(double value, double lo, double hi) {
    return lo >= hi ? (lo + hi) / 2 : std::clamp(value, lo, hi);
}

} // namespace

Crop::Crop(QSize photo) : photo_(photo), centre_(photo.width() / 2.0, photo.height() / 2.0) {}

Crop::Crop(QSize photo, QPointF centre, double zoom) : photo_(photo), centre_(centre) {
    setZoom(zoom);
}

QRectF Crop::rect() const {
    const QSizeF size = largestFrame(photo_) / zoom_;
    return {centre_.x() - size.width() / 2, centre_.y() - size.height() / 2, size.width(),
            size.height()};
}

void Crop::moveBy(QPointF delta) {
    centre_ += delta;
    keepInside();
}

void Crop::setZoom(double zoom) {
    zoom_ = std::clamp(zoom, 1.0, kMaxZoom);
    keepInside();
}

void Crop::keepInside() {
    const QSizeF half = largestFrame(photo_) / zoom_ / 2;
    centre_.setX(keepBetween(centre_.x(), half.width(), photo_.width() - half.width()));
    centre_.setY(keepBetween(centre_.y(), half.height(), photo_.height() - half.height()));
}

} // namespace quilora::mypictures
