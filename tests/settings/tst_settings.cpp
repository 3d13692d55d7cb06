#include "support/game_fixture.h"
#include "support/real_game.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace quilora;
using game::Rgb;

// A game with the real options dialog; its settings file is written before it loads.
struct Game : testing::GameFixture {
    explicit Game(const std::optional<QByteArray>& settings = std::nullopt)
        : GameFixture(false, [&](game::Form1Extensions& extensions) {
              if (settings)
                  writeFile("Quilora.ini", *settings);
              testing::useRealParts(extensions);
          }) {}
    settings::Form2& dialog() const { return testing::optionsOf(*form); }
};

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void reader_data();
    void reader();
    void failedWriteKeepsTheChoicesInEffect();
    void applyAndOk();
    void soundTable();
    void setColor();
    void pictureSetNames();
};

void TestSettings::reader_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("choices"); // background, picture set, sound
    QTest::addColumn<float>("language");
    QTest::addColumn<QStringList>("values");
    const auto row = [](const char* tag, const QByteArray& file, QList<int> choices, float language,
                        const char* values) {
        QTest::newRow(tag) << file << choices << language << QString(values).split('|');
    };
    row("keys play no part", "optP=3\r\n=1\r\nabc=0\r\nx=1=2\r\n", {3, 1, 0}, 1, "3|1|0|1=2||");
    row("lines without =", "4\n2\n1\n0", {4, 2, 1}, 0, "4|2|1|0||");
    row("more than six lines", "1\r\n2\r\n0\r\n0\r\n4\r\n5\r\n6\r\n7\r\n", {1, 2, 0}, 0,
        "1|2|0|0|4|5");
    row("fewer lines", "optFon=3\r\n", {3, 0, 1}, 1, "3|0||||");
    row("no numbers", "optFon=abc\r\noptP=\r\nchks.Value=yes\r\nLocalisation=en\r\n", {0, 0, 1}, 1,
        "0|0|yes|en||");
    row("out of range", "optFon=7\r\noptP=-1\r\nchks.Value=3\r\nLocalisation=3\r\n", {0, 0, 1}, 1,
        "0|0|3|3||");
    row("greyed box, language 0.7", "optFon=1\r\noptP=4\r\nchks.Value=2\r\nLocalisation=0,7\r\n",
        {1, 4, 2}, 0.7f, "1|4|2|0,7||");
    row("huge file", "optFon=2\r\n" + QByteArray(20 << 20, 'x'), {2, 0, 1}, 1, "2|0||||");
}

void TestSettings::reader() {
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, choices);
    QFETCH(float, language);
    QFETCH(QStringList, values);
    Game game(file);
    QCOMPARE((QList<int>{game.dialog().optFon, game.dialog().optP, game.dialog().chkSValue}),
             choices);
    QCOMPARE(game.state.Localisation, language);
    QCOMPARE(QStringList(game.state.SettingValue.begin(), game.state.SettingValue.end()), values);
}

// The choices that could not be written stay in effect for the reloaded window.
void TestSettings::failedWriteKeepsTheChoicesInEffect() {
    Game game;
    QVERIFY(QDir(game.dir.path()).mkdir("Quilora.ini"));
    game.dialog().optP_Click(3);
    game.dialog().cmdNAS_Click(1);
    game::Form1Extensions parts;
    testing::useRealParts(parts);
    game::Form1 reloaded(game.state, game.platform.services(), parts);
    reloaded.Form_Load();
    QVERIFY(reloaded.program().PictureFolder.endsWith("img3/"));

    // Once a write succeeds, the file is what counts again.
    QVERIFY(QDir(game.dir.path()).rmdir("Quilora.ini"));
    testing::optionsOf(reloaded).cmdNAS_Click(2);
    game.writeFile("Quilora.ini", "0\r\n2\r\n1\r\n1\r\n");
    testing::optionsOf(reloaded).ChooseIni();
    QCOMPARE(testing::optionsOf(reloaded).optP, 2);
}

// Background Apply changes the window only; OK and pictures Apply save, clear or reload.
void TestSettings::applyAndOk() {
    Game game;
    settings::Form2& dialog = game.dialog();
    dialog.optFon_Click(3);
    dialog.optFon_Click(5); // no such option: the choice stays
    dialog.cmdNAS_Click(0);
    QCOMPARE(game.form->cardColour, (Rgb{134, 138, 163}));
    QVERIFY(!QFile::exists(game.path("Quilora.ini")));
    game.findPairs(3);
    dialog.optFon_Click(1);
    dialog.cmdNAS_Click(2);
    QCOMPARE(game.readFile("Quilora.ini"),
             QByteArray("optFon=1\r\noptP=0\r\nchks.Value=1\r\nLocalisation=1\r\n"));
    QCOMPARE(game.form->cardColour, (Rgb{225, 205, 190}));
    QVERIFY(game.faceUp().isEmpty() && game.form->PairsFound == 0);
    QVERIFY(!game.form->reloadPending);
    dialog.optP_Click(4);
    dialog.cmdNAS_Click(2);
    QVERIFY(game.form->reloadPending);
    game.form->reloadPending = false;
    dialog.optP_Click(0); // back to the set on the board: no reload
    dialog.cmdNAS_Click(2);
    QVERIFY(!game.form->reloadPending);
    QSignalSpy hidden(&dialog, &settings::Form2::hideRequested);
    dialog.optFon_Click(4); // selected, never applied
    dialog.optP_Click(2);
    dialog.optP_Click(5); // no such set
    dialog.setChkS(0);
    game.state.ElapsedSeconds = 40;
    dialog.cmdNAS_Click(1);
    QCOMPARE(game.readFile("Quilora.ini"),
             QByteArray("optFon=1\r\noptP=2\r\nchks.Value=0\r\nLocalisation=1\r\n"));
    QVERIFY(game.form->reloadPending);
    QCOMPARE(game.state.ElapsedSeconds, 0);
    QCOMPARE(hidden.size(), 1);
}

// Off from the start: silence; on: the six sounds, loaded at once; off again: No.wav.
void TestSettings::soundTable() {
    Game game(QByteArray("0\r\n0\r\n0\r\n1\r\n"));
    game.dialog().ChooseIni(); // the fixture's own click and pair sounds go
    for (int i = 0; i < 6; ++i)
        QVERIFY(game.state.SoundFile[i].isEmpty());
    QVERIFY(game.platform.sound.preloaded.isEmpty());
    game.dialog().setChkS(1);
    game.dialog().chkS_Click();
    int i = 0;
    for (const char* name :
         {"No.wav", "click1.wav", "click2.wav", "victory.wav", "victory1.wav", "victory10.wav"})
        QCOMPARE(game.state.SoundFile[i++], game.path(QStringLiteral("sounds/") + name));
    QCOMPARE(game.platform.sound.preloaded.size(), 6);
    game.dialog().setChkS(0);
    game.dialog().chkS_Click();
    for (int i = 1; i < 6; ++i)
        QCOMPARE(game.state.SoundFile[i], game.path("sounds/No.wav"));
}

// Cards, panels and window picture for each background; a fresh window keeps its colour.
void TestSettings::setColor() {
    Game game;
    QDir(game.dir.path()).mkdir("back");
    for (const char* name : {"back/back1.jpg", "back/back3.jpg", "back/back4.jpg"})
        game.writeFile(name, "jpeg");
    const auto choose = [&](const char* choice, Rgb card, const char* picture) {
        game.state.SettingValue[0] = choice;
        game.dialog().SetColor();
        QCOMPARE(game.form->cardColour, card);
        QCOMPARE(game.form->panelColour, card);
        QCOMPARE(game.form->windowPicture, *picture ? game.path(picture) : QString());
    };
    game.form->windowColour.reset();
    choose("3", {134, 138, 163}, "back/back3.jpg");
    QVERIFY(!game.form->windowColour);
    choose("0", {200, 200, 200}, "");
    choose("1", {225, 205, 190}, "back/back1.jpg");
    QCOMPARE(game.form->windowColour, (Rgb{180, 180, 180})); // grey once shown, under pictures
    choose("2", {255, 197, 85}, "");                         // its picture is missing
    choose("4", {239, 96, 162}, "back/back4.jpg");
    game.form->panelColour.reset();
    choose("7", {239, 96, 162}, "back/back4.jpg"); // no such choice: the panels still follow
}

void TestSettings::pictureSetNames() {
    Game game;
    for (const char* folder : {"img0", "img1", "img3", "back"})
        QDir(game.dir.path()).mkdir(folder);
    game.writeFile("img0/setname.txt", QStringLiteral("Животные\r\nAnimals\r\n").toUtf8());
    game.writeFile("img1/setname.txt", "\xD4\xF0\xF3\xEA\xF2\xFB\r\n"); // Windows-1251
    game.writeFile("img3/setname.txt", QStringLiteral("Цвета\r\n\r\nnotes\r\n").toUtf8());
    game.writeFile("back/back1.jpg", "jpeg");
    settings::Form2 dialog(*game.form); // reads the names and thumbnails as it loads
    QCOMPARE(dialog.pictureSetCaption(0), "Animals");
    QCOMPARE(dialog.pictureSetCaption(1), QStringLiteral("Фрукты"));
    QCOMPARE(dialog.pictureSetCaption(3), QStringLiteral("Цвета")); // no English name given
    QCOMPARE(dialog.picChoose[1], game.path("back/back1.jpg"));
    game.state.Localisation = 0;
    QCOMPARE(dialog.pictureSetCaption(0), QStringLiteral("Животные"));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
