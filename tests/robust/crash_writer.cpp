// Rewrites record.txt and Quilora.ini in the folder it is given, through the game's own
// writers, until it is killed: record.txt goes back and forth between the table it found and
// that table with a 5-second record stored, Quilora.ini between backgrounds 2 and 3. It prints
// "ready" once it has loaded; it exits early only when a write fails.
#include "core/text_file.h"
#include "records/record_book.h"
#include "settings/form2.h"
#include "support/fakes.h"
#include "support/play.h"

#include <cstdio>

using namespace quilora;

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    testing::FakePlatform platform;
    platform.localeInfo.numbers = QLocale(QLocale::Russian, QLocale::Russia);
    core::ProgramState state;
    state.programFolder = state.dataFolder = QString::fromLocal8Bit(argv[1]);
    game::Form1Extensions extensions;
    extensions.optionsDialog = [](game::Form1& form) {
        return std::make_unique<settings::Form2>(form);
    };
    extensions.recordBook = [](game::Form1& form) {
        return std::make_unique<records::Records>(form);
    };
    game::Form1 form(state, platform.services(), extensions);
    form.Form_Load();
    auto& dialog = static_cast<settings::Form2&>(*form.optionsDialog());
    const QString path = records::recordFilePath(state);
    const std::optional<QStringList> table = core::readLines(path);
    if (!table)
        return 3;
    std::puts("ready");
    std::fflush(stdout);

    for (int round = 0;; ++round) {
        if (!core::writeLines(path, *table))
            return 4;
        testing::winGame(form, QStringLiteral("5"));
        form.cmdEND_Click(2);
        dialog.optFon_Click(2 + round % 2);
        dialog.cmdNAS_Click(2); // OK: saves, and clears the board for the next game
        if (!platform.messages.shown.isEmpty())
            return 5;
    }
}
