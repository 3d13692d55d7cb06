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
    void tableFile_data();
    void tableFile();
    void recordsList_data();
    void recordsList();
    void victoryPanel_data();
    void victoryPanel();
    void storesTheRecordByteForByte();
    void nameBox_data();
    void nameBox();
    void refusesAFileOfMoreThanTenRecords();
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

// What the Records button finds: a missing file is created with its default record, dated
// 30 days back; an existing one is never touched; the list holds the first ten records.
void TestRecords::tableFile_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("listed");
    const QByteArray none;
    QTest::newRow("December") << QDate(2026, 12, 5) << none
                              << QByteArray("999~Unknown~Test~6~05.11.2026~^\r\n") << 1;
    QTest::newRow("across a year")
        << QDate(2027, 1, 15) << none << QByteArray("999~Unknown~Test~6~16.12.2026~^\r\n") << 1;
    QTest::newRow("across February")
        << QDate(2026, 3, 1) << none << QByteArray("999~Unknown~Test~6~30.01.2026~^\r\n") << 1;
    QTest::newRow("empty file") << QDate(2026, 12, 5) << QByteArray("") << QByteArray("") << 0;
    QStringList twelve = tenths(12, 12);
    twelve.insert(3, "=");
    twelve.insert(5, "=bad line");
    QTest::newRow("twelve records, a blank and a bad line")
        << QDate(2026, 12, 5) << crlf(lines(twelve)) << crlf(lines(twelve)) << 10;
}

void TestRecords::tableFile() {
    QFETCH(QDate, today);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(int, listed);
    Game game;
    game.platform.localeInfo.date = today;
    game.platform.localeInfo.numbers = QLocale(QLocale::Russian, QLocale::Russia);
    if (!before.isNull())
        game.writeFile("record.txt", before);
    game.form->cmdTOP_Click(3);
    QCOMPARE(game.readFile("record.txt"), after);
    QVERIFY(game.form->lvRecord.visible);
    QCOMPARE(game.form->cmdTOP[3], "Close rec.");
    QCOMPARE(game.form->lvRecord.rows.size(), listed);
    game.form->cmdTOP_Click(3); // pressed twice: shown, then hidden
    QVERIFY(!game.form->lvRecord.visible && game.form->lvRecord.rows.isEmpty());
    QCOMPARE(game.form->cmdTOP[3], "Records");
}

// The list is ranked by value and sorts by the column clicked: names and sets as text, the
// places and times by value, dates by the calendar (two-digit years, other formats and dates
// that cannot be read included). The places stay with their rows.
void TestRecords::recordsList_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("headers");
    QTest::addColumn<QStringList>("shown");
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QTest::newRow("ranked by value, padded")
        << russian << crlf(lines({"1000", "5", "47,3", "999*", "10", "2"})) << QList<int>{6}
        << QStringList{"Old 1   2 6",   "Old 2   5 6", "Old 3  10 6",
                       "Old 4  47,3 6", "Old 5 999 6", "Old 6 1000 6"};
    const QByteArray five = QStringLiteral("1000~ann~Birds~4~02.01.2026\r\n"
                                           "2~Bob~Trees~5~15.03.2027~^\r\n"
                                           "10~cid~Cars~7~09.11.2026\r\n"
                                           "999~Dan~Animals~6~someday\r\n"
                                           "998~Eve~Birds~4~31.12.1999\r\n")
                                .toUtf8();
    const auto names = [](const char* order) { return QString(order).split(' '); };
    QTest::newRow("Gamer") << russian << five << QList<int>{1} << names("ann Bob cid Dan Eve");
    QTest::newRow("№ after Gamer")
        << russian << five << QList<int>{1, 2} << names("Bob cid Eve Dan ann");
    QTest::newRow("Time after Gamer")
        << russian << five << QList<int>{1, 3} << names("Bob cid Eve Dan ann");
    QTest::newRow("Set") << russian << five << QList<int>{4} << names("Dan Eve ann cid Bob");
    QTest::newRow("Date") << russian << five << QList<int>{5} << names("Eve ann cid Bob Dan");
    QTest::newRow("Date, two-digit years")
        << QLocale(QLocale::English, QLocale::UnitedStates)
        << QByteArray("1~a~S~4~12/31/99\r\n2~b~S~4~15.06.2027\r\n3~c~S~4~1/2/27\r\n"
                      "4~d~S~4~05.12.2026~^\r\n")
        << QList<int>{5} << names("d c b a");
}

void TestRecords::recordsList() {
    QFETCH(QLocale, locale);
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, headers);
    QFETCH(QStringList, shown);
    Game game;
    game.platform.localeInfo.numbers = locale;
    game.writeFile("record.txt", file);
    game.form->cmdTOP_Click(3);
    for (int header : headers)
        game.form->lvRecord_ColumnClick(header);
    // The rows by name, or by name, place, time and icon where the table gives those.
    const bool full = shown[0].contains(' ');
    const auto listed = [&] {
        QStringList rows;
        for (const game::RecordRow& row : game.form->lvRecord.rows)
            rows << (full ? QStringLiteral("%1 %2 %3 %4")
                                .arg(row.name)
                                .arg(row.place)
                                .arg(row.time)
                                .arg(row.icon)
                          : row.name);
        return rows;
    };
    QCOMPARE(listed(), shown);
    game.form->cmdTOP_Click(3); // closed and opened again: still in the order chosen
    game.form->cmdTOP_Click(3);
    QCOMPARE(listed(), shown);
    QCOMPARE(game.form->lvRecord.sortColumn, headers.last() == 6 ? 2 : headers.last() - 1);
}

void TestRecords::victoryPanel_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<float>("language");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("sound");

    // The stand-in options dialog names sound n "sound<n>".
    const QByteArray full = crlf(lines(tenths(10, 10)));
    QTest::newRow("first") << full << 1.0f << "VICTORY!   You is First!"
                           << "Record: "
                           << "sound4";
    QTest::newRow("top ten") << full << 1.0f << "VICTORY! You is in Top-10."
                             << "Record: "
                             << "sound5";
    QTest::newRow("no entry") << full << 1.0f << "VICTORY!  You time is"
                              << "seconds"
                              << "sound3";
    QTest::newRow("first, Russian") << full << 0.0f << "ПОБЕДА!   У тебя 1-е место!"
                                    << "Запишись: "
                                    << "sound4";
    QTest::newRow("no entry, Russian") << full << 0.0f << "ПОБЕДА!   На неё ты затратил"
                                       << "seconds"
                                       << "sound3";
    QTest::newRow("first, empty file") << QByteArray("") << 1.0f << "VICTORY!   You is First!"
                                       << "Record: "
                                       << "sound4";
}

void TestRecords::victoryPanel() {
    QFETCH(QByteArray, file);
    QFETCH(float, language);
    QFETCH(QString, message);
    QFETCH(QString, prompt);
    QFETCH(QString, sound);

    Game game(language);
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
    QCOMPARE(game.platform.sound.played.last(), sound);

    // A stray click on the finished board keeps the chosen icon and plays only the click.
    game.form->optKartinka_Click(2);
    const qsizetype sounds = game.platform.sound.played.size();
    game.click({4});
    QCOMPARE(game.form->IconChoice, 7);
    QCOMPARE(game.platform.sound.played.size(), sounds + 1);
    QCOMPARE(game.platform.sound.played.last(), "click");
    QCOMPARE(panel.optKartinkaSelected, (std::array<bool, 3>{false, false, true}));
}

void TestRecords::storesTheRecordByteForByte() {
    Game game(0);
    game.platform.localeInfo.numbers = QLocale(QLocale::Russian, QLocale::Russia);
    static_cast<testing::StandInOptionsDialog*>(game.form->optionsDialog())->setName = "Зве~ри";
    game.win("47,3");
    game.form->optKartinka_Click(0);
    QCOMPARE(game.form->IconChoice, 4);
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
