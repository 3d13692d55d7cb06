// Every text of the game in both languages and where the language switch puts it, the language
// labels, the web links and the names a screen reader says.
#include "language/accessible_names.h"
#include "support/game.h"

#include <QMetaEnum>
#include <QRegularExpression>
#include <QTest>

using namespace quilora;
using language::Language;
using language::Text;

namespace {

using testing::Game;

// A settings file that holds this language value.
QByteArray withLanguage(const QByteArray& language, const QByteArray& sound = "1") {
    return "0\r\n0\r\n" + sound + "\r\nLocalisation=" + language + "\r\n";
}

// The captions that the language switch sets, where they are shown, in the order of texts.tsv.
QStringList shown(const Game& game) {
    const language::Captions& c = game.captions();
    const settings::DialogCaptions& d = game.options().captions();
    QStringList list{c.cmdTOP(0), c.cmdTOP(1), c.cmdTOP(2), c.cmdTOP(3), d.title,     d.Frame[0],
                     d.Frame[1],  d.Frame[2],  d.chkS,      d.cmdNAS[0], d.cmdNAS[1], d.cmdNAS[3]};
    using P = language::ProgramLanguage;
    for (auto text :
         {&P::CaptionCloseHelp, &P::HelpFileName, &P::CaptionHelp, &P::CaptionCloseRecords,
          &P::CaptionRecords, &P::DefaultPlayerName, &P::MsgVictoryFirst, &P::MsgVictoryTop10,
          &P::MsgVictoryTime, &P::MsgRecordPrompt})
        list << (c.program().*text)();
    return list << c.lblEnd3() << c.cmdEND(2) << c.cmdEND(1) << c.cmdEND(0) << d.cmdNAS[2]
                << game.options().lblSND();
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void texts();
    void labelsAndSound();
    void links();
    void spokenNames();
};

// Every text as written down in texts.tsv, each once, byte for byte in the catalogue; the
// language switch shows the captions it sets where they belong, and before the first switch
// (a value such as 0.7 never switches) the window's own.
void TestLanguage::texts() {
    QFile file(QStringLiteral(QUILORA_TEXTS));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QMetaEnum ids = QMetaEnum::fromType<Text>();
    QSet<int> listed;
    QStringList captions[3]; // shown under 0, 1 and 0.7
    static const QRegularExpression field(QStringLiteral("\"([^\"]*)\""));
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        QStringList fields;
        for (auto match = field.globalMatch(line); match.hasNext();)
            fields << match.next().captured(1);
        if (line.startsWith('#') || fields.isEmpty())
            continue;
        bool known = false;
        const int id = ids.keyToValue(qPrintable(fields[0]), &known);
        QVERIFY2(known && !listed.contains(id), qPrintable(fields[0]));
        listed << id;
        QCOMPARE(text(Text(id), Language::Russian), fields[1]);
        QCOMPARE(text(Text(id), Language::English), fields[2]);
        for (int i = 0; i < 3 && fields.size() == 4; ++i)
            captions[i] << fields[i + 1];
    }
    QCOMPARE(listed.size(), int(Text::Count));
    QCOMPARE(shown(Game(withLanguage("0"))), captions[0]);
    QCOMPARE(shown(Game(withLanguage("1"))), captions[1]);
    QCOMPARE(shown(Game(withLanguage("0.7"))), captions[2]);
}

// The labels' colours follow the nearest whole value, a half going to the even one; a value
// that names neither label is no language: English. The sound label names the sound in the
// language of exactly 1 after the settings are read, and the switch's state once clicked.
void TestLanguage::labelsAndSound() {
    const std::optional<core::Rgb> darkRed = core::Rgb{128, 0, 0}, black = core::Rgb{0, 0, 0};
    for (const auto& [language, highlighted] : {std::pair{"0.5", 0}, {"0.7", 1}, {"1.5", 1}}) {
        Game game(withLanguage(language));
        QCOMPARE(game.captions().lblLOCColour(highlighted), darkRed);
        QCOMPARE(game.captions().lblLOCColour(1 - highlighted), black);
    }
    Game game(withLanguage("1.5", "2")); // a greyed box: the sound is on
    QStringList shown = {game.options().lblSND()};
    for (int click = 0; click < 2; ++click) {
        game.form().lblSND_Click();
        shown << game.options().lblSND();
    }
    QCOMPARE(shown, (QStringList{"Sound", "Snd on", "Snd off"}));
}

void TestLanguage::links() {
    Game game(withLanguage("1"));
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
    Game russian(withLanguage("0.7"));
    russian.form().lblOrvane_Click(1);
    QVERIFY(russian.platform.links.handedOver.value(0).endsWith("org/index-r.htm\r\n"));
}

// names.txt gives one picture per line, Russian, a tab, English; lines past the 24th are not the
// set's. Without a name a picture is called by its number; the records' icons by their word.
void TestLanguage::spokenNames() {
    testing::TestFolder folder;
    folder.writeFile("names.txt", QStringLiteral("кошка\tcat\tnote\r\n").repeated(25).toUtf8());
    const language::PictureNames names = language::readPictureNames(folder.dir.path() + "/");
    QCOMPARE(names.english.size(), 24);
    using language::cardName;
    QCOMPARE(cardName(0, std::nullopt, false, names, Language::English),
             "row 1, card 1, face down");
    QCOMPARE(cardName(6, 3, false, names, Language::English), "row 2, card 1: cat");
    QCOMPARE(cardName(23, 3, true, names, Language::Russian),
             QStringLiteral("ряд 4, карточка 6, найдена: кошка"));
    QCOMPARE(cardName(6, 30, false, names, Language::English), "row 2, card 1: picture 31");
    QCOMPARE(language::iconName(5, Language::Russian), QStringLiteral("девочка"));
    QCOMPARE(language::iconName(7, Language::English), "friend");
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
