// SPDX-License-Identifier: GPL-3.0-or-later
// Rewrites record.txt in the given folder between the table it found and that table with a
// 5-second record, through the game's writer, saying "wrote" after each write. It stops after the
// number of writes given (-1: never) and waits to be killed.
#include "core/text_file.h"
#include "support/game.h"

#include <cstdio>

using namespace quilora;

int main(int, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0); // each report reaches the test as it is made
    testing::Game game(12, false);
    core::Folders& folders = game.program.programWide().folders;
    folders = {QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[1]), {}};
    game.platform.localeInfo.numbers = QLocale(QLocale::Russian, QLocale::Russia);
    game.start();
    const QString path = records::recordFilePath(folders);
    const QStringList table = core::readLines(path, 1 << 20).value_or(QStringList());
    std::puts("ready");
    for (int n = 0; n != std::atoi(argv[2]); ++n) {
        if (n % 2 == 0 && !core::writeLines(path, table))
            return 4;
        if (n % 2 == 1) {
            game.win(5);
            game.form().cmdEND_Click(2);
            game.form().cmdTOP_Click(0); // Clear: the board for the next game
        }
        std::puts("wrote");
    }
    std::getchar(); // until killed
    return 0;
}
