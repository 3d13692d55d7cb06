// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mypictures/crop.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace quilora::ui {

// The whole photo with its card's frame on it: dragging moves the frame over the photo, the
// wheel zooms it; the arrow keys and + / - do the same from the keyboard.
class PhotoFrameView : public QWidget {
    Q_OBJECT

public:
    explicit PhotoFrameView(QWidget* parent = nullptr);

    // Shows a photo and its frame; a null photo empties the view.
    void showPhoto(const QImage& photo, const mypictures::Crop& crop);
    const mypictures::Crop& crop() const { return crop_; }
    void setZoom(double zoom);

    QSize sizeHint() const override { return {360, 320}; }

signals:
    void cropChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Where the photo lies in the view, and how many view pixels make a photo pixel.
    QRectF photoArea() const;
    double viewScale() const;
    // Moves the frame by this many view pixels; the frame follows the hand.
    void moveFrame(QPointF viewDelta);

    QImage photo_;
    mypictures::Crop crop_;
    std::optional<QPointF> dragFrom_;
    int wheelRest_ = 0;
};

} // namespace quilora::ui
