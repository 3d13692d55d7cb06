// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/card_slot.h"

#include "ui/widgets/focus_frames.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quilora::ui {

CardSlot::CardSlot(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CardSlot::showFace(const QColor& colour, const QPixmap& picture) {
    if (colour == colour_ && picture.cacheKey() == picture_.cacheKey())
        return;
    colour_ = colour;
    picture_ = picture;
    update();
    spokenNameChanged();
}

void CardSlot::spokenNameChanged() {
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void CardSlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    if (!picture_.isNull())
        painter.drawPixmap(0, 0, picture_);
    if (showsFocusFrame(this)) {
        // Dark and light together, so the frame shows on every card colour and picture.
        painter.setPen(QPen(QColor(20, 20, 20), 3));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
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

void CardSlot::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        emit moveFocus(index_, -1, 0);
        break;
    case Qt::Key_Right:
        emit moveFocus(index_, 1, 0);
        break;
    case Qt::Key_Up:
        emit moveFocus(index_, 0, -1);
        break;
    case Qt::Key_Down:
        emit moveFocus(index_, 0, 1);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked(index_);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace quilora::ui
