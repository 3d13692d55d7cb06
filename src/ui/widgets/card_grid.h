// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board.h"

#include <array>

class QWidget;

namespace quilora::ui {

class CardSlot;

using CardSlots = std::array<CardSlot*, game::kSlotCount>;

// The 24 cards made on `board`, named "Foto0" ... "Foto23" and placed as on the main window, the
// board sized and placed to hold them. Only the first card takes Tab.
CardSlots layOutCards(QWidget* board);

// The card the arrow keys lead to from card `from`: `columns` and `rows` on, round the edges.
int neighbourCard(int from, int columns, int rows);

// Moves the board's one Tab stop and the keyboard's focus from the card `keyboardCard` to the
// neighbour of `from`, which it returns.
int moveKeyboardCard(const CardSlots& cards, int keyboardCard, int from, int columns, int rows);

} // namespace quilora::ui
