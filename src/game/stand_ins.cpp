#include "game/stand_ins.h"

#include "core/paths.h"

namespace quilora::game {

void StandInOptionsDialog::ChooseIni() {
    selected_ = 0;
    static const std::array<const char*, 6> sounds = {
        "\\sounds\\No.wav",      "\\sounds\\click1.wav",   "\\sounds\\click2.wav",
        "\\sounds\\victory.wav", "\\sounds\\victory1.wav", "\\sounds\\victory10.wav"};
    core::ProgramState& program = form_.program();
    for (std::size_t i = 0; i < sounds.size(); ++i)
        program.SoundFile[i] = core::programPath(program.programFolder, QLatin1String(sounds[i]));
}

void StandInOptionsDialog::SetColor() {
    form_.cardColour = {200, 200, 200};
    form_.windowColour = Rgb{180, 180, 180};
    form_.windowPicture.clear();
    form_.panelColour = form_.cardColour;
}

void StandInResultCheck::ProverkaRekorda() {
    VictoryPanel& panel = form_.Frame2;
    panel.txtRecEnabled = false;
    panel.cmdENDEnabled[2] = false;
    panel.optKartinkaEnabled = {false, false, false};
}

} // namespace quilora::game
