// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/together/solo_look.h"

namespace quilora::ui {

// The solo window is never loaded: its options read the settings file and the sets' names.
SoloLook::SoloLook(const core::Folders& folders, platform::Services services)
    : captions_(language_), form1_(game_, folders, services, captions_),
      options_(settings_, form1_, captions_, services) {
    options_.SetColor();
}

SoloLook::~SoloLook() = default;

together::Sounds SoloLook::sounds() const {
    return {options_.SoundFile(1), options_.SoundFile(2)};
}

QString SoloLook::pictureSetName(int set) const {
    const QString name = options_.pictureSetCaption(set);
    return name.isEmpty() ? text(language::Text::TogetherUnnamedSet).arg(set + 1) : name;
}

} // namespace quilora::ui
