// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>

namespace contentgen {

// Writes the game's six sounds into sounds/ under the given data folder.
void writeSounds(const QDir& dataDir);

} // namespace contentgen
