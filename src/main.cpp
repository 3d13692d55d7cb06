#include "ui/launcher.h"
#include "ui/my_pictures_window.h"
#include "ui/together/together_program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (QApplication::arguments().contains(QStringLiteral("--my-pictures"))) {
        const auto maker =
            quilora::ui::openMyPictures(QStringLiteral(QUILORA_APP_ID ".mypictures"));
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
