// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QStringList>

namespace contentgen {

// Writes UTF-8 lines each ended by CR LF, the line ending the game's text files use.
void writeCrlfText(const QString& path, const QStringList& lines);

// Converts the help sources (UTF-8, any line ending; one paragraph per line) into
// data/help.txt and data/help-e.txt. Throws when a line looks wrapped by hand or the two
// languages differ in their sections.
void writeHelpTexts(const QDir& sourceDir, const QDir& dataDir);

} // namespace contentgen
