#include "support/game_fixture.h"

#include <QTest>

using quilora::game::Timer;
using quilora::testing::GameFixture;

class TestClock : public QObject {
    Q_OBJECT

private slots:
    void wholeSecondsUntilTheTenthPair();
    void tenthsFromTheTenthPair();
    void firstTenthIsTheTrueTime_data();
    void firstTenthIsTheTrueTime();
    void tenthsFollowTheRestartedClock();
    void endOfGame();
    void newGameAfterAWinRunsTheSecondsClock();
    void clockText_data();
    void clockText();
};

void TestClock::wholeSecondsUntilTheTenthPair() {
    GameFixture game(false);
    QCOMPARE(game.form->lblTime, "Time");
    QCOMPARE(game.form->Timer1, (Timer{true, 1000}));
    QVERIFY(!game.form->Timer2.ticking());

    game.findPairs(9);
    for (int i = 0; i < 125; ++i)
        game.form->Timer1_Timer();
    QCOMPARE(game.form->lblTime, "125");
    QVERIFY(!game.form->Timer2.ticking());

    game.state.ElapsedSeconds = 32766; // the count stops at its limit rather than wrapping
    game.form->Timer1_Timer();
    game.form->Timer1_Timer();
    QCOMPARE(game.form->lblTime, "32767");
}

void TestClock::tenthsFromTheTenthPair() {
    GameFixture game(false);
    for (int i = 0; i < 41; ++i)
        game.form->Timer1_Timer();
    game.findPairs(10);
    QCOMPARE(game.form->Timer2, (Timer{true, 100}));

    game.form->Timer1_Timer(); // the second clock no longer writes the label
    QCOMPARE(game.form->lblTime, "41");
    QCOMPARE(game.state.ElapsedSeconds, 42);
    QCOMPARE(game.state.ElapsedTenths, -1);
    game.form->Timer2_Timer();
    QCOMPARE(game.form->lblTime, "42");
    for (int i = 0; i < 3; ++i)
        game.form->Timer2_Timer();
    QCOMPARE(game.form->lblTime, "42.3");
    for (int i = 0; i < 7; ++i) // ten tenths before the next second tick show that second
        game.form->Timer2_Timer();
    QCOMPARE(game.form->lblTime, "43");

    game.findPairs(11); // the eleventh pair keeps the tenths running
    QVERIFY(game.form->Timer2.ticking());
    QVERIFY(game.form->Timer1.ticking());
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
    for (int i = 0; i < 41; ++i) {
        game.platform.clock.now += 1000;
        game.form->Timer1_Timer();
    }
    game.findPairs(9);
    game.platform.clock.now += intoSecond;
    game.findPairs(10);
    game.platform.clock.now += 100;
    game.form->Timer2_Timer();
    QCOMPARE(game.form->lblTime, firstShown);
}

// After "Else" the seconds start when the clock is switched on again, not at the old phase.
void TestClock::tenthsFollowTheRestartedClock() {
    GameFixture game(false);
    game.findPairs(12);
    game.platform.clock.now += 400;
    game.form->cmdEND_Click(0);
    for (int i = 0; i < 7; ++i) {
        game.platform.clock.now += 1000;
        game.form->Timer1_Timer();
    }
    game.platform.clock.now += 300;
    game.findPairs(10);
    game.platform.clock.now += 100;
    game.form->Timer2_Timer();
    QCOMPARE(game.form->lblTime, "7.4");

    // Clear while the seconds run keeps their rhythm: the tenths follow the last tick.
    game.form->cmdTOP_Click(0);
    game.platform.clock.now += 600; // 1000 ms after the last tick
    game.form->Timer1_Timer();
    game.platform.clock.now += 400;
    game.form->cmdTOP_Click(0);
    game.platform.clock.now += 300;
    game.findPairs(10);
    game.platform.clock.now += 100;
    game.form->Timer2_Timer();
    QCOMPARE(game.form->lblTime, "0.8");
}

void TestClock::endOfGame() {
    GameFixture game(true);
    game.form->cardColour = {225, 205, 190};
    game.form->Frame2.optKartinkaSelected = {false, true, false};
    game.findPairs(10);
    game.state.ElapsedSeconds = 47;
    game.state.ElapsedTenths = -1;
    for (int i = 0; i < 4; ++i)
        game.form->Timer2_Timer();
    QVERIFY(!game.form->Frame2.visible);

    game.findPairs(12);
    QCOMPARE(game.form->lblTime, "47.3");
    QCOMPARE(game.form->Frame2.lblEnd[1], "47.3");
    QVERIFY(!game.form->Timer1.ticking());
    QVERIFY(!game.form->Timer2.ticking());
    QVERIFY(game.form->Frame2.visible);
    QCOMPARE(game.form->Frame2.optKartinkaSelected, (std::array<bool, 3>{}));
    QCOMPARE(*game.form->Frame2.optKartinkaColour, (quilora::game::Rgb{225, 205, 190}));
}

// Clear after a win starts the seconds clock again, as "Else" does.
void TestClock::newGameAfterAWinRunsTheSecondsClock() {
    GameFixture game(false);
    game.findPairs(12);
    QVERIFY(!game.form->Timer1.ticking());

    game.form->cmdTOP_Click(0);
    QCOMPARE(game.form->Timer1, (Timer{true, 1000}));
    QVERIFY(!game.form->Timer2.ticking());
    QCOMPARE(game.state.ElapsedSeconds, 0);
    QCOMPARE(game.form->PairsFound, 0);
    game.form->Timer1_Timer();
    QCOMPARE(game.form->lblTime, "1");
}

void TestClock::clockText_data() {
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QTest::newRow("point") << 41 + 3 / 10.0 << english << "41.3";
    QTest::newRow("comma") << 41 + 3 / 10.0 << russian << "41,3";
    QTest::newRow("whole second") << 41 + 10 / 10.0 << english << "42";
    QTest::newRow("zero tenths") << 41 + 0 / 10.0 << russian << "41";
    QTest::newRow("no digit grouping") << 32767 + 9 / 10.0 << english << "32767.9";
    QTest::newRow("tenths alone") << 0 + 7 / 10.0 << russian << "0,7";
}

void TestClock::clockText() {
    QFETCH(double, seconds);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QCOMPARE(quilora::game::clockText(seconds, locale), text);
}

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"
