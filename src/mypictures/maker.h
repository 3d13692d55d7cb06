// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mypictures/picture_set.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QThread;

namespace quilora::mypictures {

// Where the maker works: the shipped sets, the player's data folder (the player's sets), and the
// player's own settings file of the maker (the folder photos last came from), which is not the
// game's Quilora.ini.
struct MakerFolders {
    QString program;
    QString user;
    QString settings;
};

// How the maker asks the player a yes-or-no question: a message box in the window, a script in
// the tests. `yesByDefault` is the answer Enter gives; a question that could lose a set says No.
class Questions {
public:
    enum class Kind { ReplaceCards, OpenSet, ReplaceSet, Restore, Discard };
    virtual ~Questions() = default;
    virtual bool ask(Kind kind, const QString& question, bool yesByDefault) = 0;
};

// The picture-set maker's state and rules: twelve cards (a photo, its frame, its name), the card
// chosen, the kind of set, its name, the place it goes to, and the work that reads photos,
// writes a set or opens one again, each on a thread of its own so that the window never stops
// painting. The window draws what it announces and forwards the player's actions.
class Maker : public QObject {
    Q_OBJECT

public:
    enum class Work { None, Reading, Opening, Writing };
    // What a message stops applying to once it changes.
    enum Topic {
        Photos = 1,
        Frames = 2,
        CardNames = 4,
        SetName = 8,
        Kind = 16,
        Place = 32,
        Anything = 63,
    };

    Maker(MakerFolders folders, bool english, Questions& questions, QObject* parent = nullptr);
    // Waits for work under way; reading photos stops at the next one.
    ~Maker() override;

    bool english() const { return english_; }
    QString text(Text id) const { return mypictures::text(id, english_); }

    const CardChoice& card(int k) const { return set_.cards[k]; }
    // Why the photo of card k may look bad (cut off, too small), until the player keeps it.
    std::optional<Text> warning(int k) const { return set_.cards[k].warning; }
    int chosenCard() const { return chosen_; }
    int photoCount() const;
    bool withNames() const { return set_.withNames; }
    const QString& setName() const { return set_.name; }

    // The five places: what each shows ("2: Our family (yours)"), whether it holds a set of the
    // player's, and which is chosen.
    const QStringList& placeCaptions() const { return captions_; }
    bool playersSet(int place) const { return players_[place]; }
    bool restorable(int place) const;
    int place() const { return place_; }

    // Whether there is work that closing would lose.
    bool unsaved() const;
    Work work() const { return work_; }
    bool working() const { return work_ != Work::None; }
    int workDone() const { return done_; }
    int workTotal() const { return total_; }
    QString progressText() const;

    const QString& message() const { return message_; }
    bool messageIsProblem() const { return problem_; }

    // Where the file dialog starts: the folder photos last came from, kept in the player's own
    // settings, or the desktop's pictures folder.
    QString photoFolder() const;

    // The player's actions. Nothing that changes the set is done while work is under way.
    // Photos from files, and from the pictures in any folder among them (by name, numbers in
    // order), fill the empty cards; one photo replaces the chosen card's; with every card full,
    // a batch replaces cards from the first once the player agrees. Read on the worker.
    void addPhotos(const QStringList& paths);
    void chooseCard(int k);
    void frameChosen(const Crop& crop);
    void nameChosen(const QString& name);
    void removeChosenPhoto();
    void keepChosenPhoto();
    void setWithNames(bool withNames);
    void nameSet(const QString& name);
    // A place that holds the player's set offers to open it.
    void choosePlace(int place);
    // Writes the set into the chosen place on the worker; a set of the player's there, other
    // than the one being changed, is replaced only once the player agrees.
    void make();
    void restore();
    // Whether the window may close now: unsaved work only once the player agrees. While work is
    // under way it may not: closeReady() follows once the work is done.
    bool mayClose();

    // Called on the worker with the number of steps done so far (photos read, cards written,
    // photos opened), before the next; lets tests hold the work at a point.
    std::function<void(int step)> beforeStep;

signals:
    // Change notices, for the widgets that show what changed.
    void cardChanged(int k);
    void chosenCardChanged(int k);
    void kindChanged();
    // The set's name changed other than by typing it: a set opened.
    void setNameChanged();
    void placesChanged();
    void workChanged();
    void workFinished();
    void messageChanged();

signals:
    // A request, which the window acts on: the work a close waited for is done, close now.
    void closeReady();

private:
    void refreshPlaces();
    void say(const QString& message, bool problem, int voidedBy);
    void sayProblem(const Problem& problem, int voidedBy);
    void changed(int topic);
    QString describe(const Problem& problem) const;
    QString placeName(int place) const;
    void offerToOpen(int place);
    void startReading(const QStringList& files, const QList<int>& places);
    void startOpening(int place);
    void startWriting();
    void run(Work work, int total, std::function<void()> job);
    void post(std::function<void()> action);
    void step(int done);
    void finishWork();
    void rememberFolder(const QString& file);

    const MakerFolders folders_;
    const bool english_;
    Questions& questions_;
    NewSet set_;
    int chosen_ = 0;
    bool dirty_ = false;
    int place_ = 0;
    // The place whose set the cards are: opened from it or written into it here.
    int editing_ = -1;
    QStringList captions_;
    std::array<bool, kPlaces> players_{};

    QString message_;
    bool problem_ = false;
    int voidedBy_ = 0;

    Work work_ = Work::None;
    int done_ = 0;
    int total_ = 0;
    bool closeAfterWork_ = false;
    std::unique_ptr<QThread> worker_;
    std::atomic<bool> cancel_{false};
    std::function<void(int)> workerStep_;
};

// The pictures among `paths`: files as given, and for each folder the pictures in it of a kind
// this Qt reads, by name with numbers in order (IMG_2 before IMG_10).
QStringList picturesIn(const QStringList& paths);

} // namespace quilora::mypictures
