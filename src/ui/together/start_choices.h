// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "together/match.h"

#include <QString>

#include <array>

namespace quilora::ui {

// What the start window offers and brings back the next time: four players' rows, of which the
// first `players` play, and the picture set. A name is kept as typed, empty included.
struct StartChoices {
    static constexpr int kNameLength = 16;
    int players = 2;
    std::array<together::Player, together::kMaxPlayers> seats{};
    int pictureSet = 0;
};

// The choices kept in `path` (a few "key=value" lines), unusable values replaced by the defaults:
// two persons, a fair memory for a computer, the picture set `defaultSet`. A file that cannot be
// read, or is no regular file, gives the defaults.
StartChoices readStartChoices(const QString& path, int defaultSet);

// Keeps the choices for the next time; false when the file cannot be written.
bool writeStartChoices(const QString& path, const StartChoices& choices);

} // namespace quilora::ui
