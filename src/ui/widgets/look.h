// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/rgb.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QWidget>

#include <optional>

namespace quilora::ui {

// How the windows look: colours, faces and the labels placed on them.

inline QColor toColor(const core::Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The widget's own face at another size and weight.
QFont sizedFont(const QWidget* widget, qreal pointSize, bool bold);

void setTextColour(QWidget* widget, const QColor& colour);

// Only the background itself: a panel's buttons keep their own colour. Unset: the style's
// button colour.
void setBackground(QWidget* widget, const std::optional<core::Rgb>& rgb);

// A centred label at a place, in a face and colour (none: the default text colour).
template <typename Label>
Label* placedLabel(QWidget* parent, const QRect& geometry, const QFont& font,
                   const QColor& text = QColor()) {
    auto* label = new Label(parent);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    if (text.isValid())
        setTextColour(label, text);
    return label;
}

} // namespace quilora::ui
