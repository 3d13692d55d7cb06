// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace contentgen {

// Writes an opaque image as a single-frame GIF with a palette built from the image itself.
// Throws std::runtime_error when the file cannot be written.
void writeGif(const QImage& image, const QString& path);

} // namespace contentgen
