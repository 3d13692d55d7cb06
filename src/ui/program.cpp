#include "ui/program.h"

#include "ui/form1_window.h"

#include <QCoreApplication>

namespace quilora::ui {

Program::Program(const QString& programFolder, platform::Services services,
                 game::Form1Extensions extensions)
    : services_(services), extensions_(std::move(extensions)) {
    state_.programFolder = programFolder;
}

Program::~Program() = default;

void Program::start() {
    form_ = std::make_unique<game::Form1>(state_, services_, extensions_);
    form_->Form_Load();
    window_ = std::make_unique<Form1Window>(*form_);
    connect(form_.get(), &game::Form1::endProgram, qApp, &QCoreApplication::quit,
            Qt::QueuedConnection);
    window_->show();
}

void Program::reloadMainWindow() {
    if (form_)
        form_->Form_Unload();
    window_.reset();
    form_.reset();
    start();
}

} // namespace quilora::ui
