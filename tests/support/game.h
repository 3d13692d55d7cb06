// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/program_models.h"
#include "support/fakes.h"
#include "support/test_folder.h"

#include <QDir>
#include <QImage>
#include <QMap>

namespace quilora::testing {

// `count` plainly different pictures in picture set `set` of a program folder: picture n in
// hue 30 n, the sets told apart by brightness. They are PNG data under .gif names; `dense` adds
// each at twice the size as n@2x.gif.
inline void makePictureSet(const QString& programFolder, int set = 0, int count = 12,
                           bool dense = false) {
    const QString folder = QStringLiteral("%1/img%2").arg(programFolder).arg(set);
    QDir().mkpath(folder);
    for (int n = 0; n < count; ++n)
        for (int scale = 1; scale <= (dense ? 2 : 1); ++scale) {
            QImage picture(90 * scale, 80 * scale, QImage::Format_RGB32);
            picture.fill(QColor::fromHsv(n * 15, 255, 220 - 30 * set));
            picture.save(
                QStringLiteral("%1/%2%3.gif").arg(folder).arg(n).arg(scale == 2 ? "@2x" : ""),
                "PNG");
        }
}

// The pairs of the deal on a board, as the rule of play has them.
inline QList<QList<int>> pairsOf(const game::Form1& form) {
    QMap<int, QList<int>> byPair;
    for (int s = 0; s < game::kSlotCount; ++s) {
        const int picture = game::pictureNumber(form.CardFile(s));
        byPair[form.EnglishSet() ? picture % 12 : picture].append(s);
    }
    return byPair.values();
}

// How a test plays a game: cards turned through the player's `click(slot)`, the clock ticked
// through its handlers.
template <typename Player> struct Plays {
    void tick(int seconds, int tenths = 0) const {
        for (int i = 0; i < seconds; ++i)
            self().form().Timer1_Timer();
        for (int i = 0; i < tenths; ++i)
            self().form().Timer2_Timer();
    }
    // Finds the pairs from..to-1 of the deal.
    void findPairs(int from, int to) const {
        const QList<QList<int>> pairs = pairsOf(self().form());
        for (int i = from; i < to; ++i)
            for (int s : pairs[i])
                self().click(s);
    }
    // Wins a game of `seconds` whole seconds and `tenths` tenths.
    void win(int seconds, int tenths = 0) const {
        tick(seconds);
        findPairs(0, 10);
        tick(0, tenths);
        findPairs(10, 12);
    }

private:
    const Player& self() const { return static_cast<const Player&>(*this); }
};

// A main window's models in fake surroundings, without widgets, made as the program makes them,
// in a fresh folder that is both the program and the data folder: what a test writes there
// before start() is what the game finds. Set 0 holds `pictures` pictures (12 or 24); unless `dealt`
// is false, the draws deal picture s % pictures to slot s, so that slots s and s + 12 are partners.
struct Game : TestFolder, Plays<Game> {
    explicit Game(int pictures = 12, bool start = true, bool dealt = true) {
        makePictureSet(dir.path(), 0, pictures);
        for (int s = 0; dealt && s < game::kSlotCount; ++s)
            platform.random.script << (s % pictures + 0.5f) / pictures
                                   << (s + 0.5f) / game::kSlotCount;
        if (start)
            this->start();
    }
    // A game whose settings file holds these bytes (none if null) when it loads.
    explicit Game(const QByteArray& settings) : Game(12, false) {
        if (!settings.isNull())
            writeFile(QStringLiteral("Quilora.ini"), settings);
        start();
    }
    // Loads a main window; again, it replaces the one before, as a reload does.
    void start() { program.reload(); }

    game::Form1& form() const { return program.current().form; }
    settings::Form2& options() const { return program.current().options; }
    records::RecordBook& records() const { return program.current().records; }
    language::Captions& captions() const { return program.current().captions; }

    void click(int slot) const { form().Foto_Click(slot); }

    FakePlatform platform;
    app::ProgramModels program{{dir.path(), dir.path(), {}}, platform.services()};
};

} // namespace quilora::testing
