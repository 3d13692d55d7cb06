// SPDX-License-Identifier: GPL-3.0-or-later
// The program's surroundings: its text files and paths; sounds, random numbers and web links on
// the desktop.
#include "core/paths.h"
#include "core/text_file.h"
#include "platform/qt_platform.h"
#include "support/full_disk.h"
#include "support/test_folder.h"

#include <QDesktopServices>
#include <QDir>
#include <QSoundEffect>
#include <QTest>

#include <sys/stat.h>

using namespace quilora;

class TestSurroundings : public QObject {
    Q_OBJECT

public slots:
    void openUrl(const QUrl& url) { opened << url.toString(); }

private slots:
    void readsLines_data();
    void readsLines();
    void writesLines();
    void paths();
    void soundPlayer();
    void randomSeededFromTheClock();
    void shortcutAddress_data();
    void shortcutAddress();

private:
    QStringList opened;
};

void TestSurroundings::readsLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF, LF, CR, a blank line, no last end")
        << QByteArray("a\r\nb\nc\rd\r\r\ne") << QStringList{"a", "b", "c", "d", "", "e"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("UTF-8 after the BOMs of joined files")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF\xD1\x91\xD0\xB6~\r\n")
        << QStringList{QStringLiteral("ёж~")};
    // "Раз" starts like UTF-8.
    QTest::newRow("Windows-1251") << QByteArray("\xD0\xE0\xE7\r\n\xB9\x35")
                                  << QStringList{QStringLiteral("Раз"), QStringLiteral("№5")};
}

// All of it, or within a limit whole lines only, the reader told it was not all.
void TestSurroundings::readsLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    testing::TestFolder folder;
    folder.writeFile("record.txt", bytes);
    bool whole = false;
    QCOMPARE(core::readLines(folder.path("record.txt"), bytes.size(), &whole), lines);
    QVERIFY(whole);
    if (bytes.startsWith('a')) {
        QCOMPARE(core::readLines(folder.path("record.txt"), 4, &whole), lines.mid(0, 1));
        QVERIFY(!whole);
    }
}

// CR LF and UTF-8; a failed write says why and leaves the old file, and nothing beside it.
void TestSurroundings::writesLines() {
    testing::TestFolder folder;
    const QString path = folder.path("record.txt");
    QString error;
    QVERIFY(core::writeLines(path, {QStringLiteral("47,3~Ёлка~Set~6~05.12.2026~^"), "x"}, &error) &&
            error.isEmpty());
    const QByteArray written = QStringLiteral("47,3~Ёлка~Set~6~05.12.2026~^\r\nx\r\n").toUtf8();
    QCOMPARE(folder.readFile("record.txt"), written);
    QVERIFY(!core::writeLines(folder.path("missing/record.txt"), {"x"}, &error) &&
            !error.isEmpty());
    error.clear();
    std::optional<testing::FullDisk> full(std::in_place); // checked once it is gone
    const bool fullWritten = core::writeLines(path, {"a line longer than the disk allows"}, &error);
    full.reset();
    QVERIFY(!fullWritten && !error.isEmpty());
    QCOMPARE(folder.readFile("record.txt"), written);
    QCOMPARE(QDir(folder.dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"record.txt"});
    // Through a link the player made, the file it leads to is replaced and the link stays.
    QVERIFY(QFile::link(path, folder.path("linked.txt")));
    QVERIFY(core::writeLines(folder.path("linked.txt"), {"y"}));
    QVERIFY(QFileInfo(folder.path("linked.txt")).isSymLink());
    QCOMPARE(folder.readFile("record.txt"), "y\r\n");
    // What a write cut off by a kill left goes a minute on; a younger one, the player's files
    // of like names, and links stay.
    folder.writeFile(".record.txt.quilora-qLN5pV", "leftover");
    for (const char* name : {".record.txt.quilora-qLN5p", ".record.txt.quilora-qLN5p!",
                             ".record.txt.quilora-qLN5pVx", "x.record.txt.quilora-qLN5pV"})
        folder.writeFile(name, "the player's");
    QVERIFY(QFile::link(path, folder.path(".record.txt.quilora-rIYbUM")));
    QMap<QString, QByteArray> left = testing::contents(folder.dir.path());
    for (int seconds : {0, 61}) {
        core::removeStaleTemporaries(folder.dir.path(), {"record.txt"},
                                     QDateTime::currentDateTime().addSecs(seconds));
        QCOMPARE(testing::contents(folder.dir.path()), left);
        left.remove(folder.path(".record.txt.quilora-qLN5pV")); // gone a minute on
    }
    // Renamed over, a FIFO would be gone: nothing is written, and no reason of the system's.
    QVERIFY(::mkfifo(QFile::encodeName(folder.path("fifo")).constData(), 0600) == 0);
    QVERIFY(!core::writeLines(folder.path("fifo"), {"x"}, &error) && error.isEmpty());
    QVERIFY(QFileInfo(folder.path("fifo")).exists() && !QFileInfo(folder.path("fifo")).isFile());
}

// Only a file exists, by its exact name; a program path joins with either slash. The content
// lies beside the program, or where Debian installs it; the data go beside the program if it
// can write there, else to the user's folder, made for them.
void TestSurroundings::paths() {
    testing::TestFolder folder;
    const auto at = [&](const char* name) { return folder.path(name); };
    folder.writeFile("12.gif", {});
    for (const char* made : {"13.gif", "bin", "games", "share/quilora/img0", "here/img0", "a/b",
                             "share/games/quilora/img0", "a/share/quilora"})
        QVERIFY(QDir(folder.dir.path()).mkpath(made));
    QVERIFY(core::fileExists(at("12.gif")) && !core::fileExists(at("13.gif")) &&
            !core::fileExists(at("12.GIF")));
    QCOMPARE(core::programPath(folder.dir.path() + "/", "\\img3\\12.gif"), at("img3/12.gif"));
    QCOMPARE((QStringList{core::contentFolder(at("bin")), core::contentFolder(at("games")),
                          core::contentFolder(at("here")), core::contentFolder(at("a/b"))}),
             (QStringList{at("share/quilora"), at("share/games/quilora"), at("here"), at("a/b")}));
    QCOMPARE(core::dataFolder(at("a"), at("user")), at("a"));
    QVERIFY(QDir(at("a")).entryList(QDir::Files | QDir::Hidden).isEmpty() &&
            !QFile::exists(at("user")));
    QCOMPARE(core::dataFolder(QStringLiteral("/proc/self"), at("user")), at("user"));
    QVERIFY(QFileInfo(at("user")).isDir());
    // A file whose size the system does not tell before it is read is read whole.
    QVERIFY(core::readLines("/proc/self/status", 1 << 20).value_or(QStringList()).size() > 10);
}

// Preloading waits while held; each file found is loaded once, a missing one or none is
// silence, and a sound cuts off the one before. No audio device is needed: an effect plays
// from the moment it is asked to.
void TestSurroundings::soundPlayer() {
#if defined(__SANITIZE_ADDRESS__)
    // Qt 6.4 loads samples on a thread of its own; ended while it loads, the program leaks them.
    QSKIP("Qt's sample loader leaks when the program ends during a load");
#endif
    const QString sounds = QUILORA_DATA_DIR "/sounds/", click = sounds + "click1.wav",
                  victory = sounds + "victory.wav", missing = sounds + "missing.wav";
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
    // Qt 6.4's sample cache deadlocks at exit while a sample still loads.
    for (const QSoundEffect* effect : player.findChildren<QSoundEffect*>())
        QTRY_VERIFY_WITH_TIMEOUT(effect->status() != QSoundEffect::Loading, 60000);
}

// Seeded from the clock, two sources draw differently, from [0, 1).
void TestSurroundings::randomSeededFromTheClock() {
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
void TestSurroundings::shortcutAddress_data() {
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

void TestSurroundings::shortcutAddress() {
    QFETCH(QByteArray, content);
    QFETCH(QString, address);
    QTemporaryDir dir;
    QFile url(dir.filePath("temp.url"));
    QVERIFY(content.isNull() || (url.open(QIODevice::WriteOnly) && url.write(content)));
    url.close();
    opened.clear();
    for (const char* scheme : {"https", "http"}) // dropped as this test object goes
        QDesktopServices::setUrlHandler(scheme, this, "openUrl");
    QCOMPARE(platform::DesktopLinkOpener().openShortcut(url.fileName()), !address.isEmpty());
    QCOMPARE(opened, address.isEmpty() ? QStringList() : QStringList{address});
}

QTEST_MAIN(TestSurroundings)
#include "tst_surroundings.moc"
