#pragma once

#include "game/form1.h"

namespace quilora::language {

// Puts a language into effect: 0 Russian, 1 English. The language label nearest to the value
// is highlighted and the value is kept; only the exact values 0 and 1 change the captions of
// both windows and the texts shown later. `dialog` receives the options dialog's captions.
void SetLanguage(game::Form1& form, float language, game::DialogCaptions* dialog);

} // namespace quilora::language
