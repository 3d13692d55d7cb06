#include "support/game_fixture.h"
#include "support/real_game.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace quilora;
using game::Rgb;

namespace {

// A game with the real options dialog; its settings file is written before it loads.
struct Game : testing::GameFixture {
    explicit Game(const std::optional<QByteArray>& settings = std::nullopt)
        : GameFixture(false, [&](game::Form1Extensions& extensions) {
              if (settings)
                  writeFile("Quilora.ini", *settings);
              testing::useRealParts(extensions);
          }) {}
    settings::Form2& dialog() const { return testing::optionsOf(*form); }
    QString sound(const char* name) const {
        return QDir(dir.path()).filePath(QStringLiteral("sounds/%1").arg(QLatin1String(name)));
    }
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void reader_data();
    void reader();
    void failedWriteKeepsTheChoicesInEffect();
    void backgroundApplyChangesTheWindowOnly();
    void picturesApplySavesAndReloads();
    void okSavesAndClearsOrDealsTheChosenSet();
    void soundTable();
    void setColor_data();
    void setColor();
    void setColorKeepsTheWindowColourForPictures();
    void pictureSetNames();
};

void TestSettings::reader_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("background");
    QTest::addColumn<int>("pictureSet");
    QTest::addColumn<int>("sound");
    QTest::addColumn<float>("language");
    QTest::addColumn<QStringList>("values");

    const auto row = [](const char* tag, const QByteArray& file, int background, int set, int sound,
                        float language, const char* values) {
        QTest::newRow(tag) << file << background << set << sound << language
                           << QString(values).split('|');
    };
    row("four lines", "optFon=2\r\noptP=3\r\nchks.Value=0\r\nLocalisation=0\r\n", 2, 3, 0, 0,
        "2|3|0|0||");
    row("keys play no part", "optP=3\r\n=1\r\nabc=0\r\nx=1=2\r\n", 3, 1, 0, 1, "3|1|0|1=2||");
    row("lines without =", "4\n2\n1\n0", 4, 2, 1, 0, "4|2|1|0||");
    row("five and six lines",
        "optFon=1\r\noptP=1\r\nchks.Value=1\r\nLocalisation=1\r\nfive=5\r\nsix\r\n", 1, 1, 1, 1,
        "1|1|1|1|5|six");
    row("more than six lines", "1\r\n2\r\n0\r\n0\r\n4\r\n5\r\n6\r\n7\r\n", 1, 2, 0, 0,
        "1|2|0|0|4|5");
    row("fewer lines", "optFon=3\r\n", 3, 0, 1, 1, "3|0||||");
    row("no numbers", "optFon=abc\r\noptP=\r\nchks.Value=yes\r\nLocalisation=en\r\n", 0, 0, 1, 1,
        "0|0|yes|en||");
    row("out of range", "optFon=7\r\noptP=-1\r\nchks.Value=3\r\nLocalisation=3\r\n", 0, 0, 1, 1,
        "0|0|3|3||");
    row("greyed box, language 0.7", "optFon=1\r\noptP=4\r\nchks.Value=2\r\nLocalisation=0,7\r\n", 1,
        4, 2, 0.7f, "1|4|2|0,7||");
    row("huge file", "optFon=2\r\n" + QByteArray(20 << 20, 'x'), 2, 0, 1, 1, "2|0||||");
}

void TestSettings::reader() {
    QFETCH(QByteArray, file);
    QFETCH(int, background);
    QFETCH(int, pictureSet);
    QFETCH(int, sound);
    QFETCH(float, language);
    QFETCH(QStringList, values);

    Game game(file);
    QCOMPARE(game.dialog().optFon, background);
    QCOMPARE(game.dialog().optP, pictureSet);
    QCOMPARE(game.dialog().chkSValue, sound);
    QCOMPARE(game.state.Localisation, language);
    QCOMPARE(QStringList(game.state.SettingValue.begin(), game.state.SettingValue.end()), values);
    QVERIFY(game.state.PictureFolder.endsWith(QStringLiteral("img%1/").arg(pictureSet)));
}

void TestSettings::failedWriteKeepsTheChoicesInEffect() {
    Game game;
    QVERIFY(QDir(game.dir.path()).mkdir("Quilora.ini"));
    game.dialog().optP_Click(3);
    game.dialog().cmdNAS_Click(1);
    QVERIFY(game.form->reloadPending);

    // The reloaded window reads the choices that could not be written, not the defaults.
    game::Form1Extensions parts;
    testing::useRealParts(parts);
    game::Form1 reloaded(game.state, game.platform.services(), parts);
    reloaded.Form_Load();
    QVERIFY(reloaded.program().PictureFolder.endsWith("img3/"));

    // Once a write succeeds, the file is what counts again.
    QVERIFY(QDir(game.dir.path()).rmdir("Quilora.ini"));
    settings::Form2& dialog = testing::optionsOf(reloaded);
    dialog.cmdNAS_Click(2);
    QCOMPARE(game.platform.messages.shown.size(), 1);
    game.writeFile("Quilora.ini", "0\r\n2\r\n1\r\n1\r\n");
    dialog.ChooseIni();
    QCOMPARE(dialog.optP, 2);
}

void TestSettings::backgroundApplyChangesTheWindowOnly() {
    Game game;
    game.dialog().optFon_Click(3);
    game.dialog().cmdNAS_Click(0);
    QCOMPARE(game.form->cardColour, (Rgb{134, 138, 163}));
    QCOMPARE(game.state.SettingValue[0], "3");
    game.dialog().optFon_Click(0);
    game.dialog().optFon_Click(5); // no such option: the choice stays
    game.dialog().cmdNAS_Click(0);
    QCOMPARE(game.form->cardColour, (Rgb{200, 200, 200}));
    QVERIFY(!QFile::exists(game.path("Quilora.ini")));
    game.dialog().optP_Click(2);
    game.dialog().optP_Click(5);
    QCOMPARE(game.dialog().optP, 2);
}

void TestSettings::picturesApplySavesAndReloads() {
    Game game(QByteArray("optFon=0\r\noptP=3\r\nchks.Value=1\r\nLocalisation=1\r\n"));
    QSignalSpy hidden(&game.dialog(), &settings::Form2::hideRequested);
    game.dialog().optFon_Click(4); // selected, never applied
    game.dialog().optP_Click(0);
    game.dialog().optP_Click(7); // no such set
    game.dialog().setChkS(0);
    game.state.ElapsedSeconds = 40;
    game.dialog().cmdNAS_Click(1);
    QCOMPARE(game.readFile("Quilora.ini"),
             QByteArray("optFon=0\r\noptP=0\r\nchks.Value=0\r\nLocalisation=1\r\n"));
    QVERIFY(game.form->reloadPending);
    QCOMPARE(game.state.ElapsedSeconds, 0);
    QCOMPARE(hidden.size(), 1);
}

void TestSettings::okSavesAndClearsOrDealsTheChosenSet() {
    Game game;
    game.findPairs(3);
    game.state.ElapsedSeconds = 25;
    game.dialog().optFon_Click(1);
    game.dialog().cmdNAS_Click(2);
    QCOMPARE(game.readFile("Quilora.ini"),
             QByteArray("optFon=1\r\noptP=0\r\nchks.Value=1\r\nLocalisation=1\r\n"));
    QCOMPARE(game.form->cardColour, (Rgb{225, 205, 190}));
    QVERIFY(game.faceUp().isEmpty());
    QCOMPARE(game.form->PairsFound, 0);
    QCOMPARE(game.state.ElapsedSeconds, 0);
    QVERIFY(!game.form->reloadPending);

    game.dialog().optFon_Click(0);
    game.dialog().optP_Click(4);
    game.dialog().cmdNAS_Click(2);
    QCOMPARE(game.form->cardColour, (Rgb{200, 200, 200}));
    QVERIFY(game.form->reloadPending); // another set: a new deal, as pictures Apply gives

    game.form->reloadPending = false;
    game.dialog().optP_Click(0); // back to the set on the board
    game.dialog().cmdNAS_Click(2);
    QVERIFY(game.readFile("Quilora.ini").contains("optP=0"));
    QVERIFY(!game.form->reloadPending);
}

void TestSettings::soundTable() {
    Game off(QByteArray("0\r\n0\r\n0\r\n1\r\n"));
    off.dialog().ChooseIni(); // the fixture's own click and pair sounds go
    QCOMPARE(off.form->lblSND, "Sound");
    for (int i = 0; i < 6; ++i)
        QVERIFY(off.state.SoundFile[i].isEmpty()); // off from the start: silence
    QVERIFY(off.platform.sound.preloaded.isEmpty());

    off.dialog().setChkS(1);
    off.dialog().chkS_Click();
    int i = 0;
    for (const char* name :
         {"No.wav", "click1.wav", "click2.wav", "victory.wav", "victory1.wav", "victory10.wav"})
        QCOMPARE(off.state.SoundFile[i++], off.sound(name));
    QCOMPARE(off.form->lblSND, "Snd off");
    QCOMPARE(off.platform.sound.preloaded.size(), 6); // ready before their first play

    off.dialog().setChkS(0);
    off.dialog().chkS_Click();
    for (int i = 1; i < 6; ++i)
        QCOMPARE(off.state.SoundFile[i], off.sound("No.wav"));
    QCOMPARE(off.form->lblSND, "Snd on");
}

void TestSettings::setColor_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<Rgb>("card");
    QTest::addColumn<QString>("picture");
    QTest::newRow("0") << 0 << Rgb{200, 200, 200} << QString();
    QTest::newRow("1") << 1 << Rgb{225, 205, 190} << QString("back/back1.jpg");
    QTest::newRow("2") << 2 << Rgb{255, 197, 85} << QString("back/back2.jpg");
    QTest::newRow("3") << 3 << Rgb{134, 138, 163} << QString("back/back3.jpg");
    QTest::newRow("4") << 4 << Rgb{239, 96, 162} << QString("back/back4.jpg");
    QTest::newRow("picture missing") << 2 << Rgb{255, 197, 85} << QString();
}

void TestSettings::setColor() {
    QFETCH(int, choice);
    QFETCH(Rgb, card);
    QFETCH(QString, picture);
    Game game;
    QDir(game.dir.path()).mkdir("back");
    if (!picture.isEmpty())
        game.writeFile(picture, "jpeg");
    game.state.SettingValue[0] = QString::number(choice);
    game.dialog().SetColor();
    QCOMPARE(game.form->cardColour, card);
    QCOMPARE(game.form->panelColour, card);
    QCOMPARE(game.form->windowPicture, picture.isEmpty() ? QString() : game.path(picture));
}

void TestSettings::setColorKeepsTheWindowColourForPictures() {
    Game game;
    QDir(game.dir.path()).mkdir("back");
    game.writeFile("back/back3.jpg", "jpeg");
    const Rgb grey{180, 180, 180};
    QCOMPARE(game.form->windowColour, grey);
    game.form->windowColour.reset(); // a fresh window keeps the desktop's colour
    game.state.SettingValue[0] = "3";
    game.dialog().SetColor();
    QVERIFY(!game.form->windowColour);
    game.state.SettingValue[0] = "0"; // 0 after 3: no picture, grey
    game.dialog().SetColor();
    QCOMPARE(game.form->windowPicture, QString());
    QCOMPARE(game.form->windowColour, grey);
    game.state.SettingValue[0] = "3"; // the picture now lies over the grey
    game.dialog().SetColor();
    QCOMPARE(game.form->windowColour, grey);

    game.state.SettingValue[0] = "7"; // no such choice: the panels still follow the cards
    game.form->panelColour.reset();
    game.dialog().SetColor();
    QCOMPARE(game.form->cardColour, (Rgb{134, 138, 163}));
    QCOMPARE(game.form->windowPicture, game.path("back/back3.jpg"));
    QCOMPARE(game.form->panelColour, (Rgb{134, 138, 163}));
}

void TestSettings::pictureSetNames() {
    Game game;
    for (const char* folder : {"img0", "img1", "img2", "img3", "back"})
        QDir(game.dir.path()).mkdir(folder);
    game.writeFile("img0/setname.txt", QStringLiteral("Животные\r\nAnimals\r\n").toUtf8());
    game.writeFile("img1/setname.txt", "\xD4\xF0\xF3\xEA\xF2\xFB\r\n"); // Windows-1251
    game.writeFile("img2/setname.txt", "");
    game.writeFile("img3/setname.txt", QStringLiteral("Цвета\r\n\r\nnotes\r\n").toUtf8());
    game.writeFile("back/back1.jpg", "jpeg");
    settings::Form2 dialog(*game.form); // reads the names and thumbnails as it loads

    QCOMPARE(dialog.pictureSetCaption(0), "Animals");
    QCOMPARE(dialog.pictureSetCaption(1), QStringLiteral("Фрукты"));
    QCOMPARE(dialog.pictureSetCaption(2), QString());
    QCOMPARE(dialog.pictureSetCaption(3), QStringLiteral("Цвета")); // no English name given
    QCOMPARE(dialog.pictureSetCaption(5), QString());
    QCOMPARE(dialog.picChoose[1], game.path("back/back1.jpg"));
    QVERIFY(dialog.picChoose[0].isEmpty());
    game.state.Localisation = 0;
    QCOMPARE(dialog.pictureSetCaption(0), QStringLiteral("Животные"));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
