#pragma once

#include "core/paths.h"
#include "core/program_state.h"
#include "game/form1.h"
#include "support/fakes.h"
#include "support/test_folder.h"

#include <functional>
#include <memory>

namespace quilora::testing {

// What the main window's logic needs of the options dialog and the records, in their simplest
// form: picture set 0 on the plain grey background with sound on, and no records.

class StandInOptionsDialog final : public game::OptionsDialog {
public:
    explicit StandInOptionsDialog(game::Form1& form, int set = 0) : form_(form), set_(set) {}
    void ChooseIni() override {
        core::ProgramState& program = form_.program();
        for (int i = 0; i < 6; ++i)
            program.SoundFile[i] = QStringLiteral("sound%1").arg(i);
    }
    void SetColor() override {}
    int selectedPictureSet() const override { return set_; }
    QString pictureSetCaption(int index) const override { return index == 0 ? setName : QString(); }
    QString setName = QStringLiteral("Animals");

private:
    game::Form1& form_;
    int set_;
};

class StandInRecordBook final : public game::RecordBook {
public:
    void ProverkaRekorda() override {}
    void ZapisRecord() override {}
    void showOrHideRecords() override {}
    void showOrHideHelp() override {}
    void sortRecords(int) override {}
};

inline game::Form1Extensions standInExtensions() {
    game::Form1Extensions extensions;
    extensions.optionsDialog = [](game::Form1& form) {
        return std::make_unique<StandInOptionsDialog>(form);
    };
    extensions.recordBook = [](game::Form1&) { return std::make_unique<StandInRecordBook>(); };
    return extensions;
}

// A loaded main window whose board is laid out so that slots s and s + 12 are partners:
// slot s shows picture s % 12 of a 12-picture set, or picture s of a 24-picture set. The
// options dialog and the records are stand-ins unless `customise` puts others in.
struct GameFixture : TestFolder, LoadedGame {
    explicit GameFixture(bool twentyFourPictures,
                         const std::function<void(game::Form1Extensions&)>& customise = {}) {
        game::Form1Extensions extensions = standInExtensions();
        if (customise)
            customise(extensions);
        load(dir.path(), extensions);
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
};

} // namespace quilora::testing
