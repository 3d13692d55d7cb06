// SPDX-License-Identifier: GPL-3.0-or-later
#include "mypictures/maker.h"

#include "core/paths.h"
#include "core/set_names.h"
#include "core/text_file.h"
#include "mypictures/cards.h"
#include "mypictures/photo.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <utility>

namespace quilora::mypictures {
namespace {

constexpr qint64 kSettingsBytes = 64 * 1024;
const QString kPhotoFolderKey = QStringLiteral("photoFolder=");
// A left-out message names this many files, then "…".
constexpr int kNamedLeftOut = 3;

// File names in the order a person reads them: runs of digits by their value (IMG_2 before
// IMG_10), the rest without regard to case.
bool readsBefore(const QString& a, const QString& b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (!a[i].isDigit() || !b[j].isDigit()) {
            const int order = QStringView(a).sliced(i, 1).compare(QStringView(b).sliced(j, 1),
                                                                  Qt::CaseInsensitive);
            if (order != 0)
                return order < 0;
            ++i, ++j;
            continue;
        }
        // Two numbers: without their leading zeros, the longer is the larger.
        while (i + 1 < a.size() && a[i] == u'0' && a[i + 1].isDigit())
            ++i;
        while (j + 1 < b.size() && b[j] == u'0' && b[j + 1].isDigit())
            ++j;
        qsizetype endA = i, endB = j;
        while (endA < a.size() && a[endA].isDigit())
            ++endA;
        while (endB < b.size() && b[endB].isDigit())
            ++endB;
        if (endA - i != endB - j)
            return endA - i < endB - j;
        const int order =
            QStringView(a).sliced(i, endA - i).compare(QStringView(b).sliced(j, endB - j));
        if (order != 0)
            return order < 0;
        i = endA, j = endB;
    }
    if (a.size() - i != b.size() - j)
        return a.size() - i < b.size() - j;
    return a < b;
}

QString leftOutNames(const QStringList& files) {
    QStringList names;
    for (const QString& file : files.mid(0, kNamedLeftOut))
        names.append(QFileInfo(file).fileName());
    if (files.size() > kNamedLeftOut)
        names.append(QStringLiteral("…"));
    return names.join(QStringLiteral(", "));
}

} // namespace

QStringList picturesIn(const QStringList& paths) {
    QStringList pictures;
    QStringList patterns = readablePatterns().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            pictures.append(info.absoluteFilePath());
            continue;
        }
        // Files only (links to them too): never FIFOs, devices or subfolders.
        const QDir folder(info.absoluteFilePath());
        QStringList names = folder.entryList(patterns, QDir::Files | QDir::Hidden);
        std::sort(names.begin(), names.end(), readsBefore);
        for (const QString& name : names)
            pictures.append(folder.filePath(name));
    }
    return pictures;
}

Maker::Maker(MakerFolders folders, bool english, Questions& questions, QObject* parent)
    : QObject(parent), folders_(std::move(folders)), english_(english), questions_(questions) {
    set_.cards.resize(kPhotosPerSet);
    refreshPlaces();
    // The first place that still holds a shipped set: making a set there loses none of the
    // player's.
    const auto* shipped = std::find(players_.begin(), players_.end(), false);
    place_ = shipped == players_.end() ? 0 : int(shipped - players_.begin());
    if (shipped == players_.end())
        say(text(Text::MakerAllPlacesTaken), false, Anything);
}

Maker::~Maker() {
    cancel_ = true;
    if (worker_)
        worker_->wait();
}

int Maker::photoCount() const {
    return int(std::count_if(set_.cards.begin(), set_.cards.end(),
                             [](const CardChoice& card) { return !card.photo.isNull(); }));
}

bool Maker::restorable(int place) const {
    return QFileInfo::exists(playerSetFolder(folders_.user, place));
}

bool Maker::unsaved() const {
    return dirty_;
}

QString Maker::progressText() const {
    const int current = std::min(done_ + 1, total_);
    switch (work_) {
    case Work::Reading:
        return text(Text::MakerReadingPhoto).arg(current).arg(total_);
    case Work::Opening:
        return text(Text::MakerOpeningPhoto).arg(current).arg(total_);
    case Work::Writing:
        return text(Text::MakerWritingCard).arg(current).arg(total_);
    case Work::None:
        break;
    }
    return {};
}

QString Maker::photoFolder() const {
    const std::optional<QStringList> lines = core::readLines(folders_.settings, kSettingsBytes);
    for (const QString& line : lines.value_or(QStringList{}))
        if (line.startsWith(kPhotoFolderKey) && QFileInfo(line.mid(kPhotoFolderKey.size())).isDir())
            return line.mid(kPhotoFolderKey.size());
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

void Maker::rememberFolder(const QString& file) {
    const QFileInfo info(file);
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    if (folder == photoFolder())
        return;
    QStringList lines = core::readLines(folders_.settings, kSettingsBytes).value_or(QStringList{});
    lines.removeIf([](const QString& line) { return line.startsWith(kPhotoFolderKey); });
    lines.append(kPhotoFolderKey + folder);
    // Losing it only costs the player a click: no message.
    QDir().mkpath(QFileInfo(folders_.settings).absolutePath());
    core::writeLines(folders_.settings, lines);
}

void Maker::refreshPlaces() {
    captions_.clear();
    for (int i = 0; i < kPlaces; ++i) {
        players_[i] = hasPlayerSet(folders_.user, i);
        QString name = placeName(i);
        if (name.isEmpty())
            name = text(Text::MakerPlaceEmpty);
        captions_.append(text(players_[i] ? Text::MakerPlacePlayers : Text::MakerPlaceShipped)
                             .arg(i + 1)
                             .arg(name));
    }
}

QString Maker::placeName(int place) const {
    return core::readSetNames(core::pictureSetFolder(folders_.program, folders_.user, place))
        .in(english_);
}

void Maker::say(const QString& message, bool problem, int voidedBy) {
    message_ = message;
    problem_ = problem;
    voidedBy_ = message.isEmpty() ? 0 : voidedBy;
    emit messageChanged();
}

QString Maker::describe(const Problem& problem) const {
    const QString message = text(problem.what);
    if (message.contains(QStringLiteral("%2")))
        return message.arg(problem.detail, problem.reason);
    return message.contains(QStringLiteral("%1")) ? message.arg(problem.detail) : message;
}

void Maker::sayProblem(const Problem& problem, int voidedBy) {
    say(describe(problem), true, voidedBy);
}

// What the player changed: the set is no longer the one written, and a message about it goes.
void Maker::changed(int topic) {
    if (topic != Place)
        dirty_ = true;
    if (voidedBy_ & topic)
        say({}, false, 0);
}

void Maker::chooseCard(int k) {
    if (k < 0 || k >= kPhotosPerSet || k == chosen_)
        return;
    chosen_ = k;
    emit chosenCardChanged(k);
}

void Maker::frameChosen(const Crop& crop) {
    if (working() || set_.cards[chosen_].photo.isNull())
        return;
    set_.cards[chosen_].crop = crop;
    changed(Frames);
    emit cardChanged(chosen_);
}

void Maker::nameChosen(const QString& name) {
    if (working() || set_.cards[chosen_].name == name)
        return;
    set_.cards[chosen_].name = name;
    changed(CardNames);
    emit cardChanged(chosen_);
}

void Maker::removeChosenPhoto() {
    if (working() || set_.cards[chosen_].photo.isNull())
        return;
    set_.cards[chosen_] = {{}, {}, set_.cards[chosen_].name, {}, {}};
    changed(Photos);
    emit cardChanged(chosen_);
}

void Maker::keepChosenPhoto() {
    if (working() || !set_.cards[chosen_].warning)
        return;
    set_.cards[chosen_].warning.reset();
    // What was said of the photos is answered; the set is no different for it.
    if (voidedBy_ & Photos)
        say({}, false, 0);
    emit cardChanged(chosen_);
}

void Maker::setWithNames(bool withNames) {
    if (working() || withNames == set_.withNames)
        return;
    set_.withNames = withNames;
    // Switching an empty maker over loses nothing.
    const bool wasDirty = dirty_;
    changed(Kind);
    dirty_ = wasDirty || photoCount() > 0;
    emit kindChanged();
}

void Maker::nameSet(const QString& name) {
    if (working() || name == set_.name)
        return;
    set_.name = name;
    changed(SetName);
}

void Maker::choosePlace(int place) {
    if (working() || place < 0 || place >= kPlaces || place == place_)
        return;
    place_ = place;
    changed(Place);
    emit placesChanged();
    if (players_[place] && place != editing_)
        offerToOpen(place);
}

void Maker::offerToOpen(int place) {
    const QString number = QString::number(place + 1);
    if (!QFileInfo::exists(QDir(playerSetFolder(folders_.user, place)).filePath("maker.txt")))
        return say(text(Text::MakerSetNotEditable).arg(number), false, Anything);
    const bool losing = unsaved();
    const QString question = text(losing ? Text::MakerOpenQuestionUnsaved : Text::MakerOpenQuestion)
                                 .arg(number, placeName(place));
    if (questions_.ask(Questions::Kind::OpenSet, question, !losing))
        startOpening(place);
}

void Maker::addPhotos(const QStringList& paths) {
    if (working() || paths.isEmpty())
        return;
    const QStringList files = picturesIn(paths);
    rememberFolder(paths.first());
    if (files.isEmpty())
        return say(text(Text::MakerPhotoUnreadable).arg(QFileInfo(paths.first()).fileName()), true,
                   Photos);
    QList<int> places;
    if (files.size() == 1) {
        places.append(chosen_);
    } else {
        for (int k = 0; k < kPhotosPerSet; ++k)
            if (set_.cards[k].photo.isNull())
                places.append(k);
    }
    if (places.isEmpty()) {
        const int replaced = int(std::min<qsizetype>(files.size(), kPhotosPerSet));
        if (!questions_.ask(Questions::Kind::ReplaceCards,
                            mypictures::text(Text::MakerReplaceCardsQuestion, english_, replaced),
                            true))
            return;
        for (int k = 0; k < replaced; ++k)
            places.append(k);
    }
    startReading(files, places);
}

void Maker::startReading(const QStringList& files, const QList<int>& places) {
    const bool english = english_;
    run(Work::Reading, int(files.size()), [this, files, places, english] {
        QStringList problems;
        qsizetype next = 0;
        for (qsizetype i = 0; i < files.size() && !cancel_; ++i) {
            if (next == places.size()) {
                const QStringList leftOut = files.mid(i);
                problems.append(
                    mypictures::text(Text::MakerTooManyPhotos, english, int(leftOut.size()))
                        .arg(leftOutNames(leftOut)));
                break;
            }
            step(int(i));
            const LoadedPhoto loaded = loadPhoto(files[i]);
            if (loaded.problem) {
                problems.append(
                    mypictures::text(*loaded.problem, english).arg(QFileInfo(files[i]).fileName()));
                continue;
            }
            const CardChoice photo{loaded.image,
                                   Crop(loaded.image.size()),
                                   {},
                                   keptPhoto(loaded.image),
                                   loaded.warning};
            const int k = places[next++];
            if (loaded.warning)
                problems.append(mypictures::text(Text::MakerCardNumber, english).arg(k + 1) +
                                QStringLiteral(": ") + mypictures::text(*loaded.warning, english));
            post([this, k, photo, first = places.first()] {
                set_.cards[k] = {photo.photo, photo.crop, set_.cards[k].name, photo.kept,
                                 photo.warning};
                changed(Photos);
                emit cardChanged(k);
                // The first photo read is the one to frame.
                if (k == first)
                    chooseCard(k);
            });
        }
        post([this, problems] {
            if (!problems.isEmpty())
                say(problems.join(QLatin1Char('\n')), true, Photos);
        });
    });
}

void Maker::startOpening(int place) {
    const QString user = folders_.user;
    run(Work::Opening, kPhotosPerSet, [this, user, place] {
        std::variant<NewSet, Problem> opened =
            openSet(user, place, [this](int done, int) { step(done); });
        post([this, place, opened = std::move(opened)] {
            if (const Problem* problem = std::get_if<Problem>(&opened))
                return sayProblem(*problem, Anything);
            set_ = std::get<NewSet>(opened);
            editing_ = place;
            dirty_ = false;
            emit kindChanged();
            emit setNameChanged();
            for (int k = 0; k < kPhotosPerSet; ++k)
                emit cardChanged(k);
            chosen_ = -1;
            chooseCard(0);
            say(text(Text::MakerOpened).arg(tidyName(set_.name)).arg(place + 1), false, Anything);
        });
    });
}

void Maker::make() {
    if (working())
        return; // a second press while writing does nothing
    if (std::optional<Problem> problem = checkSet(set_)) {
        const Text what = problem->what;
        const int topic = what == Text::MakerTooFewPhotos ? Photos
                          : what == Text::MakerSetNameMissing || what == Text::MakerSetNameTooLong
                              ? SetName
                              : CardNames | Kind | Photos;
        return sayProblem(*problem, topic);
    }
    if (players_[place_] && place_ != editing_ &&
        !questions_.ask(
            Questions::Kind::ReplaceSet,
            text(Text::MakerReplaceSetQuestion)
                .arg(QString::number(place_ + 1), placeName(place_), tidyName(set_.name)),
            false))
        return;
    startWriting();
}

void Maker::startWriting() {
    const QString user = folders_.user;
    const int place = place_;
    const NewSet set = set_;
    run(Work::Writing, (set.withNames ? 2 : 1) * kPhotosPerSet, [this, user, place, set] {
        const std::optional<Problem> problem =
            writeSet(user, place, set, [this](int done, int) { step(done); });
        post([this, place, problem, name = tidyName(set.name)] {
            refreshPlaces();
            emit placesChanged();
            if (problem)
                return sayProblem(*problem, Anything);
            dirty_ = false;
            editing_ = place;
            say(text(Text::MakerWritten).arg(name).arg(place + 1), false, Anything);
        });
    });
}

void Maker::restore() {
    if (working())
        return;
    const int place = place_;
    if (!restorable(place))
        return say(text(Text::MakerNothingToRestore).arg(place + 1), false, Anything);
    if (!questions_.ask(
            Questions::Kind::Restore,
            text(Text::MakerRestoreQuestion)
                .arg(core::readSetNames(playerSetFolder(folders_.user, place) + '/').in(english_),
                     QString::number(place + 1)),
            false))
        return;
    const std::optional<Problem> problem = restoreShipped(folders_.user, place);
    refreshPlaces();
    emit placesChanged();
    if (problem)
        return sayProblem(*problem, Anything);
    // The cards are no set of the player's any more.
    if (editing_ == place) {
        editing_ = -1;
        dirty_ = photoCount() > 0;
    }
    say(text(Text::MakerRestored).arg(place + 1), false, Anything);
}

bool Maker::mayClose() {
    if (working()) {
        closeAfterWork_ = true;
        cancel_ = true; // photos not yet read are not waited for
        say(text(Text::MakerClosingAfterWork), false, 0);
        return false;
    }
    return !unsaved() ||
           questions_.ask(Questions::Kind::Discard, text(Text::MakerDiscardQuestion), false);
}

void Maker::run(Work work, int total, std::function<void()> job) {
    work_ = work;
    done_ = 0;
    total_ = total;
    cancel_ = false;
    workerStep_ = beforeStep;
    worker_.reset(QThread::create([this, job = std::move(job)] {
        job();
        post([this] { finishWork(); });
    }));
    worker_->start();
    emit workChanged();
}

// From the worker: run `action` on the maker's own thread, after what was posted before it.
void Maker::post(std::function<void()> action) {
    QMetaObject::invokeMethod(this, std::move(action), Qt::QueuedConnection);
}

// On the worker, before each step.
void Maker::step(int done) {
    if (workerStep_)
        workerStep_(done);
    post([this, done] {
        done_ = done;
        emit workChanged();
    });
}

void Maker::finishWork() {
    worker_->wait();
    worker_.reset();
    work_ = Work::None;
    done_ = total_ = 0;
    emit workChanged();
    emit workFinished();
    if (closeAfterWork_) {
        closeAfterWork_ = false;
        emit closeReady();
    }
}

} // namespace quilora::mypictures
