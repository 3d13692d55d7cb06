// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <QString>

namespace quilora::language {

// What the link labels show and open; set when the game is built.
QString siteName();
QString siteTooltip();

// The page a link label opens in the current language: labels 0 and 1 the site's start page,
// label 3 the game's own page; empty for any other label.
QString pageAddress(int label, float localisation);

// Opens a web page through a short-lived Internet shortcut file, temp.url in `folder`, which
// is gone again when this returns. A link that cannot be written or opened is ignored; an
// existing temp.url that is a link or a folder is never written through.
bool DoURL(const QString& strUrl, const QString& folder, platform::LinkOpener& opener);

// A click on link label `Index` (0, 1 or 3): opens its page in the language of the value.
void lblOrvane_Click(int Index, float localisation, const QString& folder,
                     platform::LinkOpener& opener);

} // namespace quilora::language
