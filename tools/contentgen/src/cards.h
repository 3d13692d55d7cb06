#pragma once

#include <QDir>

namespace contentgen {

// Writes img0 .. img4 (pictures and setname.txt) under the given data folder.
void writePictureSets(const QDir& dataDir);

} // namespace contentgen
