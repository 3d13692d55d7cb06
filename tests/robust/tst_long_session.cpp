// Ten thousand games (two thousand under the sanitizers) with a fake clock, reloads, language
// switches and saved options: the records file ends with the ten fastest times, the slowest of them
// marked, and memory stays put.
#include "support/game.h"

#include <random>
#include <sys/resource.h>

using namespace quilora;

#if defined(__SANITIZE_ADDRESS__)
constexpr int kGames = 2000; // enough for the sanitizer to find a leak, in a fifth of the time
#else
constexpr int kGames = 10000;
#endif

class TestLongSession : public QObject {
    Q_OBJECT

private slots:
    void manyGames();
};

void TestLongSession::manyGames() {
    testing::Game game(12, false, false);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> tenthsOf(10, 3009);
    QList<int> entered = {9990}; // in tenths: the default record first
    rusage after1000{};          // the peak resident size
    for (int n = 0; n < kGames; ++n) {
        if (n % 10 == 0) // reloaded as the pictures Apply does
            game.start();
        if (n % 7 == 0) // Russian, then English
            game.form().lblLOC_Click(n % 14 ? 1 : 0);
        game.platform.localeInfo.numbers = QLocale(n / 7 % 2 ? QLocale::C : QLocale::Russian);
        const int time = tenthsOf(random);
        game.win(time / 10, time % 10);
        if (game.records().recordCanBeStored())
            entered.append(time);
        game.form().txtRec_Change(QStringLiteral("Player %1").arg(n));
        game.form().cmdEND_Click(game.records().recordCanBeStored() ? 2 : 0);
        game.form().cmdTOP_Click(0);
        if (n % 100 == 0) {
            game.options().optFon_Click(n / 100 % 5);
            game.options().cmdNAS_Click(2);
        }
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
    std::ranges::sort(entered);
    QCOMPARE(stored, entered.first(10));
#if !defined(__SANITIZE_ADDRESS__) // the sanitizer holds freed memory back, and finds leaks itself
    rusage atEnd{};
    getrusage(RUSAGE_SELF, &atEnd);
    QVERIFY2(atEnd.ru_maxrss - after1000.ru_maxrss < 4096, "memory grows with every game");
#endif
}

QTEST_GUILESS_MAIN(TestLongSession)
#include "tst_long_session.moc"
