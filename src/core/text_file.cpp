#include "core/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

namespace quilora::core {

QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        // Files written on the game's first home, in the Cyrillic single-byte code page.
        QStringDecoder cp1251("windows-1251");
        return cp1251.isValid() ? cp1251.decode(bytes) : QString::fromLatin1(bytes);
    }
    // The decoder drops one byte-order mark; a file that was joined from others may hold more.
    while (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start)); // a last line without its end
    return lines;
}

std::optional<QStringList> readLines(const QString& path, qint64 limit, bool* whole,
                                     QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = limit < 0 ? file.readAll() : file.read(limit);
    const bool all = file.atEnd();
    if (!all) // a line cut in two is no line
        bytes.truncate(std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r')) + 1);
    if (whole)
        *whole = all;
    return splitLines(decodeText(bytes));
}

bool writeLines(const QString& path, const QStringList& lines, QString* error) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    QSaveFile file(path);
    // A write that fails while the buffer is flushed (a full disk) does not stop commit() from
    // putting the cut file in place, so the flush is checked first; without a commit the
    // temporary file is discarded.
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                    file.flush() && file.commit();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}

void removeStaleTemporaries(const QString& folder, const QStringList& names, const QDateTime& now) {
    const QDir dir(folder);
    const QDateTime cutOff = now.addSecs(-60);
    for (const QString& name : names) {
        const QRegularExpression temporary(
            QStringLiteral("^%1\\.[A-Za-z]{6}$").arg(QRegularExpression::escape(name)));
        const QStringList entries = dir.entryList({name + QStringLiteral(".??????")},
                                                  QDir::Files | QDir::Hidden | QDir::NoSymLinks);
        for (const QString& entry : entries) {
            const QString suffix = entry.right(6);
            const QFileInfo info(dir.filePath(entry));
            if (temporary.match(entry).hasMatch() && suffix != suffix.toLower() &&
                suffix != suffix.toUpper() && !info.isSymLink() && info.isFile() &&
                info.lastModified() < cutOff)
                QFile::remove(info.filePath());
        }
    }
}

} // namespace quilora::core
