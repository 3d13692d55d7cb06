#include "icons.h"

#include "glyphs.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>

#include <stdexcept>

namespace contentgen {
namespace {

constexpr int kIconSize = 16;
constexpr int kWork = 128; // drawn large, then scaled down smoothly

QImage fitIcon(const QImage& large) {
    const QImage small =
        large.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage icon(kIconSize, kIconSize, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.drawImage((kIconSize - small.width()) / 2, (kIconSize - small.height()) / 2, small);
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

// The window icon: a face-down card behind a face-up one.
QImage applicationIcon() {
    constexpr int size = 64;
    QImage image(kWork, kWork, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF card(-34, -40, 68, 80);
    const auto drawCard = [&](qreal x, qreal angle, const QColor& fill) {
        p.save();
        p.translate(x, kWork / 2.0);
        p.rotate(angle);
        p.setPen(QPen(QColor(70, 78, 100), 4));
        p.setBrush(fill);
        p.drawRoundedRect(card, 9, 9);
        p.restore();
    };
    drawCard(48, -14, QColor(134, 138, 163));
    drawCard(80, 9, QColor(240, 248, 236));
    const QImage lion =
        renderEmoji("🦁").scaled(52, 52, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.translate(80, kWork / 2.0);
    p.rotate(9);
    p.drawImage(-lion.width() / 2, -lion.height() / 2, lion);
    p.end();
    return image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace

void writeIcons(const QDir& iconDir) {
    if (!iconDir.mkpath("."))
        throw std::runtime_error("cannot create the icon folder");
    // 4 boy, 5 girl, 6 no choice, 7 friend; the rest are neutral marks of honour.
    const QImage icons[] = {
        fitIcon(renderEmoji("⭐")), fitIcon(renderEmoji("🏆")),      fitIcon(renderEmoji("🥇")),
        fitIcon(renderEmoji("👦")), fitIcon(renderEmoji("👧")),      fitIcon(questionFace()),
        fitIcon(renderEmoji("👫")), fitIcon(renderEmoji("❤️")),
    };
    QByteArray qrc = "<RCC>\n    <qresource prefix=\"/icons\">\n";
    for (int i = 0; i < 8; ++i) {
        const QString name = QStringLiteral("%1.png").arg(i + 1);
        if (!icons[i].save(iconDir.filePath(name), "PNG"))
            throw std::runtime_error("cannot write icon " + name.toStdString());
        qrc += "        <file>" + name.toUtf8() + "</file>\n";
    }
    if (!applicationIcon().save(iconDir.filePath("app.png"), "PNG"))
        throw std::runtime_error("cannot write the window icon");
    qrc += "        <file>app.png</file>\n";
    qrc += "    </qresource>\n</RCC>\n";
    QFile file(iconDir.filePath("icons.qrc"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(qrc) != qrc.size())
        throw std::runtime_error("cannot write icons.qrc");
}

} // namespace contentgen
