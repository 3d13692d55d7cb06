// The game keeps running where its files cannot be written or read as they should, where its
// writers are killed midway, and through a long session.
#include "support/full_disk.h"
#include "support/window.h"

#include <QProcess>

#include <random>

using namespace quilora;

#if defined(__SANITIZE_ADDRESS__)
constexpr int kGames = 2000; // enough for the sanitizer to find a leak, in a fifth of the time
#else
constexpr int kGames = 10000;
#endif

const QByteArray kOldRecords = "999~Unknown~Test~6~05.11.2026~^\r\n";

class TestHostile : public QObject {
    Q_OBJECT

private slots:
    void longSession(); // first, while the peak of memory is its own
    void killedWhileWriting();
    void fullDisk();
};

// Ten thousand games (two thousand under the sanitizers) with a fake clock, reloads and language
// switches: the records file ends with the ten fastest times, the slowest of them marked, and
// memory stays put.
void TestHostile::longSession() {
    testing::Game game(12, false, false);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> tenthsOf(10, 3009);
    QList<int> times = {9990}; // in tenths: the default record first
    rusage after1000{};        // the peak resident size
    for (int n = 0; n < kGames; ++n) {
        if (n % 10 == 0) // reloaded as the pictures Apply does
            game.start();
        if (n % 7 == 0) // Russian, then English
            game.form().lblLOC_Click(n % 14 ? 1 : 0);
        game.platform.localeInfo.numbers = QLocale(n / 7 % 2 ? QLocale::C : QLocale::Russian);
        times.append(tenthsOf(random));
        game.win(times.last() / 10, times.last() % 10);
        game.form().txtRec_Change(QStringLiteral("Player %1").arg(n));
        game.form().cmdEND_Click(game.records().recordCanBeStored() ? 2 : 0);
        game.form().cmdTOP_Click(0);
        game.platform.sound.played = game.platform.sound.preloaded = QStringList();
        if (n == 1000)
            getrusage(RUSAGE_SELF, &after1000);
    }
    QVERIFY(game.platform.messages.shown.isEmpty());
    const QByteArray text = game.readFile("record.txt");
    const QList<QByteArray> lines = text.split('\n');
    QVERIFY(lines.size() == 11 && text.endsWith("\r\n") && text.count("~^\r\n") == 1);
    QList<int> stored;
    for (const QByteArray& line : lines.first(10))
        stored.append(qRound(line.left(line.indexOf('~')).replace(',', '.').toDouble() * 10));
    QVERIFY(lines[stored.indexOf(std::ranges::max(stored))].endsWith("^\r"));
    std::ranges::sort(stored);
    std::ranges::sort(times);
    QCOMPARE(stored, times.first(10));
#if !defined(__SANITIZE_ADDRESS__) // the sanitizer holds freed memory back, and finds leaks itself
    rusage atEnd{};
    getrusage(RUSAGE_SELF, &atEnd);
    QVERIFY2(atEnd.ru_maxrss - after1000.ru_maxrss < 4096, "memory grows with every game");
#endif
}

// The game's writer is killed while it rewrites record.txt: the file then holds, byte for byte,
// its old content or its new one. Where the kill lands is chosen by the
// writes the writer reports, not by time, so every machine sees the same cases.
void TestHostile::killedWhileWriting() {
    const QByteArray newTable = kOldRecords + "5~Unknown~~6~05.12.2026\r\n";
    testing::TestFolder folder;
    QSet<QByteArray> seen;
    for (int kill = 0; kill < 160; ++kill) {
        folder.writeFile("record.txt", kOldRecords);
        // Even kills come while the writer waits after a known number of writes, so that every
        // state is seen; odd ones right after a reported write, while it goes on into the next.
        const int writes = kill / 2 % 8;
        QProcess writer;
        writer.start(QStringLiteral(QUILORA_CRASH_WRITER),
                     {folder.dir.path(), QString::number(kill % 2 ? -1 : writes)});
        for (int line = 0; line <= writes; ++line) { // "ready", then one after each write
            while (!writer.canReadLine())
                QVERIFY2(writer.waitForReadyRead(-1), "the writer stopped");
            writer.readLine();
        }
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(-1));
        const QByteArray records = folder.readFile("record.txt");
        QVERIFY2(records == kOldRecords || records == newTable, records);
        seen << records;
    }
    QCOMPARE(seen, (QSet<QByteArray>{kOldRecords, newTable}));
}

// The game says it could not save the record, and the old file stays as it was; a shortcut cut
// short is not handed over, and a temp.url that links to another file is not written through.
// (The settings under a full disk: the text files' writer and the options dialog's own tests.)
void TestHostile::fullDisk() {
    testing::RunningGame game(false);
    game.writeFile("record.txt", kOldRecords);
    game.writeFile("precious.txt", "keep me");
    QVERIFY(QFile::link(game.path("precious.txt"), game.path("temp.url")));
    game.start();
    game.press("lblOrvane1");
    std::optional<testing::FullDisk> full(std::in_place);
    game.press("lblOrvane1");
    game.win(0);
    game.press("cmdEND2");
    full.reset();
    QCOMPARE(game.platform.messages.shown.size(), 1); // the link says nothing
    QVERIFY(game.platform.messages.shown[0].startsWith(
        "The record could not be saved: the records file " + game.path("record.txt") +
        " cannot be written"));
    QCOMPARE(game.readFile("record.txt"), kOldRecords);
    QCOMPARE(game.readFile("precious.txt"), QByteArray("keep me"));
    QVERIFY(!QFileInfo(game.path("temp.url")).exists());
    QCOMPARE(game.platform.links.handedOver.size(), 1);
}

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
