// Quilora.ini as found in the data folder. Reading it and putting it into effect gives choices
// the windows can show, and the file the game then writes gives the same choices at the next start.
#include "fuzz_check.h"
#include "settings/form2.h"
#include "settings/settings_file.h"
#include "support/game.h"

#include <cmath>

using namespace quilora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QDir folder = fuzz::workFolder();
    const QString path = folder.filePath(QStringLiteral("Quilora.ini"));
    fuzz::writeFile(path, fuzz::bytesOf(data, size));

    const std::optional<settings::Slots> values = settings::readSettingsFile(path);
    FUZZ_CHECK(values);
    const settings::Choices choices = settings::interpret(*values);
    // The choices a file can give are those the windows can show; a language between 0 and 1
    // is shown as the nearer of the two.
    const double language = std::nearbyint(double(choices.language));
    FUZZ_CHECK(choices.background >= 0 && choices.background < settings::kChoices &&
               choices.pictureSet >= 0 && choices.pictureSet < settings::kChoices &&
               choices.sound >= 0 && choices.sound <= 2 && std::isfinite(choices.language) &&
               (language == 0 || language == 1));

    // The main window and its options dialog load from that folder; OK saves, and the program
    // started again finds the same choices.
    for (int start = 0; start < 2; ++start) {
        testing::Game game(12, false, false);
        game.program.folders = {folder.path(), folder.path(), {}};
        game.start();
        settings::Form2& dialog = game.options();
        FUZZ_CHECK(dialog.optFon() == choices.background && dialog.optP() == choices.pictureSet &&
                   dialog.chkS() == choices.sound &&
                   game.captions().program().Localisation() == choices.language);
        const QString pictures = game.form().PictureFolder();
        FUZZ_CHECK(pictures == folder.path() + QStringLiteral("/img%1/").arg(choices.pictureSet));
        for (int s = 0; s < game::kSlotCount; ++s)
            FUZZ_CHECK(game.form().CardFile(s).startsWith(pictures));
        dialog.cmdNAS_Click(2);
        FUZZ_CHECK(game.platform.messages.shown.isEmpty());
    }
    return 0;
}
