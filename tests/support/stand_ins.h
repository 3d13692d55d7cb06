#pragma once

#include "core/paths.h"
#include "game/form1.h"

namespace quilora::testing {

// What the main window's logic needs of the options dialog and the records, in their simplest
// form: picture set 0 on the plain grey background with sound on, and no records.

class StandInOptionsDialog final : public game::OptionsDialog {
public:
    explicit StandInOptionsDialog(game::Form1& form) : form_(form) {}
    void ChooseIni() override {
        core::ProgramState& program = form_.program();
        for (int i = 0; i < 6; ++i)
            program.SoundFile[i] = QStringLiteral("sound%1").arg(i);
    }
    void SetColor() override {}
    int selectedPictureSet() const override { return 0; }
    QString pictureSetCaption(int index) const override { return index == 0 ? setName : QString(); }
    QString setName = QStringLiteral("Animals");

private:
    game::Form1& form_;
};

struct RecordBookCalls {
    int checks = 0;
    int writes = 0;
};

class StandInRecordBook final : public game::RecordBook {
public:
    explicit StandInRecordBook(RecordBookCalls* calls) : calls_(calls) {}
    void ProverkaRekorda() override { ++calls_->checks; }
    void ZapisRecord() override { ++calls_->writes; }
    void showOrHideRecords() override {}
    void showOrHideHelp() override {}
    void sortRecords(int) override {}

private:
    RecordBookCalls* calls_;
};

inline game::Form1Extensions standInExtensions(RecordBookCalls* calls) {
    game::Form1Extensions extensions;
    extensions.optionsDialog = [](game::Form1& form) {
        return std::make_unique<StandInOptionsDialog>(form);
    };
    extensions.recordBook = [calls](game::Form1&) {
        return std::make_unique<StandInRecordBook>(calls);
    };
    return extensions;
}

} // namespace quilora::testing
