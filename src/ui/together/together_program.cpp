// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/together/together_program.h"

#include "ui/together/solo_look.h"
#include "ui/together/start_window.h"
#include "ui/together/together_window.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

namespace quilora::ui {

TogetherProgram::TogetherProgram(const core::Folders& folders, platform::Services services,
                                 const QString& choicesFile)
    : folders_(folders), services_(services), choicesFile_(choicesFile) {}

TogetherProgram::~TogetherProgram() {
    // The window goes before the match it shows.
    window_.reset();
}

void TogetherProgram::start() {
    look_ = std::make_unique<SoloLook>(folders_, services_);
    start_ =
        std::make_unique<StartWindow>(readStartChoices(choicesFile_, look_->pictureSet()), *look_);
    connect(start_.get(), &QDialog::accepted, this, &TogetherProgram::play);
    connect(start_.get(), &QDialog::rejected, this, &TogetherProgram::finished);
    start_->show();
}

void TogetherProgram::play() {
    const StartChoices choices = start_->choices();
    // Losing them costs the players a few clicks next time: no message.
    writeStartChoices(choicesFile_, choices);
    match_ = std::make_unique<together::Match>(start_->players(), folders_, choices.pictureSet,
                                               services_, look_->sounds());
    window_ = std::make_unique<TogetherWindow>(*match_, *look_);
    connect(window_.get(), &TogetherWindow::closed, this, &TogetherProgram::finished);
    window_->show();
    emit windowShown();
    match_->start();
}

TogetherApp::TogetherApp(const QString& desktopFileName) {
    QApplication::setApplicationName(QStringLiteral("Quilora"));
    QGuiApplication::setDesktopFileName(desktopFileName);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
    // The start window closes before the match's opens.
    QApplication::setQuitOnLastWindowClosed(false);
    const QString programFolder = core::contentFolder(QApplication::applicationDirPath());
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString choices =
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
            .filePath(QStringLiteral("together.conf"));
    program_ = std::make_unique<TogetherProgram>(
        core::Folders{programFolder, core::dataFolder(programFolder, userFolder), userFolder},
        desktop_.services(), choices);
    QObject::connect(program_.get(), &TogetherProgram::finished, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    program_->start();
}

TogetherApp::~TogetherApp() = default;

} // namespace quilora::ui
