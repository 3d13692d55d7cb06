// The shipped content as the game loads it.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringDecoder>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

QString dataPath(const QString& relative) {
    return QDir(QStringLiteral(QUILORA_DATA_DIR)).filePath(relative);
}

int setSize(int set) {
    return set < 3 ? 12 : 24;
}

// The lines of a UTF-8 text whose every line, the last included, ends with CR LF.
std::optional<QStringList> crlfLines(const QString& relative) {
    QFile file(dataPath(relative));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError() || !bytes.endsWith("\r\n") || bytes.count("\n") != bytes.count("\r\n"))
        return std::nullopt;
    return text.chopped(2).split(QStringLiteral("\r\n"));
}

quint32 le(const QByteArray& bytes, qsizetype at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

int distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

QImage card(int set, int picture) {
    return QImage(dataPath(QStringLiteral("img%1/%2.gif").arg(set).arg(picture)))
        .convertToFormat(QImage::Format_RGB32);
}

// Inside the card's frame line, clear of its rounded corners; the face colour shows at (6, 40).
const QRect kInsideFrame(7, 7, 76, 66);

QRgb darkestInside(const QImage& card) {
    QRgb darkest = card.pixel(6, 40);
    for (int y = kInsideFrame.top(); y <= kInsideFrame.bottom(); ++y)
        for (int x = kInsideFrame.left(); x <= kInsideFrame.right(); ++x)
            if (qGray(card.pixel(x, y)) < qGray(darkest))
                darkest = card.pixel(x, y);
    return darkest;
}

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void images_data();
    void images();
    void sets_data();
    void sets();
    void pictureNames();
    void lettering_data();
    void lettering();
    void helpTexts();
    void sounds_data();
    void sounds();
};

void TestAssets::images_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (int set = 0; set < 5; ++set)
        for (int k = 0; k < setSize(set); ++k)
            QTest::addRow("img%d/%d.gif", set, k)
                << dataPath(QStringLiteral("img%1/%2.gif").arg(set).arg(k)) << QSize(90, 80);
    for (int i = 0; i < 5; ++i)
        QTest::addRow("back%d", i)
            << dataPath(QStringLiteral("back/back%1.jpg").arg(i)) << QSize(641, 425);
    for (int i = 1; i <= 8; ++i)
        QTest::addRow("icon %d", i) << QStringLiteral(":/icons/%1.png").arg(i) << QSize(16, 16);
    QTest::addRow("window icon") << QStringLiteral(":/icons/app.png") << QSize(64, 64);
    for (int size : {16, 32, 48, 128, 256})
        QTest::addRow("desktop icon %d", size)
            << QStringLiteral(QUILORA_DESKTOP_ICON_DIR "/quilora-%1.png").arg(size)
            << QSize(size, size);
}

void TestAssets::images() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable("missing or unreadable: " + path));
    QCOMPARE(image.size(), size);
    // A transparent pixel would let the face-down colour show through a face-up card.
    if (!path.endsWith(".png"))
        QVERIFY(!image.hasAlphaChannel());
    int visible = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            visible += qAlpha(image.pixel(x, y)) > 128;
    QVERIFY2(visible * 6 >= size.width() * size.height(), "(nearly) blank");
}

void TestAssets::sets_data() {
    QTest::addColumn<int>("set");
    for (int set = 0; set < 5; ++set)
        QTest::addRow("img%d", set) << set;
}

void TestAssets::sets() {
    QFETCH(int, set);
    const QDir dir(dataPath(QStringLiteral("img%1").arg(set)));
    // The game tells a 24-picture set by 13.gif alone.
    QCOMPARE(dir.exists("13.gif"), setSize(set) == 24);
    QCOMPARE(dir.entryList({"*.gif"}, QDir::Files).size(), setSize(set));
    // A failed render or a copied file would make two cards look alike that are not a pair.
    QList<QImage> cards;
    for (int i = 0; i < setSize(set); ++i)
        cards.append(card(set, i));
    for (int i = 0; i < setSize(set); ++i)
        for (int j = i + 1; j < setSize(set); ++j) {
            double sum = 0;
            for (int y = 0; y < 80; ++y)
                for (int x = 0; x < 90; ++x)
                    sum += distance(cards[i].pixel(x, y), cards[j].pixel(x, y));
            QVERIFY2(sum / (90 * 80) > 10, qPrintable(QStringLiteral("%1 ~ %2").arg(i).arg(j)));
        }

    // The set's name, Russian then English, short enough for its option button.
    const auto names = crlfLines(dir.dirName() + "/setname.txt");
    QVERIFY2(names && names->size() == 2, "setname.txt: two UTF-8 lines, CR LF");
    for (const QString& name : *names)
        QVERIFY2(name == name.trimmed() && !name.isEmpty() && name.size() <= 14, qPrintable(name));
    QCOMPARE(names->at(0).front().script(), QChar::Script_Cyrillic);
    QCOMPARE(names->at(1).front().script(), QChar::Script_Latin);

    // A screen reader's name for each picture: line k for k.gif, Russian, a tab, English.
    const auto pictures = crlfLines(dir.dirName() + "/names.txt");
    QVERIFY2(pictures && pictures->size() == setSize(set), "names.txt: a UTF-8 line a picture");
    for (const QString& line : *pictures) {
        const QStringList parts = line.split('\t');
        QVERIFY2(parts.size() == 2 && !parts[0].isEmpty() && !parts[1].isEmpty(), qPrintable(line));
        QCOMPARE(pictures->count(line), 1);
    }
}

void TestAssets::pictureNames() {
    const auto name = [](int set, int picture) {
        return crlfLines(QStringLiteral("img%1/names.txt").arg(set))
            .value_or(QStringList())
            .value(picture);
    };
    QCOMPARE(name(0, 0), QStringLiteral("лев\tlion"));
    QCOMPARE(name(3, 12), QStringLiteral("слово „кошка“\tthe word cat"));
    QCOMPARE(name(4, 4), QStringLiteral("число 5\tthe number 5"));
    QCOMPARE(name(4, 12), QStringLiteral("1 точка\t1 dot"));
    QCOMPARE(name(4, 15), QStringLiteral("4 точки\t4 dots"));
    QCOMPARE(name(4, 23), QStringLiteral("12 точек\t12 dots"));
}

// In the sets of 24 the two cards of a pair look different; were the word, the number or the
// dots printed in their partner's colour, colour alone would give the pair away.
void TestAssets::lettering_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("picture");
    for (int k = 12; k < 24; ++k)
        QTest::addRow("word img3/%d", k) << 3 << k;
    for (int k = 0; k < 24; ++k)
        QTest::addRow("%s img4/%d", k < 12 ? "number" : "dots", k) << 4 << k;
}

void TestAssets::lettering() {
    QFETCH(int, set);
    QFETCH(int, picture);
    const QImage image = card(set, picture);
    const QRgb ink = darkestInside(image);
    QVERIFY2(qGray(ink) < 80, "ink too light");
    const auto [low, high] = std::minmax({qRed(ink), qGreen(ink), qBlue(ink)});
    QVERIFY2(high - low <= 16, qPrintable(QStringLiteral("ink not neutral: #%1").arg(ink, 6, 16)));
    QVERIFY2(distance(ink, darkestInside(card(4, 0))) <= 12, "not the one ink of the sets");
    if (set == 4 && picture >= 12)
        return; // dots fill their card
    // Eight clear pixels between the frame line and the lettering on every side.
    QRect box;
    for (int y = kInsideFrame.top(); y <= kInsideFrame.bottom(); ++y)
        for (int x = kInsideFrame.left(); x <= kInsideFrame.right(); ++x)
            if (distance(image.pixel(x, y), image.pixel(6, 40)) > 30)
                box |= QRect(x, y, 1, 1);
    QVERIFY2(QRect(QPoint(13, 13), QPoint(76, 66)).contains(box) && box.height() >= 10,
             qPrintable(QStringLiteral("lettering at %1,%2 %3x%4")
                            .arg(box.x())
                            .arg(box.y())
                            .arg(box.width())
                            .arg(box.height())));
}

// The help box wraps the text itself: a line is a paragraph or a heading in capitals, so a
// line cut by hand shows as one that stops mid-sentence or one that carries it on. Both
// languages tell the same: as many sections, with as many paragraphs in each.
void TestAssets::helpTexts() {
    QList<QList<int>> shapes;
    for (const char* file : {"help.txt", "help-e.txt"}) {
        const std::optional<QStringList> lines = crlfLines(file);
        QVERIFY2(lines && lines->size() > 10, file);
        const QString text = lines->join('\n');
        QCOMPARE(text.contains(QChar(u'ё')) || text.contains(QChar(u'и')),
                 QLatin1String(file) == "help.txt");
        for (const char* name : {"record.txt", "Quilora.ini", "~/.local/share/Quilora"})
            QVERIFY2(text.contains(QLatin1String(name)), name);
        QList<int> sections{0};
        for (const QString& line : *lines) {
            if (line.isEmpty())
                sections.append(0);
            else
                ++sections.back();
            if (line.toUpper() == line)
                continue; // a heading, or the blank between sections
            QVERIFY2(line.front().isUpper() || line.front().isDigit() ||
                         QStringLiteral("«“").contains(line.front()),
                     qPrintable("carries on a sentence: " + line));
            QString end = line;
            while (!end.isEmpty() && QStringLiteral("»”)").contains(end.back()))
                end.chop(1);
            QVERIFY2(!end.isEmpty() && QStringLiteral(".!?:…").contains(end.back()),
                     qPrintable("ends mid-sentence: " + line));
        }
        shapes.append(sections);
    }
    QVERIFY2(shapes[0].size() >= 6, "too few sections");
    QCOMPARE(shapes[1], shapes[0]);
}

void TestAssets::sounds_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("maxSeconds");
    QTest::addColumn<int>("minPeak");
    QTest::addColumn<int>("maxPeak");
    QTest::newRow("No") << "No.wav" << 1.0 << 0 << 0;
    // The click plays on every move: about -12 dBFS, a quarter of full scale.
    QTest::newRow("click1") << "click1.wav" << 0.1 << 6900 << 9800;
    QTest::newRow("click2") << "click2.wav" << 1.5 << 3000 << 32766;
    QTest::newRow("victory") << "victory.wav" << 4.0 << 3000 << 32766;
    QTest::newRow("victory10") << "victory10.wav" << 4.0 << 3000 << 32766;
    QTest::newRow("victory1") << "victory1.wav" << 5.0 << 3000 << 32766;
}

void TestAssets::sounds() {
    QFETCH(QString, file);
    QFETCH(double, maxSeconds);
    QFETCH(int, minPeak);
    QFETCH(int, maxPeak);
    QFile in(dataPath("sounds/" + file));
    const QByteArray wav = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    QVERIFY2(wav.size() > 44 && wav.startsWith("RIFF") && wav.mid(8, 4) == "WAVE", "not a wave");
    QCOMPARE(qsizetype(le(wav, 4, 4)) + 8, wav.size());
    QList<qint16> pcm;
    quint32 rate = 0;
    for (qsizetype at = 12, size = 0; at + 8 <= wav.size(); at += 8 + size + (size & 1)) {
        const QByteArray id = wav.mid(at, 4);
        size = le(wav, at + 4, 4);
        QVERIFY2(at + 8 + size <= wav.size(), qPrintable("chunk overruns the file: " + id));
        if (id == "fmt ") { // PCM, mono, 16 bits, at a rate every device plays
            QCOMPARE(le(wav, at + 8, 4), 0x10001u);
            rate = le(wav, at + 12, 4);
            QVERIFY(rate >= 8000 && rate <= 48000);
            QCOMPARE(le(wav, at + 20, 4), 0x100002u);
        } else if (id == "data") {
            for (qsizetype i = 0; i + 1 < size; i += 2)
                pcm.append(qint16(le(wav, at + 8 + i, 2)));
        }
    }
    QVERIFY2(rate > 0 && !pcm.isEmpty(), "no fmt or data chunk");
    QVERIFY2(pcm.size() <= maxSeconds * rate, "too long");
    const qsizetype peakAt =
        std::max_element(pcm.begin(), pcm.end(),
                         [](qint16 a, qint16 b) { return std::abs(a) < std::abs(b); }) -
        pcm.begin();
    const int peak = std::abs(pcm[peakAt]);
    QVERIFY2(peak >= minPeak && peak <= maxPeak, qPrintable(QString::number(peak)));
    // Starting or stopping away from zero is heard as a click; the click itself rises softly.
    QVERIFY(std::abs(pcm.front()) < 300 && std::abs(pcm.back()) < 300);
    if (file == u"click1.wav") {
        for (qsizetype i = 0; i < rate / 1000; ++i)
            QVERIFY2(std::abs(pcm[i]) <= 0.3 * peak, "hard attack");
        QVERIFY2(peakAt >= 2 * rate / 1000, "peaks within 2 ms");
    }
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
