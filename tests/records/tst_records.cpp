// record.txt through won games, the records list and the help text.
#include "records/records_file.h"
#include "support/game.h"

#include <QTest>

using namespace quilora;

namespace {

const QLocale kRussian(QLocale::Russian, QLocale::Russia), kArabic(QLocale::Arabic, QLocale::Egypt);
// The victory panel's heading, its third line and the sound.
const QStringList kFirst{"VICTORY!   You is First!", "Record: ", "victory1.wav"},
    kTopTen{"VICTORY! You is in Top-10.", "Record: ", "victory10.wav"},
    kNoEntry{"VICTORY!  You time is", "seconds", "victory.wav"},
    kFirstInRussian{"ПОБЕДА!   У тебя 1-е место!", "Запишись: ", "victory1.wav"};

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
struct Game : testing::Game {
    explicit Game(float language = 1, const std::optional<QByteArray>& records = {})
        : testing::Game(12, false) {
        writeFile("Quilora.ini",
                  "0\r\n0\r\n1\r\nLocalisation=" + QByteArray::number(language) + "\r\n");
        writeFile("img0/setname.txt", QStringLiteral("Зве~ри").toUtf8());
        if (records)
            writeFile("record.txt", *records);
        platform.localeInfo.numbers = kRussian;
        start();
    }
    void winIn(double seconds) { win(qRound(seconds * 10) / 10, qRound(seconds * 10) % 10); }
};

} // namespace

class TestRecords : public QObject {
    Q_OBJECT

private slots:
    void storing_data();
    void storing();
    void fileOnDisk();
    void recordsList_data();
    void recordsList();
};

// The panel says where the time ranks; Record stores it, the slowest record marked, unless the
// table is full of faster ones, or holds more than ten records and must be mended by hand. The
// record goes to the file byte for byte: the name cleaned up, the set name as shown, the icon
// last clicked or 6, and the default name of the language in force.
void TestRecords::storing_data() {
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
    const QStringList first = kFirst, top = kTopTen;
    row("50 s into the default table", "999*", 50, first, "999* +50");
    row("nine records, slower than all", "10..80 90*", 100, top, "10..80 90 +100*");
    row("full: the slowest goes", "10..90 100*", 55, top, "10..80 90* +55");
    row("full, mark not on the slowest", "10..70 80* 90 100", 90, top, "10..90 +90*");
    row("full, equal to the slowest", "10..90 100*", 100, kNoEntry, "");
    row("blank, unreadable and nan lines are no records",
        "10..90 100* = =abc =x~Ann~Set~4~date =60~Bob =nan~C~S~4~d", 55, top,
        "10..80 =abc =x~Ann~Set~4~date =60~Bob =nan~C~S~4~d 90* +55");
    row("eleven records", "10..100 110*", 5, first, "");
    row("no mark: the slowest counts as marked", "50 999", 70, top, "50 999* +70");
    row("equal slowest: the last is marked", "=999~A~S~6~d =999~B~S~6~d 50", 60, top,
        "=999~A~S~6~d 50 =999~B~S~6~d~^ +60");
    row("several marks, one line marked twice", "=50~Old~Test~6~01.11.2026~^~^ 30* 20*", 40, top,
        "30 20 50* +40");
    row("decimal comma", "47,3 999*", 47.4, top, "47,3 999* +47.4");
    row("empty file", "", 100, first, "+100*");
    const QString x38(38, 'x');
    named("marks, the last icon counts", 1, "a~b~^", {0, 1, 2}, "a-b-^~Зве-ри~7");
    named("no name, no icon", 0, QString(), {}, "Неизвестный~Зве-ри~6");
    named("no name in English, a girl", 1, QString(), {1}, "Unknown~Зве-ри~5");
    named("no half character", 1, x38 + "y\U0001F600", {}, x38 + "y~Зве-ри~6");
}

void TestRecords::storing() {
    QFETCH(float, language);
    QFETCH(QString, before);
    QFETCH(double, seconds);
    QFETCH(QString, typed);
    QFETCH(QList<int>, icons);
    QFETCH(QStringList, panel);
    QFETCH(QString, after);
    Game game(language, file(before));
    game.win(3); // a game before, won with an icon chosen and left with "Else"
    game.form().optKartinka_Click(1);
    game.form().cmdEND_Click(0);
    const records::VictoryPanel& end = game.records().Frame2();
    QVERIFY(!end.visible);
    game.winIn(seconds);
    QCOMPARE((QStringList{end.lblEnd[0], end.lblEnd[2],
                          game.platform.sound.played.last().section('/', -1)}),
             panel);
    const bool enters = panel != kNoEntry;
    QCOMPARE(end.entryEnabled, enters);
    for (int icon : icons)
        game.form().optKartinka_Click(icon);
    game.click({4}); // a stray click on the finished board: the click only, the icon stays
    QCOMPARE(game.platform.sound.played.last().section('/', -1), "click1.wav");
    if (!typed.isNull())
        game.form().txtRec_Change(typed);
    QCOMPARE(end.recordIsDefault, !typed.isNull());
    game.form().cmdEND_Click(2);
    QCOMPARE(end.visible, !enters);
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
void TestRecords::fileOnDisk() {
    Game game(1, file("10..80 90*"));
    game.win(105);
    game.writeFile("record.txt", file("10..90 100*"));
    game.form().cmdEND_Click(2);
    QCOMPARE(game.platform.messages.shown,
             QStringList{"The records file was changed while the game was being won: this time "
                         "is no longer among the ten best."});
    QCOMPARE(game.readFile("record.txt"), file("10..90 100*"));
    // Under a locale with digits of its own, in the form the list above reads back.
    Game arabic(1, file("999*"));
    arabic.platform.localeInfo.numbers = kArabic;
    arabic.winIn(14.7);
    arabic.form().cmdEND_Click(2);
    QVERIFY(arabic.readFile("record.txt")
                .endsWith(QStringLiteral("\r\n14٫7~Unknown~Зве-ри~6~5/12/2026\r\n").toUtf8()));
    // One line, three fields.
    QCOMPARE(records::recordLine({"1", "a\r\nb\rc", "c~d"}), "1~a  b c~c-d");

    Game bare(0.7f);
    bare.form().cmdTOP_Click(2);
    QCOMPARE(bare.records().txtHELP().text, "Do not find help file " + bare.path("help-e.txt"));
    bare.form().cmdTOP_Click(2);
    QVERIFY(!bare.records().txtHELP().visible && bare.records().txtHELP().text.isEmpty());
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
void TestRecords::recordsList_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("headers");
    QTest::addColumn<QString>("shown");
    QTest::newRow("the first ten, ranked by value, padded")
        << kRussian << file("1000 5 = 47,3 =9~bad 999* 10 2 3 4 6 7 8") << QList<int>{6}
        << "Old 1   2 6|Old 2   3 6|Old 3   4 6|Old 4   5 6|Old 5   6 6|Old 6   7 6|Old 7  10 6|"
           "Old 8  47,3 6|Old 9 999 6|Old 10 1000 6";
    const QByteArray five("1000~ann~Birds~4~02.01.2026\r\n2~Bob~Trees~5~15.03.2027~^\r\n"
                          "10~cid~Cars~7~2026-11-09\r\n999~Dan~Animals~6~someday\r\n"
                          "998~Eve~Birds~4~31.12.1999\r\n");
    QTest::newRow("Gamer regardless of case")
        << kRussian << QByteArray("1~Bob~S~4~d\r\n2~bob~S~4~d\r\n3~Al~S~4~d~^\r\n") << QList<int>{1}
        << "Al|Bob|bob";
    QTest::newRow("№ after Gamer") << kRussian << five << QList<int>{1, 2} << "Bob|cid|Eve|Dan|ann";
    QTest::newRow("Set") << kRussian << five << QList<int>{4} << "Dan|Eve|ann|cid|Bob";
    QTest::newRow("Date") << kRussian << five << QList<int>{5} << "Eve|ann|cid|Bob|Dan";
    // As the game writes them under a locale with digits of its own, and in those digits.
    const QByteArray arabic = QStringLiteral("14٫7~Ann~~6~5/12/2026\r\n١٢٫٥~Old~T~4~"
                                             "٥\u200F/١١\u200F/٢٠٢٦~^\r\n9٫3~Bob~~6~6/12/2026\r\n")
                                  .toUtf8();
    QTest::newRow("Arabic digits") << kArabic << arabic << QList<int>{6} << "Bob|Old|Ann";
    QTest::newRow("Arabic dates") << kArabic << arabic << QList<int>{5} << "Old|Ann|Bob";
    QTest::newRow("Date, two-digit years in this century")
        << QLocale(QLocale::English, QLocale::UnitedStates)
        << QByteArray("1~a~S~4~12/31/99\r\n2~b~S~4~15.06.2027\r\n3~c~S~4~1/2/27\r\n"
                      "4~d~S~4~05.12.2026~^\r\n")
        << QList<int>{5} << "d|c|b|a";
}

void TestRecords::recordsList() {
    QFETCH(QLocale, locale);
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, headers);
    QFETCH(QString, shown);
    Game game(1, file);
    game.platform.localeInfo.numbers = locale;
    game.form().cmdTOP_Click(3);
    QCOMPARE(game.readFile("record.txt"), file);
    for (int header : headers)
        game.form().lvRecord_ColumnClick(header);
    game.form().cmdTOP_Click(3);
    game.form().cmdTOP_Click(3);
    QStringList rows;
    for (const records::RecordRow& r : game.records().lvRecord().rows)
        rows
            << (shown.contains(' ')
                    ? QStringLiteral("%1 %2 %3 %4").arg(r.name).arg(r.place).arg(r.time).arg(r.icon)
                    : r.name);
    QCOMPARE(rows.join('|'), shown);
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
