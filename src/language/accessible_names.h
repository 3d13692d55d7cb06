#pragma once

#include "game/form1.h"

#include <QStringList>

namespace quilora::language {

// What a screen reader says for the board and for the controls that show no words of their
// own, in the current language.

// A picture set's picture names, line k for picture k of its names.txt: Russian, a tab,
// English.
struct PictureNames {
    QStringList russian;
    QStringList english;
};
PictureNames readPictureNames(const QString& pictureFolder);

// "row 2, card 3, face down", "row 2, card 3: cat" or "row 2, card 3, found: cat".
QString cardName(const game::Form1& form, int slot, const PictureNames& names);

enum class Control {
    Board,
    Clock,
    VictoryPanel,
    NameBox,
    Boy,
    Girl,
    Friend,
    RecordsList,
    HelpText,
    Russian,
    English,
    SiteLink,
    Homepage,
    SoundOn,    // the sound label while the sound is on
    SoundOff,   // and while it is off
    Background, // a background option, followed by its number
};
QString controlName(Control control, bool english);

// The icon a records list row shows, in words: "boy", "girl", "friend", or nothing.
QString iconName(int icon, bool english);

} // namespace quilora::language
