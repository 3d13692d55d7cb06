#include "ui/program.h"

#include "core/text_file.h"
#include "ui/form1_window.h"

#include <QCoreApplication>
#include <QDateTime>

namespace quilora::ui {

MainWindowModels::MainWindowModels(ProgramWide& program, platform::Services services)
    : captions(program.language), form(program.clock, program.folders, services, captions),
      options(program.settings, form, captions, services),
      records(form, options, captions, services) {
    form.attach(options, records);
    form.Form_Load();
}

Program::Program(const core::Folders& folders, platform::Services services) : services_(services) {
    program_.folders = folders;
}

Program::~Program() = default;

void Program::start() {
    core::removeStaleTemporaries(program_.folders.dataFolder,
                                 {QStringLiteral("record.txt"), QStringLiteral("Quilora.ini")},
                                 QDateTime::currentDateTime());
    load(std::nullopt);
}

void Program::load(std::optional<QPoint> position) {
    models_ = std::make_unique<MainWindowModels>(program_, services_);
    window_ = std::make_unique<Form1Window>(
        WindowModels{models_->form, models_->options, models_->records, models_->captions});
    connect(&models_->form, &game::Form1::endProgram, qApp, &QCoreApplication::quit,
            Qt::QueuedConnection);
    connect(&models_->form, &game::Form1::reloadRequested, this, &Program::reloadWhenIdle,
            Qt::QueuedConnection);
    connect(window_.get(), &Form1Window::firstFrameShown, this, &Program::firstFrameShown);
    if (position)
        window_->move(*position);
    window_->show();
}

// A reload asked for from inside a dialog waits until that dialog has closed: the window that
// runs it must outlive its loop. The window asks again then.
void Program::reloadWhenIdle() {
    if (models_->form.reloadDue() && !window_->inModalLoop())
        reloadMainWindow();
}

void Program::reloadMainWindow() {
    // The window goes first: it draws the models that go next.
    const QPoint position = window_->pos();
    window_.reset();
    models_.reset();
    load(position);
}

} // namespace quilora::ui
