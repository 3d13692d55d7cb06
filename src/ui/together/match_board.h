// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/accessible_names.h"
#include "settings/form2.h"
#include "together/match.h"
#include "ui/widgets/card_grid.h"
#include "ui/widgets/sharp_picture.h"

#include <QHash>
#include <QWidget>

#include <array>

namespace quilora::ui {

// The 24 cards of a match, drawn and played as on the solo board: the mouse or, from the keyboard,
// the arrow keys and Space or Enter; one Tab stop.
class MatchBoard : public QWidget {
    Q_OBJECT

public:
    MatchBoard(together::Match& match, const settings::Appearance& look,
               language::Language language, QWidget* parent);

    CardSlot* keyboardCard() const { return slots_[keyboardCard_]; }
    // What a screen reader calls the picture of a card that is face up.
    QString pictureName(int slot);

private:
    void showCard(int slot);
    void readSet();
    void moveCardFocus(int from, int columns, int rows);
    QPixmap picture(const QString& path);

    together::Match& match_;
    QColor colour_;
    language::Language language_;
    CardSlots slots_{};
    // The set's files as they were when its first card turned: a set made meanwhile into the
    // same place must not show half the board in other photos.
    QString folder_;
    QHash<QString, PictureFiles> files_;
    CardPictures pictures_;
    int keyboardCard_ = 0;
    language::PictureNames names_;
};

} // namespace quilora::ui
