#include "platform/qt_platform.h"
#include "ui/program.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quilora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));

    quilora::platform::ClockSeededRandom random;
    quilora::platform::SystemLocaleInfo localeInfo;
    quilora::platform::QtSoundPlayer sound;
    quilora::platform::QtMessageBox messages;

    quilora::ui::Program program(QApplication::applicationDirPath(),
                                 {random, localeInfo, sound, messages});
    program.start();
    return QApplication::exec();
}
