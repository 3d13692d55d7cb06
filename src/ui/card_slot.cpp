#include "ui/card_slot.h"

#include <QMouseEvent>
#include <QPainter>

namespace quilora::ui {

CardSlot::CardSlot(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CardSlot::show(const QColor& colour, const QPixmap& picture) {
    if (colour == colour_ && picture.cacheKey() == picture_.cacheKey())
        return;
    colour_ = colour;
    picture_ = picture;
    update();
}

void CardSlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    if (!picture_.isNull())
        painter.drawPixmap(0, 0, picture_);
}

void CardSlot::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

// A click is a press and a release on the same card, so sliding off a card cancels it.
void CardSlot::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked(index_);
}

} // namespace quilora::ui
