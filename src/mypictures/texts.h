// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/catalogue.h"

namespace quilora::mypictures {

using language::Text;

// The maker's texts, like all of the game's, are in its catalogue: English, or Russian when
// `english` is false.
inline QString text(Text id, bool english) {
    return language::text(id, english ? language::Language::English : language::Language::Russian);
}

// A text that counts, in the plural form of `n`.
inline QString text(Text id, bool english, int n) {
    return language::text(id, english ? language::Language::English : language::Language::Russian,
                          n);
}

} // namespace quilora::mypictures
