// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_book.h"

#include <optional>

namespace quilora::app {

// What the program keeps for the whole run, whatever main window shows it.
struct ProgramWide {
    core::Folders folders;
    game::ProgramGame game;
    settings::ProgramSettings settings;
    language::ProgramLanguage language;
};

// The models of one main window, made in the order they need each other, and loaded: the
// options dialog reads the settings, the board is dealt.
struct MainWindowModels {
    MainWindowModels(ProgramWide& program, platform::Services services);

    language::Captions captions;
    game::Form1 form;
    settings::Form2 options;
    records::RecordBook records;
};

// The program below its windows: what it keeps for the whole run, and the models of the main
// window shown now, which a reload replaces by fresh ones.
class ProgramModels {
public:
    ProgramModels(const core::Folders& folders, platform::Services services);
    ~ProgramModels();

    // Removes what writes cut short by a crash left in the data folder, then loads the first
    // main window's models.
    void start();
    // Discards the main window's models, then makes and loads fresh ones. Whatever shows the old
    // ones must be gone by then.
    void reload();

    ProgramWide& programWide() { return program_; }
    MainWindowModels& current() const { return *current_; }

private:
    ProgramWide program_;
    platform::Services services_;
    // Held by value: emplace() ends the old models before it makes the fresh ones. Mutable, as
    // current() hands them out from a const program as a pointer would.
    mutable std::optional<MainWindowModels> current_;
};

} // namespace quilora::app
