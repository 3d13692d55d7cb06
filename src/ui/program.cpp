#include "ui/program.h"

#include "core/text_file.h"
#include "language/links.h"
#include "language/set_language.h"
#include "records/record_book.h"
#include "settings/form2.h"
#include "ui/form1_window.h"

#include <QCoreApplication>

namespace quilora::ui {

game::Form1Extensions gameExtensions() {
    game::Form1Extensions extensions;
    extensions.optionsDialog = [](game::Form1& form) {
        return std::make_unique<settings::Form2>(form);
    };
    extensions.recordBook = [](game::Form1& form) {
        return std::make_unique<records::Records>(form);
    };
    extensions.setLanguage = [](game::Form1& form, float language) {
        game::OptionsDialog* dialog = form.optionsDialog();
        language::SetLanguage(form, language, dialog ? dialog->captions() : nullptr);
    };
    extensions.openLink = &language::lblOrvane_Click;
    return extensions;
}

Program::Program(const QString& programFolder, const QString& dataFolder,
                 platform::Services services, game::Form1Extensions extensions)
    : services_(services), extensions_(std::move(extensions)) {
    state_.programFolder = programFolder;
    state_.dataFolder = dataFolder;
}

Program::~Program() = default;

void Program::start() {
    core::removeStaleTemporaries(state_.dataFolder,
                                 {QStringLiteral("record.txt"), QStringLiteral("Quilora.ini")},
                                 QDateTime::currentDateTime());
    load(std::nullopt);
}

void Program::load(std::optional<QPoint> position) {
    form_ = std::make_unique<game::Form1>(state_, services_, extensions_);
    form_->Form_Load();
    window_ = std::make_unique<Form1Window>(*form_);
    connect(form_.get(), &game::Form1::endProgram, qApp, &QCoreApplication::quit,
            Qt::QueuedConnection);
    connect(form_.get(), &game::Form1::reloadRequested, this, &Program::reloadWhenIdle,
            Qt::QueuedConnection);
    connect(window_.get(), &Form1Window::firstFrameShown, this, &Program::firstFrameShown);
    if (position)
        window_->move(*position);
    window_->show();
}

// A reload asked for from inside a dialog waits until that dialog has closed: the window that
// runs it must outlive its loop. The window asks again then.
void Program::reloadWhenIdle() {
    if (form_ && form_->reloadDue() && !window_->inModalLoop())
        reloadMainWindow();
}

void Program::reloadMainWindow() {
    std::optional<QPoint> position;
    if (window_) {
        position = window_->pos();
        window_.reset();
    }
    if (form_)
        form_->Form_Unload();
    form_.reset();
    load(position);
}

} // namespace quilora::ui
