// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/side_button.h"

#include "ui/widgets/focus_frames.h"

#include <QPainter>

namespace quilora::ui {

namespace {

// A rectangle with its corners cut by two pixels, which reads as rounded at this size; drawn
// from rectangles alone, so that it stays on whole pixels at every scale.
void fillRounded(QPainter& painter, const QRect& area, const QColor& colour) {
    painter.fillRect(area.adjusted(2, 0, -2, 0), colour);
    painter.fillRect(area.adjusted(1, 1, -1, -1), colour);
    painter.fillRect(area.adjusted(0, 2, 0, -2), colour);
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
    fillRounded(painter, rect(), focusFrame ? colour.darker(250) : colour.darker(170));
    const QColor face = isDown() ? colour.darker(115) : underMouse() ? colour.lighter(108) : colour;
    fillRounded(painter, rect().adjusted(border, border, -border, -border), face);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().adjusted(3 + border, 1 + border, -3 - border, -1 - border),
                     Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

} // namespace quilora::ui
