// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>

namespace contentgen {

// Writes img0 .. img4 under the given data folder: the pictures, setname.txt (the set's name in
// Russian, then in English) and names.txt (each picture's name for a screen reader).
void writePictureSets(const QDir& dataDir);

} // namespace contentgen
