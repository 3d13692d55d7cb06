#pragma once

#include <QDir>

namespace contentgen {

// Writes the records list icons 1.png .. 8.png and icons.qrc into the given folder.
void writeIcons(const QDir& iconDir);

} // namespace contentgen
