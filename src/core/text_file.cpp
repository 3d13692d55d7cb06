// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_file.h"

#include "core/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quilora::core {
namespace {

const QString kTemporaryMarker = QStringLiteral(".quilora-");

QString temporaryName(const QString& name) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(62)]);
    return QLatin1Char('.') + name + kTemporaryMarker + suffix;
}

// The file a path names, past the links a player may have put there (a synced folder, a
// dotfile manager); a link that leads nowhere is followed too, as an editor does.
QString linkedFile(const QString& path) {
    QString file = path;
    for (int depth = 0; depth < 40 && QFileInfo(file).isSymLink(); ++depth)
        file = QFileInfo(file).symLinkTarget();
    return file;
}

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

QStringList decodeLines(const QByteArray& bytes) {
    // Made on the first line that needs it: the converter costs a megabyte of memory.
    std::optional<QStringDecoder> cp1251;
    QStringList lines;
    const auto decode = [&](QByteArrayView line) {
        QString text;
        if (line.isValidUtf8()) {
            text = QString::fromUtf8(line);
        } else { // a file or a line written on the game's first home, in that Cyrillic code page
            if (!cp1251)
                cp1251.emplace("windows-1251");
            text = cp1251->isValid() ? cp1251->decode(line) : QString::fromLatin1(line);
        }
        qsizetype marks = 0; // a file joined from others may hold several byte-order marks
        while (marks < text.size() && text[marks] == QChar(0xFEFF))
            ++marks;
        lines.append(text.mid(marks));
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\n' && c != '\r')
            continue;
        decode(QByteArrayView(bytes).sliced(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        decode(QByteArrayView(bytes).sliced(start)); // a last line without its end
    return lines;
}

std::optional<QStringList> readLines(const QString& path, qint64 limit, bool* whole,
                                     QString* error) {
    FileBytes file = readFile(path, limit);
    if (file.status != ReadStatus::Read) {
        if (error)
            *error = file.reason;
        return std::nullopt;
    }
    if (!file.whole) // a line cut in two is no line
        file.bytes.truncate(std::max(file.bytes.lastIndexOf('\n'), file.bytes.lastIndexOf('\r')) +
                            1);
    if (whole)
        *whole = file.whole;
    return decodeLines(file.bytes);
}

bool writeLines(const QString& path, const QStringList& lines, QString* error) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    const QFileInfo target(linkedFile(path));
    struct stat old {};
    const bool replacing = ::stat(QFile::encodeName(target.filePath()).constData(), &old) == 0;
    // Renamed over, a FIFO or a device would be gone: they are not ours to remove.
    if (replacing && !S_ISREG(old.st_mode)) {
        if (error)
            error->clear();
        return false;
    }
    const mode_t mode = replacing ? old.st_mode & 07777 : 0666;
    // Written beside the file under a name only the game makes, then renamed over it in one
    // step: a crash or a full disk never leaves half a file.
    QString temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = target.dir().filePath(temporaryName(target.fileName()));
        fd = ::open(QFile::encodeName(temporary).constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    bool ok = fd >= 0;
    if (ok) {
        // The old file's permissions, whatever the umask.
        ok = (!replacing || ::fchmod(fd, mode) == 0) && writeAll(fd, bytes) && ::fsync(fd) == 0;
        const int saved = errno;
        ok = ::close(fd) == 0 && ok;
        if (!ok)
            errno = saved;
        ok = ok && ::rename(QFile::encodeName(temporary).constData(),
                            QFile::encodeName(target.filePath()).constData()) == 0;
        if (!ok) {
            const int why = errno;
            ::unlink(QFile::encodeName(temporary).constData());
            errno = why;
        }
    }
    if (!ok && error)
        *error = qt_error_string(errno);
    return ok;
}

// Our own temporaries only: "." + name + marker + six letters or digits. Matched by hand rather
// than with a pattern, which would load the regular-expression engine at every start-up.
static bool isOurTemporary(const QString& entry, const QString& prefix) {
    if (entry.size() != prefix.size() + 6 || !entry.startsWith(prefix))
        return false;
    for (qsizetype i = prefix.size(); i < entry.size(); ++i) {
        const char16_t c = entry[i].unicode();
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')))
            return false;
    }
    return true;
}

void removeStaleTemporaries(const QString& folder, const QStringList& names, const QDateTime& now) {
    const QDir dir(folder);
    const qint64 cutOff = now.addSecs(-60).toSecsSinceEpoch();
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QString prefix = QLatin1Char('.') + name + kTemporaryMarker;
        for (const QString& entry : entries) {
            const QByteArray path = QFile::encodeName(dir.filePath(entry));
            struct stat info {};
            if (isOurTemporary(entry, prefix) && ::lstat(path.constData(), &info) == 0 &&
                S_ISREG(info.st_mode) && info.st_mtime < cutOff)
                ::unlink(path.constData());
        }
    }
}

} // namespace quilora::core
