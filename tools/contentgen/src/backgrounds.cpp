// SPDX-License-Identifier: GPL-3.0-or-later
#include "backgrounds.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <stdexcept>

namespace contentgen {
namespace {

constexpr int kWidth = 641;
constexpr int kHeight = 425;
constexpr QRect kArea(0, 0, kWidth, kHeight);
constexpr int kJpegQuality = 90;

// A tiny generator of our own: std distributions differ between standard libraries, and the
// pictures must come out the same everywhere.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed) {}
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return (state_ & 0xffffff) / double(0x1000000);
    }
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    std::uint32_t state_;
};

// Each background is painted at `scale` times its size from the same shapes and random draws.
QImage canvas(int scale) {
    QImage image(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void verticalGradient(QPainter& p, const QColor& top, const QColor& bottom) {
    QLinearGradient g(0, 0, 0, kHeight);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(0, 0, kWidth, kHeight, g);
}

// The game's clock is white text straight on the picture at the top right, so every picture
// keeps its top strip dark enough for it.

// Soft rolling hills under a sky, the sun peeking in at the top-left corner.
QImage meadow(int scale) {
    QImage image = canvas(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    QLinearGradient air(0, 0, 0, 170);
    air.setColorAt(0, QColor(72, 142, 212));
    air.setColorAt(1, QColor(196, 229, 248));
    p.fillRect(kArea, air);

    QRadialGradient halo(QPointF(22, 6), 70);
    halo.setColorAt(0, QColor(255, 245, 190, 200));
    halo.setColorAt(1, QColor(255, 245, 190, 0));
    p.fillRect(0, 0, 120, 90, halo);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 212, 70));
    p.drawEllipse(QPointF(22, 4), 19, 19);

    const QColor greens[] = {QColor(176, 214, 140), QColor(150, 200, 118), QColor(124, 184, 98),
                             QColor(102, 166, 84)};
    Random rnd(11);
    for (int layer = 0; layer < 4; ++layer) {
        const double base = 150 + layer * 62;
        const double amp = 22 - layer * 3;
        const double phase = rnd.range(0, 2 * std::numbers::pi);
        const double wave = 0.010 + layer * 0.002;
        QPainterPath hill(QPointF(0, kHeight));
        for (int x = 0; x <= kWidth; x += 4)
            hill.lineTo(x, base + amp * std::sin(x * wave + phase));
        hill.lineTo(kWidth, kHeight);
        hill.closeSubpath();
        p.setBrush(greens[layer]);
        p.drawPath(hill);
    }
    // A sprinkle of tiny flowers on the grass.
    const QColor petals[] = {QColor(255, 255, 255), QColor(255, 200, 220), QColor(255, 235, 120)};
    for (int i = 0; i < 170; ++i) {
        const double x = rnd.range(0, kWidth);
        const double y = rnd.range(190, kHeight);
        p.setBrush(petals[i % 3]);
        p.drawEllipse(QPointF(x, y), 1.8, 1.8);
    }
    return image;
}

// A flat-bottomed cumulus: a rounded base with three puffs on top.
void cloud(QPainter& p, double x, double y, double size, int alpha) {
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    shape.addRoundedRect(QRectF(x - size * 1.2, y - size * 0.45, size * 2.4, size * 0.6),
                         size * 0.3, size * 0.3);
    shape.addEllipse(QPointF(x - size * 0.6, y - size * 0.45), size * 0.42, size * 0.4);
    shape.addEllipse(QPointF(x + size * 0.05, y - size * 0.62), size * 0.58, size * 0.55);
    shape.addEllipse(QPointF(x + size * 0.68, y - size * 0.4), size * 0.38, size * 0.34);
    // Opaque, tinted by the sky behind it: overlapping translucent clouds would show seams.
    const double t = std::clamp(y / kHeight, 0.0, 1.0);
    const double k = alpha / 255.0;
    const QColor sky(int(70 + 106 * t), int(135 + 79 * t), int(210 + 36 * t));
    p.setBrush(QColor(int(255 * k + sky.red() * (1 - k)), int(255 * k + sky.green() * (1 - k)),
                      int(255 * k + sky.blue() * (1 - k))));
    p.drawPath(shape.simplified());
}

// Blue sky with scattered soft clouds; orange cards stand out against it.
QImage sky(int scale) {
    QImage image = canvas(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    verticalGradient(p, QColor(70, 135, 210), QColor(176, 214, 246)); // matched in cloud()
    p.setPen(Qt::NoPen);
    Random rnd(23);
    for (int i = 0; i < 14; ++i)
        cloud(p, rnd.range(-20, kWidth + 20), rnd.range(80, kHeight + 10), rnd.range(20, 42),
              int(rnd.range(120, 200)));
    cloud(p, 34, 17, 20, 240);
    return image;
}

void leaf(QPainter& p, const QPointF& at, double length, double angle, const QColor& colour) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    QPainterPath shape(QPointF(-length / 2, 0));
    shape.quadTo(QPointF(0, -length * 0.42), QPointF(length / 2, 0));
    shape.quadTo(QPointF(0, length * 0.42), QPointF(-length / 2, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(shape);
    p.setPen(QPen(colour.darker(135), 1.2));
    p.drawLine(QPointF(-length / 2 - length * 0.12, 0), QPointF(length * 0.4, 0));
    p.restore();
}

// Autumn leaves on deep forest green; the light blue-grey cards read clearly on it.
QImage leaves(int scale) {
    QImage image = canvas(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    QLinearGradient g(0, 0, kWidth, kHeight);
    g.setColorAt(0, QColor(34, 74, 64));
    g.setColorAt(1, QColor(58, 100, 78));
    p.fillRect(kArea, g);
    const QColor colours[] = {QColor(226, 120, 50, 170), QColor(205, 70, 50, 160),
                              QColor(232, 178, 50, 170), QColor(170, 160, 70, 150)};
    Random rnd(37);
    for (int i = 0; i < 90; ++i)
        leaf(p, QPointF(rnd.range(0, kWidth), rnd.range(20, kHeight)), rnd.range(18, 34),
             rnd.range(0, 360), colours[i % 4]);
    leaf(p, QPointF(12, 9), 20, -25, QColor(226, 120, 50));
    leaf(p, QPointF(36, 8), 20, 20, QColor(205, 70, 50));
    leaf(p, QPointF(60, 9), 20, -40, QColor(232, 178, 50));
    return image;
}

// Deep night sky with stars and a crescent moon; the pink cards glow against it.
QImage night(int scale) {
    QImage image = canvas(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    verticalGradient(p, QColor(22, 32, 78), QColor(58, 46, 112));
    p.setPen(Qt::NoPen);
    Random rnd(41);
    for (int i = 0; i < 260; ++i) {
        const double r = rnd.next() < 0.85 ? rnd.range(0.6, 1.2) : rnd.range(1.4, 2.0);
        p.setBrush(QColor(255, 250, 225, int(rnd.range(120, 255))));
        p.drawEllipse(QPointF(rnd.range(0, kWidth), rnd.range(0, kHeight)), r, r);
    }
    // A few four-pointed sparkles, two of them in the corner the options dialog shows.
    auto sparkle = [&p](double x, double y, double s) {
        QPainterPath star(QPointF(x, y - s));
        star.quadTo(QPointF(x, y), QPointF(x + s, y));
        star.quadTo(QPointF(x, y), QPointF(x, y + s));
        star.quadTo(QPointF(x, y), QPointF(x - s, y));
        star.quadTo(QPointF(x, y), QPointF(x, y - s));
        p.setBrush(QColor(255, 246, 200));
        p.drawPath(star);
    };
    sparkle(40, 7, 6);
    sparkle(62, 11, 4.5);
    for (int i = 0; i < 14; ++i)
        sparkle(rnd.range(0, kWidth), rnd.range(0, kHeight), rnd.range(3, 5.5));
    QPainterPath moon;
    moon.addEllipse(QPointF(15, 9), 8, 8);
    QPainterPath bite;
    bite.addEllipse(QPointF(19.5, 6.5), 7, 7);
    p.setBrush(QColor(255, 236, 150));
    p.drawPath(moon.subtracted(bite));
    return image;
}

QImage plain(int scale) {
    QImage image = canvas(scale);
    image.fill(QColor(180, 180, 180));
    return image;
}

} // namespace

void writeBackgrounds(const QDir& dataDir) {
    if (!dataDir.mkpath("back"))
        throw std::runtime_error("cannot create back folder");
    const QDir dir(dataDir.filePath("back"));
    QImage (*const paint[])(int) = {plain, meadow, sky, leaves, night};
    for (const int scale : {1, 2}) {
        const QString name =
            scale == 1 ? QStringLiteral("back%1.jpg") : QStringLiteral("back%1@2x.jpg");
        for (int i = 0; i < 5; ++i) {
            const QString path = dir.filePath(name.arg(i));
            if (!paint[i](scale).save(path, "JPG", kJpegQuality))
                throw std::runtime_error("cannot write " + path.toStdString());
        }
    }
}

} // namespace contentgen
