// SPDX-License-Identifier: GPL-3.0-or-later
#include "glyphs.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include <stdexcept>

namespace contentgen {
namespace {

QImage trimmed(const QImage& image) {
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) > 12) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        throw std::runtime_error("glyph rendered empty");
    return image.copy(left, top, right - left + 1, bottom - top + 1);
}

} // namespace

// The colour emoji font holds bitmaps; drawing near their native strike size keeps them sharp
// before the smooth downscale to card or icon size.
QImage renderEmoji(const QString& emoji) {
    QFont font("Noto Color Emoji");
    font.setPixelSize(109);
    // Without the font, Qt would substitute monochrome outlines from another one.
    if (QFontInfo(font).family() != font.family() ||
        !QFontMetrics(font).inFontUcs4(emoji.toUcs4().value(0)))
        throw std::runtime_error("no colour emoji glyph for " + emoji.toStdString());
    QImage canvas(192, 192, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setFont(font);
    p.drawText(canvas.rect(), Qt::AlignCenter, emoji);
    p.end();
    return trimmed(canvas.convertToFormat(QImage::Format_ARGB32));
}

QFont boldSans() {
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(200);
    if (QFontInfo(font).family() != font.family())
        throw std::runtime_error("DejaVu Sans is not installed");
    return font;
}

} // namespace contentgen
