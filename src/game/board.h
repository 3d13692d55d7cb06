// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

namespace quilora::game {

inline constexpr int kSlotCount = 24;
inline constexpr int kColumns = 6;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Where card slot n lies on the main window, in pixels: six columns, four rows, row by row.
constexpr Rect slotGeometry(int slot) {
    return {16 + 104 * (slot % kColumns), 40 + 94 * (slot / kColumns), 90, 80};
}

// A window timer as the model sees it: it ticks only while enabled with a period.
struct Timer {
    bool Enabled = false;
    int Interval = 0; // milliseconds
    bool ticking() const { return Enabled && Interval > 0; }
    friend bool operator==(const Timer&, const Timer&) = default;
};

// 16-bit counters stop at their limit instead of wrapping into negative values.
inline std::int16_t saturatingIncrement(std::int16_t value) {
    return value == INT16_MAX ? value : static_cast<std::int16_t>(value + 1);
}

// The picture number of a card: its path's last six characters without path separators and
// ".gif", read as a leading decimal number (0 when there is none).
int pictureNumber(const QString& cardFile);

} // namespace quilora::game
