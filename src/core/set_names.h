// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quilora::core {

// A picture set's names, as the first two lines of setname.txt in its folder give them:
// Russian, then English. Both empty for a set without the file or one that cannot be read.
struct SetNames {
    QString russian;
    QString english;

    // The name shown in a language: the English one when asked for and given, else the Russian.
    QString in(bool inEnglish) const;
};

// The names of the set in `folder` (ending in a separator), read as the options dialog and the
// maker both show them: only the start of the file, and each name cut to 64 characters. The
// maker writes names of 40 at most; a longer one was typed by hand.
SetNames readSetNames(const QString& folder);

} // namespace quilora::core
