#include "language/accessible_names.h"
#include "language/links.h"
#include "language/set_language.h"
#include "support/game_fixture.h"
#include "support/real_game.h"

#include <QDir>
#include <QTest>

using namespace quilora;

struct Game : testing::GameFixture {
    explicit Game(const std::optional<QByteArray>& settings = std::nullopt)
        : GameFixture(false, [&](game::Form1Extensions& extensions) {
              if (settings)
                  writeFile("Quilora.ini", *settings);
              testing::useRealParts(extensions);
              extensions.setLanguage = [](game::Form1& form, float value) {
                  language::SetLanguage(form, value, form.optionsDialog()->captions());
              };
              extensions.openLink = &language::lblOrvane_Click;
          }) {}
    settings::Form2& dialog() const { return testing::optionsOf(*form); }
};

static const std::optional<game::Rgb> kDarkRed = game::Rgb{128, 0, 0};

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void captions_data();
    void captions();
    void fromSettings_data();
    void fromSettings();
    void linksAndNames();
    void spokenCardNames();
};

// Every text the language switch sets, in the order of its table.
QStringList allTexts(game::Form1& form, const game::DialogCaptions& d) {
    const core::ProgramState& p = form.program();
    const game::VictoryPanel& end = form.Frame2;
    return QStringList(form.cmdTOP.begin(), form.cmdTOP.end())
           << d.title << d.Frame[0] << d.Frame[1] << d.Frame[2] << d.chkS << d.cmdNAS[0]
           << d.cmdNAS[1] << d.cmdNAS[3] << p.CaptionCloseHelp << p.HelpFileName << p.CaptionHelp
           << p.CaptionCloseRecords << p.CaptionRecords << p.DefaultPlayerName << p.MsgVictoryFirst
           << p.MsgVictoryTop10 << p.MsgVictoryTime << p.MsgRecordPrompt << end.lblEnd[3]
           << end.cmdEND[2] << end.cmdEND[1] << end.cmdEND[0] << d.cmdNAS[2] << form.lblSND;
}

void TestLanguage::captions_data() {
    QTest::addColumn<int>("label");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("Rus") << 0
                         << QStringLiteral(
                                "Очистить|Настройки|Помощь|Рекорды|Настройки|Фон|Картинки|Звук|"
                                "Есть|Сменить|Сменить|Отмена|Закр. пом.|\\help.txt|Помощь|"
                                "Закрыть рек.|Рекорды|Неизвестный|ПОБЕДА!   У тебя 1-е место!|"
                                "ПОБЕДА! Ты в десятке лучших.|ПОБЕДА!   На неё ты затратил|"
                                "Запишись: |Ты:       мальчик,       девочка,       друг?|"
                                "В рекорды|Конец|Ещё|OK|Sound")
                                .split('|');
    QTest::newRow("Eng") << 1
                         << QStringLiteral(
                                "Clear|Options|Help|Records|Options|Background|Pictures|Sound|"
                                "Yes|Apply|Apply|Cancel|Close help|\\help-e.txt|Help|Close rec.|"
                                "Records|Unknown|VICTORY!   You is First!|"
                                "VICTORY! You is in Top-10.|VICTORY!  You time is|Record: |"
                                "       boy?              girl?               ?|"
                                "To records|End|Else|OK|Sound")
                                .split('|');
}

// With the help open and a victory message shown: both stay as they are.
void TestLanguage::captions() {
    QFETCH(int, label);
    QFETCH(QStringList, texts);
    Game game; // starts in English, from no settings file
    game.form->cmdTOP_Click(2);
    game.form->Frame2.lblEnd[0] = game.state.MsgVictoryFirst;
    game.form->lblLOC_Click(1 - label); // for Rus the lit label: no change
    game.form->lblLOC_Click(label);
    QCOMPARE(allTexts(*game.form, *game.dialog().captions()), texts);
    QCOMPARE(game.form->Frame2.lblEnd[0], "VICTORY!   You is First!");
    game.form->cmdTOP_Click(2); // hides the help, whatever the caption says
    QVERIFY(!game.form->txtHELP.visible);
}

// Language and sound from the settings; reading them names the sound label again.
void TestLanguage::fromSettings_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<float>("stored");
    QTest::addColumn<int>("highlighted");
    QTest::addColumn<QString>("captions");   // Clear and the sound label
    QTest::addColumn<QList<int>>("soundOn"); // after each click on the sound label
    const auto row = [](const char* tag, const char* file, float stored, int highlighted,
                        const char* captions, QList<int> on) {
        QTest::newRow(tag) << QByteArray(file) << stored << highlighted << QString(captions) << on;
    };
    row("0, sound off", "0\n0\n0\n0", 0, 0, "Очистить|Звук", {1, 0});
    row("0.5 rounds to even, greyed sound on", "0\n0\n2\n0.5", 0.5, 0, "Clear|Звук", {0, 1});
    row("0.7", "0\n0\n1\n0.7", 0.7f, 1, "Clear|Звук", {0, 1});
    row("1.5 is no language", "0\n0\n1\n1.5", 1, 1, "Clear|Sound", {0, 1});
}

void TestLanguage::fromSettings() {
    QFETCH(QByteArray, file);
    QFETCH(float, stored);
    QFETCH(int, highlighted);
    QFETCH(QString, captions);
    QFETCH(QList<int>, soundOn);
    Game game(file);
    QCOMPARE(game.state.Localisation, stored);
    QCOMPARE(game.form->lblLOCColour[highlighted], kDarkRed);
    QCOMPARE(game.form->cmdTOP[0] + '|' + game.form->lblSND, captions);
    for (int on : soundOn) {
        game.form->lblSND_Click();
        QCOMPARE(game.form->lblSND, on ? "Snd off" : "Snd on");
        QCOMPARE(game.dialog().chkSValue, on);
    }
    game.dialog().ChooseIni();
    QCOMPARE(game.form->cmdTOP[0] + '|' + game.form->lblSND, captions);
}

void TestLanguage::linksAndNames() {
    Game game;
    game.writeFile("temp.url", "left behind by something else, much longer than the new file");
    game.form->lblOrvane_Click(3);
    QCOMPARE(game.platform.links.handedOver,
             QList<QByteArray>{
                 "[InternetShortcut]\r\nURL=https://quilora.example.org/quilora/index-e.htm\r\n"});
    game.platform.links.opens = false; // no browser: nothing is left behind either
    game.form->lblOrvane_Click(0);
    QCOMPARE(game.platform.links.handedOver.size(), 2);
    QVERIFY(!QFileInfo::exists(game.path("temp.url")));
    QVERIFY(QDir(game.dir.path()).mkdir("temp.url")); // cannot be written: nothing opens
    game.form->lblOrvane_Click(1);
    QCOMPARE(game.platform.links.handedOver.size(), 2);
    QCOMPARE(language::pageAddress(0, 0), "https://quilora.example.org/index-r.htm");
    QCOMPARE(language::pageAddress(3, 0.7f), "https://quilora.example.org/quilora/index-r.htm");
    QCOMPARE(language::pageAddress(2, 1), QString()); // no such label
    // Without picture names a card is named by its number; the old icons have no name.
    game.form->FotoPicture[6] = game.form->CardFile[6]; // picture 6
    QCOMPARE(language::cardName(*game.form, 6, {}), "row 2, card 1: picture 7");
    QCOMPARE(language::iconName(4, true), "boy");
    QCOMPARE(language::iconName(5, false), QStringLiteral("девочка"));
    QCOMPARE(language::iconName(7, true), "friend");
    QCOMPARE(language::iconName(6, true), QString());
    testing::RecordingLinks links; // a folder where no file can be made
    QVERIFY(!language::DoURL("https://a.example/", "/proc/self", links));
    QVERIFY(links.handedOver.isEmpty());
}

// What a screen reader hears of a card: names.txt gives one picture per line, Russian, a tab,
// English; lines past the 24th are not the set's.
void TestLanguage::spokenCardNames() {
    Game game;
    QVERIFY(QDir(game.dir.path()).mkdir("set"));
    game.writeFile("set/names.txt", QStringLiteral("кошка\tcat\r\n").repeated(25).toUtf8());
    const language::PictureNames names = language::readPictureNames(game.path("set/"));
    QCOMPARE(names.english.size(), 24);
    QCOMPARE(language::cardName(*game.form, 0, names), "row 1, card 1, face down");
    game.form->FotoPicture[6] = game.form->CardFile[6];
    QCOMPARE(language::cardName(*game.form, 6, names), "row 2, card 1: cat");
    game.form->CardMatched[6] = -1;
    game.state.Localisation = 0;
    QCOMPARE(language::cardName(*game.form, 6, names),
             QStringLiteral("ряд 2, карточка 1, найдена: кошка"));
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
