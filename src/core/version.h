// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quilora::core {

inline constexpr const char* kProductName = "Quilora";

// The main window's caption: the product name, a blank and "major.minor".
inline QString applicationCaption() {
    return QStringLiteral("%1 %2.%3")
        .arg(QLatin1String(kProductName))
        .arg(QUILORA_VERSION_MAJOR)
        .arg(QUILORA_VERSION_MINOR);
}

} // namespace quilora::core
