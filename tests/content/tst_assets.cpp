// Checks the shipped content as the game loads it: picture sets with their names, backgrounds,
// sounds, help texts, the records list icons and the program icon at its desktop sizes.

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

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

quint32 le(const QByteArray& bytes, qsizetype at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

// The lines of a CR LF text without the empty string after the final line end.
QStringList crlfLines(const QString& text) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

bool isHeading(const QString& line) {
    bool letters = false;
    for (const QChar c : line) {
        if (c.isLower())
            return false;
        letters = letters || c.isLetter();
    }
    return letters;
}

// Sum of absolute channel differences per pixel; 0 for identical pictures.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (x.width() * x.height());
}

// The samples of a PCM WAV file's data chunk; empty when there is none.
QList<qint16> samples(const QByteArray& wav, quint32* rate) {
    QList<qint16> pcm;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const qsizetype size = le(wav, at + 4, 4);
        if (id == "fmt " && size >= 16)
            *rate = le(wav, at + 12, 4);
        if (id == "data")
            for (qsizetype i = 0; i + 1 < size && at + 8 + i + 1 < wav.size(); i += 2)
                pcm.append(qint16(le(wav, at + 8 + i, 2)));
        at += 8 + size + (size & 1);
    }
    return pcm;
}

int distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// The inner frame line of a card covers pixels 2..4 and 85..87 across, 2..4 and 75..77 down;
// this is what lies inside it, clear of its rounded corners.
const QRect kInsideFrame(7, 7, 76, 66);

// The face colour, from the clear strip just inside the frame.
QRgb faceOf(const QImage& card) {
    return card.pixel(6, 40);
}

QRgb darkestInside(const QImage& card) {
    QRgb darkest = faceOf(card);
    for (int y = kInsideFrame.top(); y <= kInsideFrame.bottom(); ++y)
        for (int x = kInsideFrame.left(); x <= kInsideFrame.right(); ++x)
            if (qGray(card.pixel(x, y)) < qGray(darkest))
                darkest = card.pixel(x, y);
    return darkest;
}

// Bounding box of everything drawn on the face, faint antialiased edges included.
QRect drawnBox(const QImage& card) {
    const QRgb face = faceOf(card);
    QRect box;
    for (int y = kInsideFrame.top(); y <= kInsideFrame.bottom(); ++y)
        for (int x = kInsideFrame.left(); x <= kInsideFrame.right(); ++x)
            if (distance(card.pixel(x, y), face) > 30)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The typical thickness of the strokes, in pixels: for each solidly inked pixel the shorter of
// its horizontal and vertical runs of ink, antialiased edge pixels counted by their share of
// ink, and the median of those. It follows the size of the lettering and drops where letters
// were narrowed.
double strokeWidth(const QImage& card) {
    const QRgb face = faceOf(card);
    const double full = distance(face, darkestInside(card));
    const QRect r = kInsideFrame;
    const auto coverage = [&](int x, int y) {
        return r.contains(x, y) ? std::min(1.0, distance(card.pixel(x, y), face) / full) : 0.0;
    };
    const auto at = [&](int x, int y) { return (y - r.top()) * r.width() + (x - r.left()); };
    QList<double> across(r.width() * r.height(), 0), down(r.width() * r.height(), 0);
    // One pass along the rows, one down the columns.
    for (const bool horizontal : {true, false}) {
        QList<double>& runs = horizontal ? across : down;
        const int lines = horizontal ? r.height() : r.width();
        const int length = horizontal ? r.width() : r.height();
        for (int l = 0; l < lines; ++l) {
            const auto point = [&](int i) {
                return horizontal ? QPoint(r.left() + i, r.top() + l)
                                  : QPoint(r.left() + l, r.top() + i);
            };
            for (int i = 0; i < length;) {
                if (coverage(point(i).x(), point(i).y()) <= 0.05) {
                    ++i;
                    continue;
                }
                int end = i;
                double ink = 0;
                while (end < length && coverage(point(end).x(), point(end).y()) > 0.05)
                    ink += coverage(point(end).x(), point(end).y()), ++end;
                for (int j = i; j < end; ++j)
                    runs[at(point(j).x(), point(j).y())] = ink;
                i = end;
            }
        }
    }
    QList<double> local;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (coverage(x, y) > 0.5)
                local.append(std::min(across[at(x, y)], down[at(x, y)]));
    if (local.isEmpty())
        return 0;
    std::nth_element(local.begin(), local.begin() + local.size() / 2, local.end());
    return local[local.size() / 2];
}

QImage card(int set, int picture) {
    return QImage(dataPath(QStringLiteral("img%1/%2.gif").arg(set).arg(picture)))
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void images_data();
    void images();
    void setKind_data();
    void setKind();
    void pairedCardInk_data();
    void pairedCardInk();
    void letteringMargin_data();
    void letteringMargin();
    void letteringEvenSize_data();
    void letteringEvenSize();
    void namesFile_data();
    void namesFile();
    void pictureNames_data();
    void pictureNames();
    void helpTexts_data();
    void helpTexts();
    void helpTextsAlike();
    void sounds_data();
    void sounds();
    void clickIsGentle();
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
            << QDir(QStringLiteral(QUILORA_DESKTOP_ICON_DIR))
                   .filePath(QStringLiteral("quilora-%1.png").arg(size))
            << QSize(size, size);
}

void TestAssets::images() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable("missing or unreadable: " + path));
    QCOMPARE(image.size(), size);
    if (path.endsWith(".png")) {
        int visible = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                visible += qAlpha(image.pixel(x, y)) > 128;
        QVERIFY2(visible * 6 >= size.width() * size.height(), "icon is (nearly) blank");
    } else {
        // A transparent pixel would let the face-down colour show through a face-up card.
        QVERIFY(!image.hasAlphaChannel());
    }
}

void TestAssets::setKind_data() {
    QTest::addColumn<int>("set");
    for (int set = 0; set < 5; ++set)
        QTest::addRow("img%d", set) << set;
}

void TestAssets::setKind() {
    QFETCH(int, set);
    const QDir dir(dataPath(QStringLiteral("img%1").arg(set)));
    // The game tells a 24-picture set by 13.gif alone.
    QCOMPARE(dir.exists("13.gif"), setSize(set) == 24);
    QCOMPARE(dir.entryList({"*.gif"}, QDir::Files).size(), setSize(set));

    // Every picture of a set must be its own: a failed render or a copied file would make
    // two cards look alike that are not a pair.
    QList<QImage> images;
    for (int k = 0; k < setSize(set); ++k)
        images.append(QImage(dir.filePath(QStringLiteral("%1.gif").arg(k))));
    for (int i = 0; i < images.size(); ++i)
        for (int j = i + 1; j < images.size(); ++j) {
            QVERIFY(!images[i].isNull() && !images[j].isNull());
            QVERIFY2(meanDifference(images[i], images[j]) > 10,
                     qPrintable(QStringLiteral("pictures %1 and %2 look alike").arg(i).arg(j)));
        }

    // Russian name, then English name, each line ended by CR LF.
    const QByteArray name = readAll(dir.filePath("setname.txt"));
    QVERIFY2(name.endsWith("\r\n") && name.count('\n') == 2 && name.count("\r\n") == 2,
             "setname.txt: two lines, CR LF");
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QStringList captions = QString(utf8(name.chopped(2))).split("\r\n");
    QVERIFY(!utf8.hasError());
    QCOMPARE(captions.size(), 2);
    // The caption beside the option button has room for about this many characters.
    for (const QString& caption : captions)
        QVERIFY2(caption == caption.trimmed() && !caption.isEmpty() && caption.size() <= 14,
                 qPrintable(caption));
    QVERIFY2(captions[0].front().script() == QChar::Script_Cyrillic, qPrintable(captions[0]));
    QVERIFY2(captions[1].front().script() == QChar::Script_Latin, qPrintable(captions[1]));
}

// In the sets of 24 the two cards of a pair look different; were the word or the dots printed in
// the colour of their partner, colour alone would give the pair away.
void TestAssets::pairedCardInk_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("picture");
    for (int k = 12; k < 24; ++k)
        QTest::addRow("word img3/%d", k) << 3 << k;
    for (int k = 0; k < 24; ++k)
        QTest::addRow("%s img4/%d", k < 12 ? "number" : "dots", k) << 4 << k;
}

void TestAssets::pairedCardInk() {
    QFETCH(int, set);
    QFETCH(int, picture);
    const QImage image = card(set, picture);
    QVERIFY(!image.isNull());
    const QRgb ink = darkestInside(image);
    QVERIFY2(qGray(ink) < 80, "ink too light");
    const int chroma = std::max({qRed(ink), qGreen(ink), qBlue(ink)}) -
                       std::min({qRed(ink), qGreen(ink), qBlue(ink)});
    QVERIFY2(chroma <= 16, qPrintable(QStringLiteral("ink not neutral: #%1").arg(ink, 6, 16)));
    // One ink for every lettering and dots card of both sets.
    const QRgb reference = darkestInside(card(4, 0));
    QVERIFY2(distance(ink, reference) <= 12,
             qPrintable(
                 QStringLiteral("ink #%1, other cards #%2").arg(ink, 6, 16).arg(reference, 6, 16)));

    // Everything inside the frame is face, ink or an antialiased blend of the two: no second
    // colour.
    const QRgb face = faceOf(image);
    const double fr = qRed(face), fg = qGreen(face), fb = qBlue(face);
    const double dr = qRed(ink) - fr, dg = qGreen(ink) - fg, db = qBlue(ink) - fb;
    const double length2 = dr * dr + dg * dg + db * db;
    for (int y = kInsideFrame.top(); y <= kInsideFrame.bottom(); ++y)
        for (int x = kInsideFrame.left(); x <= kInsideFrame.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            const double t = std::clamp(
                ((qRed(p) - fr) * dr + (qGreen(p) - fg) * dg + (qBlue(p) - fb) * db) / length2, 0.0,
                1.0);
            const double ex = qRed(p) - fr - t * dr, ey = qGreen(p) - fg - t * dg,
                         ez = qBlue(p) - fb - t * db;
            QVERIFY2(std::sqrt(ex * ex + ey * ey + ez * ez) < 20,
                     qPrintable(QStringLiteral("pixel %1,%2 is #%3").arg(x).arg(y).arg(p, 6, 16)));
        }
}

void TestAssets::letteringMargin_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("picture");
    for (int k = 12; k < 24; ++k)
        QTest::addRow("word img3/%d", k) << 3 << k;
    for (int k = 0; k < 12; ++k)
        QTest::addRow("number img4/%d", k) << 4 << k;
}

void TestAssets::letteringMargin() {
    QFETCH(int, set);
    QFETCH(int, picture);
    const QRect box = drawnBox(card(set, picture));
    QVERIFY2(!box.isEmpty(), "nothing printed");
    // Eight clear pixels between the frame line and the lettering on every side.
    const QRect allowed(QPoint(13, 13), QPoint(76, 66));
    QVERIFY2(allowed.contains(box), qPrintable(QStringLiteral("lettering spans x %1..%2, y %3..%4")
                                                   .arg(box.left())
                                                   .arg(box.right())
                                                   .arg(box.top())
                                                   .arg(box.bottom())));
    // Within the margin, still readable across the table: a word of small letters only, such
    // as "mouse", stands this high.
    QVERIFY2(box.height() >= 10, "lettering too small");
}

void TestAssets::letteringEvenSize_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("first");
    QTest::newRow("words") << 3 << 12;
    QTest::newRow("numbers") << 4 << 0;
}

// One size for a whole set: a word fitted on its own, or narrowed to fit, has other strokes.
void TestAssets::letteringEvenSize() {
    QFETCH(int, set);
    QFETCH(int, first);
    QList<double> widths;
    QStringList shown;
    for (int k = first; k < first + 12; ++k) {
        widths.append(strokeWidth(card(set, k)));
        shown.append(QString::number(widths.back(), 'f', 1));
    }
    const auto [thinnest, thickest] = std::minmax_element(widths.cbegin(), widths.cend());
    QVERIFY2(*thinnest >= 2, "strokes too thin to read");
    // Glyph shapes alone vary the measure by up to about 16 %; a word sized or narrowed on its
    // own differs by a third or more.
    QVERIFY2(*thickest <= 1.25 * *thinnest,
             qPrintable("stroke widths in pixels, picture by picture: " + shown.join(' ')));
}

void TestAssets::namesFile_data() {
    setKind_data();
}

void TestAssets::namesFile() {
    QFETCH(int, set);
    const QByteArray bytes = readAll(dataPath(QStringLiteral("img%1/names.txt").arg(set)));
    QVERIFY2(bytes.endsWith("\r\n"), "missing, or the last line lacks CR LF");
    QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QStringList lines = crlfLines(utf8(bytes));
    QVERIFY2(!utf8.hasError(), "not valid UTF-8");
    // Line k names picture k.gif.
    QCOMPARE(lines.size(), setSize(set));
    for (const QString& line : lines) {
        const QStringList parts = line.split('\t');
        QVERIFY2(parts.size() == 2, qPrintable("one tab between the names: " + line));
        for (const QString& part : parts)
            QVERIFY2(!part.isEmpty() && part == part.trimmed(), qPrintable(line));
        bool cyrillic = false;
        for (const QChar c : parts[0])
            cyrillic = cyrillic || c.script() == QChar::Script_Cyrillic;
        QVERIFY2(cyrillic, qPrintable("Russian name first: " + line));
        for (const QChar c : parts[1])
            QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7f,
                     qPrintable("English second: " + line));
        QCOMPARE(lines.count(line), 1);
    }
}

void TestAssets::pictureNames_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("expected");
    QTest::newRow("animal") << 0 << 0 << QStringLiteral("лев\tlion");
    QTest::newRow("last picture") << 2 << 11 << QStringLiteral("скутер\tscooter");
    QTest::newRow("animal of words") << 3 << 0 << QStringLiteral("кошка\tcat");
    QTest::newRow("its word") << 3 << 12 << QStringLiteral("слово „кошка“\tthe word cat");
    QTest::newRow("last word") << 3 << 23 << QStringLiteral("слово „овца“\tthe word sheep");
    QTest::newRow("number") << 4 << 4 << QStringLiteral("число 5\tthe number 5");
    QTest::newRow("1 dot") << 4 << 12 << QStringLiteral("1 точка\t1 dot");
    QTest::newRow("2 dots") << 4 << 13 << QStringLiteral("2 точки\t2 dots");
    QTest::newRow("4 dots") << 4 << 15 << QStringLiteral("4 точки\t4 dots");
    QTest::newRow("5 dots") << 4 << 16 << QStringLiteral("5 точек\t5 dots");
    QTest::newRow("11 dots") << 4 << 22 << QStringLiteral("11 точек\t11 dots");
    QTest::newRow("12 dots") << 4 << 23 << QStringLiteral("12 точек\t12 dots");
}

void TestAssets::pictureNames() {
    QFETCH(int, set);
    QFETCH(int, picture);
    QFETCH(QString, expected);
    const QStringList lines =
        crlfLines(QString::fromUtf8(readAll(dataPath(QStringLiteral("img%1/names.txt").arg(set)))));
    QCOMPARE(lines.value(picture), expected);
}

void TestAssets::helpTexts_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("russian");
    QTest::newRow("help.txt") << "help.txt" << true;
    QTest::newRow("help-e.txt") << "help-e.txt" << false;
}

void TestAssets::helpTexts() {
    QFETCH(QString, file);
    QFETCH(bool, russian);
    const QByteArray bytes = readAll(dataPath(file));
    QVERIFY2(bytes.size() > 200, "help text missing or nearly empty");
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    QVERIFY2(!utf8.hasError(), "not valid UTF-8");
    QVERIFY2(bytes.endsWith("\r\n"), "the last line must end with CR LF");
    QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
    bool cyrillic = false;
    for (const QChar c : text)
        cyrillic = cyrillic || c.script() == QChar::Script_Cyrillic;
    QCOMPARE(cyrillic, russian);

    // The help box wraps the text itself: a line is a paragraph or a heading in capitals, and a
    // line cut by hand shows up as one that stops mid-sentence or one that carries it on.
    const QStringList lines = crlfLines(text);
    QVERIFY2(isHeading(lines.value(0)), "the text opens with its title");
    for (const QString& line : lines) {
        if (line.isEmpty() || isHeading(line))
            continue;
        QVERIFY2(line.front().isUpper() || line.front().isDigit() || line.front() == u'«' ||
                     line.front() == u'“',
                 qPrintable("carries on a sentence: " + line));
        QString end = line;
        while (!end.isEmpty() && QStringLiteral("»”)").contains(end.back()))
            end.chop(1);
        QVERIFY2(!end.isEmpty() && QStringLiteral(".!?:…").contains(end.back()),
                 qPrintable("ends mid-sentence: " + line));
    }
    for (const char* name : {"record.txt", "Quilora.ini", "~/.local/share/Quilora"})
        QVERIFY2(text.contains(QLatin1String(name)), name);
}

void TestAssets::helpTextsAlike() {
    // Both languages tell the same: as many sections, and as many paragraphs in each.
    const auto shape = [](const QString& file) {
        QList<int> sections{0};
        for (const QString& line : crlfLines(QString::fromUtf8(readAll(dataPath(file)))))
            line.isEmpty() ? sections.append(0) : void(++sections.back());
        return sections;
    };
    const QList<int> russian = shape("help.txt");
    QVERIFY2(russian.size() >= 6, "too few sections");
    QCOMPARE(shape("help-e.txt"), russian);
}

void TestAssets::sounds_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("maxSeconds");
    QTest::addColumn<bool>("silent");
    QTest::newRow("No") << "No.wav" << 1.0 << true;
    QTest::newRow("click1") << "click1.wav" << 0.1 << false;
    QTest::newRow("click2") << "click2.wav" << 1.5 << false;
    QTest::newRow("victory") << "victory.wav" << 4.0 << false;
    QTest::newRow("victory10") << "victory10.wav" << 4.0 << false;
    QTest::newRow("victory1") << "victory1.wav" << 5.0 << false;
}

void TestAssets::sounds() {
    QFETCH(QString, file);
    QFETCH(double, maxSeconds);
    QFETCH(bool, silent);
    const QByteArray wav = readAll(dataPath("sounds/" + file));
    QVERIFY2(wav.size() > 44, "missing or truncated");
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(qsizetype(le(wav, 4, 4)) + 8, wav.size());
    QCOMPARE(wav.mid(8, 4), QByteArray("WAVE"));

    qsizetype at = 12, dataAt = -1, dataSize = 0;
    quint32 rate = 0;
    bool haveFormat = false;
    while (at + 8 <= wav.size()) {
        const QByteArray id = wav.mid(at, 4);
        const qsizetype size = le(wav, at + 4, 4);
        QVERIFY2(at + 8 + size <= wav.size(), qPrintable("chunk overruns the file: " + id));
        if (id == "fmt ") {
            QVERIFY(size >= 16);
            QCOMPARE(le(wav, at + 8, 2), 1u);  // PCM
            QCOMPARE(le(wav, at + 10, 2), 1u); // mono
            rate = le(wav, at + 12, 4);
            QVERIFY2(rate >= 8000 && rate <= 48000, qPrintable(QString::number(rate)));
            QCOMPARE(le(wav, at + 16, 4), rate * 2); // bytes per second
            QCOMPARE(le(wav, at + 20, 2), 2u);       // block align
            QCOMPARE(le(wav, at + 22, 2), 16u);      // bits per sample
            haveFormat = true;
        } else if (id == "data") {
            dataAt = at + 8;
            dataSize = size;
        }
        at += 8 + size + (size & 1);
    }
    QVERIFY2(haveFormat && dataAt > 0, "no fmt or data chunk");
    QVERIFY(dataSize > 0 && dataSize % 2 == 0);
    QVERIFY2(double(dataSize) / (rate * 2) <= maxSeconds, "too long");

    int peak = 0;
    for (qsizetype i = 0; i < dataSize; i += 2)
        peak = std::max(peak, std::abs(qint16(le(wav, dataAt + i, 2))));
    if (silent) {
        QCOMPARE(peak, 0);
        return;
    }
    QVERIFY2(peak > 3000, "inaudibly quiet");
    QVERIFY2(peak < 32767, "clipped");
    // Starting or stopping away from zero is heard as a click.
    QVERIFY(std::abs(qint16(le(wav, dataAt, 2))) < 300);
    QVERIFY(std::abs(qint16(le(wav, dataAt + dataSize - 2, 2))) < 300);
}

// The click plays on every move: a quarter of full scale at most, and no sharp onset.
void TestAssets::clickIsGentle() {
    quint32 rate = 0;
    const QList<qint16> pcm = samples(readAll(dataPath("sounds/click1.wav")), &rate);
    QVERIFY(rate > 0 && !pcm.isEmpty());
    qsizetype peakAt = 0;
    for (qsizetype i = 0; i < pcm.size(); ++i)
        if (std::abs(pcm[i]) > std::abs(pcm[peakAt]))
            peakAt = i;
    const double peak = std::abs(pcm[peakAt]) / 32768.0;
    const double dBFS = 20 * std::log10(peak);
    QVERIFY2(dBFS > -13.5 && dBFS < -10.5, qPrintable(QStringLiteral("peak %1 dBFS").arg(dBFS)));
    // Rising over a few milliseconds: the first one stays well below the peak.
    int firstMs = 0;
    for (qsizetype i = 0; i < rate / 1000; ++i)
        firstMs = std::max(firstMs, std::abs(int(pcm[i])));
    QVERIFY2(firstMs <= 0.3 * std::abs(pcm[peakAt]), "hard attack");
    QVERIFY2(peakAt >= 2 * rate / 1000, "peaks within 2 ms");
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
