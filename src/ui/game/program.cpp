// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/program.h"

#include "ui/game/form1_window.h"

#include <QCoreApplication>

namespace quilora::ui {

Program::Program(const core::Folders& folders, platform::Services services)
    : models_(folders, services) {}

Program::~Program() = default;

void Program::start() {
    models_.start();
    showWindow(std::nullopt);
}

void Program::showWindow(std::optional<QPoint> position) {
    app::MainWindowModels& models = models_.current();
    window_ = std::make_unique<Form1Window>(
        WindowModels{models.form, models.options, models.records, models.captions});
    connect(&models.form, &game::Form1::endProgram, qApp, &QCoreApplication::quit,
            Qt::QueuedConnection);
    connect(&models.form, &game::Form1::reloadRequested, this, &Program::reloadWhenIdle,
            Qt::QueuedConnection);
    connect(window_.get(), &Form1Window::firstFrameShown, this, &Program::firstFrameShown);
    if (position)
        window_->move(*position);
    window_->show();
}

// From the options dialog to a new deal, in a freshly loaded main window:
//  1. Options: Form1::optionsRequested; the window runs the options dialog in a loop of its own.
//  2. Pictures Apply, or OK with another set: Form1::requestReload emits reloadRequested, and
//     reloadWhenIdle holds the new deal back while the dialog's loop runs.
//  3. The dialog closes: the window calls Form1::renewReloadRequest, which asks again; the deal
//     happens now, unless a won game's victory panel is up.
//  4. "Else" or "To records" leaves that panel: Form1::cmdEND_Click asks again; the deal happens.
//  5. reloadMainWindow: the window goes, fresh models are loaded and dealt, and a new window takes
//     the old one's place.
// Each request is queued, so a reload runs from the event loop, never inside a handler.
void Program::reloadWhenIdle() {
    if (newDealMayHappen())
        reloadMainWindow();
}

// A won game's victory panel holds a new deal back until the player leaves it, so that the record
// is not lost; a dialog's loop holds it back until the dialog closes, since the window that runs
// the loop must outlive it.
bool Program::newDealMayHappen() const {
    const app::MainWindowModels& models = models_.current();
    return models.form.reloadPending() && !models.records.victoryPanelShown() &&
           !window_->inModalLoop();
}

void Program::reloadMainWindow() {
    // The window goes first: it draws the models that go next.
    const QPoint position = window_->pos();
    window_.reset();
    models_.reload();
    showWindow(position);
}

} // namespace quilora::ui
