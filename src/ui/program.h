#pragma once

#include "records/record_book.h"

#include <QObject>
#include <QPoint>

#include <memory>
#include <optional>

namespace quilora::ui {

class Form1Window;

// What the program keeps for the whole run, whatever main window shows it.
struct ProgramWide {
    core::Folders folders;
    game::ProgramClock clock;
    settings::ProgramSettings settings;
    language::ProgramLanguage language;
};

// The models of one main window, made in the order they need each other, and loaded: the
// options dialog reads the settings, the board is dealt.
struct MainWindowModels {
    MainWindowModels(ProgramWide& program, platform::Services services);

    language::Captions captions;
    game::Form1 form;
    settings::Form2 options;
    records::Records records;
};

// The running program: what it keeps for the whole run, and the main window, which the options
// dialog may replace by a fresh one.
class Program : public QObject {
    Q_OBJECT

public:
    Program(const core::Folders& folders, platform::Services services);
    ~Program() override;

    // Loads and shows the main window.
    void start();
    // Unloads the main window, discards it and shows a freshly loaded one in its place.
    void reloadMainWindow();

    MainWindowModels& models() const { return *models_; }
    Form1Window& window() const { return *window_; }

signals:
    // A main window has drawn its first frame.
    void firstFrameShown();

private:
    void load(std::optional<QPoint> position);
    void reloadWhenIdle();

    ProgramWide program_;
    platform::Services services_;
    std::unique_ptr<MainWindowModels> models_;
    std::unique_ptr<Form1Window> window_;
};

} // namespace quilora::ui
