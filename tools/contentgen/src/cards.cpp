// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards.h"

#include "gif_writer.h"
#include "glyphs.h"
#include "texts.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <stdexcept>

namespace contentgen {
namespace {

constexpr int kCardW = 90;
constexpr int kCardH = 80;

struct CardStyle {
    QColor fill;
    QColor frame;
};

// One picture with its name in Russian and in English, as a screen reader says it.
struct Picture {
    const char* emoji;
    const char* ru;
    const char* en;
};

struct Name {
    QString ru;
    QString en;
};

// Words and numbers share one ink, so that colour never tells which cards make a pair.
const QColor kInk(44, 46, 52);

// The inner frame line covers pixels 4 and 85 across, 4 and 75 down; lettering keeps 8 clear
// pixels inside it. The quarter pixel keeps antialiasing off the last clear pixel.
const QRectF kLetterBox(13.25, 13.25, 63.5, 53.5);

// Each card is drawn at `scale` times its size from the same shapes; scale 2 makes the @2x file.
QImage blankCard(const CardStyle& style, int scale) {
    QImage card(kCardW * scale, kCardH * scale, QImage::Format_RGB32);
    card.fill(style.fill);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    // A crisp outer edge separates neighbouring cards on busy backgrounds; the inner rounded
    // line gives the face a printed-card look without gradients (which quantise badly).
    p.setPen(QPen(style.frame.darker(115), 1));
    p.drawRect(QRectF(0.5, 0.5, kCardW - 1, kCardH - 1));
    p.setPen(QPen(style.frame, 1.5));
    p.drawRoundedRect(QRectF(3.5, 3.5, kCardW - 7, kCardH - 7), 7, 7);
    return card;
}

// The glyph is scaled once from the font's bitmap straight to its pixel size and placed on whole
// pixels, never resampled by the painter. At scale 2 that enlarges it a little: the font has no
// larger bitmap.
QImage emojiCard(const QString& emoji, const CardStyle& style, int scale) {
    const QImage glyph = renderEmoji(emoji).scaled(72 * scale, 64 * scale, Qt::KeepAspectRatio,
                                                   Qt::SmoothTransformation);
    QImage card = blankCard(style, scale);
    QPainter p(&card);
    p.drawImage((card.width() - glyph.width()) / 2, (card.height() - glyph.height()) / 2, glyph);
    return card;
}

// Sets every text of a group at one size, the largest at which the widest still fits the box, on
// one common baseline. Drawn as filled paths so the size is exact.
QList<QImage> letteringCards(const QStringList& texts, const CardStyle& style, int scale) {
    QList<QPainterPath> paths;
    QRectF extent;
    qreal widest = 0;
    for (const QString& text : texts) {
        QPainterPath path;
        path.addText(0, 0, boldSans(), text);
        extent |= path.boundingRect();
        widest = std::max(widest, path.boundingRect().width());
        paths.append(path);
    }
    const qreal fit = std::min(kLetterBox.width() / widest, kLetterBox.height() / extent.height());
    QList<QImage> cards;
    for (const QPainterPath& path : paths) {
        QTransform t;
        t.translate(kLetterBox.center().x(), kLetterBox.center().y());
        t.scale(fit, fit);
        t.translate(-path.boundingRect().center().x(), -extent.center().y());
        QImage card = blankCard(style, scale);
        QPainter p(&card);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        p.fillPath(t.map(path), kInk);
        p.end();
        cards.append(card);
    }
    return cards;
}

// Dots in centred rows, laid out so every count from 1 to 12 has its own outline.
QImage dotsCard(int count, const CardStyle& style, int scale) {
    static const QList<QList<int>> rows = {
        {1},       {2},       {1, 2},    {2, 2},    {2, 1, 2}, {3, 3},
        {2, 3, 2}, {3, 2, 3}, {3, 3, 3}, {3, 4, 3}, {4, 3, 4}, {4, 4, 4},
    };
    const QList<int>& layout = rows[count - 1];
    const qreal radius = count <= 2 ? 12 : count <= 6 ? 9 : 7.5;
    const qreal dx = count <= 2 ? 34 : count == 5 ? 30 : count <= 6 ? 25 : 18.5;
    const qreal dy = layout.size() == 1 ? 0 : layout.size() == 2 ? 26 : 21;
    QImage card = blankCard(style, scale);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    const qreal top = kCardH / 2.0 - dy * (layout.size() - 1) / 2.0;
    for (int r = 0; r < layout.size(); ++r) {
        const qreal left = kCardW / 2.0 - dx * (layout[r] - 1) / 2.0;
        for (int c = 0; c < layout[r]; ++c)
            p.drawEllipse(QPointF(left + dx * c, top + dy * r), radius, radius);
    }
    return card;
}

// Makes a set's cards at the given scale.
using CardMaker = std::function<QList<QImage>(int scale)>;

// Writes picture k as k.gif and, at twice the size, as k@2x.gif for screens that scale by 2.
void writeSet(const QDir& dataDir, int index, const Name& setName, const CardMaker& makeCards,
              const QList<Name>& names) {
    const QString folder = QStringLiteral("img%1").arg(index);
    if (!dataDir.mkpath(folder))
        throw std::runtime_error("cannot create " + folder.toStdString());
    QDir dir(dataDir.filePath(folder));
    for (const QString& old : dir.entryList({"*.gif"}, QDir::Files))
        dir.remove(old);
    for (const int scale : {1, 2}) {
        const QList<QImage> cards = makeCards(scale);
        if (names.size() != cards.size())
            throw std::logic_error("set " + std::to_string(index) + ": a name for every picture");
        const QString name = scale == 1 ? QStringLiteral("%1.gif") : QStringLiteral("%1@2x.gif");
        for (int i = 0; i < cards.size(); ++i)
            writeGif(cards[i], dir.filePath(name.arg(i)));
    }
    writeCrlfText(dir.filePath("setname.txt"), {setName.ru, setName.en});
    QStringList lines;
    for (const Name& n : names)
        lines.append(n.ru + QLatin1Char('\t') + n.en);
    writeCrlfText(dir.filePath("names.txt"), lines);
}

void writeEmojiSet(const QDir& dataDir, int index, const Name& setName,
                   const QList<Picture>& pictures, const CardStyle& style) {
    QList<Name> names;
    for (const Picture& pic : pictures)
        names.append({QString::fromUtf8(pic.ru), QString::fromUtf8(pic.en)});
    const auto makeCards = [&](int scale) {
        QList<QImage> cards;
        for (const Picture& pic : pictures)
            cards.append(emojiCard(QString::fromUtf8(pic.emoji), style, scale));
        return cards;
    };
    writeSet(dataDir, index, setName, makeCards, names);
}

QString russianDots(int n) {
    const int lastTwo = n % 100, last = n % 10;
    const char* word = (lastTwo >= 11 && lastTwo <= 14) ? "точек"
                       : last == 1                      ? "точка"
                       : (last >= 2 && last <= 4)       ? "точки"
                                                        : "точек";
    return QStringLiteral("%1 ").arg(n) + QString::fromUtf8(word);
}

} // namespace

void writePictureSets(const QDir& dataDir) {
    const CardStyle animals{QColor(234, 247, 232), QColor(150, 195, 150)};
    const CardStyle fruit{QColor(236, 243, 255), QColor(150, 172, 215)};
    const CardStyle vehicles{QColor(255, 248, 226), QColor(215, 182, 120)};
    const CardStyle words{QColor(255, 254, 246), QColor(200, 185, 150)};
    const CardStyle numbers{QColor(246, 242, 255), QColor(172, 160, 215)};

    // Each set chosen so that no two pictures share both outline and main colour.
    writeEmojiSet(dataDir, 0, {"Животные", "Animals"},
                  {{"🦁", "лев", "lion"},
                   {"🦒", "жираф", "giraffe"},
                   {"🐢", "черепаха", "turtle"},
                   {"🐧", "пингвин", "penguin"},
                   {"🐰", "кролик", "rabbit"},
                   {"🦜", "попугай", "parrot"},
                   {"🦩", "фламинго", "flamingo"},
                   {"🦓", "зебра", "zebra"},
                   {"🐞", "божья коровка", "ladybird"},
                   {"🦋", "бабочка", "butterfly"},
                   {"🐳", "кит", "whale"},
                   {"🐌", "улитка", "snail"}},
                  animals);
    writeEmojiSet(dataDir, 1, {"Фрукты", "Fruit"},
                  {{"🍎", "яблоко", "apple"},
                   {"🍌", "банан", "banana"},
                   {"🍇", "виноград", "grapes"},
                   {"🍓", "клубника", "strawberry"},
                   {"🍋", "лимон", "lemon"},
                   {"🍉", "арбуз", "watermelon"},
                   {"🍍", "ананас", "pineapple"},
                   {"🥝", "киви", "kiwi"},
                   {"🍈", "дыня", "melon"},
                   {"🫐", "черника", "blueberries"},
                   {"🥥", "кокос", "coconut"},
                   {"🍒", "вишня", "cherries"}},
                  fruit);
    writeEmojiSet(dataDir, 2, {"Транспорт", "Vehicles"},
                  {{"🚙", "машина", "car"},
                   {"🚒", "пожарная машина", "fire engine"},
                   {"🚌", "автобус", "bus"},
                   {"🚂", "паровоз", "steam train"},
                   {"✈️", "самолёт", "aeroplane"},
                   {"🚀", "ракета", "rocket"},
                   {"🚲", "велосипед", "bicycle"},
                   {"🚁", "вертолёт", "helicopter"},
                   {"⛵", "парусная лодка", "sailing boat"},
                   {"🚜", "трактор", "tractor"},
                   {"🚢", "корабль", "ship"},
                   {"🛵", "скутер", "scooter"}},
                  vehicles);

    // Picture k pairs with picture k + 12: an animal and its English name.
    const QList<Picture> wordAnimals = {
        {"🐱", "кошка", "cat"},   {"🐶", "собака", "dog"},   {"🐷", "свинья", "pig"},
        {"🦊", "лиса", "fox"}, {"🐝", "пчела", "bee"},    {"🐸", "лягушка", "frog"},
        {"🐟", "рыба", "fish"},   {"🐻", "медведь", "bear"}, {"🐼", "панда", "panda"},
        {"🐭", "мышь", "mouse"},  {"🦆", "утка", "duck"}, {"🐑", "овца", "sheep"},
    };
    QList<Name> names;
    QStringList texts;
    for (const Picture& pic : wordAnimals) {
        names.append({QString::fromUtf8(pic.ru), QString::fromUtf8(pic.en)});
        texts.append(QString::fromUtf8(pic.en));
    }
    for (const Picture& pic : wordAnimals)
        names.append({QStringLiteral("слово „%1“").arg(QString::fromUtf8(pic.ru)),
                      QStringLiteral("the word %1").arg(QString::fromUtf8(pic.en))});
    writeSet(
        dataDir, 3, {"Слова", "Words"},
        [&](int scale) {
            QList<QImage> cards;
            for (const Picture& pic : wordAnimals)
                cards.append(emojiCard(QString::fromUtf8(pic.emoji), words, scale));
            return cards + letteringCards(texts, words, scale);
        },
        names);

    // Picture k pairs with picture k + 12: the number k + 1 and as many dots.
    names.clear();
    texts.clear();
    for (int n = 1; n <= 12; ++n) {
        texts.append(QString::number(n));
        names.append({QStringLiteral("число %1").arg(n), QStringLiteral("the number %1").arg(n)});
    }
    for (int n = 1; n <= 12; ++n)
        names.append(
            {russianDots(n), n == 1 ? QStringLiteral("1 dot") : QStringLiteral("%1 dots").arg(n)});
    writeSet(
        dataDir, 4, {"Числа", "Numbers"},
        [&](int scale) {
            QList<QImage> cards = letteringCards(texts, numbers, scale);
            for (int n = 1; n <= 12; ++n)
                cards.append(dotsCard(n, numbers, scale));
            return cards;
        },
        names);
}

} // namespace contentgen
