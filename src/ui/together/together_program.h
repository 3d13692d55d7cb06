// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt_platform.h"
#include "together/match.h"

#include <QObject>

#include <memory>

namespace quilora::ui {

class SoloLook;
class StartWindow;
class TogetherWindow;

// Playing together from start to end: the start window, then the match in its window. The
// start window's choices are kept in `choicesFile` for the next time; the solo game's files are
// only read.
class TogetherProgram : public QObject {
    Q_OBJECT

public:
    TogetherProgram(const core::Folders& folders, platform::Services services,
                    const QString& choicesFile);
    ~TogetherProgram() override;

    // Shows the start window.
    void start();

    StartWindow* startWindow() const { return start_.get(); }
    TogetherWindow* window() const { return window_.get(); }
    together::Match* match() const { return match_.get(); }

signals:
    // The match's window is shown; the first turn begins next.
    void windowShown();
    // The start window was cancelled, or the match's window closed.
    void finished();

private:
    void play();

    core::Folders folders_;
    platform::Services services_;
    QString choicesFile_;
    std::unique_ptr<SoloLook> look_;
    std::unique_ptr<StartWindow> start_;
    std::unique_ptr<together::Match> match_;
    std::unique_ptr<TogetherWindow> window_;
};

// `quilora --together` as the desktop starts it: the application's names, the platform's
// services, the folders of an installed or unpacked game and the program, started. It lives as
// long as the event loop, which ends with the program.
class TogetherApp {
public:
    explicit TogetherApp(const QString& desktopFileName);
    ~TogetherApp();

private:
    platform::DesktopServices desktop_;
    std::unique_ptr<TogetherProgram> program_;
};

} // namespace quilora::ui
