// Quilora.ini, the options dialog's buttons, the sound table, the backgrounds and set names.
#include "support/game.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace quilora;
using core::Rgb;
using testing::Game;

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void reader_data();
    void reader();
    void buttons();
    void failedWriteKeepsTheChoicesInEffect();
    void dialogContents();
};

// Values by line position, keys unread; unusable values fall back one by one to the defaults.
// What OK then writes holds the values in use: background, picture set, sound, language.
void TestSettings::reader_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("written");
    const auto row = [](const char* tag, const QByteArray& file, const char* written) {
        QTest::newRow(tag) << file << QByteArray(written);
    };
    row("no file: the defaults", {}, "0|0|1|1");
    row("keys play no part", "optP=3\r\n=1\r\nabc=0\r\nx=1=2\r\n", "3|1|0|1");
    row("lines without =, more than four", "4\n2\n1\n0\n1\n3", "4|2|1|0");
    row("fewer lines", "optFon=3\r\n", "3|0|1|1");
    row("no numbers or out of range", "optFon=abc\r\noptP=5\r\nchks.Value=3\r\nLocalisation=en\r\n",
        "0|0|1|1");
    row("a greyed box and 0,7", "optFon=1\r\noptP=4\r\nchks.Value=2\r\nLocalisation=0,7\r\n",
        "1|4|2|0.7");
    row("huge file", "optFon=2\r\n" + QByteArray(20 << 20, 'x'), "2|0|1|1");
}

void TestSettings::reader() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, written);
    Game game(file);
    game.options().cmdNAS_Click(2);
    const QList<QByteArray> values = written.split('|');
    QCOMPARE(game.readFile("Quilora.ini"), "optFon=" + values[0] + "\r\noptP=" + values[1] +
                                               "\r\nchks.Value=" + values[2] +
                                               "\r\nLocalisation=" + values[3] + "\r\n");
}

// OK and pictures Apply save, then clear the board or deal another set; Cancel gives the clock
// back its time. Each closes the dialog.
void TestSettings::buttons() {
    Game game;
    settings::Form2& dialog = game.options();
    QSignalSpy closed(&dialog, &settings::Form2::hideRequested);
    QSignalSpy reloads(&game.form(), &game::Form1::reloadRequested);
    game.tick(30);
    game.form().cmdTOP_Click(1); // Options: the clock goes on, Cancel gives it back
    game.tick(5);
    dialog.cmdNAS_Click(3);
    game.tick(1);
    QCOMPARE(game.form().lblTime(), "31");

    game.findPairs(0, 3);
    dialog.optFon_Click(1);
    dialog.cmdNAS_Click(2); // OK: saved, applied, a new game on the same cards, the same set
    QCOMPARE(game.readFile("Quilora.ini"),
             QByteArray("optFon=1\r\noptP=0\r\nchks.Value=1\r\nLocalisation=1\r\n"));
    QCOMPARE(dialog.appearance().cardColour, (Rgb{225, 205, 190}));
    QCOMPARE(game.form().PairsFound(), 0);
    QCOMPARE(closed.size(), 2);
    QVERIFY(reloads.isEmpty());

    dialog.optFon_Click(4); // selected, never applied
    dialog.optP_Click(2);
    dialog.chkS_Click();
    game.tick(40);
    dialog.cmdNAS_Click(1);
    QCOMPARE(game.readFile("Quilora.ini"),
             QByteArray("optFon=1\r\noptP=2\r\nchks.Value=0\r\nLocalisation=1\r\n"));
    QCOMPARE(reloads.size(), 1);
    QCOMPARE(closed.size(), 3);
    game.start(); // the reload: set 2, and the clock that pictures Apply set back to 0
    QVERIFY(game.form().PictureFolder().endsWith("img2/"));
    game.tick(1);
    QCOMPARE(game.form().lblTime(), "1");
}

// A failed save says why; the choices that could not be written stay in effect for the reloaded
// window, until a write succeeds and the file counts again.
void TestSettings::failedWriteKeepsTheChoicesInEffect() {
    Game game;
    QVERIFY(QDir(game.dir.path()).mkdir("Quilora.ini"));
    game.options().optP_Click(3);
    game.options().cmdNAS_Click(1);
    QVERIFY(game.platform.messages.shown.value(0).startsWith(
        "The settings could not be saved: " + game.path("Quilora.ini") + " cannot be written ("));
    game.start();
    QVERIFY(game.form().PictureFolder().endsWith("img3/"));
    QVERIFY(QDir(game.dir.path()).rmdir("Quilora.ini"));
    game.options().cmdNAS_Click(2);
    game.writeFile("Quilora.ini", "0\r\n2\r\n1\r\n1\r\n");
    game.start();
    QCOMPARE(game.options().optP(), 2);
}

// Off from the start: silence; on: the six sounds, loaded at once; off again: No.wav, for
// every event. The label's clicks and the box's act alike. On from the start: the sounds.
// Background Apply sets the cards, panels and window picture, a missing picture leaving the
// window's colour, and saves nothing; the window turns grey by choice 0 only, and stays so.
// Set names: English if given, after a switch to Russian the Russian one, none without a file.
void TestSettings::dialogContents() {
    QCOMPARE(Game("0\r\n0\r\n1\r\n1\r\n").options().SoundFile(5).section('/', -1), "victory10.wav");
    Game game("3\r\n0\r\n0\r\n1\r\n");
    const auto sounds = [&] {
        QStringList names;
        for (int i = 1; i < 6; ++i)
            names << game.options().SoundFile(i).section('/', -1);
        return names;
    };
    QCOMPARE(sounds(), QStringList(5, QString()));
    game.options().chkS_Click();
    QCOMPARE(sounds(), (QStringList{"click1.wav", "click2.wav", "victory.wav", "victory1.wav",
                                    "victory10.wav"}));
    QCOMPARE(game.platform.sound.preloaded.size(), 6);
    game.form().lblSND_Click();
    QCOMPARE(sounds(), QStringList(5, "No.wav"));
    QCOMPARE(game.options().chkS(), 0);

    using A = settings::Appearance;
    const Rgb blue{134, 138, 163}, grey{200, 200, 200}, window{180, 180, 180}, orange{255, 197, 85};
    QCOMPARE(game.options().appearance(), (A{blue, std::nullopt, QString(), blue}));
    QDir(game.dir.path()).mkdir("back");
    game.writeFile("back/back3.jpg", "jpeg");
    const auto apply = [&](int choice) {
        game.options().optFon_Click(choice);
        game.options().cmdNAS_Click(0);
        return game.options().appearance();
    };
    QCOMPARE(apply(3), (A{blue, std::nullopt, game.path("back/back3.jpg"), blue}));
    QCOMPARE(apply(0), (A{grey, window, QString(), grey}));
    QCOMPARE(apply(2), (A{orange, window, QString(), orange})); // its picture is missing
    QCOMPARE(game.readFile("Quilora.ini"), QByteArray("3\r\n0\r\n0\r\n1\r\n")); // none saved

    QDir(game.dir.path()).mkdir("img3");
    game.writeFile("img0/setname.txt", QStringLiteral("Животные\r\nAnimals\r\n").toUtf8());
    game.writeFile("img3/setname.txt", QStringLiteral("Цвета\r\n\r\nnotes\r\n").toUtf8());
    game.start(); // the dialog reads the names as it loads
    QCOMPARE(game.options().pictureSetCaption(0), "Animals");
    QCOMPARE(game.options().pictureSetCaption(2), QString());
    QCOMPARE(game.options().pictureSetCaption(3), QStringLiteral("Цвета")); // no English name
    game.form().lblLOC_Click(0);
    QCOMPARE(game.options().pictureSetCaption(0), QStringLiteral("Животные"));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
