// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>

namespace contentgen {

// Writes the records list icons 1.png .. 8.png, the 64 x 64 window icon app.png and icons.qrc
// into iconDir, and the program icon at the sizes a desktop installation asks for into
// desktopIconDir as quilora-<size>.png.
void writeIcons(const QDir& iconDir, const QDir& desktopIconDir);

} // namespace contentgen
