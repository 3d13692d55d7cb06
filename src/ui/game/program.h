// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/program_models.h"

#include <QObject>
#include <QPoint>

#include <memory>
#include <optional>

namespace quilora::ui {

class Form1Window;

// The running program: its models, and the main window that shows them, which the options
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

    app::MainWindowModels& models() const { return models_.current(); }
    Form1Window& window() const { return *window_; }

signals:
    // A main window has drawn its first frame.
    void firstFrameShown();

private:
    void showWindow(std::optional<QPoint> position);
    void reloadWhenIdle();
    bool newDealMayHappen() const;

    app::ProgramModels models_;
    std::unique_ptr<Form1Window> window_;
};

} // namespace quilora::ui
