#include "support/game_fixture.h"

#include <QTest>

using quilora::game::Timer;
using quilora::testing::GameFixture;

// `count` ticks of clock 1 (seconds) or 2 (tenths), each `ms` after the last.
static void tick(GameFixture& game, int clock, int count, int ms = 0) {
    for (int i = 0; i < count; ++i) {
        game.platform.clock.now += ms;
        clock == 1 ? game.form->Timer1_Timer() : game.form->Timer2_Timer();
    }
}

class TestClock : public QObject {
    Q_OBJECT

private slots:
    void secondsThenTenthsThenTheWin();
    void firstTenthIsTheTrueTime_data();
    void firstTenthIsTheTrueTime();
    void tenthsFollowTheRestartedClock();
    void clockText();
};

void TestClock::secondsThenTenthsThenTheWin() {
    GameFixture game(false);
    game.findPairs(9);
    tick(game, 1, 41);
    QCOMPARE(game.form->lblTime, "41");
    QVERIFY(!game.form->Timer2.ticking());
    game.findPairs(10);
    QCOMPARE(game.form->Timer2, (Timer{true, 100}));
    tick(game, 1, 1); // the second clock no longer writes the label
    QCOMPARE(game.form->lblTime, "41");
    tick(game, 2, 4);
    QCOMPARE(game.form->lblTime, "42.3");
    tick(game, 2, 7); // ten tenths before the next second tick show it
    QCOMPARE(game.form->lblTime, "43");
    game.findPairs(12); // the win stops both clocks; Clear starts the seconds again
    QCOMPARE(game.form->Frame2.lblEnd[1], "43");
    QCOMPARE(*game.form->Frame2.optKartinkaColour, game.form->cardColour); // the icons' backs
    QVERIFY(!game.form->Timer1.ticking() && !game.form->Timer2.ticking());
    game.form->cmdTOP_Click(0);
    QVERIFY(game.form->Timer1.ticking() && !game.form->Timer2.ticking());
    game.state.ElapsedSeconds = 32766; // the count stops at its limit rather than wrapping
    tick(game, 1, 2);
    QCOMPARE(game.form->lblTime, "32767");
}

void TestClock::firstTenthIsTheTrueTime_data() {
    QTest::addColumn<int>("staleTenths");
    QTest::addColumn<int>("intoSecond");
    QTest::addColumn<QString>("firstShown");
    // The tenth pair comes `intoSecond` ms after the 41st second tick; the first tenth 100 ms on.
    QTest::newRow("just past a tenth") << 0 << 199 << "41.2";
    QTest::newRow("just before the next second") << 0 << 990 << "42";
    QTest::newRow("stale count from the last game") << 4 << 250 << "41.3";
    QTest::newRow("late second tick") << 7 << 1500 << "42";
}

void TestClock::firstTenthIsTheTrueTime() {
    QFETCH(int, staleTenths);
    QFETCH(int, intoSecond);
    QFETCH(QString, firstShown);
    GameFixture game(false);
    game.state.ElapsedTenths = static_cast<std::int16_t>(staleTenths);
    tick(game, 1, 41, 1000);
    game.findPairs(9);
    game.platform.clock.now += intoSecond;
    game.findPairs(10);
    tick(game, 2, 1, 100);
    QCOMPARE(game.form->lblTime, firstShown);
}

// After "Else" the seconds start when the clock is switched on again, not at the old phase;
// Clear while they run keeps their rhythm.
void TestClock::tenthsFollowTheRestartedClock() {
    GameFixture game(false);
    game.findPairs(12);
    game.platform.clock.now += 400;
    game.form->cmdEND_Click(0);
    tick(game, 1, 7, 1000);
    game.platform.clock.now += 300;
    game.findPairs(10);
    tick(game, 2, 1, 100);
    QCOMPARE(game.form->lblTime, "7.4");
    game.form->cmdTOP_Click(0);
    tick(game, 1, 1, 600); // 1000 ms after the last tick
    game.platform.clock.now += 400;
    game.form->cmdTOP_Click(0);
    game.platform.clock.now += 300;
    game.findPairs(10);
    tick(game, 2, 1, 100);
    QCOMPARE(game.form->lblTime, "0.8");
}

void TestClock::clockText() {
    const QLocale english(QLocale::English), russian(QLocale::Russian);
    using quilora::game::clockText;
    QCOMPARE(clockText(41 + 3 / 10.0, russian), "41,3");
    QCOMPARE(clockText(41 + 10 / 10.0, english), "42");        // a whole second
    QCOMPARE(clockText(32767 + 9 / 10.0, english), "32767.9"); // no digit grouping
    QCOMPARE(clockText(0 + 7 / 10.0, russian), "0,7");
}

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"
