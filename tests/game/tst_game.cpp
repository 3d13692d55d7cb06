// The rule of play, the clock and the deal, through the main window's handlers.
#include "support/game.h"

#include <QTest>

using namespace quilora;
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

} // namespace

class TestGame : public QObject {
    Q_OBJECT

private slots:
    void clicks_data();
    void clicks();
    void clockAndClear();
    void deal();
};

// Slots s and s + 12 are partners; in a set of 24 slot s shows picture s. A pair is heard, and
// its cards stay face up.
void TestGame::clicks_data() {
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
    row("24: 15 and 3", 24, {15, 3}, {3, 15}, "ccp");
    row("24: 11 and 12", 24, {11, 12}, {12}, "cc");
    row("24: the open card clicked again turns down", 24, {4, 4, 16}, {16}, "ccc");
    row("24: reopened, it pairs", 24, {4, 4, 4, 16}, {4, 16}, "ccccp");
    // After loading, the card compared with is slot 23, still face down: it only opens.
    row("24: first click on slot 23's partner", 24, {11}, {11}, "c");
    row("no such card", 12, {-1, 24}, {}, "");
}

void TestGame::clicks() {
    QFETCH(int, pictures);
    QFETCH(QList<int>, clicks);
    QFETCH(QList<int>, faceUp);
    QFETCH(QString, sounds);
    Game game(pictures);
    game.click(clicks);
    QCOMPARE(::faceUp(game), faceUp);
    QString heard;
    for (const QString& path : game.platform.sound.played)
        heard += path.endsWith("/click1.wav") ? 'c' : path.endsWith("/click2.wav") ? 'p' : '?';
    QCOMPARE(heard, sounds);
}

// Seconds until the tenth pair, then tenths; the win stops both. Clear turns every card down,
// forgets the pairs and starts the seconds from 0 on the same deal; the next click only opens.
// Storing the record starts a game on the seconds alone. The first tenth shows the true time:
// the tenth pair comes `intoSecond` ms after the 41st second tick; each game after a Clear, with
// the tenths of the one before left over.
void TestGame::clockAndClear() {
    Game game;
    QCOMPARE(game.form().lblTime(), "Time");
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
    game.click({13, 1});
    QCOMPARE(game.form().PairsFound(), 1);
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

// Each picture on 24 / pictures cards fills all 24 slots with nothing else, whatever the draws; a
// set missing 13.gif is a set of 12. A draw of 1 itself stays on the board: the first draw puts the
// last picture into slot 23.
void TestGame::deal() {
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

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
