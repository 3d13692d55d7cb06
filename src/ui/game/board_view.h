// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/form1.h"
#include "language/accessible_names.h"
#include "settings/form2.h"
#include "ui/widgets/card_grid.h"
#include "ui/widgets/card_slot.h"
#include "ui/widgets/sharp_picture.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <optional>

namespace quilora::ui {

// The 24 cards. A card is drawn again only when it turns or the cards' colour changes. From the
// keyboard the board is one Tab stop: the arrow keys move a frame over the cards, round the
// edges, and Space or Enter turn the card in the frame.
class BoardView : public QWidget {
    Q_OBJECT

public:
    BoardView(game::Form1& form, const settings::Form2& options, const language::Captions& captions,
              QWidget* parent);

    // The card that Tab reaches.
    CardSlot* keyboardCard() const { return slots_[keyboardCard_]; }
    QList<QWidget*> cards() const { return {slots_.begin(), slots_.end()}; }

private:
    void showCard(int slot);
    void recolour();
    void rename();
    void moveCardFocus(int from, int columns, int rows);
    QPixmap picture(const QString& path);
    QString spokenName(int slot);

    game::Form1& form1_;
    const settings::Form2& options_;
    const language::Captions& captions_;
    CardSlots slots_{};
    // The deal's pictures as they were when it was dealt: a set made meanwhile into the same
    // place must not show half the board in other photos.
    QHash<QString, PictureFiles> dealt_;
    CardPictures pictures_;
    int keyboardCard_ = 0;
    // The board's set is dealt for the window's life, and so are its names.
    const language::PictureNames pictureNames_;
};

} // namespace quilora::ui
