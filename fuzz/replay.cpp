// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target over the files of the folders given, and over a few inputs too large to
// commit, so that the ordinary test run checks every seed and every input that once found a
// fault.
#include "fuzz_check.h"

#include <QDir>
#include <QFile>

int main(int argc, char** argv) {
    QList<QPair<QByteArray, QByteArray>> inputs; // name, bytes
    for (int i = 1; i < argc; ++i) {
        const QDir folder(QString::fromLocal8Bit(argv[i]));
        const QStringList files = folder.entryList(QDir::Files, QDir::Name);
        FUZZ_CHECK(!files.isEmpty()); // a corpus folder that is missing or empty
        for (const QString& name : files) {
            QFile file(folder.filePath(name));
            FUZZ_CHECK(file.open(QIODevice::ReadOnly));
            inputs.append({file.fileName().toLocal8Bit(), file.readAll()});
        }
    }
    // Five-megabyte lines: digits, field separators, and a letter of Windows-1251.
    for (const char c : {'9', '~', '\xC0'})
        inputs.append({QByteArray("5 MB of ") + c, QByteArray(5 << 20, c)});
    for (const auto& [name, bytes] : inputs) {
        quilora::fuzz::replayedInput = name.constData();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size()));
    }
    return 0;
}
