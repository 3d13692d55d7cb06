#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace quilora::core {

// Program-wide state shared by both windows. It outlives every main-window instance, so a
// reload of the main window keeps the clock counts, the picture folder and the settings.
struct ProgramState {
    QString programFolder; // the game's own files: pictures, sounds, help texts
    QString dataFolder;    // the files it writes: records, settings, link shortcut
    // The player's own picture sets (imgN), which take the place of the shipped ones.
    QString userSetsFolder;

    std::int16_t ElapsedSeconds = 0;     // whole seconds of the running game
    std::int16_t ElapsedTenths = 0;      // tenths counter used from the tenth pair on
    std::int16_t SavedSeconds = 0;       // ElapsedSeconds as it was when the options dialog opened
    QString PictureFolder;               // folder of the current picture set, ending in a separator
    std::array<QString, 6> SoundFile;    // sound paths; 1 card click, 2 pair found, 3 to 5 victory
    std::array<QString, 6> SettingValue; // values read from the settings file, by line
    float Localisation = 0;              // interface language: 0 Russian, 1 English

    // Texts of the current language that are shown later, when they are used.
    QString CaptionCloseHelp;
    QString HelpFileName; // relative to the program folder, with a leading backslash
    QString CaptionHelp;
    QString CaptionCloseRecords;
    QString CaptionRecords;
    QString DefaultPlayerName;
    QString MsgVictoryFirst;
    QString MsgVictoryTop10;
    QString MsgVictoryTime;
    QString MsgRecordPrompt;

    QString PlayerName; // the name for the next record

    // The four settings values of a write that failed. They stay in effect for the rest of the
    // run, so a reload does not fall back to an older file.
    std::optional<std::array<QString, 4>> unsavedSettings;
};

// True when the language value is exactly English; any other value counts as Russian.
inline bool isEnglish(const ProgramState& state) {
    return state.Localisation == 1.0f;
}

// 16-bit counters stop at their limit instead of wrapping into negative values.
inline std::int16_t saturatingIncrement(std::int16_t value) {
    return value == INT16_MAX ? value : static_cast<std::int16_t>(value + 1);
}

} // namespace quilora::core
