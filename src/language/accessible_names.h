// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/catalogue.h"

#include <QStringList>

#include <optional>

namespace quilora::language {

// A picture set's picture names, line k for picture k of its names.txt: Russian, a tab,
// English.
struct PictureNames {
    QStringList russian;
    QStringList english;
};
PictureNames readPictureNames(const QString& pictureFolder);

// What a screen reader says of card `slot`: "row 2, card 3, face down", "row 2, card 3: cat" or
// "row 2, card 3, found: cat". `picture` is the picture number it shows, none while face down.
QString cardName(int slot, std::optional<int> picture, bool found, const PictureNames& names,
                 Language language);

// What a screen reader calls picture `picture` of a set: its name, or "picture 3" without one.
QString pictureName(int picture, const PictureNames& names, Language language);

// The icon a records row shows, in words: "boy", "girl", "friend", or nothing.
QString iconName(int icon, Language language);

} // namespace quilora::language
