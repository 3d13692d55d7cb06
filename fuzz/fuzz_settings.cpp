// Quilora.ini as found in the data folder. Reading it and putting it into effect gives choices
// the windows can show, and the file the game then writes gives the same choices at the next start.
#include "fuzz_check.h"
#include "settings/form2.h"
#include "settings/settings_file.h"
#include "support/game.h"

#include <cmath>

using namespace quilora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing::Game game(fuzz::bytesOf(data, size));
    // A file that cannot be read throws here, which the fuzzer reports too.
    const settings::Choices choices =
        settings::interpret(settings::readSettingsFile(game.path("Quilora.ini")).value());
    // The choices a file can give are those the windows can show; a language between 0 and 1
    // is shown as the nearer of the two.
    const double language = std::nearbyint(double(choices.language));
    FUZZ_CHECK(choices.background >= 0 && choices.background < settings::kChoices &&
               choices.pictureSet >= 0 && choices.pictureSet < settings::kChoices &&
               choices.sound >= 0 && choices.sound <= 2 && std::isfinite(choices.language) &&
               (language == 0 || language == 1));

    // The main window and its options dialog load from that folder; OK saves, and the models
    // loaded again find the same choices.
    for (int start = 0; start < 2; ++start) {
        game.start();
        settings::Form2& dialog = game.options();
        FUZZ_CHECK(dialog.optFon() == choices.background && dialog.optP() == choices.pictureSet &&
                   dialog.chkS() == choices.sound &&
                   game.captions().program().Localisation() == choices.language);
        FUZZ_CHECK(game.form().PictureFolder() ==
                   game.path(QStringLiteral("img%1/").arg(choices.pictureSet)));
        dialog.cmdNAS_Click(2);
        FUZZ_CHECK(game.platform.messages.shown.isEmpty());
    }
    return 0;
}
