#include "language/links.h"
#include "language/set_language.h"
#include "records/record_book.h"
#include "settings/form2.h"
#include "support/game_fixture.h"

#include <QDir>
#include <QTest>

using namespace quilora;
using Accessor = std::function<QString(game::Form1&, game::DialogCaptions&)>;
Q_DECLARE_METATYPE(Accessor)

namespace {

struct Game : testing::GameFixture {
    explicit Game(const std::optional<QByteArray>& settings = std::nullopt)
        : GameFixture(false, [&](game::Form1Extensions& extensions) {
              if (settings) {
                  QFile file(dir.filePath("Quilora.ini"));
                  if (file.open(QIODevice::WriteOnly))
                      file.write(*settings);
              }
              extensions.optionsDialog = [](game::Form1& form) {
                  return std::make_unique<settings::Form2>(form);
              };
              extensions.setLanguage = [](game::Form1& form, float value) {
                  language::SetLanguage(form, value, form.optionsDialog()->captions());
              };
              extensions.openLink = &language::lblOrvane_Click;
              extensions.recordBook = [](game::Form1& form) {
                  return std::make_unique<records::Records>(form);
              };
          }) {}
    settings::Form2& dialog() const {
        return static_cast<settings::Form2&>(*form->optionsDialog());
    }
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
    void pageAddresses_data();
    void pageAddresses();
    void shortcutByteForByte();
    void linkThatCannotBeWrittenIsIgnored();
    void shortcutNeverFollowsALink();
    void soundLabel_data();
    void soundLabel();
};

void TestLanguage::captions_data() {
    QTest::addColumn<Accessor>("target");
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("english");
    const auto main = [](QString game::Form1::*field) {
        return Accessor([field](game::Form1& f, game::DialogCaptions&) { return f.*field; });
    };
    const auto top = [](int i) {
        return Accessor([i](game::Form1& f, game::DialogCaptions&) { return f.cmdTOP[i]; });
    };
    const auto program = [](QString core::ProgramState::*field) {
        return Accessor(
            [field](game::Form1& f, game::DialogCaptions&) { return f.program().*field; });
    };
    using D = game::DialogCaptions;
    QTest::newRow("1 Clear") << top(0) << "Очистить"
                             << "Clear";
    QTest::newRow("2 Options") << top(1) << "Настройки"
                               << "Options";
    QTest::newRow("3 Help") << top(2) << "Помощь"
                            << "Help";
    QTest::newRow("4 Records") << top(3) << "Рекорды"
                               << "Records";
    QTest::newRow("5 dialog title")
        << Accessor([](game::Form1&, D& d) { return d.title; }) << "Настройки"
        << "Options";
    for (int i = 0; i < 3; ++i)
        QTest::addRow("%d frame %d", 6 + i, i)
            << Accessor([i](game::Form1&, D& d) { return d.Frame[i]; })
            << QStringList{"Фон", "Картинки", "Звук"}[i]
            << QStringList{"Background", "Pictures", "Sound"}[i];
    QTest::newRow("9 sound box") << Accessor([](game::Form1&, D& d) { return d.chkS; }) << "Есть"
                                 << "Yes";
    for (int i : {0, 1, 3, 2})
        QTest::addRow("dialog button %d", i)
            << Accessor([i](game::Form1&, D& d) { return d.cmdNAS[i]; })
            << QStringList{"Сменить", "Сменить", "OK", "Отмена"}[i]
            << QStringList{"Apply", "Apply", "OK", "Cancel"}[i];
    QTest::newRow("13") << program(&core::ProgramState::CaptionCloseHelp) << "Закр. пом."
                        << "Close help";
    QTest::newRow("14") << program(&core::ProgramState::HelpFileName) << "\\help.txt"
                        << "\\help-e.txt";
    QTest::newRow("15") << program(&core::ProgramState::CaptionHelp) << "Помощь"
                        << "Help";
    QTest::newRow("16") << program(&core::ProgramState::CaptionCloseRecords) << "Закрыть рек."
                        << "Close rec.";
    QTest::newRow("17") << program(&core::ProgramState::CaptionRecords) << "Рекорды"
                        << "Records";
    QTest::newRow("18") << program(&core::ProgramState::DefaultPlayerName) << "Неизвестный"
                        << "Unknown";
    QTest::newRow("19") << program(&core::ProgramState::MsgVictoryFirst)
                        << "ПОБЕДА!   У тебя 1-е место!"
                        << "VICTORY!   You is First!";
    QTest::newRow("20") << program(&core::ProgramState::MsgVictoryTop10)
                        << "ПОБЕДА! Ты в десятке лучших."
                        << "VICTORY! You is in Top-10.";
    QTest::newRow("21") << program(&core::ProgramState::MsgVictoryTime)
                        << "ПОБЕДА!   На неё ты затратил"
                        << "VICTORY!  You time is";
    QTest::newRow("22") << program(&core::ProgramState::MsgRecordPrompt) << "Запишись: "
                        << "Record: ";
    QTest::newRow("23 icon question")
        << Accessor([](game::Form1& f, D&) { return f.Frame2.lblEnd[3]; })
        << "Ты:" + QString(7, ' ') + "мальчик," + QString(7, ' ') + "девочка," + QString(7, ' ') +
               "друг?"
        << QString(7, ' ') + "boy?" + QString(14, ' ') + "girl?" + QString(15, ' ') + "?";
    for (int i : {2, 1, 0})
        QTest::addRow("%d victory button %d", 26 - i, i)
            << Accessor([i](game::Form1& f, D&) { return f.Frame2.cmdEND[i]; })
            << QStringList{"Ещё", "Конец", "В рекорды"}[i]
            << QStringList{"Else", "End", "To records"}[i];
    QTest::newRow("sound label keeps its caption") << main(&game::Form1::lblSND) << "Звук"
                                                   << "Sound";
}

void TestLanguage::captions() {
    QFETCH(Accessor, target);
    QFETCH(QString, russian);
    QFETCH(QString, english);
    Game game(QByteArray("0\r\n0\r\n1\r\n0\r\n"));
    game::DialogCaptions& dialog = *game.dialog().captions();
    QCOMPARE(target(*game.form, dialog), russian);
    game.form->lblLOC_Click(1);
    QCOMPARE(target(*game.form, dialog),
             QTest::currentDataTag() == QLatin1String("sound label keeps its caption") ? russian
                                                                                       : english);
    game.form->lblLOC_Click(0);
    QCOMPARE(target(*game.form, dialog), russian);
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
    QTest::newRow("0") << QByteArray("0") << 0.0f << 0 << "Очистить"
                       << "Звук";
    QTest::newRow("1") << QByteArray("1") << 1.0f << 1 << "Clear"
                       << "Sound";
    QTest::newRow("0.5 rounds to even") << QByteArray("0.5") << 0.5f << 0 << "Clear"
                                        << "Звук";
    QTest::newRow("0.7") << QByteArray("0.7") << 0.7f << 1 << "Clear"
                         << "Звук";
    QTest::newRow("1.5 is no language") << QByteArray("1.5") << 1.0f << 1 << "Clear"
                                        << "Sound";
    QTest::newRow("3 is no language") << QByteArray("3") << 1.0f << 1 << "Clear"
                                      << "Sound";
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

void TestLanguage::pageAddresses_data() {
    QTest::addColumn<int>("label");
    QTest::addColumn<float>("language");
    QTest::addColumn<QString>("address");
    QTest::newRow("site, English") << 1 << 1.0f << "https://quilora.example.org/index-e.htm";
    QTest::newRow("site shadow, Russian") << 0 << 0.0f << "https://quilora.example.org/index-r.htm";
    QTest::newRow("homepage, 0.7")
        << 3 << 0.7f << "https://quilora.example.org/quilora/index-r.htm";
    QTest::newRow("no such label") << 2 << 1.0f << QString();
}

void TestLanguage::pageAddresses() {
    QFETCH(int, label);
    QFETCH(float, language);
    QFETCH(QString, address);
    QCOMPARE(language::pageAddress(label, language), address);
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
    QVERIFY(links.handedOver.isEmpty());

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("temp.url"));
    QVERIFY(!language::DoURL("https://a.example/", dir.path(), links));
    QVERIFY(links.handedOver.isEmpty());
    QVERIFY(QFileInfo(dir.filePath("temp.url")).isDir());
}

void TestLanguage::shortcutNeverFollowsALink() {
    QTemporaryDir dir;
    const QString target = dir.filePath("precious.txt");
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    QVERIFY(QFile::link(target, dir.filePath("temp.url")));

    testing::RecordingLinks links;
    QVERIFY(language::DoURL("https://a.example/", dir.path(), links));
    QCOMPARE(links.handedOver,
             QList<QByteArray>{"[InternetShortcut]\r\nURL=https://a.example/\r\n"});
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));
    QVERIFY(!QFileInfo(dir.filePath("temp.url")).isSymLink());
    QVERIFY(!QFileInfo::exists(dir.filePath("temp.url")));
}

void TestLanguage::soundLabel_data() {
    QTest::addColumn<QByteArray>("sound");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("soundOn");
    QTest::newRow("on") << QByteArray("1") << QStringList{"Snd on", "Snd off", "Snd on"}
                        << QList<int>{0, 1, 0};
    QTest::newRow("off") << QByteArray("0") << QStringList{"Snd off", "Snd on", "Snd off"}
                         << QList<int>{1, 0, 1};
    QTest::newRow("greyed counts as on")
        << QByteArray("2") << QStringList{"Snd on", "Snd off", "Snd on"} << QList<int>{0, 1, 0};
}

void TestLanguage::soundLabel() {
    QFETCH(QByteArray, sound);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, soundOn);
    Game game("0\r\n0\r\n" + sound + "\r\n0\r\n");
    QCOMPARE(game.form->lblSND, QStringLiteral("Звук"));
    for (int i = 0; i < 3; ++i) {
        game.form->lblSND_Click();
        QCOMPARE(game.form->lblSND, captions[i]);
        QCOMPARE(game.dialog().chkSValue, soundOn[i]);
        QCOMPARE(game.state.SoundFile[1].endsWith("click1.wav"), soundOn[i] == 1);
    }
    game.dialog().ChooseIni(); // reading the settings names the sound again
    QCOMPARE(game.form->lblSND, QStringLiteral("Звук"));
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
