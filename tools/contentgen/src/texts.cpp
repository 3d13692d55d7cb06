// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts.h"

#include <QFile>

#include <stdexcept>

namespace contentgen {
namespace {

// The help box wraps its lines itself, so a source line is a whole paragraph; this many
// characters already fill most of the box.
constexpr int kMaxParagraph = 400;

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

// Headings are in capitals; every other line must close a sentence, or it was wrapped by hand.
bool isHeading(const QString& line) {
    bool letters = false;
    for (const QChar c : line) {
        if (c.isLower())
            return false;
        letters = letters || c.isLetter();
    }
    return letters;
}

bool endsSentence(QString line) {
    while (!line.isEmpty() && QStringLiteral("»”\")").contains(line.back()))
        line.chop(1);
    return !line.isEmpty() && QStringLiteral(".!?:…").contains(line.back());
}

// Returns the number of lines in each section, so the two languages can be compared.
QList<int> checkParagraphs(const char* source, const QStringList& lines) {
    const auto fail = [source](int index, const char* why) {
        throw std::runtime_error(std::string(source) + ":" + std::to_string(index + 1) + ": " +
                                 why);
    };
    QList<int> sections{0};
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty()) {
            if (i == 0 || i + 1 == lines.size() || lines[i - 1].isEmpty())
                fail(i, "empty lines only between sections, one at a time");
            sections.append(0);
            continue;
        }
        if (line != line.trimmed() || line.contains(QLatin1String("  ")) ||
            line.contains(QLatin1Char('\t')))
            fail(i, "stray white space");
        if (line.size() > kMaxParagraph)
            fail(i, "paragraph too long for the help box");
        if (!isHeading(line) && !endsSentence(line))
            fail(i, "line ends mid-sentence");
        ++sections.back();
    }
    return sections;
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
    QList<QList<int>> shapes;
    QList<QStringList> texts;
    for (const auto& f : files) {
        texts.append(readLines(sourceDir.filePath(f.source)));
        shapes.append(checkParagraphs(f.source, texts.back()));
    }
    // Both languages tell the same, paragraph for paragraph.
    if (shapes[0] != shapes[1])
        throw std::runtime_error("help texts differ in their sections or paragraphs");
    for (int i = 0; i < 2; ++i)
        writeCrlfText(dataDir.filePath(files[i].target), texts[i]);
}

} // namespace contentgen
