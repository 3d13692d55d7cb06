#include "game/stand_ins.h"

namespace quilora::game {

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
