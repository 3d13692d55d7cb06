// The game itself, started exactly as the desktop starts it, under the probes of probe.h.

#include "probe.h"

#include "ui/card_slot.h"
#include "ui/form1_window.h"
#include "ui/launcher.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quilora::ui::Launcher game(QStringLiteral("org.example.quilora"));
    game.start();
    quilora::ui::Program& program = game.program();
    // Two cards that are not a pair: every click turns one up and the other down.
    int other = 1;
    while (program.form()->CardFile[other] == program.form()->CardFile[0])
        ++other;
    return quilora::bench::run(argc, argv, program.window(), [&program, other](int i) {
        return static_cast<QWidget*>(program.window()->cardSlot(i == 0 ? 0 : other));
    });
}
