// SPDX-License-Identifier: GPL-3.0-or-later
// Playing together through the match's handlers: the table game's rules, the deal, the places,
// and the computer partner's memory. Every timer is ticked by hand.
#include "support/fakes.h"
#include "support/test_folder.h"
#include "together/match.h"

#include <QMap>
#include <QTest>

#include <array>
#include <memory>
#include <numeric>

using namespace quilora;
using together::CardState;
using together::Match;

namespace {

// Draws that leave the deal unshuffled: slot s shows picture s (s % 12 in a set of 12), so that
// slots s and s + 12 are partners.
const QList<float> unshuffled = testing::unshuffled(game::kSlotCount);

// A match in fake surroundings, its players by letters: p a person, computers f forgetful, m
// fair, c perfect. Set 0 holds `pictures` files (without `missing`). What is heard goes into
// `log`: T whose turn, P a pair with its finder and cards, R the result, end the window's end.
struct Table : testing::TestFolder {
    Table(const QString& players, int pictures = 12, int missing = -1) {
        QDir().mkpath(path("img0"));
        for (int n = 0; n < pictures; ++n)
            if (n != missing)
                writeFile(QStringLiteral("img0/%1.gif").arg(n), "GIF89a");
        for (QChar c : players)
            list.append({"Player", c != 'p',
                         together::Memory(std::max<int>(0, QString("fmc").indexOf(c)))});
    }
    Match& start(int set = 0) {
        match = std::make_unique<Match>(list, core::Folders{dir.path(), dir.path(), {}}, set,
                                        platform.services(), together::Sounds{"c", "p"});
        QObject::connect(match.get(), &Match::announced, [this](const together::Announcement& a) {
            log << QStringList{QStringLiteral("T%1").arg(a.player),
                               QStringLiteral("P%1:%2,%3").arg(a.player).arg(a.first).arg(a.second),
                               "R"}[int(a.kind)];
        });
        QObject::connect(match.get(), &Match::endRequested, [this] { log << "end"; });
        // What a window that draws only what the signals name shows; the pair each card showed.
        QObject::connect(match.get(), &Match::cardChanged, [this](int slot) {
            if ((drawn[slot] = match->card(slot)) == CardState::FaceUp)
                shown[turned = slot] = game::pictureNumber(match->picture(slot)) % 12;
        });
        match->start();
        return *match;
    }
    // Slots click cards; b clicks the board, t and c tick the look and computer timers, pN finds
    // pair N of the unshuffled deal, A is "Again", E "End".
    void play(const QString& actions) {
        static constexpr std::array handlers{&Match::boardClicked, &Match::lookTimerTick,
                                             &Match::again, &Match::computerTimerTick, &Match::end};
        for (const QString& action : actions.split(' ', Qt::SkipEmptyParts)) {
            const int pair = action.mid(1).toInt();
            if (const qsizetype h = QStringLiteral("btAcE").indexOf(action); h >= 0)
                (match.get()->*handlers[h])();
            else if (action.startsWith('p'))
                play(QStringLiteral("%1 %2").arg(pair).arg(pair + 12));
            else
                match->cardClicked(action.toInt());
        }
    }
    // Whose turn it is, each player's pairs, at the end the standings (a player's letter, place
    // and pairs; best first), and the timers ticking (l look, c computer).
    QString state() const {
        QString text = QString::number(match->current());
        for (int player = 0; player < match->playerCount(); ++player)
            text += QStringLiteral(" %1").arg(match->pairs(player));
        for (const together::Standing& s :
             match->ended() ? match->standings() : QList<together::Standing>())
            text += QStringLiteral(" %1%2:%3").arg(QChar('a' + s.player)).arg(s.place).arg(s.pairs);
        return text + (match->lookTimer().ticking() ? " l" : "") +
               (match->computerTimer().ticking() ? " c" : "");
    }
    testing::FakePlatform platform;
    QList<together::Player> list;
    std::unique_ptr<Match> match;
    QStringList log;
    QList<CardState> drawn = QList<CardState>(game::kSlotCount);
    QMap<int, int> shown;
    int turned = -1; // the card turned last
};

} // namespace

class TestTogether : public QObject {
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
    void deal_data();
    void deal();
    void memory_data();
    void memory();
};

// On the unshuffled deal.
void TestTogether::rules_data() {
    QTest::addColumn<QString>("players");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QList<int>>("faceUp"); // the found cards too
    QTest::addColumn<QString>("heard");
    const auto row = [](const char* tag, const char* players, const char* actions,
                        const char* state, const QList<int>& up, const QString& heard,
                        int pictures = 12) {
        QTest::newRow(tag) << QString(players) << pictures << QString(actions) << QString(state)
                           << up << heard;
    };
    row("a pair keeps the turn, a miss stays visible", "pp", "0 12 1 3", "0 1 0 l", {0, 1, 3, 12},
        "c c p c c T0 P0:0,12");
    // Ended by a board click, the look timer, and a card click that turns nothing.
    row("a miss passes the turn", "pp", "0 1 b 2 3 t 4 5 6", "1 0 0", {},
        "c c c c c c T0 T1 T0 T1");
    row("nothing to turn: no miss, no such card, face-up and found cards", "pp",
        "b t c -1 24 0 0 12 12 0 3", "0 1 0", {0, 3, 12}, "c c p c T0 P0:0,12");
    row("four players, a fifth left out", "ppppp", "0 1 b 2 14 3 4 t 5 6 t 7 8 t", "0 0 1 0 0",
        {2, 14}, "c c c c p c c c c c c T0 T1 P1:2,14 T2 T3 T0");
    row("nobody: one person plays", "", "0 1 b 2 14", "0 1", {2, 14}, "c c c c p T0 T0 P0:2,14");
    row("24: k with k + 12, either first", "pp", "5 17 23 11 0 1", "0 2 0 l", {0, 1, 5, 11, 17, 23},
        "c c p c c p c c T0 P0:5,17 P0:23,11", 24);
    row("again: a new deal", "pp", "0 12 1 A 2", "0 0 0", {2}, "c c p c c T0 P0:0,12 T0");
    row("end", "pp", "0 1 E b 5", "0 0 0", {0, 1}, "c c T0 end");
    row("a computer's turn: clicks do nothing", "pc", "0 1 b 5", "1 0 0 c", {}, "c c T0 T1");
    row("a perfect computer takes a pair it saw", "ppc", "0 1 b 12 2 b c c", "2 0 0 1 c", {0, 12},
        "c c c c c c p T0 T1 T2 P2:0,12");
    // Again while 0 and 1 lie face up: the computer saw them, but cannot take them with 12 and 13.
    row("again: a perfect computer forgets the last deal", "pc", "0 1 A 12 13 b c c", "1 0 0 l",
        {17, 22}, "c c c c c c T0 T0 T1");
    // The twelfth pair ends the match: a tie shares its place, and nothing turns until Again.
    QList<int> all(game::kSlotCount);
    std::iota(all.begin(), all.end(), 0);
    row("two: a tie, then nothing turns", "pp",
        "p0 p1 p2 p3 p4 p5 6 7 b p6 p7 p8 p9 p10 p11 0 b t c 3", "1 6 6 a1:6 b1:6", all,
        "… P0:5,17 T1 P1:6,18 P1:7,19 P1:8,20 P1:9,21 P1:10,22 P1:11,23 R");
    row("four: 1, 1, 3, 4", "pppp",
        "0 1 b 0 1 b 0 1 b p0 1 2 b p1 p2 p3 p4 5 6 b p5 p6 p7 p8 9 10 b p9 p10 p11",
        "2 4 4 3 1 a1:4 b1:4 c3:3 d4:1", all, "… P2:11,23 R");
    row("four: one scores", "pppp", "0 1 b p0 p1 p2 p3 p4 p5 p6 p7 p8 p9 p10 p11",
        "1 0 12 0 0 b1:12 a2:0 c2:0 d2:0", all, "… P1:11,23 R");
}

void TestTogether::rules() {
    QFETCH(int, pictures);
    QFETCH(QString, players);
    Table table(players, pictures);
    table.platform.random.script = unshuffled + unshuffled; // and again
    Match& match = table.start();
    QFETCH(QString, actions);
    table.play(actions);
    QTEST(table.state(), "state");
    QList<int> faceUp;
    for (int slot = 0; slot < game::kSlotCount; ++slot) {
        QCOMPARE(table.drawn[slot], match.card(slot));
        if (match.card(slot) != CardState::FaceDown)
            faceUp << slot;
        QCOMPARE(match.picture(slot), faceUp.contains(slot)
                                          ? table.path("img0/%1.gif").arg(slot % pictures)
                                          : QString());
    }
    QTEST(faceUp, "faceUp");
    // The sounds in order (c a card's, p a pair's), then what a screen reader hears in order;
    // expected, one beginning with "…" is how it ends.
    QFETCH(QString, heard);
    const QString all = (table.platform.sound.played + table.log).join(' ');
    QCOMPARE(heard.startsWith(u'…') && all.endsWith(heard.mid(1)) ? heard : all, heard);
    QCOMPARE(std::pair(match.lookTimer().Interval, match.computerTimer().Interval),
             std::pair(2000, 700));
    QCOMPARE(table.platform.sound.preloaded, (QStringList{"c", "p"}));
}

// A set of 12 lies on the board twice and a set of 24 once; a set without 13.gif is a set of 12.
// The cards come from the set's folder, every order alike: over 480 deals the first card shows
// each picture in about one deal of `pictures`.
void TestTogether::deal_data() {
    QTest::addColumn<int>("missing");
    QTest::addColumn<int>("pictures");
    QTest::newRow("24") << -1 << 24;
    QTest::newRow("24 without 13.gif") << 13 << 12;
}

void TestTogether::deal() {
    QFETCH(int, missing);
    QFETCH(int, pictures);
    Table table("p", 24, missing);
    Match& match = table.start();
    const QList<int> expected = QList<int>(pictures, 24 / pictures) + QList<int>(24 - pictures);
    int first = 0;
    for (int deal = 0; deal < 480 && !QTest::currentTestFailed(); ++deal, match.again()) {
        QList<int> copies(game::kSlotCount);
        for (int slot = 0; slot < game::kSlotCount; ++slot, match.boardClicked()) {
            match.cardClicked(slot);
            const int picture = game::pictureNumber(match.picture(slot));
            QVERIFY(picture < game::kSlotCount); // a picture of the set, and a place to count it
            ++copies[picture];
            first += slot == 0 && picture == 0;
        }
        QCOMPARE(copies, expected);
    }
    QVERIFY2(first * pictures >= 240 && first * pictures <= 720,
             qPrintable(QString::number(first)));
    Table far("p"); // a set beyond the five places: the last
    QCOMPARE(far.start(9).pictureFolder(), far.path("img4/"));
}

// 40 matches against a perfect partner, each beginning in turn: the perfect one takes every pair
// it has seen; the others forget, the forgetful most.
void TestTogether::memory_data() {
    QTest::addColumn<QString>("level");
    // The least and most of the pairs it could have taken, in per cent; of matches won.
    QTest::addColumn<QList<int>>("bounds");
    QTest::newRow("perfect") << "c" << QList<int>{100, 100, 10, 30};
    QTest::newRow("fair") << "m" << QList<int>{50, 90, 2, 14};
    QTest::newRow("forgetful") << "f" << QList<int>{15, 50, 0, 4};
}

void TestTogether::memory() {
    QFETCH(QString, level);
    QFETCH(QList<int>, bounds);
    // For the player watched: the pairs it could have taken (both cards seen before, or the
    // partner of its first card), those it took, the matches it won.
    int chances = 0, taken = 0, wins = 0;
    for (unsigned seed = 1; seed <= 40 && !QTest::currentTestFailed(); ++seed) {
        const int player = 1 - seed % 2;
        Table table(player ? "c" + level : level + "c");
        table.platform.random.reseed(seed);
        Match& match = table.start();
        const auto faceDown = [&](int slot) { return match.card(slot) == CardState::FaceDown; };
        // Each tick of the computer timer turns one face-down card.
        for (int step = 0; step < 1000 && !match.ended(); ++step) {
            if (!match.computerTimer().ticking()) {
                QVERIFY(match.lookingAtMiss());
                match.lookTimerTick();
                continue;
            }
            const qsizetype faceDownBefore = table.drawn.count(CardState::FaceDown);
            const int open = int(table.drawn.indexOf(CardState::FaceUp));
            QSet<int> takers;
            for (int a = 0; a < game::kSlotCount; ++a)
                for (int b = 0; b < game::kSlotCount; ++b)
                    if (a != b && (open >= 0 ? a == open : faceDown(a)) && faceDown(b) &&
                        table.shown.contains(b) && table.shown.value(a, -1) == table.shown[b])
                        takers << (open >= 0 ? b : a);
            const bool watching = match.current() == player;
            match.computerTimerTick();
            QCOMPARE(table.drawn.count(CardState::FaceDown), faceDownBefore - 1);
            chances += watching && !takers.isEmpty();
            taken += watching && takers.contains(table.turned);
        }
        QVERIFY(match.ended() && !match.computerTimer().ticking());
        wins += match.standings()[0].player == player && match.standings()[1].place == 2;
    }
    QVERIFY2(chances >= 100 && taken * 100 >= bounds[0] * chances &&
                 taken * 100 <= bounds[1] * chances && wins >= bounds[2] && wins <= bounds[3],
             qPrintable(QStringLiteral("%1 of %2, %3 won").arg(taken).arg(chances).arg(wins)));
}

QTEST_GUILESS_MAIN(TestTogether)
#include "tst_together.moc"
