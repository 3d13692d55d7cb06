#pragma once

#include "mypictures/crop.h"
#include "mypictures/texts.h"

#include <QImage>
#include <QList>
#include <QString>

#include <optional>

namespace quilora::mypictures {

constexpr int kPhotosPerSet = 12;
constexpr int kSlots = 5;
constexpr int kLongestSetName = 40;

// One photo of a new set: the loaded photo, its frame and, for a set with names, its name.
struct CardChoice {
    QImage photo;
    Crop crop;
    QString name;
};

// What a player puts together: twelve photos, dealt twice each, or each with a name card.
struct NewSet {
    QString name;
    QList<CardChoice> cards;
    bool withNames = false;
};

// Why something could not be done, in the words of Text, with the file or reason it names.
struct Problem {
    Text what;
    QString detail;
    QString reason;
};

// The first reason the set cannot be made as it stands, before anything is drawn or written.
std::optional<Problem> checkSet(const NewSet& set);

// Draws the cards of a set: photos 0..11, then for a set with names the name cards 12..23.
// `scale` is 1 or 2.
QList<QImage> drawCards(const NewSet& set, int scale);

// The player's set of slot `slot` under `userRoot`: its folder, and whether it holds a set the
// game will use (the game's rule: a 0.gif there).
QString playerSetFolder(const QString& userRoot, int slot);
bool hasPlayerSet(const QString& userRoot, int slot);

// Writes the set into `userRoot`/imgN, where it shadows the shipped set of that slot: every card
// as N.gif and N@2x.gif, setname.txt and names.txt. Everything goes into a new folder beside the
// target that replaces the old set only once whole; on failure the old set, shipped or the
// player's, stays as it was and no new folder is left.
std::optional<Problem> writeSet(const QString& userRoot, int slot, const NewSet& set);

// Removes the player's set of a slot, so that the shipped one is used again.
std::optional<Problem> restoreShipped(const QString& userRoot, int slot);

} // namespace quilora::mypictures
