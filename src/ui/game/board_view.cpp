// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/board_view.h"

#include "ui/widgets/card_grid.h"
#include "ui/widgets/card_slot.h"
#include "ui/widgets/look.h"
#include "ui/widgets/sharp_picture.h"

namespace quilora::ui {

BoardView::BoardView(game::Form1& form, const settings::Form2& options,
                     const language::Captions& captions, QWidget* parent)
    : QWidget(parent), form1_(form), options_(options), captions_(captions),
      pictureNames_(language::readPictureNames(form.PictureFolder())) {
    for (int s = 0; s < game::kSlotCount; ++s)
        if (!dealt_.contains(form1_.CardFile(s)))
            dealt_.insert(
                form1_.CardFile(s),
                readPictureFiles(form1_.CardFile(s), devicePixelRatioF() > 1, kCardLimits));
    slots_ = layOutCards(this);
    for (int i = 0; i < game::kSlotCount; ++i) {
        slots_[i]->spokenName = [this, i] { return spokenName(i); };
        connect(slots_[i], &CardSlot::clicked, &form1_, &game::Form1::Foto_Click);
        connect(slots_[i], &CardSlot::moveFocus, this, &BoardView::moveCardFocus);
    }
    connect(&form1_, &game::Form1::cardChanged, this, &BoardView::showCard);
    connect(&options_, &settings::Form2::appearanceChanged, this, &BoardView::recolour);
    connect(&captions_, &language::Captions::languageChanged, this, &BoardView::rename);
    for (int i = 0; i < game::kSlotCount; ++i)
        showCard(i);
    rename();
}

void BoardView::showCard(int slot) {
    slots_[slot]->showFace(toColor(options_.appearance().cardColour),
                           picture(form1_.FotoPicture(slot)));
}

void BoardView::recolour() {
    const QColor colour = toColor(options_.appearance().cardColour);
    for (CardSlot* card : slots_)
        card->showFace(colour, card->picture());
}

// The cards are named when a screen reader asks; it is told when their language changes.
void BoardView::rename() {
    setAccessibleName(captions_.program().text(language::Text::Board));
    for (CardSlot* card : slots_)
        card->spokenNameChanged();
}

QString BoardView::spokenName(int slot) {
    std::optional<int> shown;
    if (!form1_.FotoPicture(slot).isEmpty())
        shown = game::pictureNumber(form1_.CardFile(slot));
    return language::cardName(slot, shown, form1_.CardMatched(slot), pictureNames_,
                              captions_.program().spoken());
}

// Each picture is decoded once, from its double-size file on a scaled screen.
QPixmap BoardView::picture(const QString& path) {
    return pictures_.get(path, dealt_, devicePixelRatioF());
}

void BoardView::moveCardFocus(int from, int columns, int rows) {
    keyboardCard_ = moveKeyboardCard(slots_, keyboardCard_, from, columns, rows);
}

} // namespace quilora::ui
