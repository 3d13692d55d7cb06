#pragma once

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// A broken invariant is a finding: name it and abort, so that the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: does not hold: %s\n%s\n", __FILE__, __LINE__, #condition, \
                         quilora::fuzz::replayedInput);                                            \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace quilora::fuzz {

// The name of the input being replayed outside the fuzzer, for the report of a finding.
inline const char* replayedInput = "";

// One folder per process for the files a target reads and writes; nothing goes elsewhere.
inline QDir workFolder() {
    static QTemporaryDir dir;
    FUZZ_CHECK(dir.isValid());
    return QDir(dir.path());
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

} // namespace quilora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
