// Every text of the game in both languages, where the language switch puts it, the language
// labels, the web links and the names a screen reader says.
#include "language/accessible_names.h"
#include "language/links.h"
#include "support/game.h"

#include <QDir>
#include <QTest>

using namespace quilora;
using language::Language;
using language::Text;

namespace {

// A game whose settings file holds this language value.
struct Game : testing::Game {
    explicit Game(const QByteArray& language, const QByteArray& sound = "1")
        : testing::Game(12, false) {
        writeFile("Quilora.ini", "0\r\n0\r\n" + sound + "\r\nLocalisation=" + language + "\r\n");
        start();
    }
};

using Target = std::function<QString(const Game&)>;

Target button(int index) {
    return [index](const Game& g) { return g.captions().cmdTOP(index); };
}
Target dialog(const std::function<QString(const settings::DialogCaptions&)>& caption) {
    return [caption](const Game& g) { return caption(g.options().captions()); };
}
Target variable(QString (language::ProgramLanguage::*text)() const) {
    return [text](const Game& g) { return (g.captions().program().*text)(); };
}
Target ending(int index) {
    return [index](const Game& g) { return g.captions().cmdEND(index); };
}

} // namespace

Q_DECLARE_METATYPE(Target)

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void captionTable_data();
    void captionTable();
    void otherTexts_data();
    void otherTexts();
    void labelsAndSound_data();
    void labelsAndSound();
    void links();
    void spokenNames();

private:
    QSet<Text> checked_;
};

// The captions the language switch sets, where it sets them: before the first switch (a value
// that changes nothing, 0.7), in Russian and in English.
void TestLanguage::captionTable_data() {
    QTest::addColumn<Text>("id");
    QTest::addColumn<Target>("target");
    QTest::addColumn<QStringList>("texts"); // before, Russian, English
    using D = settings::DialogCaptions;
    using P = language::ProgramLanguage;
    const auto row = [](Text id, const Target& target, const QString& before, const QString& ru,
                        const QString& en) {
        QTest::addRow("%d %s", int(id), qPrintable(en))
            << id << target << QStringList{before, ru, en};
    };
    row(Text::ClearButton, button(0), "Clear", "Очистить", "Clear");
    row(Text::OptionsButton, button(1), "Options", "Настройки", "Options");
    row(Text::HelpButton, button(2), "Help", "Помощь", "Help");
    row(Text::RecordsButton, button(3), "Records", "Рекорды", "Records");
    row(Text::DialogTitle, dialog([](const D& d) { return d.title; }), "Options", "Настройки",
        "Options");
    row(Text::BackgroundFrame, dialog([](const D& d) { return d.Frame[0]; }), "Background", "Фон",
        "Background");
    row(Text::PicturesFrame, dialog([](const D& d) { return d.Frame[1]; }), "Pictures", "Картинки",
        "Pictures");
    row(Text::SoundFrame, dialog([](const D& d) { return d.Frame[2]; }), "Sound", "Звук", "Sound");
    row(Text::SoundBox, dialog([](const D& d) { return d.chkS; }), "Yes", "Есть", "Yes");
    row(Text::BackgroundApply, dialog([](const D& d) { return d.cmdNAS[0]; }), "Apply", "Сменить",
        "Apply");
    row(Text::PicturesApply, dialog([](const D& d) { return d.cmdNAS[1]; }), "Apply", "Сменить",
        "Apply");
    row(Text::OkButton, dialog([](const D& d) { return d.cmdNAS[2]; }), "OK", "OK", "OK");
    row(Text::CancelButton, dialog([](const D& d) { return d.cmdNAS[3]; }), "Cancel", "Отмена",
        "Cancel");
    // The texts shown later start in English, so that a value like 0.7 still has them.
    row(Text::CaptionCloseHelp, variable(&P::CaptionCloseHelp), "Close help", "Закр. пом.",
        "Close help");
    row(Text::HelpFileName, variable(&P::HelpFileName), "\\help-e.txt", "\\help.txt",
        "\\help-e.txt");
    row(Text::CaptionHelp, variable(&P::CaptionHelp), "Help", "Помощь", "Help");
    row(Text::CaptionCloseRecords, variable(&P::CaptionCloseRecords), "Close rec.", "Закрыть рек.",
        "Close rec.");
    row(Text::CaptionRecords, variable(&P::CaptionRecords), "Records", "Рекорды", "Records");
    row(Text::DefaultPlayerName, variable(&P::DefaultPlayerName), "Unknown", "Неизвестный",
        "Unknown");
    row(Text::MsgVictoryFirst, variable(&P::MsgVictoryFirst), "VICTORY!   You is First!",
        "ПОБЕДА!   У тебя 1-е место!", "VICTORY!   You is First!");
    row(Text::MsgVictoryTop10, variable(&P::MsgVictoryTop10), "VICTORY! You is in Top-10.",
        "ПОБЕДА! Ты в десятке лучших.", "VICTORY! You is in Top-10.");
    row(Text::MsgVictoryTime, variable(&P::MsgVictoryTime), "VICTORY!  You time is",
        "ПОБЕДА!   На неё ты затратил", "VICTORY!  You time is");
    row(Text::MsgRecordPrompt, variable(&P::MsgRecordPrompt), "Record: ", "Запишись: ", "Record: ");
    const QString question = "Ты:       мальчик,       девочка,       друг?";
    row(
        Text::IconQuestion, [](const Game& g) { return g.captions().lblEnd3(); }, question,
        question, "       boy?              girl?               ?");
    row(Text::RecordButton, ending(2), "To records", "В рекорды", "To records");
    row(Text::EndButton, ending(1), "Конец", "Конец", "End");
    row(Text::ElseButton, ending(0), "Ещё", "Ещё", "Else");
    // Set by reading the settings: English only for exactly 1.
    row(
        Text::SoundLabel, [](const Game& g) { return g.options().lblSND(); }, "Звук", "Звук",
        "Sound");
}

void TestLanguage::captionTable() {
    QFETCH(Text, id);
    QFETCH(Target, target);
    QFETCH(QStringList, texts);
    QStringList shown;
    for (const char* value : {"0.7", "0", "1"})
        shown << target(Game(value));
    QCOMPARE(shown, texts);
    QCOMPARE(text(id, Language::Russian), texts[1]);
    QCOMPARE(text(id, Language::English), texts[2]);
    checked_ << id;
}

// The other texts, in both languages; the last row checks that no text went untested.
void TestLanguage::otherTexts_data() {
    QTest::addColumn<Text>("id");
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("english");
    const auto same = [](Text id, const QString& text) {
        QTest::addRow("%d %s", int(id), qPrintable(text)) << id << text << text;
    };
    const auto both = [](Text id, const QString& ru, const QString& en) {
        QTest::addRow("%d %s", int(id), qPrintable(en)) << id << ru << en;
    };
    same(Text::RussianLabel, "Rus");
    same(Text::EnglishLabel, "Eng");
    same(Text::SoundOnCaption, "Snd on");
    same(Text::SoundOffCaption, "Snd off");
    same(Text::Seconds, "seconds");
    same(Text::HomepageLabel, "Homepage");
    same(Text::ClockAtStart, "Time");
    same(Text::HelpFileMissing, "Do not find help file ");
    same(Text::ColumnGamer, "Gamer");
    same(Text::ColumnPlace, "№");
    same(Text::ColumnTime, "Time");
    same(Text::ColumnSet, "Set");
    same(Text::ColumnDate, "Date");
    same(Text::TooManyRecords, "В файле рекордов больше 10 результатов: запись производиться не "
                               "будет. Исправьте файл.");
    same(Text::CardFaceUp, ": ");
    both(Text::RecordNotSaved,
         "Рекорд не сохранён: файл рекордов %1 нельзя записать (%2). Прежние рекорды не "
         "изменились.",
         "The record could not be saved: the records file %1 cannot be written (%2). The records "
         "kept so far are unchanged.");
    both(Text::RecordsFileTooLarge, "он больше 1 МБ", "it is larger than 1 MB");
    both(Text::RecordsFileChanged,
         "Файл рекордов изменился, пока шла игра: это время уже не входит в десятку лучших.",
         "The records file was changed while the game was being won: this time is no longer "
         "among the ten best.");
    both(Text::RecordsUnreadableAtEnd,
         "Файл рекордов %1 нельзя прочитать (%2): время этой игры нельзя сравнить с рекордами и "
         "записать. Файл оставлен как есть.",
         "The records file %1 cannot be read (%2): this game's time cannot be ranked or stored. "
         "The file is left as it is.");
    both(Text::RecordsUnreadableList,
         "Файл рекордов %1 нельзя прочитать (%2): рекорды нельзя показать. Файл оставлен как есть.",
         "The records file %1 cannot be read (%2): the records cannot be shown. The file is left "
         "as it is.");
    both(Text::SettingsNotSaved,
         "Настройки не сохранены: файл %1 нельзя записать (%2). Они действуют, пока игра не "
         "закрыта.",
         "The settings could not be saved: %1 cannot be written (%2). They stay in effect until "
         "the game is closed.");
    both(Text::CardPosition, "ряд %1, карточка %2", "row %1, card %2");
    both(Text::CardFaceDown, ", закрыта", ", face down");
    both(Text::CardFound, ", найдена: ", ", found: ");
    both(Text::UnnamedPicture, "картинка %1", "picture %1");
    both(Text::Board, "Поле с карточками", "Board of cards");
    both(Text::Clock, "Время", "Time");
    both(Text::VictoryPanel, "Победа", "Victory");
    both(Text::NameBox, "Твоё имя", "Your name");
    both(Text::Boy, "Мальчик", "Boy");
    both(Text::Girl, "Девочка", "Girl");
    both(Text::Friend, "Друг", "Friend");
    both(Text::RecordsList, "Рекорды", "Records");
    both(Text::HelpText, "Помощь", "Help");
    both(Text::RussianLanguage, "Русский язык", "Russian language");
    both(Text::EnglishLanguage, "Английский язык", "English language");
    both(Text::SiteLink, "Сайт игры", "The game's web site");
    both(Text::HomepageLink, "Домашняя страница игры", "The game's home page");
    both(Text::SoundIsOn, "Звук включён, нажмите, чтобы выключить",
         "Sound on, press to switch it off");
    both(Text::SoundIsOff, "Звук выключен, нажмите, чтобы включить",
         "Sound off, press to switch it on");
    both(Text::BackgroundOption, "Фон", "Background");
    QTest::newRow("every text checked") << Text::Count << QString() << QString();
}

void TestLanguage::otherTexts() {
    QFETCH(Text, id);
    QFETCH(QString, russian);
    QFETCH(QString, english);
    if (id == Text::Count) {
        for (int i = 0; i < static_cast<int>(Text::Count); ++i)
            QVERIFY2(checked_.contains(static_cast<Text>(i)), qPrintable(QString::number(i)));
        return;
    }
    QCOMPARE(text(id, Language::Russian), russian);
    QCOMPARE(text(id, Language::English), english);
    checked_ << id;
}

// The labels' colours follow the nearest whole value; the sound label names the sound in the
// language of exactly 1 after the settings are read, and the switch's state once clicked.
void TestLanguage::labelsAndSound_data() {
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QByteArray>("sound");
    QTest::addColumn<int>("highlighted");
    QTest::addColumn<QStringList>("labels"); // of the sound, at start, after one click, after two
    QTest::newRow("0, sound off") << QByteArray("0") << QByteArray("0") << 0
                                  << QStringList{"Звук", "Snd off", "Snd on"};
    QTest::newRow("0.5 rounds to even, greyed sound")
        << QByteArray("0.5") << QByteArray("2") << 0 << QStringList{"Звук", "Snd on", "Snd off"};
    QTest::newRow("0.7") << QByteArray("0.7") << QByteArray("1") << 1
                         << QStringList{"Звук", "Snd on", "Snd off"};
    QTest::newRow("1.5 is no language: English")
        << QByteArray("1.5") << QByteArray("1") << 1 << QStringList{"Sound", "Snd on", "Snd off"};
}

void TestLanguage::labelsAndSound() {
    QFETCH(QByteArray, language);
    QFETCH(QByteArray, sound);
    QFETCH(int, highlighted);
    QFETCH(QStringList, labels);
    Game game(language, sound);
    const std::optional<core::Rgb> darkRed = core::Rgb{128, 0, 0}, black = core::Rgb{0, 0, 0};
    QCOMPARE(game.captions().lblLOCColour(highlighted), darkRed);
    QCOMPARE(game.captions().lblLOCColour(1 - highlighted), black);
    QStringList shown = {game.options().lblSND()};
    for (int click = 0; click < 2; ++click) {
        game.form().lblSND_Click();
        shown << game.options().lblSND();
    }
    QCOMPARE(shown, labels);
    game.form().lblLOC_Click(2); // no such label
    QCOMPARE(game.captions().lblLOCColour(highlighted), darkRed);
}

void TestLanguage::links() {
    Game game("1");
    game.writeFile("temp.url", "left behind by something else, much longer than the new file");
    game.form().lblOrvane_Click(3);
    QCOMPARE(game.platform.links.handedOver,
             QList<QByteArray>{
                 "[InternetShortcut]\r\nURL=https://quilora.example.org/quilora/index-e.htm\r\n"});
    game.platform.links.opens = false; // no browser: nothing is left behind either
    game.form().lblOrvane_Click(0);
    game.form().lblOrvane_Click(2); // no such label
    QCOMPARE(game.platform.links.handedOver.size(), 2);
    QVERIFY(game.platform.links.handedOver[1].endsWith("example.org/index-e.htm\r\n"));
    QVERIFY(!QFileInfo::exists(game.path("temp.url")));
    QVERIFY(QDir(game.dir.path()).mkdir("temp.url")); // cannot be written: nothing opens
    game.form().lblOrvane_Click(1);
    QCOMPARE(game.platform.links.handedOver.size(), 2);
    Game russian("0.7");
    russian.form().lblOrvane_Click(1);
    QVERIFY(russian.platform.links.handedOver.value(0).endsWith("org/index-r.htm\r\n"));
    testing::RecordingLinks links; // a folder where no file can be made
    QVERIFY(!language::DoURL("https://a.example/", "/proc/self", links));
    QVERIFY(links.handedOver.isEmpty());
}

// names.txt gives one picture per line, Russian, a tab, English; lines past the 24th are not the
// set's. Without a name a picture is called by its number; the records' icons by their word.
void TestLanguage::spokenNames() {
    testing::TestFolder folder;
    folder.writeFile("names.txt", QStringLiteral("кошка\tcat\r\n").repeated(25).toUtf8());
    const language::PictureNames names = language::readPictureNames(folder.dir.path() + "/");
    QCOMPARE(names.english.size(), 24);
    using language::cardName;
    QCOMPARE(cardName(0, std::nullopt, false, names, Language::English),
             "row 1, card 1, face down");
    QCOMPARE(cardName(6, 3, false, names, Language::English), "row 2, card 1: cat");
    QCOMPARE(cardName(23, 3, true, names, Language::Russian),
             QStringLiteral("ряд 4, карточка 6, найдена: кошка"));
    QCOMPARE(cardName(6, 30, false, names, Language::English), "row 2, card 1: picture 31");
    QCOMPARE(language::iconName(4, Language::English), "boy");
    QCOMPARE(language::iconName(5, Language::Russian), QStringLiteral("девочка"));
    QCOMPARE(language::iconName(7, Language::English), "friend");
    QCOMPARE(language::iconName(6, Language::English), QString());
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
