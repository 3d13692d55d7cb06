// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_models.h"

#include "core/text_file.h"

#include <QDateTime>

namespace quilora::app {

MainWindowModels::MainWindowModels(ProgramWide& program, platform::Services services)
    : captions(program.language), form(program.game, program.folders, services, captions),
      options(program.settings, form, captions, services),
      records(form, options, captions, services) {
    form.attach(options, records);
    form.Form_Load();
}

ProgramModels::ProgramModels(const core::Folders& folders, platform::Services services)
    : services_(services) {
    program_.folders = folders;
}

ProgramModels::~ProgramModels() = default;

void ProgramModels::start() {
    core::removeStaleTemporaries(program_.folders.dataFolder,
                                 {QStringLiteral("record.txt"), QStringLiteral("Quilora.ini")},
                                 QDateTime::currentDateTime());
    reload();
}

void ProgramModels::reload() {
    // One main window's models at a time: the old ones, still tied to what the program keeps,
    // go before fresh ones are made.
    current_.emplace(program_, services_);
}

} // namespace quilora::app
