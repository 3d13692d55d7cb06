#include "cards.h"

#include "gif_writer.h"
#include "glyphs.h"
#include "texts.h"

#include <QPainter>
#include <QPainterPath>

#include <stdexcept>

namespace contentgen {
namespace {

constexpr int kCardW = 90;
constexpr int kCardH = 80;

struct CardStyle {
    QColor fill;
    QColor frame;
};

struct Word {
    const char* emoji;
    const char* text;
    QColor colour;
};

QImage blankCard(const CardStyle& style) {
    QImage card(kCardW, kCardH, QImage::Format_RGB32);
    card.fill(style.fill);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    // A crisp outer edge separates neighbouring cards on busy backgrounds; the inner rounded
    // line gives the face a printed-card look without gradients (which quantise badly).
    p.setPen(QPen(style.frame.darker(115), 1));
    p.drawRect(QRectF(0.5, 0.5, kCardW - 1, kCardH - 1));
    p.setPen(QPen(style.frame, 1.5));
    p.drawRoundedRect(QRectF(3.5, 3.5, kCardW - 7, kCardH - 7), 7, 7);
    return card;
}

QImage emojiCard(const QString& emoji, const CardStyle& style) {
    const QImage glyph =
        renderEmoji(emoji).scaled(72, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage card = blankCard(style);
    QPainter p(&card);
    p.drawImage((kCardW - glyph.width()) / 2, (kCardH - glyph.height()) / 2, glyph);
    return card;
}

// Text as a filled path, so the size is exact and long words can be narrowed instead of shrunk.
QImage textCard(const QString& text, const QColor& colour, qreal height, qreal maxWidth,
                const CardStyle& style) {
    QPainterPath path;
    path.addText(0, 0, boldSans(), text);
    const QRectF box = path.boundingRect();
    qreal sy = height / box.height();
    qreal sx = sy;
    if (box.width() * sx > maxWidth) {
        // Narrow the letters down to 55 % of their width; beyond that they lose their shape,
        // so the rest comes off the height.
        sx = std::max(maxWidth / box.width(), sy * 0.55);
        if (box.width() * sx > maxWidth) {
            const qreal k = maxWidth / (box.width() * sx);
            sx *= k;
            sy *= k;
        }
    }
    QTransform t;
    t.translate(kCardW / 2.0, kCardH / 2.0);
    t.scale(sx, sy);
    t.translate(-box.center().x(), -box.center().y());
    QImage card = blankCard(style);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(t.map(path), colour);
    return card;
}

// Dots in centred rows, laid out so every count from 1 to 12 has its own outline.
QImage dotsCard(int count, const QColor& colour, const CardStyle& style) {
    static const QList<QList<int>> rows = {
        {1},       {2},       {1, 2},    {2, 2},    {2, 1, 2}, {3, 3},
        {2, 3, 2}, {3, 2, 3}, {3, 3, 3}, {3, 4, 3}, {4, 3, 4}, {4, 4, 4},
    };
    const QList<int>& layout = rows[count - 1];
    const qreal radius = count <= 2 ? 12 : count <= 6 ? 9 : 7.5;
    const qreal dx = count <= 2 ? 34 : count == 5 ? 30 : count <= 6 ? 25 : 18.5;
    const qreal dy = layout.size() == 1 ? 0 : layout.size() == 2 ? 26 : 21;
    QImage card = blankCard(style);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal top = kCardH / 2.0 - dy * (layout.size() - 1) / 2.0;
    for (int r = 0; r < layout.size(); ++r) {
        const qreal left = kCardW / 2.0 - dx * (layout[r] - 1) / 2.0;
        for (int c = 0; c < layout[r]; ++c)
            p.drawEllipse(QPointF(left + dx * c, top + dy * r), radius, radius);
    }
    return card;
}

void writeSet(const QDir& dataDir, int index, const QString& name, const QList<QImage>& cards) {
    const QString folder = QStringLiteral("img%1").arg(index);
    if (!dataDir.mkpath(folder))
        throw std::runtime_error("cannot create " + folder.toStdString());
    QDir dir(dataDir.filePath(folder));
    for (const QString& old : dir.entryList({"*.gif"}, QDir::Files))
        dir.remove(old);
    for (int i = 0; i < cards.size(); ++i)
        writeGif(cards[i], dir.filePath(QStringLiteral("%1.gif").arg(i)));
    writeCrlfText(dir.filePath("setname.txt"), {name});
}

} // namespace

void writePictureSets(const QDir& dataDir) {
    const CardStyle animals{QColor(234, 247, 232), QColor(150, 195, 150)};
    const CardStyle fruit{QColor(236, 243, 255), QColor(150, 172, 215)};
    const CardStyle vehicles{QColor(255, 248, 226), QColor(215, 182, 120)};
    const CardStyle words{QColor(255, 254, 246), QColor(200, 185, 150)};
    const CardStyle numbers{QColor(246, 242, 255), QColor(172, 160, 215)};

    // Chosen for distinct outlines and dominant colours, so no two are confused at a glance.
    const QStringList animalEmoji = {"🦁", "🦒", "🐢", "🐧",    "🐰", "🦜",
                                     "🦩", "🦓", "🐞", "🦋", "🐳", "🐌"};
    const QStringList fruitEmoji = {"🍎", "🍌",    "🍇", "🍓",    "🍊",    "🍉",
                                    "🍍", "🥝", "🍐", "🫐", "🥥", "🍒"};
    const QStringList vehicleEmoji = {"🚙", "🚒", "🚌", "🚂", "✈️", "🚀",
                                      "🚲", "🚁", "⛵", "🚜", "🚢",      "🛸"};
    const QList<Word> animalWords = {
        {"🐱", "CAT", QColor(230, 120, 0)},     {"🐶", "DOG", QColor(150, 90, 45)},
        {"🐷", "PIG", QColor(220, 70, 135)},    {"🦊", "FOX", QColor(205, 55, 20)},
        {"🐝", "BEE", QColor(185, 135, 0)},     {"🐸", "FROG", QColor(45, 150, 50)},
        {"🐟", "FISH", QColor(25, 110, 210)},   {"🐻", "BEAR", QColor(105, 62, 35)},
        {"🐼", "PANDA", QColor(35, 35, 45)},    {"🐭", "MOUSE", QColor(95, 100, 128)},
        {"🦆", "DUCK", QColor(0, 130, 120)}, {"🐑", "SHEEP", QColor(120, 80, 180)},
    };
    const QList<QColor> numberColours = {
        QColor(215, 40, 40),  QColor(235, 115, 0),  QColor(190, 145, 0), QColor(40, 155, 60),
        QColor(0, 145, 150),  QColor(30, 100, 215), QColor(90, 60, 195), QColor(155, 60, 185),
        QColor(215, 55, 135), QColor(140, 82, 40),  QColor(95, 115, 30), QColor(60, 70, 95),
    };

    QList<QImage> cards;
    for (const QString& e : animalEmoji)
        cards.append(emojiCard(e, animals));
    writeSet(dataDir, 0, "Animals", cards);

    cards.clear();
    for (const QString& e : fruitEmoji)
        cards.append(emojiCard(e, fruit));
    writeSet(dataDir, 1, "Fruit", cards);

    cards.clear();
    for (const QString& e : vehicleEmoji)
        cards.append(emojiCard(e, vehicles));
    writeSet(dataDir, 2, "Vehicles", cards);

    // Picture k pairs with picture k + 12.
    cards.clear();
    for (const Word& w : animalWords)
        cards.append(emojiCard(QString::fromUtf8(w.emoji), words));
    for (const Word& w : animalWords)
        cards.append(textCard(QString::fromUtf8(w.text), w.colour, 30, 74, words));
    writeSet(dataDir, 3, "Words", cards);

    cards.clear();
    for (int n = 1; n <= 12; ++n)
        cards.append(textCard(QString::number(n), numberColours[n - 1], 50, 64, numbers));
    for (int n = 1; n <= 12; ++n)
        cards.append(dotsCard(n, numberColours[n - 1], numbers));
    writeSet(dataDir, 4, "Numbers", cards);
}

} // namespace contentgen
