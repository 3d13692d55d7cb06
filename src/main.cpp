// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/launcher.h"
#include "ui/maker/my_pictures_window.h"
#include "ui/together/together_program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.removeAll(QStringLiteral("--my-pictures")) > 0) {
        // The rest are photos or folders of them, as "Open with" from a file manager gives them.
        const auto maker =
            quilora::ui::openMyPictures(QStringLiteral(QUILORA_APP_ID ".mypictures"), arguments);
        return QApplication::exec();
    }
    if (QApplication::arguments().contains(QStringLiteral("--together"))) {
        const quilora::ui::TogetherApp together(QStringLiteral(QUILORA_APP_ID ".together"));
        return QApplication::exec();
    }
    quilora::ui::Launcher game(QStringLiteral(QUILORA_APP_ID));
    game.start();
    return QApplication::exec();
}
