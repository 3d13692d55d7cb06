// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/shadow_label.h"

#include <QPainter>

namespace quilora::ui {

void ShadowLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setPen(QColor(0, 0, 0, 150));
    painter.drawText(area.translated(1, 1), int(alignment()), text());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, int(alignment()), text());
}

} // namespace quilora::ui
