// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/look.h"

#include <QStyle>

namespace quilora::ui {

QFont sizedFont(const QWidget* widget, qreal pointSize, bool bold) {
    QFont font = widget->font();
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const std::optional<core::Rgb>& rgb) {
    QPalette palette = widget->palette();
    const QColor colour =
        rgb ? toColor(*rgb) : widget->style()->standardPalette().color(QPalette::Button);
    if (palette.color(QPalette::Window) == colour)
        return;
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

} // namespace quilora::ui
