// Rewrites record.txt in the given folder between the table it found and that table with a
// 5-second record, and Quilora.ini between backgrounds 2 and 3, through the game's writers,
// saying "wrote" after each write. With a second argument n it stops after n writes, says
// "waiting" and waits to be killed; otherwise it goes on until killed.
#include "core/text_file.h"
#include "support/game.h"

#include <cstdio>

using namespace quilora;

namespace {

bool reported(bool wrote, int& budget) {
    if (!wrote)
        return false;
    std::puts("wrote");
    std::fflush(stdout);
    return --budget != 0;
}

} // namespace

int main(int argc, char** argv) {
    testing::Game game(12, false);
    game.program.folders = {QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[1]), {}};
    game.platform.localeInfo.numbers = QLocale(QLocale::Russian, QLocale::Russia);
    game.start();
    int budget = argc > 2 ? std::atoi(argv[2]) : -1;
    const QString path = records::recordFilePath(game.program.folders);
    const QStringList table = core::readLines(path).value_or(QStringList());
    std::puts("ready");
    std::fflush(stdout);
    for (int round = 0; budget != 0; ++round) {
        if (!reported(core::writeLines(path, table), budget))
            break;
        game.win(5);
        game.form().cmdEND_Click(2);
        if (!reported(game.platform.messages.shown.isEmpty(), budget))
            break;
        game.options().optFon_Click(2 + round % 2);
        game.options().cmdNAS_Click(2); // OK: saves, and clears the board for the next game
        if (!reported(game.platform.messages.shown.isEmpty(), budget))
            break;
    }
    if (!game.platform.messages.shown.isEmpty())
        return 4; // a write failed
    std::puts("waiting");
    std::fflush(stdout);
    std::getchar(); // until killed
    return 0;
}
