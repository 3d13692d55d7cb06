#pragma once

#include "game/form1.h"
#include "records/record_book.h"
#include "settings/form2.h"
#include "support/fakes.h"

#include <QMap>

#include <memory>

namespace quilora::testing {

// The pairs of a deal from a set of 12 pictures, which lie on the cards of the same picture.
inline QList<QList<int>> pairsOfTheDeal(const game::Form1& form) {
    QMap<QString, QList<int>> byPicture;
    for (int s = 0; s < game::kSlotCount; ++s)
        byPicture[form.CardFile[s]].append(s);
    return byPicture.values();
}

// Finds every pair; the clock shows `time` when the last one is found.
inline void winGame(game::Form1& form, const QString& time) {
    const QList<QList<int>> pairs = pairsOfTheDeal(form);
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        if (i == pairs.size() - 1)
            form.lblTime = time;
        form.Foto_Click(pairs[i][0]);
        form.Foto_Click(pairs[i][1]);
    }
}

// The options dialog and the records the game itself puts behind the main window.
inline void useRealParts(game::Form1Extensions& extensions) {
    extensions.optionsDialog = [](game::Form1& form) {
        return std::make_unique<settings::Form2>(form);
    };
    extensions.recordBook = [](game::Form1& form) {
        return std::make_unique<records::Records>(form);
    };
}

inline settings::Form2& optionsOf(game::Form1& form) {
    return static_cast<settings::Form2&>(*form.optionsDialog());
}

// A main window with those parts, loaded from `folder` as its program and data folder.
struct RealGame : LoadedGame {
    explicit RealGame(const QString& folder) {
        game::Form1Extensions extensions;
        useRealParts(extensions);
        load(folder, extensions);
    }
    settings::Form2& dialog() const { return optionsOf(*form); }
};

} // namespace quilora::testing
