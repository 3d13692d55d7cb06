// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board.h"
#include "platform/platform.h"

#include <array>
#include <deque>

namespace quilora::together {

// How well a computer partner remembers.
enum class Memory {
    Forgetful, // a small child can beat it
    Fair,
    Perfect, // forgets nothing
};

// What everyone at the table sees of a card, without its face.
enum class CardState { FaceDown, FaceUp, Found };
using Table = std::array<CardState, game::kSlotCount>;

// A whole number r from the random source, uniform with 0 <= r < limit.
int drawBelow(platform::RandomSource& random, int limit);

// A computer partner's memory and choices. It learns a card only when the card is shown face
// up, as the pair it belongs to (pairKey), and is never handed the deal: what it knows is what
// was shown. Forgetting and choosing draw from the given random source.
class Computer {
public:
    Computer(Memory level, platform::RandomSource& random);

    // A card was turned face up, showing a picture of this pair.
    void seen(int slot, int pairKey);
    // Two cards were found: they leave the game.
    void found(int first, int second);
    // A turn has ended (anyone's): each remembered card may be forgotten, by the level.
    void turnEnded();

    // The card to turn next: a face-down card of the table, which must hold one. `open` is the
    // card turned first in this turn, or -1 before it.
    int choose(const Table& table, int open);

private:
    // A remembered face-down card other than `besides` that shows `pairKey`, or -1.
    int partnerOf(const Table& table, int pairKey, int besides) const;
    void forget(int slot);

    Memory level_;
    platform::RandomSource& random_;
    std::array<int, game::kSlotCount> known_; // the pair each card shows, -1 when unknown
    std::deque<int> order_;                   // remembered cards, the latest last
};

} // namespace quilora::together
