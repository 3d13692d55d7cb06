#include "core/paths.h"
#include "platform/qt_platform.h"
#include "ui/program.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quilora"));
    // Lets the desktop match the window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILORA_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));

    quilora::platform::ClockSeededRandom random;
    quilora::platform::SystemLocaleInfo localeInfo;
    quilora::platform::QtSoundPlayer sound;
    quilora::platform::QtMessageBox messages;
    quilora::platform::SteadyClock clock;
    quilora::platform::DesktopLinkOpener links;

    const QString programFolder = quilora::core::contentFolder(QApplication::applicationDirPath());
    const QString dataFolder = quilora::core::dataFolder(
        programFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    quilora::ui::Program program(programFolder, dataFolder,
                                 {random, localeInfo, sound, messages, clock, links});
    program.start();
    return QApplication::exec();
}
