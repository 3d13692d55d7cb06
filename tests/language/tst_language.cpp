#include "language/accessible_names.h"
#include "language/links.h"
#include "language/set_language.h"
#include "support/game_fixture.h"
#include "support/real_game.h"

#include <QDir>
#include <QTest>

using namespace quilora;

namespace {

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

const std::optional<game::Rgb> kDarkRed = game::Rgb{128, 0, 0};
const std::optional<game::Rgb> kBlack = game::Rgb{0, 0, 0};

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void captions_data();
    void captions();
    void switchWhilePanelsAreOpen();
    void languageValues_data();
    void languageValues();
    void pageAddresses();
    void shortcutByteForByte();
    void linkThatCannotBeWrittenIsIgnored();
    void unnamedPicture();
    void soundLabel_data();
    void soundLabel();
};

// Every text the language switch sets, in the order of its table: both windows' captions and
// the texts shown later. The sound label keeps its word until the settings are read again.
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
    // The texts in table order, split at "|"; blanks count.
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

void TestLanguage::captions() {
    QFETCH(int, label);
    QFETCH(QStringList, texts);
    Game game; // starts in English, from no settings file
    game::DialogCaptions& dialog = *game.dialog().captions();
    game.form->lblLOC_Click(label);
    QCOMPARE(allTexts(*game.form, dialog), texts);
    QCOMPARE(texts[22].size(), 45 + label); // the icon question's blanks, counted
    game.form->lblLOC_Click(label);         // the same label again changes nothing
    QCOMPARE(allTexts(*game.form, dialog), texts);
}

void TestLanguage::switchWhilePanelsAreOpen() {
    Game game;
    game.form->cmdTOP_Click(2);
    QCOMPARE(game.form->cmdTOP[2], "Close help");
    game.form->Frame2.lblEnd[0] = game.state.MsgVictoryFirst;
    game.form->lblLOC_Click(0);
    QCOMPARE(game.form->cmdTOP[2], QStringLiteral("Помощь")); // the panel stays open
    QVERIFY(game.form->txtHELP.visible);
    QCOMPARE(game.form->Frame2.lblEnd[0], "VICTORY!   You is First!"); // already shown
    QCOMPARE(game.form->Frame2.cmdEND[0], QStringLiteral("Ещё"));
    game.form->cmdTOP_Click(2); // the next press hides it, whatever the caption says
    QVERIFY(!game.form->txtHELP.visible);
}

void TestLanguage::languageValues_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<float>("stored");
    QTest::addColumn<int>("highlighted");
    QTest::addColumn<QString>("clearCaption");
    QTest::addColumn<QString>("soundCaption");
    const auto row = [](const char* tag, const char* value, float stored, int highlighted,
                        const char* clear, const char* sound) {
        QTest::newRow(tag) << QByteArray(value) << stored << highlighted << QString(clear)
                           << QString(sound);
    };
    row("0", "0", 0, 0, "Очистить", "Звук");
    row("1", "1", 1, 1, "Clear", "Sound");
    row("0.5 rounds to even", "0.5", 0.5, 0, "Clear", "Звук");
    row("0.7", "0.7", 0.7f, 1, "Clear", "Звук");
    row("1.5 is no language", "1.5", 1, 1, "Clear", "Sound");
    row("3 is no language", "3", 1, 1, "Clear", "Sound");
}

void TestLanguage::languageValues() {
    QFETCH(QByteArray, value);
    QFETCH(float, stored);
    QFETCH(int, highlighted);
    QFETCH(QString, clearCaption);
    QFETCH(QString, soundCaption);
    Game game("0\r\n0\r\n1\r\n" + value + "\r\n");
    QCOMPARE(game.state.Localisation, stored);
    QCOMPARE(game.form->lblLOCColour[highlighted], kDarkRed);
    QCOMPARE(game.form->lblLOCColour[1 - highlighted], kBlack);
    QCOMPARE(game.form->cmdTOP[0], clearCaption);
    QCOMPARE(game.form->lblSND, soundCaption);
}

void TestLanguage::pageAddresses() {
    QCOMPARE(language::pageAddress(1, 1), "https://quilora.example.org/index-e.htm");
    QCOMPARE(language::pageAddress(0, 0), "https://quilora.example.org/index-r.htm");
    QCOMPARE(language::pageAddress(3, 0.7f), "https://quilora.example.org/quilora/index-r.htm");
    QCOMPARE(language::pageAddress(2, 1), QString()); // no such label
}

void TestLanguage::shortcutByteForByte() {
    Game game;
    QFile stale(game.path("temp.url"));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("left behind by something else, much longer than the new file");
    stale.close();
    game.form->lblOrvane_Click(3);
    const QByteArray address = "https://quilora.example.org/quilora/index-e.htm";
    QCOMPARE(game.platform.links.handedOver,
             QList<QByteArray>{"[InternetShortcut]\r\nURL=" + address + "\r\n"});
    QCOMPARE(game.platform.links.handedOver[0].size(), 26 + address.size());
    QVERIFY(!QFileInfo::exists(game.path("temp.url")));

    game.platform.links.opens = false; // no browser: nothing is left behind either
    game.form->lblOrvane_Click(0);
    QCOMPARE(game.platform.links.handedOver.size(), 2);
    QVERIFY(!QFileInfo::exists(game.path("temp.url")));
    QCOMPARE(game.platform.messages.shown, QStringList{});
}

void TestLanguage::linkThatCannotBeWrittenIsIgnored() {
    testing::RecordingLinks links;
    QVERIFY(!language::DoURL("https://a.example/", "/proc/self", links));

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("temp.url"));
    QVERIFY(!language::DoURL("https://a.example/", dir.path(), links));
    QVERIFY(links.handedOver.isEmpty());
    QVERIFY(QFileInfo(dir.filePath("temp.url")).isDir());
}

// Without picture names a face-up card is named by its number.
void TestLanguage::unnamedPicture() {
    Game game;
    game.form->FotoPicture[6] = game.form->CardFile[6]; // picture 6
    QCOMPARE(language::cardName(*game.form, 6, {}), "row 2, card 1: picture 7");
    // A records row reads its icon by name; the old icons have none.
    QCOMPARE(language::iconName(4, true), "boy");
    QCOMPARE(language::iconName(7, true), "friend");
    QCOMPARE(language::iconName(5, false), QStringLiteral("девочка"));
    QCOMPARE(language::iconName(6, true), QString());
}

void TestLanguage::soundLabel_data() {
    QTest::addColumn<QByteArray>("sound");
    QTest::addColumn<QList<int>>("soundOn");
    QTest::newRow("on") << QByteArray("1") << QList<int>{0, 1, 0};
    QTest::newRow("off") << QByteArray("0") << QList<int>{1, 0, 1};
    QTest::newRow("greyed counts as on") << QByteArray("2") << QList<int>{0, 1, 0};
}

void TestLanguage::soundLabel() {
    QFETCH(QByteArray, sound);
    QFETCH(QList<int>, soundOn);
    Game game("0\r\n0\r\n" + sound + "\r\n0\r\n");
    QCOMPARE(game.form->lblSND, QStringLiteral("Звук"));
    for (int i = 0; i < 3; ++i) {
        game.form->lblSND_Click();
        QCOMPARE(game.form->lblSND, soundOn[i] ? "Snd off" : "Snd on");
        QCOMPARE(game.dialog().chkSValue, soundOn[i]);
        QCOMPARE(game.state.SoundFile[1].endsWith("click1.wav"), soundOn[i] == 1);
    }
    game.dialog().ChooseIni(); // reading the settings names the sound again
    QCOMPARE(game.form->lblSND, QStringLiteral("Звук"));
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
