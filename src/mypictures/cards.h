// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

namespace quilora::mypictures {

// The lettering of a name card, in pixels of the 1x card: as large as the larger, shrunk for a
// long name down to the smaller, below which it is no longer read at a glance.
constexpr double kLargestLettering = 20;
constexpr double kSmallestLettering = 9;

// The part `crop` of `photo` on a card of `scale` times 90 x 80 pixels, edged like the shipped
// cards.
QImage photoCard(const QImage& photo, const QRectF& crop, int scale);

// A name on a card in the style of the shipped word cards, on one line or broken at a space
// onto two, at `scale` times 90 x 80 pixels. A null image when the name is empty or would need
// lettering below kSmallestLettering.
QImage nameCard(const QString& name, int scale);

// The name as it is put on a card and into the set's files: runs of spaces, tabs and line ends
// made one space, none at the ends.
QString tidyName(const QString& name);

} // namespace quilora::mypictures
