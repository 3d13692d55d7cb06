// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quilora::core {
namespace {

FileBytes failure(ReadStatus status) {
    return {status, {}, false, qt_error_string(errno)};
}

} // namespace

FileBytes readFile(const QString& path, qint64 limit) {
    const QByteArray name = QFile::encodeName(path);
    // O_NONBLOCK: opening a FIFO with no writer would wait for one for ever.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return failure(errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        FileBytes result = failure(ReadStatus::Failed);
        ::close(fd);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return {ReadStatus::NotAFile, {}, false, {}};
    }
    FileBytes result{ReadStatus::Read, {}, false, {}};
    // One byte past the limit tells whether there is more.
    const qint64 wanted = std::max<qint64>(limit, 0) + 1;
    result.bytes.resize(std::min<qint64>(wanted, std::max<qint64>(info.st_size, 0) + 1));
    qint64 got = 0;
    while (got < wanted) {
        if (got == result.bytes.size()) // it grew since fstat
            result.bytes.resize(std::min<qint64>(wanted, got * 2 + 4096));
        const ssize_t n = ::read(fd, result.bytes.data() + got, result.bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result = failure(ReadStatus::Failed);
            ::close(fd);
            return result;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    result.whole = got <= limit;
    result.bytes.truncate(std::min(got, limit));
    return result;
}

bool isRegularFile(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace quilora::core
