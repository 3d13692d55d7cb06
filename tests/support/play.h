#pragma once

#include "game/form1.h"

#include <QMap>

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

} // namespace quilora::testing
