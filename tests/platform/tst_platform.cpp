// The program's sounds, random numbers and web links on the desktop.
#include "platform/qt_platform.h"

#include <QDesktopServices>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

using namespace quilora;

class TestPlatform : public QObject {
    Q_OBJECT

public slots:
    void openUrl(const QUrl& url) { opened << url.toString(); }

private slots:
    void soundPlayer();
    void randomSeededFromTheClock();
    void shortcutAddress_data();
    void shortcutAddress();

private:
    QStringList opened;
};

// Preloading waits while held; each file found is loaded once, a missing one or none is
// silence, and a sound cuts off the one before. No audio device is needed: an effect plays
// from the moment it is asked to.
void TestPlatform::soundPlayer() {
#if defined(__SANITIZE_ADDRESS__)
    // Qt 6.4 loads samples on a thread of its own; ended while it loads, the program leaks them.
    QSKIP("Qt's sample loader leaks when the program ends during a load");
#endif
    const QString click = QStringLiteral(QUILORA_DATA_DIR "/sounds/click1.wav");
    const QString victory = QStringLiteral(QUILORA_DATA_DIR "/sounds/victory.wav");
    const QString missing = QStringLiteral(QUILORA_DATA_DIR "/sounds/missing.wav");
    platform::QtSoundPlayer player;
    const auto effects = [&](bool playing) {
        QStringList files;
        for (const QSoundEffect* effect : player.findChildren<QSoundEffect*>())
            if (!playing || effect->isPlaying())
                files << effect->source().toLocalFile();
        files.sort();
        return files;
    };
    player.holdPreloading();
    player.preload({click, missing, QString()});
    QCOMPARE(effects(false), QStringList());
    player.releasePreloading();
    QCOMPARE(effects(false), QStringList{click});
    for (const QString& path : {QString(), missing, click, victory, click, victory, missing}) {
        player.play(path);
        const bool heard = path == click || path == victory;
        QCOMPARE(effects(true), heard ? QStringList(path) : QStringList());
    }
    QCOMPARE(effects(false), (QStringList{click, victory}));
}

// Seeded from the clock, two sources draw differently, from [0, 1).
void TestPlatform::randomSeededFromTheClock() {
    platform::ClockSeededRandom a, b;
    a.seedFromClock();
    b.seedFromClock();
    QList<float> drawn[2];
    for (int i = 0; i < 4; ++i)
        drawn[0] << a.next(), drawn[1] << b.next();
    QVERIFY(drawn[0] != drawn[1]);
    QVERIFY(std::all_of(drawn[0].begin(), drawn[0].end(), [](float x) { return x >= 0 && x < 1; }));
}

// The web address of a shortcut goes to the desktop's handler (this test); nothing else does.
void TestPlatform::shortcutAddress_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("address");
    QTest::newRow("https, CR LF") << QByteArray("[InternetShortcut]\r\nURL=https://a.example/\r\n")
                                  << "https://a.example/";
    QTest::newRow("http, LF") << QByteArray("URL=http://a.example/x\n") << "http://a.example/x";
    QTest::newRow("another program's file")
        << QByteArray("URL=file:///etc/passwd\r\n") << QString();
    QTest::newRow("not a web address") << QByteArray("URL=https://\r\n") << QString();
    QTest::newRow("no file") << QByteArray() << QString();
}

void TestPlatform::shortcutAddress() {
    QFETCH(QByteArray, content);
    QFETCH(QString, address);
    QTemporaryDir dir;
    QFile url(dir.filePath("temp.url"));
    QVERIFY(content.isNull() || (url.open(QIODevice::WriteOnly) && url.write(content)));
    url.close();
    opened.clear();
    QDesktopServices::setUrlHandler("https", this, "openUrl");
    QDesktopServices::setUrlHandler("http", this, "openUrl");
    QCOMPARE(platform::DesktopLinkOpener().openShortcut(url.fileName()), !address.isEmpty());
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("http");
    QCOMPARE(opened, address.isEmpty() ? QStringList() : QStringList{address});
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
