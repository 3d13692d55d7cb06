#pragma once

#include "core/program_state.h"
#include "game/form1.h"
#include "support/fakes.h"

#include <QTemporaryDir>

#include <memory>

namespace quilora::testing {

// A loaded main window whose board is laid out so that slots s and s + 12 are partners:
// slot s shows picture s % 12 of a 12-picture set, or picture s of a 24-picture set.
struct GameFixture {
    explicit GameFixture(bool twentyFourPictures) {
        state.programFolder = dir.path();
        form = std::make_unique<game::Form1>(state, platform.services());
        form->Form_Load();
        state.SoundFile[1] = QStringLiteral("click");
        state.SoundFile[2] = QStringLiteral("pair");
        for (int s = 0; s < game::kSlotCount; ++s)
            form->CardFile[s] =
                state.PictureFolder + QString::number(twentyFourPictures ? s : s % 12) + ".gif";
        form->EnglishSet = twentyFourPictures ? -1 : 0;
    }

    QList<int> faceUp() const {
        QList<int> cards;
        for (int s = 0; s < game::kSlotCount; ++s)
            if (!form->FotoPicture[s].isEmpty())
                cards.append(s);
        return cards;
    }

    QList<int> matched() const {
        QList<int> cards;
        for (int s = 0; s < game::kSlotCount; ++s)
            if (form->CardMatched[s] == -1)
                cards.append(s);
        return cards;
    }

    void click(const QList<int>& cards) {
        for (int s : cards)
            form->Foto_Click(s);
    }

    // Finds the pairs of slots 0 to count - 1 with their partners.
    void findPairs(int count) {
        for (int s = 0; s < count; ++s)
            click({s, s + 12});
    }

    QTemporaryDir dir;
    FakePlatform platform;
    core::ProgramState state;
    std::unique_ptr<game::Form1> form;
};

} // namespace quilora::testing
