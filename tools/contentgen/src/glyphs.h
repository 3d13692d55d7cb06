// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QString>

namespace contentgen {

// One colour emoji, cropped to its visible pixels. Throws when the emoji font cannot draw it.
QImage renderEmoji(const QString& emoji);

// DejaVu Sans Bold at a large pixel size, for lettering drawn as paths.
// Throws when the family is missing, since a substitute would silently change every card.
QFont boldSans();

} // namespace contentgen
