// SPDX-License-Identifier: GPL-3.0-or-later
#include "together/match.h"

#include <algorithm>
#include <utility>

namespace quilora::together {

namespace {
constexpr int kPictureSets = 5; // the places img0 ... img4
} // namespace

Match::Match(QList<Player> players, const core::Folders& folders, int pictureSet,
             platform::Services services, Sounds sounds)
    : folders_(folders), pictureSet_(std::clamp(pictureSet, 0, kPictureSets - 1)),
      services_(services), sounds_(std::move(sounds)) {
    if (players.isEmpty())
        players.append(Player{});
    players_.assign(players.begin(),
                    players.begin() + std::min<qsizetype>(players.size(), kMaxPlayers));
    services_.sound.preload({sounds_.click, sounds_.pair});
}

Match::~Match() = default;

void Match::start() {
    services_.random.seedFromClock();
    again();
}

void Match::again() {
    running_ = true;
    pairs_.fill(0);
    found_ = 0;
    first_ = second_ = -1;
    // Computers come to a new deal with empty memories.
    computers_.clear();
    for (const Player& player : players_)
        computers_.push_back(player.computer
                                 ? std::make_unique<Computer>(player.memory, services_.random)
                                 : nullptr);
    for (int slot = 0; slot < game::kSlotCount; ++slot)
        setCard(slot, CardState::FaceDown);
    deal();
    beginTurn(0);
}

void Match::end() {
    running_ = false;
    setTimers(false, false);
    emit endRequested();
}

// Every order of the cards equally likely.
void Match::deal() {
    folder_ = core::pictureSetFolder(folders_.programFolder, folders_.userSetsFolder, pictureSet_);
    const bool twentyFour = core::fileExists(folder_ + QStringLiteral("13.gif"));
    for (int slot = 0; slot < game::kSlotCount; ++slot)
        pictures_[slot] = twentyFour ? slot : slot % kPairCount;
    for (int slot = game::kSlotCount - 1; slot > 0; --slot)
        std::swap(pictures_[slot], pictures_[drawBelow(services_.random, slot + 1)]);
}

QString Match::picture(int slot) const {
    if (table_[slot] == CardState::FaceDown)
        return {};
    return folder_ + QString::number(pictures_[slot]) + QStringLiteral(".gif");
}

int Match::pairKey(int slot) const {
    return pictures_[slot] % kPairCount;
}

void Match::setCard(int slot, CardState state) {
    if (table_[slot] == state)
        return;
    table_[slot] = state;
    emit cardChanged(slot);
}

void Match::setTimers(bool look, bool computer) {
    const game::Timer lookTimer{look, kLookMilliseconds};
    const game::Timer computerTimer{computer, kComputerCardMilliseconds};
    if (lookTimer == lookTimer_ && computerTimer == computerTimer_)
        return;
    lookTimer_ = lookTimer;
    computerTimer_ = computerTimer;
    emit timersChanged();
}

Computer* Match::computerToMove() const {
    return running_ ? computers_[current_].get() : nullptr;
}

void Match::beginTurn(int player) {
    current_ = player;
    emit playersChanged();
    emit announced({Announcement::Kind::Turn, player});
    setTimers(false, computerToMove() != nullptr);
}

void Match::cardClicked(int slot) {
    if (!running_ || slot < 0 || slot >= game::kSlotCount)
        return;
    // A click only ends the look at a miss: it opens no card.
    if (lookingAtMiss()) {
        turnBack();
        return;
    }
    if (!computerToMove() && table_[slot] == CardState::FaceDown)
        turn(slot);
}

void Match::boardClicked() {
    if (running_ && lookingAtMiss())
        turnBack();
}

void Match::lookTimerTick() {
    if (running_ && lookingAtMiss())
        turnBack();
}

void Match::computerTimerTick() {
    Computer* computer = computerToMove();
    if (!computer || lookingAtMiss())
        return;
    turn(computer->choose(table_, first_));
}

// Every computer at the table sees the card, whoever turned it.
void Match::turn(int slot) {
    services_.sound.play(sounds_.click);
    setCard(slot, CardState::FaceUp);
    for (const auto& computer : computers_)
        if (computer)
            computer->seen(slot, pairKey(slot));
    if (first_ < 0) {
        first_ = slot;
        return;
    }
    if (pairKey(first_) != pairKey(slot)) {
        second_ = slot;
        setTimers(true, false);
        return;
    }
    const int first = std::exchange(first_, -1);
    setCard(first, CardState::Found);
    setCard(slot, CardState::Found);
    for (const auto& computer : computers_)
        if (computer)
            computer->found(first, slot);
    services_.sound.play(sounds_.pair);
    ++pairs_[current_];
    ++found_;
    emit playersChanged();
    emit announced({Announcement::Kind::Pair, current_, first, slot});
    if (found_ < kPairCount)
        return;
    running_ = false;
    setTimers(false, false);
    emit matchEnded();
    emit announced({Announcement::Kind::Result});
}

void Match::turnBack() {
    setCard(std::exchange(first_, -1), CardState::FaceDown);
    setCard(std::exchange(second_, -1), CardState::FaceDown);
    for (const auto& computer : computers_)
        if (computer)
            computer->turnEnded();
    beginTurn((current_ + 1) % playerCount());
}

QList<Standing> Match::standings() const {
    QList<Standing> list;
    for (int player = 0; player < playerCount(); ++player)
        list.append({player, 0, pairs_[player]});
    std::stable_sort(list.begin(), list.end(),
                     [](const Standing& a, const Standing& b) { return a.pairs > b.pairs; });
    for (qsizetype i = 0; i < list.size(); ++i)
        list[i].place = i > 0 && list[i].pairs == list[i - 1].pairs ? list[i - 1].place
                                                                    : static_cast<int>(i) + 1;
    return list;
}

void Match::setSounds(Sounds sounds) {
    sounds_ = std::move(sounds);
    services_.sound.preload({sounds_.click, sounds_.pair});
}

} // namespace quilora::together
