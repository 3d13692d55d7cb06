#pragma once

#include "core/paths.h"
#include "game/form1.h"

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

} // namespace quilora::testing
