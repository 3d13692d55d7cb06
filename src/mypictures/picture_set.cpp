// SPDX-License-Identifier: GPL-3.0-or-later
#include "mypictures/picture_set.h"

#include "core/files.h"
#include "core/paths.h"
#include "core/pictures.h"
#include "core/text_file.h"
#include "mypictures/cards.h"
#include "mypictures/gif.h"
#include "mypictures/photo.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quilora::mypictures {
namespace {

struct EncodedFile {
    QString name;
    QByteArray bytes;
};

// Written first into every folder the maker makes, so that a leftover of its own is told from a
// player's folder of any name. Empty: it is written even on a full disk.
const QString kMarker = QStringLiteral(".quilora-set");
const QByteArray kMarkerText;

// What opening a set again needs, beside its cards: maker.txt and each photo as photoN.jpg.
const QString kEditing = QStringLiteral("maker.txt");
const QString kEditingHeader = QStringLiteral("quilora-maker\t1");
constexpr qint64 kEditingBytes = 64 * 1024;
// A kept photo is at most its working size; a JPEG of that is a few hundred kilobytes.
constexpr qint64 kKeptPhotoBytes = 16 << 20;
constexpr int kKeptQuality = 88;

QString keptPhotoName(int card) {
    return QStringLiteral("photo%1.jpg").arg(card);
}

QString setFolderName(int place) {
    return QStringLiteral("img%1").arg(place);
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QString systemReason() {
    return qt_error_string(errno);
}

// A name beside the sets that only the maker gives: ".img3-new-Xy12ab", ".img3-old-...".
QString makersName(int place, const char* what) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(62)]);
    return QStringLiteral(".img%1-%2-%3").arg(place).arg(QLatin1String(what), suffix);
}

enum class Entry {
    None,
    Link,          // removed as a link, never followed
    MakersSet,     // a folder holding only the files the maker writes into a set
    SomethingElse, // never removed: not the maker's to delete
};

// The names of the maker's files, each taken as the link or file it is itself. A set of an
// earlier maker, which wrote no marker, is recognised by them too.
Entry entryAt(const QString& path, bool* marked = nullptr) {
    struct stat info {};
    if (::lstat(native(path).constData(), &info) != 0)
        return errno == ENOENT ? Entry::None : Entry::SomethingElse;
    if (S_ISLNK(info.st_mode))
        return Entry::Link;
    if (!S_ISDIR(info.st_mode))
        return Entry::SomethingElse;
    static const QRegularExpression setFile(
        QStringLiteral("^(\\d{1,2}(@2x)?\\.gif|setname\\.txt|names\\.txt|\\.quilora-set|"
                       "maker\\.txt|photo\\d{1,2}\\.jpg)$"));
    DIR* dir = ::opendir(native(path).constData());
    if (!dir)
        return Entry::SomethingElse;
    bool own = true;
    if (marked)
        *marked = false;
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        struct stat file {};
        own = own && setFile.match(name).hasMatch() &&
              ::fstatat(::dirfd(dir), entry->d_name, &file, AT_SYMLINK_NOFOLLOW) == 0 &&
              S_ISREG(file.st_mode);
        if (marked && name == kMarker)
            *marked = true;
    }
    ::closedir(dir);
    return own ? Entry::MakersSet : Entry::SomethingElse;
}

// Removes what entryAt() found the maker's: a link as a link, a set's files one by one, then
// its folder. `reason` gets the system's words when something stays.
bool removeEntry(const QString& path, Entry entry, QString& reason) {
    const QByteArray name = native(path);
    if (entry == Entry::Link && ::unlink(name.constData()) != 0) {
        reason = systemReason();
        return false;
    }
    if (entry != Entry::MakersSet)
        return entry != Entry::SomethingElse;
    const QDir folder(path);
    for (const QString& file : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        ::unlink(native(folder.filePath(file)).constData());
    if (::rmdir(name.constData()) != 0) {
        reason = systemReason();
        return false;
    }
    return true;
}

// Folders of an earlier write or removal that was cut short: new ones never moved into place,
// old ones never deleted. Only real folders of the maker's, by name and marker, go.
void removeLeftovers(const QDir& root, int place) {
    static const QRegularExpression leftover(
        QStringLiteral("^\\.img\\d-(new|old)-[A-Za-z0-9]{6}$"));
    const QString prefix = QStringLiteral(".img%1-").arg(place);
    for (const QString& name : root.entryList({prefix + QLatin1Char('*')},
                                              QDir::AllEntries | QDir::Hidden | QDir::System)) {
        bool marked = false;
        const QString path = root.filePath(name);
        QString ignored;
        if (leftover.match(name).hasMatch() && entryAt(path, &marked) == Entry::MakersSet && marked)
            removeEntry(path, Entry::MakersSet, ignored);
    }
}

// A rename within one folder that never replaces what is there.
bool renameFree(const QString& from, const QString& to, QString& reason) {
    int result = ::renameat2(AT_FDCWD, native(from).constData(), AT_FDCWD, native(to).constData(),
                             RENAME_NOREPLACE);
    if (result != 0 && errno == EINVAL) { // a file system that cannot say so itself
        struct stat existing {};
        if (::lstat(native(to).constData(), &existing) == 0)
            errno = EEXIST;
        else
            result = ::rename(native(from).constData(), native(to).constData());
    }
    if (result != 0)
        reason = systemReason();
    return result == 0;
}

// Moves `path` out of the game's sight under a name of the maker's; the new name, or none.
QString stepAside(const QDir& root, int place, const QString& path, QString& reason) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString aside = root.filePath(makersName(place, "old"));
        if (renameFree(path, aside, reason))
            return aside;
        if (errno != EEXIST)
            break;
    }
    return {};
}

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(native(path).toStdString());
}

// Each card's name for a screen reader, Russian then English: a photo card says its name (or its
// number), a name card that it is a name, as the shipped word cards say that they are words.
QStringList spokenNames(const NewSet& set) {
    QStringList lines, nameCards;
    for (int k = 0; k < kPhotosPerSet; ++k) {
        const QString name = tidyName(set.cards[k].name);
        lines.append(set.withNames
                         ? name + QLatin1Char('\t') + name
                         : text(Text::MakerPhotoSpokenName, false).arg(k + 1) + QLatin1Char('\t') +
                               text(Text::MakerPhotoSpokenName, true).arg(k + 1));
        nameCards.append(text(Text::MakerNameSpokenName, false).arg(name) + QLatin1Char('\t') +
                         text(Text::MakerNameSpokenName, true).arg(name));
    }
    return set.withNames ? lines + nameCards : lines;
}

// Text files of a set, as the game reads them: UTF-8, every line ended by CR LF.
QByteArray textLines(const QStringList& lines) {
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

// maker.txt: the kind and the set's name, then for each card its frame (centre and zoom, in the
// photo's pixels, ASCII) and its name. Numbers round-trip exactly, so the cards come back alike.
QStringList editingLines(const NewSet& set) {
    const auto number = [](double value) { return QString::number(value, 'g', 17); };
    QStringList lines{kEditingHeader,
                      QStringLiteral("kind\t") +
                          (set.withNames ? QStringLiteral("names") : QStringLiteral("twice")),
                      QStringLiteral("name\t") + tidyName(set.name)};
    for (int k = 0; k < kPhotosPerSet; ++k) {
        const Crop& crop = set.cards[k].crop;
        lines.append(QStringList{QStringLiteral("card"), QString::number(k),
                                 number(crop.centre().x()), number(crop.centre().y()),
                                 number(crop.zoom()), tidyName(set.cards[k].name)}
                         .join(QLatin1Char('\t')));
    }
    return lines;
}

std::optional<Problem> writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size())
        return Problem{Text::MakerWriteFailed, QDir::toNativeSeparators(path), file.errorString()};
    return {};
}

} // namespace

std::optional<Problem> checkSet(const NewSet& set) {
    qsizetype usable = 0;
    for (const CardChoice& card : set.cards)
        usable += card.photo.isNull() ? 0 : 1;
    if (usable < kPhotosPerSet || set.cards.size() != kPhotosPerSet)
        return Problem{Text::MakerTooFewPhotos, QString::number(usable), {}};
    const QString name = tidyName(set.name);
    if (name.isEmpty())
        return Problem{Text::MakerSetNameMissing, {}, {}};
    if (name.size() > kLongestSetName)
        return Problem{Text::MakerSetNameTooLong, {}, {}};
    if (!set.withNames)
        return {};
    for (int k = 0; k < kPhotosPerSet; ++k) {
        const QString cardName = tidyName(set.cards[k].name);
        if (cardName.isEmpty())
            return Problem{Text::MakerCardNameMissing, QString::number(k + 1), {}};
        if (nameCard(cardName, 1).isNull())
            return Problem{Text::MakerCardNameTooLong, cardName, {}};
    }
    return {};
}

QImage drawCard(const NewSet& set, int card, int scale) {
    const CardChoice& choice = set.cards[card % kPhotosPerSet];
    return card < kPhotosPerSet ? photoCard(choice.photo, choice.crop.rect(), scale)
                                : nameCard(choice.name, scale);
}

QList<QImage> drawCards(const NewSet& set, int scale) {
    QList<QImage> cards;
    for (int k = 0; k < (set.withNames ? 2 : 1) * set.cards.size(); ++k)
        cards.append(drawCard(set, k, scale));
    return cards;
}

QByteArray keptPhoto(const QImage& photo) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return photo.save(&buffer, "jpeg", kKeptQuality) ? bytes : QByteArray();
}

QString playerSetFolder(const QString& userRoot, int place) {
    return QDir(userRoot).filePath(setFolderName(place));
}

bool hasPlayerSet(const QString& userRoot, int place) {
    return core::fileExists(
        QDir(playerSetFolder(userRoot, place)).filePath(QStringLiteral("0.gif")));
}

MakerLock::MakerLock(const QString& userRoot)
    : lock_(QDir(userRoot).filePath(QStringLiteral(".quilora-maker.lock"))) {
    // A lock is never broken for its age, as a long write may hold it; one whose maker has
    // ended is.
    lock_.setStaleLockTime(0);
    std::error_code ignored;
    std::filesystem::create_directories(fsPath(userRoot), ignored);
    errno = 0;
    if (!lock_.tryLock(0))
        reason_ = qt_error_string(errno ? errno : EACCES);
}

std::optional<Problem> writeSet(const QString& userRoot, int place, const NewSet& set,
                                const Progress& progress) {
    if (std::optional<Problem> problem = checkSet(set))
        return problem;
    const MakerLock lock(userRoot);
    if (lock.otherMaker())
        return Problem{Text::MakerLocked, {}, {}};
    if (!lock.held()) // no folder there, or no room for a lock file in it
        return Problem{QFileInfo(userRoot).isDir() ? Text::MakerWriteFailed
                                                   : Text::MakerFolderNotCreated,
                       QDir::toNativeSeparators(userRoot), lock.reason()};
    const QDir root(userRoot);
    removeLeftovers(root, place);
    const QString target = root.filePath(setFolderName(place));
    const Entry old = entryAt(target);
    if (old == Entry::SomethingElse)
        return Problem{Text::MakerNotItsOwn, QDir::toNativeSeparators(target), {}};

    // Beside the target, so that moving it into place is a rename on the same disk; made before
    // the cards are encoded, so that a folder that cannot be written fails at once.
    QString fresh;
    for (int attempt = 0; fresh.isEmpty() && attempt < 100; ++attempt) {
        fresh = root.filePath(makersName(place, "new"));
        if (::mkdir(native(fresh).constData(), 0755) != 0)
            fresh.clear();
        if (fresh.isEmpty() && errno != EEXIST)
            break;
    }
    if (fresh.isEmpty())
        return Problem{Text::MakerFolderNotCreated, QDir::toNativeSeparators(userRoot),
                       systemReason()};
    QString ignoredReason;
    const auto discard = [&](Problem problem) {
        removeEntry(fresh, entryAt(fresh), ignoredReason);
        return problem;
    };

    QList<EncodedFile> files{{kMarker, kMarkerText}};
    const int cards = (set.withNames ? 2 : 1) * kPhotosPerSet;
    for (int k = 0; k < cards; ++k) {
        QString error;
        const QList<QByteArray> gifs =
            encodeGifs({drawCard(set, k, 1), drawCard(set, k, 2)}, k < kPhotosPerSet, &error);
        if (gifs.size() != 2)
            return discard(Problem{Text::MakerEncodeFailed, error, {}});
        files.append({QStringLiteral("%1.gif").arg(k), gifs[0]});
        files.append({QStringLiteral("%1@2x.gif").arg(k), gifs[1]});
        if (progress)
            progress(k + 1, cards);
    }
    const QString setName = tidyName(set.name);
    files.append({QStringLiteral("setname.txt"), textLines({setName, setName})});
    files.append({QStringLiteral("names.txt"), textLines(spokenNames(set))});
    for (int k = 0; k < kPhotosPerSet; ++k) {
        const QByteArray& kept = set.cards[k].kept;
        files.append({keptPhotoName(k), kept.isEmpty() ? keptPhoto(set.cards[k].photo) : kept});
    }
    files.append({kEditing, textLines(editingLines(set))});
    const QDir dir(fresh);
    for (const EncodedFile& file : files)
        if (std::optional<Problem> problem = writeFile(dir.filePath(file.name), file.bytes))
            return discard(*problem);

    // The old set (or a link) steps aside, the new one takes its name, and only then is the old
    // one deleted; should the second rename fail, the old set goes back. A set of the maker's
    // is marked before it steps aside, so that a cut write leaves a leftover it knows.
    QString error, aside;
    if (old == Entry::MakersSet)
        writeFile(QDir(target).filePath(kMarker), kMarkerText);
    if (old != Entry::None && (aside = stepAside(root, place, target, error)).isEmpty())
        return discard(Problem{Text::MakerWriteFailed, QDir::toNativeSeparators(target), error});
    if (!renameFree(fresh, target, error)) {
        if (!aside.isEmpty())
            renameFree(aside, target, ignoredReason);
        return discard(Problem{Text::MakerWriteFailed, QDir::toNativeSeparators(target), error});
    }
    // Should the old set stay, it is a leftover that the next write removes.
    if (!aside.isEmpty())
        removeEntry(aside, old, ignoredReason);
    return {};
}

std::variant<NewSet, Problem> openSet(const QString& userRoot, int place,
                                      const Progress& progress) {
    const MakerLock lock(userRoot); // reading needs no lock of its own where none can be made
    if (lock.otherMaker())
        return Problem{Text::MakerLocked, {}, {}};
    const QString number = QString::number(place + 1);
    if (!hasPlayerSet(userRoot, place))
        return Problem{Text::MakerNothingToRestore, number, {}};
    const QDir folder(playerSetFolder(userRoot, place));
    const auto damaged = [&](const QString& file) {
        return Problem{Text::MakerSetDamaged, number, file};
    };
    const core::FileBytes editing = core::readFile(folder.filePath(kEditing), kEditingBytes);
    if (editing.status == core::ReadStatus::Missing)
        return Problem{Text::MakerSetNotEditable, number, {}};
    const QStringList lines = core::decodeLines(editing.bytes);
    if (editing.status != core::ReadStatus::Read || !editing.whole ||
        lines.size() != 3 + kPhotosPerSet || lines[0] != kEditingHeader)
        return damaged(kEditing);

    NewSet set;
    const QStringList kind = lines[1].split(QLatin1Char('\t'));
    const QStringList name = lines[2].split(QLatin1Char('\t'));
    if (kind.size() != 2 || kind[0] != QLatin1String("kind") ||
        (kind[1] != QLatin1String("names") && kind[1] != QLatin1String("twice")) ||
        name.size() != 2 || name[0] != QLatin1String("name"))
        return damaged(kEditing);
    set.withNames = kind[1] == QLatin1String("names");
    set.name = tidyName(name[1]);
    set.cards.resize(kPhotosPerSet);
    for (int k = 0; k < kPhotosPerSet; ++k) {
        const QStringList card = lines[3 + k].split(QLatin1Char('\t'));
        bool read =
            card.size() == 6 && card[0] == QLatin1String("card") && card[1] == QString::number(k);
        double numbers[3] = {};
        for (int i = 0; read && i < 3; ++i)
            numbers[i] = card[2 + i].toDouble(&read);
        if (!read || !std::isfinite(numbers[0]) || !std::isfinite(numbers[1]) ||
            !std::isfinite(numbers[2]))
            return damaged(kEditing);
        const core::FileBytes kept =
            core::readFile(folder.filePath(keptPhotoName(k)), kKeptPhotoBytes);
        const QImage photo =
            kept.status == core::ReadStatus::Read && kept.whole
                ? core::decodePicture(kept.bytes, QSize(kWorkingLongSide, kWorkingLongSide), "jpeg")
                : QImage();
        if (photo.isNull() || workingSize(photo.size()) != photo.size())
            return damaged(keptPhotoName(k));
        set.cards[k] = {photo.convertToFormat(QImage::Format_RGB32),
                        Crop(photo.size(), {numbers[0], numbers[1]}, numbers[2]), tidyName(card[5]),
                        kept.bytes};
        if (progress)
            progress(k + 1, kPhotosPerSet);
    }
    return set;
}

std::optional<Problem> restoreShipped(const QString& userRoot, int place) {
    const QDir root(userRoot);
    const QString target = root.filePath(setFolderName(place));
    if (entryAt(target) == Entry::None)
        return {};
    const MakerLock lock(userRoot);
    if (!lock.held())
        return lock.otherMaker()
                   ? Problem{Text::MakerLocked, {}, {}}
                   : Problem{Text::MakerRestoreFailed, QString::number(place + 1), lock.reason()};
    removeLeftovers(root, place);
    const Entry old = entryAt(target);
    if (old == Entry::None) // gone while the lock was taken
        return {};
    if (old == Entry::SomethingElse)
        return Problem{Text::MakerNotItsOwn, QDir::toNativeSeparators(target), {}};
    QString error;
    if (old == Entry::Link) { // the link goes, never what it leads to
        if (!removeEntry(target, old, error))
            return Problem{Text::MakerRestoreFailed, QString::number(place + 1), error};
        return {};
    }
    // Out of the game's sight first, in one step; the deletion may then take its time.
    writeFile(QDir(target).filePath(kMarker), kMarkerText);
    const QString aside = stepAside(root, place, target, error);
    if (aside.isEmpty() || !removeEntry(aside, old, error))
        return Problem{Text::MakerRestoreFailed, QString::number(place + 1), error};
    return {};
}

} // namespace quilora::mypictures
