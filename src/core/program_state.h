#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace quilora::core {

// Program-wide state shared by both windows. It outlives every main-window instance, so a
// reload of the main window keeps the clock counts, the picture folder and the settings.
struct ProgramState {
    QString programFolder; // folder of the executable; every file the game uses lies below it

    std::int16_t ElapsedSeconds = 0;     // whole seconds of the running game
    std::int16_t ElapsedTenths = 0;      // tenths counter used from the tenth pair on
    std::int16_t SavedSeconds = 0;       // ElapsedSeconds as it was when the options dialog opened
    QString PictureFolder;               // folder of the current picture set, ending in a separator
    std::array<QString, 6> SoundFile;    // sound paths; 1 card click, 2 pair found
    std::array<QString, 6> SettingValue; // values read from the settings file, by line
    float Localisation = 0;              // interface language: 0 Russian, 1 English
};

// 16-bit counters stop at their limit instead of wrapping into negative values.
inline std::int16_t saturatingIncrement(std::int16_t value) {
    return value == INT16_MAX ? value : static_cast<std::int16_t>(value + 1);
}

} // namespace quilora::core
