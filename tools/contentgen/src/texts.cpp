#include "texts.h"

#include <QFile>

#include <stdexcept>

namespace contentgen {
namespace {

// The help box is about 415 pixels wide; longer lines wrap mid-sentence.
constexpr int kMaxLineLength = 80;

QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    QString text = QString::fromUtf8(file.readAll());
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

} // namespace

void writeCrlfText(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void writeHelpTexts(const QDir& sourceDir, const QDir& dataDir) {
    const struct {
        const char* source;
        const char* target;
    } files[] = {{"help-ru.txt", "help.txt"}, {"help-en.txt", "help-e.txt"}};
    for (const auto& f : files) {
        const QStringList lines = readLines(sourceDir.filePath(f.source));
        for (const QString& line : lines)
            if (line.size() > kMaxLineLength)
                throw std::runtime_error(std::string(f.source) +
                                         ": line too long: " + line.toStdString());
        writeCrlfText(dataDir.filePath(f.target), lines);
    }
}

} // namespace contentgen
