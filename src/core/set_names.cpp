// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/set_names.h"

#include "core/text_file.h"

#include <algorithm>

namespace quilora::core {
namespace {

// Two names take a few dozen bytes.
constexpr qint64 kReadLimit = 64 * 1024;
constexpr qsizetype kLongestName = 64;

QString cut(const QString& name) {
    qsizetype length = std::min(name.size(), kLongestName);
    if (length < name.size() && name[length - 1].isHighSurrogate())
        --length; // never half a character
    return name.left(length);
}

} // namespace

QString SetNames::in(bool inEnglish) const {
    return inEnglish && !english.isEmpty() ? english : russian;
}

SetNames readSetNames(const QString& folder) {
    const QStringList lines =
        readLines(folder + QStringLiteral("setname.txt"), kReadLimit).value_or(QStringList{});
    return {cut(lines.value(0)), cut(lines.value(1))};
}

} // namespace quilora::core
