// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include "core/rounding.h"

namespace quilora::ui {

// Window layouts are designed in twips; 15 twips make one pixel.
inline QRect twips(int left, int top, int width, int height) {
    const auto px = [](int value) { return static_cast<int>(core::roundHalfAway(value / 15.0)); };
    return {px(left), px(top), px(width), px(height)};
}

} // namespace quilora::ui
