// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>

namespace contentgen {

// Writes back/back0.jpg .. back4.jpg under the given data folder.
void writeBackgrounds(const QDir& dataDir);

} // namespace contentgen
