#include "core/paths.h"
#include "platform/qt_platform.h"

#include <QDesktopServices>
#include <QDir>
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
    void opensTheShortcutsAddress();
    void contentFolder_data();
    void contentFolder();
    void dataFolder();

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

// Seeded from the clock, two sources draw differently.
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

void TestPlatform::shortcutAddress_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("address");
    QTest::newRow("https, CR LF") << QByteArray("[InternetShortcut]\r\nURL=https://a.example/\r\n")
                                  << "https://a.example/";
    QTest::newRow("http, LF") << QByteArray("[InternetShortcut]\nURL=http://a.example/x\n")
                              << "http://a.example/x";
    QTest::newRow("another program's file")
        << QByteArray("URL=file:///etc/passwd\r\n") << QString();
    QTest::newRow("no address") << QByteArray("[InternetShortcut]\r\n") << QString();
    QTest::newRow("not a web address") << QByteArray("URL=https://\r\n") << QString();
}

void TestPlatform::shortcutAddress() {
    QFETCH(QByteArray, content);
    QFETCH(QString, address);
    QCOMPARE(platform::shortcutAddress(content), address);
}

// The address in a shortcut goes to the desktop's handler of web addresses, here this test.
void TestPlatform::opensTheShortcutsAddress() {
    QTemporaryDir dir;
    QFile url(dir.filePath("temp.url"));
    QVERIFY(url.open(QIODevice::WriteOnly));
    url.write("[InternetShortcut]\r\nURL=https://a.example/news\r\n");
    url.close();
    QDesktopServices::setUrlHandler("https", this, "openUrl");
    platform::DesktopLinkOpener opener;
    QVERIFY(opener.openShortcut(url.fileName()));
    QVERIFY(!opener.openShortcut(dir.filePath("missing.url")));
    QVERIFY(!opener.openShortcut(dir.path())); // a folder
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(opened, QStringList{"https://a.example/news"});
}

void TestPlatform::contentFolder_data() {
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("content");
    QTest::newRow("installed in bin") << QStringList{"bin", "share/quilora/img0"} << "bin"
                                      << "share/quilora";
    QTest::newRow("installed in games")
        << QStringList{"games", "share/games/quilora/img0", "share/quilora/img0"} << "games"
        << "share/games/quilora";
    QTest::newRow("a copy that runs where it lies")
        << QStringList{"games/img0", "share/games/quilora/img0"} << "games"
        << "games";
    QTest::newRow("neither") << QStringList{"a/b", "a/share/quilora"} << "a/b"
                             << "a/b";
}

void TestPlatform::contentFolder() {
    QFETCH(QStringList, folders);
    QFETCH(QString, executable);
    QFETCH(QString, content);
    QTemporaryDir root;
    for (const QString& folder : folders)
        QVERIFY(QDir(root.path()).mkpath(folder));
    QCOMPARE(core::contentFolder(root.filePath(executable)), root.filePath(content));
}

void TestPlatform::dataFolder() {
    QTemporaryDir program, user;
    const QString userData = user.filePath("share/Quilora");
    QCOMPARE(core::dataFolder(program.path(), userData), program.path());
    QVERIFY(QDir(program.path()).isEmpty() && !QFileInfo::exists(userData)); // probes left nothing
    QCOMPARE(core::dataFolder(QStringLiteral("/proc/self"), userData), userData);
    QVERIFY(QFileInfo(userData).isDir());
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
