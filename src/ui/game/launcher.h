// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt_platform.h"
#include "ui/game/program.h"

#include <memory>

namespace quilora::ui {

// The game as the desktop starts it: the application's names, the platform's services and the
// program, whose main window `start` shows. It lives as long as the event loop.
class Launcher {
public:
    explicit Launcher(const QString& desktopFileName);
    ~Launcher();

    void start();
    Program& program() { return *program_; }

private:
    platform::DesktopServices desktop_;
    std::unique_ptr<Program> program_;
};

} // namespace quilora::ui
