#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace quilora::core {

// Text files of the game are read line by line. They are written as UTF-8 with CR LF line ends;
// older files in the Windows-1251 code page are still read correctly.

// Decodes file bytes: UTF-8 (an optional byte-order mark is dropped) when the bytes are valid
// UTF-8, Windows-1251 otherwise.
QString decodeText(const QByteArray& bytes);

// Splits text into lines, accepting CR LF, LF and lone CR line ends (a file saved by an old
// editor would otherwise be one line) and a missing end on the last line.
QStringList splitLines(const QString& text);

// The lines of a file, or nothing when it cannot be opened (the reason then goes into *error,
// when given). With a limit, only the whole lines within its first `limit` bytes are read, and
// *whole (when given) tells whether that was all.
std::optional<QStringList> readLines(const QString& path, qint64 limit = -1, bool* whole = nullptr,
                                     QString* error = nullptr);

// Replaces the file whole with the given lines, each ended by CR LF. The old file stays intact
// when the write fails; the reason is then put into *error (when given) and false is returned.
bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Removes from `folder` what a write of these files that was cut off (a crash, a kill) left
// behind: the writer's temporary files, named after the file, a dot and six random letters of
// both cases ("record.txt.qLNspV"). Only regular files older than a minute go, so a write still
// running in another copy of the game is left alone; links are never followed, and a name of
// one case ("record.txt.backup") is the player's own.
void removeStaleTemporaries(const QString& folder, const QStringList& names, const QDateTime& now);

} // namespace quilora::core
