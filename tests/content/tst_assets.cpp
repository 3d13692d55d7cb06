// Checks the shipped content as the game loads it: picture sets, backgrounds, sounds, help
// texts and the records list icons.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringDecoder>
#include <QTest>

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
QStringList helpLines(const QString& text) {
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

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void images_data();
    void images();
    void setKind_data();
    void setKind();
    void helpTexts_data();
    void helpTexts();
    void helpTextsAlike();
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
}

void TestAssets::images() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable("missing or unreadable: " + path));
    QCOMPARE(image.size(), size);
    if (path.startsWith(':')) {
        int visible = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                visible += qAlpha(image.pixel(x, y)) > 128;
        QVERIFY2(visible >= 40, "icon is (nearly) blank");
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
    const QStringList lines = helpLines(text);
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
        for (const QString& line : helpLines(QString::fromUtf8(readAll(dataPath(file)))))
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

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
