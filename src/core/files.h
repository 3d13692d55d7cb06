// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace quilora::core {

// Every file the game or the maker reads comes from outside: it may be a link, a FIFO, a
// device, a folder or far larger than its kind. Only regular files are read (a link is
// followed to one, as editors do), opened without blocking, and never past a limit that fits
// their kind.

enum class ReadStatus {
    Read,     // the bytes within the limit
    Missing,  // no such file (or a link to none)
    NotAFile, // a FIFO, a device, a socket or a folder: not read at all
    Failed,   // could not be opened or read; `reason` says why
};

struct FileBytes {
    ReadStatus status = ReadStatus::Failed;
    QByteArray bytes;   // at most the limit
    bool whole = false; // the file ended within the limit
    QString reason;     // the system's words, for Missing and Failed
};

FileBytes readFile(const QString& path, qint64 limit);

// Whether a regular file of exactly this name is there, a link followed to one.
bool isRegularFile(const QString& path);

} // namespace quilora::core
