#include "support/game_fixture.h"

#include <QTest>

using quilora::testing::GameFixture;

class TestPlay : public QObject {
    Q_OBJECT

private slots:
    void clicks_data();
    void clicks();
    void pairPlaysClickThenPairSound();
    void firstClickAfterClearOnlyOpens();
    void pairsFoundRisesOneAtATime();
};

void TestPlay::clicks_data() {
    QTest::addColumn<bool>("twentyFour");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("pairs"); // each pair leaves two cards matched
    QTest::addColumn<QList<int>>("faceUp");
    using L = QList<int>;
    const auto row = [](const char* tag, bool twentyFour, const L& clicks, int pairs, const L& up) {
        QTest::newRow(tag) << twentyFour << clicks << pairs << up;
    };
    row("12: pair", false, {3, 15}, 1, {3, 15});
    row("12: wrong guess, then the partner of the open card", false, {0, 1, 13}, 1, {1, 13});
    row("12: after a pair the next click only opens", false, {0, 12, 5, 17}, 2, {0, 5, 12, 17});
    row("12: clicking a matched card turns the open card down", false, {0, 12, 5, 0}, 1, {0, 12});
    row("12: re-clicked open card still pairs", false, {4, 4, 16}, 1, {4, 16});
    row("12: a matched card clicked again changes nothing", false, {2, 14, 14, 2}, 1, {2, 14});
    row("24: 3 and 15", true, {3, 15}, 1, {3, 15});
    row("24: 3 and 14", true, {3, 14}, 0, {14});
    row("24: 11 and 12", true, {11, 12}, 0, {12});
    row("24: 0 after 12", true, {12, 0}, 1, {0, 12});
    row("24: after turning down, the partner only opens", true, {4, 4, 16}, 0, {16});
    row("24: reopened card pairs again", true, {4, 4, 4, 16}, 1, {4, 16});
    // After loading, the comparison card is slot 23, still face down.
    row("24: first click on the partner of slot 23", true, {11}, 0, {11});
    row("24: first click on slot 23 opens it", true, {23}, 0, {23});
}

void TestPlay::clicks() {
    QFETCH(bool, twentyFour);
    QFETCH(QList<int>, clicks);
    QFETCH(int, pairs);
    QFETCH(QList<int>, faceUp);

    GameFixture game(twentyFour);
    game.click(clicks);
    QCOMPARE(game.form->PairsFound, pairs);
    QCOMPARE(game.faceUp(), faceUp);
    QCOMPARE(game.matched().size(), 2 * pairs);
    QCOMPARE(game.form->PrevSlot, clicks.last());
}

void TestPlay::pairPlaysClickThenPairSound() {
    GameFixture game(false);
    game.click({7, 8, 20});
    QCOMPARE(game.platform.sound.played, (QStringList{"click", "click", "click", "pair"}));
}

void TestPlay::firstClickAfterClearOnlyOpens() {
    GameFixture game(false);
    game.click({0, 1}); // slot 1 open, and the comparison card
    game.form->cmdTOP_Click(0);
    QCOMPARE(game.faceUp(), QList<int>{});
    game.click({13});
    QCOMPARE(game.faceUp(), QList<int>{13}); // only opened: no pair yet
    game.click({1});
    QCOMPARE(game.form->PairsFound, 1);
}

void TestPlay::pairsFoundRisesOneAtATime() {
    GameFixture game(true);
    QList<int> seen;
    for (int s = 0; s < 12; ++s) {
        game.click({s + 12, s});
        seen.append(game.form->PairsFound);
    }
    QCOMPARE(seen, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    game.click({-1, 24, 5}); // no such card; on a finished board a click only reopens a card
    QCOMPARE(game.form->PairsFound, 12);
    QCOMPARE(game.faceUp().size(), 24);
}

QTEST_GUILESS_MAIN(TestPlay)
#include "tst_play.moc"
