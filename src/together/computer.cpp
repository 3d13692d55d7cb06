// SPDX-License-Identifier: GPL-3.0-or-later
#include "together/computer.h"

#include <algorithm>
#include <vector>

namespace quilora::together {

namespace {

// How many cards a level holds at most (the oldest goes first), and the chance that it forgets
// each of them when a turn ends.
struct Recall {
    std::size_t capacity;
    float forgetChance;
};

constexpr Recall recall(Memory level) {
    switch (level) {
    case Memory::Forgetful:
        return {5, 0.35f};
    case Memory::Fair:
        return {8, 0.15f};
    case Memory::Perfect:
        break;
    }
    return {game::kSlotCount, 0.0f};
}

} // namespace

Computer::Computer(Memory level, platform::RandomSource& random) : level_(level), random_(random) {
    known_.fill(-1);
}

void Computer::seen(int slot, int pairKey) {
    forget(slot);
    known_[slot] = pairKey;
    order_.push_back(slot);
    while (order_.size() > recall(level_).capacity)
        forget(order_.front());
}

void Computer::found(int first, int second) {
    forget(first);
    forget(second);
}

void Computer::turnEnded() {
    const float chance = recall(level_).forgetChance;
    const std::deque<int> remembered = order_;
    for (int slot : remembered)
        if (random_.next() < chance)
            forget(slot);
}

void Computer::forget(int slot) {
    known_[slot] = -1;
    std::erase(order_, slot);
}

int Computer::partnerOf(const Table& table, int pairKey, int besides) const {
    if (pairKey < 0)
        return -1;
    for (int slot = 0; slot < game::kSlotCount; ++slot)
        if (slot != besides && known_[slot] == pairKey && table[slot] == CardState::FaceDown)
            return slot;
    return -1;
}

int Computer::choose(const Table& table, int open) {
    if (open >= 0) {
        const int partner = partnerOf(table, known_[open], open);
        if (partner >= 0)
            return partner;
    } else {
        // A known pair is taken before anything new is tried; its lower card is turned first.
        std::vector<int> pairs;
        for (int slot = 0; slot < game::kSlotCount; ++slot)
            if (table[slot] == CardState::FaceDown && partnerOf(table, known_[slot], slot) > slot)
                pairs.push_back(slot);
        if (!pairs.empty())
            return pairs[drawBelow(random_, static_cast<int>(pairs.size()))];
    }
    // Else a card it does not know; only when it knows every card left, one of those.
    std::vector<int> unknown, known;
    for (int slot = 0; slot < game::kSlotCount; ++slot)
        if (table[slot] == CardState::FaceDown)
            (known_[slot] < 0 ? unknown : known).push_back(slot);
    const std::vector<int>& from = unknown.empty() ? known : unknown;
    return from[drawBelow(random_, static_cast<int>(from.size()))];
}

int drawBelow(platform::RandomSource& random, int limit) {
    const auto drawn = static_cast<int>(static_cast<double>(random.next()) * limit);
    return std::clamp(drawn, 0, limit - 1);
}

} // namespace quilora::together
