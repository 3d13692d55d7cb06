// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mypictures/crop.h"
#include "mypictures/texts.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QLockFile>
#include <QString>

#include <functional>
#include <optional>
#include <variant>

namespace quilora::mypictures {

constexpr int kPhotosPerSet = 12;
constexpr int kPlaces = 5;
constexpr int kLongestSetName = 40;

// One photo of a new set: the loaded photo, its frame and, for a set with names, its name.
// `kept` is the photo as the set keeps it for editing (a JPEG at its working size): made when
// the photo is read, read back when a set is opened, so that a set written again loses nothing;
// made at writing when empty.
struct CardChoice {
    QImage photo;
    Crop crop;
    QString name;
    QByteArray kept = {};
    std::optional<Text> warning = std::nullopt; // told of the photo (LoadedPhoto::warning)
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
QImage drawCard(const NewSet& set, int card, int scale);

// The photo as a set keeps it for editing: a JPEG of a few hundred kilobytes.
QByteArray keptPhoto(const QImage& photo);

// The player's set of place `place` under `userRoot`: its folder, and whether it holds a set the
// game will use (the game's rule: a 0.gif there).
QString playerSetFolder(const QString& userRoot, int place);
bool hasPlayerSet(const QString& userRoot, int place);

// One maker at a time writes into the player's data folder: while one holds this lock, every
// other's writeSet and restoreShipped refuse with MakerLocked.
class MakerLock {
public:
    explicit MakerLock(const QString& userRoot);
    bool held() const { return lock_.isLocked(); }
    // Why it is not held: another maker holds it, or the system's words (a full disk).
    bool otherMaker() const { return lock_.error() == QLockFile::LockFailedError; }
    QString reason() const { return reason_; }

private:
    QLockFile lock_;
    QString reason_;
};

// Writes the set into `userRoot`/imgN, where it shadows the shipped set of that place: every card
// as N.gif and N@2x.gif, setname.txt and names.txt, and what opening it again needs: each photo
// as photoN.jpg and maker.txt (the kind, the set's name, each card's frame and name). Everything
// goes into a new folder beside the target that replaces the old set only once whole; on
// failure the old set, shipped or the player's, stays as it was and no new folder is left. An
// imgN that is a link is replaced as a link, never followed; one that holds anything but a set's
// files is not the maker's and stays. `progress`, when given, hears of every card written (on
// the thread that writes).
using Progress = std::function<void(int done, int total)>;
std::optional<Problem> writeSet(const QString& userRoot, int place, const NewSet& set,
                                const Progress& progress = {});

// The player's set of a place as the maker wrote it, to be changed and written again: its photos,
// frames, names, kind and name. A set of an earlier maker, which kept nothing to open it with,
// is MakerSetNotEditable; one whose files cannot be read as the maker wrote them,
// MakerSetDamaged (with the file). Read under the maker's lock, so never half of a set being
// written.
std::variant<NewSet, Problem> openSet(const QString& userRoot, int place,
                                      const Progress& progress = {});

// Removes the player's set of a place, so that the shipped one is used again: a link as a link,
// a folder only when it holds nothing but a set's files.
std::optional<Problem> restoreShipped(const QString& userRoot, int place);

} // namespace quilora::mypictures
