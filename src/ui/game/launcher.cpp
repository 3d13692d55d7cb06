// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/launcher.h"

#include "core/paths.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

namespace quilora::ui {

Launcher::Launcher(const QString& desktopFileName) {
    QApplication::setApplicationName(QStringLiteral("Quilora"));
    // Lets the desktop match the window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(desktopFileName);

    const QString programFolder = core::contentFolder(QApplication::applicationDirPath());
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString dataFolder = core::dataFolder(programFolder, userFolder);
    // The player's own picture sets live there even when the program folder can be written.
    program_ = std::make_unique<Program>(core::Folders{programFolder, dataFolder, userFolder},
                                         desktop_.services());
    // The sound system and the icon's image reader start once the board has been drawn.
    desktop_.sound().holdPreloading();
    QObject::connect(program_.get(), &Program::firstFrameShown, program_.get(), [this] {
        desktop_.sound().releasePreloading();
        if (QApplication::windowIcon().isNull())
            QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
    });
}

Launcher::~Launcher() = default;

void Launcher::start() {
    program_->start();
}

} // namespace quilora::ui
