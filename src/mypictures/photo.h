// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mypictures/texts.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace quilora::mypictures {

// A photo is kept at a working size: enough for the largest card at the deepest zoom, small
// enough that twelve of a camera's photos fit easily in memory.
constexpr int kWorkingShortSide = 960;
constexpr int kWorkingLongSide = 4096;

// The size a photo of `stored` pixels is decoded at: scaled down, never up, keeping its shape.
QSize workingSize(QSize stored);

// A photo read upright (after its EXIF orientation, or a HEIF's or AVIF's own rotation),
// decoded at most at its working size, with any transparency laid on white; opaque RGB32.
struct LoadedPhoto {
    QImage image;                // null when the photo could not be used
    std::optional<Text> problem; // why: MakerPhotoUnreadable or MakerPhotoTooLarge
    // What the player should know of a photo that is used, and may keep or replace: its file
    // ended before its picture did, the decoder filling the rest (MakerPhotoCutOff), or its
    // card's frame would be enlarged (MakerPhotoTooSmall).
    std::optional<Text> warning;
};
LoadedPhoto loadPhoto(const QString& path);

// The file name patterns of every picture format the maker reads ("*.jpg *.png ... *.heic"):
// Qt's, and HEIF and AVIF through the maker's module.
QString readablePatterns();

} // namespace quilora::mypictures
