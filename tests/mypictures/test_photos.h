// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mypictures/maker.h"
#include "support/test_folder.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSemaphore>
#include <QSignalSpy>

#include <algorithm>

namespace quilora::testing {

// Photo `k` of a set: a plain colour of its own, plainly unlike the others', with a dark square at
// its centre. Photo n has hue 30 n; photos 12 and 13, hues 15 and 45, between the others'.
inline QImage photo(int k) {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(k % 12 * 30 + k / 12 * 15, 200, 230));
    QPainter(&image).fillRect(170, 120, 60, 60, Qt::black);
    return image;
}

// Photos 0 to count - 1 as files in `folder`, named by `pattern`.
inline QStringList savePhotos(const QString& folder, const QString& pattern = "photo%1.png",
                              int count = mypictures::kPhotosPerSet) {
    QStringList files;
    for (int k = 0; k < count; ++k) {
        files.append(QDir(folder).filePath(pattern.arg(k)));
        photo(k).save(files.last());
    }
    return files;
}

// The twelve photos, each framed whole, as a set; with name cards when the first card's name is
// given, the others' "Name 2" to "Name 12".
inline mypictures::NewSet setOf(const QString& name, const QString& firstName = {}) {
    mypictures::NewSet set{name, {}, !firstName.isNull()};
    for (int k = 0; k < mypictures::kPhotosPerSet; ++k)
        set.cards.append({photo(k), mypictures::Crop(photo(k).size()),
                          k ? QString("Name %1").arg(k + 1) : firstName});
    return set;
}

// A maker's folders in a fresh folder: no shipped sets, the player's sets in user/, its
// settings in config/.
inline mypictures::MakerFolders foldersIn(const TestFolder& folder) {
    return {folder.path("shipped"), folder.path("user"), folder.path("config/my-pictures.conf")};
}

// Whether two colours are alike, within what scaling and encoding change.
inline bool near(QColor a, QColor b) {
    return std::max({qAbs(a.red() - b.red()), qAbs(a.green() - b.green()),
                     qAbs(a.blue() - b.blue())}) <= 40;
}

// The player's answers, in order, and the questions asked: their kind, "(No)" where No is the
// answer Enter gives, and their text. A question past the answers is answered No.
struct Scripted : mypictures::Questions {
    bool ask(Kind kind, const QString& question, bool yesByDefault) override {
        static const char* const kinds[] = {"ReplaceCards", "OpenSet", "ReplaceSet", "Restore",
                                            "Discard"};
        asked.append(QString(kinds[int(kind)]) + (yesByDefault ? "" : " (No)") + ": " + question);
        return !answers.isEmpty() && answers.takeFirst();
    }
    QList<bool> answers;
    QStringList asked;
};

// Waits for the maker's work to end, however long a busy machine takes.
inline bool finish(mypictures::Maker& maker) {
    return !maker.working() || QSignalSpy(&maker, &mypictures::Maker::workFinished).wait(120000);
}

// Holds the maker's worker before step `at` (photos read, cards written) until `go` is released;
// lets it go at the end, should a check fail midway.
struct Hold {
    explicit Hold(mypictures::Maker& maker, int step) : at(step) {
        maker.beforeStep = [this](int done) {
            if (done == at) {
                reached.release();
                go.acquire();
            }
        };
    }
    ~Hold() { go.release(100); }
    std::atomic<int> at;
    QSemaphore reached, go;
};

} // namespace quilora::testing
