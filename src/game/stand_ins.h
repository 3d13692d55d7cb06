#pragma once

#include "game/form1.h"

namespace quilora::game {

// Used until settings and records exist: picture set 0 on the plain grey background with sound
// on, and a finished game only shows its time, with nothing to record.

class StandInOptionsDialog final : public OptionsDialog {
public:
    explicit StandInOptionsDialog(Form1& form) : form_(form) {}
    void ChooseIni() override;
    void SetColor() override;
    int selectedPictureSet() const override { return selected_; }

private:
    Form1& form_;
    int selected_ = -1;
};

class StandInResultCheck final : public ResultCheck {
public:
    explicit StandInResultCheck(Form1& form) : form_(form) {}
    void ProverkaRekorda() override;

private:
    Form1& form_;
};

} // namespace quilora::game
