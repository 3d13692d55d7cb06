// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quilora::ui {

// Lets assistive technology press the cards and the clickable labels, as the mouse does.
void installAccessibility();

} // namespace quilora::ui
