// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped content against the game's figures; its bytes are checked against the generator.
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QtEndian>
#include <QTest>

namespace {

const QDir kData(QStringLiteral(QUILORA_DATA_DIR));

QByteArray bytes(const QString& relative) {
    QFile file(kData.filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines of a UTF-8 text whose every line, the last included, ends with CR LF; none if not.
QStringList crlfLines(const QString& relative) {
    const QByteArray text = bytes(relative);
    if (!text.endsWith("\r\n") || text.count("\n") != text.count("\r\n") || !text.isValidUtf8())
        return {};
    return QString::fromUtf8(text.chopped(2)).split(QStringLiteral("\r\n"));
}

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void images_data();
    void images();
    void textsAndSounds();
};

// Each picture also comes as name@2x at twice the size, for screens scaled by 2 (scales 2).
void TestAssets::images_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const auto row = [](const QString& path, QSize size, int scales = 2) {
        for (int s = 1; s <= scales; ++s) {
            const QString file = s == 1 ? path : QString(path).insert(path.lastIndexOf('.'), "@2x");
            QTest::newRow(qPrintable(file.section('/', -2))) << file << size * s;
        }
    };
    for (int set = 0; set < 5; ++set)
        for (int k = 0; k < (set < 3 ? 12 : 24); ++k)
            row(kData.filePath(QStringLiteral("img%1/%2.gif").arg(set).arg(k)), {90, 80});
    for (int i = 0; i < 5; ++i)
        row(kData.filePath(QStringLiteral("back/back%1.jpg").arg(i)), {641, 425});
    for (int i = 1; i <= 8; ++i)
        row(QStringLiteral(":/icons/%1.png").arg(i), {16, 16});
    row(QStringLiteral(":/icons/app.png"), {64, 64}, 1);
    for (int size : {16, 32, 48, 128, 256})
        row(QStringLiteral(QUILORA_DESKTOP_ICON_DIR "/quilora-%1.png").arg(size), {size, size}, 1);
}

void TestAssets::images() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QCOMPARE(image.size(), size);
    // A transparent pixel would let the face-down colour show through a face-up card.
    QVERIFY(path.endsWith(".png") || !image.hasAlphaChannel());
}

// The sets' names and a screen reader's name of each picture ("ru<TAB>en"), the help texts, and
// waves of 16-bit mono PCM.
void TestAssets::textsAndSounds() {
    for (int set = 0; set < 5; ++set) {
        const QString folder = QStringLiteral("img%1/").arg(set);
        const int pictures = set < 3 ? 12 : 24;
        QCOMPARE(kData.exists(folder + "13.gif"), pictures == 24); // how the game tells a set of 24
        const QStringList names = crlfLines(folder + "setname.txt");
        QVERIFY(names.size() == 2 && names[0].front().script() == QChar::Script_Cyrillic &&
                names[1].front().script() == QChar::Script_Latin);
        const QStringList lines = crlfLines(folder + "names.txt");
        QCOMPARE(lines.filter(QRegularExpression("^[^\t]+\t[^\t]+$")).size(), pictures);
        QCOMPARE(lines.size(), pictures);
    }
    for (const char* file : {"help.txt", "help-e.txt"}) {
        const QString text = crlfLines(file).join('\n');
        QVERIFY2(text.size() > 1000, file); // present, UTF-8, CR LF throughout
        QCOMPARE(text.contains(QChar(u'и')), QLatin1String(file) == "help.txt");
    }
    for (const char* name :
         {"No.wav", "click1.wav", "click2.wav", "victory.wav", "victory1.wav", "victory10.wav"}) {
        const QByteArray wav = bytes(QStringLiteral("sounds/") + name);
        // RIFF, WAVE, a PCM format chunk of one channel and 16 bits, and samples that are heard;
        // No.wav, played while the sound is off, is silence.
        int loudest = 0;
        for (qsizetype at = 44; at + 1 < wav.size(); at += 2)
            loudest = std::max(loudest, std::abs(qFromLittleEndian<qint16>(wav.constData() + at)));
        QVERIFY2(wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt " &&
                     wav.mid(20, 4) == QByteArray("\x01\x00\x01\x00", 4) &&
                     wav.mid(34, 2) == QByteArray("\x10\x00", 2) && wav.size() > 100 &&
                     (QLatin1String(name) == "No.wav" ? loudest == 0 : loudest > 3000),
                 name);
    }
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
