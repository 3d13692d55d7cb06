// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

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

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

} // namespace quilora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
