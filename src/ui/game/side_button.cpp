// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/side_button.h"

#include "ui/widgets/focus_frames.h"

#include <QPainter>

namespace quilora::ui {

namespace {

// A rectangle with its corners cut by `cut` pixels, which reads as rounded at this size; drawn
// from whole rectangles alone, in the screen's own pixels, so that it stays crisp at every scale.
void fillRounded(QPainter& painter, const QRect& area, int cut, const QColor& colour) {
    for (int i = 0; i <= cut; ++i)
        painter.fillRect(area.adjusted(cut - i, i, i - cut, -i), colour);
}

} // namespace

SideButton::SideButton(QWidget* parent) : QPushButton(parent) {
    setAttribute(Qt::WA_Hover);
}

void SideButton::setFlatColour(const std::optional<QColor>& colour) {
    colour_ = colour;
    update();
}

void SideButton::paintEvent(QPaintEvent* event) {
    if (!colour_)
        return QPushButton::paintEvent(event);
    const QColor& colour = *colour_;
    QPainter painter(this);
    const bool focusFrame = showsFocusFrame(this);
    const int border = focusFrame ? 2 : 1;
    const qreal ratio = devicePixelRatioF();
    const int pixel = std::max(1, qRound(ratio)); // one window pixel in screen pixels
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    const QRect area(0, 0, qRound(width() * ratio), qRound(height() * ratio));
    const int inset = border * pixel;
    fillRounded(painter, area, 2 * pixel, focusFrame ? colour.darker(250) : colour.darker(170));
    const QColor face = isDown() ? colour.darker(115) : underMouse() ? colour.lighter(108) : colour;
    fillRounded(painter, area.adjusted(inset, inset, -inset, -inset), 2 * pixel, face);
    painter.restore();
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().adjusted(3 + border, 1 + border, -3 - border, -1 - border),
                     Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

} // namespace quilora::ui
