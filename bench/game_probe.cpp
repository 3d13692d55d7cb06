// SPDX-License-Identifier: GPL-3.0-or-later
// The game itself, started exactly as the desktop starts it, under the probes of probe.h.

#include "probe.h"

#include "ui/game/form1_window.h"
#include "ui/game/launcher.h"
#include "ui/widgets/card_slot.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quilora::ui::Launcher game(QStringLiteral("org.example.quilora"));
    game.start();
    quilora::ui::Program& program = game.program();
    // Two cards that are not a pair: every click turns one up and the other down.
    const quilora::game::Form1& form = program.models().form;
    int other = 1;
    while (form.CardFile(other) == form.CardFile(0))
        ++other;
    QWidget* window = &program.window();
    return quilora::bench::run(argc, argv, window, [window, other](int i) {
        return window->findChild<QWidget*>(QStringLiteral("Foto%1").arg(i == 0 ? 0 : other));
    });
}
