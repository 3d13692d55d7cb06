// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/paths.h"
#include "game/board.h"
#include "platform/platform.h"
#include "together/computer.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <vector>

namespace quilora::together {

inline constexpr int kMaxPlayers = 4;
inline constexpr int kPairCount = game::kSlotCount / 2;
// How long two cards that are no pair stay visible, and the pace of a computer's cards.
inline constexpr int kLookMilliseconds = 2000;
inline constexpr int kComputerCardMilliseconds = 700;

struct Player {
    QString name;
    bool computer = false;
    Memory memory = Memory::Fair; // a computer's
};

// One line of the results: places share a rank on a tie (1, 1, 3).
struct Standing {
    int player = 0;
    int place = 0;
    int pairs = 0;
    friend bool operator==(const Standing&, const Standing&) = default;
};

// What a screen reader is to say, as data: whose turn it is, a pair and who found it, the
// result (read from standings()).
struct Announcement {
    enum class Kind { Turn, Pair, Result };
    Kind kind = Kind::Turn;
    int player = -1; // whose turn, or the pair's finder
    int first = -1;  // the pair's cards
    int second = -1;
    friend bool operator==(const Announcement&, const Announcement&) = default;
};

// The sounds of the solo game: a card turned, a pair found. Empty: silence.
struct Sounds {
    QString click;
    QString pair;
};

// Two to four players at one board, taking turns by the table game's rules: a turn is two
// cards; a pair stays face up, scores for its finder, who turns again; two cards that are no
// pair stay visible until a click or the look timer, then turn face down and the next player's
// turn begins. The twelfth pair ends the match.
//
// Computers take their turns card by card on the computer timer. The window drives both timers
// with real QTimers while they tick (starting one afresh when timersChanged switches it on) and
// forwards ticks and clicks; the model never waits. The deal and every computer's choices draw
// from services.random.
class Match : public QObject {
    Q_OBJECT

public:
    // Players beyond four are left out; with none, one person plays. The cards come from
    // picture set `pictureSet` (0 to 4) as the solo game finds it. Sounds are preloaded.
    Match(QList<Player> players, const core::Folders& folders, int pictureSet,
          platform::Services services, Sounds sounds);
    ~Match() override;

    // Deals and begins the first turn; call once the window listens.
    void start();
    // "Again": the same players, a new deal, the scores back to 0, the first player begins.
    void again();
    // "End": the timers stop and the window is asked to close.
    void end();

    // A click on a card (keyboard or mouse) by a person at the table.
    void cardClicked(int slot);
    // A click anywhere else on the board.
    void boardClicked();
    void lookTimerTick();
    void computerTimerTick();

    void setSounds(Sounds sounds);

    int playerCount() const { return static_cast<int>(players_.size()); }
    const Player& player(int index) const { return players_[index]; }
    int pairs(int player) const { return pairs_[player]; }
    // Whose turn it is.
    int current() const { return current_; }
    // The twelfth pair has been found.
    bool ended() const { return found_ == kPairCount; }
    // Best first; players of equal place in their order at the table. Meaningful at any time,
    // final once ended().
    QList<Standing> standings() const;

    CardState card(int slot) const { return table_[slot]; }
    // The picture a card shows: empty while it lies face down.
    QString picture(int slot) const;
    // The folder the cards were dealt from, ending in a separator.
    const QString& pictureFolder() const { return folder_; }
    // Two cards that are no pair are visible, waiting for a click or the look timer.
    bool lookingAtMiss() const { return second_ >= 0; }

    const game::Timer& lookTimer() const { return lookTimer_; }
    const game::Timer& computerTimer() const { return computerTimer_; }

signals:
    // Change notices, for the widgets that show what changed.
    void cardChanged(int slot);
    // Whose turn it is, or a score.
    void playersChanged();
    void timersChanged();
    void matchEnded();
    void announced(const quilora::together::Announcement& announcement);

signals:
    // A request, which the window acts on: "End" closes it.
    void endRequested();

private:
    void deal();
    void turn(int slot);
    void setCard(int slot, CardState state);
    int pairKey(int slot) const;
    void turnBack();
    void beginTurn(int player);
    void setTimers(bool look, bool computer);
    Computer* computerToMove() const;

    std::vector<Player> players_;
    std::vector<std::unique_ptr<Computer>> computers_; // one per player, null for a person
    core::Folders folders_;
    int pictureSet_;
    platform::Services services_;
    Sounds sounds_;

    QString folder_;
    std::array<int, game::kSlotCount> pictures_{}; // picture k pairs with k + 12 in a set of 24
    Table table_{};
    std::array<int, kMaxPlayers> pairs_{};
    int current_ = 0;
    int first_ = -1;  // the turn's first card while it is face up
    int second_ = -1; // its second when the two are no pair
    int found_ = 0;
    bool running_ = false; // from start() until the last pair or end()
    game::Timer lookTimer_;
    game::Timer computerTimer_;
};

} // namespace quilora::together
