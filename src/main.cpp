#include "ui/launcher.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quilora::ui::Launcher game(QStringLiteral(QUILORA_APP_ID));
    game.start();
    return QApplication::exec();
}
