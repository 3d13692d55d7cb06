// SPDX-License-Identifier: GPL-3.0-or-later
#include "icons.h"

#include "glyphs.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace contentgen {
namespace {

constexpr int kIconSize = 16;
constexpr int kWork = 128; // drawn large, then scaled down smoothly

QImage fitIcon(const QImage& large, int size) {
    const QImage small = large.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.drawImage((size - small.width()) / 2, (size - small.height()) / 2, small);
    return icon;
}

// "No choice": a plain grey face whose features are a question mark, neither boy nor girl.
QImage questionFace() {
    QImage image(kWork, kWork, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(95, 105, 125), 8));
    p.setBrush(QColor(205, 214, 228));
    p.drawEllipse(QRectF(6, 6, kWork - 12, kWork - 12));
    QPainterPath mark;
    mark.addText(0, 0, boldSans(), "?");
    const QRectF box = mark.boundingRect();
    const qreal scale = 78 / box.height();
    QTransform t;
    t.translate(kWork / 2.0, kWork / 2.0);
    t.scale(scale, scale);
    t.translate(-box.center().x(), -box.center().y());
    p.fillPath(t.map(mark), QColor(55, 65, 90));
    return image;
}

// The program icon: a face-down card behind a face-up one with a lion. Drawn afresh at every
// size rather than scaled from one bitmap. Below 48 pixels the cards stand upright on whole
// pixels with a one-pixel outline: tilted edges that small smear into a blur.
QImage applicationIcon(int size) {
    const qreal unit = size / 128.0; // the drawing is laid out on a 128 x 128 grid
    const bool hinted = size < 48;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QColor outline(70, 78, 100);
    struct Card {
        QPointF centre; // on the grid
        qreal angle;
        QColor fill;
    };
    const Card back{{46, hinted ? 58.0 : 64.0}, -12, QColor(134, 138, 163)};
    const Card front{{82, hinted ? 70.0 : 64.0}, 8, QColor(240, 248, 236)};
    const QSizeF cardSize(68, 92);
    const auto drawCard = [&](const Card& c) {
        p.save();
        if (hinted) {
            const QRectF grid(c.centre.x() - cardSize.width() / 2,
                              c.centre.y() - cardSize.height() / 2, cardSize.width(),
                              cardSize.height());
            const QRect pixels(
                QPoint(int(std::lround(grid.left() * unit)), int(std::lround(grid.top() * unit))),
                QPoint(int(std::lround(grid.right() * unit)) - 1,
                       int(std::lround(grid.bottom() * unit)) - 1));
            p.setPen(QPen(outline, 1));
            p.setBrush(c.fill);
            const qreal radius = std::max(1.5, 9 * unit);
            p.drawRoundedRect(QRectF(pixels).adjusted(0.5, 0.5, 0.5, 0.5), radius, radius);
        } else {
            p.scale(unit, unit);
            p.translate(c.centre);
            p.rotate(c.angle);
            p.setPen(QPen(outline, 4));
            p.setBrush(c.fill);
            p.drawRoundedRect(
                QRectF(QPointF(-cardSize.width() / 2, -cardSize.height() / 2), cardSize), 9, 9);
        }
        p.restore();
    };
    drawCard(back);
    drawCard(front);
    // Scaled to its final pixel size first: one smooth downscale from the emoji's large bitmap is
    // sharper than letting the painter shrink it.
    const int lionPixels = std::max(1, int(std::lround(56 * unit)));
    const QImage lion = renderEmoji("🦁").scaled(lionPixels, lionPixels, Qt::KeepAspectRatio,
                                                   Qt::SmoothTransformation);
    p.translate(front.centre * unit);
    if (!hinted)
        p.rotate(front.angle);
    p.drawImage(QPointF(-lion.width() / 2.0, -lion.height() / 2.0), lion);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void savePng(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

void writeIcons(const QDir& iconDir, const QDir& desktopIconDir) {
    if (!iconDir.mkpath(".") || !desktopIconDir.mkpath("."))
        throw std::runtime_error("cannot create the icon folders");
    // 4 boy, 5 girl, 6 no choice, 7 friend (one smiling face: two figures blur together at this
    // size); the rest are neutral marks of honour.
    const QImage drawings[] = {
        renderEmoji("⭐"), renderEmoji("🏆"), renderEmoji("🥇"), renderEmoji("👦"),
        renderEmoji("👧"), questionFace(),   renderEmoji("😊"),    renderEmoji("❤️"),
    };
    // N@2x.png beside N.png: QIcon loads it by itself for a screen that scales by 2.
    QByteArray qrc = "<RCC>\n    <qresource prefix=\"/icons\">\n";
    for (const int scale : {1, 2}) {
        for (int i = 0; i < 8; ++i) {
            const QString name = scale == 1 ? QStringLiteral("%1.png").arg(i + 1)
                                            : QStringLiteral("%1@2x.png").arg(i + 1);
            savePng(fitIcon(drawings[i], kIconSize * scale), iconDir.filePath(name));
            qrc += "        <file>" + name.toUtf8() + "</file>\n";
        }
    }
    savePng(applicationIcon(64), iconDir.filePath("app.png"));
    qrc += "        <file>app.png</file>\n";
    qrc += "    </qresource>\n</RCC>\n";
    QFile file(iconDir.filePath("icons.qrc"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(qrc) != qrc.size())
        throw std::runtime_error("cannot write icons.qrc");

    for (const int size : {16, 32, 48, 128, 256})
        savePng(applicationIcon(size),
                desktopIconDir.filePath(QStringLiteral("quilora-%1.png").arg(size)));
}

} // namespace contentgen
