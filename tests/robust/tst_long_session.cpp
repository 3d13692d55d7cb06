// Ten thousand games (two thousand under the sanitizers) with a fake clock, reloads, language switches and saved options: the
// records file ends with the ten fastest times, the slowest of them marked, and memory stays put.
#include "support/real_game.h"
#include "support/test_folder.h"
#include "ui/program.h"

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
    testing::TestFolder folder;
    testing::FakePlatform platform;
    core::ProgramState state;
    state.programFolder = state.dataFolder = folder.dir.path();
    std::unique_ptr<game::Form1> form;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> tenthsOf(10, 3009);
    QList<int> entered = {9990}; // in tenths: the default record first
    rusage after1000{};          // the peak resident size
    for (int n = 0; n < kGames; ++n) {
        if (n % 10 == 0) { // reloaded as the pictures Apply does
            if (form)
                form->Form_Unload();
            form = std::make_unique<game::Form1>(state, platform.services(), ui::gameExtensions());
            form->Form_Load();
        }
        if (n % 7 == 0) // Russian, then English
            form->lblLOC_Click(n % 14 ? 1 : 0);
        platform.localeInfo.numbers = QLocale(n / 7 % 2 ? QLocale::C : QLocale::Russian);
        const int time = tenthsOf(random);
        const QList<QList<int>> pairs = testing::pairsOfTheDeal(*form);
        for (int i = 0; i < 12; ++i) {
            for (int t = 0; i == 0 && t < time / 10; ++t)
                platform.clock.now += 1000, form->Timer1_Timer();
            for (int t = 0; i == 10 && t < time % 10; ++t)
                platform.clock.now += 100, form->Timer2_Timer();
            form->Foto_Click(pairs[i][0]), form->Foto_Click(pairs[i][1]);
        }
        if (form->Frame2.cmdENDEnabled[2])
            entered.append(time);
        form->txtRec_Change(QStringLiteral("Player %1").arg(n));
        form->cmdEND_Click(form->Frame2.cmdENDEnabled[2] ? 2 : 0); // stores a record when it is one
        form->cmdTOP_Click(0);
        if (n % 100 == 0) {
            testing::optionsOf(*form).optFon_Click(n / 100 % 5);
            testing::optionsOf(*form).cmdNAS_Click(2);
        }
        platform.sound.played = platform.sound.preloaded = QStringList(); // no memory of the game's
        if (n == 1000)
            getrusage(RUSAGE_SELF, &after1000);
    }
    QVERIFY(platform.messages.shown.isEmpty());
    const QByteArray text = folder.readFile("record.txt");
    const QList<QByteArray> lines = text.split('\n');
    QVERIFY(lines.size() == 11 && text.endsWith("\r\n") && text.count("~^\r\n") == 1);
    QList<int> stored;
    for (const QByteArray& line : lines.first(10))
        stored.append(qRound(line.left(line.indexOf('~')).replace(',', '.').toDouble() * 10));
    QVERIFY(lines[stored.indexOf(*std::max_element(stored.begin(), stored.end()))].endsWith("^\r"));
    std::sort(stored.begin(), stored.end());
    std::sort(entered.begin(), entered.end());
    QCOMPARE(stored, entered.first(10));
#if !defined(__SANITIZE_ADDRESS__) // the sanitizer holds freed memory back, and finds leaks itself
    rusage atEnd{};
    getrusage(RUSAGE_SELF, &atEnd);
    QVERIFY2(atEnd.ru_maxrss - after1000.ru_maxrss < 4096, "memory grows with every game");
#endif
}

QTEST_GUILESS_MAIN(TestLongSession)
#include "tst_long_session.moc"
