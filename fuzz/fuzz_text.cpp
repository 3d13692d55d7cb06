// SPDX-License-Identifier: GPL-3.0-or-later
// Any text file the game reads: decoding and splitting give lines without line-end characters,
// and the game's own writer gives back exactly the lines it was handed.
#include "core/text_file.h"
#include "fuzz_check.h"

#include <QTemporaryDir>

using namespace quilora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QStringList lines = core::decodeLines(bytes);
    for (const QString& line : lines)
        FUZZ_CHECK(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')));
    FUZZ_CHECK(lines.size() <= bytes.count('\n') + bytes.count('\r') + 1);

    static const QTemporaryDir folder; // one per process: nothing is written elsewhere
    const QString path = folder.filePath(QStringLiteral("lines.txt"));
    FUZZ_CHECK(core::writeLines(path, lines));
    FUZZ_CHECK(core::readLines(path, qint64(1) << 40) == lines);
    return 0;
}
