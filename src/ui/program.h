#pragma once

#include "core/program_state.h"
#include "game/form1.h"
#include "platform/platform.h"

#include <QObject>
#include <QPoint>

#include <memory>
#include <optional>

namespace quilora::ui {

class Form1Window;

// The extensions of the finished game: records, settings, language and links.
game::Form1Extensions gameExtensions();

// The running program: the state both windows share, and the main window, which the options
// dialog may replace by a fresh one while that state lives on.
class Program : public QObject {
    Q_OBJECT

public:
    Program(const QString& programFolder, const QString& dataFolder, platform::Services services,
            game::Form1Extensions extensions = gameExtensions());
    ~Program() override;

    // Loads and shows the main window.
    void start();
    // Unloads the main window, discards it and shows a freshly loaded one in its place.
    void reloadMainWindow();

    core::ProgramState& state() { return state_; }
    game::Form1* form() const { return form_.get(); }
    Form1Window* window() const { return window_.get(); }

signals:
    // A main window has drawn its first frame.
    void firstFrameShown();

private:
    void load(std::optional<QPoint> position);
    void reloadWhenIdle();

    core::ProgramState state_;
    platform::Services services_;
    game::Form1Extensions extensions_;
    std::unique_ptr<game::Form1> form_;
    std::unique_ptr<Form1Window> window_;
};

} // namespace quilora::ui
