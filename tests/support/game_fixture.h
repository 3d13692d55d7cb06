#pragma once

#include "core/program_state.h"
#include "game/form1.h"
#include "support/fakes.h"
#include "support/stand_ins.h"
#include "support/test_folder.h"

#include <functional>
#include <memory>

namespace quilora::testing {

// A loaded main window whose board is laid out so that slots s and s + 12 are partners:
// slot s shows picture s % 12 of a 12-picture set, or picture s of a 24-picture set. The
// options dialog and the records are stand-ins unless `customise` puts others in.
struct GameFixture : TestFolder {
    explicit GameFixture(bool twentyFourPictures,
                         const std::function<void(game::Form1Extensions&)>& customise = {}) {
        state.programFolder = dir.path();
        state.dataFolder = dir.path();
        game::Form1Extensions extensions = standInExtensions();
        if (customise)
            customise(extensions);
        form = std::make_unique<game::Form1>(state, platform.services(), extensions);
        form->Form_Load();
        state.SoundFile[1] = QStringLiteral("click");
        state.SoundFile[2] = QStringLiteral("pair");
        for (int s = 0; s < game::kSlotCount; ++s)
            form->CardFile[s] =
                state.PictureFolder + QString::number(twentyFourPictures ? s : s % 12) + ".gif";
        form->EnglishSet = twentyFourPictures ? -1 : 0;
    }

    QList<int> faceUp() const {
        return where([this](int s) { return !form->FotoPicture[s].isEmpty(); });
    }
    QList<int> matched() const {
        return where([this](int s) { return form->CardMatched[s] == -1; });
    }
    static QList<int> where(const std::function<bool(int)>& holds) {
        QList<int> cards;
        for (int s = 0; s < game::kSlotCount; ++s)
            if (holds(s))
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

    // Wins a game whose clock shows `time`.
    void win(const QString& time) {
        findPairs(11);
        form->lblTime = time;
        click({11, 23});
    }

    FakePlatform platform;
    core::ProgramState state;
    std::unique_ptr<game::Form1> form;
};

} // namespace quilora::testing
