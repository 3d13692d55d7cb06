// SPDX-License-Identifier: GPL-3.0-or-later
#include "mypictures/cards.h"

#include "mypictures/crop.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace quilora::mypictures {
namespace {

// The shipped word cards: a pale face, a warm frame, one dark neutral ink.
const QColor kFace(255, 254, 246);
const QColor kFrame(200, 185, 150);
const QColor kInk(44, 46, 52);
// Inside the inner frame line (pixels 4 and 85 across, 4 and 75 down), 8 pixels kept clear.
const QRectF kLetterBox(13.25, 13.25, 63.5, 53.5);
constexpr double kReferenceSize = 100;

QImage blankCard(int scale) {
    QImage card(kCardWidth * scale, kCardHeight * scale, QImage::Format_RGB32);
    card.fill(kFace);
    return card;
}

// Drawn in 1x coordinates, so the 2x card is the same card, only sharper.
void drawEdge(QPainter& painter, const QColor& colour) {
    painter.setPen(QPen(colour, 1));
    painter.drawRect(QRectF(0.5, 0.5, kCardWidth - 1, kCardHeight - 1));
}

QFont letteringFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(kReferenceSize));
    return font;
}

// The lines at the reference size, each centred on x = 0 with its baseline a line apart.
QPainterPath linesPath(const QStringList& lines) {
    const QFont font = letteringFont();
    const double spacing = QFontMetricsF(font).lineSpacing();
    QPainterPath all;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QPainterPath line;
        line.addText(0, 0, font, lines[i]);
        all.addPath(line.translated(-line.boundingRect().center().x(), spacing * i));
    }
    return all;
}

// The scale from the reference size that fits the lettering into its box, at most the largest.
double fittingScale(const QPainterPath& path) {
    const QRectF ink = path.boundingRect();
    return std::min({kLargestLettering / kReferenceSize, kLetterBox.width() / ink.width(),
                     kLetterBox.height() / ink.height()});
}

// One line, or two broken at the space that gives the largest lettering.
QPainterPath bestLayout(const QString& name) {
    QPainterPath best = linesPath({name});
    double bestScale = fittingScale(best);
    for (qsizetype at = name.indexOf(QLatin1Char(' ')); at >= 0;
         at = name.indexOf(QLatin1Char(' '), at + 1)) {
        const QPainterPath two = linesPath({name.left(at), name.mid(at + 1)});
        const double scale = fittingScale(two);
        if (scale > bestScale) {
            best = two;
            bestScale = scale;
        }
    }
    return best;
}

} // namespace

QString tidyName(const QString& name) {
    return name.simplified();
}

QImage photoCard(const QImage& photo, const QRectF& crop, int scale) {
    const QRect part = crop.toRect().intersected(photo.rect());
    // QImage's smooth scaling averages every source pixel; a painter's would only sample.
    QImage card = photo.copy(part)
                      .scaled(kCardWidth * scale, kCardHeight * scale, Qt::IgnoreAspectRatio,
                              Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_RGB32);
    QPainter painter(&card);
    painter.scale(scale, scale);
    // A thin edge keeps neighbouring photos apart, as the printed cards' edge does.
    drawEdge(painter, QColor(44, 46, 52, 110));
    return card;
}

QImage nameCard(const QString& name, int scale) {
    const QString text = tidyName(name);
    if (text.isEmpty())
        return {};
    const QPainterPath path = bestLayout(text);
    const double fit = fittingScale(path);
    if (fit * kReferenceSize < kSmallestLettering)
        return {};

    QImage card = blankCard(scale);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    drawEdge(painter, kFrame.darker(115));
    painter.setPen(QPen(kFrame, 1.5));
    painter.drawRoundedRect(QRectF(3.5, 3.5, kCardWidth - 7, kCardHeight - 7), 7, 7);
    QTransform place;
    place.translate(kLetterBox.center().x(), kLetterBox.center().y());
    place.scale(fit, fit);
    place.translate(-path.boundingRect().center().x(), -path.boundingRect().center().y());
    painter.fillPath(place.map(path), kInk);
    return card;
}

} // namespace quilora::mypictures
