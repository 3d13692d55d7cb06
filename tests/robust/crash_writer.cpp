// Until killed, rewrites record.txt in the given folder between the table it found and that table
// with a 5-second record, and Quilora.ini between backgrounds 2 and 3, through the game's writers.
#include "core/text_file.h"
#include "support/real_game.h"

#include <cstdio>

using namespace quilora;

int main(int, char** argv) {
    testing::RealGame game(QString::fromLocal8Bit(argv[1]));
    game.platform.localeInfo.numbers = QLocale(QLocale::Russian, QLocale::Russia);
    const QString path = records::recordFilePath(game.state);
    const QStringList table = core::readLines(path).value_or(QStringList());
    std::puts("ready"); // loaded
    std::fflush(stdout);
    for (int round = 0; core::writeLines(path, table) && game.platform.messages.shown.isEmpty();
         ++round) {
        testing::winGame(*game.form, QStringLiteral("5"));
        game.form->cmdEND_Click(2);
        game.dialog().optFon_Click(2 + round % 2);
        game.dialog().cmdNAS_Click(2); // OK: saves, and clears the board for the next game
    }
    return 4; // a write failed or a message was shown
}
