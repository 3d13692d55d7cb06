#include "support/game_fixture.h"

#include <QTest>

using quilora::game::Timer;
using quilora::testing::GameFixture;

namespace {

// `count` ticks of the seconds clock, or of the tenths clock, each `ms` after the last.
void seconds(GameFixture& game, int count, int ms = 0) {
    for (int i = 0; i < count; ++i) {
        game.platform.clock.now += ms;
        game.form->Timer1_Timer();
    }
}

void tenths(GameFixture& game, int count, int ms = 0) {
    for (int i = 0; i < count; ++i) {
        game.platform.clock.now += ms;
        game.form->Timer2_Timer();
    }
}

} // namespace

class TestClock : public QObject {
    Q_OBJECT

private slots:
    void wholeSecondsUntilTheTenthPair();
    void tenthsFromTheTenthPair();
    void firstTenthIsTheTrueTime_data();
    void firstTenthIsTheTrueTime();
    void tenthsFollowTheRestartedClock();
    void endOfGameAndTheNext();
    void clockText();
};

void TestClock::wholeSecondsUntilTheTenthPair() {
    GameFixture game(false);
    QCOMPARE(game.form->lblTime, "Time");
    QCOMPARE(game.form->Timer1, (Timer{true, 1000}));
    QVERIFY(!game.form->Timer2.ticking());
    game.findPairs(9);
    seconds(game, 125);
    QCOMPARE(game.form->lblTime, "125");
    QVERIFY(!game.form->Timer2.ticking());
    game.state.ElapsedSeconds = 32766; // the count stops at its limit rather than wrapping
    seconds(game, 2);
    QCOMPARE(game.form->lblTime, "32767");
}

void TestClock::tenthsFromTheTenthPair() {
    GameFixture game(false);
    seconds(game, 41);
    game.findPairs(10);
    QCOMPARE(game.form->Timer2, (Timer{true, 100}));
    seconds(game, 1); // the second clock no longer writes the label
    QCOMPARE(game.form->lblTime, "41");
    QCOMPARE(game.state.ElapsedSeconds, 42);
    QCOMPARE(game.state.ElapsedTenths, -1);
    tenths(game, 1);
    QCOMPARE(game.form->lblTime, "42");
    tenths(game, 3);
    QCOMPARE(game.form->lblTime, "42.3");
    tenths(game, 7); // ten tenths before the next second tick show that second
    QCOMPARE(game.form->lblTime, "43");
    game.findPairs(11); // the eleventh pair keeps the tenths running
    QVERIFY(game.form->Timer2.ticking() && game.form->Timer1.ticking());
}

void TestClock::firstTenthIsTheTrueTime_data() {
    QTest::addColumn<int>("staleTenths");
    QTest::addColumn<int>("intoSecond");
    QTest::addColumn<QString>("firstShown");
    // The tenth pair is found `intoSecond` ms after the 41st second tick; the first tenth tick
    // follows 100 ms later.
    QTest::newRow("at the tick") << 0 << 0 << "41.1";
    QTest::newRow("mid-second") << 0 << 730 << "41.8";
    QTest::newRow("just past a tenth") << 0 << 199 << "41.2";
    QTest::newRow("just before the next second") << 0 << 990 << "42";
    QTest::newRow("stale count from the last game") << 4 << 250 << "41.3";
    QTest::newRow("count left at -1") << -1 << 510 << "41.6";
    QTest::newRow("late second tick") << 7 << 1500 << "42";
}

void TestClock::firstTenthIsTheTrueTime() {
    QFETCH(int, staleTenths);
    QFETCH(int, intoSecond);
    QFETCH(QString, firstShown);
    GameFixture game(false);
    game.state.ElapsedTenths = static_cast<std::int16_t>(staleTenths);
    seconds(game, 41, 1000);
    game.findPairs(9);
    game.platform.clock.now += intoSecond;
    game.findPairs(10);
    tenths(game, 1, 100);
    QCOMPARE(game.form->lblTime, firstShown);
}

// After "Else" the seconds start when the clock is switched on again, not at the old phase.
void TestClock::tenthsFollowTheRestartedClock() {
    GameFixture game(false);
    game.findPairs(12);
    game.platform.clock.now += 400;
    game.form->cmdEND_Click(0);
    seconds(game, 7, 1000);
    game.platform.clock.now += 300;
    game.findPairs(10);
    tenths(game, 1, 100);
    QCOMPARE(game.form->lblTime, "7.4");

    // Clear while the seconds run keeps their rhythm: the tenths follow the last tick.
    game.form->cmdTOP_Click(0);
    seconds(game, 1, 600); // 1000 ms after the last tick
    game.platform.clock.now += 400;
    game.form->cmdTOP_Click(0);
    game.platform.clock.now += 300;
    game.findPairs(10);
    tenths(game, 1, 100);
    QCOMPARE(game.form->lblTime, "0.8");
}

// The win stops both clocks; Clear after it starts the seconds clock again, as "Else" does.
void TestClock::endOfGameAndTheNext() {
    GameFixture game(true);
    game.form->cardColour = {225, 205, 190};
    game.form->Frame2.optKartinkaSelected = {false, true, false};
    game.findPairs(10);
    game.state.ElapsedSeconds = 47;
    game.state.ElapsedTenths = -1;
    tenths(game, 4);
    QVERIFY(!game.form->Frame2.visible);
    game.findPairs(12);
    QCOMPARE(game.form->lblTime, "47.3");
    QCOMPARE(game.form->Frame2.lblEnd[1], "47.3");
    QVERIFY(!game.form->Timer1.ticking() && !game.form->Timer2.ticking());
    QVERIFY(game.form->Frame2.visible);
    QCOMPARE(game.form->Frame2.optKartinkaSelected, (std::array<bool, 3>{}));
    QCOMPARE(*game.form->Frame2.optKartinkaColour, (quilora::game::Rgb{225, 205, 190}));

    game.form->cmdTOP_Click(0);
    QCOMPARE(game.form->Timer1, (Timer{true, 1000}));
    QVERIFY(!game.form->Timer2.ticking());
    QCOMPARE(game.state.ElapsedSeconds, 0);
    QCOMPARE(game.form->PairsFound, 0);
    seconds(game, 1);
    QCOMPARE(game.form->lblTime, "1");
}

void TestClock::clockText() {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    using quilora::game::clockText;
    QCOMPARE(clockText(41 + 3 / 10.0, english), "41.3");
    QCOMPARE(clockText(41 + 3 / 10.0, russian), "41,3");
    QCOMPARE(clockText(41 + 10 / 10.0, english), "42"); // a whole second
    QCOMPARE(clockText(41 + 0 / 10.0, russian), "41");
    QCOMPARE(clockText(32767 + 9 / 10.0, english), "32767.9"); // no digit grouping
    QCOMPARE(clockText(0 + 7 / 10.0, russian), "0,7");
}

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"
