#pragma once

#include <QByteArray>
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

// The lines of a file, or nothing when it cannot be opened. With a limit, only the whole lines
// within its first `limit` bytes are read, and *whole (when given) tells whether that was all.
std::optional<QStringList> readLines(const QString& path, qint64 limit = -1, bool* whole = nullptr);

// Replaces the file whole with the given lines, each ended by CR LF. The old file stays intact
// when the write fails; the reason is then put into *error (when given) and false is returned.
bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr);

} // namespace quilora::core
