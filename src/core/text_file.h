// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace quilora::core {

// Text files of the game are read line by line. They are written as UTF-8 with CR LF line ends;
// older files in the Windows-1251 code page are still read correctly.

// The lines of file bytes, accepting CR LF, LF and lone CR line ends (a file saved by an old
// editor would otherwise be one line) and a missing end on the last line. Each line is decoded
// on its own: UTF-8 when its bytes are valid UTF-8 (byte-order marks dropped), Windows-1251
// otherwise, so that a line pasted from an older file spoils no other.
QStringList decodeLines(const QByteArray& bytes);

// The lines of a regular file (see files.h), or nothing when it cannot be read: the system's
// reason then goes into *error (when given), left empty for what is no regular file at all.
// Only the whole lines within its first `limit` bytes are read, and *whole (when given) tells
// whether that was all.
std::optional<QStringList> readLines(const QString& path, qint64 limit, bool* whole = nullptr,
                                     QString* error = nullptr);

// Replaces the file whole with the given lines, each ended by CR LF. The old file stays intact
// when the write fails; the reason is then put into *error (when given) and false is returned.
// A link the player made is kept: the file it leads to is replaced. Only a file is replaced: where
// a FIFO, a device or a folder stands, nothing is written and *error is left empty.
bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Removes from `folder` what a write of these files that was cut off (a crash, a kill) left
// behind: the writer's temporary files, which only the game names so (".record.txt.quilora-"
// and six letters or digits). Only regular files older than a minute go, so a write still
// running in another copy of the game is left alone; links are never followed.
void removeStaleTemporaries(const QString& folder, const QStringList& names, const QDateTime& now);

} // namespace quilora::core
