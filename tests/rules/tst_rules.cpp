// SPDX-License-Identifier: GPL-3.0-or-later
// The game's rules through the main window's handlers: the play, the clock and the deal;
// record.txt, the records list and the help text; Quilora.ini and the options dialog; the fixed
// texts in both languages and a Russian one for every text, the web links and the names a screen
// reader says.
#include "language/accessible_names.h"
#include "records/records_file.h"
#include "support/full_disk.h"
#include "support/game.h"

#include <QDir>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

using namespace quilora;
using core::Rgb;
using language::Language;
using language::Text;
using testing::Game;

namespace {

// The cards face up.
QList<int> faceUp(const Game& game) {
    QList<int> cards;
    for (int s = 0; s < game::kSlotCount; ++s)
        if (!game.form().FotoPicture(s).isEmpty())
            cards.append(s);
    return cards;
}

const QLocale kRussian(QLocale::Russian, QLocale::Russia), kArabic(QLocale::Arabic, QLocale::Egypt);
// The victory panel's heading, its third line and the sound.
const QStringList kFirst{"VICTORY!   You is First!", "Record: ", "victory1.wav"},
    kTopTen{"VICTORY! You is in Top-10.", "Record: ", "victory10.wav"},
    kNoEntry{"VICTORY!  You time is", "seconds", "victory.wav"},
    kFirstInRussian{"ПОБЕДА!   У тебя 1-е место!", "Запишись: ", "victory1.wav"};

// A settings file that holds this language value.
QByteArray withLanguage(const QByteArray& language, const QByteArray& sound = "1") {
    return "0\r\n0\r\n" + sound + "\r\nLocalisation=" + language + "\r\n";
}

// A records file by codes, space-separated: "999*" is a marked record of 999 seconds, "+70" the
// record being stored (its time as a Russian clock shows it), "=text" a line as it stands,
// "10..40" the records 10, 20, 30 and 40.
QByteArray file(const QString& codes) {
    QByteArray bytes;
    for (QString code : codes.split(' ', Qt::SkipEmptyParts)) {
        if (code.contains("..")) {
            for (int t = 10; t <= code.section("..", 1).toInt(); t += 10)
                bytes += QByteArray::number(t) + "~Old~Test~6~01.11.2026\r\n";
            continue;
        }
        const bool stored = code.startsWith('+'), marked = code.endsWith('*');
        code = code.mid(stored ? 1 : 0).chopped(marked ? 1 : 0).replace('.', stored ? ',' : '.');
        if (!code.startsWith('='))
            code += (stored ? "~New~Зве-ри~4~05.12.2026" : "~Old~Test~6~01.11.2026");
        bytes +=
            (code.remove(0, code.startsWith('=') ? 1 : 0) + (marked ? "~^" : "") + "\r\n").toUtf8();
    }
    return bytes;
}

// A game in a language and a Russian number format, its records file written before it loads;
// set 0 is called "Зве~ри".
struct RecordsGame : testing::Game {
    explicit RecordsGame(float language = 1, const std::optional<QByteArray>& records = {})
        : testing::Game(12, false) {
        writeFile("Quilora.ini", withLanguage(QByteArray::number(language)));
        writeFile("img0/setname.txt", QStringLiteral("Зве~ри").toUtf8());
        if (records)
            writeFile("record.txt", *records);
        platform.localeInfo.numbers = kRussian;
        start();
    }
};

} // namespace

class TestRules : public QObject {
    Q_OBJECT

private slots:
    // A warning is a fault here: every file is the test's own, every service a fake.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("."))); }
    void clicks_data();
    void clicks();
    void clockAndClear();
    void digits_data();
    void digits();
    void deal();
    void storing_data();
    void storing();
    void fileOnDisk();
    void recordsList_data();
    void recordsList();
    void reader_data();
    void reader();
    void options();
    void dialogContents();
    void texts();
    void linksAndSpokenNames();
};

// Slots s and s + 12 are partners; in a set of 24 slot s shows picture s. A pair is heard, and
// its cards stay face up.
void TestRules::clicks_data() {
    QTest::addColumn<int>("pictures");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QList<int>>("faceUp");
    QTest::addColumn<QString>("sounds"); // c a click, p a pair
    using L = QList<int>;
    const auto row = [](const char* tag, int pictures, const L& clicks, const L& up,
                        const char* sounds) {
        QTest::newRow(tag) << pictures << clicks << up << QString(sounds);
    };
    row("12: wrong guess, then the open card's partner", 12, {0, 1, 13}, {1, 13}, "cccp");
    row("12: after a pair the next click only opens", 12, {0, 12, 5, 17}, {0, 5, 12, 17}, "ccpccp");
    row("12: a matched card turns the open card down", 12, {0, 12, 5, 0}, {0, 12}, "ccpcc");
    row("12: the open card clicked again stays open", 12, {4, 4, 16}, {4, 16}, "cccp");
    row("24: 23 and 11", 24, {23, 11}, {11, 23}, "ccp");
    row("24: 11 and 12", 24, {11, 12}, {12}, "cc");
    row("24: the open card clicked again turns down", 24, {4, 4, 16}, {16}, "ccc");
    row("24: reopened, it pairs", 24, {4, 4, 4, 16}, {4, 16}, "ccccp");
    // After loading, the card compared with is slot 23, still face down: it only opens.
    row("24: first click on slot 23's partner", 24, {11}, {11}, "c");
    row("no such card", 12, {-1, 24}, {}, "");
}

void TestRules::clicks() {
    QFETCH(int, pictures);
    QFETCH(QList<int>, clicks);
    Game game(pictures);
    for (int slot : clicks)
        game.click(slot);
    QTEST(faceUp(game), "faceUp");
    QString heard;
    for (const QString& path : game.platform.sound.played)
        heard += path.endsWith("/click1.wav") ? 'c' : path.endsWith("/click2.wav") ? 'p' : '?';
    QTEST(heard, "sounds");
}

// Seconds until the tenth pair, then tenths; the win stops both. Clear turns every card down,
// forgets the pairs and starts the seconds from 0 on the same deal; the next click only opens.
// Storing the record starts a game on the seconds alone. The first tenth shows the true time:
// the tenth pair comes `intoSecond` ms after the 41st second tick; each game after a Clear, with
// the tenths of the one before left over.
void TestRules::clockAndClear() {
    Game game;
    game.findPairs(0, 9);
    game.tick(41);
    QCOMPARE(game.form().lblTime(), "41");
    game.findPairs(9, 10);
    game.tick(1, 4); // the seconds no longer write the label
    QCOMPARE(game.form().lblTime(), "42.3");
    game.tick(0, 7); // ten tenths before the next second tick show it
    QCOMPARE(game.form().lblTime(), "43");
    game.findPairs(10, 12);
    QCOMPARE(game.records().Frame2().lblEnd[1], "43");
    game.form().cmdTOP_Click(0); // Clear under the panel, ten pairs again, then the record
    game.findPairs(0, 10);
    game.form().cmdEND_Click(2);
    QVERIFY(game.form().Timer1().ticking() && !game.form().Timer2().ticking());
    const QString deal = game.form().CardFile(0) + game.form().CardFile(23);
    game.form().cmdTOP_Click(0);
    QCOMPARE(faceUp(game), QList<int>{});
    game.findPairs(1, 2);
    QCOMPARE(game.form().CardFile(0) + game.form().CardFile(23), deal);
    game.tick(1);
    QCOMPARE(game.form().lblTime(), "1");
    game.tick(32767); // the count stops at its limit rather than wrapping
    QCOMPARE(game.form().lblTime(), "32767");
    for (const auto& [intoSecond, shown] :
         {std::pair{199, "41.2"}, {100, "41.2"}, {1500, "42"} /* a late second tick */}) {
        game.form().cmdTOP_Click(0);
        game.platform.clock.now += 41000;
        game.tick(41);
        game.findPairs(0, 9);
        game.platform.clock.now += intoSecond;
        game.findPairs(9, 10);
        game.tick(0, 1);
        QCOMPARE(game.form().lblTime(), shown);
    }
}

// Whatever digits the locale has, the player sees the time as the file stores it, ASCII digits
// with the locale's separator: on the clock in whole seconds and in tenths, on the victory
// panel and in the list, also for an older record written in the locale's own digits.
void TestRules::digits_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("time"); // 9 seconds and 3 tenths
    QTest::addColumn<QString>("today");
    QTest::newRow("Arabic") << kArabic << QStringLiteral("9٫3") << QString("5/12/2026");
    QTest::newRow("Bengali") << QLocale(QLocale::Bengali, QLocale::Bangladesh) << QString("9.3")
                             << QString("5/12/26");
    QTest::newRow("Russian") << kRussian << QString("9,3") << QString("05.12.2026");
}

void TestRules::digits() {
    QFETCH(QLocale, locale);
    QFETCH(QString, time);
    QFETCH(QString, today);
    RecordsGame game(1, QStringLiteral("١٢٫٥~Old~T~4~٥\u200F/١١\u200F/٢٠٢٦~^\r\n").toUtf8());
    game.platform.localeInfo.numbers = locale;
    game.tick(9);
    QStringList shown{game.form().lblTime()};
    game.findPairs(0, 10);
    game.tick(0, 3);
    shown << game.form().lblTime();
    game.findPairs(10, 12);
    shown << game.records().Frame2().lblEnd[1];
    game.form().cmdEND_Click(2);
    const QString stored = QString::fromUtf8(game.readFile("record.txt")).section("\r\n", 1, 1);
    shown << stored.section('~', 0, 0) + ' ' + stored.section('~', 4);
    game.form().cmdTOP_Click(3);
    for (const records::RecordRow& row : game.records().lvRecord().rows)
        shown << row.time + ' ' + row.date;
    QCOMPARE(shown, (QStringList{"9", time, time, time + ' ' + today, "  " + time + ' ' + today,
                                 QStringLiteral(" 12٫5 5/11/2026")}));
}

// Each picture on 24 / pictures cards fills all 24 slots with nothing else, whatever the draws; a
// set missing 13.gif is a set of 12. A draw of 1 itself stays on the board: the first draw puts the
// last picture into slot 23.
void TestRules::deal() {
    for (const auto& [files, missing, pictures] :
         {std::tuple{12, -1, 12}, {24, -1, 24}, {24, 13, 12}, {0, -1, 12} /* no pictures */}) {
        for (unsigned seed = 1; seed <= 50; ++seed) {
            Game game(files, false, false);
            QFile::remove(game.path(QStringLiteral("img0/%1.gif").arg(missing)));
            game.platform.random.reseed(seed);
            game.platform.random.script = {1.0f, 1.0f};
            game.start();
            const QString folder = game.path("img0/");
            QCOMPARE(game.form().CardFile(23), folder + QString::number(pictures - 1) + ".gif");
            QMap<QString, int> cards;
            for (int s = 0; s < game::kSlotCount; ++s)
                ++cards[game.form().CardFile(s)];
            for (int n = 0; n < pictures; ++n)
                QCOMPARE(cards.value(folder + QString::number(n) + ".gif"), 24 / pictures);
        }
    }
    // A card's picture is the number its file name starts with, whichever the separator.
    QCOMPARE(game::pictureNumber("C:\\img0\\7.gif"), 7);
}

// The panel says where the time ranks; Record stores it, the slowest record marked, unless the
// table is full of faster ones, or holds more than ten records and must be mended by hand. The
// record goes to the file byte for byte: the name cleaned up, the set name as shown, the icon
// last clicked or 6, and the default name of the language in force.
void TestRules::storing_data() {
    QTest::addColumn<float>("language");
    QTest::addColumn<QString>("before");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("typed"); // null: nothing typed
    QTest::addColumn<QList<int>>("icons");
    QTest::addColumn<QStringList>("panel");
    QTest::addColumn<QString>("after"); // empty: the file as before
    // "New" with the boy's icon, in English.
    const auto row = [](const char* tag, const QString& before, double seconds,
                        const QStringList& panel, const QString& after) {
        QTest::newRow(tag) << 1.0f << before << seconds << QString("New") << QList<int>{0} << panel
                           << after;
    };
    // 47.3 seconds into a table of 999 seconds.
    const auto named = [](const char* tag, float language, const QString& typed,
                          const QList<int>& icons, const QString& stored) {
        QTest::newRow(tag) << language << QString("999*") << 47.3 << typed << icons
                           << (language == 0 ? kFirstInRussian : kFirst)
                           << "999* =47,3~" + stored + "~05.12.2026";
    };
    row("50 s into the default table", "999*", 50, kFirst, "999* +50");
    row("nine records, slower than all", "10..80 90*", 100, kTopTen, "10..80 90 +100*");
    row("full, mark not on the slowest", "10..70 80* 90 100", 90, kTopTen, "10..90 +90*");
    row("full, equal to the slowest", "10..90 100*", 100, kNoEntry, "");
    row("blank, unreadable and nan lines are no records",
        "10..90 100* = =abc =x~Ann~Set~4~date =60~Bob~S~4 =nan~C~S~4~d", 55, kTopTen,
        "10..80 =abc =x~Ann~Set~4~date =60~Bob~S~4 =nan~C~S~4~d 90* +55");
    row("eleven records", "10..100 110*", 5, kFirst, "");
    row("no mark: the slowest counts as marked", "50 999", 70, kTopTen, "50 999* +70");
    row("equal slowest: the last is marked", "=999~A~S~6~d =999~B~S~6~d 50", 60, kTopTen,
        "=999~A~S~6~d 50 =999~B~S~6~d~^ +60");
    row("several marks, one line marked twice", "=50~Old~Test~6~01.11.2026~^~^ 30* 20*", 40,
        kTopTen, "30 20 50* +40");
    row("empty file", "", 100, kFirst, "+100*");
    const QString x38(38, 'x');
    named("marks, the last icon counts", 1, "a~b~^", {0, 1, 2}, "a-b-^~Зве-ри~7");
    named("no name, no icon", 0, QString(), {}, "Неизвестный~Зве-ри~6");
    named("no name in English, a girl", 1, QString(), {1}, "Unknown~Зве-ри~5");
    named("no half character", 1, x38 + "y\U0001F600", {}, x38 + "y~Зве-ри~6");
}

void TestRules::storing() {
    QFETCH(float, language);
    QFETCH(QString, before);
    QFETCH(double, seconds);
    QFETCH(QString, typed);
    QFETCH(QList<int>, icons);
    QFETCH(QStringList, panel);
    QFETCH(QString, after);
    RecordsGame game(language, file(before));
    game.win(3); // a game before, won with an icon chosen and left with "Else"
    game.form().optKartinka_Click(1);
    game.form().cmdEND_Click(0);
    const records::VictoryPanel& end = game.records().Frame2();
    game.win(qRound(seconds * 10) / 10, qRound(seconds * 10) % 10);
    QCOMPARE((QStringList{end.lblEnd[0], end.lblEnd[2],
                          game.platform.sound.played.last().section('/', -1)}),
             panel);
    const bool enters = panel != kNoEntry;
    QCOMPARE(end.entryEnabled, enters);
    for (int icon : icons)
        game.form().optKartinka_Click(icon);
    game.click(4); // a stray click on the finished board: the click only, the icon stays
    QCOMPARE(game.platform.sound.played.last().section('/', -1), "click1.wav");
    if (!typed.isNull())
        game.form().txtRec_Change(typed);
    game.form().cmdEND_Click(2);
    QCOMPARE(game.readFile("record.txt"), file(after.isEmpty() ? before : after));
    QCOMPARE(game.platform.messages.shown,
             after.isEmpty() && enters
                 ? QStringList{"В файле рекордов больше 10 результатов: запись производиться не "
                               "будет. Исправьте файл."}
                 : QStringList{});
    if (enters) // nothing of this record carries over to the next win's panel
        QVERIFY(end.txtRec.isEmpty() && !end.recordIsDefault);
}

// A table that has changed since the game was ranked so that its time no longer enters: said,
// and nothing stored. A field's line break would split a record in two. Missing files: the
// records file is created with its default record dated 30 days back, by the Records button
// too, opening or closing; the help names its file (the English one also under a value such as
// 0.7).
void TestRules::fileOnDisk() {
    RecordsGame game(1, file("10..80 90*"));
    game.win(105);
    game.writeFile("record.txt", file("10..90 100*"));
    game.form().cmdEND_Click(2);
    QCOMPARE(game.platform.messages.shown,
             QStringList{"The records file was changed while the game was being won: this time "
                         "is no longer among the ten best."});
    QCOMPARE(game.readFile("record.txt"), file("10..90 100*"));
    // One line, three fields.
    QCOMPARE(records::recordLine({"1", "a\r\nb\rc", "c~d"}), "1~a  b c~c-d");

    RecordsGame bare(0.7f);
    bare.form().cmdTOP_Click(2);
    QCOMPARE(bare.records().txtHELP().text, "Do not find help file " + bare.path("help-e.txt"));
    bare.platform.localeInfo.date = QDate(2027, 1, 15);
    bare.form().cmdTOP_Click(3);
    QCOMPARE(bare.readFile("record.txt"), "999~Unknown~Test~6~16.12.2026~^\r\n");
    QFile::remove(bare.path("record.txt"));
    bare.form().cmdTOP_Click(3);
    QVERIFY(!bare.records().lvRecord().visible && QFile::exists(bare.path("record.txt")));
}

// An existing file is never touched; the list holds its first ten records ranked by value,
// sorted by the column clicked: text, values, or dates by the calendar; and stays so when shown
// again. Columns: name, place, time, icon.
void TestRules::recordsList_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("headers");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* tag, const QByteArray& file, const QList<int>& headers,
                        const QString& shown, const QLocale& locale = kRussian) {
        QTest::newRow(tag) << locale << file << headers << shown;
    };
    row("the first ten, ranked by value, padded", file("1000 5 = 47,3 =9~bad 999* 10 2 3 4 6 7 8"),
        {6},
        "Old 1   2 6|Old 2   3 6|Old 3   4 6|Old 4   5 6|Old 5   6 6|Old 6   7 6|Old 7  10 6|"
        "Old 8  47,3 6|Old 9 999 6|Old 10 1000 6");
    const QByteArray five("1000~ann~Birds~4~02.01.2026\r\n2~Bob~Trees~5~15.03.2027~^\r\n"
                          "10~cid~Cars~7~2026-11-09\r\n999~Dan~Animals~6~someday\r\n"
                          "998~Eve~Birds~4~31.12.1999\r\n");
    row("Gamer regardless of case", "1~Bob~S~4~d\r\n2~bob~S~4~d\r\n3~Al~S~4~d~^\r\n", {1},
        "Al|Bob|bob");
    row("№ after Gamer", five, {1, 2}, "Bob|cid|Eve|Dan|ann");
    row("Set", five, {4}, "Dan|Eve|ann|cid|Bob");
    row("Date", five, {5}, "Eve|ann|cid|Bob|Dan");
    // As the game writes them under a locale with digits of its own, and in those digits.
    row("Arabic dates",
        QStringLiteral("14٫7~Ann~~6~5/12/2026\r\n١٢٫٥~Old~T~4~٥\u200F/١١\u200F/٢٠٢٦~^\r\n"
                       "9٫3~Bob~~6~6/12/2026\r\n")
            .toUtf8(),
        {5}, "Old|Ann|Bob", kArabic);
    // A record pasted from an older file spoils no other line.
    row("a Windows-1251 line among UTF-8 ones",
        QStringLiteral("5~Неизвестный~S~4~d\r\n").toUtf8() + "7~\xA8\xEB\xEA\xE0~S~4~d~^\r\n", {},
        QStringLiteral("Неизвестный|Ёлка"));
    // A name of 400,000 accents, which took a minute to lay out, is cut as it is read.
    row("a field far longer than the game writes",
        "1~a" + QString(400'000, QChar(0x301)).toUtf8() + "~S~4~d~^\r\n", {},
        "a" + QString(63, QChar(0x301)));
    row("a long field cut before a character of two halves",
        ("1~" + QString(63, 'a') + QStringLiteral("😀b~S~4~d~^\r\n")).toUtf8(), {},
        QString(63, 'a'));
    row("Date, two-digit years in this century",
        "1~a~S~4~12/31/99\r\n2~b~S~4~15.06.2027\r\n3~c~S~4~1/2/27\r\n4~d~S~4~05.12.2026~^\r\n", {5},
        "d|c|b|a", QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestRules::recordsList() {
    QFETCH(QLocale, locale);
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, headers);
    QFETCH(QString, shown);
    RecordsGame game(1, file);
    game.platform.localeInfo.numbers = locale;
    game.form().cmdTOP_Click(3);
    QCOMPARE(game.readFile("record.txt"), file);
    for (int header : headers)
        game.form().lvRecord_ColumnClick(header);
    game.form().cmdTOP_Click(3);
    game.form().cmdTOP_Click(3);
    QStringList rows;
    for (const records::RecordRow& r : game.records().lvRecord().rows)
        rows << QStringLiteral("%1 %2 %3 %4").arg(r.name).arg(r.place).arg(r.time).arg(r.icon);
    const QString all = rows.join('|'); // or only the names
    QCOMPARE(shown.contains(' ') ? all : QString(all).remove(QRegularExpression(" [^|]*")), shown);
}

// Values by line position, keys unread; unusable values fall back one by one to the defaults.
// What OK then writes holds the values in use: background, picture set, sound, language.
void TestRules::reader_data() {
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
    row("nan and inf", "optFon=nan\r\noptP=inf\r\nchks.Value=-inf\r\nLocalisation=nan\r\n",
        "0|0|1|1");
    row("odd numbers",
        "optFon=99999999999\r\noptP=1e3\r\nchks.Value=00000001\r\nLocalisation=1e-45\r\n",
        "0|0|1|1e-45");
}

void TestRules::reader() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, written);
    Game game(file);
    game.options().cmdNAS_Click(2);
    const QList<QByteArray> values = written.split('|');
    QCOMPARE(game.readFile("Quilora.ini"), "optFon=" + values[0] + "\r\noptP=" + values[1] +
                                               "\r\nchks.Value=" + values[2] +
                                               "\r\nLocalisation=" + values[3] + "\r\n");
}

// OK and pictures Apply save, then clear the board or deal another set; each closes the dialog. A
// failed save says why, and the choices that could not be written stay in effect for the reloaded
// window until a write succeeds and the file counts again.
void TestRules::options() {
    Game game;
    settings::Form2& dialog = game.options();
    QSignalSpy closed(&dialog, &settings::Form2::hideRequested);
    QSignalSpy reloads(&game.form(), &game::Form1::reloadRequested);
    game.findPairs(0, 3);
    dialog.optFon_Click(1);
    dialog.optFon_Click(5); // no such choice: 1 stays
    dialog.cmdNAS_Click(2); // OK: applied, a new game on the same cards, the same set
    QCOMPARE(dialog.appearance().cardColour, (Rgb{225, 205, 190}));
    QCOMPARE(game.form().PairsFound(), 0);
    QCOMPARE(closed.size(), 1);
    QVERIFY(reloads.isEmpty());
    dialog.optFon_Click(4); // selected, never applied
    dialog.optP_Click(2);
    dialog.optP_Click(-1);
    dialog.chkS_Click();
    game.tick(40);
    dialog.cmdNAS_Click(1);
    QCOMPARE(game.readFile("Quilora.ini"),
             QByteArray("optFon=1\r\noptP=2\r\nchks.Value=0\r\nLocalisation=1\r\n"));
    QCOMPARE(closed.size(), 2);
    game.start(); // the reload: set 2, and the clock that pictures Apply set back to 0
    game.tick(1);
    QCOMPARE(game.form().lblTime(), "1");

    // A FIFO of the settings' name is not the game's to replace.
    const QByteArray fifo = QFile::encodeName(game.path("Quilora.ini"));
    QVERIFY(QFile::remove(fifo) && ::mkfifo(fifo.constData(), 0600) == 0);
    game.options().optP_Click(3);
    game.options().cmdNAS_Click(1);
    QCOMPARE(game.platform.messages.shown.value(0),
             "The settings could not be saved: " + fifo +
                 " cannot be written (it is not an ordinary file). They stay in effect until the "
                 "game is closed.");
    game.start();
    QVERIFY(game.form().PictureFolder().endsWith("img3/"));
    QVERIFY(!QFileInfo(fifo).isFile() && QFile::remove(fifo));
    std::optional<testing::FullDisk> full(std::in_place); // a reason of the system's is given
    game.options().cmdNAS_Click(1);
    full.reset();
    QCOMPARE(game.platform.messages.shown.value(1),
             "The settings could not be saved: " + fifo + " cannot be written (" +
                 qt_error_string(EFBIG) + "). They stay in effect until the game is closed.");
    game.options().cmdNAS_Click(2);
    game.writeFile("Quilora.ini", "0\r\n2\r\n1\r\n1\r\n");
    game.start();
    QCOMPARE(game.options().optP(), 2);
}

// A greyed box is on: the sounds. Off from the start: silence; on: the six sounds, loaded at once;
// off again: No.wav, for every event. The label's clicks and the box's act alike, the label naming
// the switch's state once clicked. Background Apply sets the cards, panels and window picture, a
// missing picture leaving the window's colour, and saves nothing; the window turns grey by choice
// 0 only. Set names: the Russian one where no English one is given; read again each time the
// dialog opens.
void TestRules::dialogContents() {
    QCOMPARE(Game("0\r\n0\r\n2\r\n1\r\n").options().SoundFile(5).section('/', -1), "victory10.wav");
    Game game("3\r\n0\r\n0\r\n1\r\n");
    const auto sounds = [&] {
        QStringList names{game.options().lblSND()};
        for (int i = 1; i < 6; ++i)
            names << game.options().SoundFile(i).section('/', -1);
        return names;
    };
    QCOMPARE(sounds(), QStringList{"Sound"} + QStringList(5, QString()));
    game.options().chkS_Click();
    QCOMPARE(sounds(), (QStringList{"Snd off", "click1.wav", "click2.wav", "victory.wav",
                                    "victory1.wav", "victory10.wav"}));
    QCOMPARE(game.platform.sound.preloaded.size(), 6);
    game.form().lblSND_Click();
    QCOMPARE(sounds(), QStringList{"Snd on"} + QStringList(5, "No.wav"));

    using A = settings::Appearance;
    const Rgb blue{134, 138, 163}, grey{200, 200, 200}, window{180, 180, 180}, orange{255, 197, 85};
    for (const char* folder : {"back", "img2", "img3"})
        QDir(game.dir.path()).mkdir(folder);
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

    game.writeFile("img3/setname.txt", QStringLiteral("Цвета\r\n\r\nnotes\r\n").toUtf8());
    game.start(); // the dialog reads the names as it loads
    QCOMPARE(game.options().pictureSetCaption(3), QStringLiteral("Цвета")); // no English name
    game.form().lblLOC_Click(0);

    // A set made while the game runs is named once the dialog opens; a name typed by hand is cut
    // to 64 characters, never within one.
    game.writeFile("img2/setname.txt", ("Семья\r\n" + QString(63, 'x') + "😀y\r\n").toUtf8());
    game.form().cmdTOP_Click(1);
    QCOMPARE(game.options().pictureSetCaption(2), QStringLiteral("Семья"));
    game.form().lblLOC_Click(1);
    QCOMPARE(game.options().pictureSetCaption(2), QString(63, 'x'));
}

// The fixed texts of texts.tsv, byte for byte in the catalogue, and the plural forms of the texts
// that count; the language switch shows the captions it sets where they belong, and before the
// first switch (a value such as 0.7 never switches) the window's own. The labels' colours follow
// the nearest whole value, a half going to the even one; a value that names neither label is no
// language: English. Every text has a Russian one (the build leaves unfinished ones out).
void TestRules::texts() {
    QFile file(QStringLiteral(QUILORA_TEXTS));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QMetaEnum ids = QMetaEnum::fromType<Text>();
    QStringList captions[3]; // shown under 0, 1 and 0.7
    static const QRegularExpression field(QStringLiteral("\"([^\"]*)\""));
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        QStringList fields;
        for (auto match = field.globalMatch(line); match.hasNext();)
            fields << match.next().captured(1);
        if (line.startsWith('#') || fields.isEmpty())
            continue;
        // A text that counts is checked at the count after its name: "Name#21".
        bool known = false;
        const QStringList key = fields[0].split('#');
        const Text id = Text(ids.keyToValue(qPrintable(key[0]), &known));
        QVERIFY2(known, qPrintable(fields[0]));
        for (const Language language : {Language::Russian, Language::English})
            QCOMPARE(key.size() == 2 ? text(id, language, key[1].toInt()) : text(id, language),
                     fields[language == Language::Russian ? 1 : 2]);
        for (int i = 0; i < 3 && fields.size() == 4; ++i)
            captions[i] << fields[i + 1];
    }
    const std::optional<Rgb> darkRed = Rgb{128, 0, 0}, black = Rgb{0, 0, 0};
    for (const auto& [language, shownAs, highlighted] :
         {std::tuple{"0", 0, 0}, {"1", 1, 1}, {"0.7", 2, 1}, {"0.5", 2, 0}, {"1.5", 1, 1}}) {
        const Game game(withLanguage(language));
        // The captions that the switch sets, where they are shown, in the order of texts.tsv.
        const language::Captions& c = game.captions();
        const settings::DialogCaptions& d = game.options().captions();
        QStringList shown{c.cmdTOP(0), c.cmdTOP(1), c.cmdTOP(2), c.cmdTOP(3),
                          d.title,     d.Frame[0],  d.Frame[1],  d.Frame[2],
                          d.chkS,      d.cmdNAS[0], d.cmdNAS[1], d.cmdNAS[3]};
        using P = language::ProgramLanguage;
        for (auto text :
             {&P::CaptionCloseHelp, &P::HelpFileName, &P::CaptionHelp, &P::CaptionCloseRecords,
              &P::CaptionRecords, &P::DefaultPlayerName, &P::MsgVictoryFirst, &P::MsgVictoryTop10,
              &P::MsgVictoryTime, &P::MsgRecordPrompt})
            shown << (c.program().*text)();
        QCOMPARE(shown << c.lblEnd3() << c.cmdEND(2) << c.cmdEND(1) << c.cmdEND(0) << d.cmdNAS[2]
                       << game.options().lblSND(),
                 captions[shownAs]);
        QCOMPARE(game.captions().lblLOCColour(highlighted), darkRed);
        QCOMPARE(game.captions().lblLOCColour(1 - highlighted), black);
    }
    for (int id = 0; id < int(Text::Count); ++id)
        QVERIFY2(!text(Text(id), Language::Russian).isEmpty(), ids.valueToKey(id));
}

// The web links, in the language of exactly 1, leave no file behind. names.txt gives one picture
// per line, Russian, a tab, English; lines past the 24th are not the set's.
void TestRules::linksAndSpokenNames() {
    Game game(withLanguage("1"));
    game.writeFile("temp.url", "left behind by something else, much longer than the new file");
    game.form().lblOrvane_Click(3);
    game.platform.links.opens = false; // no browser: nothing is left behind either
    game.form().lblOrvane_Click(0);
    game.form().lblOrvane_Click(2); // no such label
    QCOMPARE(game.platform.links.handedOver,
             (QList<QByteArray>{
                 "[InternetShortcut]\r\nURL=https://quilora.example.org/quilora/index-e.htm\r\n",
                 "[InternetShortcut]\r\nURL=https://quilora.example.org/index-e.htm\r\n"}));
    QVERIFY(!QFileInfo::exists(game.path("temp.url")));
    Game russian(withLanguage("0.7"));
    russian.form().lblOrvane_Click(1);
    QVERIFY(russian.platform.links.handedOver.value(0).endsWith("org/index-r.htm\r\n"));

    testing::TestFolder folder;
    folder.writeFile("names.txt", QStringLiteral("кошка\tcat\tnote\r\n").repeated(25).toUtf8());
    const language::PictureNames names = language::readPictureNames(folder.dir.path() + "/");
    QCOMPARE(names.english.size(), 24);
    QCOMPARE(language::cardName(6, 3, false, names, Language::English), "row 2, card 1: cat");
    QCOMPARE(language::cardName(23, 3, true, names, Language::Russian),
             QStringLiteral("ряд 4, карточка 6, найдена: кошка"));
}

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
