// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/card_grid.h"

#include "ui/widgets/card_slot.h"

namespace quilora::ui {

CardSlots layOutCards(QWidget* board) {
    const game::Rect first = game::slotGeometry(0);
    const game::Rect last = game::slotGeometry(game::kSlotCount - 1);
    board->setGeometry(first.left, first.top, last.left + last.width - first.left,
                       last.top + last.height - first.top);
    CardSlots cards{};
    for (int i = 0; i < game::kSlotCount; ++i) {
        const game::Rect r = game::slotGeometry(i);
        cards[i] = new CardSlot(i, board);
        cards[i]->setObjectName(QStringLiteral("Foto%1").arg(i));
        cards[i]->setGeometry(r.left - first.left, r.top - first.top, r.width, r.height);
    }
    cards[0]->setFocusPolicy(Qt::TabFocus);
    return cards;
}

int neighbourCard(int from, int columns, int rows) {
    const int column = (from % game::kColumns + columns + game::kColumns) % game::kColumns;
    const int rowCount = game::kSlotCount / game::kColumns;
    const int row = (from / game::kColumns + rows + rowCount) % rowCount;
    return row * game::kColumns + column;
}

int moveKeyboardCard(const CardSlots& cards, int keyboardCard, int from, int columns, int rows) {
    cards[keyboardCard]->setFocusPolicy(Qt::NoFocus);
    const int next = neighbourCard(from, columns, rows);
    cards[next]->setFocusPolicy(Qt::TabFocus);
    cards[next]->setFocus(Qt::OtherFocusReason);
    return next;
}

} // namespace quilora::ui
