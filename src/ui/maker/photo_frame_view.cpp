// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/maker/photo_frame_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

namespace quilora::ui {

PhotoFrameView::PhotoFrameView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(280, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PhotoFrameView::showPhoto(const QImage& photo, const mypictures::Crop& crop) {
    photo_ = photo;
    crop_ = crop;
    setCursor(photo_.isNull() ? Qt::ArrowCursor : Qt::OpenHandCursor);
    // Empty, it takes no keys, so Tab passes it by.
    setFocusPolicy(photo_.isNull() ? Qt::NoFocus : Qt::StrongFocus);
    update();
}

void PhotoFrameView::setZoom(double zoom) {
    if (photo_.isNull() || zoom == crop_.zoom())
        return;
    crop_.setZoom(zoom);
    update();
    emit cropChanged();
}

double PhotoFrameView::viewScale() const {
    return std::min(width() / static_cast<double>(photo_.width()),
                    height() / static_cast<double>(photo_.height()));
}

QRectF PhotoFrameView::photoArea() const {
    const QSizeF size = QSizeF(photo_.size()) * viewScale();
    return {(width() - size.width()) / 2, (height() - size.height()) / 2, size.width(),
            size.height()};
}

void PhotoFrameView::moveFrame(QPointF viewDelta) {
    crop_.moveBy(viewDelta / viewScale());
    update();
    emit cropChanged();
}

void PhotoFrameView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (photo_.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF area = photoArea();
    painter.drawImage(area, photo_);
    const QRectF crop = crop_.rect();
    const QRectF frame(area.topLeft() + crop.topLeft() * viewScale(), crop.size() * viewScale());
    // What stays off the card is dimmed, so the card's part stands out.
    QPainterPath outside;
    outside.addRect(area);
    outside.addRect(frame);
    painter.fillPath(outside, QColor(0, 0, 0, 130));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(20, 20, 20), 3));
    painter.drawRect(frame.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(QPen(Qt::white, 1.5));
    painter.drawRect(frame.adjusted(0.5, 0.5, -0.5, -0.5));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void PhotoFrameView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || photo_.isNull())
        return;
    dragFrom_ = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void PhotoFrameView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragFrom_)
        return;
    moveFrame(event->position() - *dragFrom_);
    dragFrom_ = event->position();
}

void PhotoFrameView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragFrom_)
        return;
    dragFrom_.reset();
    setCursor(Qt::OpenHandCursor);
}

void PhotoFrameView::wheelEvent(QWheelEvent* event) {
    if (photo_.isNull())
        return;
    // One notch of an ordinary wheel (120) zooms by a tenth; a fine wheel's or a touchpad's
    // smaller steps add up to notches.
    wheelRest_ += event->angleDelta().y();
    double zoom = crop_.zoom();
    for (; wheelRest_ >= 120; wheelRest_ -= 120)
        zoom *= 1.1;
    for (; wheelRest_ <= -120; wheelRest_ += 120)
        zoom /= 1.1;
    setZoom(zoom);
    event->accept();
}

void PhotoFrameView::keyPressEvent(QKeyEvent* event) {
    if (photo_.isNull())
        return QWidget::keyPressEvent(event);
    const double step = 8;
    switch (event->key()) {
    case Qt::Key_Left:
        return moveFrame({-step, 0});
    case Qt::Key_Right:
        return moveFrame({step, 0});
    case Qt::Key_Up:
        return moveFrame({0, -step});
    case Qt::Key_Down:
        return moveFrame({0, step});
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return setZoom(crop_.zoom() * 1.1);
    case Qt::Key_Minus:
        return setZoom(crop_.zoom() / 1.1);
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace quilora::ui
