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
    QTest::addColumn<int>("pairs");
    QTest::addColumn<QList<int>>("faceUp");
    QTest::addColumn<QList<int>>("matched");

    using L = QList<int>;
    QTest::newRow("12: pair") << false << L{3, 15} << 1 << L{3, 15} << L{3, 15};
    QTest::newRow("12: pair, later card first") << false << L{15, 3} << 1 << L{3, 15} << L{3, 15};
    QTest::newRow("12: wrong guess turns the earlier card down")
        << false << L{0, 1} << 0 << L{1} << L{};
    QTest::newRow("12: wrong guess, then the partner of the open card")
        << false << L{0, 1, 13} << 1 << L{1, 13} << L{1, 13};
    QTest::newRow("12: after a pair the next click only opens")
        << false << L{0, 12, 5, 17} << 2 << L{0, 5, 12, 17} << L{0, 5, 12, 17};
    QTest::newRow("12: clicking a matched card turns the open card down")
        << false << L{0, 12, 5, 0} << 1 << L{0, 12} << L{0, 12};
    QTest::newRow("12: the open card clicked again stays open")
        << false << L{4, 4} << 0 << L{4} << L{};
    QTest::newRow("12: re-clicked open card still pairs")
        << false << L{4, 4, 16} << 1 << L{4, 16} << L{4, 16};
    QTest::newRow("12: a matched card clicked again changes nothing")
        << false << L{2, 14, 14, 2} << 1 << L{2, 14} << L{2, 14};

    QTest::newRow("24: 3 and 15") << true << L{3, 15} << 1 << L{3, 15} << L{3, 15};
    QTest::newRow("24: 15 and 3") << true << L{15, 3} << 1 << L{3, 15} << L{3, 15};
    QTest::newRow("24: 3 and 14") << true << L{3, 14} << 0 << L{14} << L{};
    QTest::newRow("24: 11 and 12") << true << L{11, 12} << 0 << L{12} << L{};
    QTest::newRow("24: 0 after 12") << true << L{12, 0} << 1 << L{0, 12} << L{0, 12};
    QTest::newRow("24: 12 after 0") << true << L{0, 12} << 1 << L{0, 12} << L{0, 12};
    QTest::newRow("24: the open card clicked again turns down")
        << true << L{4, 4} << 0 << L{} << L{};
    QTest::newRow("24: after turning down, the partner only opens")
        << true << L{4, 4, 16} << 0 << L{16} << L{};
    QTest::newRow("24: reopened card pairs again")
        << true << L{4, 4, 4, 16} << 1 << L{4, 16} << L{4, 16};

    // After loading, the comparison card is slot 23, still face down.
    QTest::newRow("12: first click on the partner of slot 23")
        << false << L{11} << 0 << L{11} << L{};
    QTest::newRow("24: first click on the partner of slot 23")
        << true << L{11} << 0 << L{11} << L{};
    QTest::newRow("24: first click on slot 23 opens it") << true << L{23} << 0 << L{23} << L{};
}

void TestPlay::clicks() {
    QFETCH(bool, twentyFour);
    QFETCH(QList<int>, clicks);
    QFETCH(int, pairs);
    QFETCH(QList<int>, faceUp);
    QFETCH(QList<int>, matched);

    GameFixture game(twentyFour);
    game.click(clicks);
    QCOMPARE(game.form->PairsFound, pairs);
    QCOMPARE(game.faceUp(), faceUp);
    QCOMPARE(game.matched(), matched);
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
    QCOMPARE(game.form->PrevSlot, 1);

    game.click({13});
    QCOMPARE(game.form->PairsFound, 0);
    QCOMPARE(game.faceUp(), QList<int>{13});
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
    QCOMPARE(game.matched().size(), 24);
    QCOMPARE(game.faceUp().size(), 24);

    game.click({-1, 24}); // no such card
    QCOMPARE(game.faceUp().size(), 24);
    game.click({5}); // a finished board: clicks only reopen matched cards
    QCOMPARE(game.form->PairsFound, 12);
    QCOMPARE(game.faceUp().size(), 24);
}

QTEST_GUILESS_MAIN(TestPlay)
#include "tst_play.moc"
