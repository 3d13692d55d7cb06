// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/form2.h"
#include "together/match.h"

namespace quilora::ui {

// The solo game's choices as its settings file holds them, read once through the solo game's
// own options: the language, the background and colours, the sounds, the picture sets and their
// names. Nothing is ever written.
class SoloLook {
public:
    SoloLook(const core::Folders& folders, platform::Services services);
    ~SoloLook();

    language::Language language() const { return language_.spoken(); }
    QString text(language::Text id) const { return language_.text(id); }
    const settings::Appearance& appearance() const { return options_.appearance(); }
    together::Sounds sounds() const;
    // The picture set the solo game plays.
    int pictureSet() const { return options_.optP(); }
    // The set's name as the options window shows it, or "Set 3" when it has none.
    QString pictureSetName(int set) const;
    const core::Folders& folders() const { return form1_.folders(); }

private:
    game::ProgramGame game_;
    settings::ProgramSettings settings_;
    language::ProgramLanguage language_;
    language::Captions captions_;
    game::Form1 form1_;
    settings::Form2 options_;
};

} // namespace quilora::ui
