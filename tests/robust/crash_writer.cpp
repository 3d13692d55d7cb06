// Rewrites record.txt and Quilora.ini in the folder it is given, through the game's own
// writers, until it is killed: record.txt goes back and forth between the table it found and
// that table with a 5-second record stored, Quilora.ini between backgrounds 2 and 3. It prints
// "ready" once it has loaded; it exits early only when a write fails.
#include "core/text_file.h"
#include "support/real_game.h"

#include <cstdio>

using namespace quilora;

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    testing::RealGame game(QString::fromLocal8Bit(argv[1]));
    game.platform.localeInfo.numbers = QLocale(QLocale::Russian, QLocale::Russia);
    const QString path = records::recordFilePath(game.state);
    const std::optional<QStringList> table = core::readLines(path);
    if (!table)
        return 3;
    std::puts("ready");
    std::fflush(stdout);

    for (int round = 0;; ++round) {
        if (!core::writeLines(path, *table))
            return 4;
        testing::winGame(*game.form, QStringLiteral("5"));
        game.form->cmdEND_Click(2);
        game.dialog().optFon_Click(2 + round % 2);
        game.dialog().cmdNAS_Click(2); // OK: saves, and clears the board for the next game
        if (!game.platform.messages.shown.isEmpty())
            return 5;
    }
}
