#include "mypictures/picture_set.h"

#include "core/paths.h"
#include "core/text_file.h"
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

// A rename within one folder, with the system's reason when it fails.
bool renameFolder(const QString& from, const QString& to, QString* reason) {
    std::error_code error;
    std::filesystem::rename(fsPath(from), fsPath(to), error);
    if (error && reason)
        *reason = QString::fromLocal8Bit(error.message());
    return !error;
}

std::optional<Problem> writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size())
        return Problem{Text::MakerWriteFailed, QDir::toNativeSeparators(path), file.errorString()};
    return std::nullopt;
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
        return std::nullopt;
    for (int k = 0; k < kPhotosPerSet; ++k) {
        const QString cardName = tidyName(set.cards[k].name);
        if (cardName.isEmpty())
            return Problem{Text::MakerCardNameMissing, QString::number(k + 1), {}};
        if (nameCard(cardName, 1).isNull())
            return Problem{Text::MakerCardNameTooLong, cardName, {}};
    }
    return std::nullopt;
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

    const QString nativeRoot = QDir::toNativeSeparators(userRoot);
    std::error_code made;
    std::filesystem::create_directories(fsPath(userRoot), made);
    if (made)
        return Problem{Text::MakerFolderNotCreated, nativeRoot,
                       QString::fromLocal8Bit(made.message())};

    // Then everything else that can fail, before the set's own folder is touched.
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

    const QDir root(userRoot);
    removeLeftovers(root, slot);
    // Beside the target, so that moving it into place is a rename on the same disk.
    QTemporaryDir fresh(root.filePath(QStringLiteral(".img%1-new-XXXXXX").arg(slot)));
    if (!fresh.isValid())
        return Problem{Text::MakerFolderNotCreated, nativeRoot, fresh.errorString()};
    const QDir dir(fresh.path());
    for (const EncodedFile& file : files)
        if (std::optional<Problem> problem = writeFile(dir.filePath(file.name), file.bytes))
            return problem;
    const QString setName = tidyName(set.name);
    QString error;
    if (!core::writeLines(dir.filePath(QStringLiteral("setname.txt")), {setName, setName},
                          &error) ||
        !core::writeLines(dir.filePath(QStringLiteral("names.txt")), spokenNames(set), &error))
        return Problem{Text::MakerWriteFailed, QDir::toNativeSeparators(fresh.path()), error};

    // The old set steps aside, the new one takes its name, and only then is the old one deleted;
    // should the second rename fail, the old set goes back.
    const QString target = setFolderName(slot);
    QString aside;
    if (QFileInfo::exists(root.filePath(target))) {
        QTemporaryDir name(root.filePath(QStringLiteral(".img%1-old-XXXXXX").arg(slot)));
        if (!name.isValid())
            return Problem{Text::MakerFolderNotCreated, nativeRoot, name.errorString()};
        aside = name.path();
        name.remove();
        if (!renameFolder(root.filePath(target), aside, &error))
            return Problem{Text::MakerWriteFailed, QDir::toNativeSeparators(root.filePath(target)),
                           error};
    }
    if (!renameFolder(fresh.path(), root.filePath(target), &error)) {
        if (!aside.isEmpty())
            renameFolder(aside, root.filePath(target), nullptr);
        return Problem{Text::MakerWriteFailed, QDir::toNativeSeparators(root.filePath(target)),
                       error};
    }
    fresh.setAutoRemove(false);
    if (!aside.isEmpty())
        QDir(aside).removeRecursively();
    return std::nullopt;
}

std::optional<Problem> restoreShipped(const QString& userRoot, int slot) {
    const QDir root(userRoot);
    const QString target = root.filePath(setFolderName(slot));
    if (!QFileInfo::exists(target))
        return std::nullopt;
    removeLeftovers(root, slot);
    // Out of the game's sight first, in one step; the deletion may then take its time.
    QTemporaryDir name(root.filePath(QStringLiteral(".img%1-old-XXXXXX").arg(slot)));
    if (!name.isValid())
        return Problem{Text::MakerRestoreFailed, QString::number(slot), name.errorString()};
    const QString aside = name.path();
    name.remove();
    QString error;
    if (!renameFolder(target, aside, &error))
        return Problem{Text::MakerRestoreFailed, QString::number(slot), error};
    QDir(aside).removeRecursively();
    return std::nullopt;
}

} // namespace quilora::mypictures
