// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quilora::core {

// A colour as red, green and blue, 0 to 255 each.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

} // namespace quilora::core
