#include "mypictures/picture_set.h"

#include "core/paths.h"
#include "mypictures/cards.h"
#include "mypictures/gif.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <filesystem>
#include <system_error>

namespace quilora::mypictures {
namespace {

struct EncodedFile {
    QString name;
    QByteArray bytes;
};

QString setFolderName(int slot) {
    return QStringLiteral("img%1").arg(slot);
}

// Folders of an earlier write or removal that was cut short: new ones never moved into place,
// old ones never deleted. Neither is a set the game uses.
void removeLeftovers(const QDir& root, int slot) {
    const QString pattern = QStringLiteral(".img%1-*").arg(slot);
    for (const QString& name : root.entryList({pattern}, QDir::Dirs | QDir::Hidden))
        QDir(root.filePath(name)).removeRecursively();
}

QStringList spokenNames(const NewSet& set) {
    QStringList lines;
    for (int k = 0; k < kPhotosPerSet; ++k) {
        const QString name = tidyName(set.cards[k].name);
        lines.append(set.withNames
                         ? name + QLatin1Char('\t') + name
                         : text(Text::MakerPhotoSpokenName, false).arg(k + 1) + QLatin1Char('\t') +
                               text(Text::MakerPhotoSpokenName, true).arg(k + 1));
    }
    if (set.withNames)
        lines += lines;
    return lines;
}

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// A rename within one folder; `reason` gets the system's words for how it went.
bool renameFolder(const QString& from, const QString& to, QString& reason) {
    std::error_code error;
    std::filesystem::rename(fsPath(from), fsPath(to), error);
    reason = QString::fromLocal8Bit(error.message());
    return !error;
}

// Text files of a set, as the game reads them: UTF-8, every line ended by CR LF.
QByteArray textLines(const QStringList& lines) {
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
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

QList<QImage> drawCards(const NewSet& set, int scale) {
    QList<QImage> cards;
    for (const CardChoice& card : set.cards)
        cards.append(photoCard(card.photo, card.crop.rect(), scale));
    if (set.withNames)
        for (const CardChoice& card : set.cards)
            cards.append(nameCard(card.name, scale));
    return cards;
}

QString playerSetFolder(const QString& userRoot, int slot) {
    return QDir(userRoot).filePath(setFolderName(slot));
}

bool hasPlayerSet(const QString& userRoot, int slot) {
    return core::fileExists(
        QDir(playerSetFolder(userRoot, slot)).filePath(QStringLiteral("0.gif")));
}

std::optional<Problem> writeSet(const QString& userRoot, int slot, const NewSet& set) {
    if (std::optional<Problem> problem = checkSet(set))
        return problem;

    // A root that cannot be made shows just below, as the new folder that cannot be made.
    std::error_code ignored;
    std::filesystem::create_directories(fsPath(userRoot), ignored);
    const QDir root(userRoot);
    removeLeftovers(root, slot);
    // Beside the target, so that moving it into place is a rename on the same disk; made before
    // the cards are encoded, so that a folder that cannot be written fails at once.
    QTemporaryDir fresh(root.filePath(QStringLiteral(".img%1-new-XXXXXX").arg(slot)));
    if (!fresh.isValid())
        return Problem{Text::MakerFolderNotCreated, QDir::toNativeSeparators(userRoot),
                       fresh.errorString()};

    QList<EncodedFile> files;
    const QList<QImage> small = drawCards(set, 1), large = drawCards(set, 2);
    for (qsizetype k = 0; k < small.size(); ++k) {
        QString error;
        const QList<QByteArray> gifs = encodeGifs({small[k], large[k]}, k < kPhotosPerSet, &error);
        if (gifs.size() != 2)
            return Problem{Text::MakerEncodeFailed, error, {}};
        files.append({QStringLiteral("%1.gif").arg(k), gifs[0]});
        files.append({QStringLiteral("%1@2x.gif").arg(k), gifs[1]});
    }
    const QString setName = tidyName(set.name);
    files.append({QStringLiteral("setname.txt"), textLines({setName, setName})});
    files.append({QStringLiteral("names.txt"), textLines(spokenNames(set))});
    const QDir dir(fresh.path());
    for (const EncodedFile& file : files)
        if (std::optional<Problem> problem = writeFile(dir.filePath(file.name), file.bytes))
            return problem;

    // The old set steps aside, the new one takes its name, and only then is the old one deleted;
    // should the second rename fail, the old set goes back. Leftovers are gone, so the aside
    // name is free.
    const QString target = root.filePath(setFolderName(slot));
    const QString aside = root.filePath(QStringLiteral(".img%1-old").arg(slot));
    const bool replacing = QFileInfo::exists(target);
    QString error;
    if (replacing && !renameFolder(target, aside, error))
        return Problem{Text::MakerWriteFailed, QDir::toNativeSeparators(target), error};
    if (!renameFolder(fresh.path(), target, error)) {
        QString ignoredReason;
        if (replacing)
            renameFolder(aside, target, ignoredReason);
        return Problem{Text::MakerWriteFailed, QDir::toNativeSeparators(target), error};
    }
    // `fresh` now cleans up a path that is no longer there.
    QDir(aside).removeRecursively();
    return {};
}

std::optional<Problem> restoreShipped(const QString& userRoot, int slot) {
    const QDir root(userRoot);
    const QString target = root.filePath(setFolderName(slot));
    if (!QFileInfo::exists(target))
        return {};
    removeLeftovers(root, slot);
    // Out of the game's sight first, in one step; the deletion may then take its time.
    const QString aside = root.filePath(QStringLiteral(".img%1-old").arg(slot));
    QString error;
    if (!renameFolder(target, aside, error))
        return Problem{Text::MakerRestoreFailed, QString::number(slot + 1), error};
    QDir(aside).removeRecursively();
    return {};
}

} // namespace quilora::mypictures
