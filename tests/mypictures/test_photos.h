// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace quilora::testing {

// Photo `k` of a set: a plain colour of its own, plainly unlike the others', with a dark square at
// its centre.
inline QImage photo(int k) {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(k * 30, 200, 230));
    QPainter(&image).fillRect(170, 120, 60, 60, Qt::black);
    return image;
}

// Whether two colours are alike, within what scaling and encoding change.
inline bool near(QColor a, QColor b) {
    return std::max({qAbs(a.red() - b.red()), qAbs(a.green() - b.green()),
                     qAbs(a.blue() - b.blue())}) <= 40;
}

} // namespace quilora::testing
