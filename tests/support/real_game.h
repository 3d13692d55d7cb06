#pragma once

#include "records/record_book.h"
#include "settings/form2.h"
#include "support/fakes.h"
#include "support/play.h"

#include <memory>

namespace quilora::testing {

// The options dialog and the records the game itself puts behind the main window.
inline void useRealParts(game::Form1Extensions& extensions) {
    extensions.optionsDialog = [](game::Form1& form) {
        return std::make_unique<settings::Form2>(form);
    };
    extensions.recordBook = [](game::Form1& form) {
        return std::make_unique<records::Records>(form);
    };
}

inline settings::Form2& optionsOf(game::Form1& form) {
    return static_cast<settings::Form2&>(*form.optionsDialog());
}

// A main window with those parts, loaded from `folder` as its program and data folder.
struct RealGame {
    explicit RealGame(const QString& folder) {
        state.programFolder = state.dataFolder = folder;
        game::Form1Extensions extensions;
        useRealParts(extensions);
        form = std::make_unique<game::Form1>(state, platform.services(), extensions);
        form->Form_Load();
    }
    settings::Form2& dialog() const { return optionsOf(*form); }

    FakePlatform platform;
    core::ProgramState state;
    std::unique_ptr<game::Form1> form;
};

} // namespace quilora::testing
