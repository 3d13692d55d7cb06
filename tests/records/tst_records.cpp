#include "language/set_language.h"
#include "records/record_book.h"
#include "records/records_file.h"
#include "records/records_list.h"
#include "support/game_fixture.h"

#include <QDir>
#include <QTest>

using namespace quilora;
using records::Insertion;
using records::Outcome;

namespace {

// Compact record lines for the tables below: "999*" is a marked record of 999 seconds, "+70"
// the record being stored, "=text" a line given as it stands.
QString line(QString code) {
    if (code.startsWith(QLatin1Char('=')))
        return code.mid(1);
    const bool stored = code.startsWith(QLatin1Char('+'));
    if (stored)
        code.remove(0, 1);
    const bool marked = code.endsWith(QLatin1Char('*'));
    if (marked)
        code.chop(1);
    return code + (stored ? "~New~Animals~4~05.12.2026" : "~Old~Test~6~01.11.2026") +
           (marked ? "~^" : "");
}

QStringList lines(const QStringList& codes) {
    QStringList result;
    for (const QString& code : codes)
        result.append(line(code));
    return result;
}

QStringList tenths(int count, int markAt) {
    QStringList codes;
    for (int i = 1; i <= count; ++i)
        codes.append(QString::number(10 * i) + (i == markAt ? "*" : ""));
    return codes;
}

QByteArray crlf(const QStringList& lines) {
    return lines.isEmpty() ? QByteArray() : (lines.join("\r\n") + "\r\n").toUtf8();
}

// A game with the real records behind it, in English unless asked otherwise.
struct Game : testing::GameFixture {
    explicit Game(float language = 1)
        : GameFixture(false, [](game::Form1Extensions& extensions) {
              extensions.recordBook = [](game::Form1& form) {
                  return std::make_unique<records::Records>(form);
              };
          }) {
        language::SetLanguage(*form, language, nullptr);
    }
};

} // namespace

class TestRecords : public QObject {
    Q_OBJECT

private slots:
    void storing_data();
    void storing();
    void defaultFile_data();
    void defaultFile();
    void existingFileIsLeftAlone();
    void listIsRankedByValue();
    void sortsByEachColumn_data();
    void sortsByEachColumn();
    void datesUnderAnotherFormat();
    void victoryPanel_data();
    void victoryPanel();
    void storesTheRecordByteForByte();
    void nameBox_data();
    void nameBox();
    void refusesAFileOfMoreThanTenRecords();
    void unwritableFileKeepsTheOldOne();
    void listShowsTheFirstTenRecords();
    void help_data();
    void help();
};

void TestRecords::storing_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("after");

    const int first = int(Outcome::First), top = int(Outcome::TopTen), none = int(Outcome::NoEntry);
    const int stored = Insertion::Stored;
    QTest::newRow("50 s into the default table")
        << QStringList{"999*"} << 50.0 << first << stored << QStringList{"999*", "+50"};
    QTest::newRow("then 70 s") << QStringList{"999*", "50"} << 70.0 << top << stored
                               << QStringList{"50", "999*", "+70"};
    QTest::newRow("then 1200 s") << QStringList{"50", "999*", "70"} << 1200.0 << top << stored
                                 << QStringList{"50", "70", "999", "+1200*"};
    QTest::newRow("equal to the fastest is first")
        << QStringList{"50", "999*"} << 50.0 << first << stored << QStringList{"50", "999*", "+50"};
    QTest::newRow("nine records, slower than all")
        << tenths(9, 9) << 100.0 << top << stored << tenths(8, 0) + QStringList{"90", "+100*"};
    QTest::newRow("full table displaces the slowest; the mark stays on the slowest")
        << tenths(10, 10) << 55.0 << top << stored << tenths(8, 0) + QStringList{"90*", "+55"};
    QTest::newRow("full table whose mark is not on the slowest")
        << tenths(10, 8) << 90.0 << top << stored << tenths(9, 0) + QStringList{"+90*"};
    QTest::newRow("full table, equal to the slowest")
        << tenths(10, 10) << 100.0 << none << int(Insertion::NotAmongBest) << QStringList{};
    QTest::newRow("a time that is no number does not fill the table")
        << tenths(10, 10) + QStringList{"=nan~Cy~Set~4~d"} << 55.0 << top << stored
        << tenths(8, 0) + QStringList{"=nan~Cy~Set~4~d", "90*", "+55"};
    QTest::newRow("eleven records")
        << tenths(11, 11) << 5.0 << first << int(Insertion::Refused) << QStringList{};
    QTest::newRow("no mark: the slowest counts as marked")
        << QStringList{"50", "999"} << 70.0 << top << stored << QStringList{"50", "999*", "+70"};
    QTest::newRow("full table without a mark")
        << tenths(10, 0) << 15.0 << top << stored << tenths(8, 0) + QStringList{"90*", "+15"};
    QTest::newRow("several marks") << QStringList{"50*", "999*", "70*"} << 60.0 << top << stored
                                   << QStringList{"50", "70", "999*", "+60"};
    QTest::newRow("blank and unreadable lines are no records")
        << QStringList{"=", "50", "=abc", "=x~Ann~Set~4~date", "=60~Bob", "=nan~Cy~Set~4~d", "999*"}
        << 55.0 << top << stored
        << QStringList{"50",   "=abc", "=x~Ann~Set~4~date", "=60~Bob", "=nan~Cy~Set~4~d",
                       "999*", "+55"};
    QTest::newRow("equal slowest records: the last one counts as marked")
        << QStringList{"=999~A~S~6~d", "=999~B~S~6~d", "50"} << 60.0 << top << stored
        << QStringList{"=999~A~S~6~d", "50", "=999~B~S~6~d~^", "+60"};
    QTest::newRow("an unreadable line loses its mark")
        << QStringList{"=junk~^", "50"} << 70.0 << top << stored
        << QStringList{"=junk", "50", "+70*"};
    QTest::newRow("a line marked twice keeps no mark")
        << QStringList{"=50~Old~Test~6~01.11.2026~^~^", "30"} << 40.0 << top << stored
        << QStringList{"30", "50*", "+40"};
    QTest::newRow("a lone mark goes")
        << QStringList{"=~^~^", "50*"} << 70.0 << top << stored << QStringList{"50", "+70*"};
    QTest::newRow("decimal comma") << QStringList{"47,3", "999*"} << 47.2 << first << stored
                                   << QStringList{"47,3", "999*", "+47.2"};
    QTest::newRow("decimal point") << QStringList{"47.3", "999*"} << 47.4 << top << stored
                                   << QStringList{"47.3", "999*", "+47.4"};
    QTest::newRow("empty file") << QStringList{} << 100.0 << first << stored
                                << QStringList{"+100*"};
}

void TestRecords::storing() {
    QFETCH(QStringList, before);
    QFETCH(double, seconds);
    QFETCH(int, outcome);
    QFETCH(int, status);
    QFETCH(QStringList, after);

    const QStringList file = lines(before);
    QCOMPARE(int(records::rank(records::readRecords(file), seconds)), outcome);
    const QString time = QString::number(seconds);
    const Insertion insertion = records::insertRecord(file, line("+" + time), seconds);
    QCOMPARE(int(insertion.status), status);
    QCOMPARE(insertion.lines, lines(after));
    if (status == Insertion::Stored)
        QCOMPARE(insertion.lines.filter(QRegularExpression("~\\^$")).size(), 1);
}

void TestRecords::defaultFile_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("December") << QDate(2026, 12, 5)
                              << QByteArray("999~Unknown~Test~6~05.11.2026~^\r\n");
    QTest::newRow("across a year")
        << QDate(2027, 1, 15) << QByteArray("999~Unknown~Test~6~16.12.2026~^\r\n");
    QTest::newRow("across February")
        << QDate(2026, 3, 1) << QByteArray("999~Unknown~Test~6~30.01.2026~^\r\n");
}

void TestRecords::defaultFile() {
    QFETCH(QDate, today);
    QFETCH(QByteArray, content);
    Game game;
    game.platform.localeInfo.date = today;
    game.platform.localeInfo.numbers = QLocale(QLocale::Russian, QLocale::Russia);
    game.form->cmdTOP_Click(3); // Records creates the missing file
    QCOMPARE(game.readFile("record.txt"), content);
    QCOMPARE(game.form->lvRecord.rows.size(), 1);
    QCOMPARE(game.form->lvRecord.rows[0].name, "Unknown");
}

void TestRecords::existingFileIsLeftAlone() {
    Game game;
    game.writeFile("record.txt", {});
    game.win("47");
    QCOMPARE(game.form->Frame2.lblEnd[0], "VICTORY!   You is First!");
    QCOMPARE(game.readFile("record.txt"), QByteArray());
    game.form->cmdTOP_Click(3);
    game.form->cmdTOP_Click(3); // pressed twice: shown, then hidden
    QVERIFY(!game.form->lvRecord.visible);
    QCOMPARE(game.form->cmdTOP[3], "Records");
}

void TestRecords::listIsRankedByValue() {
    Game game;
    game.writeFile("record.txt", crlf(lines({"1000", "5", "47,3", "999*", "10", "2"})));
    game.form->cmdTOP_Click(3);
    QVERIFY(game.form->lvRecord.visible);
    QCOMPARE(game.form->cmdTOP[3], "Close rec.");
    QStringList shown;
    for (const game::RecordRow& row : game.form->lvRecord.rows)
        shown << QString::number(row.place) + "|" + row.time;
    QCOMPARE(shown, QStringList({"1|  2", "2|  5", "3| 10", "4| 47,3", "5|999", "6|1000"}));
    QCOMPARE(game.form->lvRecord.rows[0].icon, 6);
    game.form->lvRecord_ColumnClick(6); // no such column
    QCOMPARE(game.form->lvRecord.sortColumn, 2);
}

// Two-digit years, and dates written under another format, still sort by the calendar.
void TestRecords::datesUnderAnotherFormat() {
    Game game;
    game.platform.localeInfo.numbers = QLocale(QLocale::English, QLocale::UnitedStates);
    game.writeFile("record.txt", QByteArray("1~a~S~4~12/31/99\r\n2~b~S~4~15.06.2027\r\n"
                                            "3~c~S~4~1/2/27\r\n4~d~S~4~05.12.2026~^\r\n"));
    game.form->cmdTOP_Click(3);
    game.form->lvRecord_ColumnClick(5);
    QStringList shown;
    for (const game::RecordRow& row : game.form->lvRecord.rows)
        shown << row.name;
    QCOMPARE(shown, QStringList({"d", "c", "b", "a"}));
}

void TestRecords::sortsByEachColumn_data() {
    QTest::addColumn<int>("header");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("Gamer") << 1 << QStringList{"ann", "Bob", "cid", "Dan", "Eve"};
    QTest::newRow("№") << 2 << QStringList{"Bob", "cid", "Eve", "Dan", "ann"};
    QTest::newRow("Time") << 3 << QStringList{"Bob", "cid", "Eve", "Dan", "ann"};
    QTest::newRow("Set") << 4 << QStringList{"Dan", "ann", "Eve", "cid", "Bob"};
    QTest::newRow("Date") << 5 << QStringList{"Eve", "ann", "cid", "Bob", "Dan"};
}

void TestRecords::sortsByEachColumn() {
    QFETCH(int, header);
    QFETCH(QStringList, names);
    Game game;
    game.platform.localeInfo.numbers = QLocale(QLocale::Russian, QLocale::Russia);
    game.writeFile("record.txt", QStringLiteral("1000~ann~Birds~4~02.01.2026\r\n"
                                                "2~Bob~Trees~5~15.03.2027~^\r\n"
                                                "10~cid~Cars~7~09.11.2026\r\n"
                                                "999~Dan~Animals~6~someday\r\n"
                                                "998~Eve~Birds~4~31.12.1999\r\n")
                                     .toUtf8());
    game.form->cmdTOP_Click(3);
    game.form->lvRecord_ColumnClick(1); // another order first: the places must not follow it
    game.form->lvRecord_ColumnClick(header);
    QStringList shown;
    for (const game::RecordRow& row : game.form->lvRecord.rows)
        shown << row.name;
    QCOMPARE(shown, names);
    QCOMPARE(game.form->lvRecord.sortColumn, header - 1);
}

void TestRecords::victoryPanel_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<float>("language");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("sound");

    const QByteArray full = crlf(lines(tenths(10, 10)));
    QTest::newRow("first") << full << 1.0f << "VICTORY!   You is First!"
                           << "Record: "
                           << "victory1.wav";
    QTest::newRow("top ten") << full << 1.0f << "VICTORY! You is in Top-10."
                             << "Record: "
                             << "victory10.wav";
    QTest::newRow("no entry") << full << 1.0f << "VICTORY!  You time is"
                              << "seconds"
                              << "victory.wav";
    QTest::newRow("first, Russian") << full << 0.0f << "ПОБЕДА!   У тебя 1-е место!"
                                    << "Запишись: "
                                    << "victory1.wav";
    QTest::newRow("no entry, Russian") << full << 0.0f << "ПОБЕДА!   На неё ты затратил"
                                       << "seconds"
                                       << "victory.wav";
}

void TestRecords::victoryPanel() {
    QFETCH(QByteArray, file);
    QFETCH(float, language);
    QFETCH(QString, message);
    QFETCH(QString, prompt);
    QFETCH(QString, sound);

    Game game(language);
    for (int i = 0; i < 6; ++i)
        game.state.SoundFile[i] = QStringLiteral("/s/%1").arg(
            QStringList{"No", "click1", "click2", "victory", "victory1", "victory10"}[i] + ".wav");
    game.writeFile("record.txt", file);
    const QString tag = QTest::currentDataTag();
    game.form->IconChoice = 5;
    game.win(tag.startsWith("first") ? "10" : tag.startsWith("top") ? "55" : "100");

    const game::VictoryPanel& panel = game.form->Frame2;
    QVERIFY(panel.visible);
    QCOMPARE(panel.lblEnd[0], message);
    QCOMPARE(panel.lblEnd[2], prompt);
    const bool enters = prompt != "seconds";
    QCOMPARE(panel.txtRecEnabled, enters);
    QCOMPARE(panel.cmdENDEnabled[2], enters);
    QCOMPARE(panel.optKartinkaEnabled, (std::array<bool, 3>{enters, enters, enters}));
    QCOMPARE(game.form->IconChoice, 0);
    QCOMPARE(game.platform.sound.played.last(), "/s/" + sound);

    // A stray click on the finished board keeps the chosen icon and plays only the click.
    game.form->optKartinka_Click(2);
    const qsizetype sounds = game.platform.sound.played.size();
    game.click({4});
    QCOMPARE(game.form->IconChoice, 7);
    QCOMPARE(game.platform.sound.played.size(), sounds + 1);
    QCOMPARE(game.platform.sound.played.last(), "/s/click1.wav");
    QCOMPARE(panel.optKartinkaSelected, (std::array<bool, 3>{false, false, true}));
}

void TestRecords::storesTheRecordByteForByte() {
    Game game(0);
    game.platform.localeInfo.numbers = QLocale(QLocale::Russian, QLocale::Russia);
    static_cast<testing::StandInOptionsDialog*>(game.form->optionsDialog())->setName = "Зве~ри";
    game.win("47,3");
    game.form->optKartinka_Click(1);
    game.form->optKartinka_Click(2); // the last click counts
    game.form->txtRec_Change("a~b~^");
    QVERIFY(game.form->Frame2.recordIsDefault);
    game.form->cmdEND_Click(2);

    QCOMPARE(game.readFile("record.txt"), QStringLiteral("999~Unknown~Test~6~05.11.2026~^\r\n"
                                                         "47,3~a-b-^~Зве-ри~7~05.12.2026\r\n")
                                              .toUtf8());
    QVERIFY(!game.form->Frame2.visible);
    QVERIFY(!game.form->Frame2.recordIsDefault);
    QCOMPARE(game.form->Frame2.txtRec, QString());
    QCOMPARE(game.form->PairsFound, 0);
    QVERIFY(game.form->Timer1.ticking());
    QCOMPARE(game.platform.messages.shown, QStringList{});

    // No name and no icon: the default name of the language in force, and icon 6.
    game.form->cmdTOP_Click(0);
    game.win("50");
    game.form->cmdEND_Click(2);
    QVERIFY(game.readFile("record.txt")
                .endsWith(QStringLiteral("50~Неизвестный~Зве-ри~6~05.12.2026\r\n").toUtf8()));
}

void TestRecords::nameBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    const QString x38(38, 'x');
    QTest::newRow("line breaks") << "a\r\nb\rc"
                                 << "a  b c";
    QTest::newRow("forty characters") << x38 + "yzzz" << x38 + "yz";
    QTest::newRow("no half character") << x38 + "y\U0001F600" << x38 + "y";
    QTest::newRow("a whole one fits") << x38 + "\U0001F600z" << x38 + "\U0001F600";
}

void TestRecords::nameBox() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    Game game;
    game.platform.localeInfo.numbers = QLocale(QLocale::Russian, QLocale::Russia);
    game.win("47");
    game.form->txtRec_Change(typed);
    game.form->cmdEND_Click(2);
    QCOMPARE(
        game.readFile("record.txt"),
        ("999~Unknown~Test~6~05.11.2026~^\r\n47~" + stored + "~Animals~6~05.12.2026\r\n").toUtf8());
}

void TestRecords::refusesAFileOfMoreThanTenRecords() {
    Game game;
    const QByteArray eleven = crlf(lines(tenths(11, 11)));
    game.writeFile("record.txt", eleven);
    game.win("5");
    QCOMPARE(game.form->Frame2.lblEnd[0], "VICTORY!   You is First!");
    game.form->cmdEND_Click(2);
    QCOMPARE(game.platform.messages.shown,
             QStringList{"В файле рекордов больше 10 результатов: запись производиться не "
                         "будет. Исправьте файл."});
    QCOMPARE(game.readFile("record.txt"), eleven);
}

void TestRecords::unwritableFileKeepsTheOldOne() {
    Game game;
    QVERIFY(QDir(game.dir.path()).mkdir("record.txt"));
    game.win("47");
    QVERIFY(game.form->Frame2.visible);
    game.form->cmdEND_Click(2);
    QCOMPARE(game.platform.messages.shown.size(), 1);
    QVERIFY(game.platform.messages.shown[0].startsWith("The record could not be saved"));
    QVERIFY(QFileInfo(game.path("record.txt")).isDir());

    // A folder where nothing can be created, not even by the superuser.
    game.state.dataFolder = QStringLiteral("/proc/self");
    game.form->cmdTOP_Click(0);
    game.win("40");
    game.form->cmdEND_Click(2);
    QCOMPARE(game.platform.messages.shown.size(), 2);
}

void TestRecords::listShowsTheFirstTenRecords() {
    Game game;
    QStringList codes = tenths(12, 12);
    codes.insert(3, "=");
    codes.insert(5, "=bad line");
    game.writeFile("record.txt", crlf(lines(codes)));
    game.form->cmdTOP_Click(3);
    QCOMPARE(game.form->lvRecord.rows.size(), 10);
    QCOMPARE(game.form->lvRecord.rows.last().time, "100");
}

void TestRecords::help_data() {
    QTest::addColumn<float>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("closeCaption");
    QTest::newRow("English") << 1.0f << "help-e.txt"
                             << "Close help";
    QTest::newRow("Russian") << 0.0f << "help.txt"
                             << "Закр. пом.";
}

void TestRecords::help() {
    QFETCH(float, language);
    QFETCH(QString, file);
    QFETCH(QString, closeCaption);
    Game game(language);
    game.form->cmdTOP_Click(2);
    QVERIFY(game.form->txtHELP.visible);
    QCOMPARE(game.form->cmdTOP[2], closeCaption);
    QCOMPARE(game.form->txtHELP.text, "Do not find help file " + game.path(file));
    game.form->cmdTOP_Click(2);
    QVERIFY(!game.form->txtHELP.visible);
    QCOMPARE(game.form->txtHELP.text, QString());

    game.writeFile(file, "\xCF\xF0\xE8\xE2\xE5\xF2\r\nline two"); // Windows-1251
    game.form->cmdTOP_Click(2);
    QCOMPARE(game.form->txtHELP.text, QStringLiteral("\r\nПривет\r\nline two"));
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
