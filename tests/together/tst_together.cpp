// SPDX-License-Identifier: GPL-3.0-or-later
// Playing together through the match's handlers: the table game's rules, the deal, the places,
// and the computer partner's memory. Every timer is ticked by hand.
#include "support/fakes.h"
#include "support/test_folder.h"
#include "together/match.h"

#include <QMap>
#include <QTest>

#include <memory>

using namespace quilora;
using together::Announcement;
using together::CardState;
using together::Match;
using Cards = std::array<CardState, game::kSlotCount>;

namespace {

// Draws that leave the deal as laid out before shuffling: slot s shows picture s in a set of 24
// and s % 12 in a set of 12, so that slots s and s + 12 are partners.
QList<float> unshuffled() {
    QList<float> draws;
    for (int slot = game::kSlotCount - 1; slot > 0; --slot)
        draws << (slot + 0.5f) / (slot + 1);
    return draws;
}

// A match in fake surroundings, its players by letters: p a person, computers f forgetful, m
// fair, c perfect. Set 0 holds `pictures` files (without `missing`). What is heard goes into
// `log`: c a card's sound, p a pair's, T whose turn, P a pair with its finder and cards, R the
// result, end the window's end.
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
    Match& start() {
        match = std::make_unique<Match>(list, core::Folders{dir.path(), dir.path(), {}}, set,
                                        platform.services(), together::Sounds{"c", "p"});
        QObject::connect(match.get(), &Match::announced, [this](const Announcement& a) {
            const QString said[] = {
                QStringLiteral("T%1").arg(a.player),
                QStringLiteral("P%1:%2,%3").arg(a.player).arg(a.first).arg(a.second), "R"};
            log << said[int(a.kind)];
        });
        QObject::connect(match.get(), &Match::endRequested, [this] { log << "end"; });
        QObject::connect(match.get(), &Match::cardChanged, [this](int slot) {
            drawn[slot] = match->card(slot);
            if (drawn[slot] == CardState::FaceUp)
                shown[slot] = game::pictureNumber(match->picture(slot)) % 12;
        });
        QObject::connect(match.get(), &Match::playersChanged, [this] { drawnState = state(); });
        QObject::connect(match.get(), &Match::timersChanged, [this] { drawnState = state(); });
        match->start();
        return *match;
    }
    // Slots click cards; b clicks the board, t and c tick the look and computer timers, pN finds
    // pair N of the unshuffled deal, A is "Again", E "End".
    void play(const QString& actions) {
        static const QMap<QString, void (Match::*)()> handlers{{"b", &Match::boardClicked},
                                                               {"t", &Match::lookTimerTick},
                                                               {"A", &Match::again},
                                                               {"c", &Match::computerTimerTick},
                                                               {"E", &Match::end}};
        for (const QString& action : actions.split(' ', Qt::SkipEmptyParts)) {
            const int pair = action.mid(1).toInt();
            if (handlers.contains(action))
                (match.get()->*handlers[action])();
            else if (action.startsWith('p'))
                play(QStringLiteral("%1 %2").arg(pair).arg(pair + 12));
            else
                match->cardClicked(action.toInt());
        }
    }
    // The cards face up, the found ones too.
    QList<int> faceUp() const {
        QList<int> cards;
        for (int slot = 0; slot < game::kSlotCount; ++slot)
            if (match->card(slot) != CardState::FaceDown)
                cards << slot;
        return cards;
    }
    // Whose turn it is, each player's pairs and the timers ticking (l look, c computer).
    QString state() const {
        QString text = QString::number(match->current());
        for (int player = 0; player < match->playerCount(); ++player)
            text += QStringLiteral(" %1").arg(match->pairs(player));
        return text + (match->lookTimer().ticking() ? " l" : "") +
               (match->computerTimer().ticking() ? " c" : "");
    }
    QStringList heard() const { return platform.sound.played + log; }

    testing::FakePlatform platform;
    QList<together::Player> list;
    int set = 0;
    std::unique_ptr<Match> match;
    QStringList log;
    // What a window that draws only what the signals name shows; the pair each card showed.
    Cards drawn{};
    QString drawnState;
    QMap<int, int> shown;
};

} // namespace

class TestTogether : public QObject {
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
    void places_data();
    void places();
    void deal_data();
    void deal();
    void memory_data();
    void memory();
};

// On the unshuffled deal. Heard: the sounds in order, then what a screen reader hears in order.
void TestTogether::rules_data() {
    QTest::addColumn<QString>("players");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QList<int>>("faceUp");
    QTest::addColumn<QString>("heard");
    const auto row = [](const char* tag, const char* players, const char* actions,
                        const char* state, const QList<int>& up, const QString& heard,
                        int pictures = 12) {
        QTest::newRow(tag) << QString(players) << pictures << QString(actions) << QString(state)
                           << up << heard;
    };
    row("a pair keeps the turn", "pp", "0 12", "0 1 0", {0, 12}, "c c p T0 P0:0,12");
    row("no pair: both stay visible", "pp", "0 1", "0 0 0 l", {0, 1}, "c c T0");
    row("no pair: a board click passes", "pp", "0 1 b", "1 0 0", {}, "c c T0 T1");
    row("no pair: so does the timer", "pp", "0 1 t", "1 0 0", {}, "c c T0 T1");
    row("no pair: a card click only turns back", "pp", "0 1 12", "1 0 0", {}, "c c T0 T1");
    row("a face-up card clicked again", "pp", "0 0", "0 0 0", {0}, "c T0");
    row("found cards clicked", "pp", "0 12 12 0 3", "0 1 0", {0, 3, 12}, "c c p c T0 P0:0,12");
    row("board clicks and ticks, no miss", "pp", "b t c 4", "0 0 0", {4}, "c T0");
    row("no such card", "pp", "-1 24", "0 0 0", {}, "T0");
    row("the second pairs and goes on", "pp", "0 1 b 2 14 3", "1 0 1", {2, 3, 14},
        "c c c c p c T0 T1 P1:2,14");
    row("three players", "ppp", "0 1 b 2 3 t 4 5 b 6", "0 0 0 0", {6}, "c c c c c c c T0 T1 T2 T0");
    row("four players", "pppp", "0 1 b 2 14 3 4 t 5 6 t 7 8 t", "0 0 1 0 0", {2, 14},
        "c c c c p c c c c c c T0 T1 P1:2,14 T2 T3 T0");
    row("nobody: one person plays", "", "0 1 b 2 14", "0 1", {2, 14}, "c c c c p T0 T0 P0:2,14");
    row("a fifth is left out", "ppppp", "0 1 b 2 3 b 4 5 b 6 7 b", "0 0 0 0 0", {},
        "c c c c c c c c T0 T1 T2 T3 T0");
    row("24: k with k + 12", "pp", "5 17", "0 1 0", {5, 17}, "c c p T0 P0:5,17", 24);
    row("24: k + 12 first", "pp", "23 11", "0 1 0", {11, 23}, "c c p T0 P0:23,11", 24);
    row("24: neighbours", "pp", "11 12", "0 0 0 l", {11, 12}, "c c T0", 24);
    row("again: a new deal", "pp", "0 12 1 A 2", "0 0 0", {2}, "c c p c c T0 P0:0,12 T0");
    row("end", "pp", "0 1 E b 5", "0 0 0", {0, 1}, "c c T0 end");
    row("a computer's turn: clicks do nothing", "pc", "0 1 b 5", "1 0 0 c", {}, "c c T0 T1");
    row("a computer first", "cp", "", "0 0 0 c", {}, "T0");
    row("a perfect computer takes a pair it saw", "ppc", "0 1 b 12 2 b c c", "2 0 0 1 c", {0, 12},
        "c c c c c c p T0 T1 T2 P2:0,12");
}

void TestTogether::rules() {
    QFETCH(int, pictures);
    QFETCH(QString, heard);
    QFETCH(QString, players);
    Table table(players, pictures);
    table.platform.random.script = unshuffled() + unshuffled(); // and again
    Match& match = table.start();
    QFETCH(QString, actions);
    table.play(actions);
    QTEST(table.state(), "state");
    QTEST(table.faceUp(), "faceUp");
    QCOMPARE(table.heard().join(' '), heard);
    QCOMPARE(match.ended(), heard.endsWith('R'));
    QCOMPARE(match.lookTimer().Interval, 2000);
    QCOMPARE(match.computerTimer().Interval, 700);
    for (int slot = 0; slot < game::kSlotCount; ++slot)
        QCOMPARE(table.drawn[slot], match.card(slot));
    QCOMPARE(table.drawnState, table.state());
    QCOMPARE(table.platform.sound.preloaded, (QStringList{"c", "p"}));
    for (int slot = 0; slot < game::kSlotCount; ++slot)
        QCOMPARE(match.picture(slot), !table.faceUp().contains(slot)
                                          ? QString()
                                          : table.path("img0/%1.gif").arg(slot % pictures));
}

// Pair i of the unshuffled deal goes to the player of letter i of `finders`, a missed turn
// passing it on where needed. The twelfth pair ends the match: a tie shares its place, and
// nothing turns any more until Again begins a new one.
void TestTogether::places_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<QString>("finders");
    QTest::addColumn<QList<int>>("order");  // the players, best first
    QTest::addColumn<QList<int>>("places"); // in that order
    using L = QList<int>;
    const auto row = [](const char* tag, int players, const char* finders, const L& order,
                        const L& places) {
        QTest::newRow(tag) << players << QString(finders) << order << places;
    };
    row("two: 7 to 5", 2, "aaaaaaabbbbb", {0, 1}, {1, 2});
    row("two: the second wins", 2, "abbbbbbbbbbb", {1, 0}, {1, 2});
    row("two: a tie", 2, "aaaaaabbbbbb", {0, 1}, {1, 1});
    row("three: 1, 1, 3", 3, "ccaaaaabbbbb", {0, 1, 2}, {1, 1, 3});
    row("three: a tie for second", 3, "aaaaaaaabbcc", {0, 1, 2}, {1, 2, 2});
    row("three: the last wins", 3, "bbbccccccccc", {2, 1, 0}, {1, 2, 3});
    row("four: all tied", 4, "aaabbbcccddd", {0, 1, 2, 3}, {1, 1, 1, 1});
    row("four: 1, 1, 3, 4", 4, "daaaabbbbccc", {0, 1, 2, 3}, {1, 1, 3, 4});
    row("four: one scores", 4, "bbbbbbbbbbbb", {1, 0, 2, 3}, {1, 2, 2, 2});
}

void TestTogether::places() {
    QFETCH(int, players);
    QFETCH(QString, finders);
    QFETCH(QList<int>, order);
    QFETCH(QList<int>, places);
    Table table(QString(players, 'p'));
    table.platform.random.script = unshuffled();
    Match& match = table.start();
    for (int pair = 0; pair < together::kPairCount; ++pair) {
        while (match.current() != finders[pair].unicode() - 'a')
            table.play(QStringLiteral("%1 %2 b").arg(pair).arg(pair + 1));
        table.play(QStringLiteral("p%1").arg(pair));
    }
    QList<together::Standing> expected;
    for (int i = 0; i < players; ++i)
        expected.append({order[i], places[i], int(finders.count(QChar('a' + order[i])))});
    QCOMPARE(match.standings(), expected);
    const QStringList heard = table.heard();
    table.play("0 b t c 3");
    QCOMPARE(table.heard(), heard);
    QCOMPARE(heard.last(), "R");
    table.play("A 0 12");
    QVERIFY(!match.ended());
}

// Whatever the draws, a set of 12 lies on the board twice and a set of 24 once; a set without
// 13.gif is a set of 12. The cards come from the set's folder, and the deals differ.
void TestTogether::deal_data() {
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("missing");
    QTest::addColumn<int>("pictures");
    QTest::newRow("12") << 12 << -1 << 12;
    QTest::newRow("24") << 24 << -1 << 24;
    QTest::newRow("24 without 13.gif") << 24 << 13 << 12;
    QTest::newRow("no pictures") << 0 << -1 << 12;
}

void TestTogether::deal() {
    QFETCH(int, files);
    QFETCH(int, missing);
    QFETCH(int, pictures);
    QSet<QList<int>> deals;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        Table table("p", files, missing);
        table.platform.random.reseed(seed);
        Match& match = table.start();
        QCOMPARE(match.pictureFolder(), table.path("img0/"));
        QList<int> deal;
        QMap<int, int> copies;
        for (int slot = 0; slot < game::kSlotCount; ++slot) {
            match.cardClicked(slot);
            deal << game::pictureNumber(match.picture(slot));
            ++copies[deal.last()];
            match.boardClicked();
        }
        for (int n = 0; n < pictures; ++n)
            QCOMPARE(copies.take(n), game::kSlotCount / pictures);
        QVERIFY(copies.isEmpty());
        deals.insert(deal);
    }
    QCOMPARE(deals.size(), 20);
    if (pictures != 24)
        return;
    // Every order alike: the first card shows each of 24 pictures in about one deal of 24.
    Table many("p", 24);
    int first = 0;
    for (int deal = 0; deal < 480; ++deal) {
        deal ? many.match->again() : void(many.start());
        many.match->cardClicked(0);
        first += many.match->picture(0).endsWith("/0.gif");
    }
    QVERIFY2(first >= 10 && first <= 30, qPrintable(QString::number(first)));
    Table far("p"); // a set beyond the five places: the last
    far.set = 9;
    QCOMPARE(far.start().pictureFolder(), far.path("img4/"));
}

// Plays a match of computers to its end, each tick of the computer timer turning one face-down
// card. For `player`: the pairs it could have taken (both cards seen before, or the partner of
// its first card), those it took, and whether it won.
struct Watched {
    int chances = 0;
    int taken = 0;
    int wins = 0;
};
void playOut(Table& table, int player, Watched& watched) {
    Match& match = *table.match;
    const auto faceDown = [&](int slot) { return match.card(slot) == CardState::FaceDown; };
    for (int step = 0; step < 1000 && !match.ended(); ++step) {
        if (!match.computerTimer().ticking()) {
            QVERIFY(match.lookingAtMiss());
            match.lookTimerTick();
            continue;
        }
        const Cards before = table.drawn;
        const auto up = std::find(before.begin(), before.end(), CardState::FaceUp);
        const int open = up == before.end() ? -1 : int(up - before.begin());
        QSet<int> takers;
        for (int a = 0; a < game::kSlotCount; ++a)
            for (int b = 0; b < game::kSlotCount; ++b)
                if (a != b && (open >= 0 ? a == open : faceDown(a)) && faceDown(b) &&
                    table.shown.contains(b) && table.shown.value(a, -1) == table.shown[b])
                    takers << (open >= 0 ? b : a);
        const bool watching = match.current() == player;
        match.computerTimerTick();
        QList<int> turned;
        for (int slot = 0; slot < game::kSlotCount; ++slot)
            if (before[slot] == CardState::FaceDown && !faceDown(slot))
                turned << slot;
        QCOMPARE(turned.size(), 1);
        watched.chances += watching && !takers.isEmpty();
        watched.taken += watching && takers.contains(turned[0]);
    }
    QVERIFY(match.ended() && !match.computerTimer().ticking());
    const QList<together::Standing> standings = match.standings();
    watched.wins += standings[0].player == player && standings[1].place == 2;
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
    Watched w;
    for (unsigned seed = 1; seed <= 40 && !QTest::currentTestFailed(); ++seed) {
        Table table(seed % 2 ? level + "c" : "c" + level);
        table.platform.random.reseed(seed);
        table.start();
        playOut(table, 1 - seed % 2, w);
    }
    QVERIFY2(
        w.chances >= 100 && w.taken * 100 >= bounds[0] * w.chances &&
            w.taken * 100 <= bounds[1] * w.chances && w.wins >= bounds[2] && w.wins <= bounds[3],
        qPrintable(QStringLiteral("%1 of %2, %3 won").arg(w.taken).arg(w.chances).arg(w.wins)));
}

QTEST_GUILESS_MAIN(TestTogether)
#include "tst_together.moc"
