// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/program.h"

#include "ui/form1_window.h"

#include <QCoreApplication>

namespace quilora::ui {

Program::Program(const core::Folders& folders, platform::Services services)
    : models_(folders, services) {}

Program::~Program() = default;

void Program::start() {
    models_.start();
    show(std::nullopt);
}

void Program::show(std::optional<QPoint> position) {
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

// A reload asked for from inside a dialog waits until that dialog has closed: the window that
// runs it must outlive its loop. The window asks again then.
void Program::reloadWhenIdle() {
    if (models_.current().form.reloadDue() && !window_->inModalLoop())
        reloadMainWindow();
}

void Program::reloadMainWindow() {
    // The window goes first: it draws the models that go next.
    const QPoint position = window_->pos();
    window_.reset();
    models_.reload();
    show(position);
}

} // namespace quilora::ui
